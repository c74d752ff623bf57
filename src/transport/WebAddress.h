#pragma once

#include "transport/HttpRequest.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A host to connect to: its name (or address) and port.
struct HostAndPort {
    std::string name;
    std::uint16_t port { 80 };
};

// Splits "host" or "host:port" ("[v6 address]:port" for IPv6); the port is
// `defaultPort` when none is given. A port that is not a number from 1 to
// 65535 leaves the whole text as the name, which then fails to resolve.
HostAndPort SplitHostAndPort(std::string_view text, std::uint16_t defaultPort = 80);

// Where an "http://" or "https://" address leads.
struct WebAddress {
    bool secure { false };
    // "HOST[:PORT]" as the address writes it.
    std::string host;
    // From the "/" after the host on; "/" when the address has none.
    std::string path { "/" };

    // The name and port to connect to: 80, or 443 over HTTPS, when the
    // address gives no port.
    HostAndPort Endpoint() const;
};

// None for an address of another scheme, one without a host, or one
// holding blanks, control characters or bytes beyond ASCII, which no
// request line can carry. The scheme is matched without regard to case.
std::optional<WebAddress> ParseWebAddress(std::string_view url);

// Points a request at an address: its scheme, host name, port and path.
void AimRequest(HttpRequest& request, const WebAddress& address);
