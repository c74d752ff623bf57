#include "workflows/MainViewController.h"

#include "app/ErrorTable.h"
#include "app/Messages.h"
#include "app/Preferences.h"
#include "model/CWinBlogUser.h"
#include "workflows/CaptionWorkflow.h"
#include "workflows/CommentsWorkflow.h"
#include "workflows/DeleteEntriesWorkflow.h"
#include "workflows/DownloadPhotoWorkflow.h"
#include "workflows/EditEntryWorkflow.h"
#include "workflows/MainViewSurface.h"

namespace {

constexpr StringId kPurgePhotoQuestion = 171;
constexpr StringId kSyncBeforeComments = 227;

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

DialogResult MainViewController::RunEditEntryDialog(CWinBlogStorage& blog, BlogEntry& entry, bool notOnWeb)
{
    // Its Sync stores the entry on the web through the view's operations.
    EditEntryWorkflow workflow(m_user, blog, entry, notOnWeb, m_network);
    // Categories edited from the dialog's list show in the menus at once.
    workflow.SetCategoriesChangedHandler([this] {
        if (m_currentBlog)
            m_surface.UpdateBars(GetMode());
    });
    return m_dialogs.RunEditEntry(workflow);
}

void MainViewController::OnEditEntry(CommandId, const Target& target)
{
    if (!target.blog || !target.entry)
        return;
    BlogEntry& entry = *target.entry;
    DialogResult result = RunEditEntryDialog(*target.blog, entry, !entry.IsOnTheWeb());
    if (result == DialogResults::EntryDeleted)
        AfterEntryRemoved();
    else if (result == DialogResults::Ok)
        AfterEntryChanged(entry);
}

void MainViewController::OnDeleteEntry(CommandId, const Target& target)
{
    if (!target.blog || !target.entry)
        return;
    DeleteEntriesWorkflow workflow = DeleteEntriesWorkflow::ForEntry(*target.blog, *target.entry);
    if (m_dialogs.RunDeleteEntries(workflow) == DialogResults::Cancel)
        return;
    DeleteEntriesWorkflow::DeleteEntry(*target.blog, *target.entry, workflow.Choices());
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
    CommentsWorkflow workflow(m_user, *target.blog, *target.entry, m_dialogs, m_network);
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

void MainViewController::OnDownloadPhoto(CommandId, const Target& target)
{
    if (!target.blog || !target.entry)
        return;
    CWinBlogStorage& blog = *target.blog;
    BlogEntry& entry = *target.entry;
    DownloadPhotoWorkflow workflow(DownloadPhotoWorkflow::InitialSize(entry));
    workflow.OfferNow(m_network != nullptr);
    DialogResult result = m_dialogs.RunDownloadPhoto(workflow);
    if (result == DialogResults::DownloadNextSync)
        workflow.RequestAtNextSync(blog, entry);
    else if (result == DialogResults::Ok && workflow.CanDownloadNow() && workflow.ShouldDownloadNow(entry))
        DownloadPhotoNow(blog, entry, workflow.GetSize());
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
