#pragma once

#include "support/HttpTestServer.h"

#include <functional>
#include <optional>
#include <mutex>
#include <string>
#include <vector>

// A gate in front of a real service on 127.0.0.1: every request the client
// sends to the gate goes on to the service as it came (the Host line
// included, so that the service's addresses lead back through the gate),
// and the service's answer comes back. The gate keeps the order of the
// actions and lets a test act at a chosen request: before it goes on, or
// after the service has answered it, when the test may also keep the
// answer from the client.
class ForwardingGate {
public:
    // What the client gets instead of the service's answer; none to pass
    // it on.
    using AfterAnswer = std::function<std::optional<HttpTestServer::Response>(const std::string& action, int servicePort)>;
    using BeforeForward = std::function<void(const std::string& action)>;

    explicit ForwardingGate(int servicePort);

    std::string HostText() const { return m_gate.HostText(); }
    std::vector<std::string> Actions() const;
    void ClearLog();
    void Before(BeforeForward before);
    void After(AfterAnswer after);

private:
    HttpTestServer::Response Forward(const HttpTestServer::Request& request);

    int m_servicePort;
    HttpTestServer m_gate;
    mutable std::mutex m_mutex;
    std::vector<std::string> m_actions;
    BeforeForward m_before;
    AfterAnswer m_after;
};
