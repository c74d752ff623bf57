#pragma once

#include "workflows/BlogPageWorkflow.h"
#include "workflows/DialogOutcome.h"
#include "workflows/SyncPageWorkflow.h"

#include "model/BlogPrompts.h"

#include <optional>
#include <vector>

class CWinBlogStorage;

// The blog preferences sheet (CBlogPrefsDlg, titled "Vellumbrix"): the
// "Synching" page, and with it the "Blog" page when the blog's own
// preferences are edited (a blog being subscribed shows the sync page
// alone). The sheet opens on the sync page. Only pages the user opened
// change anything, and only when the sheet closes with OK; the opener then
// saves the store.
class BlogPrefsWorkflow {
public:
    enum class Page {
        Blog,
        Sync,
    };

    // Where OK stopped: the page and field at fault.
    struct Outcome {
        DialogOutcome dialog;
        Page page { Page::Sync };
    };

    BlogPrefsWorkflow(CWinBlogStorage& store, BlogPreferencesPages pages);

    CWinBlogStorage& GetStore() { return m_store; }
    BlogPreferencesPages GetPages() const { return m_pagesAsked; }

    static constexpr std::string_view kTitle = "Vellumbrix";
    // The pages in the sheet's order, and the one it opens on.
    const std::vector<Page>& Pages() const { return m_pages; }
    Page FirstPage() const { return Page::Sync; }
    // The sheet tells when the user brings a page up.
    void PageOpened(Page page);
    bool WasOpened(Page page) const;

    SyncPageWorkflow& SyncPage() { return m_syncPage; }
    // None on a sheet without the Blog page.
    BlogPageWorkflow* BlogPage() { return m_blogPage ? &*m_blogPage : nullptr; }

    // OK: the opened pages' controls are read back first, all of them, so
    // that a field at fault keeps the sheet open before anything changed;
    // then the pages apply what they read. `blog` is ignored when the Blog
    // page was never opened.
    Outcome Ok(const SyncPageWorkflow::Controls& sync, const std::optional<BlogPageWorkflow::Controls>& blog);

private:
    CWinBlogStorage& m_store;
    BlogPreferencesPages m_pagesAsked;
    std::vector<Page> m_pages;
    std::vector<Page> m_opened;
    SyncPageWorkflow m_syncPage;
    std::optional<BlogPageWorkflow> m_blogPage;
};
