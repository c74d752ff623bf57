#pragma once

#include "platform/ErrorCode.h"
#include "service/QuillberryBlogService.h"

#include <cstdint>
#include <string_view>

class BlogComment;
class CWinBlogStorage;
class CWinBlogUser;
class Http;
class ProgressWindow;

// The requests that dialogs send at once, outside a sync: a new comment of
// the comments dialog, a photo e-mail and a remote post. Each is a network
// command of its own, run once the caller has brought up the connection:
// the HTTP client is opened for it (message 8500 when it cannot be) and
// closed after it, and its progress goes to the progress window, whose
// Cancel ends the request.
//
// A failure is shown once, where it is found: a server error by the
// service, a cancel here as "Sync Cancelled.", and any other failure here
// too with its message, so that a mail that never left does not look as if
// it went. The code that comes back is then 10201.
class DialogSends {
public:
    explicit DialogSends(Http& http);

    // Sends one new (or edited) comment of the store. Taken in, it gets its
    // id and author from the reply and the store is saved; otherwise it
    // stays pending for the next sync.
    [[nodiscard]] ErrorCode StoreComment(CWinBlogStorage& store, const CWinBlogUser& user, BlogComment& comment, ProgressWindow& progress);
    // A photo e-mail and a remote post about a category and an entry (0
    // for the whole category) of the store's blog. An account the service
    // never gave an id sends nothing (8001, shown as a server error).
    [[nodiscard]] ErrorCode SendPhotoEmail(CWinBlogStorage& store, const CWinBlogUser& user, std::uint32_t categoryId, std::uint32_t entryId,
        std::string_view recipients, std::string_view message, ProgressWindow& progress);
    [[nodiscard]] ErrorCode PostToRemoteBlog(CWinBlogStorage& store, const CWinBlogUser& user, std::uint32_t categoryId, std::uint32_t entryId,
        std::string_view remoteBlog, std::string_view title, std::string_view text, ProgressWindow& progress);

private:
    // Opens the client, works on the store's blog with the user's account,
    // runs `request` with the window's callback, and concludes.
    template<typename Request>
    ErrorCode Run(CWinBlogStorage& store, const CWinBlogUser& user, ProgressWindow& progress, Request request);
    ErrorCode SendComment(BlogComment& comment, ProgressCallback callback, void* context);

    Http& m_http;
    QuillberryBlogService m_service;
};
