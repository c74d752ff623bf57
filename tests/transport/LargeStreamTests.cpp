#include "StreamTestHelpers.h"
#include "platform/DeviceFolders.h"
#include "platform/FileSystem.h"
#include "support/SandboxDevice.h"
#include "transport/FileLargeStream.h"
#include "transport/StreamFactories.h"
#include "transport/StreamUtilities.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <cstring>

namespace {

// The files the process holds open in the folder (even ones without a name).
int OpenFilesIn(const std::string& folder)
{
    int count = 0;
    for (auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        auto target = std::filesystem::read_symlink(entry.path(), error).string();
        if (!error && target.starts_with(folder + "/"))
            ++count;
    }
    return count;
}

}

TEST(LargeStream, ReadsBackWhatWasWrittenAcrossBuffers)
{
    SandboxDevice device;
    auto stream = CreateTempStream();
    ASSERT_TRUE(stream);
    std::string text = PatternText(10000);
    ASSERT_TRUE(WriteText(*stream, text));
    EXPECT_EQ(stream->GetPosition(), 0u) << "writing does not move the position";
    EXPECT_EQ(stream->GetLength(), 10000u);
    ASSERT_TRUE(stream->Seek(0));
    EXPECT_EQ(ReadRest(*stream), text);
    EXPECT_EQ(stream->GetPosition(), 10000u);
    ASSERT_TRUE(stream->Seek(0));
    EXPECT_EQ(ReadChunks(*stream), text);
    EXPECT_EQ(stream->GetPosition(), 0u) << "chunks do not move the position";
}

TEST(LargeStream, ChunksAreWholeBlocksAndSkipUnreadBytes)
{
    SandboxDevice device;
    auto stream = CreateTempStream();
    std::string text = PatternText(9000);
    WriteText(*stream, text);
    stream->Seek(0);
    std::uint8_t byte = 0;
    ASSERT_TRUE(stream->ReadByte(byte));
    const std::uint8_t* chunk = nullptr;
    std::uint32_t length = 0;
    ASSERT_TRUE(stream->ReadChunk(chunk, length));
    EXPECT_EQ(length, 4096u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(chunk), length), text.substr(4096, 4096));
    ASSERT_TRUE(stream->ReadByte(byte)) << "bytes handed out in a chunk are not read again";
    EXPECT_EQ(byte, static_cast<std::uint8_t>(text[8192]));
    EXPECT_EQ(stream->GetPosition(), 2u);
}

TEST(LargeStream, BulkReadsTakeWhatReadByteWouldAcrossBuffers)
{
    SandboxDevice device;
    for (std::uint32_t size : { 0u, 1u, 3u, 4095u, 4096u, 4097u, 8192u, 10000u }) {
        auto stream = CreateTempStream();
        std::string text = PatternText(size);
        ASSERT_TRUE(WriteText(*stream, text));
        for (std::uint32_t block : { 1u, 3u, 7u, 4096u, 5000u }) {
            ASSERT_TRUE(stream->Seek(0));
            EXPECT_EQ(ReadInBlocks(*stream, block), text) << size << " bytes in blocks of " << block;
            EXPECT_EQ(stream->GetPosition(), size);
        }
    }
}

TEST(LargeStream, BulkReadsContinueAfterReadByteAndKeepChunksWhole)
{
    SandboxDevice device;
    auto stream = CreateTempStream();
    std::string text = PatternText(10000);
    WriteText(*stream, text);
    stream->Seek(0);
    std::uint8_t byte = 0;
    ASSERT_TRUE(stream->ReadByte(byte));
    ASSERT_TRUE(stream->ReadByte(byte));
    char part[5000];
    ASSERT_EQ(stream->Read(part, 4094), 4094u) << "to the end of the first buffer";
    EXPECT_EQ(std::string(part, 4094), text.substr(2, 4094));
    ASSERT_EQ(stream->Read(part, 3), 3u);
    EXPECT_EQ(std::string(part, 3), text.substr(4096, 3));
    EXPECT_EQ(stream->GetPosition(), 4099u);
    ASSERT_TRUE(stream->ReadByte(byte));
    EXPECT_EQ(byte, static_cast<std::uint8_t>(text[4099]));

    const std::uint8_t* chunk = nullptr;
    std::uint32_t length = 0;
    ASSERT_TRUE(stream->ReadChunk(chunk, length));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(chunk), length), text.substr(8192))
        << "bytes of the buffer a bulk read left are dropped by a chunk";
    EXPECT_EQ(stream->Read(part, sizeof part), 0u) << "nothing is left";
    EXPECT_EQ(stream->GetPosition(), 4100u);
}

TEST(LargeStream, WritesAfterABulkReadGoWhereItsBlockEnded)
{
    SandboxDevice device;
    auto stream = CreateTempStream();
    WriteText(*stream, "0123456789");
    stream->Seek(4);
    char part[16];
    ASSERT_EQ(stream->Read(part, 3), 3u);
    EXPECT_EQ(std::string(part, 3), "456");
    WriteText(*stream, "abc");
    stream->Seek(0);
    ASSERT_EQ(stream->Read(part, sizeof part), 13u);
    EXPECT_EQ(std::string(part, 13), "0123456789abc") << "the write went where the read block ended";
}

TEST(LargeStream, AskingTheLengthWhileReadingLosesNothing)
{
    SandboxDevice device;
    auto stream = CreateTempStream();
    std::string text = PatternText(6000);
    WriteText(*stream, text);
    stream->Seek(0);
    std::uint8_t byte = 0;
    stream->ReadByte(byte);
    EXPECT_EQ(stream->GetLength(), 6000u);
    EXPECT_EQ(ReadRest(*stream), text.substr(1));
}

TEST(LargeStream, PeekDoesNotAdvance)
{
    SandboxDevice device;
    auto stream = CreateTempStream();
    WriteText(*stream, "ab");
    stream->Seek(0);
    std::uint8_t byte = 0;
    ASSERT_TRUE(stream->PeekByte(byte));
    EXPECT_EQ(byte, 'a');
    EXPECT_EQ(stream->GetPosition(), 0u);
    EXPECT_EQ(ReadRest(*stream), "ab");
    EXPECT_FALSE(stream->PeekByte(byte));
}

TEST(LargeStream, DirectWritesGoThroughTheBuffer)
{
    SandboxDevice device;
    auto stream = CreateTempStream();
    std::uint8_t* window = nullptr;
    std::uint32_t room = 0;
    ASSERT_TRUE(stream->GetWriteBuffer(window, room));
    EXPECT_EQ(room, 4096u);
    std::memcpy(window, "hello", 5);
    stream->CommitWrite(5);
    ASSERT_TRUE(stream->GetWriteBuffer(window, room));
    EXPECT_EQ(room, 4091u);
    std::memset(window, '.', room);
    stream->CommitWrite(room + 50);
    ASSERT_TRUE(stream->GetWriteBuffer(window, room)) << "a full buffer is written out first";
    EXPECT_EQ(room, 4096u);
    EXPECT_EQ(stream->GetLength(), 4096u);
}

TEST(LargeStream, TemporaryFileNeverShowsAndIsGoneWithTheStream)
{
    SandboxDevice device;
    std::string folder = DeviceFolders::Current().TemporaryFolder();
    {
        auto stream = FileLargeStream::CreateTemporary();
        ASSERT_TRUE(stream);
        EXPECT_TRUE(stream->FileName().empty());
        WriteText(*stream, PatternText(5000));
        EXPECT_EQ(stream->GetLength(), 5000u);
        EXPECT_EQ(OpenFilesIn(folder), 1);
        EXPECT_TRUE(ListFolder(folder)->empty()) << "nothing could be left behind by a crash";
    }
    EXPECT_EQ(OpenFilesIn(folder), 0);
    EXPECT_TRUE(ListFolder(folder)->empty());
}

TEST(LargeStream, CreateTempStreamFailsWithoutATemporaryFolder)
{
    SandboxDevice device;
    WriteTextFile(device.Path("Temp"), "a file where the folder should be");
    EXPECT_FALSE(CreateTempStream());
}

TEST(LargeStream, NamedFileKeepsItsLastBytes)
{
    SandboxDevice device;
    std::string path = device.Path("photo.bin");
    WriteTextFile(path, "0123456789");
    {
        auto stream = FileLargeStream::OpenExisting(path);
        ASSERT_TRUE(stream);
        EXPECT_EQ(stream->FileName(), path);
        EXPECT_EQ(stream->GetLength(), 10u);
        stream->Seek(4);
        WriteText(*stream, "abc");
    }
    EXPECT_EQ(ReadTextFile(path), "0123abc789") << "the buffer is written when the stream goes";
    EXPECT_FALSE(FileLargeStream::OpenExisting(device.Path("missing.bin")));
}
