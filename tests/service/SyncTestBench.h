#pragma once

#include "model/CWinBlogUser.h"
#include "platform/ProgressWindow.h"
#include "service/ServiceCommands.h"
#include "support/ChangesResponseBuilder.h"
#include "support/HttpTestServer.h"
#include "support/SandboxDevice.h"
#include "transport/CurlHttp.h"

#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// A scripted web service on 127.0.0.1: it answers every action the client
// sends with a success of that action (new ids counting up from 5000, the
// addresses of its photos on this server) unless a test scripts another
// answer, and serves pictures and the message file for plain GETs. It
// keeps the order of what came: the action of each SOAP request ("GC"),
// "GET PATH" for the others.
class ScriptedService {
public:
    using Answer = std::function<HttpTestServer::Response(const HttpTestServer::Request&)>;

    explicit ScriptedService(HttpTestServer& server);

    // Answers an action ("GC", "AP", ..., or "GET" for every GET) from now
    // on; a previous script for it is replaced.
    void On(const std::string& action, Answer answer);
    void OnBody(const std::string& action, const std::string& body);
    // The action's n-th request (from 1) gets this answer; the others the
    // usual one.
    void OnNth(const std::string& action, int n, Answer answer);
    // The body of the answers to "GC" and to the message file.
    void SetChanges(const std::string& body);
    void SetMessageFile(const std::string& text);
    // The answer to "GU": subscriptions (URL names), with user id 77.
    void SetSubscriptions(const std::vector<std::string>& urlNames);

    std::vector<std::string> Actions() const;
    // The bodies of the requests of one action, in order.
    std::vector<std::string> BodiesOf(const std::string& action) const;
    int Count(const std::string& action) const;
    void ClearLog();

    // "http://HOST:PORT/photos/myblog/NAME": an address of this server.
    std::string PhotoUrl(const std::string& name) const;
    // Every GET of a picture is answered with this JPEG.
    void SetPicture(std::string jpeg);

    // The bytes of an answer of the action with its inner fields.
    static std::string Reply(const std::string& action, const std::string& inner);
    static std::string ErrorReply(const std::string& action, const std::string& text);

private:
    HttpTestServer::Response Respond(const HttpTestServer::Request& request);
    HttpTestServer::Response Usual(const std::string& action, const HttpTestServer::Request& request);

    HttpTestServer& m_server;
    mutable std::mutex m_mutex;
    std::map<std::string, Answer> m_answers;
    std::map<std::pair<std::string, int>, Answer> m_nthAnswers;
    std::map<std::string, int> m_counts;
    std::vector<std::string> m_actions;
    std::vector<std::pair<std::string, std::string>> m_bodies;
    std::string m_changes;
    std::string m_messageFile;
    std::string m_userInfo;
    std::string m_picture;
    std::uint32_t m_nextId { 5000 };
};

// The action named by a request: its SOAPAction's last part, or "GET PATH".
std::string ActionOf(const HttpTestServer::Request& request);

// A progress window whose Cancel is pressed from anywhere (a test's
// server, when a chosen request arrives); it keeps every status line.
class TestProgressWindow : public ProgressWindow {
public:
    void Show() override { }
    void SetLine(int index, std::string_view text) override;
    void ClearStatus() override { }
    void Step() override { }
    bool IsCancelled() override { return cancel.load(); }

    std::vector<std::string> Lines() const;

    std::atomic<bool> cancel { false };

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_lines;
};

// A sandboxed device with the account me@example.com (user id 77) and its
// blog "myblog" (download size 5, no entry limit), whose service host is
// the scripted service.
class SyncTest : public ::testing::Test {
protected:
    static constexpr const char* kEmail = "me@example.com";
    static constexpr const char* kPassword = "secret";
    static constexpr std::uint32_t kUserId = 77;

    SyncTest();

    CWinBlogStorage& Blog() { return *m_blog; }
    // A blog of the user's list besides "myblog".
    CWinBlogStorage& AddBlog(const std::string& urlName);

    ErrorCode SyncBlog(BlogEntry* entry = nullptr) { return commands.SyncBlog(*m_blog, *user, entry, progress); }
    ErrorCode SyncAll() { return commands.SyncAll(*user, progress); }

    // Records of the blog, added as the device makes them.
    BlogEntry& AddPendingEntry(const std::string& title, std::uint32_t categoryId = 0, bool withPhoto = true);
    BlogEntry& AddPublishedEntry(std::uint32_t id, const std::string& title, std::uint32_t postDate = 3000000000u);
    BlogAlbum& AddCategory(std::uint32_t id, const std::string& name, bool modified);
    BlogComment& AddComment(std::uint32_t entryId, std::uint32_t commentId, const std::string& text, bool pending);

    // The blog's store as its file holds it.
    std::unique_ptr<CWinBlogStorage> StoreOnDisk() const;
    std::vector<std::string> Shown() const;
    // The photo files in the blog's download folder.
    std::vector<std::string> PhotoFiles() const;

    SandboxDevice device;
    HttpTestServer server;
    ScriptedService service { server };
    CurlHttp http;
    ServiceCommands commands { http };
    std::unique_ptr<CWinBlogUser> user;
    TestProgressWindow progress;

private:
    CWinBlogStorage* m_blog { nullptr };
    unsigned m_photoSeed { 1 };
};

// A small JPEG photo.
std::string SmallJpeg(int width = 64, int height = 48, unsigned seed = 1);
