#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Every text a user wrote goes through this before it reaches a page.
std::string EscapeHtml(std::string_view text);

// A whole page: the document head with the site's style sheet, then body.
std::string HtmlPage(std::string_view title, std::string_view body);

// "1 July 2006" (UTC).
std::string HtmlDate(std::int64_t moment);
