#include "workflows/BlogPrefsWorkflow.h"

#include <algorithm>

BlogPrefsWorkflow::BlogPrefsWorkflow(CWinBlogStorage& store, BlogPreferencesPages pages)
    : m_store(store)
    , m_pagesAsked(pages)
    , m_syncPage(store)
{
    if (pages == BlogPreferencesPages::BlogAndSync) {
        m_blogPage.emplace(store);
        m_pages.push_back(Page::Blog);
    }
    m_pages.push_back(Page::Sync);
    PageOpened(FirstPage());
}

void BlogPrefsWorkflow::PageOpened(Page page)
{
    if (std::find(m_pages.begin(), m_pages.end(), page) != m_pages.end() && !WasOpened(page))
        m_opened.push_back(page);
}

bool BlogPrefsWorkflow::WasOpened(Page page) const
{
    return std::find(m_opened.begin(), m_opened.end(), page) != m_opened.end();
}

BlogPrefsWorkflow::Outcome BlogPrefsWorkflow::Ok(const SyncPageWorkflow::Controls& sync, const std::optional<BlogPageWorkflow::Controls>& blog)
{
    bool blogPageCounts = m_blogPage && WasOpened(Page::Blog) && blog;
    if (blogPageCounts) {
        DialogOutcome read = m_blogPage->ReadBack(*blog);
        if (!read.closes)
            return { read, Page::Blog };
    }
    DialogOutcome read = m_syncPage.ReadBack(sync);
    if (!read.closes)
        return { read, Page::Sync };

    m_syncPage.Apply();
    if (blogPageCounts)
        m_blogPage->Apply();
    return { DialogOutcome::Close(DialogResults::Ok), Page::Sync };
}
