#include "workflows/MainViewController.h"

#include "app/Preferences.h"
#include "model/CWinBlogUser.h"
#include "platform/CodePage.h"
#include "workflows/MainViewSurface.h"
#include "workflows/NetworkOperations.h"
#include "workflows/WelcomeFlow.h"

// The navigation bar's text in Home mode.
static constexpr std::string_view kProductName = "Vellumbrix";

MainViewController::MainViewController(CWinBlogUser& user, DialogHost& dialogs, MainViewSurface& surface)
    : m_user(user)
    , m_dialogs(dialogs)
    , m_surface(surface)
{
}

void MainViewController::Init()
{
    m_user.Load();
    if (!HasLogin()) {
        // Whatever the flow's outcome, the start goes on.
        RunWelcomeFlow(m_dialogs, GetNetworkServices(), m_user, true);
    }
    if (!HasLogin() && m_user.GetBlogList().IsEmpty()) {
        // -1 means the store could not be allocated; the user then simply
        // starts with an empty list.
        (void)m_user.CreateSampleBlog();
    }
    m_surface.SetViewFont(ReadMainViewFont());
    if (HasLogin() && m_user.GetStartupConnect() && m_network)
        RunSyncAll();

    m_currentBlog = nullptr;
    m_entryShown = false;
    long index = m_user.GetBlogList().FindIndex(std::u16string_view(ReadCurrentlyViewedBlog()));
    if (index >= 0)
        OpenBlog(static_cast<size_t>(index));
    else
        GoHome();
}

ViewMode MainViewController::GetMode() const
{
    if (!m_currentBlog)
        return ViewMode::Home;
    return m_entryShown ? ViewMode::Entry : ViewMode::Blog;
}

BlogEntry* MainViewController::GetCurrentEntry() const
{
    if (!m_currentBlog || !m_entryShown)
        return nullptr;
    return m_currentBlog->GetShownEntryAt(static_cast<size_t>(m_entryIndex));
}

size_t MainViewController::GetItemCount() const
{
    return m_currentBlog ? m_currentBlog->GetShownEntryCount() : m_user.GetBlogList().GetSize();
}

CWinBlogStorage* MainViewController::BlogAt(size_t index) const
{
    const CBlogList& blogs = m_user.GetBlogList();
    return index < blogs.GetSize() ? blogs.GetAt(index) : nullptr;
}

bool MainViewController::HasLogin() const
{
    return !m_user.GetEmail().empty() && !m_user.GetPassword().empty();
}

void MainViewController::GoHome()
{
    if (m_entryShown) {
        m_entryShown = false;
        m_surface.CloseEntryPage();
    }
    m_currentBlog = nullptr;
    size_t count = m_user.GetBlogList().GetSize();
    m_surface.UseHomeLayout(count);
    m_surface.SetScrollPosition(m_homeScroll);
    if (m_homeSelection >= 0 && static_cast<size_t>(m_homeSelection) < count)
        m_surface.Select(m_homeSelection);
    m_surface.UpdateBars(ViewMode::Home);
    // A failed write leaves the last blog to be reopened; nothing is lost.
    (void)WriteCurrentlyViewedBlog(u"");
    m_surface.Repaint();
}

void MainViewController::OpenBlog(size_t index)
{
    CWinBlogStorage* store = BlogAt(index);
    if (!store)
        return;
    if (!m_currentBlog) {
        m_homeSelection = m_surface.GetSelection();
        m_homeScroll = m_surface.GetScrollPosition();
    }
    m_entryShown = false;
    m_currentBlog = store;
    m_surface.UseBlogLayout(store->GetShownEntryCount());
    m_surface.UpdateBars(ViewMode::Blog);
    (void)WriteCurrentlyViewedBlog(store->GetBlogInfo().GetUrlNameText()); // as in GoHome
    m_surface.Repaint();
}

void MainViewController::OpenEntry(size_t shownIndex)
{
    if (!m_currentBlog)
        return;
    BlogEntry* entry = m_currentBlog->GetShownEntryAt(shownIndex);
    if (!entry)
        return;
    m_entryIndex = static_cast<long>(shownIndex);
    // The entry has now been seen: its "new" mark goes, and the store is
    // saved only when that changed it.
    if (entry->SetNewEntry(false))
        SaveStore(*m_currentBlog);
    if (!m_entryShown) {
        m_entryShown = true;
        m_surface.ShowEntryPage(*m_currentBlog, *entry);
        m_surface.UpdateBars(ViewMode::Entry);
    } else {
        m_surface.SetEntryPageEntry(*entry);
    }
}

void MainViewController::CloseEntry()
{
    if (!m_entryShown)
        return;
    m_entryShown = false;
    m_surface.CloseEntryPage();
    m_surface.UpdateBars(ViewMode::Blog);
    m_surface.Repaint();
}

void MainViewController::ItemActivated(long index)
{
    if (index < 0)
        return;
    if (GetMode() == ViewMode::Home)
        OpenBlog(static_cast<size_t>(index));
    else if (GetMode() == ViewMode::Blog)
        OpenEntry(static_cast<size_t>(index));
}

bool MainViewController::HandleKey(ViewKey key)
{
    if (GetMode() == ViewMode::Entry) {
        switch (key) {
        case ViewKey::Enter:
        case ViewKey::Escape:
            CloseEntry();
            return true;
        case ViewKey::Left:
            return RunCommand(Command::PreviousEntry);
        case ViewKey::Right:
            return RunCommand(Command::NextEntry);
        case ViewKey::Up:
            m_surface.ScrollEntryPage(false);
            return true;
        case ViewKey::Down:
            m_surface.ScrollEntryPage(true);
            return true;
        default:
            return true;
        }
    }
    if (key == ViewKey::Escape) {
        // Escape goes home from a blog; in Home mode it does nothing.
        if (GetMode() == ViewMode::Blog)
            GoHome();
        return true;
    }
    return false;
}

void MainViewController::RefreshHomeList()
{
    if (m_currentBlog)
        return;
    m_surface.SetItemCount(m_user.GetBlogList().GetSize());
    m_surface.Repaint();
}

void MainViewController::Refresh(bool toTop)
{
    if (!m_currentBlog) {
        RefreshHomeList();
        return;
    }
    m_surface.SetItemCount(m_currentBlog->GetShownEntryCount());
    if (toTop) {
        m_surface.ClearSelection();
        m_surface.SetScrollPosition(0);
    }
    m_surface.Repaint();
}

void MainViewController::ApplyFilters(std::uint32_t categoryFilter, std::uint16_t statusFilter)
{
    if (!m_currentBlog)
        return;
    m_currentBlog->SetFilters(categoryFilter, statusFilter);
    if (m_entryShown) {
        m_entryShown = false;
        m_surface.CloseEntryPage();
    }
    m_surface.UseBlogLayout(m_currentBlog->GetShownEntryCount());
    m_surface.UpdateBars(ViewMode::Blog);
    m_surface.Repaint();
}

bool MainViewController::SaveStore(CWinBlogStorage& store)
{
    // A store that cannot be saved has told the user so (message 6002) and
    // keeps its changes in memory for the next save.
    return store.Save() == Error::Success;
}

void MainViewController::AddNewBlog(std::unique_ptr<CWinBlogStorage> store)
{
    if (!store || !SaveStore(*store))
        return;
    size_t index = m_user.GetBlogList().Insert(std::move(store));
    RefreshHomeList();
    if (!m_currentBlog) {
        m_surface.Select(static_cast<long>(index));
        m_surface.Repaint();
    }
}

bool MainViewController::RunWelcomeFlowIfNoLogin()
{
    if (HasLogin())
        return false;
    if (RunWelcomeFlow(m_dialogs, GetNetworkServices(), m_user, false))
        RefreshHomeList();
    return true;
}

std::string MainViewController::GetTitle() const
{
    if (!m_currentBlog)
        return std::string(kProductName);
    return m_currentBlog->GetBlogInfo().GetDisplayName();
}
