#include "MainViewFixture.h"

class NetworkCommandTest : public MainViewTest {
protected:
    void SetUp() override
    {
        MainViewTest::SetUp();
        ASSERT_TRUE(WriteServiceHost(u"127.0.0.1:9"));
        network = std::make_unique<ScriptedNetwork>();
    }
};

TEST_F(NetworkCommandTest, SyncingABlogRunsInAHiddenProgressWindowShownOnceConnected)
{
    Start();
    View().OpenBlog(kTrips);
    surface.Select(1);
    network->during = [this](ProgressWindow&) {
        AddEntry(Blog(kTrips), { .title = "Arrived", .postDate = 500, .serverId = 13 });
    };
    View().RunCommand(Command::SyncBlog);
    EXPECT_EQ(network->calls, (std::vector<std::string> { "SyncBlog" }));
    ASSERT_EQ(Interaction().ProgressWindows().size(), 1u);
    auto& window = *Interaction().ProgressWindows()[0];
    EXPECT_EQ(window.lines.size(), 3u);
    EXPECT_TRUE(window.shown);
    EXPECT_TRUE(window.closed);
    EXPECT_EQ(surface.itemCount, 5u);
    EXPECT_EQ(surface.selection, -1);
    EXPECT_EQ(surface.scroll, 0);
    Start();
    EXPECT_EQ(Blog(kTrips).GetEntries().GetSize(), 5u) << "a blog that synced is saved";
}

TEST_F(NetworkCommandTest, AFailedSyncLeavesTheFileAlone)
{
    Start();
    View().OpenBlog(kTrips);
    network->result = Error::AlreadyReported;
    network->during = [this](ProgressWindow&) { AddEntry(Blog(kTrips), { .title = "Half", .postDate = 500, .serverId = 13 }); };
    View().RunCommand(Command::SyncBlog);
    EXPECT_EQ(surface.itemCount, 5u) << "the view shows what the store holds";
    Start();
    EXPECT_EQ(Blog(kTrips).GetEntries().GetSize(), 4u);
}

TEST_F(NetworkCommandTest, CancelWhileConnectingRunsNothing)
{
    Start();
    Interaction().ScriptCancelAfter(0);
    View().RunCommand(Command::SyncAllBlogs);
    EXPECT_TRUE(network->calls.empty());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(NetworkCommandTest, SyncAllRefreshesTheHomeList)
{
    Start();
    surface.Select(2);
    network->during = [this](ProgressWindow&) {
        CWinBlogUser& user = View().GetUser();
        EXPECT_EQ(user.RemoveBlog(user.GetBlogList().GetAt(2), false), Error::Success);
    };
    View().RunCommand(Command::SyncAllBlogs);
    EXPECT_EQ(surface.itemCount, 2u);
    EXPECT_EQ(surface.selection, -1);
}

TEST_F(NetworkCommandTest, CheckForUpdatesSpeaksOnlyWhenItKnows)
{
    Start();
    View().RunCommand(Command::CheckForUpdates);
    network->newVersion = true;
    View().RunCommand(Command::CheckForUpdates);
    network->newVersion = false;
    network->versionChecked = false;
    View().RunCommand(Command::CheckForUpdates);
    EXPECT_EQ(Messages(), (std::vector<std::string> { "You have the latest version of Vellumbrix." }));
    EXPECT_EQ(network->calls.size(), 3u);
}
