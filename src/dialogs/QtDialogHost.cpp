#include "dialogs/QtDialogHost.h"

#include "dialogs/CAboutDlg.h"
#include "dialogs/CBlogPrefsDlg.h"
#include "dialogs/CCameraCaptureDlg.h"
#include "dialogs/CCameraPrefsDlg.h"
#include "dialogs/CCaptionDlg.h"
#include "dialogs/CCategorizeEntriesDlg.h"
#include "dialogs/CCategoryNameDlg.h"
#include "dialogs/CChooseFontDlg.h"
#include "dialogs/CDeleteEntriesDlg.h"
#include "dialogs/CDownloadPhotoDlg.h"
#include "dialogs/CEditCategoriesDlg.h"
#include "dialogs/CEditEntryDlg.h"
#include "dialogs/CImageSelectDlg.h"
#include "dialogs/CMovePhotosDlg.h"
#include "dialogs/CPurgePhotosDlg.h"
#include "dialogs/QtMultimediaCamera.h"

#include "workflows/CameraCaptureWorkflow.h"

#include <array>

// Each dialog this host has is shown modal over the main window, over its
// workflow, and answers with the result it closed with. The account, blog
// management, comments, e-mail and remote-post dialogs are not built yet:
// Has() says so, the commands that open them are disabled, and their
// operations answer Cancel should they be called all the same.

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
    case DialogId::BlogPrefs:
    case DialogId::Caption:
    case DialogId::EditEntry:
    case DialogId::CategorizeEntries:
    case DialogId::DeleteEntries:
    case DialogId::EditCategories:
    case DialogId::CategoryName:
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

DialogResult QtDialogHost::RunBlogPrefs(BlogPrefsWorkflow& workflow) { return RunModal<CBlogPrefsDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunCaption(CaptionWorkflow& workflow) { return RunModal<CCaptionDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunEditEntry(EditEntryWorkflow& workflow) { return RunModal<CEditEntryDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunCategorizeEntries(CategorizeEntriesWorkflow& workflow) { return RunModal<CCategorizeEntriesDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunDeleteEntries(DeleteEntriesWorkflow& workflow) { return RunModal<CDeleteEntriesDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunEditCategories(EditCategoriesWorkflow& workflow) { return RunModal<CEditCategoriesDlg>(workflow, m_parent); }
DialogResult QtDialogHost::RunCategoryName(CategoryNameWorkflow& workflow) { return RunModal<CCategoryNameDlg>(workflow, m_parent); }
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

DialogResult QtDialogHost::RunWelcome(WelcomeWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunCreateAccount(CreateAccountWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunLoginInfo(LoginInfoWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunAccountInfo(AccountInfoWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunNewBlog(NewBlogWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunSubscribe(SubscribeWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunBrowseBlogs(BrowseBlogsWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunEditBlogList(EditBlogListWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunConfirmDeleteBlog(ConfirmDeleteBlogWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunComments(CommentsWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunViewComment(ViewCommentWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunAddComment(AddCommentWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunPhotoEmail(PhotoEmailWorkflow&) { return DialogResults::Cancel; }
DialogResult QtDialogHost::RunPostRemoteEntry(PostRemoteEntryWorkflow&) { return DialogResults::Cancel; }
