#include "StreamTestHelpers.h"
#include "support/SandboxDevice.h"
#include "transport/ReadOnlyMemoryStream.h"
#include "transport/StreamFactories.h"
#include "transport/StreamUtilities.h"
#include "transport/XmlEntities.h"
#include "transport/XmlReader.h"

#include <gtest/gtest.h>

namespace {

// The value ReadElementValue reads after FindText of `tag`.
std::string ValueAfter(std::string_view xml, std::string_view tag, std::uint32_t size = 64, char open = '>', char close = '<')
{
    ReadOnlyMemoryStream stream { xml };
    EXPECT_TRUE(FindText(stream, tag));
    std::string buffer(size, '#');
    ReadElementValue(stream, buffer.data(), size, open, close);
    return buffer.c_str();
}

std::string Unescaped(std::string text)
{
    text.push_back('\0');
    UnescapeEntities(text.data(), static_cast<std::uint32_t>(text.size()));
    return text.c_str();
}

}

TEST(UnescapeEntities, ReplacesInTableOrder)
{
    EXPECT_EQ(Unescaped("a &lt;b&gt; &quot;c&quot; &apos;d&apos; &amp; e"), "a <b> \"c\" 'd' & e");
    EXPECT_EQ(Unescaped("&#x9;&#xA;&#xD;"), "\t\n\r");
    EXPECT_EQ(Unescaped("x&amp;amp;y"), "x&amp;y") << "one pass does not read its own result";
    EXPECT_EQ(Unescaped("x&amp;lt;y"), "x<y") << "a later pass does";
    EXPECT_EQ(Unescaped("&amp &lt;&"), "&amp <&");
}

TEST(UnescapeEntities, AValueFullOfEntitiesTakesOnePassPerEntity)
{
    // A hostile server can fill every value with entities; replacing them
    // one move of the rest of the text at a time would take hours here.
    std::string text;
    for (int i = 0; i < 200000; ++i)
        text += "&amp;lt;&#x9;";
    std::string expected;
    for (int i = 0; i < 200000; ++i)
        expected += "<\t";
    EXPECT_EQ(Unescaped(text), expected);
}

TEST(ReadElementValue, ReadsTextAndEmptyElements)
{
    EXPECT_EQ(ValueAfter("<TI>x&amp;amp;y</TI>", "<TI"), "x&amp;y");
    EXPECT_EQ(ValueAfter("<TI>x&amp;lt;y</TI>", "<TI"), "x<y");
    EXPECT_EQ(ValueAfter("<CP />", "<CP"), "");
    EXPECT_EQ(ValueAfter("<CP/><TI>no</TI>", "<CP"), "") << "a self-closing element is empty";
    EXPECT_EQ(ValueAfter("<TI\r\n  lang=\"en\">text</TI>", "<TI"), "text");
    EXPECT_EQ(ValueAfter("<TI></TI>", "<TI"), "");
}

TEST(ReadElementValue, ReadsAttributes)
{
    EXPECT_EQ(ValueAfter("<B D=\"true\" />", "D=", 2, '"', '"'), "t");
    EXPECT_EQ(ValueAfter("<B D=\"a&quot;b\" />", "D=", 64, '"', '"'), "a\"b");
}

TEST(ReadElementValue, CutsLongValuesAndReadsPastThem)
{
    ReadOnlyMemoryStream stream { std::string_view("<TI>abcdefghij</TI><CP>next</CP>") };
    FindText(stream, "<TI");
    char buffer[5];
    EXPECT_TRUE(ReadElementValue(stream, buffer, sizeof buffer, '>', '<'));
    EXPECT_STREQ(buffer, "abcd");
    ASSERT_TRUE(FindText(stream, "<CP"));
    EXPECT_TRUE(ReadElementValue(stream, buffer, sizeof buffer, '>', '<'));
    EXPECT_STREQ(buffer, "next");

    ReadOnlyMemoryStream again { std::string_view("<A>value</A>") };
    FindText(again, "<A");
    EXPECT_TRUE(ReadElementValue(again, nullptr, 0, '>', '<')) << "a buffer of size 0 still consumes the value";
    EXPECT_EQ(ReadRest(again), "/A>");
}

TEST(ReadElementValue, InputEndingInsideATagGivesWhatThereIs)
{
    EXPECT_EQ(ValueAfter("<TI", "<TI"), "");
    EXPECT_EQ(ValueAfter("<TI lang=\"e", "<TI"), "");
    EXPECT_EQ(ValueAfter("<TI>half a val", "<TI"), "half a val");
    ReadOnlyMemoryStream stream { std::string_view("<TI>open") };
    FindText(stream, "<TI");
    char buffer[16];
    EXPECT_FALSE(ReadElementValue(stream, buffer, sizeof buffer, '>', '<')) << "no close byte was found";
}

TEST(ReadElementValue, LongValueInAFileStream)
{
    SandboxDevice device;
    auto stream = CreateTempStream();
    std::string photo = PatternText(20000);
    for (char& c : photo) {
        if (c == '<' || c == '&')
            c = '.';
    }
    WriteText(*stream, "<R><JP>" + photo + "</JP><N>7</N></R>");
    stream->Seek(0);
    ASSERT_TRUE(FindElement(*stream, "JP"));
    std::string buffer(30000, '\0');
    EXPECT_TRUE(ReadElementValue(*stream, buffer.data(), 30000, '>', '<'));
    EXPECT_EQ(std::string(buffer.c_str()), photo);
    ASSERT_TRUE(FindText(*stream, "<N>"));
    EXPECT_EQ(ReadNumber(*stream), 7u);
}

TEST(FindText, FindsOverlappingStarts)
{
    ReadOnlyMemoryStream stream { std::string_view("aaab<<PI>\r\n\r\r\n\r\nbody") };
    EXPECT_TRUE(FindText(stream, "aab"));
    EXPECT_TRUE(FindText(stream, "<PI"));
    EXPECT_TRUE(FindText(stream, "\r\n\r\n"));
    EXPECT_EQ(ReadRest(stream), "body");
    EXPECT_FALSE(FindText(stream, "x"));
}

TEST(FindElement, SkipsEmptyElementsAndStopsAtTheLimit)
{
    ReadOnlyMemoryStream empty { std::string_view("<TS />") };
    EXPECT_FALSE(FindElement(empty, "TS"));

    ReadOnlyMemoryStream time { std::string_view("<X><TS>2006-01-02T03:04:05Z</TS>") };
    ASSERT_TRUE(FindElement(time, "TS"));
    char value[32];
    ReadElementValue(time, value, sizeof value, '>', '<');
    EXPECT_STREQ(value, "2006-01-02T03:04:05Z");

    ReadOnlyMemoryStream list { std::string_view("<PS><PI>1</PI><PI>2</PI></PS><PI>3</PI>") };
    int found = 0;
    while (FindElement(list, "PI", "PS"))
        ++found;
    EXPECT_EQ(found, 2);
    EXPECT_EQ(ReadRest(list), "><PI>3</PI>") << "the stream stands after the end tag's name";
}

TEST(FindElement, StandsOnTheFirstByteAfterTheName)
{
    ReadOnlyMemoryStream stream { std::string_view("<B \r\n\tD=\"t\"><PIX>y</PIX>") };
    ASSERT_TRUE(FindElement(stream, "B"));
    std::uint8_t byte = 0;
    stream.PeekByte(byte);
    EXPECT_EQ(byte, 'D');
    ASSERT_TRUE(FindElement(stream, "PI")) << "a longer name with the same start matches";
    stream.PeekByte(byte);
    EXPECT_EQ(byte, 'X');
    ReadOnlyMemoryStream cut { std::string_view("<PI") };
    EXPECT_FALSE(FindElement(cut, "PI")) << "cut off after the name";
}

TEST(ReadNumber, ReadsDigitsUpToTheFirstOther)
{
    ReadOnlyMemoryStream stream { std::string_view("<CI>4294967040</CI><ID>12x4</ID><N></N><B>4294967297</B>") };
    FindText(stream, "<CI>");
    EXPECT_EQ(ReadNumber(stream), 4294967040u);
    EXPECT_EQ(ReadRest(stream).substr(0, 4), "/CI>") << "the first non-digit is consumed";
    stream.Seek(0);
    FindText(stream, "<ID>");
    EXPECT_EQ(ReadNumber(stream), 12u);
    FindText(stream, "<N>");
    EXPECT_EQ(ReadNumber(stream), 0u);
    FindText(stream, "<B>");
    EXPECT_EQ(ReadNumber(stream), 1u) << "wraps modulo 2^32";
}

TEST(ReadToken, ReadsWordsAndLines)
{
    ReadOnlyMemoryStream stream { std::string_view("  HTTP/1.1 200 OK then\r\nnext line\r\n") };
    char token[64];
    ASSERT_TRUE(ReadToken(stream, token, sizeof token, false));
    EXPECT_STREQ(token, "HTTP/1.1");
    ASSERT_TRUE(ReadToken(stream, token, sizeof token, false));
    EXPECT_STREQ(token, "200");
    ASSERT_TRUE(ReadToken(stream, token, sizeof token, true));
    EXPECT_STREQ(token, "OK then");
    ASSERT_TRUE(ReadToken(stream, token, 5, true));
    EXPECT_STREQ(token, "next") << "cut to the buffer, the rest of the line is read";
    EXPECT_FALSE(ReadToken(stream, token, sizeof token, false));
    EXPECT_STREQ(token, "") << "always terminated";
}

TEST(ReadListItem, SplitsAtCommasAndBlanks)
{
    ReadOnlyMemoryStream stream { std::string_view(" a@x.org,, b@y.org c@z.org,") };
    char item[64];
    std::vector<std::string> items;
    while (ReadListItem(stream, item, sizeof item))
        items.emplace_back(item);
    EXPECT_EQ(items, (std::vector<std::string> { "a@x.org", "b@y.org", "c@z.org" }));
}
