#include "platform/Clock.h"

#include <cstdint>

// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
static int64_t DaysFromCivil(int64_t year, unsigned month, unsigned day)
{
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<int64_t>(dayOfEra) - 719468;
}

static void CivilFromDays(int64_t days, int& year, int& month, int& day)
{
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned mp = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<int64_t>(yearOfEra) + era * 400 + (month <= 2));
}

WallClock WallClockFromProgramTime(ProgramTime time)
{
    int64_t seconds = static_cast<int64_t>(time) - kSecondsFrom1904To1970;
    int64_t days = seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400;
    int64_t secondOfDay = seconds - days * 86400;
    WallClock clock {};
    CivilFromDays(days, clock.year, clock.month, clock.day);
    clock.hour = static_cast<int>(secondOfDay / 3600);
    clock.minute = static_cast<int>(secondOfDay / 60 % 60);
    clock.second = static_cast<int>(secondOfDay % 60);
    return clock;
}

bool ProgramTimeFromWallClock(const WallClock& clock, ProgramTime& out)
{
    if (clock.month < 1 || clock.month > 12 || clock.day < 1 || clock.day > 31)
        return false;
    int64_t days = DaysFromCivil(clock.year, static_cast<unsigned>(clock.month), static_cast<unsigned>(clock.day));
    int64_t seconds = days * 86400 + clock.hour * 3600 + clock.minute * 60 + clock.second + kSecondsFrom1904To1970;
    if (seconds < 0 || seconds > UINT32_MAX)
        return false;
    out = static_cast<ProgramTime>(seconds);
    return true;
}

ProgramTime ProgramTimeFromUnixTime(std::time_t moment)
{
    std::tm local {};
    if (!::localtime_r(&moment, &local))
        return 0;
    ProgramTime result = 0;
    WallClock clock { local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec };
    if (!ProgramTimeFromWallClock(clock, result))
        return 0;
    return result;
}

std::time_t UnixTimeFromProgramTime(ProgramTime time)
{
    WallClock clock = WallClockFromProgramTime(time);
    std::tm local {};
    local.tm_year = clock.year - 1900;
    local.tm_mon = clock.month - 1;
    local.tm_mday = clock.day;
    local.tm_hour = clock.hour;
    local.tm_min = clock.minute;
    local.tm_sec = clock.second;
    local.tm_isdst = -1;
    return ::mktime(&local);
}

ProgramTime GetCurrentSeconds()
{
    return ProgramTimeFromUnixTime(std::time(nullptr));
}

std::int32_t LocalStandardTimeOffset()
{
    ::tzset();
    return static_cast<std::int32_t>(-timezone);
}
