#pragma once

#include "service/ServiceCommands.h"
#include "transport/CurlHttp.h"
#include "workflows/NetworkOperations.h"

// The main view's network commands over the web service: one HTTP client
// for the program's life, opened and closed by each command, and the
// service's commands that run on it.
class ServiceNetworkOperations final : public NetworkOperations {
public:
    ServiceNetworkOperations();
    ServiceNetworkOperations(const ServiceNetworkOperations&) = delete;
    ServiceNetworkOperations& operator=(const ServiceNetworkOperations&) = delete;

    [[nodiscard]] ErrorCode GetUserInfo(CWinBlogUser& user, ProgressWindow& progress) override;
    [[nodiscard]] ErrorCode SyncAll(CWinBlogUser& user, ProgressWindow& progress) override;
    [[nodiscard]] ErrorCode SyncBlog(CWinBlogStorage& store, CWinBlogUser& user, BlogEntry* entry, ProgressWindow& progress) override;
    bool CheckVersion(bool forced, bool& newVersion, ProgressWindow& progress) override;
    [[nodiscard]] ErrorCode DownloadEntryPhoto(CWinBlogStorage& store, BlogEntry& entry, std::uint16_t sizeCode, ProgressWindow& progress) override;
    [[nodiscard]] ErrorCode StoreComment(CWinBlogStorage& store, CWinBlogUser& user, BlogComment& comment, ProgressWindow& progress) override;
    [[nodiscard]] ErrorCode SendPhotoEmail(CWinBlogStorage& store, CWinBlogUser& user, SendSubject subject, std::string_view recipients,
        std::string_view message, ProgressWindow& progress) override;
    [[nodiscard]] ErrorCode PostToRemoteBlog(CWinBlogStorage& store, CWinBlogUser& user, SendSubject subject, std::string_view remoteBlog,
        std::string_view title, std::string_view text, ProgressWindow& progress) override;

    // The service itself, for the dialogs' own requests (account and blog
    // creation, the channels list, comments, e-mails).
    ServiceCommands& Commands() { return m_commands; }

private:
    CurlHttp m_http;
    ServiceCommands m_commands { m_http };
};
