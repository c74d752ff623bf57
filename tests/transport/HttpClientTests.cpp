#include "StreamTestHelpers.h"
#include "app/ProgramVersion.h"
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
