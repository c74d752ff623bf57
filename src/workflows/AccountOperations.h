#pragma once

#include "platform/ErrorCode.h"
#include "service/ServerErrorText.h"

#include <string_view>

class CWinBlogChannels;
class ProgressWindow;

// The service's one-shot operations that the account and blog dialogs run,
// each inside a progress window once the network connection is up. The
// codes are the service's: 0, -10301 (e-mail taken), -10302 (Blog URL
// taken, `alternates` filled in), -10300 (refused with a text already
// shown), 10201 (already reported), or a transport code that the caller
// shows.
class AccountOperations {
public:
    virtual ~AccountOperations() = default;

    [[nodiscard]] virtual ErrorCode CreateAccount(std::string_view email, std::string_view password, std::string_view firstName,
        std::string_view lastName, ProgressWindow& progress)
        = 0;
    // A visible blog, made by the account given.
    [[nodiscard]] virtual ErrorCode CreateBlog(std::string_view email, std::string_view password, std::string_view blogUrlName,
        std::string_view title, std::string_view subtitle, BlogUrlAlternates& alternates, ProgressWindow& progress)
        = 0;
    // The service's recommended blogs, built afresh.
    [[nodiscard]] virtual ErrorCode GetChannels(CWinBlogChannels& channels, ProgressWindow& progress) = 0;
};
