#pragma once

#include "platform/Clock.h"
#include "platform/ErrorCode.h"
#include "transport/Progress.h"
#include "transport/Stream.h"

#include <cstdint>
#include <string>
#include <string_view>

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
    // Fetches the service's list of recommended blogs: the text of the
    // channels file's element, cut to `size` - 1 bytes, replaces `text`;
    // a file without that element leaves it as it was. A failed request
    // answers its code and leaves it too.
    [[nodiscard]] virtual ErrorCode GetChannels(std::string& text, std::uint32_t size, ProgressCallback callback, void* context) = 0;
};
