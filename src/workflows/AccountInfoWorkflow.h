#pragma once

#include "workflows/DialogOutcome.h"

#include <string>

class CWinBlogUser;

// CAccountInfoDlg ("Account Info"): shows and changes the account's e-mail
// and password and shows the kind of account. The stored password is never
// shown: the field holds one "*" per character of it, and a field still
// holding exactly that leaves the password alone.
class AccountInfoWorkflow {
public:
    // As AccountFields::LoginField numbers them.
    enum Field : int {
        kEmailField,
        kPasswordField,
    };
    static constexpr std::string_view kTitle = "Account Info";
    static constexpr std::string_view kPrompt = "Please enter an email address and password to use with vellumbrixweb.";
    static constexpr std::string_view kAccountLabel = "Account:";
    // The kind of a limited account, the dialog's own wording.
    static constexpr std::string_view kLimitedAccount = "Free Account";

    // The account lines: hidden for an account that is neither pro nor
    // limited.
    struct AccountLines {
        bool shown { false };
        std::string kind;
        std::string limit;
    };

    explicit AccountInfoWorkflow(CWinBlogUser& user)
        : m_user(user)
    {
    }

    CWinBlogUser& GetUser() { return m_user; }

    std::u16string OpeningEmail() const;
    std::u16string PasswordPlaceholder() const;
    AccountLines GetAccountLines() const;

    // OK: an empty e-mail shows string 162 and the dialog stays. A changed
    // e-mail (compared exactly) forgets the account's id; a password field
    // that is not the placeholder becomes the password. When anything
    // changed, every blog downloads its comments afresh at the next sync,
    // and the user record and the stores are saved.
    DialogOutcome Ok(std::u16string_view email, std::u16string_view password);

private:
    CWinBlogUser& m_user;
};
