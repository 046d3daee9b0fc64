// The clock arithmetic of the conventions: the 子 hour keys, the equation of
// time against published values, the capitals, and China's summer time at
// the minutes around its clock changes.
#include <gtest/gtest.h>

#include <set>

#include "CivilTime.h"
#include "Conventions.h"

using namespace chart;

TEST(Conventions, ZiHourKeysRoundTrip) {
    for (ZiHour zi : {ZiHour::SameDay, ZiHour::Late, ZiHour::NextDay})
        EXPECT_EQ(ParseZiHour(ZiHourKey(zi)), zi);
    EXPECT_EQ(Conventions{}.zi, ZiHour::Late);
    EXPECT_TRUE(Conventions{}.dstCorrect);
    EXPECT_FALSE(ParseZiHour("early"));
    EXPECT_FALSE(ParseZiHour(""));
    Conventions c;
    EXPECT_EQ(TimeBasisKey(c), "clock");
    c.longitude = 0.0;
    EXPECT_EQ(TimeBasisKey(c), "true-solar");
}

// Meeus' worked example (1992-10-13 0h TD: +13 min 42.6 s) and the yearly
// extremes and zeros of the equation of time as almanacs print them.
TEST(Conventions, EquationOfTimeMatchesPublishedValues) {
    struct Case {
        const char* what;
        DateTime utc;
        double minutes, tolerance;
    } const cases[] = {
        {"Meeus example 28.b", {1992, 10, 13, 0, 0, 0}, 13.71, 0.02},
        {"February minimum", {2024, 2, 11, 12, 0, 0}, -14.23, 0.1},
        {"May maximum", {2024, 5, 14, 12, 0, 0}, 3.65, 0.1},
        {"July minimum", {2024, 7, 26, 12, 0, 0}, -6.53, 0.1},
        {"November maximum", {2024, 11, 3, 12, 0, 0}, 16.45, 0.1},
        {"near zero in mid-April", {2024, 4, 15, 12, 0, 0}, 0.0, 0.4},
        {"near zero in mid-June", {2024, 6, 13, 12, 0, 0}, 0.0, 0.4},
        {"near zero at the start of September", {2024, 9, 1, 12, 0, 0}, 0.0, 0.4},
        {"near zero at Christmas", {2024, 12, 25, 12, 0, 0}, 0.0, 0.4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(EquationOfTimeMinutes(ToSeconds(c.utc) + 8 * kSecondsPerHour), c.minutes, c.tolerance);
    }
}

TEST(Conventions, TrueSolarTimeAddsLongitudeAndEquation) {
    EXPECT_DOUBLE_EQ(LongitudeCorrectionMinutes(120), 0);
    EXPECT_DOUBLE_EQ(LongitudeCorrectionMinutes(135), 60);
    EXPECT_DOUBLE_EQ(LongitudeCorrectionMinutes(-60), -720);
    const std::int64_t noon = ToSeconds({2024, 11, 3, 12, 0, 0});
    // At 120°E only the equation of time moves the clock: about 16 min 27 s.
    EXPECT_NEAR(static_cast<double>(TrueSolarSeconds(noon, 120) - noon), 987, 6);
    // Lhasa at 91.12°E: 115.5 minutes behind, 16.45 ahead.
    EXPECT_NEAR(static_cast<double>(TrueSolarSeconds(noon, 91.12) - noon), (-115.52 + 16.45) * 60, 6);
}

TEST(Conventions, ProvincialCapitalsAreInChinaAndNamedOnce) {
    std::set<std::string_view> names;
    for (const Place& p : ProvincialCapitals()) {
        SCOPED_TRACE(std::string(p.name));
        EXPECT_TRUE(names.insert(p.name).second);
        EXPECT_GT(p.longitude, 73.5);   // China's westernmost point
        EXPECT_LT(p.longitude, 135.1);  // and its easternmost
    }
    EXPECT_DOUBLE_EQ(FindCapital("北京")->longitude, 116.40);
    EXPECT_DOUBLE_EQ(FindCapital("乌鲁木齐")->longitude, 87.63);
    EXPECT_FALSE(FindCapital("北平"));
}

TEST(Conventions, SummerTimeAroundTheClockChanges) {
    struct Case {
        DateTime clock;
        SummerClock expected;
    } const cases[] = {
        {{1985, 7, 1, 12, 0, 0}, SummerClock::Standard}, {{1986, 5, 4, 1, 59, 59}, SummerClock::Standard},
        {{1986, 5, 4, 2, 0, 0}, SummerClock::Skipped},   {{1986, 5, 4, 2, 59, 59}, SummerClock::Skipped},
        {{1986, 5, 4, 3, 0, 0}, SummerClock::Summer},    {{1986, 9, 14, 0, 59, 59}, SummerClock::Summer},
        {{1986, 9, 14, 1, 0, 0}, SummerClock::Repeated}, {{1986, 9, 14, 1, 59, 59}, SummerClock::Repeated},
        {{1986, 9, 14, 2, 0, 0}, SummerClock::Standard}, {{1991, 7, 1, 12, 0, 0}, SummerClock::Summer},
        {{1992, 7, 1, 12, 0, 0}, SummerClock::Standard},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(FormatSeconds(c.clock));
        const SummerTimeInfo info = ChinaSummerTime(ToSeconds(c.clock));
        EXPECT_EQ(info.clock, c.expected);
        if (c.expected != SummerClock::Standard) {
            EXPECT_EQ(FromSeconds(info.start).year, c.clock.year);
        }
    }
}

// Both sides of every clock change the time-zone database knows (1919, the
// 1940s, 1986-1991): the skipped hour, the summer, the repeated hour.
TEST(Conventions, SummerTimeEdgesOfEveryPeriod) {
    const std::vector<SummerPeriod> periods = ChinaSummerPeriods();
    ASSERT_EQ(periods.size(), 14u);
    for (const SummerPeriod& p : periods) {
        SCOPED_TRACE(FormatSeconds(FromSeconds(p.forward)));
        const struct {
            std::int64_t clock;
            SummerClock expected;
        } kEdges[] = {
            {p.forward - 1, SummerClock::Standard},
            {p.forward, SummerClock::Skipped},
            {p.forward + kSecondsPerHour - 1, SummerClock::Skipped},
            {p.forward + kSecondsPerHour, SummerClock::Summer},
            {p.back - 1, SummerClock::Summer},
            {p.back, SummerClock::Repeated},
            {p.back + kSecondsPerHour - 1, SummerClock::Repeated},
            {p.back + kSecondsPerHour, SummerClock::Standard},
        };
        for (const auto& e : kEdges) {
            const SummerTimeInfo info = ChinaSummerTime(e.clock);
            EXPECT_EQ(info.clock, e.expected) << FormatSeconds(FromSeconds(e.clock));
            if (e.expected != SummerClock::Standard) {
                EXPECT_EQ(info.start, p.forward);
                EXPECT_EQ(info.end, p.back);
            }
        }
    }
}

TEST(CivilTime, CountsDatesAndAddsCalendarSpans) {
    for (const DateTime t : {DateTime{1900, 1, 1, 0, 0, 0}, DateTime{1969, 12, 31, 23, 59, 59},
                             DateTime{2000, 2, 29, 12, 30, 1}, DateTime{2100, 12, 31, 23, 59, 59}}) {
        SCOPED_TRACE(FormatSeconds(t));
        EXPECT_EQ(FromSeconds(ToSeconds(t)), t);
    }
    EXPECT_EQ(ToSeconds({1970, 1, 1, 0, 0, 0}), 0);
    EXPECT_EQ(ToSeconds({1969, 12, 31, 23, 59, 59}), -1);
    EXPECT_EQ(FormatDate(AddCalendar({1975, 1, 1}, 8, 4, 10 * kSecondsPerDay)), "1983-05-11");
    EXPECT_EQ(FormatDate(AddCalendar({2024, 1, 31}, 0, 1, 0)), "2024-02-29");  // cut to the month's end
    EXPECT_EQ(FormatDate(AddCalendar({2023, 11, 30}, 1, 2, 29 * kSecondsPerDay)), "2025-02-28");
    EXPECT_EQ(
        FormatMinutes(AddCalendar({2024, 12, 25, 22, 30}, 0, 0, 10 * kSecondsPerDay + 2 * kSecondsPerHour)),
        "2025-01-05 00:30");
}
