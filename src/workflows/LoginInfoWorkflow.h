#pragma once

class CWinBlogUser;

// CLoginInfoDlg: takes an existing account's e-mail and password into the
// user record (which the opener then saves).
class LoginInfoWorkflow {
public:
    explicit LoginInfoWorkflow(CWinBlogUser& user)
        : m_user(user)
    {
    }

    CWinBlogUser& GetUser() { return m_user; }

private:
    CWinBlogUser& m_user;
};
