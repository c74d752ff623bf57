#pragma once

class CWinBlogStorage;

// CEditCategoriesDlg: adds, renames and deletes the blog's categories; its
// changes are made in the store at once. Afterwards the opener rebuilds its
// category menu.
class EditCategoriesWorkflow {
public:
    explicit EditCategoriesWorkflow(CWinBlogStorage& store)
        : m_store(store)
    {
    }

    CWinBlogStorage& GetStore() { return m_store; }

private:
    CWinBlogStorage& m_store;
};
