#include "StreamTestHelpers.h"
#include "support/SandboxDevice.h"
#include "transport/ReadOnlyMemoryStream.h"
#include "transport/StreamFactories.h"
#include "transport/StreamUtilities.h"
#include "transport/XmlWriter.h"

#include <gtest/gtest.h>

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

TEST(WriteBase64, StopsAtTheFirstFailedWrite)
{
    std::uint8_t room[5] = {};
    ReadOnlyMemoryStream small { std::span<std::uint8_t>(room) };
    ReadOnlyMemoryStream source { std::string_view("abcdef") };
    EXPECT_FALSE(WriteBase64(small, source));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(room), 5), "YWJjZ");
}
