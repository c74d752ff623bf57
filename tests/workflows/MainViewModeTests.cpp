#include "MainViewFixture.h"

#include "workflows/LoginInfoWorkflow.h"
#include "workflows/WelcomeWorkflow.h"

TEST_F(MainViewTest, StartsInHomeModeWithEveryBlog)
{
    Start();
    EXPECT_EQ(View().GetMode(), ViewMode::Home);
    EXPECT_EQ(surface.layout, RecordingSurface::Layout::Home);
    EXPECT_EQ(surface.itemCount, 3u);
    EXPECT_EQ(View().GetTitle(), "Vellumbrix");
    EXPECT_EQ(surface.barUpdates.back(), ViewMode::Home);
}

TEST_F(MainViewTest, AFreshDeviceWithoutTheWelcomeDialogGetsTheSampleBlog)
{
    SandboxDevice fresh;
    ASSERT_TRUE(CreatePreferenceKeyChain());
    dialogs.SetNoDialogs();
    Start();
    ASSERT_EQ(User().GetBlogList().GetSize(), 1u);
    EXPECT_EQ(Blog(0).GetBlogInfo().GetUrlName(), "sample");
    EXPECT_TRUE(dialogs.Opened().empty());
    EXPECT_EQ(View().GetMode(), ViewMode::Home);
}

TEST_F(MainViewTest, TheWelcomeFlowAtStartLeavesTheAccountRefreshToTheStartUpSync)
{
    SandboxDevice fresh;
    ASSERT_TRUE(CreatePreferenceKeyChain());
    network = std::make_unique<ScriptedNetwork>();
    dialogs.Script<WelcomeWorkflow>(DialogId::Welcome, [](WelcomeWorkflow& welcome) {
        welcome.SetChoice(WelcomeWorkflow::EnterLoginInfo);
        return DialogResults::WelcomeNext;
    });
    dialogs.Script<LoginInfoWorkflow>(DialogId::LoginInfo, [](LoginInfoWorkflow& login) {
        login.GetUser().SetEmail("bob@example.com");
        login.GetUser().SetPassword("pw");
        login.GetUser().SetStartupConnect(true);
        return DialogResults::Ok;
    });
    Start();
    EXPECT_EQ(dialogs.Opened(), (std::vector<DialogId> { DialogId::Welcome, DialogId::LoginInfo }));
    // With a login there is no sample blog; the start-up sync refreshes the
    // account once, and the login was saved before it.
    EXPECT_TRUE(User().GetBlogList().IsEmpty());
    EXPECT_EQ(network->calls, (std::vector<std::string> { "SyncAll" }));
    CWinBlogUser saved;
    ASSERT_EQ(saved.ReadUserFile(), Error::Success);
    EXPECT_EQ(saved.GetEmail(), "bob@example.com");
}

TEST_F(MainViewTest, CancellingTheWelcomeFlowStillStarts)
{
    SandboxDevice fresh;
    ASSERT_TRUE(CreatePreferenceKeyChain());
    Start();
    EXPECT_EQ(dialogs.Opened(), (std::vector<DialogId> { DialogId::Welcome }));
    EXPECT_EQ(User().GetBlogList().GetSize(), 1u) << "the sample blog";
}

TEST_F(MainViewTest, TheCurrentlyViewedBlogComesBackAfterARestart)
{
    Start();
    View().OpenBlog(kTrips);
    EXPECT_EQ(ReadCurrentlyViewedBlog(), u"trips");
    Start();
    ASSERT_EQ(View().GetMode(), ViewMode::Blog);
    EXPECT_EQ(View().GetCurrentBlog()->GetBlogInfo().GetUrlName(), "trips");
    EXPECT_EQ(surface.layout, RecordingSurface::Layout::Blog);
    EXPECT_EQ(surface.itemCount, 4u);
    EXPECT_EQ(View().GetTitle(), "Trips");

    View().GoHome();
    EXPECT_EQ(ReadCurrentlyViewedBlog(), u"");
    Start();
    EXPECT_EQ(View().GetMode(), ViewMode::Home);
}

TEST_F(MainViewTest, ABlogTheUserNoLongerHasOpensInHomeMode)
{
    ASSERT_TRUE(WriteCurrentlyViewedBlog(u"gone"));
    Start();
    EXPECT_EQ(View().GetMode(), ViewMode::Home);
    ASSERT_TRUE(WriteCurrentlyViewedBlog(u"TRIPS"));
    Start();
    EXPECT_EQ(View().GetMode(), ViewMode::Blog) << "names compare without regard to case";
}

TEST_F(MainViewTest, TheHomeSelectionAndScrollComeBackFromABlog)
{
    Start();
    surface.Select(2);
    surface.scroll = 1;
    View().ItemActivated(2);
    EXPECT_EQ(View().GetCurrentBlog(), &Blog(kTrips));
    EXPECT_EQ(surface.selection, -1);
    EXPECT_EQ(surface.scroll, 0);
    View().HandleKey(ViewKey::Escape);
    EXPECT_EQ(View().GetMode(), ViewMode::Home);
    EXPECT_EQ(surface.selection, 2);
    EXPECT_EQ(surface.scroll, 1);
}

TEST_F(MainViewTest, EscapeAndOkGoBackOneStep)
{
    Start();
    EXPECT_TRUE(View().HandleKey(ViewKey::Escape));
    EXPECT_EQ(View().GetMode(), ViewMode::Home) << "Escape in Home mode does nothing";
    EXPECT_TRUE(View().RunCommand(Command::Ok));
    EXPECT_EQ(View().GetMode(), ViewMode::Home) << "OK in Home mode goes home again";

    View().OpenBlog(kTrips);
    View().OpenEntry(1);
    EXPECT_EQ(View().GetMode(), ViewMode::Entry);
    EXPECT_TRUE(View().RunCommand(Command::Ok));
    EXPECT_EQ(View().GetMode(), ViewMode::Blog);
    View().OpenEntry(1);
    EXPECT_TRUE(View().HandleKey(ViewKey::Enter));
    EXPECT_EQ(View().GetMode(), ViewMode::Blog);
    View().OpenEntry(1);
    EXPECT_TRUE(View().RunCommand(Command::CloseEntry));
    EXPECT_EQ(View().GetMode(), ViewMode::Blog);
    EXPECT_TRUE(View().RunCommand(Command::Home));
    EXPECT_EQ(View().GetMode(), ViewMode::Home);
}

TEST_F(MainViewTest, OpeningAnEntryClearsItsNewMarkAndSavesTheBlog)
{
    Start();
    View().OpenBlog(kTrips);
    BlogEntry* dunes = Blog(kTrips).GetShownEntryAt(1);
    ASSERT_TRUE(dunes->IsNewEntry());
    View().OpenEntry(1);
    EXPECT_TRUE(surface.entryPageShown);
    EXPECT_EQ(surface.pageEntry, dunes);
    EXPECT_FALSE(dunes->IsNewEntry());

    Start(); // the mark is gone from the file too
    EXPECT_FALSE(Blog(kTrips).GetShownEntryAt(1)->IsNewEntry());
}

TEST_F(MainViewTest, TheEntryPageStepsThroughTheShownEntries)
{
    Start();
    View().OpenBlog(kTrips);
    View().OpenEntry(0);
    EXPECT_TRUE(View().HandleKey(ViewKey::Left));
    EXPECT_EQ(View().GetCurrentEntryIndex(), 0) << "Previous on the first entry does nothing";
    View().HandleKey(ViewKey::Right);
    View().HandleKey(ViewKey::Right);
    EXPECT_EQ(View().GetCurrentEntryIndex(), 2);
    EXPECT_EQ(surface.selection, 2) << "the grid's selection moves with it";
    EXPECT_EQ(surface.pageEntry, Blog(kTrips).GetShownEntryAt(2));
    View().RunCommand(Command::NextEntry);
    View().RunCommand(Command::NextEntry);
    EXPECT_EQ(View().GetCurrentEntryIndex(), 3) << "Next on the last entry does nothing";
    View().HandleKey(ViewKey::Down);
    View().HandleKey(ViewKey::Down);
    View().HandleKey(ViewKey::Up);
    EXPECT_EQ(surface.pageScroll, 1);
}

TEST_F(MainViewTest, FiltersAndCategoriesChangeTheShownEntries)
{
    Start();
    View().OpenBlog(kTrips);
    surface.Select(2);
    EXPECT_TRUE(View().RunCommand(Command::ShowPending));
    EXPECT_EQ(surface.itemCount, 2u);
    EXPECT_EQ(surface.selection, -1);
    EXPECT_EQ(View().GetDropDownText(Menus::FilterDropDown), "Pending");
    EXPECT_EQ(Blog(kTrips).GetStatusFilter(), BlogStorage::kStatusPending);

    EXPECT_TRUE(View().RunCommand(Command::FirstCategory + 1)); // Mountains
    EXPECT_EQ(surface.itemCount, 1u);
    EXPECT_EQ(View().GetDropDownText(Menus::CategoryDropDown), "Mountains");
    EXPECT_TRUE(View().RunCommand(Command::ShowPublished));
    EXPECT_EQ(surface.itemCount, 1u);
    EXPECT_EQ(Blog(kTrips).GetShownEntryAt(0)->GetTitle(), "Peak");
    EXPECT_TRUE(View().RunCommand(Command::CategoryUnfiled));
    EXPECT_EQ(surface.itemCount, 0u);
    EXPECT_EQ(View().GetDropDownText(Menus::CategoryDropDown), "Unfiled");
    EXPECT_TRUE(View().RunCommand(Command::CategoryAll));
    EXPECT_TRUE(View().RunCommand(Command::ShowAll));
    EXPECT_EQ(surface.itemCount, 4u);
    View().RunCommand(Command::FirstCategory + 2);
    EXPECT_EQ(surface.itemCount, 4u) << "no third category: nothing changes";
}
