#include "support/ResourceLimits.h"
#include "StoreAssertions.h"

#include "model/CWinBlogStorage.h"
#include "platform/FileSystem.h"
#include "support/SandboxDevice.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kSaveFailedText = "There was an error saving the local blog database.";

struct Loaded {
    std::unique_ptr<CWinBlogStorage> store;
    ErrorCode error;
};

Loaded LoadFile(const std::string& path)
{
    auto store = std::make_unique<CWinBlogStorage>();
    store->SetFilePath(path);
    ErrorCode error = store->Load();
    return { std::move(store), error };
}

std::string Replace(std::string bytes, const std::string& from, const std::string& to)
{
    auto at = bytes.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return bytes.replace(at, from.size(), to);
}

// Where the first entry of the sample store ends, and the second.
size_t EndOfEntry(int count)
{
    ByteBuilder out;
    Sample::WriteStoreHeader(out, 1);
    out.Count(2).NewClass("CWinBlogEntry");
    Sample::WriteEntry(out, Sample::PublishedEntry());
    if (count == 2) {
        out.ClassRef(1);
        Sample::WriteEntry(out, Sample::PendingEntry());
    }
    return out.Size();
}

// Where the URL name of the sample store ends.
size_t EndOfUrlName()
{
    return ByteBuilder().U16(1).U32(0).U32(4242).U16(1).Str("trips").Size();
}

bool ShowedSaveFailure(SandboxDevice& device)
{
    for (auto& shown : device.Interaction().ShownMessages()) {
        if (shown.text == kSaveFailedText && shown.icon == MessageIcon::Error)
            return true;
    }
    return false;
}

}

TEST(DamagedStore, EveryShortenedFileIsReportedAndLeftAlone)
{
    SandboxDevice device;
    const std::string whole = Sample::StoreFile();
    std::string path = device.Path("Fallback.vxl");
    for (size_t length = 0; length < whole.size(); ++length) {
        std::string prefix = whole.substr(0, length);
        WriteTextFile(path, prefix);
        auto [store, error] = LoadFile(path);
        ASSERT_EQ(error, Error::HandleEof) << length;
        ASSERT_TRUE(store->GetLoadDamage()) << length;
        const ArchiveDamage& damage = *store->GetLoadDamage();
        EXPECT_EQ(damage.kind, ArchiveDamage::Kind::EndOfData) << length;
        EXPECT_LE(damage.offset, length);
        EXPECT_FALSE(damage.field.empty()) << length;
        EXPECT_EQ(ReadTextFile(path), prefix) << length;

        // What was read completely is kept; the rest keeps its defaults.
        EXPECT_EQ(store->GetBlogInfo().GetUrlName(), length < EndOfUrlName() ? "Fallback" : "trips") << length;
        EXPECT_EQ(store->GetDownloadStamp(), 0u) << length;
        size_t entries = length < EndOfEntry(1) ? 0 : length < EndOfEntry(2) ? 1
                                                                             : 2;
        ASSERT_EQ(store->GetEntries().GetSize(), entries) << length;
        if (entries > 0) {
            ExpectEntry(*store->GetEntries().GetAt(0), Sample::PublishedEntry());
        }
        if (length < EndOfUrlName()) {
            EXPECT_EQ(store->GetBlogInfo().GetEntryLimit(), 25) << length;
        }
    }
    EXPECT_EQ(ListFolder(device.Home())->size(), 2u) << "only the file and My Documents";
    EXPECT_TRUE(device.Interaction().ShownMessages().empty());
}

TEST(DamagedStore, TheReportNamesTheFieldAndRecord)
{
    SandboxDevice device;
    std::string path = device.Path("trips.vxl");
    size_t cut = EndOfEntry(1) + 2 + 12 + 3; // inside the title of the second entry
    WriteTextFile(path, Sample::StoreFile().substr(0, cut));
    auto [store, error] = LoadFile(path);
    ASSERT_TRUE(store->GetLoadDamage());
    EXPECT_EQ(store->GetLoadDamage()->Describe(),
        "the data ends early at byte " + std::to_string(EndOfEntry(1) + 14) + ", in the title of record 2 of 2 in entries (5 bytes needed, 2 left)");
}

TEST(DamagedStore, UnknownClassesBadSchemasAndStrayBytesAreReported)
{
    SandboxDevice device;
    const std::string good = Sample::StoreFile();
    struct Case {
        std::string bytes;
        ArchiveDamage::Kind kind;
        std::string text;
        size_t entries, categories, comments;
    };
    std::string commentClass = ByteBuilder().NewClass("CWinBlogComment").Bytes();
    for (auto& c : std::vector<Case> {
             { Replace(good, "CWinBlogAlbum", "CWinBlogPhoto"), ArchiveDamage::Kind::UnexpectedClass,
                 "class \"CWinBlogPhoto\" where a CWinBlogAlbum belongs", 2, 0, 0 },
             { Replace(good, commentClass, ByteBuilder().NewClass("CWinBlogComment", 1).Bytes()), ArchiveDamage::Kind::BadSchema,
                 "CWinBlogComment with schema 1 instead of 0", 2, 1, 0 },
             { Replace(good, "CWinBlogAlbum", "CWinBlogEntry"), ArchiveDamage::Kind::UnexpectedClass,
                 "in the class name of record 1 of 1 in categories", 2, 0, 0 },
             { good + "x", ArchiveDamage::Kind::TrailingData, "1 byte after the last field", 2, 1, 1 },
         }) {
        std::string path = device.Path("trips.vxl");
        WriteTextFile(path, c.bytes);
        auto [store, error] = LoadFile(path);
        EXPECT_EQ(error, Error::InvalidData) << c.text;
        ASSERT_TRUE(store->GetLoadDamage()) << c.text;
        EXPECT_EQ(store->GetLoadDamage()->kind, c.kind) << c.text;
        EXPECT_NE(store->GetLoadDamage()->Describe().find(c.text), std::string::npos) << store->GetLoadDamage()->Describe();
        EXPECT_EQ(store->GetEntries().GetSize(), c.entries) << c.text;
        EXPECT_EQ(store->GetCategories().GetSize(), c.categories) << c.text;
        EXPECT_EQ(store->GetComments().GetSize(), c.comments) << c.text;
        EXPECT_EQ(store->GetBlogInfo().GetTitle(), "Summer Trips");
        EXPECT_EQ(store->GetDownloadStamp(), 0u);
        EXPECT_EQ(ReadTextFile(path), c.bytes);
    }
}

TEST(DamagedStore, HugeCountsAndLengthsDoNotAllocate)
{
    SandboxDevice device;
    ByteBuilder header;
    Sample::WriteStoreHeader(header, 1);
    ByteBuilder entryStart = header;
    entryStart.Count(1).NewClass("CWinBlogEntry").U32(1).U32(2).U32(3);
    ByteBuilder beforeThumbnail = entryStart;
    beforeThumbnail.Str("").Str("").Str("").Str("").Str("").Str("").U32(0).U32(0).U32(0).U16(0).U16(0).U8(0).U8(0).U8(0).Str("").Bool(true).Bool(false);
    std::vector<std::string> files {
        ByteBuilder(header).Count(0xFFFFFFFF).Raw("tail").Bytes(),
        ByteBuilder(header).U16(65535).U32(65535).Bytes(),
        ByteBuilder(entryStart).U8(255).U16(65535).U32(0xFFFFFFFE).Raw("short").Bytes(),
        ByteBuilder(entryStart).U8(255).U16(65534).U8(255).U16(65535).U32(0x7FFFFFFF).Raw("short").Bytes(),
        ByteBuilder(beforeThumbnail).U32(0xFFFFFFFF).Raw("jpeg").Bytes(),
        ByteBuilder(header).U16(2).NewClass("CWinBlogEntry", 0).U32(1).Bytes(),
    };
#if defined(__SANITIZE_ADDRESS__)
    bool limited = false;
#else
    AddressSpaceLimit limit(256u << 20);
    bool limited = limit.IsActive();
#endif
    for (size_t i = 0; i < files.size(); ++i) {
        std::string path = device.Path("huge.vxl");
        WriteTextFile(path, files[i]);
        auto [store, error] = LoadFile(path);
        EXPECT_EQ(error, Error::HandleEof) << i;
        ASSERT_TRUE(store->GetLoadDamage()) << i;
        EXPECT_EQ(store->GetLoadDamage()->kind, ArchiveDamage::Kind::EndOfData) << i;
        EXPECT_EQ(store->GetEntries().GetSize(), 0u) << i;
        EXPECT_EQ(store->GetBlogInfo().GetUrlName(), "trips");
    }
    if (!limited)
        GTEST_SKIP() << "the address space could not be limited; only the reports were checked";
}

TEST(DamagedStore, TheFirstSaveKeepsTheDamagedFileAside)
{
    SandboxDevice device;
    std::string path = device.Path("trips.vxl");
    std::string damaged = Sample::StoreFile().substr(0, EndOfEntry(1) + 30);
    WriteTextFile(path, damaged);
    auto [store, error] = LoadFile(path);
    ASSERT_NE(error, Error::Success);

    // The store stays usable: change it and save.
    store->GetBlogInfo().SetTitle("Repaired");
    auto entry = store->NewEntry();
    entry->SetTitle("added");
    store->InsertEntry(std::move(entry));
    ASSERT_EQ(store->Save(), Error::Success);

    EXPECT_EQ(store->GetPreservedCopyPath(), path + ".damaged");
    EXPECT_EQ(ReadTextFile(path + ".damaged"), damaged);
    auto [reloaded, reloadError] = LoadFile(path);
    EXPECT_EQ(reloadError, Error::Success);
    EXPECT_EQ(reloaded->GetBlogInfo().GetTitle(), "Repaired");
    ASSERT_EQ(reloaded->GetEntries().GetSize(), 2u);
    ExpectEntry(*reloaded->GetEntries().GetAt(0), Sample::PublishedEntry());
    EXPECT_EQ(reloaded->GetEntries().GetAt(1)->GetTitle(), "added");

    // Only the first save makes a copy.
    ASSERT_EQ(store->Save(), Error::Success);
    EXPECT_FALSE(PathExists(path + ".damaged-2"));
    EXPECT_TRUE(device.Interaction().ShownMessages().empty());
}

TEST(DamagedStore, AFileThatCannotBeOpenedIsNotReplaced)
{
    SandboxDevice device;
    std::string path = device.Path("folder.vxl");
    ASSERT_EQ(CreateFolder(path), Error::Success);
    WriteTextFile(path + "/inside", "keep");
    auto [store, error] = LoadFile(path);
    EXPECT_NE(error, Error::Success);
    EXPECT_TRUE(store->WasFileFound());
    ASSERT_TRUE(store->GetLoadDamage());
    EXPECT_EQ(store->GetLoadDamage()->kind, ArchiveDamage::Kind::CannotOpen);
    EXPECT_EQ(store->GetBlogInfo().GetUrlName(), "folder");

    EXPECT_NE(store->Save(), Error::Success);
    EXPECT_TRUE(ShowedSaveFailure(device));
    EXPECT_EQ(ReadTextFile(path + "/inside"), "keep");
}

TEST(FailedSave, AWriteErrorLeavesTheOldFileAndTheStore)
{
    SandboxDevice device;
    std::string path = device.Path("trips.vxl");
    WriteTextFile(path, Sample::StoreFile());
    auto [store, error] = LoadFile(path);
    ASSERT_EQ(error, Error::Success);
    for (int i = 0; i < 10; ++i) {
        auto entry = store->NewEntry();
        entry->SetThumbnail(std::vector<std::uint8_t>(8192, 0xAB));
        store->InsertEntry(std::move(entry));
    }

    ErrorCode saveError;
    {
        FileSizeLimit limit(20000);
        saveError = store->Save();
    }
    EXPECT_NE(saveError, Error::Success);
    EXPECT_TRUE(ShowedSaveFailure(device));
    EXPECT_EQ(ReadTextFile(path), Sample::StoreFile());
    EXPECT_EQ(store->GetEntries().GetSize(), 12u);
    EXPECT_EQ(store->GetEntries().GetAt(11)->GetThumbnailSize(), 8192u);
    EXPECT_EQ(ListFolder(device.Home())->size(), 2u) << "no temporary file is left behind";

    // Once the cause is gone the same store saves.
    EXPECT_EQ(store->Save(), Error::Success);
    EXPECT_EQ(LoadFile(path).store->GetEntries().GetSize(), 12u);
}

TEST(FailedSave, AReadOnlyFolderLeavesTheOldFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    SandboxDevice device;
    std::string folder = device.Path("locked");
    ASSERT_EQ(CreateFolder(folder), Error::Success);
    std::string path = folder + "/trips.vxl";
    WriteTextFile(path, Sample::StoreFile());
    auto [store, error] = LoadFile(path);
    ::chmod(folder.c_str(), 0555);
    store->GetBlogInfo().SetTitle("changed");
    ErrorCode saveError = store->Save();
    ::chmod(folder.c_str(), 0755);
    EXPECT_EQ(saveError, Error::AccessDenied);
    EXPECT_TRUE(ShowedSaveFailure(device));
    EXPECT_EQ(ReadTextFile(path), Sample::StoreFile());
    EXPECT_EQ(store->GetBlogInfo().GetTitle(), "changed");
}

TEST(FailedSave, ADataFolderReplacedByAFileIsReported)
{
    SandboxDevice device;
    std::string folder = device.Path("data");
    WriteTextFile(folder, "not a folder");
    CWinBlogStorage store(folder, "trips");
    EXPECT_EQ(store.Save(), Error::PathNotFound);
    EXPECT_TRUE(ShowedSaveFailure(device));
    EXPECT_EQ(ReadTextFile(folder), "not a folder");
}
