#include "support/BlogFixtures.h"
#include "support/TemporaryFolder.h"

#include "app/Preferences.h"
#include "app/StartUp.h"
#include "platform/DeviceFolders.h"
#include "ui/ColorRef.h"
#include "ui/InstanceChannel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

namespace {

struct ProgramRun {
    int status { -1 };
    std::string errors;
};

ProgramRun RunProgram(const QStringList& arguments, int timeoutMilliseconds = 60000)
{
    QProcess process;
    process.start(QStringLiteral(VBX_APP_PATH), arguments);
    ProgramRun run;
    if (!process.waitForFinished(timeoutMilliseconds)) {
        process.kill();
        process.waitForFinished();
        run.errors = "timed out";
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.errors = process.readAllStandardError().toStdString();
    return run;
}

std::uint16_t PixelAt(const QImage& image, int x, int y)
{
    QRgb pixel = image.pixel(x, y);
    return ToRgb565(Rgb(static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)), static_cast<std::uint8_t>(qBlue(pixel))));
}

// A device folder with an account and a blog "trips" of six entries.
class ProgramTest : public testing::Test {
protected:
    void SetUp() override
    {
        DeviceFolders::Use(DeviceFolders::ForSandbox(home.Path()));
        ASSERT_TRUE(CreatePreferenceKeyChain());
        CWinBlogUser user;
        ASSERT_TRUE(SaveAccount(user, 7));
        CWinBlogStorage& trips = AddBlog(user, { "trips", "Trips", "Where we went", false, false, 7 });
        for (int i = 0; i < 6; ++i)
            AddEntry(trips, { .title = "Entry " + std::to_string(i), .caption = "A caption", .postDate = static_cast<std::uint32_t>(100 - i), .serverId = static_cast<std::uint32_t>(10 + i), .posterId = 7, .thumbnailSeed = i });
        ASSERT_EQ(trips.Save(), Error::Success);
        DeviceFolders::Use(DeviceFolders::FromEnvironment());
    }

    QStringList Arguments(QStringList more) const
    {
        return QStringList { QStringLiteral("--home"), QString::fromStdString(home.Path()), QStringLiteral("--offscreen") } + more;
    }
    QString Output(const char* name) const { return QString::fromStdString(home.File(name)); }

    TemporaryFolder home;
};

}

TEST_F(ProgramTest, StepsThenAScreenshotOfTheWholeScreen)
{
    ProgramRun run = RunProgram(Arguments({ "--screenshot", Output("blog.png"), "--do", "open-blog 0", "--do", "key Return", "--do", "key Right" }));
    EXPECT_EQ(run.status, 0) << run.errors;
    QImage image(Output("blog.png"));
    ASSERT_EQ(image.size(), QSize(240, 320));
    // The second cell is selected: its left edge in the selection blue.
    // Cells of 75 + 3 in a grid 3 pixels in, under the 26-pixel bar and the
    // 18-pixel header, 5 pixels down.
    EXPECT_EQ(PixelAt(image, 3 + 75 + 3 + 1, 26 + 18 + 5 + 30), ToRgb565(Colors::SelectionBlue));
    EXPECT_NE(PixelAt(image, 3 + 1, 26 + 18 + 5 + 30), ToRgb565(Colors::SelectionBlue));
}

TEST_F(ProgramTest, TheEntryPageAndTheScreenOptions)
{
    ProgramRun entry = RunProgram(Arguments({ "--screenshot", Output("entry.png"), "--do", "open-blog 0", "--do", "open-entry 2", "--do", "tap 200,100" }));
    EXPECT_EQ(entry.status, 0) << entry.errors;
    EXPECT_EQ(QImage(Output("entry.png")).size(), QSize(240, 320));

    ProgramRun landscape = RunProgram(Arguments({ "--landscape", "--screenshot", Output("landscape.png") }));
    EXPECT_EQ(landscape.status, 0) << landscape.errors;
    EXPECT_EQ(QImage(Output("landscape.png")).size(), QSize(320, 240));
    ProgramRun large = RunProgram(Arguments({ "--screen", "480x640", "--dpi", "192", "--screenshot", Output("large.png") }));
    EXPECT_EQ(large.status, 0) << large.errors;
    EXPECT_EQ(QImage(Output("large.png")).size(), QSize(480, 640));
}

TEST_F(ProgramTest, AStepThatCannotBeMadeFailsTheRun)
{
    ProgramRun unknown = RunProgram(Arguments({ "--do", "fly away" }));
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.errors.find("unknown step 'fly away'"), std::string::npos) << unknown.errors;
    ProgramRun missing = RunProgram(Arguments({ "--do", "open-blog 0", "--do", "open-entry 40" }));
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.errors.find("no item '40' to open"), std::string::npos) << missing.errors;
    ProgramRun badArgument = RunProgram({ "--screen", "12x12" });
    EXPECT_EQ(badArgument.status, 2);
    EXPECT_NE(badArgument.errors.find("usage: vellumbrix"), std::string::npos);
}

TEST_F(ProgramTest, ASecondStartBringsTheFirstForward)
{
    QProcess first;
    first.start(QStringLiteral(VBX_APP_PATH), Arguments({ "--do", "wait 4000" }));
    ASSERT_TRUE(first.waitForStarted());
    // A second start made before the first owns the channel would take it
    // itself; it is made once the first answers on it.
    QString channel = InstanceChannel::NameFor(DeviceFolders::ForSandbox(home.Path()).DataFolder());
    bool listening = false;
    for (int attempt = 0; attempt < 100 && !listening; ++attempt) {
        QLocalSocket probe;
        probe.connectToServer(channel);
        listening = probe.waitForConnected(100);
        if (!listening)
            QThread::msleep(20);
    }
    ASSERT_TRUE(listening) << "the first start never opened its channel";
    ProgramRun second = RunProgram(Arguments({ "--screenshot", Output("second.png") }));
    EXPECT_EQ(second.status, 0);
    EXPECT_NE(second.errors.find("already running on this device"), std::string::npos) << second.errors;
    ASSERT_TRUE(first.waitForFinished(15000));
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_NE(first.readAllStandardError().toStdString().find("another start brought this one to the front"), std::string::npos);
}

TEST_F(ProgramTest, ADialogOpenedByTheLastStepIsOnTheScreenshotAndCancelled)
{
    ProgramRun page = RunProgram(Arguments({ "--screenshot", Output("page.png"), "--do", "open-blog 0", "--do", "open-entry 1" }));
    ASSERT_EQ(page.status, 0) << page.errors;
    // The program starts again in the blog it showed last.
    ProgramRun edit = RunProgram(Arguments({ "--screenshot", Output("edit.png"), "--do", "open-entry 1", "--do", "command 32823" }));
    EXPECT_EQ(edit.status, 0) << edit.errors;
    EXPECT_NE(edit.errors.find("CEditEntryDlg cancelled (nobody at the screen)"), std::string::npos) << edit.errors;

    QImage withDialog(Output("edit.png"));
    QImage withoutDialog(Output("page.png"));
    ASSERT_EQ(withDialog.size(), QSize(240, 320));
    EXPECT_NE(withDialog, withoutDialog) << "the dialog covers the entry page";
    // The dialog covers what lies between the bars; the soft-key bar stays.
    EXPECT_EQ(withDialog.copy(0, 294, 240, 26), withoutDialog.copy(0, 294, 240, 26));
    QDir().mkpath(QStringLiteral("screenshots"));
    QFile::remove(QStringLiteral("screenshots/program-CEditEntryDlg.png"));
    QFile::copy(Output("edit.png"), QStringLiteral("screenshots/program-CEditEntryDlg.png"));

    // Cancelled: the entry is as it was.
    DeviceFolders::Use(DeviceFolders::ForSandbox(home.Path()));
    CWinBlogUser user;
    user.Load();
    const BlogEntry* entry = user.GetBlogList().GetAt(0)->GetShownEntryAt(1);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->GetTitle(), "Entry 1");
    EXPECT_FALSE(entry->IsPending());
    DeviceFolders::Use(DeviceFolders::FromEnvironment());
}

TEST_F(ProgramTest, ACameraNoticeFromASecondProcessAddsThePhotoToTheOpenBlog)
{
    std::string photo = home.File("IMG_0001.jpg");
    WritePhotoFile(photo, 320, 240, 5);
    ProgramRun nobody = RunProgram(Arguments({ "--camera-notice", QString::fromStdString(photo) }));
    EXPECT_NE(nobody.status, 0) << "no program runs to take it";
    EXPECT_NE(nobody.errors.find("not running"), std::string::npos) << nobody.errors;
    ProgramRun badResult = RunProgram({ "--camera-notice", QString::fromStdString(photo), "--result", "-1" });
    EXPECT_EQ(badResult.status, 2);
    EXPECT_NE(badResult.errors.find("--result wants a number"), std::string::npos) << badResult.errors;
    ProgramRun resultAlone = RunProgram({ "--result", "1" });
    EXPECT_EQ(resultAlone.status, 2);
    EXPECT_NE(resultAlone.errors.find("--result goes with --camera-notice"), std::string::npos) << resultAlone.errors;

    // The edit entry dialog would wait for a person.
    DeviceFolders::Use(DeviceFolders::ForSandbox(home.Path()));
    ASSERT_TRUE(WriteShowEditDialog(0));
    DeviceFolders::Use(DeviceFolders::FromEnvironment());
    QProcess first;
    first.start(QStringLiteral(VBX_APP_PATH), Arguments({ "--do", "open-blog 0", "--do", "wait 3000" }));
    ASSERT_TRUE(first.waitForStarted());
    QString channel = InstanceChannel::NameFor(DeviceFolders::ForSandbox(home.Path()).DataFolder());
    // The notice waits for a program that has started but is not listening
    // yet; one that has not started at all is not waited for.
    // (A start can take long on a loaded machine.)
    QElapsedTimer started;
    started.start();
    while (!InstanceChannel::IsOwned(channel) && started.elapsed() < 60000 && first.state() == QProcess::Running)
        QThread::msleep(10);
    ASSERT_TRUE(InstanceChannel::IsOwned(channel)) << "the first start never took its channel: " << first.readAllStandardError().toStdString();

    ProgramRun notice = RunProgram(Arguments({ "--camera-notice", QString::fromStdString(photo) }));
    EXPECT_EQ(notice.status, 0) << notice.errors;
    // A camera that took nothing: its notice adds nothing.
    ProgramRun nothing = RunProgram(Arguments({ "--camera-notice", QString::fromStdString(photo), "--result", "1" }));
    EXPECT_EQ(nothing.status, 0) << nothing.errors;
    ASSERT_TRUE(first.waitForFinished(20000));
    EXPECT_EQ(first.exitCode(), 0);
    std::string said = first.readAllStandardError().toStdString();
    EXPECT_NE(said.find("a camera notice added its photo to the open blog"), std::string::npos) << said;
    EXPECT_NE(said.find("a camera notice carried no photo"), std::string::npos) << said;

    DeviceFolders::Use(DeviceFolders::ForSandbox(home.Path()));
    CWinBlogUser user;
    user.Load();
    CWinBlogStorage& trips = *user.GetBlogList().GetAt(0);
    ASSERT_EQ(trips.GetEntries().GetSize(), 7u) << "one new entry";
    size_t added = 0;
    for (size_t i = 0; i < trips.GetEntries().GetSize(); ++i) {
        const BlogEntry& entry = *trips.GetEntries().GetAt(i);
        if (entry.GetServerId() == 0) {
            ++added;
            EXPECT_TRUE(entry.IsPending());
            EXPECT_GT(entry.GetThumbnailSize(), 0u);
        }
    }
    EXPECT_EQ(added, 1u);
    DeviceFolders::Use(DeviceFolders::FromEnvironment());
}
