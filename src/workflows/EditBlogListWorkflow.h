#pragma once

class CWinBlogUser;

// CEditBlogListDlg: unsubscribes blogs and opens their preferences.
class EditBlogListWorkflow {
public:
    explicit EditBlogListWorkflow(CWinBlogUser& user)
        : m_user(user)
    {
    }

    CWinBlogUser& GetUser() { return m_user; }

private:
    CWinBlogUser& m_user;
};
