#include "StreamTestHelpers.h"
#include "transport/RequestText.h"
#include "transport/StreamFactories.h"
#include "transport/StreamUtilities.h"

#include <gtest/gtest.h>

TEST(RequestText, LaysOutHeadersAndBody)
{
    HttpRequest request;
    request.method = "POST";
    request.host = "blogs.example";
    request.path = "/ws/";
    request.contentType = "text/xml; charset=utf-8";
    request.body = CreateMemoryStream();
    WriteText(*request.body, "<x/>");
    ASSERT_TRUE(request.AddHeaderLine("User-Agent: test"));
    ASSERT_TRUE(request.AddHeaderLine("SOAPAction: \"http://blogs.example/ws/GU\""));

    auto text = MakeRequestText(request);
    ASSERT_TRUE(text);
    EXPECT_FALSE(request.body) << "the text took the body";
    EXPECT_EQ(ReadRest(*text),
        "POST /ws/ HTTP/1.1\r\n"
        "Host: blogs.example\r\n"
        "Content-Type: text/xml; charset=utf-8\r\n"
        "Content-Length: 4\r\n"
        "User-Agent: test\r\n"
        "SOAPAction: \"http://blogs.example/ws/GU\"\r\n"
        "\r\n"
        "<x/>");
}

TEST(RequestText, DefaultsForABareRequest)
{
    HttpRequest request;
    request.host = "127.0.0.1";
    request.port = 8080;
    request.httpVersion = "1.0";
    auto text = MakeRequestText(request);
    EXPECT_EQ(text->GetPosition(), 0u);
    EXPECT_EQ(ReadRest(*text), "GET / HTTP/1.0\r\nHost: 127.0.0.1:8080\r\nContent-Type: text\r\nContent-Length: 0\r\n\r\n");

    request.host = "::1";
    EXPECT_NE(ReadRest(*MakeRequestText(request)).find("Host: [::1]:8080\r\n"), std::string::npos);
}

TEST(RequestText, HeaderStreamsAreCopiedWholeAndAFifthIsNotKept)
{
    HttpRequest request;
    auto written = CreateMemoryStream();
    WriteText(*written, "X-One: 1");
    EXPECT_EQ(written->GetPosition(), 8u);
    ASSERT_TRUE(request.AddHeader(std::move(written)));
    for (int i = 2; i <= 4; ++i)
        ASSERT_TRUE(request.AddHeaderLine("X-More: " + std::to_string(i)));
    EXPECT_FALSE(request.AddHeaderLine("X-Fifth: 5"));
    std::string text = ReadRest(*MakeRequestText(request));
    EXPECT_NE(text.find("\r\nX-One: 1\r\nX-More: 2\r\nX-More: 3\r\nX-More: 4\r\n\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("X-Fifth"), std::string::npos);
}

TEST(RequestText, LongPathsAreNotCut)
{
    HttpRequest request;
    request.host = "h";
    request.path = "/photos/" + std::string(600, 'p') + ".jpg";
    std::string text = ReadRest(*MakeRequestText(request));
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "GET " + request.path + " HTTP/1.1");
}
