#include "model/Archive.h"
#include "model/ArchiveFile.h"
#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"
#include "model/CWinBlogAlbum.h"
#include "model/CWinBlogEntry.h"
#include "platform/File.h"
#include "support/ByteBuilder.h"
#include "support/TemporaryFolder.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

std::string Written(const std::function<void(ArchiveWriter&)>& write)
{
    ArchiveWriter writer;
    write(writer);
    EXPECT_EQ(writer.Flush(), Error::Success);
    return std::string(writer.Data().begin(), writer.Data().end());
}

std::span<const std::uint8_t> Bytes(const std::string& text)
{
    return { reinterpret_cast<const std::uint8_t*>(text.data()), text.size() };
}

std::string Hex(const std::string& bytes, size_t count)
{
    static const char* digits = "0123456789abcdef";
    std::string text;
    for (size_t i = 0; i < std::min(count, bytes.size()); ++i) {
        auto b = static_cast<unsigned char>(bytes[i]);
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

}

TEST(ArchivePrimitives, NumbersAreLittleEndianWithoutGaps)
{
    auto bytes = Written([](ArchiveWriter& w) {
        w.WriteU8(0xAB);
        w.WriteU16(0x1234);
        w.WriteU32(0xDEADBEEF);
        w.WriteBool(true);
        w.WriteBool(false);
    });
    EXPECT_EQ(Hex(bytes, 99), "ab3412efbeadde0100");
}

TEST(ArchivePrimitives, StringLengthPrefixes)
{
    struct Case {
        size_t length;
        std::string prefix;
    };
    for (auto& [length, prefix] : std::vector<Case> {
             { 0, "00" },
             { 1, "01" },
             { 254, "fe" },
             { 255, "ffff00" },
             { 256, "ff0001" },
             { 65533, "fffdff" },
             { 65534, "ffffff"
                      "feff0000" },
             { 70000, "ffffff"
                      "70110100" },
         }) {
        std::string text(length, 'x');
        auto bytes = Written([&](ArchiveWriter& w) { w.WriteString(text); });
        EXPECT_EQ(Hex(bytes, prefix.size() / 2), prefix) << length;
        EXPECT_EQ(bytes.size(), prefix.size() / 2 + length) << length;
        EXPECT_EQ(bytes, ByteBuilder().Str(text).Bytes()) << length;

        ArchiveReader reader(Bytes(bytes));
        EXPECT_EQ(reader.ReadString("text"), text) << length;
        EXPECT_FALSE(reader.Failed());
        EXPECT_EQ(reader.BytesLeft(), 0u);
    }
}

TEST(ArchivePrimitives, Utf16StringsCarryTheMarker)
{
    auto bytes = Written([](ArchiveWriter& w) { w.WriteUtf16String(u"h\u00E9"); });
    EXPECT_EQ(Hex(bytes, 99), "fffeff02"
                              "6800"
                              "e900");

    std::u16string longText(300, u'\u4E2D');
    bytes = Written([&](ArchiveWriter& w) { w.WriteUtf16String(longText); });
    EXPECT_EQ(Hex(bytes, 6), "fffeff"
                             "ff2c01");
    ArchiveReader reader(Bytes(bytes));
    EXPECT_EQ(reader.ReadUtf16String("name"), longText);
    EXPECT_FALSE(reader.Failed());
}

TEST(ArchivePrimitives, EitherStringFormIsAcceptedWhereTheOtherIsExpected)
{
    auto bytes = ByteBuilder()
                     .Utf16(u"Caf\u00E9 \U0001F600")
                     .Str("\xC3\x85sa")
                     .Utf16(std::u16string(70000, u'a'))
                     .Bytes();
    ArchiveReader reader(Bytes(bytes));
    EXPECT_EQ(reader.ReadString("title"), "Caf\xC3\xA9 \xF0\x9F\x98\x80");
    EXPECT_EQ(reader.ReadUtf16String("name"), u"\u00C5sa");
    EXPECT_EQ(reader.ReadString("caption"), std::string(70000, 'a'));
    EXPECT_FALSE(reader.Failed());
}

TEST(ArchivePrimitives, LongFormLengthsOfShortStringsAreAccepted)
{
    // Not what this program writes, but a valid encoding of "hi".
    auto bytes = ByteBuilder().U8(255).U16(2).Raw("hi").U8(255).U16(65535).U32(2).Raw("ok").Bytes();
    ArchiveReader reader(Bytes(bytes));
    EXPECT_EQ(reader.ReadString("a"), "hi");
    EXPECT_EQ(reader.ReadString("b"), "ok");
    EXPECT_FALSE(reader.Failed());
}

TEST(ArchivePrimitives, CountsAndBooleans)
{
    auto bytes = Written([](ArchiveWriter& w) {
        w.WriteCount(0);
        w.WriteCount(65534);
        w.WriteCount(65535);
    });
    EXPECT_EQ(Hex(bytes, 99), "0000"
                              "feff"
                              "ffff"
                              "ffff0000");

    auto flags = ByteBuilder().U8(0).U8(1).U8(2).U8(255).Bytes();
    ArchiveReader reader(Bytes(flags));
    EXPECT_FALSE(reader.ReadBool("a"));
    EXPECT_TRUE(reader.ReadBool("b"));
    EXPECT_TRUE(reader.ReadBool("c"));
    EXPECT_TRUE(reader.ReadBool("d"));
}

TEST(ArchiveTags, ClassesAndObjectsShareOneNumbering)
{
    const RuntimeClass& entry = CWinBlogEntry::Class();
    const RuntimeClass& album = CWinBlogAlbum::Class();
    auto bytes = Written([&](ArchiveWriter& w) {
        w.WriteObjectTag(entry); // class 1, object 2
        w.WriteObjectTag(entry); // object 3
        w.WriteObjectTag(album); // class 4, object 5
        w.WriteObjectTag(entry); // object 6
        w.WriteObjectTag(album); // object 7
    });
    auto expected = ByteBuilder().NewClass("CWinBlogEntry").ClassRef(1).NewClass("CWinBlogAlbum").ClassRef(1).ClassRef(4).Bytes();
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(Hex(bytes, 6), "ffff00000d00");

    ArchiveReader reader(Bytes(bytes));
    EXPECT_TRUE(reader.ReadObjectTag(entry));
    EXPECT_TRUE(reader.ReadObjectTag(entry));
    EXPECT_TRUE(reader.ReadObjectTag(album));
    EXPECT_TRUE(reader.ReadObjectTag(entry));
    EXPECT_TRUE(reader.ReadObjectTag(album));
    EXPECT_FALSE(reader.Failed());
}

TEST(ArchiveTags, ClassNumbersFrom32767UseTheLongForm)
{
    const RuntimeClass& entry = CWinBlogEntry::Class();
    const RuntimeClass& album = CWinBlogAlbum::Class();
    constexpr int kEntries = 40000;
    auto bytes = Written([&](ArchiveWriter& w) {
        for (int i = 0; i < kEntries; ++i)
            w.WriteObjectTag(entry);
        w.WriteObjectTag(album); // class 40002
        w.WriteObjectTag(album);
    });
    ByteBuilder expected;
    expected.NewClass("CWinBlogEntry");
    for (int i = 1; i < kEntries; ++i)
        expected.ClassRef(1);
    expected.NewClass("CWinBlogAlbum").U16(32767).U32(0x80000000u + 40002);
    EXPECT_EQ(bytes, expected.Bytes());

    ArchiveReader reader(Bytes(bytes));
    for (int i = 0; i < kEntries; ++i)
        ASSERT_TRUE(reader.ReadObjectTag(entry));
    EXPECT_TRUE(reader.ReadObjectTag(album));
    EXPECT_TRUE(reader.ReadObjectTag(album));
    EXPECT_FALSE(reader.Failed());
}

TEST(ArchiveTags, TagsThatDoNotNameTheExpectedClassAreDamage)
{
    const RuntimeClass& entry = CWinBlogEntry::Class();
    struct Case {
        std::string bytes;
        ArchiveDamage::Kind kind;
        std::string text;
    };
    for (auto& [bytes, kind, text] : std::vector<Case> {
             { ByteBuilder().NewClass("CWinBlogEntrx").Bytes(), ArchiveDamage::Kind::UnexpectedClass, "class \"CWinBlogEntrx\" where a CWinBlogEntry belongs" },
             { ByteBuilder().NewClass("CWinBlogAlbum").Bytes(), ArchiveDamage::Kind::UnexpectedClass, "CWinBlogAlbum" },
             { ByteBuilder().NewClass("CWinBlogEntry", 1).Bytes(), ArchiveDamage::Kind::BadSchema, "schema 1" },
             { ByteBuilder().U16(0).Bytes(), ArchiveDamage::Kind::BadTag, "an empty record" },
             { ByteBuilder().NewClass("CWinBlogEntry").U16(2).Bytes(), ArchiveDamage::Kind::BadTag, "object 2" },
             { ByteBuilder().NewClass("CWinBlogEntry").ClassRef(2).Bytes(), ArchiveDamage::Kind::BadTag, "class number 2" },
             { ByteBuilder().ClassRef(1).Bytes(), ArchiveDamage::Kind::BadTag, "class number 1" },
             { ByteBuilder().U16(32767).U32(5).Bytes(), ArchiveDamage::Kind::BadTag, "object 5" },
             { ByteBuilder().U16(32767).U32(0x80000001u).Bytes(), ArchiveDamage::Kind::BadTag, "class number 1" },
             { ByteBuilder().U16(65535).U16(0).U16(200).Raw("CWin").Bytes(), ArchiveDamage::Kind::EndOfData, "200 bytes needed, 4 left" },
         }) {
        ArchiveReader reader(Bytes(bytes));
        bool ok = reader.ReadObjectTag(entry) && reader.ReadObjectTag(entry);
        EXPECT_FALSE(ok);
        ASSERT_TRUE(reader.Failed()) << text;
        EXPECT_EQ(reader.Damage()->kind, kind) << text;
        EXPECT_NE(reader.Damage()->Describe().find(text), std::string::npos) << reader.Damage()->Describe();
    }
}

TEST(ArchiveReader, FailureIsStickyAndNamesTheFirstField)
{
    auto bytes = ByteBuilder().U32(7).U16(9).Bytes();
    ArchiveReader reader(Bytes(bytes));
    ArchiveReader::RecordScope scope(reader, "entries", 2, 5);
    EXPECT_EQ(reader.ReadU32("server id"), 7u);
    EXPECT_EQ(reader.ReadU32("category id"), 0u);
    EXPECT_EQ(reader.ReadU16("never read"), 0u);
    EXPECT_EQ(reader.ReadString("title"), "");
    ASSERT_TRUE(reader.Failed());
    const ArchiveDamage& damage = *reader.Damage();
    EXPECT_EQ(damage.kind, ArchiveDamage::Kind::EndOfData);
    EXPECT_EQ(damage.error, Error::HandleEof);
    EXPECT_EQ(damage.offset, 4u);
    EXPECT_EQ(damage.field, "category id");
    EXPECT_EQ(damage.record, "record 3 of 5 in entries");
    EXPECT_EQ(damage.Describe(), "the data ends early at byte 4, in the category id of record 3 of 5 in entries (4 bytes needed, 2 left)");
}

TEST(ArchiveReader, LengthsAndCountsBeyondTheDataAreRefusedBeforeAnythingIsAllocated)
{
    struct Case {
        std::string bytes;
        std::string detail;
    };
    for (auto& [bytes, detail] : std::vector<Case> {
             { ByteBuilder().U8(255).U16(65535).U32(0xFFFFFFFF).Raw("abc").Bytes(), "4294967295 bytes needed, 3 left" },
             { ByteBuilder().U8(255).U16(65534).U8(255).U16(65535).U32(0xFFFFFFFF).Bytes(), "8589934590 bytes needed, 0 left" },
             { ByteBuilder().U16(65535).U32(0xFFFFFFFF).U32(0).Bytes(), "a count of 4294967295 with 4 bytes left" },
         }) {
        ArchiveReader reader(Bytes(bytes));
        if (detail.find("count") != std::string::npos)
            EXPECT_EQ(reader.ReadCount("count of entries"), 0u);
        else
            EXPECT_EQ(reader.ReadString("title"), "");
        ASSERT_TRUE(reader.Failed());
        EXPECT_EQ(reader.Damage()->detail, detail);
        EXPECT_EQ(reader.Damage()->offset, 0u);
    }
    auto block = ByteBuilder().U32(0xFFFFFFF0).Bytes();
    ArchiveReader reader(Bytes(block));
    EXPECT_TRUE(reader.ReadBytes(reader.ReadU32("thumbnail size"), "thumbnail").empty());
    EXPECT_TRUE(reader.Failed());
}

TEST(ArchiveReader, ReportsBytesLeftOver)
{
    auto bytes = ByteBuilder().U16(1).U8(0).U8(0).Bytes();
    ArchiveReader reader(Bytes(bytes));
    reader.ReadU16("format version");
    reader.ExpectEnd();
    ASSERT_TRUE(reader.Failed());
    EXPECT_EQ(reader.Damage()->kind, ArchiveDamage::Kind::TrailingData);
    EXPECT_EQ(reader.Damage()->Describe(), "unexpected data after the end at byte 2 (2 bytes after the last field)");
}

TEST(ArchiveFiles, BufferedFileReadingAndWritingMatchMemory)
{
    // Strings and blocks of every size around the buffers.
    constexpr size_t buffer = ArchiveReader::kBufferSize;
    static_assert(buffer == ArchiveWriter::kBufferSize);
    const std::vector<size_t> sizes { 0, 1, 254, 255, 4000, buffer - 1, buffer, buffer + 1, 2 * buffer + 9000, 3, 65534, 1 };
    auto write = [&](ArchiveWriter& w) {
        for (size_t size : sizes) {
            w.WriteString(std::string(size, static_cast<char>('a' + size % 26)));
            std::vector<std::uint8_t> block(size, static_cast<std::uint8_t>(size));
            w.WriteU32(static_cast<std::uint32_t>(size));
            w.WriteBytes(block);
        }
        w.WriteUtf16String(u"end");
    };
    std::string inMemory = Written(write);

    TemporaryFolder folder;
    std::string path = folder.File("buffered.vxl");
    {
        auto file = File::Open(path, File::Mode::CreateReadWrite);
        ASSERT_FALSE(file.IsError());
        ArchiveWriter writer(*file);
        write(writer);
        ASSERT_EQ(writer.Flush(), Error::Success);
        EXPECT_EQ(writer.BytesWritten(), inMemory.size());
    }
    EXPECT_EQ(ReadTextFile(path), inMemory);

    auto file = File::Open(path, File::Mode::Read);
    ASSERT_FALSE(file.IsError());
    ArchiveReader reader(*file);
    for (size_t size : sizes) {
        EXPECT_EQ(reader.ReadString("text"), std::string(size, static_cast<char>('a' + size % 26)));
        auto block = reader.ReadBytes(reader.ReadU32("size"), "block");
        EXPECT_EQ(block, std::vector<std::uint8_t>(size, static_cast<std::uint8_t>(size)));
    }
    EXPECT_EQ(reader.ReadUtf16String("last"), u"end");
    reader.ExpectEnd();
    EXPECT_FALSE(reader.Failed());
}

TEST(ArchiveFiles, OnlyASaveLeftToTheKernelIsFlushedAfterwards)
{
    TemporaryFolder folder;
    std::string path = folder.File("blog.vxl");
    ArchiveFile file(path);
    auto write = [](Archive& archive) {
        std::uint32_t value = 7;
        archive.Exchange("value", value);
    };
    ASSERT_EQ(file.Save(write, CommitFlush::Later), Error::Success);
    EXPECT_EQ(ReadTextFile(path), std::string("\x07\0\0\0", 4)) << "in place at once";
    ASSERT_EQ(::rename(path.c_str(), folder.File("moved.vxl").c_str()), 0);
    EXPECT_EQ(file.FlushToDisk(), Error::FileNotFound) << "a save waiting for its flush is flushed";
    ASSERT_EQ(::rename(folder.File("moved.vxl").c_str(), path.c_str()), 0);
    EXPECT_EQ(file.FlushToDisk(), Error::Success);
    ASSERT_EQ(::unlink(path.c_str()), 0);
    EXPECT_EQ(file.FlushToDisk(), Error::Success) << "flushed already: nothing more to do";

    ASSERT_EQ(file.Save(write, CommitFlush::Later), Error::Success);
    ASSERT_EQ(file.Save(write), Error::Success);
    ASSERT_EQ(::unlink(path.c_str()), 0);
    EXPECT_EQ(file.FlushToDisk(), Error::Success) << "an ordinary save is on the disk by itself";
}

TEST(ArchiveFiles, FieldsThatCannotBeReadKeepTheirValues)
{
    auto bytes = ByteBuilder().U32(12).Str("Travel").Bytes();
    ArchiveReader reader(Bytes(bytes));
    Archive archive(reader);
    CWinBlogAlbum album;
    album.SetUrl("kept");
    album.Serialize(archive);
    EXPECT_TRUE(archive.Failed());
    EXPECT_EQ(album.GetId(), 12u);
    EXPECT_EQ(album.GetName(), "Travel");
    EXPECT_EQ(album.GetUrl(), "kept");
    EXPECT_TRUE(album.IsModified());
}

TEST(ArchiveFiles, AFileThatShrinksWhileItIsReadIsReported)
{
    TemporaryFolder folder;
    std::string path = folder.File("shrinking.vxl");
    constexpr std::uint32_t kBlockSize = ArchiveReader::kBufferSize + 5000;
    auto contents = ByteBuilder().U32(kBlockSize).Raw(std::string(kBlockSize, 'x')).Str("tail").Bytes();
    WriteTextFile(path, contents);
    for (bool block : { true, false }) {
        auto file = File::Open(path, File::Mode::Read);
        ASSERT_FALSE(file.IsError());
        ArchiveReader reader(*file);
        auto writer = File::Open(path, File::Mode::ReadWrite);
        if (block) {
            // The first buffer's worth is read already; the rest of the
            // block is read past the buffer, straight into place.
            std::uint32_t size = reader.ReadU32("thumbnail size");
            ASSERT_EQ(writer->Truncate(ArchiveReader::kBufferSize + 4), Error::Success);
            EXPECT_TRUE(reader.ReadBytes(size, "thumbnail").empty());
        } else {
            ASSERT_EQ(writer->Truncate(2), Error::Success);
            EXPECT_EQ(reader.ReadU32("thumbnail size"), 0u);
        }
        ASSERT_TRUE(reader.Failed());
        EXPECT_EQ(reader.Damage()->kind, ArchiveDamage::Kind::EndOfData);
        EXPECT_EQ(reader.Damage()->detail, "the file became shorter while it was read");
        WriteTextFile(path, contents);
    }
}
