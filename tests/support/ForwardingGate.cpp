#include "support/ForwardingGate.h"

#include "support/ScriptedService.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// One request over a connection of its own, the answer read to its end.
std::string Exchange(int port, const std::string& bytes)
{
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return {};
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::string answer;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        std::size_t sent = 0;
        while (sent < bytes.size()) {
            ssize_t written = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
            if (written <= 0)
                break;
            sent += static_cast<std::size_t>(written);
        }
        char buffer[65536];
        ssize_t got;
        while ((got = ::recv(fd, buffer, sizeof buffer, 0)) > 0)
            answer.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return answer;
}

}

ForwardingGate::ForwardingGate(int servicePort)
    : m_servicePort(servicePort)
{
    m_gate.SetResponder([this](const HttpTestServer::Request& request) { return Forward(request); });
}

std::vector<std::string> ForwardingGate::Actions() const
{
    std::lock_guard lock(m_mutex);
    return m_actions;
}

void ForwardingGate::ClearLog()
{
    std::lock_guard lock(m_mutex);
    m_actions.clear();
}

void ForwardingGate::Before(BeforeForward before)
{
    std::lock_guard lock(m_mutex);
    m_before = std::move(before);
}

void ForwardingGate::After(AfterAnswer after)
{
    std::lock_guard lock(m_mutex);
    m_after = std::move(after);
}

HttpTestServer::Response ForwardingGate::Forward(const HttpTestServer::Request& request)
{
    std::string action = ActionOf(request);
    BeforeForward before;
    AfterAnswer after;
    {
        std::lock_guard lock(m_mutex);
        m_actions.push_back(action);
        before = m_before;
        after = m_after;
    }
    if (before)
        before(action);
    // The service closes the connection after its answer, which then ends
    // where the connection does.
    std::string head = request.head;
    head.insert(head.size() - 2, "Connection: close\r\n");
    std::string answer = Exchange(m_servicePort, head + request.body);
    if (after) {
        if (auto replaced = after(action, m_servicePort))
            return *replaced;
    }
    return HttpTestServer::Raw(answer);
}
