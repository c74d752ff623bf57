#pragma once

#include <cstdint>
#include <functional>
#include <string>

// What the service's behaviour depends on besides its data.
struct ServiceSettings {
    // Photos a new free account may keep.
    std::uint32_t defaultQuota { 1000 };
    // Deletions are kept this long for the changes feed; a device whose
    // last sync is older is told to refresh everything.
    std::int64_t keepDeletionsSeconds { 400 * 86400 };
    // The server's clock (seconds since 1970 UTC); tests move it.
    std::function<std::int64_t()> clock;
    // The host (and port) the service's addresses name; empty: the Host
    // header of each request.
    std::string publicHost;
};
