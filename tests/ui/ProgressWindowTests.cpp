#include "ScreenFixture.h"

#include "ui/CProgressWnd.h"

#include <QPushButton>
#include <QTest>

TEST(CProgressWnd, StepAdvancesTheBusyIconAtMostEvery30Milliseconds)
{
    QWidget window;
    window.resize(240, 320);
    std::int64_t now = 1000;
    CProgressWnd progress(&window, 3, true, [&now] { return now; });
    int frame = progress.GetFrame();
    std::vector<int> frames;
    // Stepped every 10 ms for 300 ms.
    for (int i = 0; i < 30; ++i) {
        progress.Step();
        if (progress.GetFrame() != frame)
            frames.push_back(frame = progress.GetFrame());
        now += 10;
    }
    EXPECT_EQ(frames, (std::vector<int> { 1, 2, 3, 0, 1, 2, 3, 0, 1 }));
}

TEST(CProgressWnd, SetLineRepaintsOnlyWhenTheTextChanges)
{
    QWidget window;
    window.resize(240, 320);
    CProgressWnd progress(&window, 3, true);
    int before = progress.GetRepaintRequests();
    progress.SetLine(1, "Getting Entry...");
    EXPECT_EQ(progress.GetRepaintRequests(), before + 1);
    progress.SetLine(1, "Getting Entry...");
    progress.SetLine(5, "no such line");
    EXPECT_EQ(progress.GetRepaintRequests(), before + 1);
    progress.ClearStatus();
    EXPECT_EQ(progress.GetRepaintRequests(), before + 2);
    progress.ClearStatus();
    EXPECT_EQ(progress.GetRepaintRequests(), before + 2);
    EXPECT_EQ(progress.GetLines(), (std::vector<std::string> { "", "", "" }));
}

TEST(CProgressWnd, CancelAndTheReleaseOfEnterSetTheFlagOnly)
{
    QWidget window;
    window.resize(240, 320);
    CProgressWnd byButton(&window, 2, true);
    EXPECT_FALSE(byButton.IsCancelled());
    QTest::mouseClick(byButton.GetCancelButton(), Qt::LeftButton);
    EXPECT_TRUE(byButton.IsCancelled());
    EXPECT_TRUE(byButton.isVisibleTo(&window)) << "the operation ends the window in its own time";

    CProgressWnd byKey(&window, 2, true);
    QTest::keyPress(&byKey, Qt::Key_Return);
    EXPECT_FALSE(byKey.IsCancelled()) << "the release counts";
    QTest::keyRelease(&byKey, Qt::Key_Return);
    EXPECT_TRUE(byKey.IsCancelled());
}

TEST(CProgressWnd, TheRestOfTheWindowIsDisabledWhileItLives)
{
    QWidget window;
    window.resize(240, 320);
    auto* button = new QPushButton(QStringLiteral("Other"), &window);
    auto* alreadyDisabled = new QPushButton(QStringLiteral("Off"), &window);
    alreadyDisabled->setEnabled(false);
    {
        // Network operations open it hidden; the connection shows it.
        CProgressWnd progress(&window, 3, false);
        EXPECT_FALSE(button->isEnabled());
        EXPECT_FALSE(progress.isVisibleTo(&window));
        progress.Show();
        EXPECT_TRUE(progress.isVisibleTo(&window));
        EXPECT_TRUE(progress.isEnabled());
        EXPECT_EQ(progress.geometry().center(), window.rect().center());
    }
    EXPECT_TRUE(button->isEnabled());
    EXPECT_FALSE(alreadyDisabled->isEnabled()) << "left as it was";
}

TEST_F(ScreenTest, TheProgressWindowLiesOverTheScreen)
{
    MakeDevice();
    Start();
    CProgressWnd progress(&View(), 3, true);
    progress.SetLine(0, "trips");
    progress.SetLine(1, "Getting Entry...    2/5");
    progress.SetLine(2, "A caption so long that it cannot fit on the line");
    progress.Step();
    EXPECT_EQ(progress.parentWidget(), &Screen());
    EXPECT_FALSE(Screen().GetFrame().isEnabled());
    QImage image = Shot("progress");
    QRect panel = progress.geometry();
    EXPECT_EQ(PixelAt(image, panel.left() + 1, panel.center().y()), ToRgb565(Colors::Black));
    EXPECT_EQ(PixelAt(image, panel.left() + 4, panel.bottom() - 4), ToRgb565(Colors::ProgressBackground));
}
