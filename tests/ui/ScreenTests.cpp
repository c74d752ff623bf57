#include "ScreenFixture.h"

#include "ui/CDocListComboBox.h"
#include "ui/CImageWnd.h"
#include "ui/NavigationBar.h"
#include "ui/SoftKeyBar.h"

#include <QMenu>
#include <QTest>

namespace {

QMenu* OpenMenu()
{
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

QStringList ActionTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

QAction* ActionNamed(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

}

TEST_F(ScreenTest, TheHomeListFillsTheScreenBetweenTheBars)
{
    MakeDevice();
    Start();
    EXPECT_EQ(Screen().size(), QSize(240, 320));
    EXPECT_EQ(Screen().GetFrame().geometry(), QRect(0, 26, 240, 320 - 52));
    EXPECT_EQ(Screen().GetNavigationBar().GetTitle(), "Vellumbrix");
    EXPECT_EQ(Screen().GetSoftKeyBar().GetLeftText(), "Sync");
    EXPECT_FALSE(Screen().GetSoftKeyBar().IsLeftEnabled()) << "no service yet";
    EXPECT_EQ(View().GetLayout().GetRows(), 4);
    QImage image = Shot("home");
    // The first row's outline, 3 pixels in and 5 down from the view's top.
    EXPECT_EQ(PixelAt(image, 3, 26 + 5), ToRgb565(Colors::Black));
    EXPECT_EQ(PixelAt(image, 120, 26 + 2), ToRgb565(Colors::White));
}

TEST_F(ScreenTest, TheHomeRowsFollowTheOrientationAndTheInputPanel)
{
    MakeDevice();
    struct Case {
        int width;
        int height;
        int rows;
        int rowsWithPanel;
    };
    for (Case shape : { Case { 240, 320, 4, 3 }, Case { 320, 240, 3, 2 }, Case { 240, 240, 3, 1 } }) {
        SCOPED_TRACE(std::to_string(shape.width) + "x" + std::to_string(shape.height));
        Start(shape.width, shape.height);
        EXPECT_EQ(View().GetLayout().GetRows(), shape.rows);
        QTest::keyClick(&View(), Qt::Key_F2);
        EXPECT_TRUE(Screen().IsInputPanelShown());
        EXPECT_EQ(View().GetLayout().GetRows(), shape.rowsWithPanel);
        EXPECT_EQ(Screen().GetFrame().height(), shape.height - 52 - 80);
        if (shape.width > shape.height)
            Shot("landscape-input-panel");
        QTest::keyClick(&View(), Qt::Key_F2);
        EXPECT_EQ(View().GetLayout().GetRows(), shape.rows);
    }
}

TEST_F(ScreenTest, TapsOpenABlogAndAnEntryAndTheEntryPageClosesOnATap)
{
    MakeDevice();
    Start();
    QTest::mouseClick(&View(), Qt::LeftButton, {}, ItemCentre(kTrips));
    ASSERT_EQ(Controller().GetMode(), ViewMode::Blog);
    EXPECT_EQ(Screen().GetNavigationBar().GetTitle(), "Trips");
    EXPECT_EQ(Screen().GetSoftKeyBar().GetLeftText(), "Camera");
    EXPECT_TRUE(View().GetFilterDropDown()->isVisible());
    EXPECT_EQ(View().GetFilterDropDown()->GetShownText(), "All");
    EXPECT_EQ(View().GetCategoryDropDown()->GetShownText(), "All");
    EXPECT_EQ(View().GetLayout().GetCellWidth(), (240 - 13 - 12) / 3) << "twelve entries need the scroll bar";
    QImage blog = Shot("blog");
    // The header strip in the button-face colour with its line, then the
    // first cell's marker of a new entry.
    EXPECT_EQ(PixelAt(blog, 1, 26 + 1), ToRgb565(Colors::ButtonFace));
    EXPECT_EQ(PixelAt(blog, 120, 26 + 17), ToRgb565(Colors::WindowFrame));

    QTest::mouseClick(&View(), Qt::LeftButton, {}, ItemCentre(1));
    ASSERT_EQ(Controller().GetMode(), ViewMode::Entry);
    EXPECT_TRUE(View().GetEntryPage()->isVisible());
    EXPECT_EQ(Screen().GetSoftKeyBar().GetLeftText(), "Edit");
    Shot("entry");
    QTest::mouseClick(View().GetEntryPage(), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(Controller().GetMode(), ViewMode::Blog);
    EXPECT_EQ(View().GetSelection(), 1);
    // The navigation bar's OK goes home.
    NavigationBar& bar = Screen().GetNavigationBar();
    QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.OkButtonRect().center());
    EXPECT_EQ(Controller().GetMode(), ViewMode::Home);
}

TEST_F(ScreenTest, HoldingTheStylusOpensTheCellsContextMenu)
{
    MakeDevice();
    Start();
    QTest::mousePress(&View(), Qt::LeftButton, {}, ItemCentre(kTrips));
    Settle(CGridCtrl::kTapAndHoldMilliseconds + 100);
    QMenu* menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(ActionTexts(menu), (QStringList { "Sync", "Blog Prefs...", "Send Blog E-Mail...", "Post Remote Entry..." }));
    EXPECT_FALSE(ActionNamed(menu, "Sync")->isEnabled()) << "no service yet";
    Shot("home-context-menu");
    ActionNamed(menu, "Blog Prefs...")->trigger();
    menu->close();
    Settle();
    EXPECT_EQ(dialogs.Opened(), (std::vector<DialogId> { DialogId::BlogPrefs }));
    EXPECT_EQ(Controller().GetMode(), ViewMode::Home) << "a held row is not opened";
}

TEST_F(ScreenTest, KeysMoveTheSelectionAndScrollPageByPage)
{
    MakeDevice(30);
    Start();
    Controller().OpenBlog(kTrips);
    Settle();
    EXPECT_EQ(View().GetLayout().GetRows(), 3);
    QTest::keyClick(&View(), Qt::Key_Down);
    EXPECT_EQ(View().GetFirstRow(), 3) << "without a selection Down scrolls a page";
    QTest::keyClick(&View(), Qt::Key_Up);
    EXPECT_EQ(View().GetFirstRow(), 0);
    QTest::keyClick(&View(), Qt::Key_Return);
    EXPECT_EQ(View().GetSelection(), 0) << "Enter selects the first visible item";
    QTest::keyClick(&View(), Qt::Key_Right);
    QTest::keyClick(&View(), Qt::Key_Down);
    QTest::keyClick(&View(), Qt::Key_Down);
    QTest::keyClick(&View(), Qt::Key_Down);
    EXPECT_EQ(View().GetSelection(), 10);
    EXPECT_EQ(View().GetFirstRow(), 1) << "its row at the bottom of the page";
    Shot("blog-selection");
    QTest::keyClick(&View(), Qt::Key_Return);
    EXPECT_EQ(Controller().GetMode(), ViewMode::Entry);
    EXPECT_EQ(Controller().GetCurrentEntryIndex(), 10);
    QTest::keyClick(&View(), Qt::Key_Right);
    EXPECT_EQ(Controller().GetCurrentEntryIndex(), 11);
    EXPECT_EQ(View().GetSelection(), 11);
    QTest::keyClick(&View(), Qt::Key_Escape);
    EXPECT_EQ(Controller().GetMode(), ViewMode::Blog);
    QTest::keyClick(&View(), Qt::Key_Escape);
    EXPECT_EQ(Controller().GetMode(), ViewMode::Home);
}

TEST_F(ScreenTest, TheCategoryDropDownShowsItsTitleWhileOpenAndTheChoiceAfter)
{
    MakeDevice();
    Start();
    Controller().OpenBlog(kTrips);
    Settle();
    CDocListComboBox* dropDown = View().GetCategoryDropDown();
    QTest::mouseClick(dropDown, Qt::LeftButton, {}, dropDown->BlockRect().center());
    QMenu* menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(dropDown->GetShownText(), "Select Category");
    EXPECT_EQ(ActionTexts(menu), (QStringList { "All", "Beach", "Mountains", "Unfiled", "Edit Categories..." }));
    EXPECT_TRUE(ActionNamed(menu, "All")->isChecked());
    Shot("category-drop-down");
    ActionNamed(menu, "Mountains")->trigger();
    menu->close();
    Settle();
    EXPECT_EQ(dropDown->GetShownText(), "Mountains");
    EXPECT_EQ(View().GetItemCount(), 6);
    Shot("blog-mountains");
}

TEST_F(ScreenTest, TheToolsKeyOpensTheModesMenu)
{
    MakeDevice();
    Start();
    Controller().OpenBlog(kTrips);
    Settle();
    SoftKeyBar& keys = Screen().GetSoftKeyBar();
    QTest::mouseClick(&keys, Qt::LeftButton, {}, keys.RightKeyRect().center());
    QMenu* menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(ActionTexts(menu), (QStringList { "Sync", "Add Photo...", "-", "Send Blog E-Mail...", "Post Remote Entry...", "-", "Show", "Category", "Manage", "-", "Blog Prefs...", "-", "Exit" }));
    EXPECT_EQ(menu->geometry().bottom() + 1, keys.mapToGlobal(QPoint(0, 0)).y()) << "it rises from the bar";
    Shot("blog-tools-menu");
    QMenu* show = ActionNamed(menu, "Show")->menu();
    ActionNamed(show, "Pending")->trigger();
    menu->close();
    Settle();
    EXPECT_EQ(View().GetFilterDropDown()->GetShownText(), "Pending");
    EXPECT_EQ(View().GetItemCount(), 0);
}

TEST_F(ScreenTest, ATwiceDenserScreenDoublesTheLayout)
{
    MakeDevice();
    Start(480, 640, 192);
    EXPECT_EQ(Screen().GetFrame().geometry(), QRect(0, 52, 480, 640 - 104));
    Shot("home-192dpi");
    Controller().OpenBlog(kTrips);
    Settle();
    // 96 x 96 cells asked (not 150), widened to fill the width.
    EXPECT_EQ(View().GetLayout().GetColumns(), 4);
    Shot("blog-192dpi");
    Controller().OpenEntry(0);
    Shot("entry-192dpi");
}
