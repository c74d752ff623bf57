#include "workflows/MainViewController.h"

#include "app/ErrorTable.h"
#include "app/Messages.h"
#include "app/Preferences.h"
#include "model/CWinBlogUser.h"
#include "platform/FileSystem.h"
#include "workflows/CaptionWorkflow.h"
#include "workflows/CommentsWorkflow.h"
#include "workflows/DeleteEntriesWorkflow.h"
#include "workflows/DownloadPhotoWorkflow.h"
#include "workflows/EditEntryWorkflow.h"
#include "workflows/MainViewSurface.h"

namespace {

constexpr StringId kAlreadyHaveSize = 170;
constexpr StringId kPurgePhotoQuestion = 171;
constexpr StringId kSyncBeforeComments = 227;

// The photo sizes the download dialog offers, and its default.
constexpr std::uint16_t kSmallestDownloadSize = 2;
constexpr std::uint16_t kLargestDownloadSize = 7;
constexpr std::uint16_t kDefaultDownloadSize = 5;
// A photo state of 8 to 13 asks for the photo at size state - 6 at the
// next sync.
constexpr std::uint8_t kDownloadRequestOffset = 6;

}

void MainViewController::AfterEntryChanged(BlogEntry& entry)
{
    // A new date may have moved the entry; the page and the selection
    // follow it.
    CWinBlogStorage& blog = *m_currentBlog;
    m_surface.SetItemCount(blog.GetShownEntryCount());
    std::uint32_t index = blog.GetShownIndexOf(entry);
    bool shown = blog.IsShown(entry) && index < blog.GetShownEntryCount();
    if (m_entryShown) {
        if (shown) {
            m_entryIndex = static_cast<long>(index);
            m_surface.SetEntryPageEntry(entry);
        } else {
            CloseEntry();
        }
    }
    if (shown)
        m_surface.Select(static_cast<long>(index));
    m_surface.Repaint();
}

void MainViewController::AfterEntryRemoved()
{
    if (m_entryShown) {
        m_entryShown = false;
        m_surface.CloseEntryPage();
        m_surface.UpdateBars(ViewMode::Blog);
    }
    Refresh(false);
    m_surface.ClearSelection();
}

void MainViewController::OnEditEntry(CommandId, const Target& target)
{
    if (!target.blog || !target.entry)
        return;
    BlogEntry& entry = *target.entry;
    EditEntryWorkflow workflow(m_user, *target.blog, entry, entry.GetServerId() == 0);
    DialogResult result = m_dialogs.RunEditEntry(workflow);
    if (result == DialogResults::EntryDeleted)
        AfterEntryRemoved();
    else if (result == DialogResults::Ok)
        AfterEntryChanged(entry);
}

void MainViewController::OnDeleteEntry(CommandId, const Target& target)
{
    if (!target.blog || !target.entry)
        return;
    CWinBlogStorage& blog = *target.blog;
    BlogEntry& entry = *target.entry;
    DeleteEntriesWorkflow workflow(true, blog.IsReadOnly(&entry), entry.GetServerId() == 0);
    if (m_dialogs.RunDeleteEntries(workflow) == DialogResults::Cancel)
        return;
    ErrorCode failure = blog.DeleteEntryAsAsked(entry, workflow.GetDeleteOnWeb(), workflow.GetDeletePhotos());
    SaveStore(blog);
    if (failure != Error::Success)
        ShowError(failure);
    AfterEntryRemoved();
}

void MainViewController::OnViewComments(CommandId, const Target& target)
{
    if (!target.blog || !target.entry)
        return;
    if (target.entry->GetServerId() == 0) {
        ShowStringMessage(kSyncBeforeComments, MessageIcon::Warning);
        return;
    }
    CommentsWorkflow workflow(m_user, *target.blog, *target.entry);
    (void)m_dialogs.RunComments(workflow); // its changes are saved as they are made
    // The entry's new-comments mark may have gone.
    m_surface.Repaint();
}

void MainViewController::OnCaption(CommandId, const Target& target)
{
    if (!target.entry)
        return;
    CaptionWorkflow workflow(*target.entry);
    (void)m_dialogs.RunCaption(workflow); // it only closes
}

// The size the download dialog starts at: the entry's own when it holds a
// photo size, else the size chosen last, else 480x360.
static std::uint16_t InitialDownloadSize(const BlogEntry& entry)
{
    auto fits = [](std::uint32_t size) { return size >= kSmallestDownloadSize && size <= kLargestDownloadSize; };
    if (fits(entry.GetPhotoState()))
        return entry.GetPhotoState();
    std::uint32_t chosen = ReadDownloadPhotoSize();
    return fits(chosen) ? static_cast<std::uint16_t>(chosen) : kDefaultDownloadSize;
}

void MainViewController::OnDownloadPhoto(CommandId, const Target& target)
{
    if (!target.blog || !target.entry)
        return;
    CWinBlogStorage& blog = *target.blog;
    BlogEntry& entry = *target.entry;
    DownloadPhotoWorkflow workflow(InitialDownloadSize(entry));
    DialogResult result = m_dialogs.RunDownloadPhoto(workflow);
    if (result != DialogResults::Ok && result != DialogResults::DownloadNextSync)
        return;
    std::uint16_t size = workflow.GetSize();
    if (entry.GetPhotoState() == size && !entry.GetPhotoPath().empty() && PathExists(entry.GetPhotoPath())) {
        ShowStringMessage(kAlreadyHaveSize, MessageIcon::Information);
        return;
    }
    if (result == DialogResults::DownloadNextSync) {
        // The request alone does not make the entry pending.
        bool pending = entry.IsPending();
        entry.SetPhotoState(static_cast<std::uint8_t>(size + kDownloadRequestOffset));
        entry.SetPending(pending);
        SaveStore(blog);
        return;
    }
    DownloadPhotoNow(blog, entry, size);
}

void MainViewController::OnPurgePhoto(CommandId, const Target& target)
{
    if (!target.blog || !target.entry)
        return;
    if (!AskStringQuestion(kPurgePhotoQuestion, DefaultButton::No))
        return;
    // An entry that was never published keeps its photo: it has no other
    // copy and could never be sent without it.
    ErrorCode failure = target.entry->PurgePhoto(true);
    if (failure != Error::Success)
        ShowError(failure);
    m_surface.ReloadEntryPage();
}
