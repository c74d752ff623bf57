#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the service says about the account when it is refreshed, already
// read from its answer: the user record is brought in line with it.
struct AccountData {
    std::uint32_t userId { 0 };
    // "free", or the kind of a paid account.
    std::string accountType;
    std::uint32_t photoQuota { 0 };
    // The URL names of the blogs the account owns or subscribes to, in the
    // service's order.
    std::vector<std::string> subscriptionUrlNames;
    // The remote blogs the account can post to, when the answer lists them.
    std::optional<std::vector<std::string>> remoteBlogNames;
};
