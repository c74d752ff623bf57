#pragma once

#include <string>

class BlogAlbum;
class CWinBlogStorage;

// CCategoryNameDlg: the name of a new category (category none) or a new
// name for one. On OK the name is in the workflow.
class CategoryNameWorkflow {
public:
    CategoryNameWorkflow(CWinBlogStorage& store, BlogAlbum* category)
        : m_store(store)
        , m_category(category)
    {
    }

    CWinBlogStorage& GetStore() { return m_store; }
    BlogAlbum* GetCategory() { return m_category; }
    // UTF-8, as the store keeps category names.
    const std::string& GetName() const { return m_name; }
    void SetName(std::string name) { m_name = std::move(name); }

private:
    CWinBlogStorage& m_store;
    BlogAlbum* m_category;
    std::string m_name;
};
