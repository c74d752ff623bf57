#pragma once

#include "platform/UserInteraction.h"

class CWinBlogStorage;

// CBlogPrefsDlg: the blog's preferences, with the Blog and Synching pages or
// the Synching page alone. It writes into the store's descriptor only on
// OK; the opener then saves the store.
class BlogPrefsWorkflow {
public:
    BlogPrefsWorkflow(CWinBlogStorage& store, BlogPreferencesPages pages)
        : m_store(store)
        , m_pages(pages)
    {
    }

    CWinBlogStorage& GetStore() { return m_store; }
    BlogPreferencesPages GetPages() const { return m_pages; }

private:
    CWinBlogStorage& m_store;
    BlogPreferencesPages m_pages;
};
