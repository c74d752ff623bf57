// The service over HTTPS (--tls-cert, --tls-key): the same answers, every
// address it gives beginning with "https://" and reachable as given, and
// clients that don't trust its certificate refused.

#include "ProgramRunner.h"
#include "ServerTestKit.h"
#include "TestCertificates.h"

#include <gtest/gtest.h>
#include <signal.h>

namespace {

bool StartsWith(const std::string& text, const std::string& start)
{
    return text.rfind(start, 0) == 0;
}

class HttpsService : public ::testing::Test {
protected:
    TemporaryFolder folder;
    TestCertificate certificate { MakeTestCertificate(folder.Path(), "service") };
    ServiceUnderTest service { HttpLimits { 4, 8u << 20 }, TlsFiles { certificate.certificateFile, certificate.keyFile } };
};

}

TEST_F(HttpsService, AddressesBeginWithHttpsAndLeadToThePhotos)
{
    Device ann(service, service.AddUser("ann@example.com"));
    ann.CreateBlog("garden");
    std::uint32_t roses = ann.AddCategory("garden", "Roses");
    std::string jpeg = TestJpeg(640, 480);
    Answer added = ann.Send("AP", "garden", EntryFields(std::nullopt, roses, "first", "", jpeg));
    ASSERT_TRUE(added.Ok()) << added.body;
    std::string site = "https://" + service.Host() + "/";
    EXPECT_TRUE(StartsWith(added.Value("OU"), site + "photos/garden/")) << added.Value("OU");

    Answer changes = ann.GetChanges("garden");
    auto entries = changes.Records("PI");
    ASSERT_EQ(entries.size(), 1u);
    for (const char* field : { "OU", "PU", "TU" })
        EXPECT_TRUE(StartsWith(entries[0][field], site + "photos/garden/")) << entries[0][field];
    EXPECT_EQ(changes.Records("CA").at(0)["UR"], site + "garden/?albumid=" + std::to_string(roses));

    httplib::Client client = service.Client();
    auto full = client.Get(PathOf(entries[0]["OU"]).c_str());
    ASSERT_TRUE(full) << httplib::to_string(full.error());
    EXPECT_EQ(full->status, 200);
    EXPECT_EQ(full->body, jpeg);
    auto scaled = client.Get(("/si.aspx?img=" + PathOf(entries[0]["PU"]) + "&ld=240&q=85").c_str());
    ASSERT_TRUE(scaled);
    EXPECT_EQ(scaled->status, 200);
    EXPECT_EQ(scaled->get_header_value("Content-Type"), "image/jpeg");
    EXPECT_LT(scaled->body.size(), full->body.size());
    auto page = client.Get("/garden");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
}

TEST_F(HttpsService, ClientsThatDontTrustItsCertificateAreRefused)
{
    TestCertificate other = MakeTestCertificate(folder.Path(), "other");
    httplib::Client wary("https://" + service.Host());
    wary.set_ca_cert_path(other.certificateFile.c_str());
    auto refused = wary.Get("/");
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), httplib::Error::SSLServerVerification);

    // Plain HTTP on the HTTPS port gets no answer.
    httplib::Client plain("http://" + service.Host());
    plain.set_read_timeout(5, 0);
    auto unanswered = plain.Get("/");
    EXPECT_TRUE(!unanswered || unanswered->status != 200);

    // The service goes on serving those who trust it.
    EXPECT_EQ(service.Client().Get("/")->status, 200);
}

TEST(HttpsProgram, ServesWithItsCertificateAndRefusesAKeyOfAnother)
{
    TemporaryFolder folder;
    TestDatabase database;
    TestCertificate mine = MakeTestCertificate(folder.Path(), "mine");
    TestCertificate other = MakeTestCertificate(folder.Path(), "other");
    std::vector<std::string> arguments { "--data", folder.File("data"), "--listen", "127.0.0.1:0" };
    for (const std::string& argument : database.ServerArguments())
        arguments.push_back(argument);

    std::vector<std::string> mismatched = arguments;
    mismatched.insert(mismatched.end(), { "--tls-cert", mine.certificateFile, "--tls-key", other.keyFile });
    ProgramRun refused = RunProgram(VBX_SERVER_PATH, mismatched);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("cannot use the certificate"), std::string::npos) << refused.err;
    std::vector<std::string> halfGiven = arguments;
    halfGiven.insert(halfGiven.end(), { "--tls-cert", mine.certificateFile });
    EXPECT_EQ(RunProgram(VBX_SERVER_PATH, halfGiven).status, 2);

    arguments.insert(arguments.end(), { "--tls-cert", mine.certificateFile, "--tls-key", mine.keyFile });
    RunningProgram server = StartProgram(VBX_SERVER_PATH, arguments);
    std::string banner = ReadPipe(server.out, "\n");
    size_t at = banner.find("https://127.0.0.1:");
    ASSERT_NE(at, std::string::npos) << banner;
    httplib::Client client("https://127.0.0.1:" + std::to_string(std::stoi(banner.substr(at + 18))));
    client.set_ca_cert_path(mine.certificateFile.c_str());
    auto messages = client.Get("/Downloads/messages/ppc/Vellumbrix.txt");
    ASSERT_TRUE(messages) << httplib::to_string(messages.error());
    EXPECT_NE(messages->body.find("<VERSION>"), std::string::npos);
    ::kill(server.pid, SIGTERM);
    ReadPipe(server.err);
    EXPECT_EQ(WaitForProgram(server.pid), 0);
    ::close(server.out);
    ::close(server.err);
}
