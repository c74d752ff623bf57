#include "dialogs/QtDialogHost.h"

#include "dialogs/CAboutDlg.h"
#include "dialogs/CAccountInfoDlg.h"
#include "dialogs/CAddCommentDlg.h"
#include "dialogs/CBlogPrefsDlg.h"
#include "dialogs/CBrowseBlogsDlg.h"
#include "dialogs/CCameraCaptureDlg.h"
#include "dialogs/CCameraPrefsDlg.h"
#include "dialogs/CCaptionDlg.h"
#include "dialogs/CCategorizeEntriesDlg.h"
#include "dialogs/CCategoryNameDlg.h"
#include "dialogs/CChooseFontDlg.h"
#include "dialogs/CCommentsDlg.h"
#include "dialogs/CConfirmDeleteBlogDlg.h"
#include "dialogs/CCreateAccountDlg.h"
#include "dialogs/CDeleteEntriesDlg.h"
#include "dialogs/CDownloadPhotoDlg.h"
#include "dialogs/CEditBlogListDlg.h"
#include "dialogs/CEditCategoriesDlg.h"
#include "dialogs/CEditEntryDlg.h"
#include "dialogs/CImageSelectDlg.h"
#include "dialogs/CLoginInfoDlg.h"
#include "dialogs/CMovePhotosDlg.h"
#include "dialogs/CNewBlogDlg.h"
#include "dialogs/CPhotoEmailDlg.h"
#include "dialogs/CPostRemoteEntryDlg.h"
#include "dialogs/CPurgePhotosDlg.h"
#include "dialogs/CSubscribeDlg.h"
#include "dialogs/CViewCommentDlg.h"
#include "dialogs/CWelcomeDlg.h"
#include "dialogs/QtMultimediaCamera.h"

#include "workflows/CameraCaptureWorkflow.h"

#include <array>

// Each dialog this host has is shown modal over the main window, over its
// workflow, and answers with the result it closed with.

QtDialogHost::QtDialogHost(QWidget* parent)
    : m_parent(parent)
    , m_cameraFactory([] { return std::make_unique<QtMultimediaCamera>(); })
{
}

std::string_view QtDialogHost::ClassName(DialogId id)
{
    static constexpr std::array<std::string_view, kDialogCount> names {
        "CWelcomeDlg",
        "CCreateAccountDlg",
        "CLoginInfoDlg",
        "CAccountInfoDlg",
        "CNewBlogDlg",
        "CSubscribeDlg",
        "CBrowseBlogsDlg",
        "CEditBlogListDlg",
        "CConfirmDeleteBlogDlg",
        "CBlogPrefsDlg",
        "CCaptionDlg",
        "CEditEntryDlg",
        "CCategorizeEntriesDlg",
        "CDeleteEntriesDlg",
        "CEditCategoriesDlg",
        "CCategoryNameDlg",
        "CCommentsDlg",
        "CViewCommentDlg",
        "CAddCommentDlg",
        "CPhotoEmailDlg",
        "CPostRemoteEntryDlg",
        "CDownloadPhotoDlg",
        "CPurgePhotosDlg",
        "CMovePhotosDlg",
        "CChooseFontDlg",
        "CAboutDlg",
        "CCameraPrefsDlg",
        "CCameraCaptureDlg",
        "CImageSelectDlg",
    };
    auto index = static_cast<size_t>(id);
    return index < names.size() ? names[index] : std::string_view();
}

bool QtDialogHost::Has(DialogId id) const
{
    switch (id) {
    case DialogId::Welcome:
    case DialogId::CreateAccount:
    case DialogId::LoginInfo:
    case DialogId::AccountInfo:
    case DialogId::NewBlog:
    case DialogId::Subscribe:
    case DialogId::BrowseBlogs:
    case DialogId::EditBlogList:
    case DialogId::ConfirmDeleteBlog:
    case DialogId::BlogPrefs:
    case DialogId::Caption:
    case DialogId::EditEntry:
    case DialogId::CategorizeEntries:
    case DialogId::DeleteEntries:
    case DialogId::EditCategories:
    case DialogId::CategoryName:
    case DialogId::Comments:
    case DialogId::ViewComment:
    case DialogId::AddComment:
    case DialogId::PhotoEmail:
    case DialogId::PostRemoteEntry:
    case DialogId::DownloadPhoto:
    case DialogId::PurgePhotos:
    case DialogId::MovePhotos:
    case DialogId::ChooseFont:
    case DialogId::About:
    case DialogId::CameraPrefs:
    case DialogId::CameraCapture:
    case DialogId::ImageSelect:
        return true;
    default:
        return false;
    }
}

// The device has a camera when its provider finds a video input; asked
// once, as a camera does not come or go while the program runs.
bool QtDialogHost::IsCameraSupported()
{
    if (!m_cameraSupported)
        m_cameraSupported = m_cameraFactory()->HasCamera();
    return *m_cameraSupported;
}

template<typename Dialog, typename... Arguments>
static DialogResult RunModal(Arguments&&... arguments)
{
    Dialog dialog(std::forward<Arguments>(arguments)...);
    return dialog.exec();
}

DialogResult QtDialogHost::RunWelcome(WelcomeWorkflow& workflow) { return RunModal<CWelcomeDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunCreateAccount(CreateAccountWorkflow& workflow) { return RunModal<CCreateAccountDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunLoginInfo(LoginInfoWorkflow& workflow) { return RunModal<CLoginInfoDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunAccountInfo(AccountInfoWorkflow& workflow) { return RunModal<CAccountInfoDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunNewBlog(NewBlogWorkflow& workflow) { return RunModal<CNewBlogDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunSubscribe(SubscribeWorkflow& workflow) { return RunModal<CSubscribeDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunBrowseBlogs(BrowseBlogsWorkflow& workflow) { return RunModal<CBrowseBlogsDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunEditBlogList(EditBlogListWorkflow& workflow) { return RunModal<CEditBlogListDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunConfirmDeleteBlog(ConfirmDeleteBlogWorkflow& workflow) { return RunModal<CConfirmDeleteBlogDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunBlogPrefs(BlogPrefsWorkflow& workflow) { return RunModal<CBlogPrefsDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunCaption(CaptionWorkflow& workflow) { return RunModal<CCaptionDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunEditEntry(EditEntryWorkflow& workflow) { return RunModal<CEditEntryDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunCategorizeEntries(CategorizeEntriesWorkflow& workflow) { return RunModal<CCategorizeEntriesDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunDeleteEntries(DeleteEntriesWorkflow& workflow) { return RunModal<CDeleteEntriesDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunEditCategories(EditCategoriesWorkflow& workflow) { return RunModal<CEditCategoriesDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunCategoryName(CategoryNameWorkflow& workflow) { return RunModal<CCategoryNameDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunComments(CommentsWorkflow& workflow) { return RunModal<CCommentsDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunViewComment(ViewCommentWorkflow& workflow) { return RunModal<CViewCommentDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunAddComment(AddCommentWorkflow& workflow) { return RunModal<CAddCommentDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunPhotoEmail(PhotoEmailWorkflow& workflow) { return RunModal<CPhotoEmailDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunPostRemoteEntry(PostRemoteEntryWorkflow& workflow) { return RunModal<CPostRemoteEntryDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunDownloadPhoto(DownloadPhotoWorkflow& workflow) { return RunModal<CDownloadPhotoDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunPurgePhotos(PurgePhotosWorkflow& workflow) { return RunModal<CPurgePhotosDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunMovePhotos(MovePhotosWorkflow& workflow) { return RunModal<CMovePhotosDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunChooseFont(ChooseFontWorkflow& workflow) { return RunModal<CChooseFontDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunAbout(AboutWorkflow& workflow) { return RunModal<CAboutDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunCameraPrefs(CameraPrefsWorkflow& workflow) { return RunModal<CCameraPrefsDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunImageSelect(ImageSelectWorkflow& workflow) { return RunModal<CImageSelectDlg>(workflow, m_parent); }

DialogResult QtDialogHost::RunCameraCapture(CameraCaptureWorkflow& workflow)
{
    std::unique_ptr<CameraProvider> camera = m_cameraFactory();
    CCameraCaptureDlg dialog(workflow, *camera, m_parent);
    if (!dialog.StartCamera())
        return DialogResults::CameraNotUsable;
    return dialog.exec();
}
