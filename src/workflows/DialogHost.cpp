#include "workflows/DialogHost.h"

#include <array>

std::string_view DialogName(DialogId id)
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
