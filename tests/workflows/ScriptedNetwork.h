#pragma once

#include "workflows/NetworkOperations.h"

#include <functional>
#include <string>
#include <vector>

// The service's operations for tests of the commands that run them: each
// call is recorded with the progress window it ran in, and does what the
// test scripted (nothing by default) before answering its code.
class ScriptedNetwork : public NetworkOperations {
public:
    std::vector<std::string> calls;
    ErrorCode result { Error::Success };
    bool versionChecked { true };
    bool newVersion { false };
    std::function<void(ProgressWindow&)> during;

    ErrorCode GetUserInfo(CWinBlogUser&, ProgressWindow& progress) override { return Call("GetUserInfo", progress); }
    ErrorCode SyncAll(CWinBlogUser&, ProgressWindow& progress) override { return Call("SyncAll", progress); }
    ErrorCode SyncBlog(CWinBlogStorage&, CWinBlogUser&, BlogEntry* entry, ProgressWindow& progress) override
    {
        return Call(entry ? "SyncBlog entry" : "SyncBlog", progress);
    }
    bool CheckVersion(bool forced, bool& found, ProgressWindow& progress) override
    {
        (void)Call(forced ? "CheckVersion forced" : "CheckVersion", progress);
        found = newVersion;
        return versionChecked;
    }
    ErrorCode DownloadEntryPhoto(CWinBlogStorage&, BlogEntry&, std::uint16_t sizeCode, ProgressWindow& progress) override
    {
        return Call("DownloadEntryPhoto " + std::to_string(sizeCode), progress);
    }

private:
    ErrorCode Call(std::string name, ProgressWindow& progress)
    {
        calls.push_back(std::move(name));
        if (during)
            during(progress);
        return result;
    }
};
