#include "MainViewFixture.h"

#include "workflows/MainViewCommandTable.h"

#include <optional>
#include <set>

namespace {

// What running a command in a mode must show that its handler ran: the
// dialog it opened, the service call it made, or the text it asked or
// showed.
struct Reach {
    CommandId id;
    ViewMode mode;
    std::optional<DialogId> dialog;
    std::string call;
    std::string message;
};

const Reach kReaches[] = {
    { Command::SubscribeToBlog, ViewMode::Home, DialogId::Subscribe, {}, {} },
    { Command::CreateNewBlog, ViewMode::Home, DialogId::NewBlog, {}, {} },
    { Command::SyncAllBlogs, ViewMode::Home, {}, "SyncAll", {} },
    { Command::EditBlogs, ViewMode::Home, DialogId::EditBlogList, {}, {} },
    { Command::AccountInfo, ViewMode::Home, DialogId::AccountInfo, {}, {} },
    { Command::CameraPrefs, ViewMode::Home, DialogId::CameraPrefs, {}, {} },
    { Command::Font, ViewMode::Home, DialogId::ChooseFont, {}, {} },
    { Command::CheckForUpdates, ViewMode::Home, {}, "CheckVersion forced", "You have the latest version of Vellumbrix." },
    { Command::About, ViewMode::Home, DialogId::About, {}, {} },
    { Command::SyncBlog, ViewMode::Blog, {}, "SyncBlog", {} },
    { Command::AddPhoto, ViewMode::Blog, DialogId::ImageSelect, {}, {} },
    { Command::Camera, ViewMode::Blog, DialogId::CameraCapture, {}, {} },
    { Command::SendEMail, ViewMode::Blog, DialogId::PhotoEmail, {}, {} },
    { Command::PostRemoteEntry, ViewMode::Blog, {}, {}, "You don't currently have any remote blogs set up. To set up a remote blog, go to your account settings on the vellumbrixweb web site and choose \"Remote Blogs.\"" },
    { Command::EditCategories, ViewMode::Blog, DialogId::EditCategories, {}, {} },
    { Command::CategorizeEntries, ViewMode::Blog, DialogId::CategorizeEntries, {}, {} },
    { Command::DeleteEntries, ViewMode::Blog, DialogId::DeleteEntries, {}, {} },
    { Command::PurgePhotos, ViewMode::Blog, DialogId::PurgePhotos, {}, {} },
    { Command::MovePhotos, ViewMode::Blog, {}, {}, "Your device doesn't currently have any external storage cards. Insert a storage card and try again." },
    { Command::BlogPrefs, ViewMode::Blog, DialogId::BlogPrefs, {}, {} },
    { Command::EditEntry, ViewMode::Entry, DialogId::EditEntry, {}, {} },
    { Command::DeleteEntry, ViewMode::Entry, DialogId::DeleteEntries, {}, {} },
    { Command::ViewComments, ViewMode::Entry, DialogId::Comments, {}, {} },
    { Command::Caption, ViewMode::Entry, DialogId::Caption, {}, {} },
    { Command::DownloadPhoto, ViewMode::Entry, DialogId::DownloadPhoto, {}, {} },
    { Command::PurgePhoto, ViewMode::Entry, {}, {}, "Delete the photo for this blog entry? The thumbnail will remain." },
};

}

class CommandTableTest : public MainViewTest {
protected:
    void EnterMode(ViewMode mode)
    {
        View().GoHome();
        if (mode == ViewMode::Home)
            return;
        View().OpenBlog(kTrips);
        if (mode == ViewMode::Entry)
            View().OpenEntry(1); // "Dunes", published
    }
};

TEST_F(CommandTableTest, EveryCommandOfTheTableReachesItsHandler)
{
    ASSERT_TRUE(WriteServiceHost(u"127.0.0.1:9"));
    network = std::make_unique<ScriptedNetwork>();
    Start();
    std::set<CommandId> reached;
    for (const Reach& reach : kReaches) {
        SCOPED_TRACE(reach.id);
        EnterMode(reach.mode);
        size_t dialogsBefore = dialogs.Opened().size();
        size_t callsBefore = network->calls.size();
        size_t messagesBefore = Interaction().ShownMessages().size();
        EXPECT_TRUE(View().RunCommand(reach.id));
        if (reach.dialog) {
            ASSERT_GT(dialogs.Opened().size(), dialogsBefore);
            EXPECT_EQ(dialogs.Opened()[dialogsBefore], *reach.dialog);
        }
        if (!reach.call.empty()) {
            ASSERT_GT(network->calls.size(), callsBefore);
            EXPECT_EQ(network->calls[callsBefore], reach.call);
        }
        if (!reach.message.empty()) {
            ASSERT_GT(Interaction().ShownMessages().size(), messagesBefore);
            EXPECT_EQ(Interaction().ShownMessages()[messagesBefore].text, reach.message);
        }
        reached.insert(reach.id);
    }
    // The rows of navigation, filters and categories are run by the mode
    // tests; every other row must be in the list above.
    for (const CommandRow& row : CommandRow::All()) {
        bool navigation = row.Covers(Command::Ok) || row.Covers(Command::CloseEntry) || row.Covers(Command::Home) || row.Covers(Command::NextEntry)
            || row.Covers(Command::ShowAll) || row.Covers(Command::ShowPublishedByMe) || row.Covers(Command::CategoryAll) || row.Covers(Command::FirstCategory);
        EXPECT_TRUE(navigation || reached.count(row.first)) << "command " << row.first << " is not run by this test";
    }
}

TEST_F(CommandTableTest, ACommandActsOnlyInItsModes)
{
    network = std::make_unique<ScriptedNetwork>();
    Start();
    EXPECT_FALSE(View().RunCommand(Command::DeleteEntries)) << "no blog is open";
    EXPECT_FALSE(View().RunCommand(Command::PurgePhoto));
    View().OpenBlog(kTrips);
    EXPECT_FALSE(View().RunCommand(Command::EditBlogs)) << "a blog is open";
    EXPECT_FALSE(View().RunCommand(Command::NextEntry)) << "no entry is shown";
    EXPECT_TRUE(dialogs.Opened().empty());
    EXPECT_FALSE(MainViewController::IsViewCommand(Command::Exit)) << "the frame's";
    EXPECT_FALSE(View().RunCommand(Command::Exit));
}

TEST_F(CommandTableTest, TheCaptionHandlerIsReachedByItsIdAlone)
{
    Start();
    View().OpenBlog(kTrips);
    EXPECT_TRUE(View().RunContextCommand(Command::Caption, 1));
    EXPECT_EQ(dialogs.Opened(), (std::vector<DialogId> { DialogId::Caption }));
}

TEST_F(CommandTableTest, ContextMenusActOnTheirCell)
{
    ASSERT_TRUE(WriteServiceHost(u"127.0.0.1:9"));
    network = std::make_unique<ScriptedNetwork>();
    Start();
    // A blog row's Sync syncs that blog and stays at home.
    EXPECT_TRUE(View().RunContextCommand(Command::SyncBlog, kEmpty));
    EXPECT_EQ(network->calls, (std::vector<std::string> { "SyncBlog" }));
    EXPECT_EQ(View().GetMode(), ViewMode::Home);
    EXPECT_FALSE(View().RunContextCommand(Command::SyncBlog, 17)) << "no such row";

    View().OpenBlog(kTrips);
    // An entry cell's View Comments asks about that entry: the pending one
    // at position 0 was never synced.
    EXPECT_TRUE(View().RunContextCommand(Command::ViewComments, 0));
    EXPECT_EQ(Messages().back(), "You need to sync this entry before you can post a comment to it.");
    EXPECT_TRUE(View().RunContextCommand(Command::ViewComments, 1));
    EXPECT_EQ(dialogs.Opened().back(), DialogId::Comments);
}
