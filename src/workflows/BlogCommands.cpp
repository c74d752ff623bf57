#include "workflows/MainViewController.h"

#include "app/ErrorTable.h"
#include "app/Messages.h"
#include "app/Preferences.h"
#include "model/BlogIds.h"
#include "model/CWinBlogUser.h"
#include "platform/UserInteraction.h"
#include "workflows/BlogPrefsWorkflow.h"
#include "workflows/CameraCaptureWorkflow.h"
#include "workflows/CategorizeEntriesWorkflow.h"
#include "workflows/DeleteEntriesWorkflow.h"
#include "workflows/EditCategoriesWorkflow.h"
#include "workflows/EditEntryWorkflow.h"
#include "workflows/ImageSelectWorkflow.h"
#include "workflows/MainViewSurface.h"
#include "workflows/MovePhotosWorkflow.h"
#include "workflows/PhotoEmailWorkflow.h"
#include "workflows/PostRemoteEntryWorkflow.h"
#include "workflows/PurgePhotosWorkflow.h"

namespace {

constexpr StringId kNoSupportedCamera = 168;
constexpr StringId kNoEditPermission = 169;
constexpr StringId kNoRemoteBlogs = 214;
constexpr StringId kSyncBeforeSending = 215;
constexpr StringId kAddPhotosTitle = 308;

}

// The user may not add to or change the blog: message 169, without an icon.
static bool RefuseReadOnlyBlog(const CWinBlogStorage& blog)
{
    if (!blog.IsReadOnly(nullptr))
        return false;
    ShowStringMessage(kNoEditPermission, MessageIcon::None);
    return true;
}

void MainViewController::OnAddPhoto(CommandId, const Target& target)
{
    CWinBlogStorage* blog = target.blog;
    if (!blog || RefuseReadOnlyBlog(*blog))
        return;
    ImageSelectWorkflow picker(*blog, kAddPhotosTitle);
    if (m_dialogs.RunImageSelect(picker) != DialogResults::Ok)
        return;

    BlogEntry* added = nullptr;
    size_t addedCount = 0;
    ErrorCode firstFailure = Error::Success;
    for (const std::string& path : picker.GetSelectedPaths()) {
        auto entry = blog->NewEntryFromPhotoFile(path);
        if (entry.IsError()) {
            if (firstFailure == Error::Success)
                firstFailure = entry.GetError();
            continue;
        }
        added = *entry;
        ++addedCount;
    }
    SaveStore(*blog);
    // Photos that could not be made into entries are named by one message.
    if (firstFailure != Error::Success)
        ShowError(firstFailure);
    if (addedCount == 1)
        (void)RunEditEntryDialog(*blog, *added, true); // deleted or not, the grid is refreshed below
    Refresh(true);
}

void MainViewController::AddPhotoEntry(const std::string& path, bool offerEditDialog)
{
    if (!m_currentBlog)
        return;
    CWinBlogStorage& blog = *m_currentBlog;
    auto entry = blog.NewEntryFromPhotoFile(path);
    if (entry.IsError()) {
        ShowError(entry.GetError());
        return;
    }
    SaveStore(blog);
    CloseEntry();
    Refresh(false);
    if (offerEditDialog && m_dialogs.Has(DialogId::EditEntry)) {
        if (RunEditEntryDialog(blog, **entry, true) == DialogResults::EntryDeleted) {
            Refresh(false);
            return;
        }
    }
    std::uint32_t index = blog.GetShownIndexOf(**entry);
    if (index < blog.GetShownEntryCount() && blog.IsShown(**entry))
        m_surface.Select(static_cast<long>(index));
    m_surface.Repaint();
}

void MainViewController::OnCamera(CommandId, const Target& target)
{
    CWinBlogStorage* blog = target.blog;
    if (!blog || RefuseReadOnlyBlog(*blog))
        return;
    if (!m_dialogs.IsCameraSupported()) {
        ShowStringMessage(kNoSupportedCamera, MessageIcon::Warning);
        return;
    }
    for (;;) {
        auto folder = blog->WorkOutPhotoFolder();
        if (folder.IsError()) {
            ShowError(folder.GetError());
            return;
        }
        CameraCaptureWorkflow capture(*folder);
        DialogResult result = m_dialogs.RunCameraCapture(capture);
        if (result == DialogResults::CameraNotUsable) {
            ShowStringMessage(kNoSupportedCamera, MessageIcon::Warning);
            return;
        }
        if (result != DialogResults::CameraPhotoTaken)
            return;
        // Staying in the camera, no edit dialog interrupts the series.
        bool stay = ReadStayInCamera() != 0;
        AddPhotoEntry(capture.GetPhotoPath(), !stay && ReadShowEditDialog() != 0);
        if (!stay)
            return;
    }
}

void MainViewController::OnSendEMail(CommandId, const Target& target)
{
    if (!target.blog)
        return;
    if (!IsOnTheWebForSending(*target.blog, target.entry)) {
        ShowStringMessage(kSyncBeforeSending, MessageIcon::Warning);
        return;
    }
    PhotoEmailWorkflow workflow(m_user, *target.blog, SendSubjectOf(*target.blog, target.entry));
    (void)m_dialogs.RunPhotoEmail(workflow); // it sends, or not, by itself
}

void MainViewController::OnPostRemoteEntry(CommandId, const Target& target)
{
    if (!target.blog)
        return;
    if (m_user.GetRemoteBlogNames().empty()) {
        ShowStringMessage(kNoRemoteBlogs, MessageIcon::Warning);
        return;
    }
    if (!IsOnTheWebForSending(*target.blog, target.entry)) {
        ShowStringMessage(kSyncBeforeSending, MessageIcon::Warning);
        return;
    }
    std::string title;
    std::string text;
    if (target.entry) {
        title = target.entry->GetTitle();
        text = target.entry->GetCaption();
    } else {
        const BlogAlbum* category = target.blog->FindCategoryById(target.blog->GetCategoryFilter());
        title = category ? category->GetName() : target.blog->GetBlogInfo().GetDisplayName();
    }
    PostRemoteEntryWorkflow workflow(m_user, *target.blog, SendSubjectOf(*target.blog, target.entry), std::move(title), std::move(text));
    (void)m_dialogs.RunPostRemoteEntry(workflow); // it posts, or not, by itself
}

void MainViewController::OnEditCategories(CommandId, const Target& target)
{
    if (!target.blog || RefuseReadOnlyBlog(*target.blog))
        return;
    EditCategoriesWorkflow workflow(*target.blog);
    // Its changes are made in the store at once and "Done" saves them;
    // after Cancel they are kept all the same, so the file is brought in
    // line with them.
    if (m_dialogs.RunEditCategories(workflow) != DialogResults::Ok)
        SaveStore(*target.blog);
    // A deleted category moves its entries to "Unfiled", so the grid's
    // count may change with the menus.
    m_surface.SetItemCount(target.blog->GetShownEntryCount());
    m_surface.UpdateBars(GetMode());
    m_surface.Repaint();
}

void MainViewController::OnCategorizeEntries(CommandId, const Target& target)
{
    if (!target.blog)
        return;
    CategorizeEntriesWorkflow workflow(*target.blog);
    if (m_dialogs.RunCategorizeEntries(workflow) != DialogResults::Ok)
        return;
    SaveStore(*target.blog);
    Refresh(true);
}

void MainViewController::OnDeleteEntries(CommandId, const Target& target)
{
    if (!target.blog)
        return;
    DeleteEntriesWorkflow workflow = DeleteEntriesWorkflow::ForShownEntries(*target.blog);
    if (m_dialogs.RunDeleteEntries(workflow) == DialogResults::Cancel)
        return;
    DeleteEntriesWorkflow::DeleteShownEntries(*target.blog, workflow.Choices());
    Refresh(true);
}

void MainViewController::OnPurgePhotos(CommandId, const Target& target)
{
    if (!target.blog)
        return;
    PurgePhotosWorkflow workflow;
    if (m_dialogs.RunPurgePhotos(workflow) != DialogResults::Ok)
        return;
    PurgePhotosWorkflow::PurgeShownPhotos(*target.blog);
    m_surface.Repaint();
}

void MainViewController::OnMovePhotos(CommandId, const Target& target)
{
    if (!target.blog)
        return;
    auto locations = MovePhotosWorkflow::DeviceLocations();
    if (!locations)
        return;
    MovePhotosWorkflow workflow(std::move(*locations));
    if (m_dialogs.RunMovePhotos(workflow) != DialogResults::Ok)
        return;
    // The move tells its own failures and saves the store.
    (void)workflow.MoveChosenPhotos(*target.blog);
    m_surface.Repaint();
}

void MainViewController::OnBlogPrefs(CommandId, const Target& target)
{
    if (!target.blog)
        return;
    BlogPrefsWorkflow workflow(*target.blog, BlogPreferencesPages::BlogAndSync);
    if (m_dialogs.RunBlogPrefs(workflow) != DialogResults::Ok)
        return;
    SaveStore(*target.blog);
    if (m_currentBlog)
        m_surface.UpdateBars(GetMode());
    Refresh(false);
}
