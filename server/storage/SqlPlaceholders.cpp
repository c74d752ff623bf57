#include "server/storage/SqlPlaceholders.h"

#include <algorithm>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Where the quoted text or comment that starts at `at` ends (just past it).
size_t SkipQuoted(std::string_view sql, size_t at)
{
    char quote = sql[at];
    if (quote == '-') {
        size_t end = sql.find('\n', at);
        return end == std::string_view::npos ? sql.size() : end + 1;
    }
    // A doubled quote inside stays inside: it ends the text and starts it
    // again at once.
    size_t end = sql.find(quote, at + 1);
    return end == std::string_view::npos ? sql.size() : end + 1;
}

}

std::string NumberedPlaceholders(std::string_view sql)
{
    std::string numbered;
    numbered.reserve(sql.size() + 16);
    // As in SQLite, a bare "?" takes the number after the largest one so
    // far.
    int largest = 0;
    size_t at = 0;
    while (at < sql.size()) {
        char c = sql[at];
        if (c == '\'' || c == '"' || (c == '-' && at + 1 < sql.size() && sql[at + 1] == '-')) {
            size_t end = SkipQuoted(sql, at);
            numbered.append(sql.substr(at, end - at));
            at = end;
            continue;
        }
        if (c != '?') {
            numbered += c;
            ++at;
            continue;
        }
        size_t digits = at + 1;
        while (digits < sql.size() && IsDigit(sql[digits]))
            ++digits;
        int number = 0;
        if (digits > at + 1) {
            for (size_t k = at + 1; k < digits; ++k)
                number = number * 10 + (sql[k] - '0');
            largest = std::max(largest, number);
        } else {
            number = ++largest;
        }
        numbered += '$';
        numbered += std::to_string(number);
        at = digits;
    }
    return numbered;
}
