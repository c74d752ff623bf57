#pragma once

#include "workflows/NewBlogStoreResult.h"

class CWinBlogUser;

// CSubscribeDlg: subscribes to a blog by its Blog URL and runs its first
// sync. On OK it hands back the new blog's store.
class SubscribeWorkflow : public NewBlogStoreResult {
public:
    explicit SubscribeWorkflow(CWinBlogUser& user)
        : m_user(user)
    {
    }

    CWinBlogUser& GetUser() { return m_user; }

private:
    CWinBlogUser& m_user;
};
