#include "StreamTestHelpers.h"
#include "transport/HeapSmallStream.h"
#include "transport/ReadOnlyMemoryStream.h"
#include "transport/StreamFactories.h"
#include "transport/StreamUtilities.h"

#include <cstring>
#include <gtest/gtest.h>

TEST(SmallStream, GrowsInStepsOf4096Bytes)
{
    HeapSmallStream stream;
    EXPECT_EQ(stream.GetCapacity(), 0u) << "nothing is allocated before the first write";
    ASSERT_TRUE(stream.Write("x", 1));
    EXPECT_EQ(stream.GetCapacity(), 4096u);
    std::string more(4095, 'y');
    ASSERT_TRUE(stream.Write(more.data(), 4095));
    EXPECT_EQ(stream.GetCapacity(), 4096u) << "exactly full still fits";
    ASSERT_TRUE(stream.Write("z", 1));
    EXPECT_EQ(stream.GetCapacity(), 8192u);
    EXPECT_EQ(stream.GetLength(), 4097u);
    EXPECT_EQ(stream.GetPosition(), 4097u);
}

TEST(SmallStream, SeekingPastTheEndStopsAtTheLength)
{
    HeapSmallStream stream;
    WriteText(stream, "hello");
    EXPECT_FALSE(stream.Seek(6));
    EXPECT_EQ(stream.GetPosition(), 5u);
    EXPECT_TRUE(stream.Seek(5));
    EXPECT_TRUE(stream.Seek(1));
    EXPECT_EQ(ReadRest(stream), "ello");
}

TEST(SmallStream, ReadChunkHandsOutTheRestOnce)
{
    HeapSmallStream stream;
    WriteText(stream, "abcdef");
    stream.Seek(2);
    const std::uint8_t* chunk = nullptr;
    std::uint32_t length = 0;
    ASSERT_TRUE(stream.ReadChunk(chunk, length));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(chunk), length), "cdef");
    EXPECT_FALSE(stream.ReadChunk(chunk, length)) << "the position is at the length";
    EXPECT_EQ(length, 0u);
    std::uint8_t byte = 0;
    EXPECT_FALSE(stream.ReadByte(byte));
    EXPECT_FALSE(stream.PeekByte(byte));
}

TEST(SmallStream, BulkReadsCopyFromThePositionAndStopAtTheLength)
{
    HeapSmallStream stream;
    std::string text = PatternText(9000);
    WriteText(stream, text);
    stream.Seek(1);
    std::uint8_t byte = 0;
    ASSERT_TRUE(stream.ReadByte(byte));
    char part[8000];
    ASSERT_EQ(stream.Read(part, 4096), 4096u);
    EXPECT_EQ(std::string(part, 4096), text.substr(2, 4096));
    ASSERT_EQ(stream.Read(part, sizeof part), 9000u - 4098u) << "the rest, short of the block";
    EXPECT_EQ(std::string(part, 9000 - 4098), text.substr(4098));
    EXPECT_EQ(stream.GetPosition(), 9000u);
    EXPECT_EQ(stream.Read(part, sizeof part), 0u);

    HeapSmallStream empty;
    EXPECT_EQ(empty.Read(part, sizeof part), 0u);
    EXPECT_EQ(empty.GetPosition(), 0u);
}

TEST(SmallStream, WritingInsideOverwritesAndKeepsTheLength)
{
    HeapSmallStream stream;
    WriteText(stream, "abcdef");
    stream.Seek(1);
    WriteText(stream, "XY");
    EXPECT_EQ(stream.GetPosition(), 3u);
    EXPECT_EQ(stream.GetLength(), 6u);
    stream.Seek(0);
    EXPECT_EQ(ReadRest(stream), "aXYdef");
}

TEST(SmallStream, DirectWritesFillTheWindowAndGrowWhenFull)
{
    auto stream = CreateMemoryStream();
    std::uint8_t* window = nullptr;
    std::uint32_t room = 0;
    ASSERT_TRUE(stream->GetWriteBuffer(window, room));
    ASSERT_EQ(room, 4096u) << "a new stream's window is one step";
    std::memset(window, 'a', room);
    ASSERT_TRUE(stream->CommitWrite(room));
    ASSERT_TRUE(stream->GetWriteBuffer(window, room)) << "a full block grows instead of offering no room";
    EXPECT_EQ(room, 4096u);
    window[0] = 'b';
    stream->CommitWrite(1);
    EXPECT_EQ(stream->GetLength(), 4097u);
    stream->CommitWrite(100000);
    EXPECT_EQ(stream->GetLength(), stream->GetCapacity()) << "a commit never passes the block";
}

TEST(ReadOnlyMemoryStream, CoversMemoryWithoutGrowing)
{
    std::uint8_t bytes[4] = { 'a', 'b', 'c', 'd' };
    ReadOnlyMemoryStream stream { std::span<std::uint8_t>(bytes) };
    EXPECT_EQ(stream.GetLength(), 4u);
    EXPECT_EQ(stream.GetCapacity(), 4u);
    EXPECT_EQ(ReadRest(stream), "abcd");

    stream.Seek(2);
    EXPECT_TRUE(stream.Write("XY", 2)) << "a write up to the last byte fits";
    EXPECT_EQ(bytes[3], 'Y');
    EXPECT_FALSE(stream.Write("Z", 1)) << "one byte beyond the covered memory";
    stream.Seek(3);
    EXPECT_FALSE(stream.Write("12", 2));
    EXPECT_EQ(bytes[3], 'Y') << "a failed write changes nothing";
    std::uint8_t* window = nullptr;
    std::uint32_t room = 0;
    stream.Seek(4);
    EXPECT_FALSE(stream.GetWriteBuffer(window, room));
}

TEST(ReadOnlyMemoryStream, ConstantMemoryIsNeverWritten)
{
    static const char kText[] = "<fixed>";
    ReadOnlyMemoryStream stream { std::string_view(kText) };
    EXPECT_FALSE(stream.Write("x", 1));
    std::uint8_t* window = nullptr;
    std::uint32_t room = 0;
    EXPECT_FALSE(stream.GetWriteBuffer(window, room));
    EXPECT_EQ(ReadChunks(stream), "<fixed>");
}
