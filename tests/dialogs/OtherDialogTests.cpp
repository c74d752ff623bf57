#include "DialogTestKit.h"
#include "QtTestEnvironment.h"

#include "dialogs/CAboutDlg.h"
#include "dialogs/CChooseFontDlg.h"
#include "dialogs/CNewVersionDlg.h"
#include "dialogs/DialogHeading.h"
#include "workflows/AboutWorkflow.h"
#include "workflows/ChooseFontWorkflow.h"

#include "app/ProgramVersion.h"
#include "support/SandboxDevice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

LogicalFont TenPoint(std::u16string face)
{
    LogicalFont font;
    font.height = -13;
    font.weight = 700;
    font.quality = 5;
    font.faceName = std::move(face);
    return font;
}

}

TEST(ChooseFontDialog, OpensOnTheCurrentFontAmongTheDisplaysFamilies)
{
    SandboxDevice device;
    std::vector<std::u16string> families = CChooseFontDlg::DisplayFamilies();
    ASSERT_FALSE(families.empty());
    // The desktop's usual sans-serif face when it has it.
    std::u16string face = families.back();
    if (std::find(families.begin(), families.end(), u"DejaVu Sans") != families.end())
        face = u"DejaVu Sans";
    ChooseFontWorkflow workflow(TenPoint(face), 96);
    CChooseFontDlg dialog(workflow);
    EXPECT_EQ(dialog.windowTitle(), "Choose Font");
    auto* faces = Find<QComboBox>(dialog, "faceList");
    EXPECT_EQ(faces->count(), static_cast<int>(families.size()));
    EXPECT_EQ(faces->currentText().toStdU16String(), face);
    auto* sizes = Find<QComboBox>(dialog, "sizeList");
    EXPECT_EQ(sizes->count(), 7);
    EXPECT_EQ(sizes->currentText(), "10");
    EXPECT_TRUE(FindButton(dialog, "Bold")->isChecked());
    EXPECT_TRUE(FindButton(dialog, "Clear Type")->isChecked());
    EXPECT_FALSE(FindButton(dialog, "Italic")->isChecked());
    SaveScreenshot(dialog, "CChooseFontDlg");

    sizes->setCurrentText("14");
    FindButton(dialog, "Bold")->click();
    Click(dialog, "OK");
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
    EXPECT_EQ(workflow.GetFont().height, -19);
    EXPECT_EQ(workflow.GetFont().weight, 400);
}

TEST(ChooseFontDialog, AFaceTheDesktopLacksShowsTheFamilyDrawnInItsPlace)
{
    SandboxDevice device;
    std::vector<std::u16string> families = CChooseFontDlg::DisplayFamilies();
    ASSERT_FALSE(families.empty());
    if (std::find(families.begin(), families.end(), u"Tahoma") != families.end())
        GTEST_SKIP() << "this desktop has the handheld's face";
    std::u16string drawn = CChooseFontDlg::DrawnFamily(u"Tahoma");
    ChooseFontWorkflow workflow(TenPoint(u"Tahoma"), 96);
    CChooseFontDlg dialog(workflow);
    std::u16string shown = Find<QComboBox>(dialog, "faceList")->currentText().toStdU16String();
    if (std::find(families.begin(), families.end(), drawn) != families.end())
        EXPECT_EQ(shown, drawn);
    else
        EXPECT_EQ(shown, workflow.FaceNames().front());
}

TEST(ChooseFontDialog, AFaceNameTooLongForTheRecordKeepsTheDialogOpen)
{
    SandboxDevice device;
    ChooseFontWorkflow workflow(TenPoint(u"Tahoma"), 96);
    CChooseFontDlg dialog(workflow);
    Find<QComboBox>(dialog, "faceList")->setCurrentText(QString(40, 'f'));
    Click(dialog, "OK");
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(device.Interaction().ShownMessages().back().text, "Please enter no more than 31 characters.");
}

TEST(NewVersionDialog, ShowsTheVersionAndOffersToStopMentioningIt)
{
    CNewVersionDlg dialog("1.3");
    EXPECT_EQ(dialog.windowTitle(), "New Version Available");
    EXPECT_EQ(Find<QLabel>(dialog, "versionLine")->text(), "Vellumbrix 1.3");
    EXPECT_EQ(Find<QCheckBox>(dialog, "dontShowAgainBox")->text(), "Dont show again");
    SaveScreenshot(dialog, "CNewVersionDlg");
    Find<QCheckBox>(dialog, "dontShowAgainBox")->setChecked(true);
    Click(dialog, "Download");
    EXPECT_EQ(dialog.result(), 1037);
    EXPECT_FALSE(dialog.DontShowAgain()) << "Download does not read the box";
    Click(dialog, "OK");
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
    EXPECT_TRUE(dialog.DontShowAgain());
}

TEST(AboutDialog, ShowsTheIconAndTheVersionInTheHeadingFont)
{
    AboutWorkflow workflow { std::string(ProgramVersionText()) };
    CAboutDlg dialog(workflow);
    EXPECT_EQ(dialog.windowTitle(), "About Vellumbrix");
    auto* heading = Find<DialogHeading>(dialog, "versionLine");
    EXPECT_EQ(heading->Text(), QString("Vellumbrix Vers ") + QString::fromUtf8(ProgramVersionText().data(), static_cast<qsizetype>(ProgramVersionText().size())));
    EXPECT_TRUE(heading->font().bold());
    EXPECT_FALSE(Find<QLabel>(dialog, "programIcon")->pixmap().isNull());
    SaveScreenshot(dialog, "CAboutDlg");
    Click(dialog, "OK");
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
}
