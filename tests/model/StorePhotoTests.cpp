#include "PhotoTestFiles.h"
#include "StoreTestHelpers.h"

#include "platform/Clock.h"
#include "platform/DeviceFolders.h"
#include "support/SandboxDevice.h"
#include "transport/FileLargeStream.h"
#include "transport/StreamFactories.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

std::string Documents(const std::string& name)
{
    return JoinPath(DeviceFolders::Current().PersonalFolder(), name);
}

std::string ReadStream(Stream& stream)
{
    std::string bytes;
    const std::uint8_t* data = nullptr;
    std::uint32_t length = 0;
    while (stream.ReadChunk(data, length))
        bytes.append(reinterpret_cast<const char*>(data), length);
    return bytes;
}

}

TEST(NewEntryFromPhoto, MakesAPendingEntryWithAThumbnailAndTheFileDate)
{
    SandboxDevice device;
    CWinBlogStorage store(DeviceFolders::Current().DataFolder(), "trips");
    std::string path = WritePhoto(Documents("beach.jpg"), 640, 480);
    SetModificationTime(path, 1588334400);

    store.SetFilters(12, BlogStorage::kStatusAll);
    auto entry = store.NewEntryFromPhotoFile(path);
    ASSERT_FALSE(entry.IsError());
    BlogEntry& made = **entry;
    EXPECT_EQ(store.GetEntries().GetAt(0), &made);
    EXPECT_EQ(made.GetServerId(), 0u);
    EXPECT_TRUE(made.IsPending());
    EXPECT_EQ(made.GetPhotoState(), BlogEntry::kPhotoStateOnDevice);
    EXPECT_EQ(made.GetPhotoPath(), path);
    EXPECT_EQ(made.GetCategoryId(), 12u);
    EXPECT_EQ(made.GetPostDate(), ProgramTimeFromUnixTime(1588334400));
    EXPECT_EQ(made.GetTakenDate(), made.GetPostDate());
    EXPECT_EQ(made.GetWidth(), 640);
    EXPECT_EQ(made.GetHeight(), 480);
    EXPECT_EQ(made.GetFileSize(), *FileSizeOf(path));
    EXPECT_EQ(JpegSize(made.GetThumbnail()), std::make_pair(96, 96));
    EXPECT_TRUE(FilesUnder(DeviceFolders::Current().TemporaryFolder()).empty()) << "the thumbnail's file is gone";

    // Both all-categories values file the entry as Unfiled.
    for (std::uint32_t filter : { BlogIds::AllCategories, BlogIds::AllCategoriesLow }) {
        store.SetFilters(filter, BlogStorage::kStatusAll);
        auto unfiled = store.NewEntryFromPhotoFile(path);
        ASSERT_FALSE(unfiled.IsError());
        EXPECT_EQ((*unfiled)->GetCategoryId(), BlogIds::Unfiled);
    }
    EXPECT_EQ(store.GetEntries().GetSize(), 3u) << "never-published entries may share a photo and id 0";
}

TEST(NewEntryFromPhoto, UndecodablePhotosHaveNoThumbnailAndOtherFilesAreRefused)
{
    SandboxDevice device;
    CWinBlogStorage store(DeviceFolders::Current().DataFolder(), "trips");
    auto progressive = store.NewEntryFromPhotoFile(WritePhoto(Documents("progressive.jpg"), 200, 100, true));
    ASSERT_FALSE(progressive.IsError());
    EXPECT_EQ((*progressive)->GetThumbnailSize(), 0u);
    EXPECT_EQ((*progressive)->GetThumbnailError(), Error::JpegProgressive);
    EXPECT_GT((*progressive)->GetFileSize(), 0u);

    std::string text = Documents("notes.jpg");
    WriteTextFile(text, "these are not the pixels you are looking for");
    auto refused = store.NewEntryFromPhotoFile(text);
    EXPECT_EQ(refused.GetError(), Error::InvalidJpegPhoto);
    EXPECT_EQ(store.NewEntryFromPhotoFile(Documents("missing.jpg")).GetError(), Error::FileNotFound);
    EXPECT_EQ(store.GetEntries().GetSize(), 1u);
}

// The thumbnail is made in memory: a temporary folder that cannot be used
// does not keep an entry from having one.
TEST(NewEntryFromPhoto, ATemporaryFolderThatCannotBeUsedDoesNotKeepTheThumbnailFromBeingMade)
{
    SandboxDevice device;
    WriteTextFile(device.Path("Temp"), "a file where the temporary folder belongs");
    CWinBlogStorage store(DeviceFolders::Current().DataFolder(), "trips");
    auto entry = store.NewEntryFromPhotoFile(WritePhoto(Documents("beach.jpg")));
    ASSERT_FALSE(entry.IsError());
    EXPECT_GT((*entry)->GetThumbnailSize(), 0u);
    EXPECT_EQ((*entry)->GetThumbnailError(), Error::Success);
    EXPECT_TRUE((*entry)->IsPending());

    ASSERT_EQ(DeleteFileIfExists(device.Path("Temp")), Error::Success);
    auto again = store.NewEntryFromPhotoFile(Documents("beach.jpg"));
    ASSERT_FALSE(again.IsError());
    EXPECT_GT((*again)->GetThumbnailSize(), 0u);
    EXPECT_EQ((*again)->GetThumbnailError(), Error::Success);
}

TEST(AttachPhoto, DownloadedPicturesFromMemoryOrAFile)
{
    SandboxDevice device;
    CWinBlogStorage store(DeviceFolders::Current().DataFolder(), "trips");
    auto entry = NewTestEntry(store, 5, 10);
    entry->SetPhotoPath("/old/path.jpg");
    auto bytes = PhotoJpeg(160, 120);
    auto memory = CreateMemoryStream();
    ASSERT_TRUE(memory->Write(bytes.data(), static_cast<std::uint32_t>(bytes.size())));
    // A thumbnail-size picture: no file of its own.
    ASSERT_EQ(entry->AttachPhoto(*memory, BlogEntry::kPhotoStateThumbnail), Error::Success);
    EXPECT_EQ(entry->GetPhotoPath(), "");
    EXPECT_EQ(entry->GetPhotoState(), 1);
    EXPECT_EQ(entry->GetWidth(), 160);
    EXPECT_EQ(entry->GetFileSize(), bytes.size());
    EXPECT_EQ(JpegSize(entry->GetThumbnail()), std::make_pair(96, 96));
    EXPECT_EQ(entry->OpenPhotoStream(), nullptr);

    // A saved photo: the stream over its file names the photo.
    std::string path = WritePhoto(Documents("big.jpg"), 400, 300);
    auto file = FileLargeStream::OpenExisting(path);
    ASSERT_EQ(entry->AttachPhoto(*file, 5), Error::Success);
    EXPECT_EQ(entry->GetPhotoPath(), path);
    EXPECT_EQ(entry->GetWidth(), 160) << "width and height are kept when set";
    auto photo = entry->OpenPhotoStream();
    ASSERT_NE(photo, nullptr);
    EXPECT_EQ(ReadStream(*photo), ReadTextFile(path));

    auto notJpeg = CreateMemoryStream();
    ASSERT_TRUE(notJpeg->Write("plain", 5));
    EXPECT_EQ(entry->AttachPhoto(*notJpeg, 1), Error::InvalidJpegPhoto);
    EXPECT_EQ(entry->GetThumbnailSize(), 0u);
}

TEST(SavePhoto, StoresTheFileInTheBlogPhotoFolderAndHandsBackAFileStream)
{
    SandboxDevice device;
    CWinBlogStorage store(DeviceFolders::Current().DataFolder(), "trips");
    auto bytes = PhotoJpeg(64, 48);
    auto makeStream = [&] {
        std::unique_ptr<Stream> stream = CreateMemoryStream();
        stream->Write(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
        return stream;
    };

    auto stream = makeStream();
    ASSERT_EQ(store.SavePhoto("p1.jpg", stream), Error::Success);
    std::string internal = JoinPath(DeviceFolders::Current().PicturesFolder(), "trips/p1.jpg");
    EXPECT_EQ(store.GetPhotoFolder(), ParentPath(internal));
    auto* file = dynamic_cast<FileLargeStream*>(stream.get());
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->FileName(), internal);
    EXPECT_EQ(ReadStream(*stream), std::string(bytes.begin(), bytes.end()));

    // With a storage card the photos go to its DCIM folder.
    std::string card = device.AddStorageCard();
    stream = makeStream();
    ASSERT_EQ(store.SavePhoto("p2.jpg", stream), Error::Success);
    EXPECT_EQ(ReadTextFile(JoinPath(card, "DCIM/trips/p2.jpg")), std::string(bytes.begin(), bytes.end()));

    for (std::string_view bad : { "", ".", "..", "../escape.jpg", "a/b.jpg" }) {
        auto kept = makeStream();
        Stream* before = kept.get();
        EXPECT_EQ(store.SavePhoto(bad, kept), Error::InvalidName) << bad;
        EXPECT_EQ(kept.get(), before);
    }
}

TEST(DeferredFlushes, SavesAreInPlaceAtOnceAndFlushedTogetherOnce)
{
    SandboxDevice device;
    ASSERT_EQ(CreateFolderWithParents(DeviceFolders::Current().DataFolder()), Error::Success);
    CWinBlogStorage store(DeviceFolders::Current().DataFolder(), "trips");
    auto bytes = PhotoJpeg(64, 48);
    auto savePhoto = [&](std::string_view name) {
        std::unique_ptr<Stream> stream = CreateMemoryStream();
        stream->Write(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
        return store.SavePhoto(name, stream);
    };

    store.DeferFlushes();
    ASSERT_EQ(savePhoto("p1.jpg"), Error::Success);
    ASSERT_EQ(savePhoto("p2.jpg"), Error::Success);
    ASSERT_EQ(store.Save(), Error::Success);
    EXPECT_TRUE(PathExists(store.GetFilePath())) << "renamed into place at once";
    std::string p2 = JoinPath(store.GetPhotoFolder(), "p2.jpg");
    EXPECT_EQ(ReadTextFile(p2), std::string(bytes.begin(), bytes.end()));
    ASSERT_EQ(::unlink(p2.c_str()), 0);
    std::string leftover = JoinPath(store.GetPhotoFolder(), "p0.jpg.saving-abcdef");
    WriteTextFile(leftover, "a save killed before");
    EXPECT_EQ(store.FlushSaves(), Error::Success) << "a photo gone since is no longer the store's";
    EXPECT_FALSE(PathExists(leftover)) << "the photo folder is swept once at the end";

    // The flush ended the deferral: the next saves are flushed one by one,
    // and a later flush has nothing left to do even without the files.
    ASSERT_EQ(savePhoto("p3.jpg"), Error::Success);
    ASSERT_EQ(store.Save(), Error::Success);
    ASSERT_EQ(::unlink(store.GetFilePath().c_str()), 0);
    EXPECT_EQ(store.FlushSaves(), Error::Success);

    store.DeferFlushes();
    ASSERT_EQ(store.Save(), Error::Success);
    ASSERT_EQ(::unlink(store.GetFilePath().c_str()), 0);
    EXPECT_EQ(store.FlushSaves(), Error::FileNotFound) << "the store's own file is flushed and its failure told";
}

TEST(PurgePhotos, DeletesTheShownPublishedPhotosAndKeepsThumbnails)
{
    SandboxDevice device;
    CWinBlogStorage store(DeviceFolders::Current().DataFolder(), "trips");
    auto folder = store.WorkOutPhotoFolder();
    ASSERT_FALSE(folder.IsError());
    auto add = [&](std::uint32_t id, bool pending, std::uint32_t category, const std::string& photo) -> BlogEntry& {
        auto entry = NewTestEntry(store, id, 100 - id, pending);
        entry->SetCategoryId(category);
        entry->SetPhotoPath(photo);
        entry->SetPhotoState(BlogEntry::kPhotoStateOnDevice);
        entry->SetThumbnail({ 1, 2, 3 });
        return store.InsertEntry(std::move(entry));
    };
    BlogEntry& published = add(1, false, 0, WritePhoto(JoinPath(*folder, "1.jpg")));
    BlogEntry& edited = add(2, true, 0, WritePhoto(JoinPath(*folder, "2.jpg")));
    BlogEntry& unsent = add(0, true, 0, WritePhoto(Documents("unsent.jpg")));
    BlogEntry& otherCategory = add(4, false, 9, WritePhoto(Documents("other.jpg")));
    BlogEntry& missing = add(5, false, 0, JoinPath(*folder, "missing.jpg"));

    store.SetFilters(BlogIds::Unfiled, BlogStorage::kStatusAll);
    EXPECT_EQ(store.PurgeShownPhotos(), Error::Success);
    for (BlogEntry* gone : { &published, &edited, &missing }) {
        EXPECT_EQ(gone->GetPhotoPath(), "");
        EXPECT_EQ(gone->GetThumbnailSize(), 3u);
    }
    EXPECT_EQ(published.GetPhotoState(), 7) << "only the file and the path go";
    EXPECT_TRUE(IsRegularFile(unsent.GetPhotoPath())) << "its only copy: it has not been sent";
    EXPECT_TRUE(IsRegularFile(otherCategory.GetPhotoPath()));
    EXPECT_FALSE(PathExists(*folder)) << "the empty photo folder is removed";
}
