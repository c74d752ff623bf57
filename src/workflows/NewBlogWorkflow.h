#pragma once

#include "workflows/NewBlogStoreResult.h"

class CWinBlogUser;

// CNewBlogDlg: creates a blog on the service. On OK it hands back the new
// blog's store.
class NewBlogWorkflow : public NewBlogStoreResult {
public:
    explicit NewBlogWorkflow(CWinBlogUser& user)
        : m_user(user)
    {
    }

    CWinBlogUser& GetUser() { return m_user; }

private:
    CWinBlogUser& m_user;
};
