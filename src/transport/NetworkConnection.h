#pragma once

#include "transport/ServiceHost.h"

class ProgressWindow;

#include <cstdint>
#include <functional>
#include <memory>

// The network connection a network command needs, made before the command
// and released after it. The connection is up when this machine has a route
// to the service host. While that is being found out, the command's progress
// window is stepped every 200 ms and its Cancel button ends the wait; once
// the connection is up the window is shown.
class NetworkConnection {
public:
    // Answers 0 when the host can be reached, otherwise an HRESULT.
    using RouteProbe = std::function<std::uint32_t(const HostAndPort&)>;

    // Brings up the connection to the service host of the preferences.
    // Without a progress window the wait cannot be cancelled.
    explicit NetworkConnection(ProgressWindow* progress);
    NetworkConnection(ProgressWindow* progress, HostAndPort host, RouteProbe probe);
    ~NetworkConnection();
    NetworkConnection(const NetworkConnection&) = delete;
    NetworkConnection& operator=(const NetworkConnection&) = delete;

    // False without a word when the user cancelled; false after showing
    // string 700 with the result when the connection could not be made.
    bool IsConnected();

    bool WasCancelled() const { return m_cancelled; }
    // The HRESULT of a failed attempt, or 0.
    std::uint32_t Result() const { return m_result; }

private:
    struct Attempt;

    void Establish(HostAndPort host, RouteProbe probe);
    void WaitForAttempt();

    ProgressWindow* m_progress { nullptr };
    std::shared_ptr<Attempt> m_attempt;
    bool m_connected { false };
    bool m_cancelled { false };
    std::uint32_t m_result { 0 };
};
