#include "ServerTestKit.h"

#include "support/JpegTestKit.h"

#include "server/admin/AdminCommands.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <gtest/gtest.h>
#include <openssl/rand.h>
#include <openssl/sha.h>
#include <pugixml.hpp>
#include <stdexcept>

ServerOptions TestServerOptions(const std::string& dataFolder, const TestDatabase& database)
{
    ServerOptions options;
    options.dataFolder = dataFolder;
    options.photosFolder = dataFolder + "/photos";
    options.database = database.Address();
    return options;
}

void FollowWhileWriting(std::vector<std::thread>& writers, const std::atomic<int>& writing, const std::function<void()>& follow)
{
    while (writing.load() > 0)
        follow();
    for (std::thread& writer : writers)
        writer.join();
    follow();
}

ServiceUnderTest::ServiceUnderTest(HttpLimits limits, const TlsFiles& tls)
{
    std::string problem;
    auto instance = OpenServiceInstance(TestServerOptions(m_folder.File("data"), m_database), problem);
    if (instance.IsError())
        throw std::runtime_error("cannot open the service: " + problem);
    m_instance = instance.ReleaseValue();
    m_instance->settings.clock = [this] { return Now(); };
    m_certificate = tls.certificate;
    m_server = std::make_unique<ServiceServer>(*m_instance->database, *m_instance->photos, *m_instance->messages, m_instance->settings, limits, tls);
    if (!m_server->IsUsable())
        throw std::runtime_error("cannot use the certificate " + tls.certificate);
    m_port = m_server->Bind("127.0.0.1", 0);
    if (m_port <= 0)
        throw std::runtime_error("cannot bind a loopback port");
    m_thread = std::thread([this] { m_server->Run(); });
}

ServiceUnderTest::~ServiceUnderTest()
{
    m_server->Stop();
    m_thread.join();
}

std::int64_t ServiceUnderTest::Now() const
{
    return SystemClockSeconds() + m_offset.load();
}

TestAccount ServiceUnderTest::AddUser(const std::string& email, const std::string& password, const std::vector<std::string>& options)
{
    std::vector<std::string> words { "create-user", email, password };
    words.insert(words.end(), options.begin(), options.end());
    EXPECT_EQ(Admin(words), 0) << email;
    return TestAccount { email, password };
}

int ServiceUnderTest::Admin(const std::vector<std::string>& words, std::string* output)
{
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    int status = RunAdminCommand(*m_instance, words, out, err);
    for (std::FILE* file : { out, err }) {
        std::rewind(file);
        std::string text;
        char buffer[4096];
        size_t read;
        while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0)
            text.append(buffer, read);
        if (file == out && output)
            *output = text;
        std::fclose(file);
    }
    return status;
}

httplib::Client ServiceUnderTest::Client() const
{
    httplib::Client client((m_certificate.empty() ? "http://" : "https://") + Host());
    if (!m_certificate.empty())
        client.set_ca_cert_path(m_certificate.c_str());
    client.set_read_timeout(30, 0);
    client.set_write_timeout(30, 0);
    return client;
}

std::string UtcText(std::int64_t moment)
{
    std::time_t time = static_cast<std::time_t>(moment);
    std::tm parts {};
    gmtime_r(&time, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text;
}

std::string PathOf(const std::string& address)
{
    size_t host = address.find("://");
    size_t slash = host == std::string::npos ? std::string::npos : address.find('/', host + 3);
    return slash == std::string::npos ? "" : address.substr(slash);
}

std::string Base64(const std::string& bytes)
{
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    size_t i = 0;
    auto byte = [&](size_t k) { return static_cast<unsigned>(static_cast<unsigned char>(bytes[k])); };
    for (; i + 2 < bytes.size(); i += 3) {
        unsigned group = byte(i) << 16 | byte(i + 1) << 8 | byte(i + 2);
        for (int shift : { 18, 12, 6, 0 })
            text += alphabet[(group >> shift) & 63];
    }
    if (bytes.size() - i == 1) {
        unsigned group = byte(i) << 16;
        text += std::string { alphabet[group >> 18], alphabet[(group >> 12) & 63] } + "==";
    } else if (bytes.size() - i == 2) {
        unsigned group = byte(i) << 16 | byte(i + 1) << 8;
        text += std::string { alphabet[group >> 18], alphabet[(group >> 12) & 63], alphabet[(group >> 6) & 63] } + "=";
    }
    return text;
}

std::string DigestOf(const std::string& nonce, const std::string& created, const std::string& password)
{
    std::string joined = nonce + created + password;
    unsigned char digest[SHA_DIGEST_LENGTH];
    SHA1(reinterpret_cast<const unsigned char*>(joined.data()), joined.size(), digest);
    return Base64(std::string(reinterpret_cast<char*>(digest), sizeof digest));
}

std::string NewNonce()
{
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    unsigned char random[31];
    RAND_bytes(random, sizeof random);
    std::string nonce;
    for (unsigned char r : random)
        nonce += alphabet[r % 62];
    return nonce;
}

std::string Escaped(const std::string& text)
{
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '\'':
            escaped += "&apos;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\t':
            escaped += "&#x9;";
            break;
        case '\n':
            escaped += "&#xA;";
            break;
        case '\r':
            escaped += "&#xD;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string Answer::Refusal() const
{
    return Value("MS");
}

std::string Answer::Value(const std::string& tag) const
{
    pugi::xml_document document;
    if (!document.load_string(body.c_str()))
        return {};
    pugi::xml_node node = document.find_node([&](pugi::xml_node n) { return n.type() == pugi::node_element && tag == n.name(); });
    return node.text().get();
}

std::vector<std::map<std::string, std::string>> Answer::Records(const std::string& tag) const
{
    std::vector<std::map<std::string, std::string>> records;
    pugi::xml_document document;
    if (!document.load_string(body.c_str()))
        return records;
    struct Walker : pugi::xml_tree_walker {
        const std::string& tag;
        std::vector<std::map<std::string, std::string>>& records;
        Walker(const std::string& t, std::vector<std::map<std::string, std::string>>& r)
            : tag(t)
            , records(r)
        {
        }
        bool for_each(pugi::xml_node& node) override
        {
            if (node.type() != pugi::node_element || tag != node.name())
                return true;
            std::map<std::string, std::string> record;
            for (pugi::xml_attribute attribute : node.attributes())
                record[attribute.name()] = attribute.value();
            for (pugi::xml_node child : node.children()) {
                if (child.type() == pugi::node_element)
                    record[child.name()] = child.text().get();
            }
            record["#text"] = node.text().get();
            records.push_back(std::move(record));
            return true;
        }
    } walker(tag, records);
    document.traverse(walker);
    return records;
}

Device::Device(ServiceEndpoint& service, std::optional<TestAccount> account)
    : m_service(service)
    , m_account(std::move(account))
{
}

std::string Device::Envelope(const std::string& action, const std::optional<std::string>& blog, const std::string& fields, const AuthOptions& auth)
{
    std::string host = m_service.Host();
    std::string body = "<?xml version=\"1.0\" encoding=\"utf-8\"?><soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>";
    body += "<" + action + " xmlns=\"http://" + host + "/ws\"><RQ><" + action + "><RQ><V>3</V>";
    if (action != "CreateAccount") {
        if (!m_account || m_account->email.empty() || m_account->password.empty()) {
            body += "<AU />";
        } else {
            std::string nonce = auth.nonce.value_or(NewNonce());
            std::string created = UtcText(m_service.Now() + auth.createdOffset);
            std::string digest = DigestOf(nonce, created, auth.password.value_or(m_account->password));
            body += "<AU><UN>" + m_account->email + "</UN><DI>" + digest + "</DI><CR>" + created + "</CR><NO>" + nonce + "</NO></AU>";
        }
        if (blog)
            body += "<BI>" + Escaped(*blog) + "</BI>";
    }
    body += fields;
    body += "</RQ></" + action + "></RQ></" + action + "></soap:Body></soap:Envelope>\r\n";
    return body;
}

Answer Device::Post(const std::string& body)
{
    httplib::Client client = m_service.Client();
    httplib::Headers headers { { "User-Agent", "WinCE-PocketPC vellumbrix 1.0" } };
    auto result = client.Post("/ws/", headers, body, "text/xml; charset=utf-8");
    if (!result)
        return Answer { -1, httplib::to_string(result.error()) };
    return Answer { result->status, result->body };
}

Answer Device::Send(const std::string& action, const std::optional<std::string>& blog, const std::string& fields, const AuthOptions& auth)
{
    return Post(Envelope(action, blog, fields, auth));
}

Answer Device::Get(const std::string& path)
{
    httplib::Client client = m_service.Client();
    auto result = client.Get(path.c_str());
    if (!result)
        return Answer { -1, httplib::to_string(result.error()) };
    return Answer { result->status, result->body };
}

void Device::CreateBlog(const std::string& name, const std::string& title, bool visible)
{
    Answer answer = Send("CreateBlog", std::nullopt,
        "<BlogURL>" + Escaped(name) + "</BlogURL><Title>" + Escaped(title) + "</Title><Subtitle></Subtitle><Visibility>"
            + (visible ? "normal" : "hidden") + "</Visibility>");
    ASSERT_TRUE(answer.Ok()) << answer.body;
}

std::uint32_t Device::AddCategory(const std::string& blog, const std::string& name)
{
    Answer answer = Send("AC", blog, "<CA><NM>" + Escaped(name) + "</NM></CA>");
    EXPECT_TRUE(answer.Ok()) << answer.body;
    return static_cast<std::uint32_t>(std::stoul("0" + answer.Value("CI")));
}

std::string EntryFields(std::optional<std::uint32_t> id, std::uint32_t category, const std::string& title, const std::string& caption,
    const std::string& jpeg)
{
    std::string fields = "<PI>";
    if (id)
        fields += "<ID>" + std::to_string(*id) + "</ID>";
    fields += "<CI>" + std::to_string(category) + "</CI><TI>" + Escaped(title) + "</TI><CP>" + Escaped(caption)
        + "</CP><PD>2006-07-01T12:00:00+0200</PD><TD>2006-07-01T11:30:00+0200</TD>";
    if (!id)
        fields += "<JP>" + Base64(jpeg) + "</JP>";
    return fields + "</PI>";
}

std::uint32_t Device::AddEntry(const std::string& blog, const std::string& title, const std::string& jpeg, std::uint32_t category,
    const std::string& caption)
{
    Answer answer = Send("AP", blog, EntryFields(std::nullopt, category, title, caption, jpeg));
    EXPECT_TRUE(answer.Ok()) << answer.status << " " << answer.body;
    return static_cast<std::uint32_t>(std::stoul("0" + answer.Value("ID")));
}

std::uint32_t Device::AddComment(const std::string& blog, std::uint32_t entry, const std::string& text)
{
    Answer answer = Send("AO", blog,
        "<OM><ID>" + std::to_string(entry) + "</ID><OD>" + UtcText(m_service.Now()) + "</OD><OT>" + Escaped(text) + "</OT></OM>");
    EXPECT_TRUE(answer.Ok()) << answer.body;
    return static_cast<std::uint32_t>(std::stoul("0" + answer.Value("OI")));
}

Answer Device::GetChanges(const std::string& blog, std::optional<std::string> since, std::optional<int> limit, const std::string& viewPassword)
{
    std::string fields = since ? "<TS>" + *since + "</TS>" : "<TS />";
    if (viewPassword.empty()) {
        fields += "<VP />";
    } else {
        std::string nonce = NewNonce();
        std::string created = UtcText(m_service.Now());
        fields += "<VP><DI>" + DigestOf(nonce, created, viewPassword) + "</DI><CR>" + created + "</CR><NO>" + nonce + "</NO></VP>";
    }
    fields += limit && !since ? "<MX>" + std::to_string(*limit) + "</MX>" : "<MX />";
    return Send("GC", blog, fields);
}

std::string TestJpeg(int width, int height, unsigned seed)
{
    std::vector<uint8_t> jpeg = EncodeJpeg(MakePhotoLikePicture(width, height, seed), JpegOptions {});
    return std::string(jpeg.begin(), jpeg.end());
}
