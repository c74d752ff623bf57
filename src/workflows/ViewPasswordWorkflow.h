#pragma once

#include "workflows/DialogOutcome.h"

#include <string>

// "Password Required" (CGetViewPasswordDlg): asks for the view password of
// a password-protected blog, named in the prompt.
class ViewPasswordWorkflow {
public:
    enum Field : int {
        kPasswordField,
    };
    static constexpr size_t kPasswordLimit = 31;
    static constexpr std::string_view kTitle = "Password Required";
    static constexpr std::string_view kPrompt = "Please enter the view password for the blog:";
    // String 179, shown for an empty password.
    static constexpr unsigned kEmptyPasswordMessage = 179;

    explicit ViewPasswordWorkflow(std::u16string blogName)
        : m_blogName(std::move(blogName))
    {
    }

    const std::u16string& BlogName() const { return m_blogName; }

    // OK: a password past the limit shows the framework's message, an empty
    // one string 179; the dialog stays. Otherwise it closes with OK.
    DialogOutcome Ok(std::u16string_view password);
    // The password that OK accepted, in the 8-bit form the descriptor keeps.
    const std::string& Password() const { return m_password; }

private:
    std::u16string m_blogName;
    std::string m_password;
};
