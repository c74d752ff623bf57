#include "DialogTestKit.h"
#include "ProgramScreen.h"
#include "QtTestEnvironment.h"

#include "support/BlogFixtures.h"

#include "app/Preferences.h"
#include "dialogs/LimitedLineEdit.h"
#include "model/BlogIds.h"
#include "platform/DeviceFolders.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "workflows/MainViewController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QAbstractButton>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

// The desktop program's screen over the real dialogs: each command runs as
// its menu item runs it, the dialog it opens is answered through its
// widgets, and the test reads what the store file holds afterwards.
//
// The device has an account and one blog, "trips", with the categories
// "Beach" and "Mountains" and three entries, newest first: "Harbour"
// (published, in Beach, with a photo in the blog's photo folder), "Pending
// one" (never synced, in Beach) and "Peak" (published, in Mountains, with
// a photo).
class ProgramDialogs : public ProgramScreenTest {
protected:
    void BuildDevice() override
    {
        CWinBlogUser setup;
        ASSERT_TRUE(SaveAccount(setup, 7));
        CWinBlogStorage& trips = AddBlog(setup, { "trips", "Trips", "Where we went", false, false, 7 });
        AddCategory(trips, 501, "Beach");
        AddCategory(trips, 502, "Mountains");
        AddEntry(trips, { .title = "Harbour", .caption = "Boats waiting for the tide.", .postDate = 300, .serverId = 11, .posterId = 7, .categoryId = 501, .photoPath = Photo("harbour.jpg") });
        AddEntry(trips, { .title = "Pending one", .postDate = 200, .categoryId = 501, .pending = true });
        AddEntry(trips, { .title = "Peak", .postDate = 100, .serverId = 12, .posterId = 7, .categoryId = 502, .photoPath = Photo("peak.jpg") });
        ASSERT_EQ(trips.Save(), Error::Success);
    }

    static std::string Photo(const std::string& name)
    {
        std::string path = JoinPath(JoinPath(DeviceFolders::Current().PicturesFolder(), "trips"), name);
        EXPECT_EQ(CreateFolderWithParents(ParentPath(path)), Error::Success);
        WritePhotoFile(path, 160, 120);
        return path;
    }
};

}

TEST_F(ProgramDialogs, TheCommandsOfTheBuiltDialogsAreEnabledAndTheOthersNot)
{
    StartInTrips();
    for (CommandId id : { Command::BlogPrefs, Command::EditCategories, Command::CategorizeEntries, Command::DeleteEntries, Command::PurgePhotos, Command::MovePhotos, Command::EditEntry, Command::DeleteEntry, Command::Caption, Command::DownloadPhoto, Command::Font, Command::About, Command::ViewComments, Command::EditBlogs, Command::AccountInfo, Command::CameraPrefs, Command::AddPhoto, Command::Camera })
        EXPECT_TRUE(Controller().IsCommandEnabled(id)) << id;
    // Without the service, its commands are off.
    for (CommandId id : { Command::SubscribeToBlog, Command::CreateNewBlog, Command::SendEMail, Command::PostRemoteEntry, Command::SyncAllBlogs, Command::SyncBlog, Command::CheckForUpdates })
        EXPECT_FALSE(Controller().IsCommandEnabled(id)) << id;
}

TEST_F(ProgramDialogs, EditEntryChangesTheTitleAndTheEntryWaitsForTheNextSync)
{
    StartInTrips();
    Controller().OpenEntry(0);
    ASSERT_TRUE(RunWithDialog(Command::EditEntry, [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Edit Entry");
        EXPECT_FALSE(Find<QPushButton>(dialog, "syncButton")->isEnabled()) << "no single-entry sync without the service";
        Find<LimitedLineEdit>(dialog, "titleField")->SetText("Harbour at dusk");
        Click(dialog, "OK");
    }));
    auto saved = Saved();
    const BlogEntry* harbour = saved->FindEntryByServerId(11);
    EXPECT_EQ(harbour->GetTitle(), "Harbour at dusk");
    EXPECT_TRUE(harbour->IsPending());
    EXPECT_EQ(Controller().GetMode(), ViewMode::Entry);
}

TEST_F(ProgramDialogs, DeleteEntriesOnTheWebQueuesTheShownEntries)
{
    StartInTrips();
    Controller().RunCommand(Command::ShowPublished);
    ASSERT_TRUE(RunWithDialog(Command::DeleteEntries, [](QDialog& dialog) {
        Find<QCheckBox>(dialog, "onWebBox")->setChecked(true);
        Click(dialog, "Yes");
    }));
    auto saved = Saved();
    EXPECT_EQ(saved->GetDeletedEntries().GetSize(), 2u);
    EXPECT_EQ(saved->GetEntries().GetSize(), 1u) << "the pending entry was not shown";
    EXPECT_EQ(Controller().GetItemCount(), 0u);
}

TEST_F(ProgramDialogs, DeleteEntryFromTheEntryPageWithItsPhoto)
{
    StartInTrips();
    std::string photo = Saved()->FindEntryByServerId(12)->GetPhotoPath();
    Controller().OpenEntry(2);
    ASSERT_TRUE(RunWithDialog(Command::DeleteEntry, [](QDialog& dialog) {
        Find<QCheckBox>(dialog, "deletePhotosBox")->setChecked(true);
        Click(dialog, "Yes");
    }));
    EXPECT_FALSE(PathExists(photo));
    EXPECT_EQ(Controller().GetMode(), ViewMode::Blog);
    EXPECT_EQ(Controller().GetItemCount(), 2u) << "kept hidden on the device";
}

TEST_F(ProgramDialogs, CategorizeEntriesMovesTheShownEntries)
{
    StartInTrips();
    Controller().RunCommand(Command::FirstCategory); // Beach
    ASSERT_TRUE(RunWithDialog(Command::CategorizeEntries, [](QDialog& dialog) {
        Find<QComboBox>(dialog, "categoryList")->setCurrentIndex(1); // Mountains
        Click(dialog, "OK");
    }));
    auto saved = Saved();
    EXPECT_EQ(saved->FindEntryByServerId(11)->GetCategoryId(), 502u);
    EXPECT_EQ(Controller().GetItemCount(), 0u);
}

TEST_F(ProgramDialogs, EditCategoriesMakesACategoryThroughTheNameDialog)
{
    StartInTrips();
    ASSERT_TRUE(RunWithDialog(Command::EditCategories, [](QDialog& dialog) {
        WhenModalOpens([](QWidget* naming) {
            EXPECT_EQ(naming->windowTitle(), "Category");
            Find<LimitedLineEdit>(*naming, "nameField")->SetText("Lakes");
            Click(*naming, "OK");
        });
        Click(dialog, "New...");
        Click(dialog, "Done");
    }));
    EXPECT_NE(Saved()->FindCategoryByName("Lakes"), nullptr);
    std::vector<std::string> names;
    for (const MenuItem& item : Controller().BuildMenu(Menus::BlogTools)) {
        if (item.text == "Category") {
            for (const MenuItem& category : item.submenu)
                names.push_back(category.text);
        }
    }
    EXPECT_EQ(names, (std::vector<std::string> { "All", "Beach", "Lakes", "Mountains", "Unfiled", "Edit Categories..." }));
}

TEST_F(ProgramDialogs, BlogPrefsKeepsTheNewTitleAndTheNavigationBarShowsIt)
{
    StartInTrips();
    ASSERT_TRUE(RunWithDialog(Command::BlogPrefs, [](QDialog& dialog) {
        auto* pages = Find<QTabWidget>(dialog, "pages");
        ASSERT_EQ(pages->count(), 2);
        pages->setCurrentIndex(0); // "Blog"
        Find<LimitedLineEdit>(dialog, "titleField")->SetText("Travels");
        Click(dialog, "OK");
    }));
    EXPECT_EQ(Saved()->GetBlogInfo().GetTitle(), "Travels");
    EXPECT_EQ(Controller().GetTitle(), "Travels");
}

TEST_F(ProgramDialogs, DownloadPhotoAsksForALargerPhotoAtTheNextSync)
{
    StartInTrips();
    Controller().OpenEntry(0);
    ASSERT_TRUE(RunWithDialog(Command::DownloadPhoto, [](QDialog& dialog) {
        EXPECT_FALSE(Find<QPushButton>(dialog, "nowButton")->isEnabled()) << "no download at once without the service";
        Find<QComboBox>(dialog, "sizeList")->setCurrentIndex(4); // "640x480"
        Click(dialog, "Next Sync");
    }));
    auto saved = Saved();
    const BlogEntry* harbour = saved->FindEntryByServerId(11);
    EXPECT_EQ(harbour->GetPhotoState(), 6 + 6);
    EXPECT_FALSE(harbour->IsPending());
    EXPECT_EQ(ReadDownloadPhotoSize(), 6u);
}

TEST_F(ProgramDialogs, PurgeAndMovePhotos)
{
    std::string card = device.AddStorageCard();
    StartInTrips();
    ASSERT_TRUE(RunWithDialog(Command::MovePhotos, [](QDialog& dialog) {
        EXPECT_EQ(Find<QComboBox>(dialog, "destinationList")->currentText(), "Storage Card");
        Click(dialog, "OK");
    }));
    std::string moved = Saved()->FindEntryByServerId(11)->GetPhotoPath();
    EXPECT_EQ(moved, JoinPath(card, "DCIM/trips/harbour.jpg"));
    EXPECT_TRUE(PathExists(moved));

    ASSERT_TRUE(RunWithDialog(Command::PurgePhotos, [](QDialog& dialog) { Click(dialog, "Yes"); }));
    EXPECT_FALSE(PathExists(moved));
    EXPECT_TRUE(Saved()->FindEntryByServerId(11)->GetPhotoPath().empty());
}

TEST_F(ProgramDialogs, FontCaptionAndAbout)
{
    StartInTrips();
    Controller().OpenEntry(0);
    QString caption;
    ASSERT_TRUE(RunWithDialog(Command::Caption, [&](QDialog& dialog) {
        caption = Find<QPlainTextEdit>(dialog, "captionField")->toPlainText();
        Click(dialog, "OK");
    }));
    EXPECT_EQ(caption, "Boats waiting for the tide.");

    Controller().GoHome();
    ASSERT_TRUE(RunWithDialog(Command::About, [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "About Vellumbrix");
        Click(dialog, "OK");
    }));
    ASSERT_TRUE(RunWithDialog(Command::Font, [](QDialog& dialog) {
        Find<QComboBox>(dialog, "sizeList")->setCurrentText("12");
        FindButton(dialog, "Bold")->setChecked(true);
        Click(dialog, "OK");
    }));
    auto font = ReadMainViewFont();
    ASSERT_TRUE(font.has_value());
    EXPECT_EQ(font->height, -16) << "12 points at 96 dpi";
    EXPECT_EQ(font->weight, 700);
}
