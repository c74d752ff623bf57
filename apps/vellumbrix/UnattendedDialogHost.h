#pragma once

#include "workflows/DialogHost.h"

// The dialogs of a run without anyone at the screen: the commands are
// enabled as the real dialogs make them, but each dialog is cancelled at
// once and named on stderr.
class UnattendedDialogHost : public DialogHost {
public:
    explicit UnattendedDialogHost(DialogHost& real)
        : m_real(real)
    {
    }

    bool Has(DialogId id) const override { return m_real.Has(id); }
    bool IsCameraSupported() override { return m_real.IsCameraSupported(); }

    DialogResult RunWelcome(WelcomeWorkflow&) override { return Cancelled(DialogId::Welcome); }
    DialogResult RunCreateAccount(CreateAccountWorkflow&) override { return Cancelled(DialogId::CreateAccount); }
    DialogResult RunLoginInfo(LoginInfoWorkflow&) override { return Cancelled(DialogId::LoginInfo); }
    DialogResult RunAccountInfo(AccountInfoWorkflow&) override { return Cancelled(DialogId::AccountInfo); }
    DialogResult RunNewBlog(NewBlogWorkflow&) override { return Cancelled(DialogId::NewBlog); }
    DialogResult RunSubscribe(SubscribeWorkflow&) override { return Cancelled(DialogId::Subscribe); }
    DialogResult RunBrowseBlogs(BrowseBlogsWorkflow&) override { return Cancelled(DialogId::BrowseBlogs); }
    DialogResult RunEditBlogList(EditBlogListWorkflow&) override { return Cancelled(DialogId::EditBlogList); }
    DialogResult RunConfirmDeleteBlog(ConfirmDeleteBlogWorkflow&) override { return Cancelled(DialogId::ConfirmDeleteBlog); }
    DialogResult RunBlogPrefs(BlogPrefsWorkflow&) override { return Cancelled(DialogId::BlogPrefs); }
    DialogResult RunCaption(CaptionWorkflow&) override { return Cancelled(DialogId::Caption); }
    DialogResult RunEditEntry(EditEntryWorkflow&) override { return Cancelled(DialogId::EditEntry); }
    DialogResult RunCategorizeEntries(CategorizeEntriesWorkflow&) override { return Cancelled(DialogId::CategorizeEntries); }
    DialogResult RunDeleteEntries(DeleteEntriesWorkflow&) override { return Cancelled(DialogId::DeleteEntries); }
    DialogResult RunEditCategories(EditCategoriesWorkflow&) override { return Cancelled(DialogId::EditCategories); }
    DialogResult RunCategoryName(CategoryNameWorkflow&) override { return Cancelled(DialogId::CategoryName); }
    DialogResult RunComments(CommentsWorkflow&) override { return Cancelled(DialogId::Comments); }
    DialogResult RunViewComment(ViewCommentWorkflow&) override { return Cancelled(DialogId::ViewComment); }
    DialogResult RunAddComment(AddCommentWorkflow&) override { return Cancelled(DialogId::AddComment); }
    DialogResult RunPhotoEmail(PhotoEmailWorkflow&) override { return Cancelled(DialogId::PhotoEmail); }
    DialogResult RunPostRemoteEntry(PostRemoteEntryWorkflow&) override { return Cancelled(DialogId::PostRemoteEntry); }
    DialogResult RunDownloadPhoto(DownloadPhotoWorkflow&) override { return Cancelled(DialogId::DownloadPhoto); }
    DialogResult RunPurgePhotos(PurgePhotosWorkflow&) override { return Cancelled(DialogId::PurgePhotos); }
    DialogResult RunMovePhotos(MovePhotosWorkflow&) override { return Cancelled(DialogId::MovePhotos); }
    DialogResult RunChooseFont(ChooseFontWorkflow&) override { return Cancelled(DialogId::ChooseFont); }
    DialogResult RunAbout(AboutWorkflow&) override { return Cancelled(DialogId::About); }
    DialogResult RunCameraPrefs(CameraPrefsWorkflow&) override { return Cancelled(DialogId::CameraPrefs); }
    DialogResult RunCameraCapture(CameraCaptureWorkflow&) override { return Cancelled(DialogId::CameraCapture); }
    DialogResult RunImageSelect(ImageSelectWorkflow&) override { return Cancelled(DialogId::ImageSelect); }

private:
    static DialogResult Cancelled(DialogId id);

    DialogHost& m_real;
};
