#pragma once

#include "platform/Clock.h"

#include <string>

// How long ago a program time was, as the comments list says it: "less than
// a minute ago", "1 minute ago", "3 hours ago", "30 days ago", "2 months
// ago" (strings 9000 to 9008). The span is counted as a date from the
// program's time origin, so that a month is a calendar month of 1904; a
// time in the future counts as now.
std::string RelativeTimeText(ProgramTime date, ProgramTime now);
