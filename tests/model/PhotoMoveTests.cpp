#include "PhotoTestFiles.h"
#include "StoreTestHelpers.h"

#include "platform/DeviceFolders.h"
#include "support/SandboxDevice.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::string Documents(const std::string& name)
{
    return JoinPath(DeviceFolders::Current().PersonalFolder(), name);
}

std::string Pictures(const std::string& name)
{
    return JoinPath(DeviceFolders::Current().PicturesFolder(), name);
}

BlogEntry& AddPhotoEntry(CWinBlogStorage& store, std::uint32_t id, const std::string& photo, bool writeFile = true, std::uint32_t category = 0)
{
    auto entry = NewTestEntry(store, id, 100 - id);
    entry->SetCategoryId(category);
    entry->SetPhotoPath(writeFile ? WritePhoto(photo, 32 + static_cast<int>(id), 32) : photo);
    entry->SetPhotoState(BlogEntry::kPhotoStateOnDevice);
    return store.InsertEntry(std::move(entry));
}

// A store whose file can be saved: the data folder exists.
std::unique_ptr<CWinBlogStorage> MakeStore()
{
    EXPECT_EQ(CreateFolderWithParents(DeviceFolders::Current().DataFolder()), Error::Success);
    return std::make_unique<CWinBlogStorage>(DeviceFolders::Current().DataFolder(), "trips");
}

std::vector<std::string> PhotoPaths(const LocalBlogStorage& store)
{
    std::vector<std::string> paths;
    for (auto& entry : store.GetEntries())
        paths.push_back(entry->GetPhotoPath());
    return paths;
}

std::vector<std::string> SavedPhotoPaths(const CWinBlogStorage& store)
{
    CWinBlogStorage reloaded;
    reloaded.SetFilePath(store.GetFilePath());
    EXPECT_EQ(reloaded.Load(), Error::Success);
    return PhotoPaths(reloaded);
}

// The JPEG files anywhere on the device.
std::vector<std::string> PhotoFiles(const SandboxDevice& device)
{
    std::vector<std::string> photos;
    for (auto& file : FilesUnder(device.Home())) {
        if (ExtensionOf(file) == "jpg")
            photos.push_back(file);
    }
    std::sort(photos.begin(), photos.end());
    return photos;
}

}

TEST(MovePhotos, BetweenInternalStorageAndACardBothWays)
{
    SandboxDevice device;
    std::string card = device.AddStorageCard();
    std::string cardFolder = JoinPath(card, "DCIM/trips");
    auto owner = MakeStore();
    CWinBlogStorage& store = *owner;
    BlogEntry& a = AddPhotoEntry(store, 1, Documents("a.jpg"));
    BlogEntry& b = AddPhotoEntry(store, 2, Pictures("trips/b.jpg"));
    BlogEntry& missing = AddPhotoEntry(store, 3, Documents("missing.jpg"), false);
    BlogEntry& onCard = AddPhotoEntry(store, 4, JoinPath(cardFolder, "c.jpg"));
    BlogEntry& sameName = AddPhotoEntry(store, 5, Documents("sub/b.jpg"));
    BlogEntry& filtered = AddPhotoEntry(store, 6, Documents("filtered.jpg"), true, 9);
    std::string bBytes = ReadTextFile(b.GetPhotoPath());
    std::string sameNameBytes = ReadTextFile(sameName.GetPhotoPath());
    store.SetFilters(BlogIds::Unfiled, BlogStorage::kStatusAll);

    auto progress = device.Interaction().OpenProgressWindow(2, true);
    ASSERT_EQ(store.MoveShownPhotos(*progress, PhotoLocation::InternalStorage(), PhotoLocation::StorageCard(card)), Error::Success);
    EXPECT_EQ(a.GetPhotoPath(), JoinPath(cardFolder, "a.jpg"));
    EXPECT_EQ(b.GetPhotoPath(), JoinPath(cardFolder, "b.jpg"));
    EXPECT_EQ(missing.GetPhotoPath(), Documents("missing.jpg"));
    EXPECT_EQ(onCard.GetPhotoPath(), JoinPath(cardFolder, "c.jpg"));
    // The name was taken by another entry's photo a moment earlier.
    EXPECT_EQ(sameName.GetPhotoPath(), JoinPath(cardFolder, "b-2.jpg"));
    EXPECT_EQ(ReadTextFile(b.GetPhotoPath()), bBytes);
    EXPECT_EQ(ReadTextFile(sameName.GetPhotoPath()), sameNameBytes);
    EXPECT_EQ(filtered.GetPhotoPath(), Documents("filtered.jpg"));
    EXPECT_FALSE(PathExists(Pictures("trips"))) << "the emptied blog folder goes";
    EXPECT_EQ(SavedPhotoPaths(store), PhotoPaths(store));

    auto& record = *device.Interaction().ProgressWindows().back();
    EXPECT_EQ(record.steps, 5);
    EXPECT_EQ(record.lineHistory[1], (std::vector<std::string> { "a.jpg", "b.jpg", "missing.jpg", "b.jpg" }));

    progress = device.Interaction().OpenProgressWindow(2, true);
    ASSERT_EQ(store.MoveShownPhotos(*progress, PhotoLocation::StorageCard(card), PhotoLocation::InternalStorage()), Error::Success);
    EXPECT_EQ(a.GetPhotoPath(), Pictures("trips/a.jpg"));
    EXPECT_EQ(b.GetPhotoPath(), Pictures("trips/b.jpg"));
    EXPECT_EQ(onCard.GetPhotoPath(), Pictures("trips/c.jpg"));
    EXPECT_EQ(sameName.GetPhotoPath(), Pictures("trips/b-2.jpg"));
    EXPECT_FALSE(PathExists(cardFolder));
    EXPECT_EQ(SavedPhotoPaths(store), PhotoPaths(store));
    EXPECT_EQ(PhotoFiles(device).size(), 5u) << "nothing lost, nothing doubled";

    // Moving within one location leaves photos already in place alone.
    progress = device.Interaction().OpenProgressWindow(2, true);
    ASSERT_EQ(store.MoveShownPhotos(*progress, PhotoLocation::InternalStorage(), PhotoLocation::InternalStorage()), Error::Success);
    EXPECT_EQ(b.GetPhotoPath(), Pictures("trips/b.jpg"));
    EXPECT_EQ(ReadTextFile(b.GetPhotoPath()), bBytes);
}

TEST(MovePhotos, CancellingKeepsThePhotosMovedSoFar)
{
    SandboxDevice device;
    std::string card = device.AddStorageCard();
    auto owner = MakeStore();
    CWinBlogStorage& store = *owner;
    for (std::uint32_t id = 1; id <= 4; ++id)
        AddPhotoEntry(store, id, Documents("p" + std::to_string(id) + ".jpg"));
    auto before = PhotoFiles(device);

    device.Interaction().ScriptCancelAfter(2);
    auto progress = device.Interaction().OpenProgressWindow(2, true);
    EXPECT_EQ(store.MoveShownPhotos(*progress, PhotoLocation::InternalStorage(), PhotoLocation::StorageCard(card)), Error::Cancelled);
    auto saved = SavedPhotoPaths(store);
    EXPECT_EQ(saved, PhotoPaths(store));
    EXPECT_EQ(saved, (std::vector<std::string> { JoinPath(card, "DCIM/trips/p1.jpg"), JoinPath(card, "DCIM/trips/p2.jpg"), Documents("p3.jpg"), Documents("p4.jpg") }));
    for (auto& path : saved)
        EXPECT_TRUE(IsRegularFile(path)) << path;
    EXPECT_EQ(PhotoFiles(device).size(), before.size());
}

TEST(MovePhotos, AStoreThatCannotBeSavedGetsItsPhotosBack)
{
    SandboxDevice device;
    std::string card = device.AddStorageCard();
    auto owner = MakeStore();
    CWinBlogStorage& store = *owner;
    AddPhotoEntry(store, 1, Pictures("trips/p1.jpg"));
    AddPhotoEntry(store, 2, Documents("p2.jpg"));
    auto paths = PhotoPaths(store);
    store.SetFilePath(device.Path("no such folder/trips.vxl"));

    auto progress = device.Interaction().OpenProgressWindow(2, true);
    EXPECT_NE(store.MoveShownPhotos(*progress, PhotoLocation::InternalStorage(), PhotoLocation::StorageCard(card)), Error::Success);
    EXPECT_EQ(PhotoPaths(store), paths);
    for (auto& path : paths)
        EXPECT_TRUE(IsRegularFile(path)) << path;
    EXPECT_TRUE(FilesUnder(card).empty());
    ASSERT_FALSE(device.Interaction().ShownMessages().empty());
    EXPECT_EQ(device.Interaction().ShownMessages().back().text, "There was an error saving the local blog database.");
}

namespace {

// A folder on another file system (the memory file system), removed with
// everything in it.
struct ForeignFolder {
    std::string path;
    ForeignFolder()
    {
        std::string pattern = "/dev/shm/vbx-card-XXXXXX";
        if (::mkdtemp(pattern.data()))
            path = pattern;
    }
    ~ForeignFolder()
    {
        std::error_code ignored;
        if (!path.empty())
            std::filesystem::remove_all(path, ignored);
    }
};

dev_t DeviceOf(const std::string& path)
{
    struct stat st { };
    return ::stat(path.c_str(), &st) == 0 ? st.st_dev : 0;
}

}

TEST(MovePhotos, ACardOnAnotherFileSystemGetsCopiesThatKeepTheirDate)
{
    SandboxDevice device;
    ForeignFolder foreign;
    if (foreign.path.empty() || DeviceOf(foreign.path) == DeviceOf(device.Home()))
        GTEST_SKIP() << "no second file system for a card";
    std::string card = device.Path("Storage Card");
    ASSERT_EQ(::symlink(foreign.path.c_str(), card.c_str()), 0);
    ASSERT_EQ(DeviceFolders::Current().StorageCards(), std::vector<std::string> { card });

    auto owner = MakeStore();
    CWinBlogStorage& store = *owner;
    BlogEntry& entry = AddPhotoEntry(store, 1, Documents("far.jpg"));
    std::string original = entry.GetPhotoPath();
    std::string bytes = ReadTextFile(original);
    SetModificationTime(original, 1500000000);

    auto progress = device.Interaction().OpenProgressWindow(2, true);
    ASSERT_EQ(store.MoveShownPhotos(*progress, PhotoLocation::InternalStorage(), PhotoLocation::StorageCard(card)), Error::Success);
    EXPECT_EQ(entry.GetPhotoPath(), JoinPath(card, "DCIM/trips/far.jpg"));
    EXPECT_FALSE(PathExists(original));
    EXPECT_EQ(ReadTextFile(entry.GetPhotoPath()), bytes);
    EXPECT_EQ(*LastWriteTimeOf(entry.GetPhotoPath()), 1500000000);
    EXPECT_EQ(FilesUnder(JoinPath(foreign.path, "DCIM/trips")), std::vector<std::string> { "far.jpg" }) << "no temporary copy is left";
}
