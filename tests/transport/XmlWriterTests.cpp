#include "StreamTestHelpers.h"
#include "support/SandboxDevice.h"
#include "transport/ReadOnlyMemoryStream.h"
#include "transport/StreamFactories.h"
#include "transport/StreamUtilities.h"
#include "transport/XmlWriter.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

std::string Escaped(std::string_view text)
{
    auto stream = CreateMemoryStream();
    EXPECT_TRUE(WriteEscaped(*stream, text));
    stream->Seek(0);
    return ReadRest(*stream);
}

std::string Base64(std::string_view bytes)
{
    ReadOnlyMemoryStream source { bytes };
    auto destination = CreateMemoryStream();
    EXPECT_TRUE(WriteBase64(*destination, source));
    destination->Seek(0);
    return ReadRest(*destination);
}

// Base64 the plain way, one group of three bytes at a time.
std::string ReferenceBase64(std::string_view bytes)
{
    static constexpr char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::size_t count = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t bits = 0;
        for (std::size_t j = 0; j < 3; ++j)
            bits = bits << 8 | (j < count ? static_cast<std::uint8_t>(bytes[i + j]) : 0u);
        text += alphabet[bits >> 18 & 63];
        text += alphabet[bits >> 12 & 63];
        text += count > 1 ? alphabet[bits >> 6 & 63] : '=';
        text += count > 2 ? alphabet[bits & 63] : '=';
    }
    return text;
}

// Random bytes, all 256 values, the same every run.
std::string Bytes(std::size_t size)
{
    std::string bytes(size, '\0');
    std::uint32_t state = 12345;
    for (auto& byte : bytes) {
        state = state * 1103515245 + 12345;
        byte = static_cast<char>(state >> 16);
    }
    return bytes;
}

}

TEST(WriteEscaped, ReplacesTheEntityCharacters)
{
    EXPECT_EQ(Escaped("a<b & c"), "a&lt;b &amp; c");
    EXPECT_EQ(Escaped("\"q\" 'a' >\t\n\r"), "&quot;q&quot; &apos;a&apos; &gt;&#x9;&#xA;&#xD;");
    EXPECT_EQ(Escaped("Caf\xC3\xA9 \xE2\x82\xAC"), "Caf\xC3\xA9 \xE2\x82\xAC") << "UTF-8 passes unchanged";
    EXPECT_EQ(Escaped(""), "");
    EXPECT_EQ(Escaped(std::string_view("cut\0off", 7)), "cut") << "the text ends at its NUL";
}

TEST(WriteEscaped, ReportsAFailedWrite)
{
    std::uint8_t room[4] = {};
    ReadOnlyMemoryStream small { std::span<std::uint8_t>(room) };
    EXPECT_FALSE(WriteEscaped(small, "a&b"));
}

TEST(WriteBase64, EncodesGroupsAndPadding)
{
    EXPECT_EQ(Base64("abc"), "YWJj");
    EXPECT_EQ(Base64("ab"), "YWI=");
    EXPECT_EQ(Base64("a"), "YQ==");
    EXPECT_EQ(Base64(""), "");
    EXPECT_EQ(Base64(std::string_view("\xFF\xFE\x00\x01", 4)), "//4AAQ==");
}

TEST(WriteBase64, EncodesFromThePositionWithoutLineBreaks)
{
    SandboxDevice device;
    auto source = CreateTempStream();
    std::string photo = PatternText(100000);
    WriteText(*source, "skip" + photo);
    source->Seek(4);
    auto destination = CreateTempStream();
    ASSERT_TRUE(WriteBase64(*destination, *source));
    destination->Seek(0);
    std::string encoded = ReadRest(*destination);
    EXPECT_EQ(encoded.size(), (photo.size() + 2) / 3 * 4);
    EXPECT_EQ(encoded.find('\n'), std::string::npos);
    EXPECT_EQ(encoded.substr(0, 8), Base64(photo.substr(0, 6)));
}

TEST(WriteBase64, EveryLengthAroundGroupsAndBlocksEncodesAsByGroups)
{
    SandboxDevice device;
    std::vector<std::size_t> sizes;
    for (std::size_t size = 0; size <= 12; ++size)
        sizes.push_back(size);
    for (std::size_t around : { 3072u, 4096u, 6144u, 8192u, 12288u }) {
        for (std::size_t size = around - 4; size <= around + 4; ++size)
            sizes.push_back(size);
    }
    sizes.push_back(204800);
    for (std::size_t size : sizes) {
        std::string bytes = Bytes(size);
        EXPECT_EQ(Base64(bytes), ReferenceBase64(bytes)) << size << " bytes from memory";
        auto file = CreateTempStream();
        ASSERT_TRUE(WriteText(*file, bytes));
        file->Seek(0);
        auto destination = CreateTempStream();
        ASSERT_TRUE(WriteBase64(*destination, *file));
        EXPECT_EQ(file->GetPosition(), size) << "the source is read to its end";
        destination->Seek(0);
        EXPECT_EQ(ReadChunks(*destination), ReferenceBase64(bytes)) << size << " bytes from a file";
    }
}

TEST(WriteBase64, ContinuesWhereByteReadsLeftTheSource)
{
    SandboxDevice device;
    std::string bytes = Bytes(10000);
    for (std::uint32_t skipped : { 1u, 2u, 4095u, 4096u, 4097u }) {
        auto file = CreateTempStream();
        WriteText(*file, bytes);
        file->Seek(0);
        std::uint8_t byte = 0;
        for (std::uint32_t i = 0; i < skipped; ++i)
            ASSERT_TRUE(file->ReadByte(byte));
        auto destination = CreateMemoryStream();
        ASSERT_TRUE(WriteBase64(*destination, *file));
        destination->Seek(0);
        EXPECT_EQ(ReadRest(*destination), ReferenceBase64(std::string_view(bytes).substr(skipped))) << "after " << skipped;
    }
}

TEST(WriteBase64, ReportsAFailedWriteAndWritesNothingBeyondTheRoom)
{
    std::uint8_t room[6] = { 'x', 'x', 'x', 'x', 'x', 'x' };
    ReadOnlyMemoryStream small { std::span<std::uint8_t>(room, 5) };
    ReadOnlyMemoryStream source { std::string_view("abcdef") };
    EXPECT_FALSE(WriteBase64(small, source));
    EXPECT_EQ(room[5], 'x');

    SandboxDevice device;
    std::string bytes = Bytes(10000);
    ReadOnlyMemoryStream photo { std::string_view(bytes) };
    std::vector<std::uint8_t> larger(8192);
    ReadOnlyMemoryStream partly { std::span<std::uint8_t>(larger) };
    EXPECT_FALSE(WriteBase64(partly, photo)) << "the text is longer than the room";
    EXPECT_EQ(std::string(reinterpret_cast<char*>(larger.data()), 4096), ReferenceBase64(std::string_view(bytes).substr(0, 3072)))
        << "whole blocks that fitted went out";
}
