#include "transport/TimeText.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

std::string Format(const std::tm& clock, const char* suffix)
{
    char text[64];
    std::snprintf(text, sizeof text, "%d-%02d-%02dT%02d:%02d:%02d%s", clock.tm_year + 1900, clock.tm_mon + 1,
        clock.tm_mday, clock.tm_hour, clock.tm_min, clock.tm_sec, suffix);
    return text;
}

bool ReadDigits(std::string_view text, std::size_t from, std::size_t count, int& value)
{
    if (text.size() < from + count)
        return false;
    value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

}

std::string FormatTime(ProgramTime time, bool utc)
{
    std::time_t moment = UnixTimeFromProgramTime(time);
    std::tm clock {};
    if (utc) {
        ::gmtime_r(&moment, &clock);
        return Format(clock, "Z");
    }
    // The local fields and the offset both come from the same moment, so
    // the text names that moment even for a wall-clock time that a change
    // to summer time skipped.
    ::localtime_r(&moment, &clock);
    long offset = clock.tm_gmtoff;
    // Zone offsets stay below a day, so the hours have two digits.
    int hours = static_cast<int>(std::labs(offset) / 3600 % 100);
    int minutes = static_cast<int>(std::labs(offset) / 60 % 60);
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, "%c%02d%02d", offset < 0 ? '-' : '+', hours, minutes);
    return Format(clock, suffix);
}

ProgramTime ParseTime(std::string_view text)
{
    WallClock clock {};
    if (!ReadDigits(text, 0, 4, clock.year) || !ReadDigits(text, 5, 2, clock.month) || !ReadDigits(text, 8, 2, clock.day)
        || !ReadDigits(text, 11, 2, clock.hour) || !ReadDigits(text, 14, 2, clock.minute)
        || !ReadDigits(text, 17, 2, clock.second))
        return 0;
    ProgramTime wallTime = 0;
    if (!ProgramTimeFromWallClock(clock, wallTime))
        return 0;
    if (text.size() > 19 && text[19] == 'Z')
        return ProgramTimeFromUnixTime(static_cast<std::time_t>(wallTime) - static_cast<std::time_t>(kSecondsFrom1904To1970));
    return wallTime;
}
