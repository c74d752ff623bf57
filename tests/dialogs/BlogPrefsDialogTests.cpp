#include "DialogTestKit.h"
#include "QtTestEnvironment.h"
#include "workflows/TestBlog.h"

#include "dialogs/CBlogPrefsDlg.h"
#include "dialogs/LimitedLineEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

TEST(BlogPrefsDialog, OpensOnTheSyncPageWithTheBlogsSettings)
{
    TestBlog blog;
    blog.store->GetBlogInfo().SetDownloadSize(4);
    blog.store->GetBlogInfo().SetEntryLimit(40);
    BlogPrefsWorkflow workflow(*blog.store, BlogPreferencesPages::BlogAndSync);
    CBlogPrefsDlg dialog(workflow);
    EXPECT_EQ(dialog.windowTitle(), "Vellumbrix");
    QTabWidget* tabs = dialog.Tabs();
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), "Blog");
    EXPECT_EQ(tabs->tabText(1), "Synching");
    EXPECT_EQ(tabs->currentIndex(), 1);

    auto* download = Find<QComboBox>(dialog, "downloadList");
    EXPECT_EQ(download->count(), 8);
    EXPECT_EQ(download->currentText(), "320x240");
    EXPECT_TRUE(Find<QComboBox>(dialog, "uploadList")->isHidden());
    EXPECT_EQ(Find<QComboBox>(dialog, "uploadList")->currentText(), "Full size photos");
    EXPECT_TRUE(Find<QCheckBox>(dialog, "limitEntriesBox")->isChecked());
    EXPECT_EQ(Find<LimitedLineEdit>(dialog, "entryLimitField")->text(), "40");
    EXPECT_EQ(Find<LimitedLineEdit>(dialog, "urlField")->text(), "trips");
    EXPECT_EQ(Find<LimitedLineEdit>(dialog, "titleField")->text(), "Trips");
    EXPECT_TRUE(Find<QCheckBox>(dialog, "showOnWebBox")->isChecked());
    SaveScreenshot(dialog, "CBlogPrefsDlg-sync");
    tabs->setCurrentIndex(0);
    SaveScreenshot(dialog, "CBlogPrefsDlg-blog");
}

TEST(BlogPrefsDialog, FieldsStopTakingCharactersAtTheirLimits)
{
    TestBlog blog;
    BlogPrefsWorkflow workflow(*blog.store, BlogPreferencesPages::BlogAndSync);
    CBlogPrefsDlg dialog(workflow);
    auto* url = Find<LimitedLineEdit>(dialog, "urlField");
    url->clear();
    QTest::keyClicks(url, QString(35, 'u'));
    EXPECT_EQ(url->text().size(), 31);
    auto* limit = Find<LimitedLineEdit>(dialog, "entryLimitField");
    limit->clear();
    QTest::keyClicks(limit, "12a3456");
    EXPECT_EQ(limit->text(), "12345") << "digits only, five of them";
}

TEST(BlogPrefsDialog, OkAppliesTheOpenedPagesAndAFaultShowsItsPage)
{
    TestBlog blog;
    BlogPrefsWorkflow workflow(*blog.store, BlogPreferencesPages::BlogAndSync);
    CBlogPrefsDlg dialog(workflow);
    dialog.show();
    Find<QComboBox>(dialog, "downloadList")->setCurrentIndex(6);
    Find<LimitedLineEdit>(dialog, "titleField")->SetText("Never opened");
    dialog.Tabs()->setCurrentIndex(0);
    Find<LimitedLineEdit>(dialog, "urlField")->SetText("bad url");
    dialog.Tabs()->setCurrentIndex(1);

    Click(dialog, "OK");
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(dialog.Tabs()->currentIndex(), 0) << "back on the page at fault";
    EXPECT_EQ(dialog.focusWidget(), Find<LimitedLineEdit>(dialog, "urlField"));
    EXPECT_EQ(blog.Shown(), std::vector<std::string> { "A Blog URL can only contain alphanumeric characters or '_' and '-'." });
    EXPECT_EQ(blog.store->GetBlogInfo().GetDownloadSize(), 3);

    Find<LimitedLineEdit>(dialog, "urlField")->SetText("trips2");
    Click(dialog, "OK");
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
    EXPECT_EQ(blog.store->GetBlogInfo().GetDownloadSize(), 6);
    EXPECT_EQ(blog.store->GetBlogInfo().GetUrlName(), "trips2");
    EXPECT_EQ(blog.store->GetBlogInfo().GetTitle(), "Never opened") << "the page was opened by then";
}

TEST(BlogPrefsDialog, CancelChangesNothingAndTheSyncPageCanStandAlone)
{
    TestBlog blog;
    BlogPrefsWorkflow workflow(*blog.store, BlogPreferencesPages::SyncOnly);
    CBlogPrefsDlg dialog(workflow);
    ASSERT_EQ(dialog.Tabs()->count(), 1);
    EXPECT_EQ(Find<QCheckBox>(dialog, "deleteAfterUploadBox")->text(), "Delete photos on handheld after upload");
    Find<QCheckBox>(dialog, "deleteAfterUploadBox")->setChecked(true);
    Click(dialog, "Cancel");
    EXPECT_EQ(dialog.result(), DialogResults::Cancel);
    EXPECT_FALSE(blog.store->GetBlogInfo().GetDeleteAfterUpload());
}

TEST(BlogPrefsDialog, TheButtonsFollowTheBottomEdgeAndThePagesGrow)
{
    TestBlog blog;
    BlogPrefsWorkflow workflow(*blog.store, BlogPreferencesPages::BlogAndSync);
    CBlogPrefsDlg dialog(workflow);
    dialog.show();
    auto* ok = Find<QPushButton>(dialog, "okButton");
    int okFromBottom = dialog.height() - ok->y();
    int tabsHeight = dialog.Tabs()->height();
    dialog.resize(dialog.width(), dialog.height() - 80);
    QApplication::processEvents();
    EXPECT_EQ(dialog.height() - ok->y(), okFromBottom);
    EXPECT_EQ(dialog.Tabs()->height(), tabsHeight - 80);
}
