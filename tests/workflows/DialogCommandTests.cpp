#include "MainViewFixture.h"

#include "app/ProgramVersion.h"
#include "model/BlogIds.h"
#include "platform/DeviceFolders.h"
#include "platform/FileSystem.h"
#include "workflows/AboutWorkflow.h"
#include "workflows/CaptionWorkflow.h"
#include "workflows/CategorizeEntriesWorkflow.h"
#include "workflows/ChooseFontWorkflow.h"
#include "workflows/EditCategoriesWorkflow.h"
#include "workflows/PurgePhotosWorkflow.h"

// The dialogs of the command table opened from their commands, each
// answered through its workflow as its buttons answer, and what that leaves
// in the store and the preferences.
class DialogCommandTest : public MainViewTest {
protected:
    void OpenTrips()
    {
        Start();
        View().OpenBlog(kTrips);
    }
    // The blog "trips" as its file holds it.
    const CWinBlogStorage& SavedTrips()
    {
        Start();
        return Blog(kTrips);
    }
};

TEST_F(DialogCommandTest, CategorizeEntriesPutsTheShownEntriesIntoTheChosenCategory)
{
    OpenTrips();
    View().RunCommand(Command::FirstCategory); // "Beach": "Pending one" and "Dunes"
    dialogs.Script<CategorizeEntriesWorkflow>(DialogId::CategorizeEntries, [](CategorizeEntriesWorkflow& workflow) {
        const auto& items = workflow.CategoryList();
        EXPECT_EQ(items.size(), 3u) << "Beach, Mountains, Unfiled";
        return workflow.Ok(1).result; // "Mountains"
    });
    EXPECT_TRUE(View().RunCommand(Command::CategorizeEntries));
    EXPECT_EQ(surface.itemCount, 0u) << "none is in Beach any more";

    const CWinBlogStorage& saved = SavedTrips();
    const BlogEntry* dunes = saved.FindEntryByServerId(11);
    EXPECT_EQ(dunes->GetCategoryId(), 502u);
    EXPECT_TRUE(dunes->IsPending()) << "the change goes up at the next sync";
}

TEST_F(DialogCommandTest, EditCategoriesChangesTheMenusAndKeepsWhatItMadeEvenWhenCancelled)
{
    OpenTrips();
    size_t barUpdates = surface.barUpdates.size();
    dialogs.Script<EditCategoriesWorkflow>(DialogId::EditCategories, [](EditCategoriesWorkflow& workflow) {
        EXPECT_TRUE(workflow.AddCategory("Lakes").has_value());
        return workflow.Done().result;
    });
    EXPECT_TRUE(View().RunCommand(Command::EditCategories));
    EXPECT_GT(surface.barUpdates.size(), barUpdates) << "the category menu is rebuilt";
    Menu category;
    for (const MenuItem& item : View().BuildMenu(Menus::BlogTools)) {
        if (item.text == "Category")
            category = item.submenu;
    }
    ASSERT_EQ(category.size(), 6u);
    EXPECT_EQ(category[2].text, "Lakes");

    dialogs.Script<EditCategoriesWorkflow>(DialogId::EditCategories, [](EditCategoriesWorkflow& workflow) {
        EXPECT_TRUE(workflow.AddCategory("Rivers").has_value());
        return DialogResults::Cancel;
    });
    View().RunCommand(Command::EditCategories);
    const CWinBlogStorage& saved = SavedTrips();
    EXPECT_NE(saved.FindCategoryByName("Lakes"), nullptr);
    EXPECT_NE(saved.FindCategoryByName("Rivers"), nullptr) << "Cancel undoes nothing, and the file keeps it";
}

TEST_F(DialogCommandTest, PurgePhotosDeletesThePublishedShownEntriesPhotosOnYes)
{
    std::string folder = DeviceFolders::Current().PicturesFolder();
    ASSERT_EQ(CreateFolderWithParents(folder), Error::Success);
    std::string published = folder + "/dunes.jpg";
    std::string pending = folder + "/pending.jpg";
    WritePhotoFile(published, 64, 48);
    WritePhotoFile(pending, 64, 48);
    {
        CWinBlogUser setup;
        setup.Load();
        CWinBlogStorage* trips = setup.FindBlog(std::string_view("trips"));
        trips->FindEntryByServerId(11)->SetPhotoPath(published);
        trips->GetEntries().GetAt(0)->SetPhotoPath(pending); // "Pending one"
        ASSERT_EQ(trips->Save(), Error::Success);
    }
    OpenTrips();
    dialogs.ScriptResult(DialogId::PurgePhotos, DialogResults::Cancel); // "No"
    View().RunCommand(Command::PurgePhotos);
    EXPECT_TRUE(PathExists(published));

    dialogs.Script<PurgePhotosWorkflow>(DialogId::PurgePhotos, [](PurgePhotosWorkflow& workflow) { return workflow.Yes().result; });
    View().RunCommand(Command::PurgePhotos);
    EXPECT_FALSE(PathExists(published));
    EXPECT_TRUE(PathExists(pending)) << "a photo never published has no other copy";
    EXPECT_TRUE(SavedTrips().FindEntryByServerId(11)->GetPhotoPath().empty());
}

TEST_F(DialogCommandTest, FontWritesTheMainViewFontAndTheViewTakesIt)
{
    Start();
    dialogs.Script<ChooseFontWorkflow>(DialogId::ChooseFont, [](ChooseFontWorkflow& workflow) {
        workflow.SetFaceNames({ u"DejaVu Sans", u"DejaVu Serif" });
        ChooseFontWorkflow::Controls controls = workflow.Opening();
        controls.faceName = u"DejaVu Serif";
        controls.size = u"12";
        controls.bold = true;
        return workflow.Ok(controls).result;
    });
    EXPECT_TRUE(View().RunCommand(Command::Font));
    ASSERT_TRUE(surface.font.has_value());
    EXPECT_EQ(surface.font->faceName, u"DejaVu Serif");
    EXPECT_EQ(surface.font->height, -16) << "12 points at 96 dpi";
    EXPECT_EQ(surface.font->weight, ChooseFontWorkflow::kBold);
    auto kept = ReadMainViewFont();
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->faceName, u"DejaVu Serif");

    dialogs.ScriptResult(DialogId::ChooseFont, DialogResults::Cancel);
    surface.font.reset();
    View().RunCommand(Command::Font);
    EXPECT_FALSE(surface.font.has_value()) << "Cancel changes nothing";
}

TEST_F(DialogCommandTest, CaptionAndAboutShowWhatTheyAreGivenAndChangeNothing)
{
    OpenTrips();
    View().OpenEntry(1);
    std::u16string caption;
    dialogs.Script<CaptionWorkflow>(DialogId::Caption, [&](CaptionWorkflow& workflow) {
        caption = workflow.Caption();
        return DialogResults::Ok;
    });
    EXPECT_TRUE(View().RunCommand(Command::Caption));
    EXPECT_EQ(caption, u"Windy");

    View().GoHome();
    std::string version;
    dialogs.Script<AboutWorkflow>(DialogId::About, [&](AboutWorkflow& workflow) {
        version = workflow.VersionLine();
        return DialogResults::Ok;
    });
    EXPECT_TRUE(View().RunCommand(Command::About));
    EXPECT_EQ(version, "Vellumbrix Vers " + std::string(ProgramVersionText()));
}
