#pragma once

#include "workflows/NetworkOperations.h"

#include "model/BlogComment.h"

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

    ErrorCode StoreComment(CWinBlogStorage&, CWinBlogUser&, BlogComment& comment, ProgressWindow& progress) override
    {
        ErrorCode code = Call("StoreComment " + comment.GetText(), progress);
        if (code == Error::Success && takeComment)
            takeComment(comment);
        return code;
    }
    ErrorCode SendPhotoEmail(CWinBlogStorage&, CWinBlogUser&, SendSubject subject, std::string_view recipients, std::string_view message,
        ProgressWindow& progress) override
    {
        return Call("SendPhotoEmail " + Subject(subject) + " to " + std::string(recipients) + ": " + std::string(message), progress);
    }
    ErrorCode PostToRemoteBlog(CWinBlogStorage&, CWinBlogUser&, SendSubject subject, std::string_view remoteBlog, std::string_view title,
        std::string_view text, ProgressWindow& progress) override
    {
        return Call("PostToRemoteBlog " + Subject(subject) + " to " + std::string(remoteBlog) + ": " + std::string(title) + " / " + std::string(text),
            progress);
    }

    // What the service does with a comment it takes in (give it an id...).
    std::function<void(BlogComment&)> takeComment;

private:
    static std::string Subject(SendSubject subject)
    {
        return std::to_string(subject.categoryId) + "/" + std::to_string(subject.entryId);
    }

    ErrorCode Call(std::string name, ProgressWindow& progress)
    {
        calls.push_back(std::move(name));
        if (during)
            during(progress);
        return result;
    }
};
