#include "DialogTestKit.h"
#include "ProgramScreen.h"
#include "QtTestEnvironment.h"

#include "support/BlogFixtures.h"
#include "support/JpegTestKit.h"

#include "dialogs/CImageSelectDlg.h"
#include "dialogs/DialogScreenshot.h"
#include "dialogs/QtUserInteraction.h"
#include "model/CWinBlogStorage.h"
#include "platform/DeviceFolders.h"
#include "platform/Path.h"
#include "ui/BitmapResources.h"
#include "ui/CChildView.h"
#include "ui/CImageGridCtrl.h"
#include "ui/CProgressWnd.h"
#include "ui/ColorRef.h"
#include "workflows/ImageSelectWorkflow.h"
#include "workflows/MainViewController.h"

#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <QTest>
#include <chrono>
#include <thread>

namespace {

class PhotoPickerDialogTest : public ProgramScreenTest {
protected:
    // A photo whose EXIF block carries a thumbnail, as cameras write them.
    std::string MakeCameraPhoto(const std::string& name, std::uint32_t seed)
    {
        std::string path = MakePhoto(name, seed);
        JpegOptions options;
        options.app1 = MakeExifBlock(false, "2024:05:01 10:00:00", "", EncodeJpeg(MakePhotoLikePicture(160, 120, seed + 100), {}));
        auto jpeg = EncodeJpeg(MakePhotoLikePicture(640, 480, seed), options);
        WriteTextFile(path, std::string(jpeg.begin(), jpeg.end()));
        return path;
    }
};

QRgb PixelOf(QWidget& widget, QPoint at)
{
    return widget.grab().toImage().pixel(at) & 0xFFFFFF;
}

}

TEST_F(PhotoPickerDialogTest, TapsAndEnterTickPhotosWhichOkHandsOverInTickingOrder)
{
    std::vector<std::string> photos;
    for (int i = 0; i < 5; ++i)
        photos.push_back(i % 2 ? MakeCameraPhoto("DCIM/" + std::to_string(i) + ".jpg", static_cast<std::uint32_t>(i)) : MakePhoto(std::to_string(i) + ".jpg", static_cast<std::uint32_t>(i)));
    StartInTrips();

    ImageSelectWorkflow workflow(*Controller().GetCurrentBlog(), 308);
    CImageSelectDlg dialog(workflow);
    EXPECT_EQ(dialog.windowTitle(), "Add Photos...");
    CImageGridCtrl& grid = dialog.GetGrid();
    dialog.show();
    ASSERT_EQ(grid.GetItemCount(), 5);
    EXPECT_EQ(workflow.GetItems()[0].path, photos[4]);
    EXPECT_EQ(grid.GetSelection(), 0) << "the cursor starts on the newest";
    // The handheld's cells: 50 x 50 and 5 apart, widened to fill the row.
    EXPECT_EQ(grid.GetLayout().GetColumns(), 4);
    // Every cell has its photo from the first time it is drawn, the
    // cursor's cell and those of photos with an EXIF thumbnail included.
    for (int i = 0; i < 5; ++i)
        EXPECT_NE(PixelOf(grid, CellCentre(grid, i)), 0xFFFFFFu) << "cell " << i;

    QTest::mouseClick(&grid, Qt::LeftButton, {}, CellCentre(grid, 2));
    QTest::mouseClick(&grid, Qt::LeftButton, {}, CellCentre(grid, 0));
    EXPECT_EQ(grid.GetSelection(), 0) << "a tap moves the cursor";
    QTest::keyClick(&grid, Qt::Key_Right);
    QTest::keyClick(&grid, Qt::Key_Return);
    QTest::mouseClick(&grid, Qt::LeftButton, {}, CellCentre(grid, 2));
    // A double tap ticks and unticks, as two taps do. (Its events as the
    // window system sends them: the second press comes as the double
    // click alone.)
    QTest::mouseClick(&grid, Qt::LeftButton, {}, CellCentre(grid, 4));
    QTest::mouseDClick(&grid, Qt::LeftButton, {}, CellCentre(grid, 4));
    QTest::mouseRelease(&grid, Qt::LeftButton, {}, CellCentre(grid, 4));
    EXPECT_FALSE(workflow.IsTicked(4));
    ASSERT_EQ(workflow.GetSelectedCount(), 2u);
    EXPECT_EQ(workflow.GetSelectedPath(0), photos[4]);
    EXPECT_EQ(workflow.GetSelectedPath(1), photos[3]);

    // The tick at its place, 3 pixels in from the cell's corner, on the
    // ticked cells only.
    Dib tick = LoadBitmapResource(Bitmaps::Tick);
    ASSERT_FALSE(tick.IsNull());
    QPoint mark;
    for (int y = 0; y < tick.Height() && mark.isNull(); ++y) {
        for (int x = 0; x < tick.Width(); ++x) {
            if (tick.Row16(y)[x] != ToRgb565(Colors::Cyan) && tick.Row16(y)[x] != ToRgb565(Colors::White)) {
                mark = QPoint(x, y);
                break;
            }
        }
    }
    std::uint16_t markColor = tick.Row16(mark.y())[mark.x()];
    QImage shown = grid.grab().toImage();
    auto tickPixel = [&](int index) {
        auto cell = *grid.GetLayout().ItemRect(index);
        QRgb pixel = shown.pixel(cell.left + 3 + mark.x(), cell.top + 3 + mark.y());
        return ToRgb565(Rgb(static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)), static_cast<std::uint8_t>(qBlue(pixel))));
    };
    EXPECT_EQ(tickPixel(0), markColor);
    EXPECT_EQ(tickPixel(1), markColor);
    EXPECT_NE(tickPixel(2), markColor) << "ticked, then unticked";
    SaveScreenshot(dialog, "CImageSelectDlg");

    Click(dialog, "OK");
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
    EXPECT_EQ(workflow.GetSelectedPaths(), (std::vector<std::string> { photos[4], photos[3] }));
}

TEST_F(PhotoPickerDialogTest, AFileWithAPhotosNameThatIsNoPhotoIsABlankCellThatCanBeTicked)
{
    std::string photo = MakePhoto("photo.jpg", 1);
    std::string notes = JoinPath(DeviceFolders::Current().PersonalFolder(), "notes.jpg");
    std::this_thread::sleep_for(std::chrono::milliseconds(12)); // a later file time
    WriteTextFile(notes, "not a picture");
    StartInTrips();

    ImageSelectWorkflow workflow(*Controller().GetCurrentBlog(), 308);
    CImageSelectDlg dialog(workflow);
    CImageGridCtrl& grid = dialog.GetGrid();
    dialog.show();
    ASSERT_EQ(grid.GetItemCount(), 2);
    ASSERT_EQ(workflow.GetItems()[0].path, notes);
    // The cursor's frame runs along the cell's edge; its middle stays blank.
    EXPECT_EQ(PixelOf(grid, CellCentre(grid, 0)), 0xFFFFFFu);
    EXPECT_NE(PixelOf(grid, CellCentre(grid, 1)), 0xFFFFFFu);
    QTest::mouseClick(&grid, Qt::LeftButton, {}, CellCentre(grid, 0));
    Click(dialog, "OK");
    EXPECT_EQ(workflow.GetSelectedPaths(), (std::vector<std::string> { notes }));
}

TEST_F(PhotoPickerDialogTest, AddPhotoOpensTheEditDialogWhenExactlyOnePhotoWasAdded)
{
    MakePhoto("a.jpg", 1);
    MakePhoto("b.jpg", 2);
    MakePhoto("c.jpg", 3);
    StartInTrips();
    auto addPhotos = [&](std::vector<int> cells) {
        int editDialogs = 0;
        ModalAnswerer answerer([&](QWidget& modal) {
            if (auto* picker = qobject_cast<CImageSelectDlg*>(&modal)) {
                for (int cell : cells)
                    QTest::mouseClick(&picker->GetGrid(), Qt::LeftButton, {}, CellCentre(picker->GetGrid(), cell));
                Click(*picker, "OK");
                return;
            }
            ++editDialogs;
            static_cast<QDialog&>(modal).reject();
        });
        RunCommand(Command::AddPhoto);
        return editDialogs;
    };

    EXPECT_EQ(addPhotos({ 0 }), 1);
    EXPECT_EQ(Saved()->GetEntries().GetSize(), 2u);
    // The photo added is not offered again.
    EXPECT_EQ(addPhotos({ 0, 1 }), 0);
    EXPECT_EQ(Saved()->GetEntries().GetSize(), 4u);
    EXPECT_EQ(addPhotos({}), 0);
    EXPECT_EQ(Saved()->GetEntries().GetSize(), 4u);
}

TEST_F(PhotoPickerDialogTest, CancelInTheSearchsProgressWindowShowsWhatWasFound)
{
    for (int i = 0; i < 60; ++i)
        MakePhoto("many/" + std::to_string(i) + ".jpg", static_cast<std::uint32_t>(i));
    StartInTrips();
    // The program's own progress window, over the program's screen.
    QtUserInteraction interaction(&View());
    UserInteraction::Use(&interaction);
    std::vector<std::string> lines;
    // Runs at the search's first look at Cancel, from the window's events.
    QTimer::singleShot(0, [&] {
        auto* progress = View().window()->findChild<CProgressWnd*>();
        ASSERT_NE(progress, nullptr);
        lines = progress->GetLines();
        QImage screen = View().window()->grab().toImage();
        EXPECT_TRUE(screen.save(ScreenshotFolder() + "/CProgressWnd.png"));
        progress->GetCancelButton()->click();
    });
    ImageSelectWorkflow workflow(*Controller().GetCurrentBlog(), 308);
    CImageSelectDlg dialog(workflow);
    UserInteraction::Use(&device.Interaction());

    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Searching...");
    EXPECT_NE(lines[1].find(DeviceFolders::Current().PersonalFolder()), std::string::npos) << "the folder being searched";
    EXPECT_TRUE(workflow.WasSearchCancelled());
    EXPECT_GT(dialog.GetGrid().GetItemCount(), 0) << "what was found before the cancel";
    EXPECT_LT(dialog.GetGrid().GetItemCount(), 60);
    EXPECT_EQ(View().window()->findChild<CProgressWnd*>(), nullptr) << "the window is gone with the search";
}
