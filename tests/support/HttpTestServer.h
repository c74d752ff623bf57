#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A small real HTTP/1.1 server for tests and benchmarks, listening on a
// loopback address (127.0.0.1 by default; any 127.x.y.z works on Linux,
// which gives tests distinct hosts). It records the exact bytes of every
// request, answers from a script and logs its connections: how many it
// accepted and which ones the client closed.
class HttpTestServer {
public:
    struct Request {
        std::string head; // request line and headers with the blank line
        std::string body; // as far as it arrived (unless bodies are not kept)
        std::uint64_t bodyLength { 0 };
        bool complete { false }; // the whole announced body arrived
        int connection { 0 };    // 1 for the first connection accepted, ...

        std::string RequestLine() const { return head.substr(0, head.find("\r\n")); }
        std::string Bytes() const { return head + body; }
    };

    struct Response {
        std::shared_ptr<const std::string> bytes;
        // Send only this many bytes, then hold the connection open, sending
        // nothing, until the client goes away.
        std::size_t stallAfter { std::string::npos };
        bool closeAfter { false };
    };

    using Responder = std::function<Response(const Request&)>;

    explicit HttpTestServer(const std::string& address = "127.0.0.1");
    ~HttpTestServer();
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    const std::string& Address() const { return m_address; }
    std::uint16_t Port() const { return m_port; }
    // "address:port", as the service host preference holds it.
    std::string HostText() const { return m_address + ":" + std::to_string(m_port); }

    // Answers every request; the default answers 200 with the body "OK".
    void SetResponder(Responder responder);
    // A benchmark sink only counts body bytes.
    void KeepBodies(bool keep);

    std::vector<Request> Requests() const;
    int ConnectionsAccepted() const;
    std::vector<int> ConnectionsClosedByClient() const;
    // Waits (up to the timeout) until the client has closed the connection.
    bool WaitForClientClose(int connection, std::chrono::milliseconds timeout = std::chrono::seconds(20));

    // Scripted answers.
    static Response Ok(const std::string& body, const std::string& contentType = "text/xml; charset=utf-8");
    static Response WithStatus(int status, const std::string& reason, const std::string& body = {});
    static Response ContinueThenOk(const std::string& body);
    // Announces the whole body but sends only its first `sent` bytes, then
    // closes the connection.
    static Response CutOff(const std::string& body, std::size_t sent);
    // Announces the whole body, sends its first `sent` bytes and then
    // nothing more until the client gives up.
    static Response Stalled(const std::string& body, std::size_t sent);
    // Reads the request and answers nothing until the client gives up.
    static Response Silent();
    static Response Raw(std::string bytes);

private:
    enum class Received {
        Data,
        ClientClosed,
        ShuttingDown
    };

    void AcceptLoop();
    void Serve(int socket, int connection);
    bool ServeOne(int socket, int connection, std::string& pending, bool& clientClosed);
    Received Receive(int socket, std::string& pending);
    bool SendAll(int socket, const char* data, std::size_t length);
    bool WaitForClientToLeave(int socket);
    void Record(Request request);
    void LogClientClose(int connection);

    std::string m_address;
    std::uint16_t m_port { 0 };
    int m_listener { -1 };
    int m_wake { -1 };

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    Responder m_responder;
    bool m_keepBodies { true };
    std::vector<Request> m_requests;
    int m_accepted { 0 };
    std::vector<int> m_closedByClient;

    std::thread m_acceptThread;
    std::vector<std::thread> m_connectionThreads;
};
