#include "ServiceTestBench.h"

#include "app/Preferences.h"
#include "app/StartUp.h"
#include "app/ProgramVersion.h"
#include "platform/CodePage.h"
#include "platform/DeviceFolders.h"
#include "platform/FileSystem.h"
#include "server/soap/Base64.h"
#include "transport/Sha1.h"

#include <cctype>
#include <cstdlib>
#include <ctime>
#include <regex>

void PrepareDevice(const std::string& serviceHost)
{
    EXPECT_TRUE(CreatePreferenceKeyChain());
    EXPECT_TRUE(WriteServiceHost(Utf8ToUtf16(serviceHost)));
    EXPECT_EQ(CreateFolderWithParents(DeviceFolders::Current().DataFolder()), Error::Success);
}

ServiceTest::ServiceTest()
{
    PrepareDevice(server.HostText());
    EXPECT_TRUE(http.Open(1));
    store = std::make_unique<CWinBlogStorage>(DeviceFolders::Current().DataFolder(), kBlog);
    store->SetUserId(kUserId);
    service.SetStore(store.get());
    service.SetAccount(kEmail, kPassword, kUserId, kBlog, "");
    service.SetPhotoSizes(3, 5);
}

ServiceTest::~ServiceTest()
{
    http.Close(1);
}

void ServiceTest::Answer(const std::string& body)
{
    server.SetResponder([body](const HttpTestServer::Request&) { return HttpTestServer::Ok(body); });
}

void ServiceTest::AnswerWith(HttpTestServer::Response response)
{
    server.SetResponder([response](const HttpTestServer::Request&) { return response; });
}

std::string ServiceTest::ErrorReply(std::string_view action, std::string_view text)
{
    return ChangesResponseBuilder::Envelope(action, "<MS>" + ChangesResponseBuilder::Escape(text) + "</MS>");
}

HttpTestServer::Request ServiceTest::OnlyRequest() const
{
    auto requests = server.Requests();
    EXPECT_EQ(requests.size(), 1u);
    return requests.empty() ? HttpTestServer::Request() : requests.back();
}

std::string ServiceTest::ExpectedHead(std::string_view action, std::size_t length) const
{
    return "POST /ws/ HTTP/1.1\r\n"
           "Host: "
        + server.HostText()
        + "\r\n"
          "Content-Type: text/xml; charset=utf-8\r\n"
          "Content-Length: "
        + std::to_string(length) + "\r\nUser-Agent: WinCE-PocketPC vellumbrix " + std::string(ProgramVersionText())
        + "\r\n"
          "SOAPAction: \"http://"
        + server.HostText() + "/ws/" + std::string(action) + "\"\r\n\r\n";
}

std::string ServiceTest::Envelope(std::string_view action, std::string_view fields) const
{
    std::string name(action);
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?><soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body><"
        + name + " xmlns=\"http://" + server.HostText() + "/ws\"><RQ><" + name + "><RQ><V>3</V>" + std::string(fields) + "</RQ></" + name
        + "></RQ></" + name + "></soap:Body></soap:Envelope>\r\n";
}

std::string ServiceTest::Authentication(std::string_view blogUrlName)
{
    std::string block = "<AU><UN>" + std::string(kEmail) + "</UN><DI>{DI}</DI><CR>{CR}</CR><NO>{NO}</NO></AU>";
    if (!blogUrlName.empty())
        block += "<BI>" + ChangesResponseBuilder::Escape(blogUrlName) + "</BI>";
    return block;
}

namespace {

std::string Between(const std::string& text, std::size_t& at, std::string_view open, std::string_view close)
{
    std::size_t start = text.find(open, at);
    if (start == std::string::npos)
        return {};
    start += open.size();
    std::size_t end = text.find(close, start);
    if (end == std::string::npos)
        return {};
    at = end + close.size();
    return text.substr(start, end - start);
}

std::time_t ParseUtc(const std::string& text)
{
    std::tm parts {};
    if (!::strptime(text.c_str(), "%Y-%m-%dT%H:%M:%SZ", &parts))
        return 0;
    return ::timegm(&parts);
}

}

std::string ServiceTest::CheckDigests(const std::string& body, std::string_view password, std::string_view viewerPassword)
{
    static const std::regex kCreated(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ)");
    std::string masked;
    std::size_t copied = 0;
    std::size_t at = 0;
    while ((at = body.find("<DI>", at)) != std::string::npos) {
        bool viewer = body.compare(at >= 4 ? at - 4 : 0, 4, "<VP>") == 0;
        std::size_t start = at;
        std::size_t cursor = at;
        std::string digest = Between(body, cursor, "<DI>", "</DI>");
        std::string created = Between(body, cursor, "<CR>", "</CR>");
        std::string nonce = Between(body, cursor, "<NO>", "</NO>");
        EXPECT_EQ(nonce.size(), 31u) << nonce;
        for (char c : nonce)
            EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c))) << nonce;
        EXPECT_TRUE(std::regex_match(created, kCreated)) << created;
        EXPECT_LE(std::abs(static_cast<long>(ParseUtc(created) - std::time(nullptr))), 5L) << created << " is not now, in UTC";
        std::string secret(viewer ? viewerPassword : password);
        Sha1Digest expected = Sha1(nonce + created + secret);
        EXPECT_EQ(digest, EncodeBase64(std::string_view(reinterpret_cast<const char*>(expected.data()), expected.size())))
            << "digest of " << nonce << created << secret;
        masked += body.substr(copied, start - copied) + "<DI>{DI}</DI><CR>{CR}</CR><NO>{NO}</NO>";
        copied = cursor;
        at = cursor;
    }
    return masked + body.substr(copied);
}

void ServiceTest::ExpectRequest(const HttpTestServer::Request& request, std::string_view action, std::string_view fields,
    std::string_view viewerPassword) const
{
    EXPECT_EQ(request.head, ExpectedHead(action, request.body.size()));
    EXPECT_EQ(CheckDigests(request.body, kPassword, viewerPassword), Envelope(action, fields));
}

void ServiceTest::SaveStore()
{
    ASSERT_EQ(store->Save(), Error::Success);
}

std::unique_ptr<CWinBlogStorage> ServiceTest::ReloadStore() const
{
    auto copy = std::make_unique<CWinBlogStorage>();
    copy->SetFilePath(store->GetFilePath());
    EXPECT_EQ(copy->Load(), Error::Success);
    return copy;
}

std::unique_ptr<BlogEntry> MakeEntry(const BlogStorage& store, std::uint32_t serverId, std::string_view title, std::uint32_t postDate,
    bool pending)
{
    auto entry = store.NewEntry();
    entry->SetServerId(serverId);
    entry->SetTitle(title);
    entry->SetPostDate(postDate);
    entry->SetTakenDate(postDate);
    entry->SetPending(pending);
    return entry;
}

std::unique_ptr<BlogComment> MakeComment(const BlogStorage& store, std::uint32_t entryId, std::uint32_t commentId, std::string_view text,
    std::uint32_t date, bool pending)
{
    auto comment = store.NewComment();
    comment->SetEntryId(entryId);
    comment->SetCommentId(commentId);
    comment->SetText(text);
    comment->SetDate(date);
    comment->SetPending(pending);
    return comment;
}

std::unique_ptr<BlogAlbum> MakeCategory(const BlogStorage& store, std::uint32_t id, std::string_view name, bool modified)
{
    auto category = store.NewCategory();
    category->SetId(id);
    category->SetName(name);
    category->SetModified(modified);
    return category;
}

std::vector<std::string> ShownTexts(const HeadlessUserInteraction& interaction)
{
    std::vector<std::string> texts;
    for (auto& shown : interaction.ShownMessages())
        texts.push_back(shown.text);
    return texts;
}
