#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A host to connect to: its name (or address) and port.
struct HostAndPort {
    std::string name;
    std::uint16_t port { 80 };
};

// Splits "host" or "host:port" ("[v6 address]:port" for IPv6); the port is
// 80 when none is given. A port that is not a number from 1 to 65535 leaves
// the whole text as the name, which then fails to resolve.
HostAndPort SplitHostAndPort(std::string_view text);

// The preference "Service Host" as UTF-8, as it goes into everything the
// program builds from the host name (Host line, SOAPAction, namespaces,
// web addresses).
std::string ServiceHostText();

// The preference split into name and port.
HostAndPort ServiceHostAndPort();
