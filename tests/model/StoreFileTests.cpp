#include "StoreAssertions.h"

#include "model/CWinBlogStorage.h"
#include "platform/FileSystem.h"
#include "support/SandboxDevice.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CWinBlogStorage> LoadFile(const std::string& path, ErrorCode* error = nullptr)
{
    auto store = std::make_unique<CWinBlogStorage>();
    store->SetFilePath(path);
    ErrorCode result = store->Load();
    if (error)
        *error = result;
    else
        EXPECT_EQ(result, Error::Success);
    return store;
}

std::unique_ptr<BlogEntry> MakeEntry(const CWinBlogStorage& store, std::uint32_t id, std::uint32_t postDate, std::vector<std::uint8_t> thumbnail = {})
{
    auto entry = store.NewEntry();
    entry->SetServerId(id);
    entry->SetPostDate(postDate);
    entry->SetTitle("entry " + std::to_string(id));
    entry->SetThumbnail(std::move(thumbnail));
    return entry;
}

}

TEST(StoreFile, AHandWrittenFileLoadsWithEveryField)
{
    TemporaryFolder folder;
    std::string path = folder.File("trips.vxl");
    WriteTextFile(path, Sample::StoreFile());
    auto store = LoadFile(path);
    EXPECT_TRUE(store->WasFileFound());
    EXPECT_FALSE(store->GetLoadDamage());

    EXPECT_EQ(store->GetFormatVersion(), 1);
    const CBlogInfo& blog = store->GetBlogInfo();
    EXPECT_EQ(blog.GetOwnerId(), 4242u);
    EXPECT_EQ(blog.GetGroupBlog(), 1);
    EXPECT_EQ(blog.GetUrlName(), "trips");
    EXPECT_EQ(blog.GetSecondString(), "s2");
    EXPECT_EQ(blog.GetThirdString(), "s3");
    EXPECT_EQ(blog.GetTitle(), "Summer Trips");
    EXPECT_EQ(blog.GetSubtitleText(), u"Sea & sand \u2600");
    EXPECT_EQ(blog.GetViewPassword(), "pw");
    EXPECT_EQ(blog.GetHidden(), 1);
    EXPECT_TRUE(blog.IsReadOnly());
    EXPECT_FALSE(blog.CanAddPhotos());
    EXPECT_TRUE(blog.AreCommentsAllowed());
    EXPECT_EQ(blog.GetUploadSize(), 4);
    EXPECT_EQ(blog.GetDownloadSize(), 5);
    EXPECT_FALSE(blog.GetLimitEntries());
    EXPECT_EQ(blog.GetEntryLimit(), 40);
    EXPECT_EQ(store->GetEffectiveEntryLimit(), 32768u);
    EXPECT_TRUE(blog.GetDeleteAfterUpload());
    EXPECT_TRUE(blog.GetLastFlag());
    EXPECT_TRUE(blog.IsSettingsModified());
    EXPECT_EQ(store->GetDownloadStamp(), 1234567u);
    EXPECT_EQ(store->GetStatusFilter(), 2);
    EXPECT_EQ(store->GetCategoryFilter(), 77u);

    ASSERT_EQ(store->GetEntries().GetSize(), 2u);
    ExpectEntry(*store->GetEntries().GetAt(0), Sample::PublishedEntry());
    ExpectEntry(*store->GetEntries().GetAt(1), Sample::PendingEntry());
    ASSERT_EQ(store->GetCategories().GetSize(), 1u);
    ExpectAlbum(*store->GetCategories().GetAt(0), Sample::TravelAlbum());
    ASSERT_EQ(store->GetComments().GetSize(), 1u);
    ExpectComment(*store->GetComments().GetAt(0), Sample::LovelyComment());
    ASSERT_EQ(store->GetDeletedEntries().GetSize(), 1u);
    ExpectEntry(*store->GetDeletedEntries().GetAt(0), Sample::DeletedEntry());
    ASSERT_EQ(store->GetDeletedCategories().GetSize(), 1u);
    ExpectAlbum(*store->GetDeletedCategories().GetAt(0), Sample::OldAlbum());
    ASSERT_EQ(store->GetDeletedComments().GetSize(), 1u);
    ExpectComment(*store->GetDeletedComments().GetAt(0), Sample::DeletedComment());
}

TEST(StoreFile, ResavingAHandWrittenFileGivesTheSameBytes)
{
    SandboxDevice device;
    std::string path = device.Path("trips.vxl");
    WriteTextFile(path, Sample::StoreFile());
    auto store = LoadFile(path);
    ASSERT_EQ(store->Save(), Error::Success);
    EXPECT_EQ(ReadTextFile(path), Sample::StoreFile());
    EXPECT_TRUE(device.Interaction().ShownMessages().empty());
    EXPECT_TRUE(store->GetPreservedCopyPath().empty());
}

TEST(StoreFile, TaggedRecordsAreNumberedAcrossTheWholeFile)
{
    SandboxDevice device;
    CWinBlogStorage store(device.Home(), "tags");
    for (std::uint32_t i = 1; i <= 3; ++i)
        store.InsertEntry(MakeEntry(store, i, 100 - i));
    for (std::uint32_t i = 1; i <= 2; ++i) {
        auto album = store.NewCategory();
        album->SetId(i);
        store.GetCategories().Add(std::move(album));
    }
    ASSERT_EQ(store.Save(), Error::Success);
    std::string bytes = ReadTextFile(store.GetFilePath());

    ByteBuilder header;
    header.U16(1).U32(0).U32(0).U16(0).Str("tags");
    std::string entryTag = ByteBuilder().Count(3).NewClass("CWinBlogEntry").Bytes();
    size_t first = bytes.find(entryTag);
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(bytes.find("CWinBlogEntry", first + entryTag.size()), std::string::npos) << "the class name is written once";
    // Entries 2 and 3 refer to class 1; the first category brings its class
    // as number 5 (after the class and the three entries), the second refers to it.
    for (std::uint32_t id : { 2, 3 }) {
        std::string tagged = ByteBuilder().ClassRef(1).U32(id).U32(0).U32(0).Str("entry " + std::to_string(id)).Bytes();
        EXPECT_NE(bytes.find(tagged, first), std::string::npos) << id;
    }
    std::string albumTag = ByteBuilder().Count(2).NewClass("CWinBlogAlbum").U32(1).Bytes();
    size_t albums = bytes.find(albumTag);
    ASSERT_NE(albums, std::string::npos);
    std::string secondAlbum = ByteBuilder().ClassRef(5).U32(2).Bytes();
    EXPECT_NE(bytes.find(secondAlbum, albums), std::string::npos);
    EXPECT_EQ(bytes.compare(0, header.Size(), header.Bytes()), 0);
}

TEST(StoreFile, WrittenAndReadBackEveryFieldSurvives)
{
    SandboxDevice device;
    CWinBlogStorage store(device.Home(), "roundtrip");
    CBlogInfo& blog = store.GetBlogInfo();
    blog.SetTitle(std::string(254, 't'));
    blog.SetSubtitle(std::string(255, 's'));
    blog.SetViewPassword(std::string(70000, 'p'));
    blog.SetEntryLimit(99);
    blog.SetCanAddPhotos(false);
    store.SetFilters(4294967294u, 255);
    store.SetDownloadStamp(77);
    std::vector<std::uint8_t> thumbnail(9000);
    for (size_t i = 0; i < thumbnail.size(); ++i)
        thumbnail[i] = static_cast<std::uint8_t>(i * 7);
    store.InsertEntry(MakeEntry(store, 5, 50, thumbnail));
    store.InsertEntry(MakeEntry(store, 0, 40));
    store.GetDeletedEntries().Add(MakeEntry(store, 9, 10, { 1, 2, 3 }));
    auto comment = store.NewComment();
    comment->SetTextText(u"\u00A1s\u00ED!");
    store.GetDeletedComments().Add(std::move(comment));
    ASSERT_EQ(store.Save(), Error::Success);

    auto loaded = LoadFile(store.GetFilePath());
    EXPECT_EQ(loaded->GetBlogInfo().GetTitle(), blog.GetTitle());
    EXPECT_EQ(loaded->GetBlogInfo().GetSubtitle(), blog.GetSubtitle());
    EXPECT_EQ(loaded->GetBlogInfo().GetViewPassword(), blog.GetViewPassword());
    EXPECT_EQ(loaded->GetBlogInfo().GetEntryLimit(), 99);
    EXPECT_TRUE(loaded->GetBlogInfo().IsReadOnly());
    EXPECT_EQ(loaded->GetCategoryFilter(), 4294967294u);
    EXPECT_EQ(loaded->GetStatusFilter(), 255);
    EXPECT_EQ(loaded->GetDownloadStamp(), 77u);
    ASSERT_EQ(loaded->GetEntries().GetSize(), 2u);
    auto bytes = loaded->GetEntries().GetAt(0)->GetThumbnail();
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), thumbnail);
    EXPECT_EQ(loaded->GetEntries().GetAt(1)->GetThumbnailSize(), 0u);
    EXPECT_EQ(loaded->GetDeletedEntries().GetAt(0)->GetThumbnailSize(), 3u);
    EXPECT_EQ(loaded->GetDeletedComments().GetAt(0)->GetTextText(), u"\u00A1s\u00ED!");

    // 254 bytes take a one-byte length, 255 the three-byte form.
    std::string file = ReadTextFile(store.GetFilePath());
    EXPECT_NE(file.find(std::string("\xFE") + std::string(254, 't') + std::string("\xFF\xFF\x00", 3) + std::string(255, 's')), std::string::npos);
}

TEST(StoreFile, AVersion0FileLosesItsCommentsAndDownloadStamp)
{
    SandboxDevice device;
    std::string path = device.Path("old.vxl");
    WriteTextFile(path, Sample::StoreFile(0));
    auto store = LoadFile(path);
    EXPECT_EQ(store->GetFormatVersion(), 0);
    EXPECT_EQ(store->GetComments().GetSize(), 0u);
    EXPECT_EQ(store->GetDeletedComments().GetSize(), 0u);
    EXPECT_EQ(store->GetDownloadStamp(), 0u);
    EXPECT_EQ(store->GetEntries().GetSize(), 2u);
    EXPECT_EQ(store->GetDeletedEntries().GetSize(), 1u);
    EXPECT_EQ(store->GetStatusFilter(), 2);

    ASSERT_EQ(store->Save(), Error::Success);
    EXPECT_EQ(store->GetFormatVersion(), 1);
    auto again = LoadFile(path);
    EXPECT_EQ(again->GetFormatVersion(), 1);
    EXPECT_EQ(again->GetEntries().GetSize(), 2u);
}

TEST(StoreFile, AMissingFileLeavesAnEmptyStore)
{
    SandboxDevice device;
    CWinBlogStorage store(device.Home(), "fresh");
    EXPECT_EQ(store.GetFilePath(), device.Path("fresh.vxl"));
    EXPECT_EQ(store.Load(), Error::Success);
    EXPECT_FALSE(store.WasFileFound());
    EXPECT_EQ(store.GetBlogInfo().GetUrlName(), "fresh");
    EXPECT_EQ(store.GetCategoryFilter(), 4294967295u);
    EXPECT_EQ(store.GetStatusFilter(), 0);
    EXPECT_TRUE(store.GetEntries().IsEmpty());
}

TEST(StoreFile, UrlNamesThatWouldLeaveTheDataFolderAreMadeSafe)
{
    EXPECT_EQ(CWinBlogStorage::FileNameFor("Trips"), "Trips.vxl");
    EXPECT_EQ(CWinBlogStorage::FileNameFor("../../etc/x"), ".._.._etc_x.vxl");
    EXPECT_EQ(CWinBlogStorage::FileNameFor(std::string("a\0b", 3)), "a_b.vxl");
    SandboxDevice device;
    CWinBlogStorage store(device.Home(), "../escape");
    EXPECT_EQ(store.GetFilePath(), device.Path(".._escape.vxl"));
    EXPECT_EQ(store.GetBlogInfo().GetUrlName(), "../escape");
    ASSERT_EQ(store.Save(), Error::Success);
    EXPECT_TRUE(PathExists(device.Path(".._escape.vxl")));
}
