#include "DialogTestKit.h"
#include "QtTestEnvironment.h"

#include "dialogs/CGetViewPasswordDlg.h"
#include "dialogs/DialogFonts.h"
#include "dialogs/DialogGeometry.h"
#include "dialogs/DialogHeading.h"
#include "dialogs/DialogLayout.h"
#include "dialogs/DialogScreenshot.h"
#include "dialogs/LimitedTextEdit.h"
#include "workflows/ViewPasswordWorkflow.h"

#include "app/ScreenScale.h"
#include "app/ScreenSize.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The emulated screen for one test: 480 x 640 at 192 dpi (scale 2).
class LargeScreen {
public:
    LargeScreen()
    {
        ScreenScale::Set(ScreenScale::FromDotsPerInch(192, 192));
        ScreenSize::Set({ 480, 640 });
    }
    ~LargeScreen()
    {
        ScreenScale::Set({});
        ScreenSize::Set({});
    }
};

}

TEST(DialogMachinery, DialogsCoverTheScreenBetweenItsBarsAtItsScale)
{
    LargeScreen screen;
    ViewPasswordWorkflow workflow(u"family");
    CGetViewPasswordDlg dialog(workflow);
    EXPECT_EQ(dialog.size(), QSize(480, 640 - 2 * 52));
    EXPECT_EQ(Find<QPushButton>(dialog, "okButton")->geometry(), QRect(172, 480, 144, 44));
    EXPECT_EQ(dialog.font().pixelSize(), 22);
    EXPECT_EQ(HeadingFont().pixelSize(), 24);
    EXPECT_TRUE(HeadingFont().bold());
    QImage picture = DialogScreenshot(dialog);
    EXPECT_EQ(picture.size(), QSize(480, 52 + 536)) << "the navigation bar above the dialog";
}

TEST(DialogMachinery, TheFirstControlGrowsAndTheListedOnesKeepTheirDistanceToTheBottom)
{
    QWidget dialog;
    dialog.resize(240, 268);
    auto* list = new QListWidget(&dialog);
    list->setGeometry(6, 6, 228, 200); // bottom 62 above the reference
    auto* button = new QPushButton(&dialog);
    button->setGeometry(6, 212, 72, 22); // top 56 above it
    auto* fixed = new QPushButton(&dialog);
    fixed->setGeometry(100, 10, 20, 20);
    DialogLayout layout(DialogGeometry::kDesignHeight);
    layout.SetGrowing(list);
    layout.Anchor(button);
    layout.IgnoreHeightsUpTo(181);

    EXPECT_TRUE(layout.Apply(300));
    EXPECT_EQ(list->geometry(), QRect(6, 6, 228, 232));
    EXPECT_EQ(button->y(), 244);
    EXPECT_EQ(fixed->geometry(), QRect(100, 10, 20, 20));
    EXPECT_TRUE(layout.Apply(182));
    EXPECT_EQ(button->y(), 126);
    EXPECT_EQ(list->height(), 114);
    EXPECT_FALSE(layout.Apply(181)) << "the input panel on a landscape screen";
    EXPECT_EQ(button->y(), 126);
}

TEST(DialogMachinery, AMultiLineFieldHoldsItsLimitAndItsLineBreaks)
{
    QWidget parent;
    LimitedTextEdit edit(10, &parent);
    edit.SetText(u"one\r\ntwo");
    EXPECT_EQ(edit.toPlainText(), "one\ntwo");
    EXPECT_EQ(edit.Text(), u"one\r\ntwo") << "read back as it was put in";
    QTextCursor end = edit.textCursor();
    end.movePosition(QTextCursor::End);
    edit.setTextCursor(end);
    QTest::keyClicks(&edit, "45678");
    EXPECT_EQ(edit.toPlainText(), "one\ntwo45") << "ten characters as read back, CR LF counting two";
    EXPECT_EQ(edit.textCursor().position(), 9);
    edit.SetText(std::u16string(20, u'c'));
    EXPECT_EQ(edit.Text().size(), 20u) << "the program's own text is never cut";
}

TEST(DialogMachinery, AHeadingTooWideForItsPlaceIsCutWithAnEllipsis)
{
    QWidget parent;
    DialogHeading heading("A very long blog title that does not fit at all", false, &parent);
    heading.resize(80, 18);
    QImage picture = heading.grab().toImage();
    EXPECT_EQ(heading.Text(), "A very long blog title that does not fit at all");
    // Something was painted in the heading's colour.
    bool painted = false;
    for (int y = 0; y < picture.height() && !painted; ++y)
        for (int x = 0; x < picture.width() && !painted; ++x)
            painted = qBlue(picture.pixel(x, y)) > 100 && qRed(picture.pixel(x, y)) < 80;
    EXPECT_TRUE(painted);
}
