#pragma once

#include <string_view>

// CWelcomeDlg: a user without login information chooses between creating an
// account and entering the login information of an existing one. "Next"
// closes it with DialogResults::WelcomeNext.
class WelcomeWorkflow {
public:
    enum Choice {
        CreateNewAccount = 0,
        EnterLoginInfo = 1,
    };

    static constexpr std::string_view kTitle = "Welcome to Vellumbrix";
    // The heading as the dialog has always spelled it.
    static constexpr std::string_view kHeading = "Wecolme to Vellumbrix!";
    static constexpr std::string_view kText
        = "If you are a new user, please create a new account. If you are an existing user, enter your vellumbrixweb login info.";
    static constexpr std::string_view kCreateChoice = "Create New Account";
    static constexpr std::string_view kLoginChoice = "Enter Login Info";

    Choice GetChoice() const { return m_choice; }
    void SetChoice(Choice choice) { m_choice = choice; }

private:
    Choice m_choice { CreateNewAccount };
};
