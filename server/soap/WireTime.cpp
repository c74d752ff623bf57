#include "server/soap/WireTime.h"

#include <cstdio>

namespace {

// Days from 1970-01-01 to a proleptic Gregorian date (H. Hinnant's
// days_from_civil).
std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day)
{
    year -= month <= 2;
    std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    auto yearOfEra = static_cast<unsigned>(year - era * 400);
    unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static const int days[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Reads count digits at position; -1 when one is not a digit.
int Digits(std::string_view text, size_t position, size_t count)
{
    if (position + count > text.size())
        return -1;
    int value = 0;
    for (size_t i = 0; i < count; ++i) {
        char c = text[position + i];
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The zone after the seconds: its offset east of UTC in seconds.
std::optional<int> ParseZone(std::string_view zone)
{
    if (zone.empty() || zone == "Z")
        return 0;
    if (zone[0] != '+' && zone[0] != '-')
        return std::nullopt;
    int sign = zone[0] == '-' ? -1 : 1;
    int hours = Digits(zone, 1, 2);
    int minutes = -1;
    if (zone.size() == 5)
        minutes = Digits(zone, 3, 2);
    else if (zone.size() == 6 && zone[3] == ':')
        minutes = Digits(zone, 4, 2);
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59)
        return std::nullopt;
    return sign * (hours * 3600 + minutes * 60);
}

}

std::optional<std::int64_t> ParseWireTime(std::string_view text)
{
    if (text.size() < 19 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' || text[16] != ':')
        return std::nullopt;
    int year = Digits(text, 0, 4);
    int month = Digits(text, 5, 2);
    int day = Digits(text, 8, 2);
    int hour = Digits(text, 11, 2);
    int minute = Digits(text, 14, 2);
    int second = Digits(text, 17, 2);
    if (year < 0 || month < 1 || month > 12 || day < 1 || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return std::nullopt;
    if (day > DaysInMonth(year, month))
        return std::nullopt;
    auto offset = ParseZone(text.substr(19));
    if (!offset)
        return std::nullopt;
    std::int64_t days = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
    return days * 86400 + hour * 3600 + minute * 60 + second - *offset;
}

CivilDate CivilDateOf(std::int64_t moment)
{
    // H. Hinnant's civil_from_days.
    std::int64_t days = moment >= 0 ? moment / 86400 : (moment - 86399) / 86400;
    std::int64_t secondsOfDay = moment - days * 86400;
    days += 719468;
    std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    auto dayOfEra = static_cast<unsigned>(days - era * 146097);
    unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    unsigned monthIndex = (5 * dayOfYear + 2) / 153;
    CivilDate date {};
    date.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    date.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    date.year = static_cast<int>(static_cast<std::int64_t>(yearOfEra) + era * 400 + (date.month <= 2));
    date.hour = static_cast<int>(secondsOfDay / 3600);
    date.minute = static_cast<int>(secondsOfDay / 60 % 60);
    date.second = static_cast<int>(secondsOfDay % 60);
    return date;
}

std::string FormatWireTime(std::int64_t moment)
{
    CivilDate date = CivilDateOf(moment);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", date.year, date.month, date.day, date.hour, date.minute, date.second);
    return text;
}
