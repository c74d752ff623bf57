#include "MainViewFixture.h"

#include "platform/DeviceFolders.h"
#include "platform/FileSystem.h"
#include "workflows/BlogPrefsWorkflow.h"
#include "workflows/CameraCaptureWorkflow.h"
#include "workflows/DeleteEntriesWorkflow.h"
#include "workflows/EditBlogListWorkflow.h"
#include "workflows/ImageSelectWorkflow.h"
#include "workflows/MovePhotosWorkflow.h"
#include "workflows/PostRemoteEntryWorkflow.h"
#include "workflows/SubscribeWorkflow.h"

class BlogCommandTest : public MainViewTest {
protected:
    std::string Photo(const std::string& name, std::uint32_t seed = 1)
    {
        std::string path = DeviceFolders::Current().PersonalFolder() + "/" + name;
        WritePhotoFile(path, 320, 240, seed);
        return path;
    }
    void OpenTrips()
    {
        Start();
        View().OpenBlog(kTrips);
    }
};

TEST_F(BlogCommandTest, DeleteEntriesDeletesEveryShownEntryWithTheTwoChoices)
{
    OpenTrips();
    View().RunCommand(Command::ShowPending);
    dialogs.Script<DeleteEntriesWorkflow>(DialogId::DeleteEntries, [](DeleteEntriesWorkflow& workflow) {
        EXPECT_FALSE(workflow.IsSingle());
        EXPECT_FALSE(workflow.HasNoWebChoice()) << "the user may change this blog";
        return workflow.Yes({ .onWeb = false, .deletePhotos = false }).result;
    });
    EXPECT_TRUE(View().RunCommand(Command::DeleteEntries));
    // Kept on the device but hidden, and never brought back by a sync; the
    // published entries before them in the store are left alone.
    EXPECT_EQ(surface.itemCount, 0u);
    Start();
    CWinBlogStorage& trips = Blog(kTrips);
    EXPECT_EQ(trips.GetEntries().GetSize(), 4u);
    trips.SetFilters(BlogIds::AllCategories, BlogStorage::kStatusAll);
    EXPECT_EQ(trips.GetShownEntryCount(), 2u);
    EXPECT_TRUE(trips.GetDeletedEntries().IsEmpty());
}

TEST_F(BlogCommandTest, DeleteEntriesOnTheWebQueuesThemAndCancelDeletesNothing)
{
    OpenTrips();
    View().RunCommand(Command::DeleteEntries); // cancelled
    EXPECT_EQ(surface.itemCount, 4u);
    View().RunCommand(Command::ShowPublished);
    dialogs.Script<DeleteEntriesWorkflow>(DialogId::DeleteEntries, [](DeleteEntriesWorkflow& workflow) { return workflow.Yes({ .onWeb = true, .deletePhotos = false }).result; });
    View().RunCommand(Command::DeleteEntries);
    EXPECT_EQ(Blog(kTrips).GetDeletedEntries().GetSize(), 2u);
    EXPECT_EQ(Blog(kTrips).GetEntries().GetSize(), 2u);
}

TEST_F(BlogCommandTest, AddingOnePhotoOpensTheEditDialogAndTwoDoNot)
{
    OpenTrips();
    std::string first = Photo("a.jpg", 1);
    std::string second = Photo("b.jpg", 2);
    dialogs.Script<ImageSelectWorkflow>(DialogId::ImageSelect, [&](ImageSelectWorkflow& picker) {
        EXPECT_EQ(picker.GetTitle(), 308u);
        picker.SetSelectedPaths({ first });
        return DialogResults::Ok;
    });
    View().RunCommand(Command::AddPhoto);
    EXPECT_EQ(dialogs.TimesOpened(DialogId::EditEntry), 1u);
    EXPECT_EQ(surface.itemCount, 5u);

    dialogs.Script<ImageSelectWorkflow>(DialogId::ImageSelect, [&](ImageSelectWorkflow& picker) {
        picker.SetSelectedPaths({ first, second });
        return DialogResults::Ok;
    });
    View().RunCommand(Command::AddPhoto);
    EXPECT_EQ(dialogs.TimesOpened(DialogId::EditEntry), 1u);
    EXPECT_EQ(surface.itemCount, 7u);
    Start();
    EXPECT_EQ(Blog(kTrips).GetEntries().GetSize(), 7u) << "saved";
}

TEST_F(BlogCommandTest, APictureThatIsNotAJpegIsNamedAndTheOthersAreAdded)
{
    OpenTrips();
    std::string text = DeviceFolders::Current().PersonalFolder() + "/notes.jpg";
    WriteTextFile(text, "not a picture");
    std::string photo = Photo("c.jpg");
    dialogs.Script<ImageSelectWorkflow>(DialogId::ImageSelect, [&](ImageSelectWorkflow& picker) {
        picker.SetSelectedPaths({ text, photo });
        return DialogResults::Ok;
    });
    View().RunCommand(Command::AddPhoto);
    EXPECT_EQ(surface.itemCount, 5u);
    EXPECT_EQ(Messages(), (std::vector<std::string> { "Invalid JPEG" }));
    EXPECT_EQ(dialogs.TimesOpened(DialogId::EditEntry), 1u) << "exactly one was added";
}

TEST_F(BlogCommandTest, ABlogTheUserMayNotChangeRefusesNewPhotos)
{
    Start();
    View().OpenBlog(kFamily);
    View().RunCommand(Command::AddPhoto);
    View().RunCommand(Command::Camera);
    View().RunCommand(Command::EditCategories);
    ASSERT_EQ(Interaction().ShownMessages().size(), 3u);
    for (auto& shown : Interaction().ShownMessages()) {
        EXPECT_EQ(shown.text, "You do not have permission to edit this blog. If you expect to have write access, check that your login information in Account Info is correct.");
        EXPECT_EQ(shown.icon, MessageIcon::None);
    }
    EXPECT_TRUE(dialogs.Opened().empty());
}

TEST_F(BlogCommandTest, StayingInTheCameraTakesPhotosUntilCancelledWithoutTheEditDialog)
{
    ASSERT_TRUE(WriteStayInCamera(1));
    OpenTrips();
    for (int i = 0; i < 3; ++i) {
        std::string path = Photo("camera" + std::to_string(i) + ".jpg", static_cast<std::uint32_t>(i));
        dialogs.Script<CameraCaptureWorkflow>(DialogId::CameraCapture, [path](CameraCaptureWorkflow& capture) {
            EXPECT_FALSE(capture.GetFolder().empty());
            capture.SetPhotoPath(path);
            return DialogResults::CameraPhotoTaken;
        });
    }
    dialogs.ScriptResult(DialogId::CameraCapture, DialogResults::CameraNothingTaken);
    View().RunCommand(Command::Camera);
    EXPECT_EQ(dialogs.TimesOpened(DialogId::CameraCapture), 4u);
    EXPECT_EQ(dialogs.TimesOpened(DialogId::EditEntry), 0u);
    EXPECT_EQ(Blog(kTrips).GetEntries().GetSize(), 7u);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(BlogCommandTest, OnePhotoWithShowEditDialogOpensTheEditor)
{
    ASSERT_TRUE(WriteStayInCamera(0));
    ASSERT_TRUE(WriteShowEditDialog(1));
    OpenTrips();
    std::string path = Photo("one.jpg");
    dialogs.Script<CameraCaptureWorkflow>(DialogId::CameraCapture, [path](CameraCaptureWorkflow& capture) {
        capture.SetPhotoPath(path);
        return DialogResults::CameraPhotoTaken;
    });
    View().RunCommand(Command::Camera);
    EXPECT_EQ(dialogs.Opened(), (std::vector<DialogId> { DialogId::CameraCapture, DialogId::EditEntry }));
    EXPECT_EQ(surface.itemCount, 5u);
}

TEST_F(BlogCommandTest, ADeviceWithoutACameraSaysSo)
{
    const std::string noCamera = "This device doesn't have a supported camera.";
    OpenTrips();
    dialogs.ScriptResult(DialogId::CameraCapture, DialogResults::CameraNotUsable);
    View().RunCommand(Command::Camera);
    dialogs.SetCameraSupported(false);
    View().RunCommand(Command::Camera);
    View().GoHome();
    View().RunCommand(Command::CameraPrefs);
    EXPECT_EQ(Messages(), (std::vector<std::string> { noCamera, noCamera, noCamera }));
    EXPECT_EQ(Interaction().ShownMessages()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(dialogs.TimesOpened(DialogId::CameraPrefs), 0u);
}

TEST_F(BlogCommandTest, SendingNeedsWhatItPointsToOnTheWeb)
{
    const std::string syncFirst = "You need to sync the new entry before you can send out a Photo E-Mail or Blog Post for it.";
    network = std::make_unique<ScriptedNetwork>(); // the sends need the service
    Start();
    CWinBlogStorage& trips = Blog(kTrips);
    AddCategory(trips, BlogIds::FirstLocalCategory, "Made here");
    View().OpenBlog(kTrips);
    View().OpenEntry(0); // pending, never synced
    View().RunCommand(Command::SendEMail);
    View().CloseEntry();
    View().RunCommand(Command::FirstCategory + 1); // the local category, sorted between the two
    View().RunCommand(Command::SendEMail);
    EXPECT_EQ(Messages(), (std::vector<std::string> { syncFirst, syncFirst }));
    View().RunCommand(Command::CategoryAll);
    View().RunCommand(Command::SendEMail);
    EXPECT_EQ(dialogs.Opened(), (std::vector<DialogId> { DialogId::PhotoEmail }));
}

TEST_F(BlogCommandTest, ARemotePostStartsFromTheCategoryOrTheBlogName)
{
    {
        CWinBlogUser setup;
        setup.Load();
        std::string names[] = { "My other blog" };
        setup.SetRemoteBlogNames(names);
        ASSERT_EQ(setup.Save(), Error::Success);
    }
    network = std::make_unique<ScriptedNetwork>();
    OpenTrips();
    std::vector<std::string> titles;
    auto record = [&](PostRemoteEntryWorkflow& workflow) {
        titles.push_back(workflow.GetTitle() + "|" + workflow.GetText());
        return DialogResults::Cancel;
    };
    dialogs.Script<PostRemoteEntryWorkflow>(DialogId::PostRemoteEntry, record);
    dialogs.Script<PostRemoteEntryWorkflow>(DialogId::PostRemoteEntry, record);
    dialogs.Script<PostRemoteEntryWorkflow>(DialogId::PostRemoteEntry, record);
    View().RunCommand(Command::PostRemoteEntry);
    View().RunCommand(Command::FirstCategory); // Beach
    View().RunCommand(Command::PostRemoteEntry);
    View().RunCommand(Command::CategoryAll);
    View().OpenEntry(1);
    View().RunCommand(Command::PostRemoteEntry);
    EXPECT_EQ(titles, (std::vector<std::string> { "Trips|", "Beach|", "Dunes|Windy" }));
}

TEST_F(BlogCommandTest, MovingPhotosRunsUnderItsProgressWindow)
{
    device.AddStorageCard();
    OpenTrips();
    dialogs.Script<MovePhotosWorkflow>(DialogId::MovePhotos, [](MovePhotosWorkflow& workflow) {
        EXPECT_EQ(workflow.GetLocations().size(), 2u);
        EXPECT_TRUE(workflow.GetLocations()[0].IsInternalStorage());
        return workflow.Ok(workflow.InitialSource(), workflow.InitialDestination()).result;
    });
    View().RunCommand(Command::MovePhotos);
    ASSERT_EQ(Interaction().ProgressWindows().size(), 1u);
    EXPECT_EQ(Interaction().ProgressWindows()[0]->lines[0], "Moving Photos...");
    EXPECT_TRUE(Interaction().ProgressWindows()[0]->closed);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(BlogCommandTest, BlogPrefsSavesTheBlogOnOk)
{
    OpenTrips();
    dialogs.Script<BlogPrefsWorkflow>(DialogId::BlogPrefs, [](BlogPrefsWorkflow& workflow) {
        EXPECT_EQ(workflow.GetPages(), BlogPreferencesPages::BlogAndSync);
        workflow.PageOpened(BlogPrefsWorkflow::Page::Blog);
        BlogPageWorkflow::Controls blog = workflow.BlogPage()->Opening();
        blog.title = u"Travels";
        return workflow.Ok(workflow.SyncPage().Opening(), blog).dialog.result;
    });
    View().RunCommand(Command::BlogPrefs);
    EXPECT_EQ(View().GetTitle(), "Travels");
    Start();
    EXPECT_EQ(Blog(kTrips).GetBlogInfo().GetTitle(), "Travels");
}

TEST_F(BlogCommandTest, EditBlogsFindsTheSelectedBlogAgain)
{
    Start();
    surface.Select(kTrips);
    dialogs.Script<EditBlogListWorkflow>(DialogId::EditBlogList, [](EditBlogListWorkflow& workflow) {
        CWinBlogUser& user = workflow.GetUser();
        EXPECT_EQ(user.RemoveBlog(user.FindBlog(std::string_view("empty")), false), Error::Success);
        return DialogResults::Ok;
    });
    View().RunCommand(Command::EditBlogs);
    EXPECT_EQ(surface.itemCount, 2u);
    EXPECT_EQ(surface.selection, 1) << "Trips moved up one place";

    dialogs.Script<EditBlogListWorkflow>(DialogId::EditBlogList, [](EditBlogListWorkflow& workflow) {
        CWinBlogUser& user = workflow.GetUser();
        EXPECT_EQ(user.RemoveBlog(user.FindBlog(std::string_view("trips")), false), Error::Success);
        return DialogResults::Ok;
    });
    View().RunCommand(Command::EditBlogs);
    EXPECT_EQ(surface.selection, -1) << "the selected blog is gone";
}

TEST_F(BlogCommandTest, ASubscribedBlogJoinsTheListSelected)
{
    network = std::make_unique<ScriptedNetwork>();
    Start();
    dialogs.Script<SubscribeWorkflow>(DialogId::Subscribe, [this](SubscribeWorkflow& workflow) {
        workflow.SetNewBlog(std::make_unique<CWinBlogStorage>(User().GetDataFolder(), "gallery"));
        return DialogResults::Ok;
    });
    View().RunCommand(Command::SubscribeToBlog);
    EXPECT_EQ(surface.itemCount, 4u);
    ASSERT_GE(surface.selection, 0);
    EXPECT_EQ(Blog(static_cast<size_t>(surface.selection)).GetBlogInfo().GetUrlName(), "gallery");
    EXPECT_TRUE(PathExists(User().GetDataFolder() + "/gallery.vxl"));
}

TEST_F(BlogCommandTest, SubscribingWithoutALoginRunsTheWelcomeFlowInstead)
{
    network = std::make_unique<ScriptedNetwork>();
    {
        CWinBlogUser setup;
        setup.Load();
        setup.SetPassword("");
        ASSERT_EQ(setup.Save(), Error::Success);
    }
    dialogs.ScriptResult(DialogId::Welcome, DialogResults::Cancel); // at start
    Start();
    View().RunCommand(Command::SubscribeToBlog);
    EXPECT_EQ(dialogs.Opened(), (std::vector<DialogId> { DialogId::Welcome, DialogId::Welcome }));
}

TEST_F(BlogCommandTest, MailAndRemotePostsNeedTheServiceWhileCommentsDoNot)
{
    OpenTrips();
    View().OpenEntry(1); // "Dunes", published
    EXPECT_FALSE(View().IsCommandEnabled(Command::SendEMail));
    EXPECT_FALSE(View().IsCommandEnabled(Command::PostRemoteEntry));
    EXPECT_TRUE(View().IsCommandEnabled(Command::ViewComments)) << "a new comment waits for the next sync";
}
