#pragma once

#include "workflows/DialogHost.h"

#include <array>
#include <deque>
#include <functional>
#include <vector>

// A dialog host for tests: every dialog exists unless taken away, and each
// one answers from a script of functions that act on its workflow as a
// person would and return the dialog's result. A dialog without a script
// answers Cancel. Every dialog opened is recorded.
class ScriptedDialogHost : public DialogHost {
public:
    ScriptedDialogHost() { m_available.fill(true); }

    void SetAvailable(DialogId id, bool available) { m_available[static_cast<size_t>(id)] = available; }
    void SetNoDialogs() { m_available.fill(false); }
    void SetCameraSupported(bool supported) { m_cameraSupported = supported; }

    // The next run of the dialog calls `answer` with its workflow.
    template<typename Workflow>
    void Script(DialogId id, std::function<DialogResult(Workflow&)> answer)
    {
        m_scripts[static_cast<size_t>(id)].push_back([answer](void* workflow) { return answer(*static_cast<Workflow*>(workflow)); });
    }
    // The next run of the dialog closes it with `result`, changing nothing.
    void ScriptResult(DialogId id, DialogResult result)
    {
        m_scripts[static_cast<size_t>(id)].push_back([result](void*) { return result; });
    }

    const std::vector<DialogId>& Opened() const { return m_opened; }
    size_t TimesOpened(DialogId id) const;
    size_t UnusedScripts() const;

    bool Has(DialogId id) const override { return m_available[static_cast<size_t>(id)]; }
    bool IsCameraSupported() override { return m_cameraSupported; }

    DialogResult RunWelcome(WelcomeWorkflow& workflow) override { return Answer(DialogId::Welcome, &workflow); }
    DialogResult RunCreateAccount(CreateAccountWorkflow& workflow) override { return Answer(DialogId::CreateAccount, &workflow); }
    DialogResult RunLoginInfo(LoginInfoWorkflow& workflow) override { return Answer(DialogId::LoginInfo, &workflow); }
    DialogResult RunAccountInfo(AccountInfoWorkflow& workflow) override { return Answer(DialogId::AccountInfo, &workflow); }
    DialogResult RunNewBlog(NewBlogWorkflow& workflow) override { return Answer(DialogId::NewBlog, &workflow); }
    DialogResult RunSubscribe(SubscribeWorkflow& workflow) override { return Answer(DialogId::Subscribe, &workflow); }
    DialogResult RunBrowseBlogs(BrowseBlogsWorkflow& workflow) override { return Answer(DialogId::BrowseBlogs, &workflow); }
    DialogResult RunEditBlogList(EditBlogListWorkflow& workflow) override { return Answer(DialogId::EditBlogList, &workflow); }
    DialogResult RunConfirmDeleteBlog(ConfirmDeleteBlogWorkflow& workflow) override { return Answer(DialogId::ConfirmDeleteBlog, &workflow); }
    DialogResult RunBlogPrefs(BlogPrefsWorkflow& workflow) override { return Answer(DialogId::BlogPrefs, &workflow); }
    DialogResult RunCaption(CaptionWorkflow& workflow) override { return Answer(DialogId::Caption, &workflow); }
    DialogResult RunEditEntry(EditEntryWorkflow& workflow) override { return Answer(DialogId::EditEntry, &workflow); }
    DialogResult RunCategorizeEntries(CategorizeEntriesWorkflow& workflow) override { return Answer(DialogId::CategorizeEntries, &workflow); }
    DialogResult RunDeleteEntries(DeleteEntriesWorkflow& workflow) override { return Answer(DialogId::DeleteEntries, &workflow); }
    DialogResult RunEditCategories(EditCategoriesWorkflow& workflow) override { return Answer(DialogId::EditCategories, &workflow); }
    DialogResult RunCategoryName(CategoryNameWorkflow& workflow) override { return Answer(DialogId::CategoryName, &workflow); }
    DialogResult RunComments(CommentsWorkflow& workflow) override { return Answer(DialogId::Comments, &workflow); }
    DialogResult RunViewComment(ViewCommentWorkflow& workflow) override { return Answer(DialogId::ViewComment, &workflow); }
    DialogResult RunAddComment(AddCommentWorkflow& workflow) override { return Answer(DialogId::AddComment, &workflow); }
    DialogResult RunPhotoEmail(PhotoEmailWorkflow& workflow) override { return Answer(DialogId::PhotoEmail, &workflow); }
    DialogResult RunPostRemoteEntry(PostRemoteEntryWorkflow& workflow) override { return Answer(DialogId::PostRemoteEntry, &workflow); }
    DialogResult RunDownloadPhoto(DownloadPhotoWorkflow& workflow) override { return Answer(DialogId::DownloadPhoto, &workflow); }
    DialogResult RunPurgePhotos(PurgePhotosWorkflow& workflow) override { return Answer(DialogId::PurgePhotos, &workflow); }
    DialogResult RunMovePhotos(MovePhotosWorkflow& workflow) override { return Answer(DialogId::MovePhotos, &workflow); }
    DialogResult RunChooseFont(ChooseFontWorkflow& workflow) override { return Answer(DialogId::ChooseFont, &workflow); }
    DialogResult RunAbout(AboutWorkflow& workflow) override { return Answer(DialogId::About, &workflow); }
    DialogResult RunCameraPrefs(CameraPrefsWorkflow& workflow) override { return Answer(DialogId::CameraPrefs, &workflow); }
    DialogResult RunCameraCapture(CameraCaptureWorkflow& workflow) override { return Answer(DialogId::CameraCapture, &workflow); }
    DialogResult RunImageSelect(ImageSelectWorkflow& workflow) override { return Answer(DialogId::ImageSelect, &workflow); }

private:
    DialogResult Answer(DialogId id, void* workflow);

    std::array<bool, kDialogCount> m_available {};
    std::array<std::deque<std::function<DialogResult(void*)>>, kDialogCount> m_scripts;
    std::vector<DialogId> m_opened;
    bool m_cameraSupported { true };
};
