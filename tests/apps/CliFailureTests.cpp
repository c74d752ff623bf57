// The command line's network commands against a scripted service: a
// failure told once with exit status 1, Ctrl-C told once with exit status
// 3, and a process killed at any request leaves a store that the next sync
// finishes without sending again what the service had taken.

#include "CliDevice.h"

#include "support/ScriptedService.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <csignal>
#include <gtest/gtest.h>

using Json = nlohmann::ordered_json;

namespace {

class CliFailure : public ::testing::Test {
protected:
    CliFailure()
        : service(server)
    {
        NewDevice();
    }

    void NewDevice() { m_device = std::make_unique<CliDevice>(server.HostText()); }
    CliDevice& Device() { return *m_device; }

    // The device logged in (the service lists "myblog"), the blog fetched,
    // then three photos and a category made on the device.
    void PrepareBlog()
    {
        Device().Json({ "login", "me@example.com", "secret" });
        Device().Json({ "--yes", "sync" });
        for (int i = 0; i < 3; ++i)
            ASSERT_EQ(Device().Run({ "add-photo", "myblog", Device().WritePhoto("p" + std::to_string(i) + ".jpg", i + 1) }).status, 0);
        ASSERT_EQ(Device().Run({ "new-category", "myblog", "Walks" }).status, 0);
        service.ClearLog();
    }

    static HttpTestServer::Response Refusal(const std::string& action, const std::string& text)
    {
        return HttpTestServer::Ok(ScriptedService::ErrorReply(action, text));
    }

    // What the store file holds now, read by the program.
    Json Blog()
    {
        auto blogs = Device().Json({ "blogs" });
        return blogs.empty() ? Json() : blogs[0];
    }

    HttpTestServer server;
    ScriptedService service;

private:
    std::unique_ptr<CliDevice> m_device;
};

}

TEST_F(CliFailure, WrongCommandLinesExitWithTwo)
{
    EXPECT_EQ(Device().Run({ "sync", "a", "b" }).status, 2);
    EXPECT_EQ(Device().Run({ "sync-entry", "myblog" }).status, 2);
    EXPECT_EQ(Device().Run({ "download-photo", "myblog", "0", "huge" }).status, 2);
    EXPECT_EQ(Device().Run({ "subscribe", "myblog", "--limit", "many" }).status, 2);
    EXPECT_EQ(Device().Run({ "login", "me@example.com" }).status, 2);
    EXPECT_EQ(Device().Run({ "remote-post", "myblog" }).status, 2);
    EXPECT_TRUE(service.Actions().empty()) << "nothing was sent";
}

TEST_F(CliFailure, NoServiceIsOneMessageAndStatusOne)
{
    CliDevice nowhere("127.0.0.1:1");
    auto result = nowhere.Run({ "login", "me@example.com", "secret" });
    EXPECT_EQ(result.status, 1);
    EXPECT_FALSE(result.err.empty());
    EXPECT_FALSE(Contains(result.err, "10201")) << result.err;
    // The login is kept for the next attempt.
    EXPECT_EQ(nowhere.Json({ "account" })["email"], "me@example.com");
}

TEST_F(CliFailure, AServerErrorIsToldOnceAndTheCommentsWait)
{
    PrepareBlog();
    service.OnNth("AP", 2, [](const HttpTestServer::Request&) { return Refusal("AP", "Error: Your Picture limit is over"); });
    auto result = Device().Run({ "sync", "myblog" });
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(CountOf(result.err, "storage limit"), 1u) << result.err;
    EXPECT_FALSE(Contains(result.err, "10201")) << result.err;
    EXPECT_EQ(Blog()["pending"], 2) << "the first photo went";
    auto again = Device().Run({ "sync", "myblog" });
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(Blog()["pending"], 0);
    EXPECT_EQ(service.Count("AP"), 4) << "the first photo went once";
}

TEST_F(CliFailure, CtrlCDuringAStalledRequestCancelsOnceWithStatusThree)
{
    PrepareBlog();
    std::atomic<bool> stalled { false };
    service.OnNth("AP", 2, [&](const HttpTestServer::Request&) {
        stalled = true;
        return HttpTestServer::Silent();
    });
    CliControl control;
    control.interruptWhen = [&] { return stalled.load(); };
    auto result = Device().Run({ "sync", "myblog" }, control);
    EXPECT_EQ(result.status, 3) << result.err;
    EXPECT_EQ(CountOf(result.err, "Sync Cancelled."), 1u) << result.err;
    EXPECT_FALSE(Contains(result.err, "10201")) << result.err;
    EXPECT_EQ(Blog()["pending"], 2);

    auto again = Device().Run({ "sync", "myblog" });
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(Blog()["pending"], 0);
    EXPECT_EQ(service.Count("AC"), 1) << "the category went once";
}

TEST_F(CliFailure, AProcessKilledAtAnyRequestLeavesAStoreTheNextSyncFinishes)
{
    // GC, AC, then the three photos.
    constexpr int kRequests = 5;
    for (int killAt = 0; killAt < kRequests; ++killAt) {
        SCOPED_TRACE(killAt);
        NewDevice();
        PrepareBlog();
        std::atomic<pid_t> pid { 0 };
        std::atomic<int> seen { 0 };
        service.Intercept([&](const HttpTestServer::Request&) {
            if (seen++ == killAt)
                ::kill(pid.load(), SIGKILL);
        });
        CliControl control;
        control.started = [&](pid_t started) { pid = started; };
        auto killed = Device().Run({ "sync", "myblog" }, control);
        service.Intercept(nullptr);
        EXPECT_EQ(killed.status, 128 + SIGKILL);
        std::vector<std::string> first = service.Actions();
        service.ClearLog();

        // The file is whole; the next sync sends what was not taken.
        auto again = Device().Run({ "sync", "myblog" });
        ASSERT_EQ(again.status, 0) << again.err;
        EXPECT_EQ(Blog()["pending"], 0);
        std::vector<std::string> second = service.Actions();
        // What was answered before the kill is not sent again; the request
        // the process died on (taken or not) goes again.
        auto answered = [&](const std::string& action) {
            return std::count(first.begin(), first.begin() + std::min<long>(killAt, static_cast<long>(first.size())), action);
        };
        EXPECT_EQ(std::count(second.begin(), second.end(), "AC"), 1 - answered("AC")) << ::testing::PrintToString(first);
        EXPECT_EQ(std::count(second.begin(), second.end(), "AP"), 3 - answered("AP")) << ::testing::PrintToString(first);
        service.ClearLog();
    }
}
