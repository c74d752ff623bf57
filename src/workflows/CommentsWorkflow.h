#pragma once

class BlogEntry;
class CWinBlogStorage;
class CWinBlogUser;

// CCommentsDlg: lists, adds and deletes the comments of one published
// entry; its changes are saved at once.
class CommentsWorkflow {
public:
    CommentsWorkflow(CWinBlogUser& user, CWinBlogStorage& store, BlogEntry& entry)
        : m_user(user)
        , m_store(store)
        , m_entry(entry)
    {
    }

    CWinBlogUser& GetUser() { return m_user; }
    CWinBlogStorage& GetStore() { return m_store; }
    BlogEntry& GetEntry() { return m_entry; }

private:
    CWinBlogUser& m_user;
    CWinBlogStorage& m_store;
    BlogEntry& m_entry;
};
