#include "transport/ServiceHost.h"

#include "app/Preferences.h"
#include "platform/CodePage.h"

#include <charconv>

namespace {

bool ParsePort(std::string_view text, std::uint16_t& port)
{
    unsigned value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 1 || value > 65535)
        return false;
    port = static_cast<std::uint16_t>(value);
    return true;
}

}

HostAndPort SplitHostAndPort(std::string_view text)
{
    HostAndPort result { std::string(text), 80 };
    if (text.starts_with('[')) {
        std::size_t close = text.find(']');
        if (close == std::string_view::npos)
            return result;
        std::string_view rest = text.substr(close + 1);
        if (rest.empty()) {
            result.name = text.substr(1, close - 1);
            return result;
        }
        if (rest.front() == ':' && ParsePort(rest.substr(1), result.port))
            result.name = text.substr(1, close - 1);
        return result;
    }
    std::size_t colon = text.find(':');
    // More than one colon: a bare IPv6 address, which has no port.
    if (colon == std::string_view::npos || text.find(':', colon + 1) != std::string_view::npos)
        return result;
    std::uint16_t port = 80;
    if (ParsePort(text.substr(colon + 1), port))
        result = { std::string(text.substr(0, colon)), port };
    return result;
}

std::string ServiceHostText()
{
    return Utf16ToUtf8(ReadServiceHost());
}

HostAndPort ServiceHostAndPort()
{
    return SplitHostAndPort(ServiceHostText());
}
