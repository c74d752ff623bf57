#include "platform/Clock.h"
#include "transport/Sha1.h"
#include "transport/TimeText.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

namespace {

ProgramTime Local(int year, int month, int day, int hour, int minute, int second)
{
    ProgramTime time = 0;
    EXPECT_TRUE(ProgramTimeFromWallClock({ year, month, day, hour, minute, second }, time));
    return time;
}

}

TEST(TimeText, FormatsUtcAndLocalWithOffset)
{
    ScopedTimeZone zone("XXX-2");
    ProgramTime noon = Local(2006, 7, 1, 12, 0, 0);
    EXPECT_EQ(FormatTime(noon, true), "2006-07-01T10:00:00Z");
    EXPECT_EQ(FormatTime(noon, false), "2006-07-01T12:00:00+0200");
}

TEST(TimeText, FormatsNegativeAndHalfHourOffsets)
{
    {
        ScopedTimeZone zone("EST5EDT,M3.2.0,M11.1.0");
        EXPECT_EQ(FormatTime(Local(2006, 1, 15, 8, 30, 5), false), "2006-01-15T08:30:05-0500");
        EXPECT_EQ(FormatTime(Local(2006, 7, 15, 8, 30, 5), false), "2006-07-15T08:30:05-0400");
        EXPECT_EQ(FormatTime(Local(2006, 7, 15, 22, 0, 0), true), "2006-07-16T02:00:00Z");
    }
    ScopedTimeZone india("IST-5:30");
    EXPECT_EQ(FormatTime(Local(2006, 7, 1, 12, 0, 0), false), "2006-07-01T12:00:00+0530");
}

TEST(TimeText, ParsesUtcIntoLocalAndTakesOtherTimesAsLocal)
{
    ScopedTimeZone zone("XXX-2");
    EXPECT_EQ(ParseTime("2006-07-01T10:00:00Z"), Local(2006, 7, 1, 12, 0, 0));
    EXPECT_EQ(ParseTime("2006-07-01T10:00:00+0200"), Local(2006, 7, 1, 10, 0, 0)) << "the offset is not applied";
    EXPECT_EQ(ParseTime("2006-07-01T10:00:00"), Local(2006, 7, 1, 10, 0, 0));
    EXPECT_EQ(ParseTime(FormatTime(Local(2010, 12, 31, 23, 59, 59), true)), Local(2010, 12, 31, 23, 59, 59));
}

TEST(TimeText, MalformedTextGivesZero)
{
    EXPECT_EQ(ParseTime(""), 0u);
    EXPECT_EQ(ParseTime("2006-07-01"), 0u) << "too short: nothing is read beyond the text";
    EXPECT_EQ(ParseTime("2006-07-01T1x:00:00Z"), 0u);
    EXPECT_EQ(ParseTime("2006-13-01T10:00:00Z"), 0u);
}

TEST(Sha1, MatchesTheStandardVectors)
{
    auto hex = [](const Sha1Digest& digest) {
        std::string text;
        char pair[3];
        for (auto byte : digest) {
            std::snprintf(pair, sizeof pair, "%02x", byte);
            text += pair;
        }
        return text;
    };
    EXPECT_EQ(hex(Sha1("abc")), "a9993e364706816aba3e25717850c26c9cd0d89d");
    EXPECT_EQ(hex(Sha1("")), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
    EXPECT_EQ(hex(Sha1(std::string(1000000, 'a'))), "34aa973cd4c4daa4f61eeb2bdbad27316534016f");
}
