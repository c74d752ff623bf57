#pragma once

#include "platform/Clock.h"

#include <string>
#include <string_view>

// The wire form of program times: ISO 8601 text.

// "2006-07-01T10:00:00Z" with `utc`, otherwise the local time with the
// offset of local time from UTC, such as "2006-07-01T12:00:00+0200".
std::string FormatTime(ProgramTime time, bool utc);

// Reads the fields at their fixed places (year 0-3, month 5-6, day 8-9,
// hour 11-12, minute 14-15, second 17-18). A "Z" at place 19 marks UTC,
// which is converted to local time; anything else there (an offset, or the
// end of the text) takes the time as local, without applying the offset.
// Text that does not hold digits at those places gives 0.
ProgramTime ParseTime(std::string_view text);
