#include "platform/Clock.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

TEST(Clock, ProgramTimeCountsLocalSecondsSince1904)
{
    ScopedTimeZone utc("UTC0");
    EXPECT_EQ(ProgramTimeFromUnixTime(0), kSecondsFrom1904To1970);
    ScopedTimeZone berlin("CET-1CEST,M3.5.0,M10.5.0/3");
    // 1970-01-01 00:00 UTC is 01:00 in Berlin.
    EXPECT_EQ(ProgramTimeFromUnixTime(0), kSecondsFrom1904To1970 + 3600);
    EXPECT_EQ(LocalStandardTimeOffset(), 3600);
}

TEST(Clock, ConversionsFollowDaylightSavingTime)
{
    ScopedTimeZone newYork("EST5EDT,M3.2.0,M11.1.0");
    // 2024-07-01 12:00 UTC is 08:00 EDT.
    std::time_t summer = 1719835200;
    WallClock clock = WallClockFromProgramTime(ProgramTimeFromUnixTime(summer));
    EXPECT_EQ(clock.year, 2024);
    EXPECT_EQ(clock.month, 7);
    EXPECT_EQ(clock.day, 1);
    EXPECT_EQ(clock.hour, 8);
    EXPECT_EQ(UnixTimeFromProgramTime(ProgramTimeFromUnixTime(summer)), summer);
    // 2024-01-15 12:00 UTC is 07:00 EST.
    EXPECT_EQ(WallClockFromProgramTime(ProgramTimeFromUnixTime(1705320000)).hour, 7);
}

TEST(Clock, WallClockRoundTripsAndRejectsOutOfRangeDates)
{
    ProgramTime time = 0;
    ASSERT_TRUE(ProgramTimeFromWallClock({ 1904, 1, 1, 0, 0, 0 }, time));
    EXPECT_EQ(time, 0u);
    ASSERT_TRUE(ProgramTimeFromWallClock({ 2036, 2, 29, 23, 59, 58 }, time));
    WallClock back = WallClockFromProgramTime(time);
    EXPECT_EQ(back.year, 2036);
    EXPECT_EQ(back.month, 2);
    EXPECT_EQ(back.day, 29);
    EXPECT_EQ(back.second, 58);
    EXPECT_FALSE(ProgramTimeFromWallClock({ 1903, 12, 31, 23, 59, 59 }, time));
    // The count runs out on 2040-02-06 06:28:15.
    EXPECT_TRUE(ProgramTimeFromWallClock({ 2040, 2, 6, 6, 28, 15 }, time));
    EXPECT_EQ(time, 4294967295u);
    EXPECT_FALSE(ProgramTimeFromWallClock({ 2040, 2, 6, 6, 28, 16 }, time));
    EXPECT_FALSE(ProgramTimeFromWallClock({ 2020, 13, 1, 0, 0, 0 }, time));
}

TEST(Clock, CurrentSecondsIsTodayInTheLocalZone)
{
    ScopedTimeZone tokyo("JST-9");
    ProgramTime now = GetCurrentSeconds();
    std::time_t unixNow = std::time(nullptr);
    EXPECT_NEAR(double(now), double(unixNow + kSecondsFrom1904To1970 + 9 * 3600), 2.0);
}
