#pragma once

class CWinBlogUser;

// CAccountInfoDlg: shows and changes the account's e-mail and password and
// shows the kind of account. The result is not used by the opener.
class AccountInfoWorkflow {
public:
    explicit AccountInfoWorkflow(CWinBlogUser& user)
        : m_user(user)
    {
    }

    CWinBlogUser& GetUser() { return m_user; }

private:
    CWinBlogUser& m_user;
};
