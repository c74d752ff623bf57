// The client and the reference service over HTTPS, with a certificate made
// for the test: requests and photo downloads succeed when the "Service CA
// File" names the certificate, and are refused, with a message that says
// why, when the certificate is not trusted.

#include "../server/ServerTestKit.h"
#include "../server/TestCertificates.h"
#include "../transport/StreamTestHelpers.h"
#include "ServiceTestBench.h"
#include "app/ErrorTable.h"
#include "app/Preferences.h"
#include "model/CWinBlogStorage.h"
#include "platform/CodePage.h"
#include "platform/DeviceFolders.h"
#include "service/ServerErrorText.h"
#include "service/UploadPhoto.h"
#include "service/UserInfoReply.h"
#include "support/JpegTestKit.h"
#include "support/SandboxDevice.h"
#include "support/TemporaryFolder.h"
#include "transport/CurlHttp.h"
#include "transport/WebAddress.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <httplib.h>
#include <mutex>
#include <thread>

namespace {

constexpr const char* kEmail = "me@example.com";
constexpr const char* kPassword = "secret";

class HttpsReferenceService : public ::testing::Test {
protected:
    HttpsReferenceService()
    {
        PrepareDevice("https://" + reference.Host());
        EXPECT_TRUE(WriteServiceCaFile(Utf8ToUtf16(certificate.certificateFile)));
        reference.AddUser(kEmail, kPassword);
        EXPECT_TRUE(http.Open(1));
        service.SetAccount(kEmail, kPassword, 0, "", "");
    }

    ErrorCode AskUserInfo()
    {
        ServiceReply reply = service.RequestUserInfo(nullptr, nullptr);
        if (!reply.IsSuccess())
            return reply.Code();
        auto account = ReadUserInfoReply(*reply.Body());
        return account.IsError() ? account.GetError() : Error::Success;
    }

    // A GET of an address, as the photo downloads send it.
    static ErrorCode Get(Http& http, const std::string& address, std::string& body)
    {
        std::optional<WebAddress> where = ParseWebAddress(address);
        if (!where)
            return Error::InvalidParameter;
        HttpRequest request;
        AimRequest(request, *where);
        if (!request.AddHeader(http.MakeUserAgentHeader()))
            return Error::NotEnoughMemory;
        std::unique_ptr<HttpResponse> response = http.Send(request);
        if (!response)
            return Error::NotEnoughMemory;
        if (ErrorCode code = GetStatus(*response))
            return code;
        Stream* stream = GetBody(*response);
        body = stream ? ReadRest(*stream) : std::string();
        return Error::Success;
    }

    SandboxDevice device;
    TemporaryFolder folder;
    TestCertificate certificate { MakeTestCertificate(folder.Path(), "service") };
    ServiceUnderTest reference { HttpLimits { 4, 8u << 20 }, TlsFiles { certificate.certificateFile, certificate.keyFile } };
    CurlHttp http;
    QuillberryBlogService service { http };
};

bool StartsWith(const std::string& text, const std::string& start)
{
    return text.rfind(start, 0) == 0;
}

}

TEST_F(HttpsReferenceService, AnEntryGoesUpAndItsPhotoComesDownByTheHttpsAddressTheServiceGave)
{
    ServiceReply created = service.RequestBlogCreation(kEmail, kPassword, "myblog", "Mine", "", true, nullptr, nullptr);
    ASSERT_TRUE(created.IsSuccess()) << created.Code();
    EXPECT_FALSE(ReadServerErrorText(*created.Body()));
    ServiceReply info = service.RequestUserInfo(nullptr, nullptr);
    ASSERT_TRUE(info.IsSuccess()) << info.Code();
    auto account = ReadUserInfoReply(*info.Body());
    ASSERT_FALSE(account.IsError());

    CWinBlogStorage store(DeviceFolders::Current().DataFolder(), "myblog");
    store.SetUserId(account->userId);
    service.SetStore(&store);
    service.SetAccount(kEmail, kPassword, account->userId, "myblog", "");
    service.SetPhotoSizes(UploadSize::FullSize, 7);
    std::string photoPath = device.Path("tulips.jpg");
    auto jpeg = EncodeJpeg(MakePhotoLikePicture(640, 480, 5), {});
    std::string photo(reinterpret_cast<const char*>(jpeg.data()), jpeg.size());
    std::ofstream(photoPath, std::ios::binary) << photo;
    auto made = store.NewEntryFromPhotoFile(photoPath);
    ASSERT_FALSE(made.IsError());
    BlogEntry& entry = **made;
    entry.SetTitle("Tulips");
    ServiceReply sent = service.SendEntry(entry, nullptr, nullptr);
    ASSERT_TRUE(sent.IsSuccess()) << sent.Code();
    ASSERT_EQ(service.ApplyEntryReply(entry, *sent.Body(), false), Error::Success);

    std::string site = "https://" + reference.Host() + "/photos/myblog/";
    ASSERT_TRUE(StartsWith(entry.GetSourceUrl(), site)) << entry.GetSourceUrl();
    std::string fullSize;
    ASSERT_EQ(Get(http, entry.GetSourceUrl(), fullSize), Error::Success);
    EXPECT_TRUE(fullSize == photo) << "the full-size photo is the file sent, byte for byte: " << fullSize.size() << " against " << photo.size();
    std::string scaled;
    std::size_t path = entry.GetSourceUrl().find("/photos/");
    ASSERT_EQ(Get(http, "https://" + reference.Host() + "/si.aspx?img=" + entry.GetSourceUrl().substr(path) + "&ld=240&q=85", scaled), Error::Success);
    EXPECT_TRUE(StartsWith(scaled, "\xFF\xD8\xFF"));
    EXPECT_LT(scaled.size(), photo.size());

    // The web addresses the program opens in a browser are HTTPS too.
    EXPECT_EQ(service.GetBlogURL(), "https://" + reference.Host() + "/myblog");
    EXPECT_TRUE(device.Interaction().ShownMessages().empty());
}

TEST_F(HttpsReferenceService, WithoutTheCertificateTheServiceIsRefusedWithAMessageThatSaysSo)
{
    ASSERT_EQ(AskUserInfo(), Error::Success);
    ServiceReply created = service.RequestBlogCreation(kEmail, kPassword, "myblog", "Mine", "", true, nullptr, nullptr);
    ASSERT_TRUE(created.IsSuccess());

    // Only the system's store: a certificate nobody there signed.
    ASSERT_TRUE(WriteServiceCaFile(u""));
    CurlHttp wary;
    ASSERT_TRUE(wary.Open(1));
    QuillberryBlogService refused(wary);
    refused.SetAccount(kEmail, kPassword, 0, "", "");
    EXPECT_EQ(refused.RequestUserInfo(nullptr, nullptr).Code(), Error::NetworkCertificateNotTrusted);
    EXPECT_NE(ErrorText(Error::NetworkCertificateNotTrusted).find("service's certificate is not trusted"), std::string::npos);
    EXPECT_NE(ErrorText(Error::NetworkCertificateNotTrusted).find("Service CA File"), std::string::npos);

    // Trusting another certificate is no better, for the photos either.
    TestCertificate other = MakeTestCertificate(folder.Path(), "other");
    ASSERT_TRUE(WriteServiceCaFile(Utf8ToUtf16(other.certificateFile)));
    EXPECT_EQ(refused.RequestUserInfo(nullptr, nullptr).Code(), Error::NetworkCertificateNotTrusted);
    std::string body;
    EXPECT_EQ(Get(wary, "https://" + reference.Host() + "/myblog", body), Error::NetworkCertificateNotTrusted);

    EXPECT_TRUE(device.Interaction().ShownMessages().empty()) << "the layer above shows the error, once";
}

TEST_F(HttpsReferenceService, ACaFileThatCannotBeUsedStopsTheRequestBeforeItGoes)
{
    ASSERT_TRUE(WriteServiceCaFile(Utf8ToUtf16(folder.File("missing.crt"))));
    EXPECT_EQ(AskUserInfo(), Error::NetworkTrustFileUnreadable);
    EXPECT_NE(ErrorText(Error::NetworkTrustFileUnreadable).find("Service CA File could not be read"), std::string::npos);

    // A key is no certificate; neither is a certificate cut short.
    ASSERT_TRUE(WriteServiceCaFile(Utf8ToUtf16(certificate.keyFile)));
    EXPECT_EQ(AskUserInfo(), Error::NetworkTrustFileUnreadable);
    std::string pem = ReadTextFile(certificate.certificateFile);
    std::string broken = folder.File("broken.crt");
    std::ofstream(broken) << pem << pem.substr(0, pem.size() / 2);
    ASSERT_TRUE(WriteServiceCaFile(Utf8ToUtf16(broken)));
    EXPECT_EQ(AskUserInfo(), Error::NetworkTrustFileUnreadable);

    // Plain HTTP never reads it.
    ASSERT_TRUE(WriteServiceHost(Utf8ToUtf16(reference.Host())));
    EXPECT_NE(AskUserInfo(), Error::NetworkTrustFileUnreadable);

    // A bundle with other certificates around the service's own is fine.
    TestCertificate other = MakeTestCertificate(folder.Path(), "other");
    std::string bundle = folder.File("bundle.crt");
    std::ofstream(bundle) << ReadTextFile(other.certificateFile) << pem;
    ASSERT_TRUE(WriteServiceCaFile(Utf8ToUtf16(bundle)));
    ASSERT_TRUE(WriteServiceHost(Utf8ToUtf16("HTTPS://" + reference.Host() + "/")));
    EXPECT_EQ(AskUserInfo(), Error::Success);
}

namespace {

// What a service behind TLS received of one request.
struct ReceivedOverTls {
    std::string host;
    std::string soapAction;
    std::string contentType;
    std::string body;
};

// The scripted service of the byte tests, behind TLS: it keeps what each
// request carried and answers an empty changes reply.
class HttpsRequestBytes : public ServiceTest {
protected:
    HttpsRequestBytes()
    {
        tls.Post("/ws/", [this](const httplib::Request& request, httplib::Response& response) {
            std::lock_guard lock(mutex);
            received.push_back({ request.get_header_value("Host"), request.get_header_value("SOAPAction"),
                request.get_header_value("Content-Type"), request.body });
            response.set_content(ChangesResponseBuilder::Envelope("GU", ""), "text/xml");
        });
        port = tls.bind_to_any_port("127.0.0.1");
        thread = std::thread([this] { tls.listen_after_bind(); });
        while (!tls.is_running())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        tlsHost = "127.0.0.1:" + std::to_string(port);
        EXPECT_TRUE(WriteServiceHost(Utf8ToUtf16("https://" + tlsHost)));
        EXPECT_TRUE(WriteServiceCaFile(Utf8ToUtf16(certificate.certificateFile)));
    }
    ~HttpsRequestBytes() override
    {
        tls.stop();
        thread.join();
    }

    // The envelope the plain service would get, with the TLS service's host.
    std::string EnvelopeHere(std::string_view action, std::string_view fields) const
    {
        std::string envelope = Envelope(action, fields);
        std::string plainHost = server.HostText();
        envelope.replace(envelope.find(plainHost), plainHost.size(), tlsHost);
        return envelope;
    }

    TemporaryFolder folder;
    TestCertificate certificate { MakeTestCertificate(folder.Path(), "scripted") };
    httplib::SSLServer tls { certificate.certificateFile.c_str(), certificate.keyFile.c_str() };
    std::thread thread;
    int port { 0 };
    std::string tlsHost;
    std::mutex mutex;
    std::vector<ReceivedOverTls> received;
};

}

TEST_F(HttpsRequestBytes, TheHostTextIsTheSameAsOverPlainHttp)
{
    ASSERT_TRUE(service.RequestUserInfo(nullptr, nullptr).IsSuccess());
    auto category = MakeCategory(*store, 12, "Cats & Dogs", true);
    ASSERT_TRUE(service.SendCategoryDeletion(*category, nullptr, nullptr).IsSuccess());
    std::lock_guard lock(mutex);
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].host, tlsHost);
    EXPECT_EQ(received[0].soapAction, "\"http://" + tlsHost + "/ws/GU\"");
    EXPECT_EQ(received[0].contentType, "text/xml; charset=utf-8");
    EXPECT_EQ(CheckDigests(received[0].body, kPassword), EnvelopeHere("GU", Authentication({})));
    EXPECT_EQ(received[1].soapAction, "\"http://" + tlsHost + "/ws/DC\"");
    EXPECT_EQ(CheckDigests(received[1].body, kPassword), EnvelopeHere("DC", Authentication() + "<CA><CI>12</CI></CA>"));
    EXPECT_TRUE(Requests().empty()) << "nothing went to the plain service";
}
