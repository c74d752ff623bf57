#pragma once

#include "CancelWhenShown.h"

#include "workflows/DialogHost.h"

#include <functional>

// The dialogs of a run without anyone at the screen: the commands are
// enabled as the real dialogs make them, and each dialog the real host has
// is opened over its workflow, handed to the shown handler (which may take
// a screenshot of it) and cancelled at once; every dialog is named on
// stderr.
class UnattendedDialogHost : public DialogHost {
public:
    explicit UnattendedDialogHost(DialogHost& real)
        : m_real(real)
    {
    }

    void SetShownHandler(CancelWhenShown::ShownHandler shown) { m_shown = std::move(shown); }

    bool Has(DialogId id) const override { return m_real.Has(id); }
    bool IsCameraSupported() override { return m_real.IsCameraSupported(); }

    DialogResult RunWelcome(WelcomeWorkflow& workflow) override { return Unattended(DialogId::Welcome, &DialogHost::RunWelcome, workflow); }
    DialogResult RunCreateAccount(CreateAccountWorkflow& workflow) override { return Unattended(DialogId::CreateAccount, &DialogHost::RunCreateAccount, workflow); }
    DialogResult RunLoginInfo(LoginInfoWorkflow& workflow) override { return Unattended(DialogId::LoginInfo, &DialogHost::RunLoginInfo, workflow); }
    DialogResult RunAccountInfo(AccountInfoWorkflow& workflow) override { return Unattended(DialogId::AccountInfo, &DialogHost::RunAccountInfo, workflow); }
    DialogResult RunNewBlog(NewBlogWorkflow& workflow) override { return Unattended(DialogId::NewBlog, &DialogHost::RunNewBlog, workflow); }
    DialogResult RunSubscribe(SubscribeWorkflow& workflow) override { return Unattended(DialogId::Subscribe, &DialogHost::RunSubscribe, workflow); }
    DialogResult RunBrowseBlogs(BrowseBlogsWorkflow& workflow) override { return Unattended(DialogId::BrowseBlogs, &DialogHost::RunBrowseBlogs, workflow); }
    DialogResult RunEditBlogList(EditBlogListWorkflow& workflow) override { return Unattended(DialogId::EditBlogList, &DialogHost::RunEditBlogList, workflow); }
    DialogResult RunConfirmDeleteBlog(ConfirmDeleteBlogWorkflow& workflow) override { return Unattended(DialogId::ConfirmDeleteBlog, &DialogHost::RunConfirmDeleteBlog, workflow); }
    DialogResult RunBlogPrefs(BlogPrefsWorkflow& workflow) override { return Unattended(DialogId::BlogPrefs, &DialogHost::RunBlogPrefs, workflow); }
    DialogResult RunCaption(CaptionWorkflow& workflow) override { return Unattended(DialogId::Caption, &DialogHost::RunCaption, workflow); }
    DialogResult RunEditEntry(EditEntryWorkflow& workflow) override { return Unattended(DialogId::EditEntry, &DialogHost::RunEditEntry, workflow); }
    DialogResult RunCategorizeEntries(CategorizeEntriesWorkflow& workflow) override { return Unattended(DialogId::CategorizeEntries, &DialogHost::RunCategorizeEntries, workflow); }
    DialogResult RunDeleteEntries(DeleteEntriesWorkflow& workflow) override { return Unattended(DialogId::DeleteEntries, &DialogHost::RunDeleteEntries, workflow); }
    DialogResult RunEditCategories(EditCategoriesWorkflow& workflow) override { return Unattended(DialogId::EditCategories, &DialogHost::RunEditCategories, workflow); }
    DialogResult RunCategoryName(CategoryNameWorkflow& workflow) override { return Unattended(DialogId::CategoryName, &DialogHost::RunCategoryName, workflow); }
    DialogResult RunComments(CommentsWorkflow& workflow) override { return Unattended(DialogId::Comments, &DialogHost::RunComments, workflow); }
    DialogResult RunViewComment(ViewCommentWorkflow& workflow) override { return Unattended(DialogId::ViewComment, &DialogHost::RunViewComment, workflow); }
    DialogResult RunAddComment(AddCommentWorkflow& workflow) override { return Unattended(DialogId::AddComment, &DialogHost::RunAddComment, workflow); }
    DialogResult RunPhotoEmail(PhotoEmailWorkflow& workflow) override { return Unattended(DialogId::PhotoEmail, &DialogHost::RunPhotoEmail, workflow); }
    DialogResult RunPostRemoteEntry(PostRemoteEntryWorkflow& workflow) override { return Unattended(DialogId::PostRemoteEntry, &DialogHost::RunPostRemoteEntry, workflow); }
    DialogResult RunDownloadPhoto(DownloadPhotoWorkflow& workflow) override { return Unattended(DialogId::DownloadPhoto, &DialogHost::RunDownloadPhoto, workflow); }
    DialogResult RunPurgePhotos(PurgePhotosWorkflow& workflow) override { return Unattended(DialogId::PurgePhotos, &DialogHost::RunPurgePhotos, workflow); }
    DialogResult RunMovePhotos(MovePhotosWorkflow& workflow) override { return Unattended(DialogId::MovePhotos, &DialogHost::RunMovePhotos, workflow); }
    DialogResult RunChooseFont(ChooseFontWorkflow& workflow) override { return Unattended(DialogId::ChooseFont, &DialogHost::RunChooseFont, workflow); }
    DialogResult RunAbout(AboutWorkflow& workflow) override { return Unattended(DialogId::About, &DialogHost::RunAbout, workflow); }
    DialogResult RunCameraPrefs(CameraPrefsWorkflow& workflow) override { return Unattended(DialogId::CameraPrefs, &DialogHost::RunCameraPrefs, workflow); }
    DialogResult RunCameraCapture(CameraCaptureWorkflow& workflow) override { return Unattended(DialogId::CameraCapture, &DialogHost::RunCameraCapture, workflow); }
    DialogResult RunImageSelect(ImageSelectWorkflow& workflow) override { return Unattended(DialogId::ImageSelect, &DialogHost::RunImageSelect, workflow); }

private:
    template<typename Workflow>
    DialogResult Unattended(DialogId id, DialogResult (DialogHost::*run)(Workflow&), Workflow& workflow)
    {
        return Cancelled(id, [&] { return (m_real.*run)(workflow); });
    }
    DialogResult Cancelled(DialogId id, const std::function<DialogResult()>& open);

    DialogHost& m_real;
    CancelWhenShown::ShownHandler m_shown;
};
