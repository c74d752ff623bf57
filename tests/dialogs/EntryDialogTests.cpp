#include "DialogTestKit.h"
#include "QtTestEnvironment.h"
#include "workflows/ScriptedNetwork.h"
#include "workflows/TestBlog.h"

#include "app/Preferences.h"
#include "dialogs/CCaptionDlg.h"
#include "dialogs/CCategorizeEntriesDlg.h"
#include "dialogs/CCategoryNameDlg.h"
#include "dialogs/CDeleteEntriesDlg.h"
#include "dialogs/CEditCategoriesDlg.h"
#include "dialogs/CEditEntryDlg.h"
#include "dialogs/DialogGeometry.h"
#include "dialogs/LimitedLineEdit.h"
#include "dialogs/LimitedTextEdit.h"
#include "dialogs/ThumbnailFrame.h"
#include "workflows/CaptionWorkflow.h"
#include "workflows/CategorizeEntriesWorkflow.h"
#include "workflows/CategoryNameWorkflow.h"
#include "workflows/EditCategoriesWorkflow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>
#include <gtest/gtest.h>

namespace {

// A blog with three categories and an entry with a photo, a thumbnail and
// a caption, as the entry dialogs show it.
class EntryDialogs : public testing::Test {
protected:
    EntryDialogs()
    {
        blog.AddCategory(11, "Sea");
        blog.AddCategory(10, "Mountains");
        blog.AddCategory(12, "Lakes");
        ProgramTime date = 0;
        EXPECT_TRUE(ProgramTimeFromWallClock({ 2021, 6, 2, 12, 30, 15 }, date));
        entry = &blog.AddEntry(2, date, 11);
        blog.AddPhoto(*entry, "2.jpg");
        entry->SetTitle("Harbour at noon");
        entry->SetCaption("Boats waiting for the tide.\r\nThe light was perfect.");
    }

    TestBlog blog;
    BlogEntry* entry;
};

QStringList Items(QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

}

TEST_F(EntryDialogs, EditEntryOpensWithTheEntryAndItsThumbnail)
{
    ScriptedNetwork network;
    EditEntryWorkflow workflow(*blog.user, *blog.store, *entry, false, &network);
    CEditEntryDlg dialog(workflow);
    dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(dialog.windowTitle(), "Edit Entry");
    EXPECT_EQ(Find<QDateEdit>(dialog, "datePicker")->date(), QDate(2021, 6, 2));
    EXPECT_EQ(Find<QTimeEdit>(dialog, "timePicker")->time(), QTime(12, 30, 15));
    auto* category = Find<QComboBox>(dialog, "categoryList");
    EXPECT_EQ(Items(category), (QStringList { "Lakes", "Mountains", "Sea", "Unfiled", "Edit Categories..." }));
    EXPECT_EQ(category->currentText(), "Sea");
    auto* title = Find<LimitedLineEdit>(dialog, "titleField");
    EXPECT_EQ(title->text(), "Harbour at noon");
    EXPECT_EQ(title->selectedText(), "Harbour at noon");
    EXPECT_EQ(dialog.focusWidget(), title);
    EXPECT_EQ(Find<LimitedTextEdit>(dialog, "captionField")->toPlainText(), "Boats waiting for the tide.\nThe light was perfect.");
    auto* sync = Find<QPushButton>(dialog, "syncButton");
    EXPECT_TRUE(sync->isVisible());
    EXPECT_TRUE(sync->isEnabled());
    // The 96 x 96 thumbnail fitted into the frame.
    const QImage& picture = Find<ThumbnailFrame>(dialog, "thumbnail")->Picture();
    EXPECT_EQ(picture.size(), QSize(70, 70));
    SaveScreenshot(dialog, "CEditEntryDlg");

    Click(dialog, "OK");
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
    EXPECT_FALSE(entry->IsPending()) << "nothing changed, CR LF line breaks included";
    EXPECT_TRUE(network.calls.empty());

    // Without a service to send through the button is there but off.
    EditEntryWorkflow offline(*blog.user, *blog.store, *entry, false, nullptr);
    CEditEntryDlg offlineDialog(offline);
    EXPECT_FALSE(Find<QPushButton>(offlineDialog, "syncButton")->isHidden());
    EXPECT_FALSE(Find<QPushButton>(offlineDialog, "syncButton")->isEnabled());
}

TEST_F(EntryDialogs, SyncAppliesTheFieldsThenSendsTheEntry)
{
    ASSERT_TRUE(WriteServiceHost(u"127.0.0.1:9"));
    ScriptedNetwork network;
    EditEntryWorkflow workflow(*blog.user, *blog.store, *entry, false, &network);
    CEditEntryDlg dialog(workflow);
    auto* title = Find<LimitedLineEdit>(dialog, "titleField");
    title->SetText(QString(50, 't')); // past the limit, as a title from the service may be
    Click(dialog, "Sync");
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(blog.Shown(), std::vector<std::string> { "Please enter no more than 49 characters." });
    EXPECT_TRUE(network.calls.empty());

    title->SetText("Harbour at dusk");
    network.during = [&](ProgressWindow&) { EXPECT_EQ(entry->GetTitle(), "Harbour at dusk") << "applied before the send"; };
    Click(dialog, "Sync");
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
    EXPECT_EQ(network.calls, (std::vector<std::string> { "SyncBlog entry" }));
    EXPECT_TRUE(blog.Reloaded()->FindEntryByServerId(2)->IsPending()) << "the scripted service took nothing";
}

TEST_F(EntryDialogs, EditEntryHoldsItsLimitsAndSavesWhatChanged)
{
    entry->SetTitle(std::string(60, 't'));
    EditEntryWorkflow workflow(*blog.user, *blog.store, *entry, false, nullptr);
    CEditEntryDlg dialog(workflow);
    auto* title = Find<LimitedLineEdit>(dialog, "titleField");
    EXPECT_EQ(title->text().size(), 60) << "a longer title from the service is shown whole";
    Click(dialog, "OK");
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(blog.Shown(), std::vector<std::string> { "Please enter no more than 49 characters." });

    title->clear();
    QTest::keyClicks(title, QString(55, 'x'));
    EXPECT_EQ(title->text().size(), 49);
    Find<QComboBox>(dialog, "categoryList")->setCurrentIndex(0);
    Find<QTimeEdit>(dialog, "timePicker")->setTime(QTime(8, 0, 0));
    Click(dialog, "OK");
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
    auto saved = blog.Reloaded();
    BlogEntry* reloaded = saved->FindEntryByServerId(2);
    EXPECT_EQ(reloaded->GetTitle(), std::string(49, 'x'));
    EXPECT_EQ(reloaded->GetCategoryId(), 12u);
    EXPECT_EQ(WallClockFromProgramTime(reloaded->GetPostDate()).hour, 8);
    EXPECT_TRUE(reloaded->IsPending());
}

TEST_F(EntryDialogs, AReadOnlyEntryHasNoSyncButtonAndNoCategoryEditor)
{
    blog.store->GetBlogInfo().SetGroupBlog(1);
    blog.store->GetBlogInfo().SetOwnerId(TestBlog::kOtherUserId);
    entry->SetPosterId(TestBlog::kOtherUserId);
    ScriptedNetwork network;
    EditEntryWorkflow workflow(*blog.user, *blog.store, *entry, false, &network);
    CEditEntryDlg dialog(workflow);
    EXPECT_TRUE(Find<QPushButton>(dialog, "syncButton")->isHidden());
    EXPECT_EQ(Items(Find<QComboBox>(dialog, "categoryList")).back(), "Unfiled");
}

TEST_F(EntryDialogs, DeleteAsksWithTheDeleteDialogAndClosesWithItsResult)
{
    EditEntryWorkflow workflow(*blog.user, *blog.store, *entry, false, nullptr);
    CEditEntryDlg dialog(workflow);
    QString question;
    WhenModalOpens([&](QWidget* modal) {
        question = Find<QLabel>(*modal, "question")->text();
        Click(*modal, "No");
    });
    Click(dialog, "Delete...");
    EXPECT_EQ(question, "Delete blog entry?");
    EXPECT_EQ(dialog.result(), 0);

    WhenModalOpens([&](QWidget* modal) {
        Find<QCheckBox>(*modal, "onWebBox")->setChecked(true);
        Click(*modal, "Yes");
    });
    Click(dialog, "Delete...");
    EXPECT_EQ(dialog.result(), DialogResults::EntryDeleted);
    EXPECT_EQ(blog.store->FindEntryByServerId(2), nullptr);
}

TEST_F(EntryDialogs, EditCategoriesFromTheListKeepsWhatWasTyped)
{
    EditEntryWorkflow workflow(*blog.user, *blog.store, *entry, false, nullptr);
    int rebuilt = 0;
    workflow.SetCategoriesChangedHandler([&] { ++rebuilt; });
    CEditEntryDlg dialog(workflow);
    Find<LimitedLineEdit>(dialog, "titleField")->SetText("Typed meanwhile");

    WhenModalOpens([&](QWidget* editor) {
        WhenModalOpens([&](QWidget* naming) {
            Find<LimitedLineEdit>(*naming, "nameField")->SetText("Bays");
            Click(*naming, "OK");
        });
        Click(*editor, "New...");
        EXPECT_EQ(Find<QListWidget>(*editor, "categoryList")->currentItem()->text(), "Bays");
        Click(*editor, "Done");
    });
    auto* category = Find<QComboBox>(dialog, "categoryList");
    category->setCurrentIndex(4);
    emit category->activated(4);
    EXPECT_EQ(rebuilt, 1);
    EXPECT_EQ(Items(category), (QStringList { "Bays", "Lakes", "Mountains", "Sea", "Unfiled", "Edit Categories..." }));
    EXPECT_EQ(category->currentText(), "Sea");
    EXPECT_EQ(Find<LimitedLineEdit>(dialog, "titleField")->text(), "Typed meanwhile");
    EXPECT_NE(blog.Reloaded()->FindCategoryByName("Bays"), nullptr) << "Done saved the store";
}

TEST_F(EntryDialogs, EditEntryKeepsItsLayoutWhenMadeVeryLow)
{
    EditEntryWorkflow workflow(*blog.user, *blog.store, *entry, false, nullptr);
    CEditEntryDlg dialog(workflow);
    dialog.show();
    auto* ok = Find<QPushButton>(dialog, "okButton");
    auto* caption = Find<LimitedTextEdit>(dialog, "captionField");
    int okY = ok->y();
    int captionHeight = caption->height();
    dialog.resize(dialog.width(), DialogGeometry::ScaleY(181));
    QApplication::processEvents();
    EXPECT_EQ(ok->y(), okY);
    EXPECT_EQ(caption->height(), captionHeight);

    dialog.resize(dialog.width(), DialogGeometry::ScaleY(220));
    QApplication::processEvents();
    EXPECT_EQ(dialog.height() - ok->y(), DialogGeometry::ScaleY(28));
    EXPECT_EQ(caption->height(), captionHeight - DialogGeometry::ScaleY(48));
}

TEST_F(EntryDialogs, CaptionShowsTheCaptionFromItsStartAndF6Closes)
{
    CaptionWorkflow workflow(*entry);
    CCaptionDlg dialog(workflow);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Caption");
    auto* caption = Find<LimitedTextEdit>(dialog, "captionField");
    EXPECT_TRUE(caption->isReadOnly());
    EXPECT_EQ(caption->textCursor().position(), 0);
    EXPECT_EQ(caption->Text(), entry->GetCaptionText());
    SaveScreenshot(dialog, "CCaptionDlg");
    QTest::keyRelease(caption, Qt::Key_F6);
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
}

TEST_F(EntryDialogs, DeleteEntriesShowsTheChoicesItsOpenerAllows)
{
    DeleteEntriesWorkflow all(DeleteEntriesWorkflow::ForShownEntries(*blog.store));
    CDeleteEntriesDlg dialog(all);
    EXPECT_EQ(Find<QLabel>(dialog, "question")->text(), "Delete all blog entries shown?");
    EXPECT_FALSE(Find<QCheckBox>(dialog, "onWebBox")->isHidden());
    EXPECT_TRUE(Find<QLabel>(dialog, "remainLine")->isHidden());
    SaveScreenshot(dialog, "CDeleteEntriesDlg");
    Find<QCheckBox>(dialog, "deletePhotosBox")->setChecked(true);
    Click(dialog, "Yes");
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
    EXPECT_TRUE(all.Choices().deletePhotos);
    EXPECT_FALSE(all.Choices().onWeb);

    DeleteEntriesWorkflow notAllowed(false, true, false);
    CDeleteEntriesDlg withoutWeb(notAllowed);
    EXPECT_TRUE(Find<QCheckBox>(withoutWeb, "onWebBox")->isHidden());
    EXPECT_FALSE(Find<QLabel>(withoutWeb, "remainLine")->isHidden());

    DeleteEntriesWorkflow neverPublished(true, false, true);
    CDeleteEntriesDlg single(neverPublished);
    EXPECT_TRUE(Find<QCheckBox>(single, "onWebBox")->isHidden());
    EXPECT_TRUE(Find<QLabel>(single, "remainLine")->isHidden());
    EXPECT_EQ(Find<QCheckBox>(single, "deletePhotosBox")->text(), "Delete photo on device");
}

TEST_F(EntryDialogs, CategorizeEntriesPutsTheShownEntriesInTheChosenCategory)
{
    BlogEntry& other = blog.AddEntry(3, 100);
    CategorizeEntriesWorkflow workflow(*blog.store);
    CCategorizeEntriesDlg dialog(workflow);
    EXPECT_EQ(dialog.windowTitle(), "Categorize Entries");
    auto* list = Find<QComboBox>(dialog, "categoryList");
    EXPECT_EQ(Items(list), (QStringList { "Lakes", "Mountains", "Sea", "Unfiled" }));
    EXPECT_EQ(list->currentIndex(), 0);
    SaveScreenshot(dialog, "CCategorizeEntriesDlg");
    list->setCurrentIndex(1);
    Click(dialog, "OK");
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
    EXPECT_EQ(other.GetCategoryId(), 10u);
    EXPECT_EQ(entry->GetCategoryId(), 10u);
}

TEST_F(EntryDialogs, EditCategoriesEnablesItsButtonsOnlyWithAChoice)
{
    EditCategoriesWorkflow workflow(*blog.store);
    CEditCategoriesDlg dialog(workflow);
    auto* list = Find<QListWidget>(dialog, "categoryList");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "Lakes");
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_TRUE(FindButton(dialog, "Edit...")->isEnabled());
    SaveScreenshot(dialog, "CEditCategoriesDlg");

    WhenModalOpens([&](QWidget* naming) {
        auto* name = Find<LimitedLineEdit>(*naming, "nameField");
        EXPECT_EQ(name->selectedText(), "Lakes");
        name->SetText("Rivers");
        Click(*naming, "OK");
    });
    Click(dialog, "Edit...");
    EXPECT_EQ(list->item(1)->text(), "Rivers");
    EXPECT_EQ(list->currentRow(), 1);

    blog.Interaction().SetFallbackAnswer(true);
    for (int i = 0; i < 3; ++i) {
        list->setCurrentRow(0);
        Click(dialog, "Delete...");
    }
    EXPECT_EQ(list->count(), 0);
    EXPECT_FALSE(FindButton(dialog, "Edit...")->isEnabled());
    EXPECT_FALSE(FindButton(dialog, "Delete...")->isEnabled());
    Click(dialog, "Cancel");
    EXPECT_EQ(blog.store->GetCategoryCount(), 0u) << "changes are made at once";
}

TEST_F(EntryDialogs, CategoryNameRefusesANameTakenInAnyCase)
{
    CategoryNameWorkflow workflow(*blog.store, nullptr);
    CCategoryNameDlg dialog(workflow);
    EXPECT_EQ(dialog.windowTitle(), "Category");
    auto* name = Find<LimitedLineEdit>(dialog, "nameField");
    name->SetText("Bays");
    SaveScreenshot(dialog, "CCategoryNameDlg");
    name->SetText("sea");
    Click(dialog, "OK");
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(name->selectedText(), "sea");
    name->clear();
    QTest::keyClicks(name, QString(120, 'n'));
    EXPECT_EQ(name->text().size(), 99);
    Click(dialog, "OK");
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
}
