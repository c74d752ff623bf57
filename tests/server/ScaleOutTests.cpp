// Three processes of the service in front of one database and one photo
// folder, as several machines would be (on SQLite they share the data
// folder, on PostgreSQL a schema): a request taken by one process is
// refused by the others, ids never collide, photos written through one are
// served whole by all, and a device following the changes through one
// process misses nothing written through the others. And the script that
// starts such a service on one machine.

#include "ServerProcess.h"

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <random>
#include <set>
#include <sys/stat.h>
#include <thread>

namespace {

const TestAccount Ann { "ann@example.com", "secret" };
const TestAccount Bob { "bob@example.com", "secret" };

class ScaleOut : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const TestAccount& account : { Ann, Bob }) {
            ProgramRun made = RunProgram(VBX_SERVER_PATH, Arguments(0, { "admin", "create-user", account.email, account.password }));
            ASSERT_EQ(made.status, 0) << made.err;
        }
        for (int i = 0; i < 3; ++i)
            servers.push_back(std::make_unique<ServerProcess>(Arguments(i, { "--threads", "4" })));
    }

    // Each process has a data folder of its own, except on SQLite, whose
    // database is the data folder's; the photos are everyone's.
    std::vector<std::string> Arguments(int process, std::vector<std::string> words) const
    {
        bool sqlite = CurrentTestEngine() == TestEngine::Sqlite;
        std::vector<std::string> arguments { "--data", folder.File(sqlite ? "data" : "data" + std::to_string(process)), "--photos",
            folder.File("photos") };
        for (const std::string& argument : database.ServerArguments())
            arguments.push_back(argument);
        arguments.insert(arguments.end(), words.begin(), words.end());
        return arguments;
    }

    ServerProcess& Server(size_t index) { return *servers.at(index % servers.size()); }

    TemporaryFolder folder;
    TestDatabase database;
    std::vector<std::unique_ptr<ServerProcess>> servers;
};

std::uint32_t Number(const std::string& text)
{
    return static_cast<std::uint32_t>(std::stoul("0" + text));
}

}

TEST_F(ScaleOut, ARequestTakenByOneProcessIsRefusedByTheOthers)
{
    Device(Server(0), Ann).CreateBlog("garden");
    Device ann(Server(1), Ann);
    std::string envelope = ann.Envelope("AC", "garden", "<CA><NM>Roses</NM></CA>");
    ASSERT_TRUE(ann.Post(envelope).Ok());
    for (size_t other : { 0u, 2u })
        EXPECT_EQ(Device(Server(other), Ann).Post(envelope).Refusal(), "Error: Invalid Authentication");

    // The same request to all three at once: one takes it.
    std::string raced = ann.Envelope("AC", "garden", "<CA><NM>Tulips</NM></CA>");
    std::atomic<int> taken { 0 }, refused { 0 };
    std::vector<std::thread> posts;
    for (size_t i = 0; i < 3; ++i) {
        posts.emplace_back([&, i] {
            Answer answer = Device(Server(i), Ann).Post(raced);
            if (answer.Ok())
                ++taken;
            else if (answer.Refusal() == "Error: Invalid Authentication")
                ++refused;
        });
    }
    for (auto& post : posts)
        post.join();
    EXPECT_EQ(taken.load(), 1);
    EXPECT_EQ(refused.load(), 2);
    EXPECT_EQ(Device(Server(2), Ann).GetChanges("garden").Records("CA").size(), 2u);
}

TEST_F(ScaleOut, IdsNeverCollideAndPhotosAreServedWholeByEveryProcess)
{
    Device(Server(0), Ann).CreateBlog("garden");
    constexpr int EntriesEach = 6;
    std::mutex mutex;
    std::vector<std::uint32_t> entryIds, categoryIds, commentIds;
    std::map<std::string, std::string> photoByTitle;
    std::vector<std::thread> devices;
    for (size_t d = 0; d < 3; ++d) {
        devices.emplace_back([&, d] {
            Device ann(Server(d), Ann);
            for (int i = 0; i < EntriesEach; ++i) {
                std::string title = "from " + std::to_string(d) + " #" + std::to_string(i);
                std::string jpeg = TestJpeg(96, 72, static_cast<unsigned>(d * 100 + i + 1));
                std::uint32_t category = ann.AddCategory("garden", title);
                std::uint32_t entry = ann.AddEntry("garden", title, jpeg, category);
                std::uint32_t comment = ann.AddComment("garden", entry, "on " + title);
                std::lock_guard lock(mutex);
                entryIds.push_back(entry);
                categoryIds.push_back(category);
                commentIds.push_back(comment);
                photoByTitle[title] = jpeg;
            }
        });
    }
    for (auto& device : devices)
        device.join();
    for (auto* ids : { &entryIds, &categoryIds, &commentIds }) {
        EXPECT_EQ(std::set<std::uint32_t>(ids->begin(), ids->end()).size(), size_t(3 * EntriesEach));
        EXPECT_EQ(std::count(ids->begin(), ids->end(), 0u), 0);
    }

    // Every process lists every entry, and serves each photo as it was
    // uploaded; the scaler's cache, shared, gives all the same picture.
    for (size_t s = 0; s < 3; ++s) {
        Device reader(Server(s), Ann);
        auto entries = reader.GetChanges("garden").Records("PI");
        ASSERT_EQ(entries.size(), size_t(3 * EntriesEach));
        for (auto& entry : entries) {
            EXPECT_EQ(reader.Get(PathOf(entry["OU"])).body, photoByTitle[entry["TI"]]) << entry["TI"] << " from process " << s;
            Answer scaled = reader.Get("/si.aspx?img=" + PathOf(entry["PU"]) + "&ld=64&q=80");
            EXPECT_EQ(scaled.status, 200);
            EXPECT_EQ(scaled.body, Device(Server(s + 1), Ann).Get("/si.aspx?img=" + PathOf(entry["PU"]) + "&ld=64&q=80").body);
        }
    }
}

TEST_F(ScaleOut, AFollowerThroughOneProcessMissesNothingWrittenThroughTheOthers)
{
    Device(Server(0), Ann).CreateBlog("garden");
    Device bob(Server(2), Bob);
    Answer first = bob.GetChanges("garden");
    ASSERT_TRUE(first.Ok());
    std::string stamp = first.Value("TS");

    // Two writers, through processes 0 and 1: each entry added, then its
    // title changed.
    constexpr int EntriesEach = 12;
    std::mutex mutex;
    std::map<std::uint32_t, std::string> finalTitles;
    std::atomic<int> writing { 2 };
    std::vector<std::thread> writers;
    for (size_t w = 0; w < 2; ++w) {
        writers.emplace_back([&, w] {
            Device ann(Server(w), Ann);
            std::minstd_rand random(static_cast<unsigned>(w + 7));
            std::string jpeg = TestJpeg(32, 24, static_cast<unsigned>(w + 1));
            for (int i = 0; i < EntriesEach; ++i) {
                std::string title = std::to_string(w) + "-" + std::to_string(i);
                std::uint32_t id = ann.AddEntry("garden", title, jpeg);
                std::this_thread::sleep_for(std::chrono::milliseconds(random() % 20));
                EXPECT_TRUE(ann.Send("EP", "garden", EntryFields(id, 0, title + " edited", "", "")).Ok());
                std::lock_guard lock(mutex);
                finalTitles[id] = title + " edited";
            }
            --writing;
        });
    }

    // Bob follows the feed through process 2 until the writers are done,
    // and once more after.
    std::map<std::uint32_t, std::string> seenTitles;
    int reads = 0;
    auto follow = [&] {
        Answer changes = bob.GetChanges("garden", stamp);
        ASSERT_TRUE(changes.Ok()) << changes.status << changes.body;
        for (auto& entry : changes.Records("PI"))
            seenTitles[Number(entry["ID"])] = entry["TI"];
        stamp = changes.Value("TS");
        ++reads;
    };
    FollowWhileWriting(writers, writing, follow);
    EXPECT_EQ(seenTitles, finalTitles) << "after " << reads << " reads of the feed";
}

namespace {

// A service someone else started, at a loopback address.
class StartedService final : public ServiceEndpoint {
public:
    explicit StartedService(std::string host)
        : m_host(std::move(host))
    {
    }
    std::string Host() const override { return m_host; }
    httplib::Client Client() const override { return httplib::Client("http://" + m_host); }
    std::int64_t Now() const override { return SystemClockSeconds(); }

private:
    std::string m_host;
};

}

// scripts/scaled-service.sh, which load tests start the scaled service
// with: processes on one PostgreSQL server, administered through it, and
// all gone after it stops them.
TEST(ScaledServiceScript, StartsProcessesOnOneDatabaseAndStopsThemAll)
{
    TemporaryFolder folder;
    // Run as root, the database server runs as another user, who must
    // reach its folder.
    ::chmod(folder.Path().c_str(), 0755);
    std::string dir = folder.File("service");
    std::string script = std::string(VBX_SCRIPTS_DIR) + "/scaled-service.sh";
    ::setenv("VBX_SERVER", VBX_SERVER_PATH, 1);
    ProgramRun started = RunProgram(script, { "start", dir, "2", "--", "--threads", "2" });
    ASSERT_EQ(started.status, 0) << started.out << started.err;
    std::vector<std::string> hosts;
    for (size_t at = started.out.find("service http://"); at != std::string::npos; at = started.out.find("service http://", at + 1))
        hosts.push_back(started.out.substr(at + 15, started.out.find('\n', at) - at - 15));
    ASSERT_EQ(hosts.size(), 2u) << started.out;

    EXPECT_EQ(RunProgram(script, { "admin", dir, "create-user", Ann.email, Ann.password }).status, 0);
    StartedService first(hosts[0]), second(hosts[1]);
    Device(first, Ann).CreateBlog("garden");
    Answer user = Device(second, Ann).Send("GU", std::nullopt, "");
    EXPECT_EQ(user.Records("SU").size(), 1u) << user.body;

    ProgramRun stopped = RunProgram(script, { "stop", dir });
    EXPECT_EQ(stopped.status, 0) << stopped.err;
    EXPECT_FALSE(std::filesystem::exists(dir));
    for (const std::string& host : hosts)
        EXPECT_FALSE(httplib::Client("http://" + host).Get("/")) << host << " still answers";
}
