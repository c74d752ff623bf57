#include "TestBlog.h"

#include "workflows/DownloadPhotoWorkflow.h"
#include "workflows/MovePhotosWorkflow.h"
#include "workflows/PurgePhotosWorkflow.h"

#include "app/Preferences.h"

#include <cerrno>
#include <gtest/gtest.h>

TEST(PurgePhotos, YesDeletesTheShownPublishedPhotosAndSaves)
{
    TestBlog blog;
    BlogEntry& shown = blog.AddEntry(1, 300, 10);
    std::string shownPhoto = blog.AddPhoto(shown, "1.jpg");
    BlogEntry& other = blog.AddEntry(2, 200, 11);
    std::string otherPhoto = blog.AddPhoto(other, "2.jpg");
    BlogEntry& unsent = blog.AddEntry(0, 100, 10);
    std::string unsentPhoto = blog.AddPhoto(unsent, "new.jpg");
    blog.store->SetFilters(10, BlogStorage::kStatusAll);

    EXPECT_EQ(PurgePhotosWorkflow().Yes(), DialogOutcome::Close(DialogResults::Ok));
    PurgePhotosWorkflow::PurgeShownPhotos(*blog.store);
    EXPECT_FALSE(PathExists(shownPhoto));
    EXPECT_TRUE(PathExists(otherPhoto)) << "not shown";
    EXPECT_TRUE(PathExists(unsentPhoto)) << "never published";
    auto reloaded = blog.Reloaded();
    EXPECT_TRUE(reloaded->FindEntryByServerId(1)->GetPhotoPath().empty());
    EXPECT_FALSE(reloaded->FindEntryByServerId(1)->GetThumbnail().empty());
}

TEST(MovePhotos, WithoutAStorageCardTheDialogIsNotOpened)
{
    TestBlog blog;
    EXPECT_EQ(MovePhotosWorkflow::DeviceLocations(), std::nullopt);
    EXPECT_EQ(blog.Shown(), std::vector<std::string> { "Your device doesn't currently have any external storage cards. Insert a storage card and try again." });
}

TEST(MovePhotos, OneCardIsProposedAsTheDestinationAndTheSamePlaceTwiceIsRefused)
{
    TestBlog blog;
    blog.device.AddStorageCard("Storage Card");
    auto locations = MovePhotosWorkflow::DeviceLocations();
    ASSERT_TRUE(locations);
    MovePhotosWorkflow dialog(*locations);
    ASSERT_EQ(dialog.GetLocations().size(), 2u);
    EXPECT_TRUE(dialog.GetLocations()[0].IsInternalStorage());
    EXPECT_EQ(dialog.LocationNames(), (std::vector<std::u16string> { u"Internal", u"Storage Card" }));
    EXPECT_EQ(dialog.InitialSource(), 0u);
    EXPECT_EQ(dialog.InitialDestination(), 1u);

    DialogOutcome same = dialog.Ok(1, 1);
    EXPECT_FALSE(same.closes);
    EXPECT_EQ(blog.Shown(), std::vector<std::string> { "You've specified the same location for the source and destination." });
    EXPECT_EQ(dialog.MoveChosenPhotos(*blog.store), Error::InvalidParameter) << "nothing was chosen";
}

TEST(MovePhotos, OkMovesTheShownPhotosToTheCardUnderAProgressWindow)
{
    TestBlog blog;
    std::string card = blog.device.AddStorageCard("Storage Card");
    BlogEntry& entry = blog.AddEntry(1, 100);
    std::string photo = blog.AddPhoto(entry, "1.jpg");
    MovePhotosWorkflow dialog(*MovePhotosWorkflow::DeviceLocations());
    ASSERT_TRUE(dialog.Ok(dialog.InitialSource(), dialog.InitialDestination()).closes);
    EXPECT_TRUE(dialog.GetDestination() && !dialog.GetDestination()->IsInternalStorage());
    EXPECT_EQ(dialog.MoveChosenPhotos(*blog.store), Error::Success);
    EXPECT_FALSE(PathExists(photo));
    EXPECT_EQ(entry.GetPhotoPath(), JoinPath(card, "DCIM/trips/1.jpg"));
    EXPECT_TRUE(PathExists(entry.GetPhotoPath()));
    auto& windows = blog.Interaction().ProgressWindows();
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0]->lines[0], "Moving Photos...");
    EXPECT_TRUE(windows[0]->closed);
    EXPECT_EQ(blog.Reloaded()->FindEntryByServerId(1)->GetPhotoPath(), entry.GetPhotoPath());
    EXPECT_TRUE(blog.Shown().empty());
}

TEST(MovePhotos, ACancelledMoveSaysNothingMore)
{
    TestBlog blog;
    blog.device.AddStorageCard("Storage Card");
    std::string photo = blog.AddPhoto(blog.AddEntry(1, 100), "1.jpg");
    blog.Interaction().ScriptCancelAfter(0);
    MovePhotosWorkflow dialog(*MovePhotosWorkflow::DeviceLocations());
    ASSERT_TRUE(dialog.Ok(0, 1).closes);
    EXPECT_EQ(dialog.MoveChosenPhotos(*blog.store), Error::Cancelled);
    EXPECT_TRUE(PathExists(photo));
    EXPECT_TRUE(blog.Shown().empty());
}

TEST(MovePhotos, WriteProtectedAndFullDestinationsAreToldFromTheSystemsErrors)
{
    auto message = [](int error) { return MovePhotosWorkflow::MessageForMoveFailure(ErrorCodeFromErrno(error)); };
    EXPECT_EQ(message(EROFS), 218u);
    EXPECT_EQ(message(EACCES), 218u);
    EXPECT_EQ(message(EPERM), 218u);
    EXPECT_EQ(message(ENOSPC), 219u);
    EXPECT_EQ(message(EDQUOT), 219u);
    EXPECT_EQ(message(ENOENT), std::nullopt);
    EXPECT_EQ(MovePhotosWorkflow::MessageForMoveFailure(Error::Cancelled), std::nullopt);
}

TEST(DownloadPhoto, StartsAtTheEntrysSizeElseThePreferenceElse480x360)
{
    TestBlog blog;
    BlogEntry& entry = blog.AddEntry(1, 100);
    entry.SetPhotoState(6);
    DownloadPhotoWorkflow sized(DownloadPhotoWorkflow::InitialSize(entry));
    ASSERT_EQ(sized.Sizes().items.size(), 6u);
    EXPECT_EQ(sized.Sizes().items.front().text, "176x132");
    EXPECT_EQ(sized.Sizes().ValueAt(sized.Sizes().selected), 6);

    entry.SetPhotoState(1);
    ASSERT_TRUE(WriteDownloadPhotoSize(7));
    DownloadPhotoWorkflow preferred(DownloadPhotoWorkflow::InitialSize(entry));
    EXPECT_EQ(preferred.Sizes().ValueAt(preferred.Sizes().selected), 7);

    ASSERT_TRUE(WriteDownloadPhotoSize(1));
    DownloadPhotoWorkflow usual(DownloadPhotoWorkflow::InitialSize(entry));
    EXPECT_EQ(usual.Sizes().ValueAt(usual.Sizes().selected), 5);
}

TEST(DownloadPhoto, TheSizeTheEntryHasIsNotFetchedAgainWhileItsPhotoIsThere)
{
    TestBlog blog;
    BlogEntry& entry = blog.AddEntry(1, 100);
    std::string photo = blog.AddPhoto(entry, "1.jpg", 6);
    DownloadPhotoWorkflow dialog(DownloadPhotoWorkflow::InitialSize(entry));
    EXPECT_EQ(dialog.Now(4), DialogOutcome::Stay()) << "not offered without the service";
    dialog.OfferNow(true);
    EXPECT_EQ(dialog.Now(4), DialogOutcome::Close(DialogResults::Ok)); // "640x480"
    EXPECT_EQ(ReadDownloadPhotoSize(), 6u);
    EXPECT_FALSE(dialog.ShouldDownloadNow(entry));
    EXPECT_EQ(blog.Shown(), std::vector<std::string> { "You already have this image size." });

    ASSERT_EQ(DeleteFileIfExists(photo), Error::Success);
    EXPECT_TRUE(dialog.ShouldDownloadNow(entry));
    EXPECT_EQ(blog.Shown().size(), 1u);
}

TEST(DownloadPhoto, NextSyncAsksForTheSizeWithoutMakingTheEntryPending)
{
    TestBlog blog;
    BlogEntry& entry = blog.AddEntry(1, 100);
    blog.AddPhoto(entry, "1.jpg", 3);
    DownloadPhotoWorkflow dialog(DownloadPhotoWorkflow::InitialSize(entry));
    EXPECT_EQ(dialog.NextSync(5), DialogOutcome::Close(DialogResults::DownloadNextSync)); // "Full size"
    EXPECT_EQ(dialog.GetSize(), 7);
    dialog.RequestAtNextSync(*blog.store, entry);
    EXPECT_EQ(entry.GetPhotoState(), 13);
    EXPECT_FALSE(entry.IsPending());
    auto reloaded = blog.Reloaded();
    EXPECT_EQ(reloaded->FindEntryByServerId(1)->GetPhotoState(), 13);
    EXPECT_FALSE(reloaded->FindEntryByServerId(1)->IsPending());
    EXPECT_EQ(ReadDownloadPhotoSize(), 7u);
}

TEST(DownloadPhoto, NextSyncKeepsAPendingEntryPending)
{
    TestBlog blog;
    BlogEntry& entry = blog.AddEntry(1, 100);
    entry.SetPending(true);
    DownloadPhotoWorkflow dialog(DownloadPhotoWorkflow::InitialSize(entry));
    ASSERT_TRUE(dialog.NextSync(0).closes);
    dialog.RequestAtNextSync(*blog.store, entry);
    EXPECT_EQ(entry.GetPhotoState(), 8);
    EXPECT_TRUE(entry.IsPending());
}
