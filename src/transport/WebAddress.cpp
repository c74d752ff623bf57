#include "transport/WebAddress.h"

#include <charconv>
#include <strings.h>

namespace {

constexpr std::uint16_t kHttpPort = 80;
constexpr std::uint16_t kHttpsPort = 443;

bool ParsePort(std::string_view text, std::uint16_t& port)
{
    unsigned value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 1 || value > 65535)
        return false;
    port = static_cast<std::uint16_t>(value);
    return true;
}

bool TakeScheme(std::string_view& url, std::string_view scheme)
{
    if (url.size() < scheme.size() || ::strncasecmp(url.data(), scheme.data(), scheme.size()) != 0)
        return false;
    url.remove_prefix(scheme.size());
    return true;
}

bool IsRequestLineText(std::string_view text)
{
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte >= 0x7F)
            return false;
    }
    return true;
}

}

HostAndPort SplitHostAndPort(std::string_view text, std::uint16_t defaultPort)
{
    HostAndPort result { std::string(text), defaultPort };
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
    std::uint16_t port = defaultPort;
    if (ParsePort(text.substr(colon + 1), port))
        result = { std::string(text.substr(0, colon)), port };
    return result;
}

HostAndPort WebAddress::Endpoint() const
{
    return SplitHostAndPort(host, secure ? kHttpsPort : kHttpPort);
}

std::optional<WebAddress> ParseWebAddress(std::string_view url)
{
    WebAddress address;
    if (TakeScheme(url, "https://"))
        address.secure = true;
    else if (!TakeScheme(url, "http://"))
        return std::nullopt;
    if (!IsRequestLineText(url))
        return std::nullopt;
    std::size_t slash = url.find('/');
    address.host = url.substr(0, slash);
    if (slash != std::string_view::npos)
        address.path = url.substr(slash);
    if (address.host.empty())
        return std::nullopt;
    return address;
}

void AimRequest(HttpRequest& request, const WebAddress& address)
{
    HostAndPort endpoint = address.Endpoint();
    request.secure = address.secure ? 1 : 0;
    request.host = std::move(endpoint.name);
    request.port = endpoint.port;
    request.path = address.path;
}
