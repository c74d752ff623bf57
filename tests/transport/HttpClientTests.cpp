#include "StreamTestHelpers.h"
#include "app/ProgramVersion.h"
#include "app/Preferences.h"
#include "app/StartUp.h"
#include "support/SandboxDevice.h"
#include "transport/CurlErrors.h"
#include "transport/CurlHttp.h"
#include "transport/Progress.h"
#include "transport/ServiceHost.h"

#include <gtest/gtest.h>
#include <set>

TEST(HttpClient, CancelAndFailureCodes)
{
    CurlHttp http;
    EXPECT_TRUE(http.IsCancelCode(1223));
    EXPECT_FALSE(http.IsCancelCode(0));
    EXPECT_FALSE(http.IsFailureCode(0));
    EXPECT_FALSE(http.IsFailureCode(1223));
    for (ErrorCode code : { 8u, 14u, 404u, 4619u, 65535u, 10201u })
        EXPECT_TRUE(http.IsFailureCode(code)) << code;
}

TEST(HttpClient, NoncesAreFreshLettersAndDigits)
{
    CurlHttp http;
    std::set<std::string> seen;
    for (int i = 0; i < 100; ++i) {
        std::string nonce = http.MakeNonce();
        ASSERT_EQ(nonce.size(), 31u);
        for (char c : nonce)
            EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c))) << nonce;
        seen.insert(nonce);
    }
    EXPECT_EQ(seen.size(), 100u);
    EXPECT_EQ(http.GetSecondsFrom1904To1970(), 2082844800u);
}

TEST(HttpClient, NoncesUseTheWholeAlphabet)
{
    CurlHttp http;
    std::set<char> seen;
    for (int i = 0; i < 2000; ++i) {
        for (char c : http.MakeNonce())
            seen.insert(c);
    }
    EXPECT_EQ(seen.size(), 62u);
}

TEST(HttpClient, UserAgentNamesTheProgramAndVersion)
{
    CurlHttp http;
    auto header = http.MakeUserAgentHeader();
    ASSERT_TRUE(header);
    header->Seek(0);
    EXPECT_EQ(ReadRest(*header), "User-Agent: WinCE-PocketPC vellumbrix " + std::string(ProgramVersionText()));
}

TEST(HttpClient, LibcurlFailuresBecomeNetworkCodes)
{
    EXPECT_EQ(ErrorCodeFromCurl(CURLE_OK), 0u);
    EXPECT_EQ(ErrorCodeFromCurl(CURLE_OPERATION_TIMEDOUT), 4626u);
    EXPECT_EQ(ErrorCodeFromCurl(CURLE_COULDNT_RESOLVE_HOST), 4666u);
    EXPECT_EQ(ErrorCodeFromCurl(CURLE_COULDNT_CONNECT), 4619u);
    EXPECT_EQ(ErrorCodeFromCurl(CURLE_PARTIAL_FILE), 4619u);
    EXPECT_EQ(ErrorCodeFromCurl(CURLE_RECV_ERROR), 4619u);
    EXPECT_EQ(ErrorCodeFromCurl(CURLE_GOT_NOTHING), 4619u);
    EXPECT_EQ(ErrorCodeFromCurl(CURLE_ABORTED_BY_CALLBACK), 1223u);
    EXPECT_EQ(ErrorCodeFromCurl(CURLE_SSL_CONNECT_ERROR), 4625u);
    EXPECT_EQ(ErrorCodeFromCurl(CURLE_URL_MALFORMAT), 4625u);
}

TEST(HttpClient, ProgressStepsHaveTheirTexts)
{
    EXPECT_EQ(ProgressStepStringId(ProgressStep::Synchronizing), 145u);
    EXPECT_EQ(ProgressStepStringId(ProgressStep::Processing), 154u);
    EXPECT_EQ(ProgressStepStringId(ProgressStep::GettingChannels), 600u);
    EXPECT_EQ(ProgressStepStringId(ProgressStep::SendingBlogPost), 605u);
    EXPECT_EQ(ProgressStepStringId(ProgressStep::ErrorReport), 0u);
    EXPECT_TRUE(PollProgress(nullptr, nullptr)) << "without a callback nothing cancels";
}

TEST(ServiceHost, SplitsNameAndPort)
{
    auto check = [](std::string_view text, const char* name, std::uint16_t port) {
        HostAndPort host = SplitHostAndPort(text);
        EXPECT_EQ(host.name, name) << text;
        EXPECT_EQ(host.port, port) << text;
    };
    check("127.0.0.1:8080", "127.0.0.1", 8080);
    check("blogs.example", "blogs.example", 80);
    check("[::1]:8081", "::1", 8081);
    check("[::1]", "::1", 80);
    check("::1", "::1", 80);
    check("host:0", "host:0", 80);
    check("host:99999", "host:99999", 80);
    check("host:", "host:", 80);
}

TEST(ServiceHost, ComesFromThePreference)
{
    SandboxDevice device;
    EXPECT_EQ(ServiceHostText(), "127.0.0.1:8080");
    HostAndPort host = ServiceHostAndPort();
    EXPECT_EQ(host.name, "127.0.0.1");
    EXPECT_EQ(host.port, 8080);
}

TEST(ServiceHost, AnHttpsPreferenceKeepsTheHostTextAndChangesOnlyTheConnection)
{
    SandboxDevice device;
    ASSERT_TRUE(CreatePreferenceKeyChain());
    ASSERT_TRUE(WriteServiceHost(u"https://blogs.example:8443"));
    EXPECT_EQ(ServiceHostText(), "blogs.example:8443");
    WebAddress service = ServiceAddress("/ws/");
    EXPECT_TRUE(service.secure);
    EXPECT_EQ(service.host, "blogs.example:8443");
    HttpRequest request;
    AimRequest(request, service);
    EXPECT_EQ(request.secure, 1);
    EXPECT_EQ(request.host, "blogs.example");
    EXPECT_EQ(request.port, 8443);
    EXPECT_EQ(request.path, "/ws/");

    // Without a port HTTPS goes to 443, and a copied address's "/" goes.
    ASSERT_TRUE(WriteServiceHost(u"HTTPS://[::1]/"));
    EXPECT_EQ(ServiceHostText(), "[::1]");
    EXPECT_EQ(ServiceHostAndPort().name, "::1");
    EXPECT_EQ(ServiceHostAndPort().port, 443);

    // A plain host is what it always was, byte for byte, even a strange one.
    ASSERT_TRUE(WriteServiceHost(u"blogs.example/"));
    EXPECT_EQ(ServiceHostText(), "blogs.example/");
    EXPECT_FALSE(ServiceAddress("/").secure);
    ASSERT_TRUE(WriteServiceHost(u"http://blogs.example:81"));
    EXPECT_EQ(ServiceHostText(), "blogs.example:81");
    EXPECT_EQ(ServiceHostAndPort().port, 81);
}

TEST(WebAddress, TakesSchemeHostAndPortFromTheAddress)
{
    auto photo = ParseWebAddress("https://photos.example:8443/photos/garden/12-ab.jpg");
    ASSERT_TRUE(photo);
    EXPECT_TRUE(photo->secure);
    EXPECT_EQ(photo->host, "photos.example:8443");
    EXPECT_EQ(photo->path, "/photos/garden/12-ab.jpg");
    EXPECT_EQ(photo->Endpoint().port, 8443);

    auto plain = ParseWebAddress("http://photos.example/si.aspx?img=/photos/a.jpg&ld=240&q=85");
    ASSERT_TRUE(plain);
    EXPECT_FALSE(plain->secure);
    EXPECT_EQ(plain->Endpoint().name, "photos.example");
    EXPECT_EQ(plain->Endpoint().port, 80);
    EXPECT_EQ(plain->path, "/si.aspx?img=/photos/a.jpg&ld=240&q=85");

    auto bare = ParseWebAddress("HTTPS://[::1]");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->path, "/");
    EXPECT_EQ(bare->Endpoint().name, "::1");
    EXPECT_EQ(bare->Endpoint().port, 443);

    for (std::string_view refused : { "ftp://host/a.jpg", "https:///a.jpg", "http://", "https://host/a b.jpg", "http://host/a\r\nX: y",
             "https://h\xC3\xA9/a.jpg", "photos.example/a.jpg", "" })
        EXPECT_FALSE(ParseWebAddress(refused)) << refused;
}
