// The service's text routines on their own: escaping with the devices'
// eight entities, values cut to the devices' buffers, times, base64 and
// UTF-8.

#include "server/soap/Base64.h"
#include "server/soap/WireText.h"
#include "server/soap/WireTime.h"

#include <gtest/gtest.h>

TEST(WireText, EscapesExactlyTheEightEntities)
{
    EXPECT_EQ(EscapeWireText("a<b & c"), "a&lt;b &amp; c");
    EXPECT_EQ(EscapeWireText("'\"<>&\t\n\r"), "&apos;&quot;&lt;&gt;&amp;&#x9;&#xA;&#xD;");
    // Everything else, UTF-8 included, stands for itself.
    EXPECT_EQ(EscapeWireText("caf\xC3\xA9 \x01 ;#x"), "caf\xC3\xA9 \x01 ;#x");
}

TEST(WireText, FitsValuesToWhatDevicesReadWhole)
{
    EXPECT_EQ(FitEscaped("abcdef", 4), "abcd");
    // An entity is never cut in half, nor a UTF-8 character.
    EXPECT_EQ(FitEscaped("ab&cd", 6), "ab");
    EXPECT_EQ(FitEscaped("ab&cd", 7), "ab&");
    EXPECT_EQ(FitEscaped("a\xC3\xA9z", 2), "a");
    EXPECT_EQ(FitEscaped("a\xC3\xA9z", 3), "a\xC3\xA9");
    EXPECT_EQ(FitEscaped(std::string(200, 'x'), 127).size(), 127u);
    EXPECT_EQ(FitEscaped("", 10), "");
}

TEST(WireText, Utf8Validation)
{
    EXPECT_TRUE(IsValidUtf8("plain, caf\xC3\xA9, \xE2\x82\xAC, \xF0\x9F\x93\xB7"));
    for (std::string bad : { std::string("\xC3"), std::string("\xC0\xAF"), std::string("\xE0\x80\xAF"), std::string("\xED\xA0\x80"),
             std::string("\xF4\x90\x80\x80"), std::string("\xFF"), std::string("a\0b", 3) })
        EXPECT_FALSE(IsValidUtf8(bad)) << bad.size();
}

TEST(WireTime, ReadsEveryZoneFormAndWritesUtc)
{
    EXPECT_EQ(ParseWireTime("1970-01-01T00:00:00Z"), 0);
    EXPECT_EQ(ParseWireTime("2006-07-01T10:00:00Z"), 1151748000);
    EXPECT_EQ(ParseWireTime("2006-07-01T12:00:00+0200"), 1151748000);
    EXPECT_EQ(ParseWireTime("2006-07-01T05:00:00-0500"), 1151748000);
    EXPECT_EQ(ParseWireTime("2006-07-01T12:00:00+02:00"), 1151748000);
    EXPECT_EQ(ParseWireTime("2006-07-01T10:00:00"), 1151748000); // no zone: UTC
    EXPECT_EQ(FormatWireTime(1151748000), "2006-07-01T10:00:00Z");
    // A device's date 0 is 1904-01-01.
    EXPECT_EQ(ParseWireTime("1904-01-01T00:00:00Z"), -2082844800);
    EXPECT_EQ(FormatWireTime(-2082844800), "1904-01-01T00:00:00Z");
    EXPECT_EQ(FormatWireTime(2147483647), "2038-01-19T03:14:07Z");
    EXPECT_EQ(ParseWireTime("2040-02-06T06:28:15Z"), 2212122495); // the last second of a device's clock
    EXPECT_EQ(ParseWireTime("2004-02-29T00:00:00Z"), 1078012800);

    for (const char* bad : { "", "2006-07-01", "2006-07-01 10:00:00Z", "2006-13-01T10:00:00Z", "2006-02-30T10:00:00Z", "2005-02-29T00:00:00Z",
             "2006-07-01T24:00:00Z", "2006-07-01T10:60:00Z", "2006-07-01T10:00:00+2400", "2006-07-01T10:00:00X", "2006-07-01T10:00:00Zjunk",
             "2006-07-0aT10:00:00Z", "+006-07-01T10:00:00Z" })
        EXPECT_FALSE(ParseWireTime(bad).has_value()) << bad;
}

TEST(Base64, DecodesStrictlyAndRoundTrips)
{
    EXPECT_EQ(DecodeBase64("YWJj"), "abc");
    EXPECT_EQ(DecodeBase64("YWI="), "ab");
    EXPECT_EQ(DecodeBase64("YQ=="), "a");
    EXPECT_EQ(DecodeBase64(""), "");
    EXPECT_EQ(DecodeBase64("YW\r\nJj"), "abc"); // wrapped lines
    for (const char* bad : { "Y", "YQ=", "YQ===", "Y===", "YWJj=", "YW=j", "YWJ!", "YR==", "YWK=" })
        EXPECT_FALSE(DecodeBase64(bad).has_value()) << bad;
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(i);
    for (size_t length = 0; length < 10; ++length)
        EXPECT_EQ(DecodeBase64(EncodeBase64(bytes.substr(0, length))), bytes.substr(0, length));
    EXPECT_EQ(DecodeBase64(EncodeBase64(bytes)), bytes);
}

// A photo comes as a long text, in whole groups of four or wrapped by the
// sender anywhere: every line length decodes to the same bytes, and a stray
// character or early padding anywhere in it fails the whole text.
TEST(Base64, DecodesLongTextsWhereverTheyAreWrapped)
{
    std::string bytes;
    for (int i = 0; i < 1000; ++i)
        bytes += static_cast<char>((i * 7919) >> 3);
    std::string text = EncodeBase64(bytes);
    for (size_t line : { 1, 2, 3, 5, 64, 76, 77 }) {
        std::string wrapped;
        for (size_t at = 0; at < text.size(); at += line)
            wrapped += text.substr(at, line) + (line == 5 ? " \t" : "\r\n");
        EXPECT_EQ(DecodeBase64(wrapped), bytes) << line;
    }
    // Padding as the last character may be right; anywhere else it is not.
    std::string sample = text.substr(0, 40);
    for (size_t at = 0; at < sample.size(); ++at) {
        for (char stray : { '!', '-', '_', '\0', '=' }) {
            if (stray == '=' && at + 1 == sample.size())
                continue;
            std::string damaged = sample;
            damaged[at] = stray;
            EXPECT_FALSE(DecodeBase64(damaged).has_value()) << at << " " << int(stray);
        }
    }
    EXPECT_FALSE(DecodeBase64("YQ==YWJj").has_value()); // data after the padding
    EXPECT_FALSE(DecodeBase64("YQ== YWJj").has_value());
    EXPECT_EQ(DecodeBase64("YW Jj YWJj"), "abcabc");
}
