#pragma once

class BlogEntry;
class CWinBlogStorage;
class CWinBlogUser;

// CEditEntryDlg: date, time, category, title and caption of one entry; it
// may delete the entry (DialogResults::EntryDeleted, after which the opener
// must not use the entry) or sync it at once.
class EditEntryWorkflow {
public:
    EditEntryWorkflow(CWinBlogUser& user, CWinBlogStorage& store, BlogEntry& entry, bool notOnWeb)
        : m_user(user)
        , m_store(store)
        , m_entry(entry)
        , m_notOnWeb(notOnWeb)
    {
    }

    CWinBlogUser& GetUser() { return m_user; }
    CWinBlogStorage& GetStore() { return m_store; }
    BlogEntry& GetEntry() { return m_entry; }
    // The entry was never published (it has no server id).
    bool IsNotOnWeb() const { return m_notOnWeb; }

private:
    CWinBlogUser& m_user;
    CWinBlogStorage& m_store;
    BlogEntry& m_entry;
    bool m_notOnWeb;
};
