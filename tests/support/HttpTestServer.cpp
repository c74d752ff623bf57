#include "support/HttpTestServer.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <stdexcept>
#include <strings.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

std::string HeaderValue(const std::string& head, const char* name)
{
    std::size_t lineStart = head.find("\r\n");
    std::size_t nameLength = std::strlen(name);
    while (lineStart != std::string::npos) {
        lineStart += 2;
        std::size_t lineEnd = head.find("\r\n", lineStart);
        if (lineEnd == std::string::npos || lineEnd == lineStart)
            break;
        std::string line = head.substr(lineStart, lineEnd - lineStart);
        if (line.size() > nameLength && line[nameLength] == ':' && ::strncasecmp(line.c_str(), name, nameLength) == 0) {
            std::size_t value = line.find_first_not_of(" \t", nameLength + 1);
            return value == std::string::npos ? std::string() : line.substr(value);
        }
        lineStart = lineEnd;
    }
    return {};
}

std::shared_ptr<const std::string> Share(std::string bytes)
{
    return std::make_shared<const std::string>(std::move(bytes));
}

std::string StatusHead(int status, const std::string& reason, std::size_t length, const std::string& contentType)
{
    return "HTTP/1.1 " + std::to_string(status) + " " + reason + "\r\nContent-Type: " + contentType
        + "\r\nContent-Length: " + std::to_string(length) + "\r\n\r\n";
}

}

HttpTestServer::HttpTestServer(const std::string& address)
    : m_address(address)
{
    m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int on = 1;
    ::setsockopt(m_listener, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in local {};
    local.sin_family = AF_INET;
    ::inet_pton(AF_INET, address.c_str(), &local.sin_addr);
    socklen_t length = sizeof local;
    if (::bind(m_listener, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0 || ::listen(m_listener, 64) != 0
        || ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&local), &length) != 0)
        throw std::runtime_error("cannot listen on " + address + ": " + std::strerror(errno));
    m_port = ntohs(local.sin_port);
    m_wake = ::eventfd(0, EFD_CLOEXEC);
    m_responder = [](const Request&) { return Ok("OK"); };
    m_acceptThread = std::thread([this] { AcceptLoop(); });
}

HttpTestServer::~HttpTestServer()
{
    std::uint64_t one = 1;
    (void)!::write(m_wake, &one, sizeof one);
    m_acceptThread.join();
    for (auto& thread : m_connectionThreads)
        thread.join();
    ::close(m_listener);
    ::close(m_wake);
}

void HttpTestServer::SetResponder(Responder responder)
{
    std::lock_guard lock(m_mutex);
    m_responder = std::move(responder);
}

void HttpTestServer::KeepBodies(bool keep)
{
    std::lock_guard lock(m_mutex);
    m_keepBodies = keep;
}

std::vector<HttpTestServer::Request> HttpTestServer::Requests() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}

int HttpTestServer::ConnectionsAccepted() const
{
    std::lock_guard lock(m_mutex);
    return m_accepted;
}

std::vector<int> HttpTestServer::ConnectionsClosedByClient() const
{
    std::lock_guard lock(m_mutex);
    return m_closedByClient;
}

bool HttpTestServer::WaitForClientClose(int connection, std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [&] {
        return std::find(m_closedByClient.begin(), m_closedByClient.end(), connection) != m_closedByClient.end();
    });
}

HttpTestServer::Response HttpTestServer::Ok(const std::string& body, const std::string& contentType)
{
    return { Share(StatusHead(200, "OK", body.size(), contentType) + body) };
}

HttpTestServer::Response HttpTestServer::WithStatus(int status, const std::string& reason, const std::string& body)
{
    return { Share(StatusHead(status, reason, body.size(), "text/html") + body) };
}

HttpTestServer::Response HttpTestServer::ContinueThenOk(const std::string& body)
{
    return { Share("HTTP/1.1 100 Continue\r\n\r\n" + StatusHead(200, "OK", body.size(), "text/xml; charset=utf-8") + body) };
}

HttpTestServer::Response HttpTestServer::CutOff(const std::string& body, std::size_t sent)
{
    std::string head = StatusHead(200, "OK", body.size(), "text/xml; charset=utf-8");
    return { Share(head + body.substr(0, sent)), std::string::npos, true };
}

HttpTestServer::Response HttpTestServer::Stalled(const std::string& body, std::size_t sent)
{
    std::string head = StatusHead(200, "OK", body.size(), "application/octet-stream");
    return { Share(head + body), head.size() + sent, false };
}

HttpTestServer::Response HttpTestServer::Silent()
{
    return { Share("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n"), 0, false };
}

HttpTestServer::Response HttpTestServer::Raw(std::string bytes)
{
    return { Share(std::move(bytes)) };
}

void HttpTestServer::AcceptLoop()
{
    for (;;) {
        pollfd fds[2] = { { m_listener, POLLIN, 0 }, { m_wake, POLLIN, 0 } };
        if (::poll(fds, 2, -1) < 0 && errno != EINTR)
            return;
        if (fds[1].revents)
            return;
        if (!(fds[0].revents & POLLIN))
            continue;
        int socket = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (socket < 0)
            continue;
        int on = 1;
        ::setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        std::lock_guard lock(m_mutex);
        int connection = ++m_accepted;
        m_connectionThreads.emplace_back([this, socket, connection] { Serve(socket, connection); });
        m_changed.notify_all();
    }
}

void HttpTestServer::Serve(int socket, int connection)
{
    std::string pending;
    bool clientClosed = false;
    while (ServeOne(socket, connection, pending, clientClosed)) {
    }
    if (clientClosed)
        LogClientClose(connection);
    ::close(socket);
}

// Serves one request of the connection; false when the connection is over.
bool HttpTestServer::ServeOne(int socket, int connection, std::string& pending, bool& clientClosed)
{
    Request request;
    request.connection = connection;
    std::size_t headEnd;
    while ((headEnd = pending.find("\r\n\r\n")) == std::string::npos) {
        Received received = Receive(socket, pending);
        if (received != Received::Data) {
            clientClosed = received == Received::ClientClosed;
            if (!pending.empty()) {
                request.head = pending;
                Record(std::move(request));
            }
            return false;
        }
    }
    request.head = pending.substr(0, headEnd + 4);
    pending.erase(0, headEnd + 4);

    std::uint64_t announced = std::strtoull(HeaderValue(request.head, "Content-Length").c_str(), nullptr, 10);
    if (::strcasecmp(HeaderValue(request.head, "Expect").c_str(), "100-continue") == 0) {
        static const char kContinue[] = "HTTP/1.1 100 Continue\r\n\r\n";
        SendAll(socket, kContinue, sizeof kContinue - 1);
    }
    bool keep;
    {
        std::lock_guard lock(m_mutex);
        keep = m_keepBodies;
    }
    while (request.bodyLength < announced) {
        if (pending.empty()) {
            Received received = Receive(socket, pending);
            if (received != Received::Data) {
                clientClosed = received == Received::ClientClosed;
                Record(std::move(request));
                return false;
            }
        }
        std::size_t take = static_cast<std::size_t>(std::min<std::uint64_t>(pending.size(), announced - request.bodyLength));
        if (keep)
            request.body.append(pending, 0, take);
        pending.erase(0, take);
        request.bodyLength += take;
    }
    request.complete = true;

    Responder responder;
    {
        std::lock_guard lock(m_mutex);
        responder = m_responder;
    }
    Response response = responder(request);
    Record(std::move(request));

    const std::string& bytes = *response.bytes;
    std::size_t sent = std::min(response.stallAfter, bytes.size());
    if (!SendAll(socket, bytes.data(), sent))
        return false;
    if (sent < bytes.size()) {
        clientClosed = WaitForClientToLeave(socket);
        return false;
    }
    return !response.closeAfter;
}

HttpTestServer::Received HttpTestServer::Receive(int socket, std::string& pending)
{
    for (;;) {
        pollfd fds[2] = { { socket, POLLIN, 0 }, { m_wake, POLLIN, 0 } };
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return Received::ShuttingDown;
        }
        if (fds[1].revents)
            return Received::ShuttingDown;
        char buffer[65536];
        ssize_t count = ::recv(socket, buffer, sizeof buffer, 0);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return Received::ClientClosed;
        pending.append(buffer, static_cast<std::size_t>(count));
        return Received::Data;
    }
}

bool HttpTestServer::SendAll(int socket, const char* data, std::size_t length)
{
    while (length > 0) {
        pollfd fds[2] = { { socket, POLLOUT, 0 }, { m_wake, POLLIN, 0 } };
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (fds[1].revents)
            return false;
        ssize_t count = ::send(socket, data, length, MSG_NOSIGNAL);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        data += count;
        length -= static_cast<std::size_t>(count);
    }
    return true;
}

// Holds a stalled connection until the client closes it; true when it did.
bool HttpTestServer::WaitForClientToLeave(int socket)
{
    std::string ignored;
    for (;;) {
        Received received = Receive(socket, ignored);
        ignored.clear();
        if (received != Received::Data)
            return received == Received::ClientClosed;
    }
}

void HttpTestServer::Record(Request request)
{
    std::lock_guard lock(m_mutex);
    m_requests.push_back(std::move(request));
    m_changed.notify_all();
}

void HttpTestServer::LogClientClose(int connection)
{
    std::lock_guard lock(m_mutex);
    m_closedByClient.push_back(connection);
    m_changed.notify_all();
}
