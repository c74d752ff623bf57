#pragma once

#include "server/storage/Records.h"

#include <string>
#include <string_view>

// A browser that gave a protected blog's view password gets a cookie that
// opens the blog's pages: an HMAC of the blog and its password under the
// site's secret, so it stops working when the password changes and can't
// be made without the secret.
std::string ViewCookieName(const BlogRecord& blog);
std::string ViewCookieValue(const std::string& secret, const BlogRecord& blog);
// Whether a Cookie header holds the blog's cookie.
bool HasViewCookie(std::string_view cookieHeader, const std::string& secret, const BlogRecord& blog);
