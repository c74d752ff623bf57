#pragma once

class CWinBlogStorage;

// CCategorizeEntriesDlg: puts every shown entry into one category. On OK the
// opener saves the store and reloads the shown entries.
class CategorizeEntriesWorkflow {
public:
    explicit CategorizeEntriesWorkflow(CWinBlogStorage& store)
        : m_store(store)
    {
    }

    CWinBlogStorage& GetStore() { return m_store; }

private:
    CWinBlogStorage& m_store;
};
