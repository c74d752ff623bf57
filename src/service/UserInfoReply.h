#pragma once

#include "model/AccountData.h"
#include "platform/ErrorOr.h"
#include "transport/Stream.h"

// The answer to "GU": the user's id ("<UI>"), account type ("<AT", 32
// bytes), photo quota ("<QT>"), the URL names of the blogs the account
// subscribes to (section "SL" of "SU", 128 bytes each) and, when the
// section "RR" is there, the names of the user's remote blogs ("RB", 64
// bytes each; at most 31 names in at most 1280 bytes, the rest ignored).
//
// An answer without a user id or without a subscription list is refused
// with 65535: taken as an account with no blogs, it would have the device
// offer to drop every blog it holds.
ErrorOr<AccountData> ReadUserInfoReply(Stream& body);

// The limits of the remote blog list.
constexpr std::size_t kMaxRemoteBlogs = 31;
constexpr std::size_t kRemoteBlogNamesBytes = 1280;
