#pragma once

#include "workflows/DialogOutcome.h"

// The seam between what a dialog does and how it is shown. Each dialog has
// a workflow object in this library: its state, its rules and what its
// buttons change, without any window. The desktop program implements
// DialogHost with Qt widgets (src/dialogs) that show a workflow's fields and
// forward its buttons; tests implement it with scripted answers.
//
// A dialog plugs in by (1) completing its workflow class here, (2) making
// the widget in src/dialogs and (3) letting the Qt host's Has() answer true
// for it. Commands that open a dialog the host does not have are shown
// disabled, so a command never silently does nothing; they enable
// themselves once Has() says the dialog is there.

class AboutWorkflow;
class AccountInfoWorkflow;
class AddCommentWorkflow;
class BlogPrefsWorkflow;
class BrowseBlogsWorkflow;
class CameraCaptureWorkflow;
class CameraPrefsWorkflow;
class CaptionWorkflow;
class CategorizeEntriesWorkflow;
class CategoryNameWorkflow;
class ChooseFontWorkflow;
class CommentsWorkflow;
class ConfirmDeleteBlogWorkflow;
class CreateAccountWorkflow;
class DeleteEntriesWorkflow;
class DownloadPhotoWorkflow;
class EditBlogListWorkflow;
class EditCategoriesWorkflow;
class EditEntryWorkflow;
class ImageSelectWorkflow;
class LoginInfoWorkflow;
class MovePhotosWorkflow;
class NewBlogWorkflow;
class PhotoEmailWorkflow;
class PostRemoteEntryWorkflow;
class PurgePhotosWorkflow;
class SubscribeWorkflow;
class ViewCommentWorkflow;
class WelcomeWorkflow;

// The dialogs a host may show, one per operation below.
enum class DialogId {
    Welcome,           // CWelcomeDlg
    CreateAccount,     // CCreateAccountDlg
    LoginInfo,         // CLoginInfoDlg
    AccountInfo,       // CAccountInfoDlg
    NewBlog,           // CNewBlogDlg
    Subscribe,         // CSubscribeDlg
    BrowseBlogs,       // CBrowseBlogsDlg
    EditBlogList,      // CEditBlogListDlg
    ConfirmDeleteBlog, // CConfirmDeleteBlogDlg
    BlogPrefs,         // CBlogPrefsDlg
    Caption,           // CCaptionDlg
    EditEntry,         // CEditEntryDlg
    CategorizeEntries, // CCategorizeEntriesDlg
    DeleteEntries,     // CDeleteEntriesDlg
    EditCategories,    // CEditCategoriesDlg
    CategoryName,      // CCategoryNameDlg
    Comments,          // CCommentsDlg
    ViewComment,       // CViewCommentDlg
    AddComment,        // CAddCommentDlg
    PhotoEmail,        // CPhotoEmailDlg
    PostRemoteEntry,   // CPostRemoteEntryDlg
    DownloadPhoto,     // CDownloadPhotoDlg
    PurgePhotos,       // CPurgePhotosDlg
    MovePhotos,        // CMovePhotosDlg
    ChooseFont,        // CChooseFontDlg
    About,             // CAboutDlg
    CameraPrefs,       // CCameraPrefsDlg
    CameraCapture,     // the camera's capture dialog
    ImageSelect,       // CImageSelectDlg, the photo picker
};

constexpr int kDialogCount = static_cast<int>(DialogId::ImageSelect) + 1;

// What a modal dialog returns is a DialogResult (DialogOutcome.h). Two
// dialogs are not opened through the host because code below this library
// opens them through UserInteraction: the view-password prompt
// (CGetViewPasswordDlg) and the new-version notice (CNewVersionDlg, which
// returns NewVersionDownload).
namespace DialogResults {

constexpr DialogResult CameraNotUsable = 0;
constexpr DialogResult CameraNothingTaken = 1;
constexpr DialogResult CameraPhotoTaken = 3;

}

class DialogHost {
public:
    virtual ~DialogHost() = default;

    // Whether the host can show this dialog.
    virtual bool Has(DialogId id) const = 0;
    // Whether the device has a camera the capture dialog can use; settled
    // once per process.
    virtual bool IsCameraSupported() = 0;

    // Account dialogs.
    virtual DialogResult RunWelcome(WelcomeWorkflow& workflow) = 0;
    virtual DialogResult RunCreateAccount(CreateAccountWorkflow& workflow) = 0;
    virtual DialogResult RunLoginInfo(LoginInfoWorkflow& workflow) = 0;
    virtual DialogResult RunAccountInfo(AccountInfoWorkflow& workflow) = 0;

    // Blog management and preferences.
    virtual DialogResult RunNewBlog(NewBlogWorkflow& workflow) = 0;
    virtual DialogResult RunSubscribe(SubscribeWorkflow& workflow) = 0;
    virtual DialogResult RunBrowseBlogs(BrowseBlogsWorkflow& workflow) = 0;
    virtual DialogResult RunEditBlogList(EditBlogListWorkflow& workflow) = 0;
    virtual DialogResult RunConfirmDeleteBlog(ConfirmDeleteBlogWorkflow& workflow) = 0;
    virtual DialogResult RunBlogPrefs(BlogPrefsWorkflow& workflow) = 0;

    // Entries and categories.
    virtual DialogResult RunCaption(CaptionWorkflow& workflow) = 0;
    virtual DialogResult RunEditEntry(EditEntryWorkflow& workflow) = 0;
    virtual DialogResult RunCategorizeEntries(CategorizeEntriesWorkflow& workflow) = 0;
    virtual DialogResult RunDeleteEntries(DeleteEntriesWorkflow& workflow) = 0;
    virtual DialogResult RunEditCategories(EditCategoriesWorkflow& workflow) = 0;
    virtual DialogResult RunCategoryName(CategoryNameWorkflow& workflow) = 0;

    // Comments.
    virtual DialogResult RunComments(CommentsWorkflow& workflow) = 0;
    virtual DialogResult RunViewComment(ViewCommentWorkflow& workflow) = 0;
    virtual DialogResult RunAddComment(AddCommentWorkflow& workflow) = 0;

    // Photo e-mail and remote post.
    virtual DialogResult RunPhotoEmail(PhotoEmailWorkflow& workflow) = 0;
    virtual DialogResult RunPostRemoteEntry(PostRemoteEntryWorkflow& workflow) = 0;

    // Photo maintenance and the rest.
    virtual DialogResult RunDownloadPhoto(DownloadPhotoWorkflow& workflow) = 0;
    virtual DialogResult RunPurgePhotos(PurgePhotosWorkflow& workflow) = 0;
    virtual DialogResult RunMovePhotos(MovePhotosWorkflow& workflow) = 0;
    virtual DialogResult RunChooseFont(ChooseFontWorkflow& workflow) = 0;
    virtual DialogResult RunAbout(AboutWorkflow& workflow) = 0;

    // Camera and photo picker.
    virtual DialogResult RunCameraPrefs(CameraPrefsWorkflow& workflow) = 0;
    virtual DialogResult RunCameraCapture(CameraCaptureWorkflow& workflow) = 0;
    virtual DialogResult RunImageSelect(ImageSelectWorkflow& workflow) = 0;
};
