#pragma once

#include "transport/WebAddress.h"

#include <cstdint>
#include <string>
#include <string_view>

// The preference "Service Host" as UTF-8 without its scheme: "HOST[:PORT]",
// as it goes into everything the program builds from the host name (Host
// line, SOAPAction, namespaces).
std::string ServiceHostText();

// The service's address for a path on it: HTTPS when the preference begins
// with "https://", else plain HTTP.
WebAddress ServiceAddress(std::string_view path);

// The preference split into name and port (80, or 443 for HTTPS, when none
// is given).
HostAndPort ServiceHostAndPort();
