#pragma once

#include "dialogs/CameraProvider.h"

#include "workflows/DialogHost.h"

#include <optional>
#include <string_view>

class QWidget;

// The desktop program's dialogs: each operation shows the dialog's widgets
// over its workflow, modal to the main window. Has() tells which dialogs
// exist in this build; the main view disables the commands of the others.
class QtDialogHost : public DialogHost {
public:
    explicit QtDialogHost(QWidget* parent = nullptr);

    void SetParent(QWidget* parent) { m_parent = parent; }
    // Where the camera dialog's pictures come from: the device's camera
    // through Qt Multimedia unless tests hand in another provider.
    void SetCameraProviderFactory(CameraProviderFactory factory) { m_cameraFactory = std::move(factory); }

    // The class name of a dialog's widget, for messages and screenshots.
    static std::string_view ClassName(DialogId id);

    bool Has(DialogId id) const override;
    bool IsCameraSupported() override;

    DialogResult RunWelcome(WelcomeWorkflow& workflow) override;
    DialogResult RunCreateAccount(CreateAccountWorkflow& workflow) override;
    DialogResult RunLoginInfo(LoginInfoWorkflow& workflow) override;
    DialogResult RunAccountInfo(AccountInfoWorkflow& workflow) override;
    DialogResult RunNewBlog(NewBlogWorkflow& workflow) override;
    DialogResult RunSubscribe(SubscribeWorkflow& workflow) override;
    DialogResult RunBrowseBlogs(BrowseBlogsWorkflow& workflow) override;
    DialogResult RunEditBlogList(EditBlogListWorkflow& workflow) override;
    DialogResult RunConfirmDeleteBlog(ConfirmDeleteBlogWorkflow& workflow) override;
    DialogResult RunBlogPrefs(BlogPrefsWorkflow& workflow) override;
    DialogResult RunCaption(CaptionWorkflow& workflow) override;
    DialogResult RunEditEntry(EditEntryWorkflow& workflow) override;
    DialogResult RunCategorizeEntries(CategorizeEntriesWorkflow& workflow) override;
    DialogResult RunDeleteEntries(DeleteEntriesWorkflow& workflow) override;
    DialogResult RunEditCategories(EditCategoriesWorkflow& workflow) override;
    DialogResult RunCategoryName(CategoryNameWorkflow& workflow) override;
    DialogResult RunComments(CommentsWorkflow& workflow) override;
    DialogResult RunViewComment(ViewCommentWorkflow& workflow) override;
    DialogResult RunAddComment(AddCommentWorkflow& workflow) override;
    DialogResult RunPhotoEmail(PhotoEmailWorkflow& workflow) override;
    DialogResult RunPostRemoteEntry(PostRemoteEntryWorkflow& workflow) override;
    DialogResult RunDownloadPhoto(DownloadPhotoWorkflow& workflow) override;
    DialogResult RunPurgePhotos(PurgePhotosWorkflow& workflow) override;
    DialogResult RunMovePhotos(MovePhotosWorkflow& workflow) override;
    DialogResult RunChooseFont(ChooseFontWorkflow& workflow) override;
    DialogResult RunAbout(AboutWorkflow& workflow) override;
    DialogResult RunCameraPrefs(CameraPrefsWorkflow& workflow) override;
    DialogResult RunCameraCapture(CameraCaptureWorkflow& workflow) override;
    DialogResult RunImageSelect(ImageSelectWorkflow& workflow) override;

private:
    QWidget* m_parent { nullptr };
    CameraProviderFactory m_cameraFactory;
    // Settled at the first question and kept for the program's life.
    std::optional<bool> m_cameraSupported;
};
