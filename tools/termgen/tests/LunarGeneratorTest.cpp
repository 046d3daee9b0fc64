// The lunar calendar's generator: the rules on the months that test them
// (闰十一月 of 2033, a leap month without a 中气), the new moons closest to
// midnight, whose day the meridian and ΔT decide, and ΔT itself.
#include <gtest/gtest.h>

#include <cstdlib>

#include "CivilTime.h"
#include "LunarGenerator.h"

namespace {

using calendar::DateTime;
using calendar::DaysFromCivil;
using calendar::FormatSeconds;
using calendar::FromSeconds;
using calendar::kSecondsPerDay;

std::int64_t UtcOfDay(int year, int month, int day) {
    return std::int64_t{DaysFromCivil(year, month, day)} * kSecondsPerDay;
}

std::int64_t LocalSeconds(const termgen::NewMoon& m) {
    return m.utcSeconds + termgen::MeridianOffsetSeconds(m.utcSeconds);
}

// Every new moon of 1900-2100 within five minutes of midnight on the
// calendar's meridian, to the second: a small change in ΔT or in the
// ephemeris would move its month's first day. The common tables have the
// days these moments give (2057-09-29 begins 九月, 2097-08-07 begins 七月).
TEST(LunarGenerator, NewMoonsNearMidnightAreTheKnownOnes) {
    const char* const kNearMidnight[] = {
        "1933-07-23 00:03:04", "1954-02-03 23:55:22", "2013-06-08 23:56:16",
        "2018-11-08 00:02:01", "2019-03-07 00:03:57", "2027-02-06 23:56:02",
        "2057-09-29 00:00:03", "2089-09-04 23:57:34", "2097-08-07 23:59:42",
    };
    constexpr std::int64_t kWindow = 5 * 60;
    std::vector<std::string> found;
    for (const termgen::NewMoon& m : termgen::ComputeNewMoons(UtcOfDay(1900, 1, 1), UtcOfDay(2101, 1, 1))) {
        const std::int64_t local = LocalSeconds(m);
        const std::int64_t ofDay = (local % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
        if (ofDay <= kWindow || ofDay >= kSecondsPerDay - kWindow)
            found.push_back(FormatSeconds(FromSeconds(local)));
        // The day of a new moon is the local day that holds its moment.
        EXPECT_EQ(std::int64_t{m.day} * kSecondsPerDay, local - ofDay);
    }
    ASSERT_EQ(found.size(), std::size(kNearMidnight));
    for (std::size_t i = 0; i < found.size(); ++i) EXPECT_EQ(found[i], kNearMidnight[i]);
}

// 2033 has 闰十一月: the months between the 冬至 of 2033 and of 2034 are 13,
// and the first of them without a 中气 follows month 11. 2057's month 9
// starts on 2057-09-29 and 2097's month 7 on 2097-08-07.
TEST(LunarGenerator, MonthsOfTheHardYears) {
    const std::vector<termgen::LunarMonth> months = termgen::ComputeLunarMonths(2033, 2034);
    auto startOf = [&months](int number, bool leap, int gregorianYear) {
        for (const termgen::LunarMonth& m : months)
            if (m.number == number && m.leap == leap &&
                calendar::CivilFromDays(m.firstDay).year == gregorianYear)
                return calendar::FormatDate(FromSeconds(std::int64_t{m.firstDay} * kSecondsPerDay));
        return std::string("none");
    };
    EXPECT_EQ(startOf(11, false, 2033), "2033-11-22");
    EXPECT_EQ(startOf(11, true, 2033), "2033-12-22");
    EXPECT_EQ(startOf(12, false, 2034), "2034-01-20");

    int firstDay = 0;
    const auto codes2057 = termgen::ComputeLunarYearCodes(2057, 2057, firstDay);
    EXPECT_EQ(calendar::FormatDate(FromSeconds(std::int64_t{firstDay} * kSecondsPerDay)), "2057-02-04");
    const std::vector<termgen::LunarMonth> late = termgen::ComputeLunarMonths(2057, 2057);
    bool sawSeptember = false;
    for (const termgen::LunarMonth& m : late)
        if (m.firstDay == DaysFromCivil(2057, 9, 29)) {
            sawSeptember = true;
            EXPECT_EQ(m.number, 9);
        }
    EXPECT_TRUE(sawSeptember);
}

// The Espenak-Meeus polynomials at their published sample values.
TEST(LunarGenerator, DeltaTFollowsEspenakAndMeeus) {
    const struct {
        double year, seconds;
    } kSamples[] = {{1900, -2.79}, {1920, 21.20}, {1950, 29.07}, {1975, 45.45}, {2000, 63.86}, {2005, 64.69}};
    for (const auto& s : kSamples) EXPECT_NEAR(termgen::DeltaTSeconds(s.year), s.seconds, 0.05) << s.year;
    // Continuous across the joins of the pieces, to a fraction of a second.
    for (double join : {1900.0, 1920.0, 1941.0, 1961.0, 1986.0, 2005.0, 2050.0})
        EXPECT_NEAR(termgen::DeltaTSeconds(join - 1e-9), termgen::DeltaTSeconds(join), 1.0) << join;
}

// Beijing mean time is the meridian from 1912 through 1928.
TEST(LunarGenerator, MeridianOfTheCalendar) {
    constexpr std::int64_t kBeijingMean = 7 * 3600 + 45 * 60 + 40;
    EXPECT_EQ(termgen::MeridianOffsetSeconds(UtcOfDay(1911, 12, 31)), 8 * 3600);
    EXPECT_EQ(termgen::MeridianOffsetSeconds(UtcOfDay(1912, 1, 2)), kBeijingMean);
    EXPECT_EQ(termgen::MeridianOffsetSeconds(UtcOfDay(1928, 12, 30)), kBeijingMean);
    EXPECT_EQ(termgen::MeridianOffsetSeconds(UtcOfDay(1929, 1, 2)), 8 * 3600);
}

}  // namespace
