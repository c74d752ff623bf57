#pragma once

#include "model/CWinBlogUser.h"
#include "platform/ProgressWindow.h"
#include "service/ServiceCommands.h"
#include "support/ScriptedService.h"
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

    // A blog with something of every kind to send: deleted category,
    // entry and comment, changed settings, a new and a renamed category,
    // an entry needing its photo, a new and an edited entry, a new
    // comment. Synced an hour ago.
    void MakeBlogWithEverythingToSend();
    // The requests a whole sync of that blog makes, in order.
    static std::vector<std::string> EverythingSent();

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
