#include "DialogTestKit.h"
#include "ProgramScreen.h"
#include "QtTestEnvironment.h"

#include "support/BlogFixtures.h"
#include "support/TemporaryFolder.h"

#include "app/Preferences.h"
#include "dialogs/CCameraCaptureDlg.h"
#include "dialogs/CCameraPrefsDlg.h"
#include "model/CWinBlogStorage.h"
#include "platform/DeviceFolders.h"
#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "ui/CChildView.h"
#include "ui/CameraNoticeInbox.h"
#include "workflows/CameraCaptureWorkflow.h"
#include "workflows/CameraNotice.h"
#include "workflows/CameraPrefsWorkflow.h"
#include "workflows/MainViewController.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>

namespace {

class CameraDialogTest : public ProgramScreenTest {
protected:
    // Prepared photos for the camera, each a different picture.
    void PreparePhotos(int count)
    {
        for (int i = 0; i < count; ++i)
            camera->files.push_back(MakePhoto("prepared/" + std::to_string(i) + ".jpg", static_cast<std::uint32_t>(10 + i)));
    }

    // The camera command, with each camera dialog answered by Capture while
    // `captures` photos are still to take, then by Cancel; an edit entry
    // dialog that comes is counted and cancelled.
    void TakePhotos(int captures)
    {
        ModalAnswerer answerer([&](QWidget& modal) {
            if (auto* dialog = qobject_cast<CCameraCaptureDlg*>(&modal)) {
                // Answered even when the check fails, or the loop would
                // wait for ever.
                EXPECT_TRUE(WaitFor([&] { return dialog->GetViewfinder().HasFrame(); })) << "the viewfinder shows the camera";
                Click(*dialog, captures-- > 0 ? "Capture" : "Cancel");
                return;
            }
            ++editDialogs;
            static_cast<QDialog&>(modal).reject();
        });
        RunCommand(Command::Camera);
    }

    int editDialogs { 0 };
};

}

TEST_F(CameraDialogTest, StayingInTheCameraTakesPhotosUntilCancelledWithoutTheEditDialog)
{
    ASSERT_TRUE(WriteStayInCamera(1));
    ASSERT_TRUE(WriteShowEditDialog(1));
    PreparePhotos(3);
    std::vector<std::string> prepared(camera->files.begin(), camera->files.end());
    StartInTrips();
    TakePhotos(3);

    EXPECT_EQ(editDialogs, 0);
    EXPECT_EQ(camera->captures, 3);
    auto saved = Saved();
    ASSERT_EQ(saved->GetEntries().GetSize(), 4u);
    // Each photo was written into the blog's photo folder, as taken.
    std::string folder = JoinPath(DeviceFolders::Current().PicturesFolder(), "trips");
    std::vector<std::string> written;
    for (size_t i = 0; i < saved->GetEntries().GetSize(); ++i) {
        const BlogEntry& entry = *saved->GetEntries().GetAt(i);
        if (entry.GetServerId() != 0)
            continue;
        EXPECT_TRUE(entry.IsPending());
        EXPECT_GT(entry.GetThumbnailSize(), 0u);
        EXPECT_EQ(ParentPath(entry.GetPhotoPath()), folder);
        written.push_back(*ReadWholeFile(entry.GetPhotoPath()));
    }
    ASSERT_EQ(written.size(), 3u);
    for (const std::string& file : prepared)
        EXPECT_NE(std::find(written.begin(), written.end(), *ReadWholeFile(file)), written.end()) << file;
}

TEST_F(CameraDialogTest, OnePhotoWithShowEditDialogOpensTheEditor)
{
    ASSERT_TRUE(WriteStayInCamera(0));
    ASSERT_TRUE(WriteShowEditDialog(1));
    PreparePhotos(2);
    StartInTrips();
    TakePhotos(1);
    EXPECT_EQ(editDialogs, 1);
    EXPECT_EQ(camera->captures, 1);
    EXPECT_EQ(Saved()->GetEntries().GetSize(), 2u);

    ASSERT_TRUE(WriteShowEditDialog(0));
    TakePhotos(1);
    EXPECT_EQ(editDialogs, 1) << "not without Show Edit Dialog";
    EXPECT_EQ(Saved()->GetEntries().GetSize(), 3u);
}

TEST_F(CameraDialogTest, WithoutACameraBothCameraCommandsSaySo)
{
    const std::string noCamera = "This device doesn't have a supported camera.";
    camera->hasCamera = false;
    StartInTrips();
    RunCommand(Command::Camera);
    // The device's support is settled once: a camera that comes later does
    // not count.
    camera->hasCamera = true;
    Controller().GoHome();
    RunCommand(Command::CameraPrefs);
    ASSERT_EQ(device.Interaction().ShownMessages().size(), 2u);
    for (auto& shown : device.Interaction().ShownMessages()) {
        EXPECT_EQ(shown.text, noCamera);
        EXPECT_EQ(shown.icon, MessageIcon::Warning);
    }
    EXPECT_EQ(camera->captures, 0);
}

TEST_F(CameraDialogTest, ACameraThatCannotStartIsNoUsableCamera)
{
    camera->starts = false;
    StartInTrips();
    RunCommand(Command::Camera);
    ASSERT_EQ(device.Interaction().ShownMessages().size(), 1u);
    EXPECT_EQ(device.Interaction().ShownMessages()[0].text, "This device doesn't have a supported camera.");
    EXPECT_EQ(Saved()->GetEntries().GetSize(), 1u);
}

TEST_F(CameraDialogTest, TheCameraDialogWritesEachPhotoUnderAFreshNameAndKeepsNothingThatFailed)
{
    TemporaryFolder folder;
    PreparePhotos(1);
    std::string prepared = camera->files.front();
    CameraCaptureWorkflow workflow(folder.Path());
    PreparedPhotoCamera provider(camera);
    CCameraCaptureDlg dialog(workflow, provider);
    EXPECT_EQ(dialog.windowTitle(), "Vellumbrix Camera");
    ASSERT_TRUE(dialog.StartCamera());
    dialog.show();
    ASSERT_TRUE(WaitFor([&] { return dialog.GetViewfinder().HasFrame(); }));
    SaveScreenshot(dialog, "CCameraCaptureDlg");

    Click(dialog, "Capture");
    EXPECT_FALSE(FindButton(dialog, "Cancel")->isEnabled()) << "a photo being written is not cancelled";
    ASSERT_TRUE(WaitFor([&] { return !dialog.isVisible(); }));
    EXPECT_EQ(dialog.result(), DialogResults::CameraPhotoTaken);
    EXPECT_EQ(ParentPath(workflow.GetPhotoPath()), folder.Path());
    EXPECT_EQ(*ReadWholeFile(workflow.GetPhotoPath()), *ReadWholeFile(prepared));

    // The camera has nothing more to give: the failure is told, the name
    // it held is given back, and the dialog stays.
    CameraCaptureWorkflow second(folder.Path());
    CCameraCaptureDlg again(second, provider);
    ASSERT_TRUE(again.StartCamera());
    again.show();
    Click(again, "Capture");
    ASSERT_TRUE(WaitFor([&] { return !device.Interaction().ShownMessages().empty(); }));
    EXPECT_TRUE(again.isVisible());
    EXPECT_TRUE(FindButton(again, "Capture")->isEnabled());
    auto files = ListFolder(folder.Path());
    ASSERT_FALSE(files.IsError());
    EXPECT_EQ(files->size(), 1u) << "only the first photo";
    Click(again, "Cancel");
    EXPECT_EQ(again.result(), DialogResults::CameraNothingTaken);
}

TEST_F(CameraDialogTest, CameraPrefsShowsAndWritesBothPreferences)
{
    ASSERT_TRUE(WriteShowEditDialog(1));
    ASSERT_TRUE(WriteStayInCamera(0));
    StartInTrips();
    Controller().GoHome();
    bool shown = false;
    {
        ModalAnswerer answerer([&](QWidget& modal) {
            auto& dialog = static_cast<QDialog&>(modal);
            shown = true;
            EXPECT_EQ(dialog.windowTitle(), "Camera Preferences");
            auto* showEdit = Find<QCheckBox>(dialog, "showEditDialogBox");
            auto* stay = Find<QCheckBox>(dialog, "stayInCameraBox");
            EXPECT_EQ(showEdit->text(), "Show Edit Dialog");
            EXPECT_EQ(stay->text(), "Stay in camera until cancel");
            EXPECT_TRUE(showEdit->isChecked());
            EXPECT_FALSE(stay->isChecked());
            SaveScreenshot(dialog, "CCameraPrefsDlg");
            showEdit->setChecked(false);
            stay->setChecked(true);
            Click(dialog, "OK");
        });
        RunCommand(Command::CameraPrefs);
    }
    EXPECT_TRUE(shown);
    EXPECT_EQ(ReadShowEditDialog(), 0u);
    EXPECT_EQ(ReadStayInCamera(), 1u);

    CameraPrefsWorkflow workflow(true, true);
    CCameraPrefsDlg dialog(workflow);
    Find<QCheckBox>(dialog, "stayInCameraBox")->setChecked(false);
    Click(dialog, "Cancel");
    EXPECT_EQ(dialog.result(), DialogResults::Cancel);
    EXPECT_TRUE(workflow.GetStayInCamera()) << "Cancel changes nothing";
}

TEST_F(CameraDialogTest, ANoticeThatComesWhileADialogIsUpWaitsForIt)
{
    ASSERT_TRUE(WriteShowEditDialog(0));
    StartInTrips();
    CameraNoticeInbox inbox(View());
    int delivered = 0;
    QObject::connect(&inbox, &CameraNoticeInbox::delivered, [&](bool added) { delivered += added ? 1 : 0; });
    auto notice = [](const std::string& photo) {
        std::vector<std::uint8_t> block = CameraNotice::MakeBlock(photo);
        return QByteArray(reinterpret_cast<const char*>(block.data()), static_cast<qsizetype>(block.size()));
    };

    QDialog busy(&View());
    busy.setModal(true);
    busy.show();
    ASSERT_TRUE(WaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
    inbox.Receive(CameraNotice::kDataType, notice(MakePhoto("first.jpg", 1)));
    inbox.Receive(CameraNotice::kDataType, notice(MakePhoto("second.jpg", 2)));
    inbox.Receive(CameraNotice::kDataType + 1, notice(MakePhoto("other.jpg", 3)));
    EXPECT_EQ(inbox.GetWaitingCount(), 2u) << "only camera notices, and none while the dialog is up";
    EXPECT_EQ(Saved()->GetEntries().GetSize(), 1u);

    busy.reject();
    ASSERT_TRUE(WaitFor([&] { return inbox.GetWaitingCount() == 0; }));
    EXPECT_EQ(delivered, 2);
    EXPECT_EQ(Saved()->GetEntries().GetSize(), 3u);
}
