#pragma once

#include "workflows/SendSubject.h"

class CWinBlogStorage;
class CWinBlogUser;

// CPhotoEmailDlg: has the service send an e-mail with a link to the photo or
// the blog.
class PhotoEmailWorkflow {
public:
    PhotoEmailWorkflow(CWinBlogUser& user, CWinBlogStorage& store, SendSubject subject)
        : m_user(user)
        , m_store(store)
        , m_subject(subject)
    {
    }

    CWinBlogUser& GetUser() { return m_user; }
    CWinBlogStorage& GetStore() { return m_store; }
    const SendSubject& GetSubject() const { return m_subject; }

private:
    CWinBlogUser& m_user;
    CWinBlogStorage& m_store;
    SendSubject m_subject;
};
