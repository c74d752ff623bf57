#include "HttpTestClient.h"
#include "StreamTestHelpers.h"
#include "app/ProgramVersion.h"
#include "support/SandboxDevice.h"
#include "transport/FileLargeStream.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

class CurlHttpTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(http.Open(1)); }

    std::unique_ptr<HttpResponse> Send(HttpRequest request)
    {
        auto response = http.Send(request);
        EXPECT_TRUE(response);
        return response;
    }

    SandboxDevice device;
    HttpTestServer server;
    CurlHttp http;
};

std::string BodyOf(HttpResponse& response)
{
    Stream* body = GetBody(response);
    return body ? ReadRest(*body) : "<none>";
}

}

TEST_F(CurlHttpTest, SendsTheRequestTextHeaderLinesAsTheyAre)
{
    HttpRequest request = MakePost(server, "<soap/>");
    request.AddHeader(http.MakeUserAgentHeader());
    request.AddHeaderLine("SOAPAction: \"http://" + server.HostText() + "/ws/GU\"");
    request.AddHeaderLine("X-Empty:");
    auto response = Send(std::move(request));
    EXPECT_EQ(response->code, 0u);

    auto received = server.Requests();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].Bytes(),
        "POST /ws/ HTTP/1.1\r\n"
        "Host: "
            + server.HostText() + "\r\n"
                                  "Content-Type: text/xml; charset=utf-8\r\n"
                                  "Content-Length: 7\r\n"
                                  "User-Agent: WinCE-PocketPC vellumbrix "
            + std::string(ProgramVersionText()) + "\r\n"
                                                  "SOAPAction: \"http://"
            + server.HostText() + "/ws/GU\"\r\n"
                                  "X-Empty:\r\n"
                                  "\r\n"
                                  "<soap/>");
}

TEST_F(CurlHttpTest, BodyGoesUpInPiecesOf2048WithAPollAfterEach)
{
    ProgressLog log(http);
    std::string body = PatternText(5000);
    auto response = Send(MakePost(server, body, &log));
    EXPECT_EQ(response->code, 0u);
    EXPECT_EQ(log.Pieces(), (std::vector<std::uint64_t> { 2048, 2048, 904 }));
    std::size_t headerBytes = server.Requests()[0].head.size() - server.Requests()[0].RequestLine().size() - 2;
    std::size_t pollsBeforeBody = 0;
    while (pollsBeforeBody < log.sentAtPoll.size() && log.sentAtPoll[pollsBeforeBody] == 0)
        ++pollsBeforeBody;
    EXPECT_GE(pollsBeforeBody, headerBytes + 2) << "before the request, after every header byte, before the body";
    EXPECT_EQ(server.Requests()[0].body, body);
}

TEST_F(CurlHttpTest, SeveralPiecesGoToTheSocketTogether)
{
    // A file body read in blocks: pieces are whole across the blocks, and
    // libcurl takes many of them at a time.
    std::string body = PatternText(300000);
    std::string path = device.Path("body.bin");
    WriteTextFile(path, body);
    ProgressLog log(http);
    HttpRequest request = MakePost(server, "", &log);
    request.body = FileLargeStream::OpenExisting(path);
    ASSERT_TRUE(request.body);
    auto response = Send(std::move(request));
    EXPECT_EQ(response->code, 0u);
    EXPECT_EQ(server.Requests().at(0).body, body);

    std::vector<std::uint64_t> pieces = log.Pieces();
    ASSERT_EQ(pieces.size(), 147u);
    EXPECT_EQ(std::count(pieces.begin(), pieces.end(), 2048u), 146) << "every piece but the last is whole";
    EXPECT_EQ(pieces.back(), 300000u - 146 * 2048);
    EXPECT_LE(http.Counters().bodyHandOvers, 147u / 8) << "libcurl takes its buffer full, not one piece at a time";
    EXPECT_GE(http.Counters().bodyHandOvers, 1u);
}

TEST_F(CurlHttpTest, BodylessRequestAnnouncesLengthZero)
{
    auto response = Send(MakeRequest(server, "GET", "/vellumbrix/messages.txt"));
    EXPECT_EQ(response->code, 0u);
    auto received = server.Requests();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].RequestLine(), "GET /vellumbrix/messages.txt HTTP/1.1");
    EXPECT_NE(received[0].head.find("\r\nContent-Length: 0\r\n"), std::string::npos) << received[0].head;
    EXPECT_NE(received[0].head.find("\r\nContent-Type: text\r\n"), std::string::npos);
}

TEST_F(CurlHttpTest, ResponseTextLandsInATemporaryFile)
{
    std::string body = PatternText(100000);
    server.SetResponder([&](const HttpTestServer::Request&) { return HttpTestServer::Ok(body); });
    auto response = Send(MakeRequest(server, "GET", "/photo.jpg"));
    ASSERT_EQ(response->code, 0u);
    auto* file = dynamic_cast<FileLargeStream*>(response->stream.get());
    ASSERT_TRUE(file);
    EXPECT_TRUE(file->IsTemporary());
    EXPECT_EQ(GetStatus(*response), 0u);
    EXPECT_EQ(BodyOf(*response), body);
    response->stream->Seek(0);
    std::string head = ReadRest(*response->stream).substr(0, response->bodyOffset);
    EXPECT_EQ(head, "HTTP/1.1 200 OK\r\nContent-Type: text/xml; charset=utf-8\r\nContent-Length: 100000\r\n\r\n");
}

TEST_F(CurlHttpTest, StatusesOfTheResponses)
{
    server.SetResponder([](const HttpTestServer::Request& request) {
        std::string path = request.RequestLine();
        if (path.find("/continue") != std::string::npos)
            return HttpTestServer::ContinueThenOk("<after/>");
        if (path.find("/missing") != std::string::npos)
            return HttpTestServer::WithStatus(404, "Not Found");
        if (path.find("/broken") != std::string::npos)
            return HttpTestServer::WithStatus(500, "Internal Server Error", "<fault/>");
        return HttpTestServer::Ok("<ok/>");
    });
    auto ok = Send(MakeRequest(server, "GET", "/ok"));
    EXPECT_EQ(GetStatus(*ok), 0u);
    EXPECT_EQ(BodyOf(*ok), "<ok/>");

    auto continued = Send(MakeRequest(server, "POST", "/continue"));
    EXPECT_EQ(GetStatus(*continued), 0u);
    EXPECT_EQ(BodyOf(*continued), "<after/>");

    auto missing = Send(MakeRequest(server, "GET", "/missing"));
    EXPECT_EQ(missing->code, 0u) << "an HTTP status is not a failed send";
    EXPECT_EQ(GetStatus(*missing), 404u);

    auto broken = Send(MakeRequest(server, "GET", "/broken"));
    EXPECT_EQ(GetStatus(*broken), 500u);
    EXPECT_EQ(BodyOf(*broken), "<fault/>");
    EXPECT_EQ(server.ConnectionsAccepted(), 1) << "one connection served them all";
}

TEST_F(CurlHttpTest, ResponseThatStopsInTheMiddleIsADroppedConnection)
{
    server.SetResponder([](const HttpTestServer::Request&) { return HttpTestServer::CutOff(PatternText(10000), 3000); });
    auto response = Send(MakeRequest(server, "GET", "/photo.jpg"));
    EXPECT_EQ(response->code, 4619u);
    EXPECT_FALSE(response->stream) << "a failed response keeps no text";
    EXPECT_EQ(GetStatus(*response), 4619u);
    EXPECT_EQ(http.GetLastError(), 4619u);
}

TEST_F(CurlHttpTest, CancelDuringTheUploadStopsWithinOnePiece)
{
    ProgressLog log(http);
    log.cancelWhen = [](const ProgressLog& l) { return l.sentAtPoll.back() >= 10240; };
    auto response = Send(MakePost(server, PatternText(1 << 20), &log));
    EXPECT_EQ(response->code, 1223u);
    EXPECT_FALSE(response->stream);
    EXPECT_EQ(http.Counters().bodyBytesSent, 10240u) << "no piece after the cancel";
    ASSERT_TRUE(server.WaitForClientClose(1));
    auto received = server.Requests();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_FALSE(received[0].complete);
    EXPECT_LE(received[0].bodyLength, 10240u);
}

TEST_F(CurlHttpTest, CancelDuringTheDownload)
{
    server.SetResponder([](const HttpTestServer::Request&) { return HttpTestServer::Stalled(PatternText(50000), 6000); });
    ProgressLog log(http);
    log.cancelWhen = [](const ProgressLog& l) { return l.receivedAtPoll.back() > 4096; };
    auto response = Send(MakePost(server, "<q/>", &log));
    EXPECT_EQ(response->code, 1223u);
    EXPECT_FALSE(response->stream);
    EXPECT_TRUE(server.WaitForClientClose(1)) << "the connection is given up, not cached";
}

TEST_F(CurlHttpTest, CancelWhileTheServerSendsNothing)
{
    server.SetResponder([](const HttpTestServer::Request&) { return HttpTestServer::Stalled(PatternText(1000), 0); });
    ProgressLog log(http);
    // Only the polls made while waiting can see the headers arrive.
    log.cancelWhen = [](const ProgressLog& l) { return l.receivedAtPoll.back() > 0; };
    auto response = Send(MakePost(server, "<q/>", &log));
    EXPECT_EQ(response->code, 1223u);
    EXPECT_TRUE(server.WaitForClientClose(1));
}

TEST_F(CurlHttpTest, StalledTransferTimesOut)
{
    http.SetTransferSettings({ std::chrono::milliseconds(5000), std::chrono::seconds(1) });
    server.SetResponder([](const HttpTestServer::Request&) { return HttpTestServer::Silent(); });
    auto response = Send(MakeRequest(server, "GET", "/slow"));
    EXPECT_EQ(response->code, 4626u);
}

TEST_F(CurlHttpTest, RequestLineCarriesTheRequestedVersion)
{
    HttpRequest request = MakeRequest(server, "GET", "/old");
    request.httpVersion = "1.0";
    EXPECT_EQ(Send(std::move(request))->code, 0u);
    EXPECT_EQ(server.Requests().at(0).RequestLine(), "GET /old HTTP/1.0");
}

TEST_F(CurlHttpTest, ResponseThatCannotBeStoredIs14)
{
    // Files of this process may not grow beyond 1 MB for the moment.
    rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1 << 20;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    server.SetResponder([](const HttpTestServer::Request&) { return HttpTestServer::Ok(PatternText(3 << 20)); });
    auto response = Send(MakeRequest(server, "GET", "/huge.jpg"));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedSignal);
    EXPECT_EQ(response->code, 14u);
    EXPECT_FALSE(response->stream);
}

TEST_F(CurlHttpTest, NoTemporaryFileMeansNothingIsSent)
{
    WriteTextFile(device.Path("Temp"), "a file where the folder should be");
    auto response = Send(MakePost(server, "<q/>"));
    EXPECT_EQ(response->code, 8u);
    EXPECT_TRUE(server.Requests().empty());
}

TEST_F(CurlHttpTest, SendingNeedsAnOpenClient)
{
    http.Close(1);
    auto response = Send(MakeRequest(server, "GET", "/"));
    EXPECT_EQ(response->code, 4619u);
    EXPECT_TRUE(server.Requests().empty());
    ASSERT_TRUE(http.Open(1));
    EXPECT_EQ(Send(MakeRequest(server, "GET", "/"))->code, 0u);
}
