#pragma once

#include <string_view>

// A Blog URL is the directory name under the service's site address: not
// empty, and only letters and digits of the ASCII range, "_" and "-", so
// that it stays one plain path segment of a web address.
bool IsValidBlogUrl(std::u16string_view url);

// String 205, shown when a Blog URL breaks the rule.
inline constexpr unsigned kInvalidBlogUrlMessage = 205;
