#include "HttpTestClient.h"
#include "support/SandboxDevice.h"

#include <arpa/inet.h>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A loopback port that is taken but never listened on: connecting to it is
// refused at once.
class ClosedPort {
public:
    ClosedPort()
    {
        m_socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in local {};
        local.sin_family = AF_INET;
        local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof local;
        ::bind(m_socket, reinterpret_cast<sockaddr*>(&local), sizeof local);
        ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&local), &length);
        m_port = ntohs(local.sin_port);
    }
    ~ClosedPort() { ::close(m_socket); }
    std::uint16_t Port() const { return m_port; }

private:
    int m_socket { -1 };
    std::uint16_t m_port { 0 };
};

}

TEST(CurlHttpConnections, ASixthHostClosesTheConnectionIdleLongest)
{
    SandboxDevice device;
    std::vector<std::unique_ptr<HttpTestServer>> hosts;
    for (int i = 1; i <= 6; ++i)
        hosts.push_back(std::make_unique<HttpTestServer>("127.0.0." + std::to_string(i)));
    CurlHttp http;
    ASSERT_TRUE(http.Open(1));
    auto get = [&](int host) {
        HttpRequest request = MakeRequest(*hosts[host - 1], "GET", "/");
        EXPECT_EQ(http.Send(request)->code, 0u) << "host " << host;
    };

    for (int host = 1; host <= 5; ++host)
        get(host);
    for (int host = 2; host <= 5; ++host)
        get(host);
    for (auto& server : hosts)
        EXPECT_LE(server->ConnectionsAccepted(), 1) << server->Address() << ": five hosts are all kept";

    get(6);
    EXPECT_TRUE(hosts[0]->WaitForClientClose(1)) << "the host used longest ago loses its connection";
    for (int host = 2; host <= 6; ++host)
        get(host);
    for (int host = 2; host <= 6; ++host) {
        EXPECT_EQ(hosts[host - 1]->ConnectionsAccepted(), 1) << "host " << host << " kept its connection";
        EXPECT_TRUE(hosts[host - 1]->ConnectionsClosedByClient().empty());
    }

    get(1);
    EXPECT_EQ(hosts[0]->ConnectionsAccepted(), 2) << "a new connection for the evicted host";
    http.Close(1);
    for (int host = 2; host <= 6; ++host)
        EXPECT_TRUE(hosts[host - 1]->WaitForClientClose(1)) << "Close ends every cached connection";
}

TEST(CurlHttpConnections, RefusedConnection)
{
    SandboxDevice device;
    ClosedPort closed;
    CurlHttp http;
    ASSERT_TRUE(http.Open(1));
    HttpRequest request;
    request.host = "127.0.0.1";
    request.port = closed.Port();
    auto response = http.Send(request);
    EXPECT_EQ(response->code, 4619u);
    EXPECT_EQ(GetStatus(*response), 4619u);
}

TEST(CurlHttpConnections, NameThatDoesNotResolve)
{
    SandboxDevice device;
    CurlHttp http;
    ASSERT_TRUE(http.Open(1));
    HttpRequest request;
    request.host = "no-such-host.invalid";
    auto started = std::chrono::steady_clock::now();
    auto response = http.Send(request);
    EXPECT_EQ(response->code, 4666u);
    // Names under "invalid" never exist; a resolver that still asks the
    // network must not stall the test run.
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
}
