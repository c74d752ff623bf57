#pragma once

#include <cstdint>
#include <ctime>

// Program time: an unsigned count of seconds since 1904-01-01 00:00:00 in
// the local time zone (as the C library's TZ rules define it). Every date
// in the store and the preferences uses it.
using ProgramTime = std::uint32_t;

// Seconds from 1904-01-01 to 1970-01-01.
constexpr std::uint32_t kSecondsFrom1904To1970 = 2082844800u;

// The current local wall-clock time as program time.
ProgramTime GetCurrentSeconds();

// A moment (seconds since the Unix epoch, UTC) as local program time.
ProgramTime ProgramTimeFromUnixTime(std::time_t moment);
// Local program time back to a moment; a wall-clock time that occurs twice
// (the hour after a change to winter time) resolves to the first.
std::time_t UnixTimeFromProgramTime(ProgramTime time);

// The broken-down wall clock that a program time names (no time zone).
struct WallClock {
    int year, month, day, hour, minute, second;
};
WallClock WallClockFromProgramTime(ProgramTime time);
// Fails (returns false) for a wall clock outside the program time range.
bool ProgramTimeFromWallClock(const WallClock& clock, ProgramTime& out);

// The C library's offset of local standard time from UTC, in seconds east.
std::int32_t LocalStandardTimeOffset();
