#include "transport/NetworkConnection.h"

#include "app/Messages.h"
#include "platform/ProgressWindow.h"
#include "transport/RouteProbe.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

constexpr auto kWaitStep = std::chrono::milliseconds(200);
constexpr StringId kConnectionFailedMessage = 700;
constexpr std::uint32_t kGeneralFailure = 0x80004005u;

}

// Shared with the thread that looks for the route, which may outlive the
// connection when the user cancels while a name is still being resolved.
struct NetworkConnection::Attempt {
    std::mutex mutex;
    std::condition_variable finished;
    bool done { false };
    std::uint32_t result { 0 };
};

NetworkConnection::NetworkConnection(ProgressWindow* progress)
    : NetworkConnection(progress, ServiceHostAndPort(), ProbeRoute)
{
}

NetworkConnection::NetworkConnection(ProgressWindow* progress, HostAndPort host, RouteProbe probe)
    : m_progress(progress)
{
    Establish(std::move(host), std::move(probe));
    if (m_attempt)
        WaitForAttempt();
}

NetworkConnection::~NetworkConnection() = default;

void NetworkConnection::Establish(HostAndPort host, RouteProbe probe)
{
    auto attempt = std::make_shared<Attempt>();
    try {
        std::thread([attempt, host = std::move(host), probe = std::move(probe)] {
            std::uint32_t result = probe(host);
            std::lock_guard lock(attempt->mutex);
            attempt->result = result;
            attempt->done = true;
            attempt->finished.notify_all();
        }).detach();
    } catch (const std::system_error&) {
        m_result = kGeneralFailure;
        return;
    }
    m_attempt = std::move(attempt);
}

void NetworkConnection::WaitForAttempt()
{
    for (;;) {
        if (m_progress) {
            m_progress->Step();
            if (m_progress->IsCancelled()) {
                m_cancelled = true;
                return;
            }
        }
        std::unique_lock lock(m_attempt->mutex);
        if (!m_attempt->finished.wait_for(lock, kWaitStep, [&] { return m_attempt->done; }))
            continue;
        m_result = m_attempt->result;
        m_connected = m_result == 0;
        lock.unlock();
        if (m_connected && m_progress)
            m_progress->Show();
        return;
    }
}

bool NetworkConnection::IsConnected()
{
    if (m_cancelled)
        return false;
    if (!m_connected) {
        ShowStringMessage(kConnectionFailedMessage, MessageIcon::Error, { m_result });
        return false;
    }
    return true;
}
