#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Times on the wire: "YYYY-MM-DDTHH:MM:SS" and a zone. Devices send UTC
// times with "Z" and local times with their offset ("+0200"); the service
// keeps every time as a moment (seconds since 1970 UTC) and writes it back
// in UTC with "Z", which each device turns into its own local time.

// Accepts "Z", "+hhmm", "-hhmm", "+hh:mm", "-hh:mm", or no zone (taken as
// UTC). Fails for anything else, and for impossible dates and times.
std::optional<std::int64_t> ParseWireTime(std::string_view text);

std::string FormatWireTime(std::int64_t moment);

// The calendar date of a moment (UTC), for pages.
struct CivilDate {
    int year, month, day, hour, minute, second;
};
CivilDate CivilDateOf(std::int64_t moment);
