#include "StreamTestHelpers.h"
#include "support/SandboxDevice.h"
#include "transport/CompoundStream.h"
#include "transport/ReadOnlyMemoryStream.h"
#include "transport/StreamFactories.h"
#include "transport/StreamTail.h"
#include "transport/StreamUtilities.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<Stream> MemoryWith(const std::string& text)
{
    auto stream = CreateMemoryStream();
    WriteText(*stream, text);
    return stream;
}

}

TEST(CompoundStream, ReadsBothStreamsInTurn)
{
    CompoundStream stream(MemoryWith("0123456789"), MemoryWith("abcde"));
    EXPECT_EQ(stream.GetLength(), 15u);
    EXPECT_EQ(stream.GetPosition(), 0u) << "both parts are sought to their start";
    EXPECT_EQ(ReadRest(stream), "0123456789abcde");
    EXPECT_EQ(stream.GetPosition(), 15u);
    stream.Seek(0);
    EXPECT_EQ(ReadChunks(stream), "0123456789abcde");
}

TEST(CompoundStream, BulkReadsRunOnIntoTheSecondPart)
{
    SandboxDevice device;
    auto body = CreateTempStream();
    std::string text = PatternText(9000);
    WriteText(*body, text);
    CompoundStream stream(MemoryWith("head\r\n\r\n"), std::move(body));
    std::uint8_t byte = 0;
    ASSERT_TRUE(stream.ReadByte(byte));
    char part[6];
    ASSERT_EQ(stream.Read(part, sizeof part), 6u);
    EXPECT_EQ(std::string(part, 6), "ead\r\n\r") << "the first part alone";
    for (std::uint32_t block : { 1u, 4u, 4096u, 20000u }) {
        stream.Seek(0);
        EXPECT_EQ(ReadInBlocks(stream, block), "head\r\n\r\n" + text) << "blocks of " << block;
        EXPECT_EQ(stream.GetPosition(), 9008u);
    }
}

TEST(StreamTail, BulkReadsShareThePositionOfTheWhole)
{
    auto whole = MemoryWith("headers|body");
    StreamTail tail(*whole, 8);
    ASSERT_TRUE(tail.Seek(0));
    char part[10];
    ASSERT_EQ(tail.Read(part, sizeof part), 4u);
    EXPECT_EQ(std::string(part, 4), "body");
    EXPECT_EQ(tail.GetPosition(), 4u);
    EXPECT_EQ(whole->GetPosition(), 12u);
}

TEST(CompoundStream, SeeksIntoEitherPart)
{
    CompoundStream stream(MemoryWith("0123456789"), MemoryWith("abcde"));
    ASSERT_TRUE(stream.Seek(12));
    std::uint8_t byte = 0;
    ASSERT_TRUE(stream.ReadByte(byte));
    EXPECT_EQ(byte, 'c');
    ASSERT_TRUE(stream.Seek(8));
    EXPECT_EQ(ReadRest(stream), "89abcde") << "the second part starts over after a seek into the first";
}

TEST(CompoundStream, IsReadOnly)
{
    CompoundStream stream(MemoryWith("a"), MemoryWith("b"));
    EXPECT_FALSE(stream.Write("x", 1));
    std::uint8_t* window = nullptr;
    std::uint32_t room = 0;
    EXPECT_FALSE(stream.GetWriteBuffer(window, room));
    EXPECT_FALSE(stream.CommitWrite(1));
}

TEST(CompoundStream, WorksOverAFileBody)
{
    SandboxDevice device;
    auto body = CreateTempStream();
    std::string text = PatternText(9000);
    WriteText(*body, text);
    CompoundStream stream(MemoryWith("head\r\n\r\n"), std::move(body));
    EXPECT_EQ(stream.GetLength(), 9008u);
    EXPECT_EQ(ReadChunks(stream), "head\r\n\r\n" + text);
}

TEST(StreamUtilities, CopyStreamCopiesFromThePositionAndStopsAtAFailedWrite)
{
    auto source = MemoryWith("skip:copied");
    source->Seek(5);
    auto destination = CreateMemoryStream();
    EXPECT_TRUE(CopyStream(*destination, *source));
    destination->Seek(0);
    EXPECT_EQ(ReadRest(*destination), "copied");

    std::uint8_t small[3] = {};
    ReadOnlyMemoryStream full { std::span<std::uint8_t>(small) };
    source->Seek(0);
    EXPECT_FALSE(CopyStream(full, *source));
}
