// The vellumbrix-server program itself: its administration commands on a
// data folder, and a real serving run started, used and stopped with
// SIGTERM, with its log.

#include "ProgramRunner.h"
#include "ServerProcess.h"
#include "ServerTestKit.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <signal.h>

namespace {

ProgramRun RunServer(const std::vector<std::string>& arguments)
{
    return RunProgram(VBX_SERVER_PATH, arguments);
}

// The program's arguments on a test's data folder and database.
std::vector<std::string> On(const std::string& data, const TestDatabase& database, std::vector<std::string> words)
{
    std::vector<std::string> arguments { "--data", data };
    for (const std::string& argument : database.ServerArguments())
        arguments.push_back(argument);
    arguments.insert(arguments.end(), words.begin(), words.end());
    return arguments;
}

}

TEST(ServerProgram, AdministrationCommands)
{
    TemporaryFolder folder;
    TestDatabase database;
    std::string data = folder.File("data");
    auto admin = [&](std::vector<std::string> words) {
        words.insert(words.begin(), "admin");
        return RunServer(On(data, database, words));
    };
    ProgramRun created = admin({ "create-user", "ann@example.com", "secret", "--quota", "50" });
    EXPECT_EQ(created.status, 0) << created.err;
    EXPECT_EQ(created.out, "created user 1 ann@example.com (free)\n");
    EXPECT_EQ(admin({ "create-user", "bob@example.com", "pw", "--pro" }).status, 0);
    ProgramRun taken = admin({ "create-user", "ANN@example.com", "x" });
    EXPECT_EQ(taken.status, 1);
    EXPECT_NE(taken.err.find("has an account already"), std::string::npos);
    EXPECT_EQ(admin({ "create-user", "a&b@example.com", "x" }).status, 1);
    EXPECT_EQ(admin({ "create-user", "only-one-argument" }).status, 2);

    ProgramRun users = admin({ "list-users" });
    EXPECT_EQ(users.status, 0);
    EXPECT_NE(users.out.find("ann@example.com"), std::string::npos);
    EXPECT_NE(users.out.find("pro"), std::string::npos);
    EXPECT_NE(users.out.find("      50"), std::string::npos) << users.out;

    // A blog to administer, made through the service.
    {
        std::string problem;
        auto instance = OpenServiceInstance(TestServerOptions(data, database), problem);
        ASSERT_FALSE(instance.IsError()) << problem;
        auto transaction = (*instance)->database->Begin(TransactionKind::Write);
        ASSERT_FALSE(transaction.IsError());
        ASSERT_EQ((*transaction)->Execute("INSERT INTO blogs (name, name_key, owner_id, title, created, changed) VALUES ('Garden', 'garden', 1, 'G', 0, 0)"),
            Error::Success);
        ASSERT_EQ((*transaction)->Commit(), Error::Success);
    }
    EXPECT_EQ(admin({ "set-view-password", "garden", "pw" }).status, 0);
    EXPECT_EQ(admin({ "set-group", "GARDEN", "on" }).status, 0);
    EXPECT_EQ(admin({ "set-group", "garden", "maybe" }).status, 2);
    EXPECT_EQ(admin({ "set-comments", "garden", "off" }).status, 0);
    EXPECT_EQ(admin({ "add-member", "garden", "bob@example.com" }).status, 0);
    EXPECT_EQ(admin({ "add-member", "garden", "nobody@example.com" }).status, 1);
    EXPECT_EQ(admin({ "add-member", "nothere", "bob@example.com" }).status, 1);
    EXPECT_EQ(admin({ "add-remote-blog", "ann@example.com", "Elsewhere" }).status, 0);
    ProgramRun blogs = admin({ "list-blogs" });
    EXPECT_NE(blogs.out.find("Garden"), std::string::npos);
    EXPECT_NE(blogs.out.find("group,password,no-comments"), std::string::npos) << blogs.out;
    EXPECT_NE(blogs.out.find("ann@example.com"), std::string::npos);

    WriteTextFile(folder.File("channels.txt"), "Garden  Ann's garden & more\nsecond-blog A second\n\n");
    EXPECT_EQ(admin({ "set-channels", folder.File("channels.txt") }).status, 0);
    WriteTextFile(folder.File("bad-channels.txt"), "bad!name description\n");
    EXPECT_EQ(admin({ "set-channels", folder.File("bad-channels.txt") }).status, 1);
    WriteTextFile(folder.File("message.txt"), "<VELLUMBRIX><VERSION>9.9</VERSION><NOTE><N>3</N><M>Hello</M><A>x</A></NOTE></VELLUMBRIX>\r\n");
    EXPECT_EQ(admin({ "set-message", folder.File("message.txt") }).status, 0);
    WriteTextFile(folder.File("bad-message.txt"), "no version here");
    EXPECT_EQ(admin({ "set-message", folder.File("bad-message.txt") }).status, 1);
    EXPECT_EQ(admin({ "set-message", folder.File("missing.txt") }).status, 1);
    EXPECT_EQ(admin({ "no-such-command" }).status, 2);
    EXPECT_EQ(RunServer({ "--no-such-option", "x" }).status, 2);
    EXPECT_EQ(RunServer({ "--listen", "nowhere" }).status, 2);
    ProgramRun help = RunServer({ "--help" });
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("admin create-user EMAIL PASSWORD [--pro] [--quota N]"), std::string::npos);
}

TEST(ServerProgram, ServesLogsAndStopsOnSigterm)
{
    TemporaryFolder folder;
    TestDatabase database;
    std::string data = folder.File("data");
    ASSERT_EQ(RunServer(On(data, database, { "admin", "create-user", "ann@example.com", "secret" })).status, 0);
    WriteTextFile(folder.File("channels.txt"), "garden  The garden\n");
    ASSERT_EQ(RunServer(On(data, database, { "admin", "set-channels", folder.File("channels.txt") })).status, 0);

    RunningProgram server = StartProgram(VBX_SERVER_PATH, On(data, database, { "--photos", folder.File("pictures"), "--listen", "127.0.0.1:0", "--threads", "2" }));
    std::string banner = ReadPipe(server.out, "\n");
    size_t at = banner.find("http://127.0.0.1:");
    ASSERT_NE(at, std::string::npos) << banner;
    int port = std::stoi(banner.substr(at + 17));

    httplib::Client client("127.0.0.1", port);
    std::string nonce = NewNonce();
    std::string created = UtcText(SystemClockSeconds());
    std::string envelope = "<?xml version=\"1.0\" encoding=\"utf-8\"?><soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>"
                           "<CreateBlog xmlns=\"http://x/ws\"><RQ><CreateBlog><RQ><V>3</V><AU><UN>ann@example.com</UN><DI>"
        + DigestOf(nonce, created, "secret") + "</DI><CR>" + created + "</CR><NO>" + nonce
        + "</NO></AU><BlogURL>garden</BlogURL><Title>G</Title><Subtitle /><Visibility>normal</Visibility></RQ></CreateBlog></RQ></CreateBlog>"
          "</soap:Body></soap:Envelope>\r\n";
    auto blog = client.Post("/ws/", envelope, "text/xml; charset=utf-8");
    ASSERT_TRUE(blog);
    EXPECT_EQ(blog->status, 200);
    EXPECT_EQ(blog->body.find("<MS"), std::string::npos) << blog->body;
    auto replay = client.Post("/ws/", envelope, "text/xml; charset=utf-8");
    ASSERT_TRUE(replay);
    EXPECT_NE(replay->body.find("Error: Invalid Authentication"), std::string::npos);
    auto channels = client.Get("/Downloads/messages/ppc/VellumbrixChannels.txt");
    ASSERT_TRUE(channels);
    EXPECT_EQ(channels->body, "<CHANNELS>\r\ngarden  The garden\r\n</CHANNELS>\r\n");
    auto messages = client.Get("/Downloads/messages/ppc/Vellumbrix.txt");
    ASSERT_TRUE(messages);
    EXPECT_NE(messages->body.find("<VERSION>"), std::string::npos);
    auto page = client.Get("/garden");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_EQ(client.Get("/no/such/path")->status, 404);

    ::kill(server.pid, SIGTERM);
    std::string log = ReadPipe(server.err);
    EXPECT_EQ(WaitForProgram(server.pid), 0);
    ::close(server.out);
    ::close(server.err);
    // One line per request: method, path, action, user, status, time.
    EXPECT_NE(log.find("POST /ws/ CreateBlog ann@example.com 200 "), std::string::npos) << log;
    EXPECT_NE(log.find("POST /ws/ CreateBlog ann@example.com 200 "), log.rfind("POST /ws/ CreateBlog ann@example.com 200 "));
    EXPECT_NE(log.find("Error: Invalid Authentication (replayed nonce)"), std::string::npos) << log;
    EXPECT_NE(log.find("GET /Downloads/messages/ppc/VellumbrixChannels.txt channels - 200 "), std::string::npos) << log;
    EXPECT_NE(log.find("GET /no/such/path - - 404 "), std::string::npos) << log;
    EXPECT_NE(log.find("vellumbrix-server: stopped"), std::string::npos);
    // The photos went where --photos said.
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("pictures")));
}

// A second server started on the port of a running one says so and stops,
// rather than quietly sharing the port.
TEST(ServerProgram, ASecondServerOnATakenPortRefusesToStart)
{
    TemporaryFolder folder;
    TestDatabase database;
    std::string data = folder.File("data");
    ServerProcess first(On(data, database, {}));
    std::string port = first.Host().substr(first.Host().find(':') + 1);
    // (A second server that did start would be stopped after 10 seconds.)
    ProgramRun second = RunProgram(VBX_SERVER_PATH, On(folder.File("other"), database, { "--listen", "127.0.0.1:" + port }), 10);
    EXPECT_EQ(second.status, 1);
    EXPECT_NE(second.err.find("cannot listen on 127.0.0.1:" + port), std::string::npos) << second.err;
}
