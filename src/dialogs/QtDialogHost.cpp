#include "dialogs/QtDialogHost.h"

// Dialogs are added here one by one: each operation below shows its widget
// and Has() answers true for it. Until a dialog is there its operation is
// never called (the commands that open it are disabled) and answers Cancel
// should it be called all the same.

bool QtDialogHost::Has(DialogId) const
{
    return false;
}

// No camera capture dialog exists yet, so no camera is usable.
bool QtDialogHost::IsCameraSupported()
{
    return false;
}

DialogResult QtDialogHost::RunWelcome(WelcomeWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunCreateAccount(CreateAccountWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunLoginInfo(LoginInfoWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunAccountInfo(AccountInfoWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunNewBlog(NewBlogWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunSubscribe(SubscribeWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunBrowseBlogs(BrowseBlogsWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunEditBlogList(EditBlogListWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunConfirmDeleteBlog(ConfirmDeleteBlogWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunBlogPrefs(BlogPrefsWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunCaption(CaptionWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunEditEntry(EditEntryWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunCategorizeEntries(CategorizeEntriesWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunDeleteEntries(DeleteEntriesWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunEditCategories(EditCategoriesWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunCategoryName(CategoryNameWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunComments(CommentsWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunViewComment(ViewCommentWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunAddComment(AddCommentWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunPhotoEmail(PhotoEmailWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunPostRemoteEntry(PostRemoteEntryWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunDownloadPhoto(DownloadPhotoWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunPurgePhotos(PurgePhotosWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunMovePhotos(MovePhotosWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunChooseFont(ChooseFontWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunAbout(AboutWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunCameraPrefs(CameraPrefsWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunCameraCapture(CameraCaptureWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunImageSelect(ImageSelectWorkflow&) { return DialogResults::Cancel; }
