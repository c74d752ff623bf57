#pragma once

#include "workflows/SendSubject.h"

#include <string>

class CWinBlogStorage;
class CWinBlogUser;

// CPostRemoteEntryDlg: has the service post the entry (or the blog's link)
// to one of the user's remote blogs, starting from a title and a text.
class PostRemoteEntryWorkflow {
public:
    PostRemoteEntryWorkflow(CWinBlogUser& user, CWinBlogStorage& store, SendSubject subject, std::string title, std::string text)
        : m_user(user)
        , m_store(store)
        , m_subject(subject)
        , m_title(std::move(title))
        , m_text(std::move(text))
    {
    }

    CWinBlogUser& GetUser() { return m_user; }
    CWinBlogStorage& GetStore() { return m_store; }
    const SendSubject& GetSubject() const { return m_subject; }
    // UTF-8.
    const std::string& GetTitle() const { return m_title; }
    const std::string& GetText() const { return m_text; }

private:
    CWinBlogUser& m_user;
    CWinBlogStorage& m_store;
    SendSubject m_subject;
    std::string m_title;
    std::string m_text;
};
