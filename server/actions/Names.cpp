#include "server/actions/Names.h"

#include "server/soap/ServiceRequest.h"
#include "server/soap/WireText.h"
#include "server/storage/Blogs.h"
#include "server/storage/Users.h"

#include <array>

namespace {

// The first parts of the service's own addresses.
constexpr std::array ReservedNames { "ws", "si.aspx", "downloads", "photos", "favicon.ico", "robots.txt" };

bool IsNameCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
}

}

bool IsValidBlogName(std::string_view name)
{
    if (name.empty() || name.size() > WireLimits::BlogName)
        return false;
    for (char c : name) {
        if (!IsNameCharacter(c))
            return false;
    }
    return true;
}

bool IsReservedBlogName(std::string_view name)
{
    std::string lower = LowerAscii(name);
    for (const char* reserved : ReservedNames) {
        if (lower == reserved)
            return true;
    }
    return false;
}

ErrorOr<std::vector<std::string>> SuggestFreeBlogNames(SqlTransaction& db, std::string_view wanted)
{
    std::vector<std::string> suffixes { "-photos", "_blog", "-pics" };
    for (int n = 2; n <= 99; ++n)
        suffixes.push_back(std::to_string(n));
    std::vector<std::string> free;
    for (const std::string& suffix : suffixes) {
        std::string base(wanted.substr(0, WireLimits::BlogName - suffix.size()));
        std::string candidate = base + suffix;
        if (!IsValidBlogName(candidate) || IsReservedBlogName(candidate))
            continue;
        auto taken = FindBlogByName(db, candidate);
        if (taken.IsError())
            return taken.GetError();
        if (!*taken)
            free.push_back(candidate);
        if (free.size() == 4)
            break;
    }
    return free;
}

bool IsAcceptableEmail(std::string_view address)
{
    if (address.size() < 3 || address.size() > WireLimits::Email || !IsValidUtf8(address))
        return false;
    size_t at = address.find('@');
    if (at == 0 || at == std::string_view::npos || at + 1 == address.size() || address.find('@', at + 1) != std::string_view::npos)
        return false;
    for (char c : address) {
        auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte == 0x7F || c == '&' || c == '<' || c == '>' || c == '"' || c == '\'')
            return false;
    }
    return true;
}
