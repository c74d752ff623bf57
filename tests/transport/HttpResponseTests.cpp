#include "StreamTestHelpers.h"
#include "support/SandboxDevice.h"
#include "transport/HttpResponse.h"
#include "transport/StreamFactories.h"
#include "transport/StreamUtilities.h"

#include <gtest/gtest.h>

namespace {

// A response whose text lives in a temporary file, as the client makes them.
HttpResponse ResponseWith(const std::string& text)
{
    HttpResponse response;
    response.stream = CreateTempStream();
    WriteText(*response.stream, text);
    return response;
}

std::string BodyOf(HttpResponse& response)
{
    Stream* body = GetBody(response);
    return body ? ReadRest(*body) : "<none>";
}

}

TEST(HttpResponse, SuccessIsZeroAndTheBodyFollowsTheBlankLine)
{
    SandboxDevice device;
    auto response = ResponseWith("HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\nbody");
    EXPECT_EQ(GetStatus(response), 0u);
    EXPECT_EQ(BodyOf(response), "body");
    EXPECT_EQ(response.bodyOffset, 38u);
    EXPECT_EQ(BodyOf(response), "body") << "asked again, the body starts over";
    auto created = ResponseWith("HTTP/1.0 201 Created\r\n\r\n");
    EXPECT_EQ(GetStatus(created), 0u);
    EXPECT_EQ(BodyOf(created), "");
}

TEST(HttpResponse, InterimResponsesAreSkipped)
{
    SandboxDevice device;
    auto response = ResponseWith("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nA: b\r\n\r\n<X/>");
    EXPECT_EQ(GetStatus(response), 0u);
    EXPECT_EQ(BodyOf(response), "<X/>");
    auto bare = ResponseWith("HTTP/1.1 100\r\nX-Hint: 1\r\n\r\nHTTP/1.1 102 Processing\r\n\r\nHTTP/1.1 500 Oops\r\n\r\nfault");
    EXPECT_EQ(GetStatus(bare), 500u);
    EXPECT_EQ(BodyOf(bare), "fault") << "the body of an error is still readable";
}

TEST(HttpResponse, ErrorStatusesAreTheirOwnCodes)
{
    SandboxDevice device;
    auto missing = ResponseWith("HTTP/1.1 404 Not Found\r\n\r\n");
    EXPECT_EQ(GetStatus(missing), 404u);
    auto moved = ResponseWith("HTTP/1.1 302 Found\r\nLocation: /x\r\n\r\n");
    EXPECT_EQ(GetStatus(moved), 302u);
}

TEST(HttpResponse, FailedSendsAndBrokenTextsAreNeverSuccess)
{
    SandboxDevice device;
    HttpResponse failed;
    failed.code = 4619;
    EXPECT_EQ(GetStatus(failed), 4619u);
    EXPECT_EQ(GetBody(failed), nullptr);

    HttpResponse empty;
    EXPECT_EQ(GetStatus(empty), 65535u);

    for (const char* text : { "", "HTTP/1.1", "HTTP/1.1 abc OK\r\n\r\n", "garbage\r\n\r\nbody", "HTTP/1.1 20\r\n\r\n",
             "HTTP/1.1 100 Continue\r\n" }) {
        auto response = ResponseWith(text);
        EXPECT_EQ(GetStatus(response), 65535u) << text;
        EXPECT_EQ(GetBody(response), nullptr) << text;
    }
    auto unfinished = ResponseWith("HTTP/1.1 200 OK\r\nContent-Le");
    EXPECT_EQ(GetStatus(unfinished), 0u);
    EXPECT_EQ(GetBody(unfinished), nullptr) << "the headers never end";
}
