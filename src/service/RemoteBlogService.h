#pragma once

#include "platform/Clock.h"
#include "platform/ErrorCode.h"
#include "transport/HttpResponse.h"
#include "transport/Progress.h"
#include "transport/Stream.h"
#include "transport/WebAddress.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class BlogComment;
class BlogEntry;
class CWinBlogUser;

// The blog web service as the rest of the program uses it: one object,
// working on one blog at a time, set before each operation. Operations
// answer the codes of the error table; a failure the user has already been
// told of answers 10201.
class RemoteBlogService {
public:
    virtual ~RemoteBlogService() = default;

    // Judges a response body: with `code` already set, false and nothing
    // else. Otherwise true; `code` becomes the code of the server's error
    // text when the body holds one (see QuillberryBlogService).
    virtual bool CheckServerError(Stream& body, ErrorCode& code) = 0;

    // The web addresses of the blog, of its page of all categories and of
    // an entry's preview. Each call overwrites the text the last one
    // returned.
    virtual const std::string& GetBlogURL() = 0;
    virtual const std::string& GetBlogAllCategoriesURL() = 0;
    virtual const std::string& GetEntryPreviewURL(std::uint32_t entryId) = 0;

    // The account, and the blog that requests are about.
    virtual void SetAccount(std::string_view email, std::string_view password, std::uint32_t userId, std::string_view blogUrlName,
        std::string_view viewerPassword)
        = 0;
    virtual void SetPhotoSizes(std::uint16_t uploadSizeCode, std::uint16_t downloadSizeCode) = 0;
    // The time of the changes asked for next; 0 asks for everything. A
    // time more than 170 days old also asks for everything.
    virtual void SetTimestamp(ProgramTime timestamp) = 0;
    // The server's time after the last changes request.
    virtual ProgramTime GetTimestamp() const = 0;

    // The account refresh: the account and its subscriptions fetched and
    // the user record brought in line with them (subscribing and
    // unsubscribing blogs, repairing the service's list when needed), then
    // saved. Nothing is sent for a user without e-mail or password.
    [[nodiscard]] virtual ErrorCode GetUserInfo(CWinBlogUser& user, ProgressCallback callback, void* context) = 0;
    // The whole exchange of the blog whose store is set: deletions up,
    // changes down (with their photos), then settings, categories, entries
    // and comments up.
    [[nodiscard]] virtual ErrorCode SyncChanges(ProgressCallback callback, void* context) = 0;
    // Sends one entry (new or edited) of the store and takes in the answer;
    // `groupBlog` says whether the answer names the poster.
    [[nodiscard]] virtual ErrorCode StoreEntry(BlogEntry& entry, ProgressCallback callback, void* context, bool groupBlog) = 0;
    // Sends one comment (new or edited) and takes in the answer.
    [[nodiscard]] virtual ErrorCode StoreComment(BlogComment& comment, ProgressCallback callback, void* context) = 0;

    // Has the service mail an entry (or, with entry id 0, a category) to
    // the recipients, separated by commas or blanks.
    [[nodiscard]] virtual ErrorCode SendPhotoEmail(std::uint32_t categoryId, std::uint32_t entryId, std::string_view recipients,
        std::string_view message, ProgressCallback callback, void* context)
        = 0;
    // Has the service post an entry (or a category) to one of the user's
    // other weblogs.
    [[nodiscard]] virtual ErrorCode PostToRemoteBlog(std::uint32_t categoryId, std::uint32_t entryId, std::string_view remoteBlog,
        std::string_view title, std::string_view caption, ProgressCallback callback, void* context)
        = 0;
    // Fetches an entry's photo at a size code (1 to 7) into the store, in a
    // network command of its own (the HTTP client is opened and closed).
    [[nodiscard]] virtual ErrorCode DownloadEntryPhoto(BlogEntry& entry, std::uint16_t sizeCode, ProgressCallback callback, void* context)
        = 0;
    // Reads the service's message file for a newer version and, unless
    // forced, for notes to the user. True when the program is to stop for a
    // new version or a note; a forced check answers true whenever the file
    // was read. `newVersion` tells whether a newer version was announced.
    virtual bool CheckVersion(bool forced, bool& newVersion, ProgressCallback callback, void* context) = 0;

    // A plain GET of an address (scheme, host with its port, path): no
    // envelope, no check of the server's error text. The code is that of
    // the response's status; the response comes back only on success.
    [[nodiscard]] virtual ErrorCode HttpGet(const WebAddress& where, std::unique_ptr<HttpResponse>& response) = 0;

    // Fetches the service's list of recommended blogs: the text of the
    // channels file's element, cut to `size` - 1 bytes, replaces `text`;
    // a file without that element leaves it as it was. A failed request
    // answers its code and leaves it too.
    [[nodiscard]] virtual ErrorCode GetChannels(std::string& text, std::uint32_t size, ProgressCallback callback, void* context) = 0;
};
