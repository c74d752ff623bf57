#pragma once

#include "platform/ErrorCode.h"

#include <memory>
#include <optional>
#include <string>

class AccountOperations;
class CWinBlogStorage;
class CWinBlogUser;
class ProgressWindow;

// Making a blog on the service, as "Create Blog" and the last page of the
// account wizard do: the fields, their checks, and the step itself.
struct NewBlogFields {
    enum Field : int {
        kUrlField,
        kTitleField,
        kSubtitleField,
    };
    static constexpr size_t kUrlLimit = 31;
    static constexpr size_t kTitleLimit = 47;
    static constexpr size_t kSubtitleLimit = 63;
    static constexpr std::string_view kPrompt = "Enter a Blog URL directory name and optional Blog Title and Subtitle.";
    static constexpr std::string_view kSiteLabel = "vellumbrixweb/";

    std::u16string url;
    std::u16string title;
    std::u16string subtitle;

    // The field at fault, once its message (the framework's length message,
    // string 205 for a Blog URL that breaks the rule) has been shown; none
    // when all are fine.
    std::optional<int> Check() const;
};

struct BlogCreationResult {
    ErrorCode code { Error::Success };
    // The new blog's store (not saved, not in any list) after a success.
    std::unique_ptr<CWinBlogStorage> store;
};

// Creates the blog for the user's account, in the progress window of a
// connected step. A refusal of a taken Blog URL shows string 165 with the
// first two names the service suggests; other failures are shown through
// the error table unless they have been already.
BlogCreationResult CreateBlogOnService(CWinBlogUser& user, AccountOperations& accounts, const NewBlogFields& fields,
    ProgressWindow& progress);
