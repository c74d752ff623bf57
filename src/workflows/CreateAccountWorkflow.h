#pragma once

class CWinBlogUser;

// CCreateAccountDlg: creates the account and its first blog on the service,
// page by page. Closed with OK when it finished (or when the user chose to
// use an existing account instead).
class CreateAccountWorkflow {
public:
    explicit CreateAccountWorkflow(CWinBlogUser& user)
        : m_user(user)
    {
    }

    CWinBlogUser& GetUser() { return m_user; }
    // Whether a blog was created and added to the user's list.
    bool WasBlogCreated() const { return m_blogCreated; }
    void SetBlogCreated(bool created) { m_blogCreated = created; }

private:
    CWinBlogUser& m_user;
    bool m_blogCreated { false };
};
