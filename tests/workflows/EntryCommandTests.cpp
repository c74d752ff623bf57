#include "MainViewFixture.h"

#include "platform/DeviceFolders.h"
#include "platform/FileSystem.h"
#include "workflows/DeleteEntriesWorkflow.h"
#include "workflows/DownloadPhotoWorkflow.h"
#include "workflows/EditEntryWorkflow.h"

class EntryCommandTest : public MainViewTest {
protected:
    // Gives the published entry "Dunes" a photo file of size code 6 and
    // opens it (shown position 1).
    std::string OpenDunesWithPhoto()
    {
        std::string path = DeviceFolders::Current().PicturesFolder() + "/dunes.jpg";
        EXPECT_EQ(CreateFolderWithParents(DeviceFolders::Current().PicturesFolder()), Error::Success);
        WritePhotoFile(path, 640, 480);
        {
            CWinBlogUser setup;
            setup.Load();
            CWinBlogStorage* trips = setup.FindBlog(std::string_view("trips"));
            BlogEntry* dunes = trips->FindEntryByServerId(11);
            dunes->SetPhotoPath(path);
            dunes->SetPhotoState(6);
            EXPECT_EQ(trips->Save(), Error::Success);
        }
        Start();
        View().OpenBlog(kTrips);
        View().OpenEntry(1);
        return path;
    }
};

TEST_F(EntryCommandTest, AnEditedDateMovesTheEntryAndThePageFollowsIt)
{
    Start();
    View().OpenBlog(kTrips);
    View().OpenEntry(3); // "Peak", the oldest
    dialogs.Script<EditEntryWorkflow>(DialogId::EditEntry, [](EditEntryWorkflow& workflow) {
        EXPECT_FALSE(workflow.IsNotOnWeb());
        // From 100 to 350 seconds into the program's time.
        EditEntryWorkflow::Controls controls = workflow.Opening();
        controls.time.minute = 5;
        controls.time.second = 50;
        return workflow.Ok(controls).result;
    });
    View().RunCommand(Command::EditEntry);
    EXPECT_EQ(View().GetCurrentEntryIndex(), 1);
    EXPECT_EQ(surface.selection, 1);
    EXPECT_EQ(surface.pageEntry->GetTitle(), "Peak");
}

TEST_F(EntryCommandTest, AnEntryDeletedInTheEditorClosesThePage)
{
    Start();
    View().OpenBlog(kTrips);
    View().OpenEntry(0);
    dialogs.Script<EditEntryWorkflow>(DialogId::EditEntry, [](EditEntryWorkflow& workflow) {
        EXPECT_TRUE(workflow.IsNotOnWeb());
        return workflow.Delete({ .onWeb = false, .deletePhotos = false }).result;
    });
    View().RunCommand(Command::EditEntry);
    EXPECT_EQ(View().GetMode(), ViewMode::Blog);
    EXPECT_FALSE(surface.entryPageShown);
    EXPECT_EQ(surface.itemCount, 3u);
}

TEST_F(EntryCommandTest, DeleteEntryAsksAboutThatEntryAndClosesThePage)
{
    std::string photo = OpenDunesWithPhoto();
    dialogs.Script<DeleteEntriesWorkflow>(DialogId::DeleteEntries, [](DeleteEntriesWorkflow& workflow) {
        EXPECT_TRUE(workflow.IsSingle());
        EXPECT_FALSE(workflow.HasNoWebChoice());
        EXPECT_FALSE(workflow.IsNotOnWeb());
        return workflow.Yes({ .onWeb = false, .deletePhotos = true }).result;
    });
    View().RunCommand(Command::DeleteEntry);
    EXPECT_FALSE(PathExists(photo));
    EXPECT_EQ(View().GetMode(), ViewMode::Blog);
    EXPECT_EQ(surface.itemCount, 3u);
    Start();
    EXPECT_EQ(Blog(kTrips).GetShownEntryCount(), 3u) << "saved hidden";
}

TEST_F(EntryCommandTest, DownloadingASizeTheEntryHasSaysSo)
{
    OpenDunesWithPhoto();
    dialogs.Script<DownloadPhotoWorkflow>(DialogId::DownloadPhoto, [](DownloadPhotoWorkflow& workflow) {
        EXPECT_EQ(workflow.GetSize(), 6) << "starts at the entry's own size";
        return workflow.Now(workflow.Sizes().selected).result;
    });
    network = std::make_unique<ScriptedNetwork>();
    View().SetNetworkOperations(network.get());
    View().RunCommand(Command::DownloadPhoto);
    EXPECT_EQ(Messages(), (std::vector<std::string> { "You already have this image size." }));
    EXPECT_EQ(Interaction().ShownMessages()[0].icon, MessageIcon::Information);
    EXPECT_TRUE(network->calls.empty());
}

TEST_F(EntryCommandTest, NextSyncAsksForThePhotoWithoutMakingTheEntryPending)
{
    network = std::make_unique<ScriptedNetwork>();
    ASSERT_TRUE(WriteDownloadPhotoSize(9)); // outside 2 to 7: 480x360 is offered
    Start();
    View().OpenBlog(kTrips);
    View().OpenEntry(1);
    dialogs.Script<DownloadPhotoWorkflow>(DialogId::DownloadPhoto, [](DownloadPhotoWorkflow& workflow) {
        EXPECT_EQ(workflow.GetSize(), 5);
        return workflow.NextSync(2).result; // "320x240"
    });
    View().RunCommand(Command::DownloadPhoto);
    Start();
    const BlogEntry* dunes = Blog(kTrips).FindEntryByServerId(11);
    EXPECT_EQ(dunes->GetPhotoState(), 10);
    EXPECT_FALSE(dunes->IsPending());
    EXPECT_TRUE(network->calls.empty());
}

TEST_F(EntryCommandTest, DownloadingNowFetchesThePhotoAndRedrawsThePage)
{
    ASSERT_TRUE(WriteServiceHost(u"127.0.0.1:9"));
    network = std::make_unique<ScriptedNetwork>();
    Start();
    View().OpenBlog(kTrips);
    View().OpenEntry(1);
    dialogs.Script<DownloadPhotoWorkflow>(DialogId::DownloadPhoto, [](DownloadPhotoWorkflow& workflow) {
        EXPECT_TRUE(workflow.CanDownloadNow());
        return workflow.Now(workflow.Sizes().selected).result;
    });
    View().RunCommand(Command::DownloadPhoto);
    EXPECT_EQ(network->calls, (std::vector<std::string> { "DownloadEntryPhoto 5" }));
    EXPECT_EQ(surface.pageReloads, 1);
}

TEST_F(EntryCommandTest, PurgePhotoDeletesAPublishedEntrysPhotoOnYes)
{
    std::string photo = OpenDunesWithPhoto();
    View().RunCommand(Command::PurgePhoto); // No, the default
    EXPECT_TRUE(PathExists(photo));
    Interaction().ScriptAnswer(true);
    View().RunCommand(Command::PurgePhoto);
    EXPECT_FALSE(PathExists(photo));
    EXPECT_EQ(surface.pageReloads, 1);
    EXPECT_EQ(Interaction().ShownMessages()[0].text, "Delete the photo for this blog entry? The thumbnail will remain.");
}
