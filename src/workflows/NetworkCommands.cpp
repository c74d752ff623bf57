#include "workflows/MainViewController.h"

#include "app/Messages.h"
#include "model/CWinBlogUser.h"
#include "workflows/MainViewSurface.h"
#include "workflows/NetworkOperations.h"
#include "workflows/NetworkStep.h"

namespace {

constexpr StringId kLatestVersion = 173;

}

void MainViewController::RunSyncAll()
{
    RunConnected([this](ProgressWindow& progress) {
        // The sync shows its own failures and the cancel.
        (void)m_network->SyncAll(m_user, progress);
    });
}

void MainViewController::OnSyncAll(CommandId, const Target&)
{
    RunSyncAll();
    // The account refresh may have added or removed blogs.
    long selection = m_surface.GetSelection();
    RefreshHomeList();
    if (selection >= static_cast<long>(m_user.GetBlogList().GetSize()))
        m_surface.ClearSelection();
}

void MainViewController::OnSyncBlog(CommandId, const Target& target)
{
    CWinBlogStorage* blog = target.blog;
    if (!blog)
        return;
    size_t countBefore = blog->GetShownEntryCount();
    RunConnected([&](ProgressWindow& progress) {
        // The sync shows its own failures; a blog that synced is saved,
        // as after each blog of Sync All.
        if (m_network->SyncBlog(*blog, m_user, nullptr, progress) == Error::Success)
            SaveStore(*blog);
    });
    if (!m_currentBlog) {
        RefreshHomeList();
        return;
    }
    m_surface.ClearSelection();
    m_surface.UpdateBars(GetMode());
    Refresh(blog->GetShownEntryCount() != countBefore);
}

void MainViewController::OnCheckForUpdates(CommandId, const Target&)
{
    bool checked = false;
    bool newVersion = false;
    RunConnected([&](ProgressWindow& progress) { checked = m_network->CheckVersion(true, newVersion, progress); });
    // A check that could not reach the service says nothing: telling the
    // user that this is the latest version would be a guess.
    if (checked && !newVersion)
        ShowStringMessage(kLatestVersion, MessageIcon::Information);
}

void MainViewController::DownloadPhotoNow(CWinBlogStorage& store, BlogEntry& entry, std::uint16_t sizeCode)
{
    RunConnected([&](ProgressWindow& progress) {
        // The download shows its own failures.
        (void)m_network->DownloadEntryPhoto(store, entry, sizeCode, progress);
    });
    m_surface.ReloadEntryPage();
}
