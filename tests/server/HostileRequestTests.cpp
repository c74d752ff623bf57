// Requests no device sends, through real HTTP: every one gets an error
// answer, and the service goes on serving with its database intact.

#include "ServerTestKit.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <optional>
#include <set>
#include <sys/socket.h>
#include <thread>

namespace {

std::string IntegrityCheck(ServiceUnderTest& service)
{
    auto transaction = service.Instance().database->Begin(TransactionKind::Read);
    if (transaction.IsError())
        return "no transaction";
    // PostgreSQL checks its own pages as it reads them; what is left to
    // look at there is that every record still belongs where it says.
    auto rows = (*transaction)->Query(CurrentTestEngine() == TestEngine::Sqlite ? "PRAGMA integrity_check" : "SELECT CASE WHEN COUNT(*) = 0 THEN 'ok' ELSE 'orphans' END FROM entries LEFT JOIN blogs ON blogs.id = entries.blog_id"
                                                                                                             " WHERE blogs.id IS NULL");
    return rows.IsError() || rows->empty() ? "failed" : rows->front().Text(0);
}

}

TEST(HostileRequests, EveryBadEnvelopeGetsAnErrorAnswer)
{
    ServiceUnderTest service;
    Device ann(service, service.AddUser("ann@example.com"));
    ann.CreateBlog("garden");
    std::string laughs = "<?xml version=\"1.0\"?><!DOCTYPE lolz [<!ENTITY lol \"lol\">";
    for (int i = 1; i < 10; ++i)
        laughs += "<!ENTITY lol" + std::to_string(i) + " \"" + std::string(10, '&') + "\">";
    laughs += "]><soap:Envelope xmlns:soap=\"s\"><soap:Body><GU><RQ><GU><RQ><V>&lol9;</V></RQ></GU></RQ></GU></soap:Body></soap:Envelope>";
    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "<a>";
    std::string external = "<?xml version=\"1.0\"?><!DOCTYPE x [<!ENTITY e SYSTEM \"file:///etc/passwd\">]>"
                           "<soap:Envelope xmlns:soap=\"s\"><soap:Body><GU><RQ><GU><RQ><V>&e;</V></RQ></GU></RQ></GU></soap:Body></soap:Envelope>";
    std::string valid = ann.Envelope("GC", "garden", "<TS /><VP /><MX />");
    std::string wrongTitle = ann.Envelope("AC", "garden", "<CA><NM>\xFF\xFE</NM></CA>");
    for (const std::string& body : { std::string(), std::string("garbage"), std::string("\0\0\0\0", 4), laughs, deep, external,
             valid.substr(0, valid.size() / 2), valid.substr(0, valid.find("<RQ>")) + "<RQ></RQ></GC></soap:Body></soap:Envelope>",
             wrongTitle, std::string("<soap:Envelope><soap:Body><FormatDisk/></soap:Body></soap:Envelope>") }) {
        Answer answer = ann.Post(body);
        EXPECT_EQ(answer.status, 400) << body.substr(0, 80);
        EXPECT_NE(answer.body.find("<soap:Fault>"), std::string::npos);
        // Devices never scan a fault: it comes with an error status and no
        // "<MS>" element.
        EXPECT_EQ(answer.body.find("<MS"), std::string::npos);
    }
    EXPECT_EQ(ann.Get("/ws/").status, 404);
    EXPECT_TRUE(ann.GetChanges("garden").Ok());
    EXPECT_EQ(IntegrityCheck(service), "ok");
}

TEST(HostileRequests, ABodyOverTheLimitIsRefusedUnread)
{
    ServiceUnderTest service(HttpLimits { 2, 1u << 20 });
    Device ann(service, service.AddUser("ann@example.com"));
    ann.CreateBlog("garden");
    std::string huge = ann.Envelope("AP", "garden", EntryFields(std::nullopt, 0, "big", "", std::string(2u << 20, 'x')));
    EXPECT_EQ(ann.Post(huge).status, 413);
    EXPECT_TRUE(ann.GetChanges("garden").Ok());
    EXPECT_TRUE(ann.GetChanges("garden").Records("PI").empty());
}

TEST(HostileRequests, OversizedValuesAreCutAndStrangeHostsIgnored)
{
    ServiceUnderTest service;
    Device ann(service, service.AddUser("ann@example.com"));
    ann.CreateBlog("garden");
    std::uint32_t id = ann.AddEntry("garden", std::string(100000, 'T'), TestJpeg(16, 16), 0, std::string(100000, '&'));
    auto entry = ann.GetChanges("garden").Records("PI").at(0);
    EXPECT_EQ(entry["ID"], std::to_string(id));
    EXPECT_EQ(entry["TI"].size(), 127u);
    EXPECT_EQ(entry["CP"], std::string(7999 / 5, '&')); // each "&amp;" is 5 bytes of a device's buffer

    // A Host header that would break the addresses is not used in them.
    httplib::Client client = service.Client();
    httplib::Headers headers { { "Host", "evil\"host<script>" } };
    auto result = client.Post("/ws/", headers, ann.Envelope("GC", "garden", "<TS /><VP /><MX />"), "text/xml");
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 200);
    EXPECT_EQ(result->body.find("evil"), std::string::npos);
    EXPECT_NE(result->body.find("http://127.0.0.1:" + std::to_string(service.Port()) + "/photos/garden/"), std::string::npos);
}

TEST(HostileRequests, ConcurrentDevicesLoseNothing)
{
    ServiceUnderTest service(HttpLimits { 4, 8u << 20 });
    Device ann(service, service.AddUser("ann@example.com"));
    ann.CreateBlog("garden");
    std::string jpeg = TestJpeg(64, 48);
    constexpr int Threads = 4;
    constexpr int EntriesEach = 6;
    std::vector<std::thread> threads;
    std::atomic<int> failures { 0 };
    for (int t = 0; t < Threads; ++t) {
        threads.emplace_back([&, t] {
            Device device(service, TestAccount { "ann@example.com", "secret" });
            for (int i = 0; i < EntriesEach; ++i) {
                Answer added = device.Send("AP", "garden", EntryFields(std::nullopt, 0, "t" + std::to_string(t) + "-" + std::to_string(i), "", jpeg));
                Answer read = device.GetChanges("garden");
                Answer garbage = device.Post("<soap:Envelope>" + std::to_string(i));
                if (!added.Ok() || !read.Ok() || garbage.status != 400)
                    ++failures;
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(failures.load(), 0);
    auto entries = ann.GetChanges("garden").Records("PI");
    EXPECT_EQ(entries.size(), size_t(Threads * EntriesEach));
    std::set<std::string> ids;
    for (auto& entry : entries)
        ids.insert(entry["ID"]);
    EXPECT_EQ(ids.size(), entries.size());
    EXPECT_EQ(IntegrityCheck(service), "ok");
}

// Devices that connect all at once (a school class syncing at the bell)
// are all answered, none turned away at the door: the listening socket
// keeps a long queue of connections waiting to be taken (for a listening
// socket the kernel's TCP_INFO tells its length in tcpi_sacked).
TEST(HostileRequests, ABurstOfConnectionsIsAnswered)
{
    ServiceUnderTest service(HttpLimits { 4, 8u << 20 });
    std::optional<unsigned> queue;
    for (int fd = 0; fd < 4096 && !queue; ++fd) {
        int listening = 0;
        socklen_t size = sizeof listening;
        sockaddr_in address {};
        socklen_t addressSize = sizeof address;
        tcp_info info {};
        socklen_t infoSize = sizeof info;
        if (::getsockopt(fd, SOL_SOCKET, SO_ACCEPTCONN, &listening, &size) == 0 && listening
            && ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &addressSize) == 0 && address.sin_family == AF_INET
            && ntohs(address.sin_port) == service.Port() && ::getsockopt(fd, IPPROTO_TCP, TCP_INFO, &info, &infoSize) == 0)
            queue = info.tcpi_sacked;
    }
    ASSERT_TRUE(queue) << "no listening socket on port " << service.Port();
    EXPECT_GE(*queue, 128u);

    constexpr int Devices = 64;
    std::atomic<int> waiting { Devices };
    std::atomic<int> answered { 0 };
    std::vector<std::thread> devices;
    for (int d = 0; d < Devices; ++d) {
        devices.emplace_back([&] {
            httplib::Client client = service.Client();
            --waiting;
            while (waiting.load() > 0)
                std::this_thread::yield();
            auto result = client.Get("/Downloads/messages/ppc/Vellumbrix.txt");
            if (result && result->status == 200)
                ++answered;
        });
    }
    for (auto& device : devices)
        device.join();
    EXPECT_EQ(answered.load(), Devices);
}
