#include "app/RelativeTime.h"

#include "app/Messages.h"

namespace {

// The strings come in pairs, one for the value 1 and one for the others,
// after the one for less than a minute.
constexpr StringId kLessThanAMinute = 9000;
constexpr StringId kMinutes = 9001;
constexpr StringId kHours = 9003;
constexpr StringId kDays = 9005;
constexpr StringId kMonths = 9007;

}

std::string RelativeTimeText(ProgramTime date, ProgramTime now)
{
    ProgramTime span = now > date ? now - date : 0;
    // Counted from 1904-01-01 00:00:00, the span's "date" gives the units.
    WallClock parts = WallClockFromProgramTime(span);
    int months = (parts.year - 1904) * 12 + (parts.month - 1);
    int days = parts.day - 1;
    StringId unit = kLessThanAMinute;
    int value = 1;
    if (months >= 1) {
        unit = kMonths;
        value = months;
    } else if (days >= 1) {
        unit = kDays;
        value = days;
    } else if (parts.hour >= 1) {
        unit = kHours;
        value = parts.hour;
    } else if (parts.minute >= 1) {
        unit = kMinutes;
        value = parts.minute;
    }
    if (unit != kLessThanAMinute && value != 1)
        ++unit;
    return FormatString(unit, { value });
}
