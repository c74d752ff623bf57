// Creating, subscribing to, browsing and removing blogs, headless against the
// reference service (the first sync of a subscription scripted).

#include "AccountServiceBench.h"

#include "app/ScreenSize.h"
#include "model/CWinBlogStorage.h"
#include "support/TemporaryFolder.h"
#include "model/CWinBlogChannel.h"
#include "platform/Path.h"
#include "workflows/BlogPrefsWorkflow.h"
#include "workflows/BrowseBlogsWorkflow.h"
#include "workflows/ConfirmDeleteBlogWorkflow.h"
#include "workflows/EditBlogListWorkflow.h"
#include "workflows/LoginInfoWorkflow.h"
#include "workflows/NewBlogWorkflow.h"
#include "workflows/SubscribeWorkflow.h"
#include "workflows/WelcomeFlow.h"
#include "workflows/WelcomeWorkflow.h"

#include <fstream>

namespace {

const char* const kInvalidUrl = "A Blog URL can only contain alphanumeric characters or '_' and '-'.";

void AddBlog(CWinBlogUser& user, const std::string& urlName, const std::string& title = {})
{
    auto store = std::make_unique<CWinBlogStorage>(user.GetDataFolder(), urlName);
    store->GetBlogInfo().SetTitle(title);
    ASSERT_EQ(store->Save(), Error::Success);
    user.GetBlogList().Insert(std::move(store));
}

}

TEST_F(AccountServiceBench, CreateBlogChecksTheUrlBeforeSendingAndAnnouncesTheBlog)
{
    LogIn();
    NewBlogWorkflow newBlog(*user, Services());
    EXPECT_EQ(newBlog.Create({ u"my pics", u"", u"" }), DialogOutcome::Stay(NewBlogFields::kUrlField));
    EXPECT_EQ(newBlog.Create({ u"", u"", u"" }), DialogOutcome::Stay(NewBlogFields::kUrlField));
    EXPECT_EQ(newBlog.Create({ u"pics", std::u16string(48, u't'), u"" }), DialogOutcome::Stay(NewBlogFields::kTitleField));
    EXPECT_EQ(Shown(), (std::vector<std::string> { kInvalidUrl, kInvalidUrl, "Please enter no more than 47 characters." }));
    EXPECT_EQ(ProgressWindowsOpened(), 0u) << "nothing was sent";

    EXPECT_EQ(newBlog.Create({ u"pics", u"Pictures", u"Mine" }), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_EQ(Shown().back(), "Congratulations! Your VellumbrixWeb website has been created. You can now start sharing your photos online!");
    std::unique_ptr<CWinBlogStorage> store = newBlog.TakeNewBlog();
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(store->GetBlogInfo().GetUrlName(), "pics");
    EXPECT_EQ(store->GetBlogInfo().GetSubtitleText(), u"Mine");
    EXPECT_EQ(user->GetBlogList().GetSize(), 0u) << "the opener adds it";

    NewBlogWorkflow again(*user, Services());
    EXPECT_EQ(again.Create({ u"pics", u"", u"" }), DialogOutcome::Stay(NewBlogFields::kUrlField));
    EXPECT_NE(Shown().back().find("\"pics\"  is already in use"), std::string::npos);
    EXPECT_FALSE(again.HasNewBlog());
}

TEST_F(AccountServiceBench, CreateBlogWithAWrongPasswordShowsTheServersTextOnce)
{
    LogIn();
    user->SetPassword("wrong");
    NewBlogWorkflow newBlog(*user, Services());
    size_t before = Shown().size();
    EXPECT_EQ(newBlog.Create({ u"pics", u"", u"" }), DialogOutcome::Stay(NewBlogFields::kUrlField));
    EXPECT_EQ(Shown().size(), before + 1);
    EXPECT_FALSE(newBlog.HasNewBlog());
}

TEST_F(AccountServiceBench, SubscribePageZeroRefusesWithoutTheNetwork)
{
    AddBlog(*user, "Trips");
    SubscribeWorkflow subscribe(*user, dialogs, Services());
    EXPECT_EQ(subscribe.NextButtonText(), "Next");
    EXPECT_EQ(subscribe.Next(u"", {}), DialogOutcome::Stay(SubscribeWorkflow::kUrlField));
    EXPECT_EQ(subscribe.Next(u"trips", {}), DialogOutcome::Stay(SubscribeWorkflow::kUrlField));
    EXPECT_EQ(Shown(), (std::vector<std::string> { "Please enter a Blog URL.", "You're already subscribed to this blog." }));
    EXPECT_EQ(ProgressWindowsOpened(), 0u);
    EXPECT_EQ(subscribe.GetPage(), SubscribeWorkflow::kUrlPage);

    EXPECT_FALSE(subscribe.Next(u"some.blog", {}).closes) << "no character rule for someone else's blog";
    EXPECT_EQ(subscribe.GetPage(), SubscribeWorkflow::kSettingsPage);
    EXPECT_EQ(subscribe.NextButtonText(), "Subscribe");
}

TEST_F(AccountServiceBench, SubscribeDefaultsFollowTheScreen)
{
    ScreenSize::Set({ 240, 320 });
    SubscribeWorkflow small(*user, dialogs, Services());
    SyncPageWorkflow::Controls settings = small.OpeningSettings();
    EXPECT_EQ(small.DownloadList().ValueAt(settings.downloadChoice), 3);
    EXPECT_EQ(small.UploadList().ValueAt(settings.uploadChoice), 3);
    EXPECT_TRUE(settings.limitEntries);
    EXPECT_EQ(settings.entryLimit, u"25");
    EXPECT_FALSE(settings.deleteAfterUpload);
    ScreenSize::Set({ 480, 640 });
    SubscribeWorkflow large(*user, dialogs, Services());
    EXPECT_EQ(large.DownloadList().ValueAt(large.OpeningSettings().downloadChoice), 5);
    ScreenSize::Set({ 240, 320 });
}

TEST_F(AccountServiceBench, SubscribingRunsTheFirstSyncWithTheSettingsChosen)
{
    LogIn();
    SubscribeWorkflow subscribe(*user, dialogs, Services());
    ASSERT_FALSE(subscribe.Next(u"gallery", {}).closes);
    SyncPageWorkflow::Controls settings = subscribe.OpeningSettings();
    settings.downloadChoice = 1;
    settings.entryLimit = u"10";
    settings.deleteAfterUpload = true;
    EXPECT_EQ(subscribe.Next(u"gallery", settings), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_EQ(network.calls, (std::vector<std::string> { "SyncBlog" }));
    ASSERT_EQ(ProgressWindowsOpened(), 1u);
    EXPECT_EQ(Interaction().ProgressWindows()[0]->lines[0], "gallery");
    std::unique_ptr<CWinBlogStorage> store = subscribe.TakeNewBlog();
    ASSERT_NE(store, nullptr);
    const CBlogInfo& info = store->GetBlogInfo();
    EXPECT_EQ(info.GetUrlName(), "gallery");
    EXPECT_EQ(info.GetDownloadSize(), 1);
    EXPECT_EQ(info.GetUploadSize(), 3);
    EXPECT_EQ(info.GetEntryLimit(), 10);
    EXPECT_TRUE(info.GetLimitEntries());
    EXPECT_TRUE(info.GetDeleteAfterUpload());
    EXPECT_EQ(user->GetBlogList().GetSize(), 0u) << "the opener adds it";
}

TEST_F(AccountServiceBench, ACancelledFirstSyncStillSubscribesAndAFailedOneUndoesIt)
{
    LogIn();
    SubscribeWorkflow subscribe(*user, dialogs, Services());
    ASSERT_FALSE(subscribe.Next(u"gallery", {}).closes);
    network.result = Error::AlreadyReported; // the sync was cancelled and said so
    EXPECT_EQ(subscribe.Next(u"gallery", subscribe.OpeningSettings()), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_TRUE(subscribe.HasNewBlog());

    SubscribeWorkflow failing(*user, dialogs, Services());
    ASSERT_FALSE(failing.Next(u"gallery", {}).closes);
    SyncPageWorkflow::Controls settings = failing.OpeningSettings();
    settings.entryLimit = u"lots";
    EXPECT_EQ(failing.Next(u"gallery", settings),
        DialogOutcome::Stay(SubscribeWorkflow::kFirstSettingsField + SyncPageWorkflow::kEntryLimitField));
    EXPECT_EQ(network.calls.size(), 1u) << "a bad limit is refused before anything runs";
    network.result = Error::NoResponse;
    size_t shownBefore = Shown().size();
    EXPECT_EQ(failing.Next(u"gallery", failing.OpeningSettings()), DialogOutcome::Stay(SubscribeWorkflow::kUrlField));
    EXPECT_EQ(failing.GetPage(), SubscribeWorkflow::kUrlPage);
    EXPECT_EQ(failing.NextButtonText(), "Next");
    EXPECT_FALSE(failing.HasNewBlog());
    EXPECT_EQ(Shown().size(), shownBefore + 1) << "the failure is shown through the error table";
    EXPECT_FALSE(PathExists(JoinPath(user->GetDataFolder(), "gallery.vxl"))) << "nothing of the blog is left";
}

TEST_F(AccountServiceBench, BrowseListsTheRecommendedBlogsByNameAndAnEmptyPickEmptiesTheField)
{
    LogIn();
    TemporaryFolder folder;
    std::string list = folder.File("channels.txt");
    {
        std::ofstream file(list);
        file << "zebra Stripes\napple\nMango Pictures\n";
    }
    ASSERT_EQ(reference.Admin({ "set-channels", list }), 0);
    SubscribeWorkflow subscribe(*user, dialogs, Services());
    std::vector<std::u16string> shown;
    dialogs.Script<BrowseBlogsWorkflow>(DialogId::BrowseBlogs, [&](BrowseBlogsWorkflow& browse) {
        for (const CWinBlogChannel* channel : browse.Items())
            shown.push_back(channel->GetDisplayLine());
        return browse.Subscribe(1).result;
    });
    EXPECT_EQ(subscribe.Browse(), std::optional<std::u16string>(u"Mango"));
    EXPECT_EQ(shown, (std::vector<std::u16string> { u"apple", u"Mango Pictures", u"zebra Stripes" }));

    dialogs.Script<BrowseBlogsWorkflow>(DialogId::BrowseBlogs, [](BrowseBlogsWorkflow& browse) { return browse.Subscribe(std::nullopt).result; });
    EXPECT_EQ(subscribe.Browse(), std::optional<std::u16string>(u""));
    dialogs.ScriptResult(DialogId::BrowseBlogs, DialogResults::Cancel);
    EXPECT_EQ(subscribe.Browse(), std::nullopt) << "Cancel leaves the field alone";
}

TEST_F(AccountServiceBench, EditBlogsUnsubscribesAndOpensThePreferences)
{
    AddBlog(*user, "zoo", "Animals");
    AddBlog(*user, "trips");
    AddBlog(*user, "b");
    EditBlogListWorkflow edit(*user, dialogs);
    std::vector<std::u16string> names;
    for (const auto& item : edit.Items())
        names.push_back(item.text);
    EXPECT_EQ(names, (std::vector<std::u16string> { u"Animals", u"b", u"trips" }));
    EXPECT_EQ(edit.FirstSelection(), std::optional<size_t>(0));
    EXPECT_FALSE(edit.CanEdit(std::nullopt));

    dialogs.ScriptResult(DialogId::ConfirmDeleteBlog, DialogResults::Cancel);
    EXPECT_FALSE(edit.Unsubscribe(1));
    EXPECT_EQ(user->GetBlogList().GetSize(), 3u);

    std::string bFile = user->FindBlog(std::string_view("b"))->GetFilePath();
    dialogs.ScriptResult(DialogId::ConfirmDeleteBlog, DialogResults::Ok);
    EXPECT_TRUE(edit.Unsubscribe(1));
    EXPECT_EQ(edit.Items().size(), 2u);
    EXPECT_EQ(user->FindBlog(std::string_view("b")), nullptr);
    EXPECT_FALSE(PathExists(bFile));

    dialogs.Script<BlogPrefsWorkflow>(DialogId::BlogPrefs, [](BlogPrefsWorkflow& prefs) {
        EXPECT_EQ(prefs.GetPages(), BlogPreferencesPages::BlogAndSync);
        prefs.PageOpened(BlogPrefsWorkflow::Page::Blog);
        BlogPageWorkflow::Controls blog = prefs.BlogPage()->Opening();
        blog.title = u"A trip";
        return prefs.Ok(prefs.SyncPage().Opening(), blog).dialog.result;
    });
    EXPECT_EQ(edit.EditBlogPrefs(1), std::optional<size_t>(0)) << "the renamed blog sorts first now";
    EXPECT_TRUE(PathExists(user->FindBlog(std::string_view("trips"))->GetFilePath()));

    for (int i = 0; i < 2; ++i)
        dialogs.ScriptResult(DialogId::ConfirmDeleteBlog, DialogResults::Ok);
    EXPECT_TRUE(edit.Unsubscribe(0));
    EXPECT_TRUE(edit.Unsubscribe(0));
    EXPECT_TRUE(edit.Items().empty());
    EXPECT_EQ(edit.FirstSelection(), std::nullopt);
}

TEST_F(AccountServiceBench, ALoginAfterStartUpIsSavedBeforeItsRefreshRuns)
{
    dialogs.Script<WelcomeWorkflow>(DialogId::Welcome, [](WelcomeWorkflow& welcome) {
        welcome.SetChoice(WelcomeWorkflow::EnterLoginInfo);
        return DialogResults::WelcomeNext;
    });
    dialogs.Script<LoginInfoWorkflow>(DialogId::LoginInfo, [](LoginInfoWorkflow& login) { return login.Next(u"zoe@example.com", u"pw").result; });
    bool savedBeforeRefresh = false;
    network.during = [&](ProgressWindow&) { savedBeforeRefresh = UserFileExists(); };
    EXPECT_TRUE(RunWelcomeFlow(dialogs, Services(), *user, false));
    EXPECT_EQ(network.calls, (std::vector<std::string> { "GetUserInfo" }));
    EXPECT_TRUE(savedBeforeRefresh);
}
