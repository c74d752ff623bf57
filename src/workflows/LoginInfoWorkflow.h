#pragma once

#include "workflows/DialogOutcome.h"

#include <string>

class CWinBlogUser;

// CLoginInfoDlg ("Enter Login Info"): takes an existing account's e-mail and
// password into the user record (which the opener then saves).
class LoginInfoWorkflow {
public:
    // As AccountFields::LoginField numbers them.
    enum Field : int {
        kEmailField,
        kPasswordField,
    };
    static constexpr std::string_view kTitle = "Enter Login Info";
    static constexpr std::string_view kPrompt = "Enter your vellumbrixweb account email address and password.";

    explicit LoginInfoWorkflow(CWinBlogUser& user)
        : m_user(user)
    {
    }

    CWinBlogUser& GetUser() { return m_user; }

    // "Next": an empty e-mail shows string 162 and the dialog stays; any
    // other login (the password may be empty) goes into the user record,
    // which connects at the next start, and the dialog closes with OK.
    DialogOutcome Next(std::u16string_view email, std::u16string_view password);

private:
    CWinBlogUser& m_user;
};
