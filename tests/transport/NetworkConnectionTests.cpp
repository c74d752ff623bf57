#include "app/Preferences.h"
#include "app/StartUp.h"
#include "platform/CodePage.h"
#include "support/HttpTestServer.h"
#include "support/SandboxDevice.h"
#include "transport/NetworkConnection.h"
#include "transport/RouteProbe.h"

#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>

namespace {

// A route probe that answers only when the test lets it.
struct HeldProbe {
    std::mutex mutex;
    std::condition_variable released;
    bool free { false };

    NetworkConnection::RouteProbe Probe()
    {
        return [this](const HostAndPort&) {
            std::unique_lock lock(mutex);
            released.wait(lock, [&] { return free; });
            return std::uint32_t { 0 };
        };
    }
    void Release()
    {
        std::lock_guard lock(mutex);
        free = true;
        released.notify_all();
    }
};

}

TEST(NetworkConnection, LoopbackServiceHostIsUp)
{
    SandboxDevice device;
    HttpTestServer server;
    ASSERT_TRUE(CreatePreferenceKeyChain());
    ASSERT_TRUE(WriteServiceHost(Utf8ToUtf16(server.HostText())));
    auto progress = device.Interaction().OpenProgressWindow(2, false);
    NetworkConnection connection(progress.get());
    EXPECT_TRUE(connection.IsConnected());
    auto& record = *device.Interaction().ProgressWindows().back();
    EXPECT_TRUE(record.shown) << "the progress window shows once the connection is up";
    EXPECT_EQ(connection.Result(), 0u);
    EXPECT_GE(record.steps, 1) << "the user interface was kept alive";
    EXPECT_TRUE(device.Interaction().ShownMessages().empty());
}

TEST(NetworkConnection, RouteProbeFindsLoopback)
{
    EXPECT_EQ(ProbeRoute({ "127.0.0.1", 8080 }), 0u);
    EXPECT_EQ(ProbeRoute({ "localhost", 80 }), 0u);
    EXPECT_EQ(HresultFromErrno(ENETUNREACH), 0x800704CFu);
}

TEST(NetworkConnection, FailureShowsMessage700WithTheResult)
{
    SandboxDevice device;
    auto progress = device.Interaction().OpenProgressWindow(2, false);
    NetworkConnection connection(progress.get(), { "10.1.2.3", 80 }, [](const HostAndPort&) { return HresultFromErrno(ENETUNREACH); });
    EXPECT_FALSE(connection.IsConnected());
    EXPECT_FALSE(device.Interaction().ProgressWindows().back()->shown);
    auto& messages = device.Interaction().ShownMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Vellumbrix was unable to establish a connection (0x800704cf).");
    EXPECT_EQ(messages[0].icon, MessageIcon::Error);
}

TEST(NetworkConnection, CancelWhileWaitingEndsSilently)
{
    SandboxDevice device;
    device.Interaction().ScriptCancelAfter(2);
    auto held = std::make_shared<HeldProbe>();
    auto progress = device.Interaction().OpenProgressWindow(2, false);
    {
        NetworkConnection connection(progress.get(), { "slow.example", 80 }, [held](const HostAndPort& host) { return held->Probe()(host); });
        EXPECT_TRUE(connection.WasCancelled());
        EXPECT_FALSE(connection.IsConnected());
    }
    auto& record = *device.Interaction().ProgressWindows().back();
    EXPECT_EQ(record.cancelChecks, 3) << "asked every 200 ms until the cancel";
    EXPECT_EQ(record.steps, 3);
    EXPECT_FALSE(record.shown);
    EXPECT_TRUE(device.Interaction().ShownMessages().empty());
    held->Release();
}
