#pragma once

#include "server/storage/SqlDatabase.h"

#include <string>
#include <string_view>
#include <vector>

// Blog URL names: 1 to 31 ASCII letters, digits, "_" and "-", unique
// without regard to case, and never one of the service's own paths.
bool IsValidBlogName(std::string_view name);
bool IsReservedBlogName(std::string_view name);

// Up to four names near the wanted one that are free right now.
ErrorOr<std::vector<std::string>> SuggestFreeBlogNames(SqlTransaction& db, std::string_view wanted);

// An e-mail address the service accepts for an account or a recipient:
// one "@" with text on both sides, printable ASCII or UTF-8, and none of
// space, "&", "<", ">" or quotes. Devices send addresses inside requests
// without escaping them, so these characters would break the envelope.
bool IsAcceptableEmail(std::string_view address);
