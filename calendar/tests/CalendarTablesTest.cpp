// The generated lunar-year table against the codes as they were published
// (1921-2020) and as the common tables give them (2021-2049), and the span.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "CalendarTables.h"

using namespace calendar;

namespace {

// The lunar-year codes as printed, ten per line (1921-2020), then the 29 of
// 2021-2049 (facts/lunar_years_2021_2049.tsv).
constexpr const char* kPrintedCodes[] = {
    "00A4B, 5164B, 006A5, 006D4, 415B5, 002B6, 00957, 2092F, 00497, 60C96",  // 1921-1930
    "00D4A, 00EA5, 50DA9, 005AD, 002B6, 3126E, 0092E, 7192D, 00C95, 00D4A",  // 1931-1940
    "61B4A, 00B55, 0056A, 4155B, 0025D, 0092D, 2192B, 00A95, 71695, 006CA",  // 1941-1950
    "00B55, 50AB5, 004DA, 00A5B, 30A57, 0052B, 8152A, 00E95, 006AA, 615AA",  // 1951-1960
    "00AB5, 004B6, 414AE, 00A57, 00526, 31D26, 00D95, 70B55, 0056A, 0096D",  // 1961-1970
    "5095D, 004AD, 00A4D, 41A4D, 00D25, 81AA5, 00B54, 00B6A, 612DA, 0095B",  // 1971-1980
    "0049B, 41497, 00A4B, A164B, 006A5, 006D4, 615B4, 00AB6, 00957, 5092F",  // 1981-1990
    "00497, 0064B, 30D4A, 00EA5, 80D65, 005AC, 00AB6, 5126D, 0092E, 00C96",  // 1991-2000
    "41A95, 00D4A, 00DA5, 20B55, 0056A, 7155B, 0025D, 0092D, 5192B, 00A95",  // 2001-2010
    "00B4A, 416AA, 00AD5, 90AB5, 004BA, 00A5B, 60A57, 0052B, 00A93, 40E95",  // 2011-2020
    "006AA, 00AD5, 209B5, 004B6, 614AE, 00A4E, 00D26, 51D26, 00D53, 005AA",  // 2021-2030
    "30D6A, 0096D, B095D, 004AD, 00A4D, 61A4B, 00D25, 00D52, 51B54, 00B5A",  // 2031-2040
    "0056D, 2095B, 0049B, 71497, 00A4B, 00AA5, 516A5, 006D2, 00ADA",         // 2041-2049
};

TEST(CalendarTables, LunarYearTableEncodesToThePrintedCodes) {
    constexpr int kFirstPrinted = 1921, kLastPrinted = 2049;
    for (int line = 0; kFirstPrinted + line * 10 <= kLastPrinted; ++line) {
        std::string encoded;
        const int first = kFirstPrinted - kFirstLunarYear + line * 10;
        for (int i = first; i < std::min(first + 10, kLastPrinted - kFirstLunarYear + 1); ++i) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%05X", static_cast<unsigned>(kLunarYearTable[i]));
            if (!encoded.empty()) encoded += ", ";
            encoded += hex;
        }
        EXPECT_EQ(encoded, kPrintedCodes[line]) << "years from " << 1921 + line * 10;
    }
}

TEST(CalendarTables, MonthLengthsOf1922FollowTheBitsFromTheTop) {
    // 5164B: leap month after month 5, bits 1011001001011.
    const int expected[13] = {30, 29, 30, 30, 29, 29, 30, 29, 29, 30, 29, 30, 30};
    const std::uint32_t code = kLunarYearTable[1922 - kFirstLunarYear];
    ASSERT_EQ(MonthCount(code), 13);
    EXPECT_EQ(LeapMonthOf(code), 5);
    for (int p = 1; p <= 13; ++p) EXPECT_EQ(MonthLength(code, p), expected[p - 1]) << "position " << p;
}

// Lunar new years the tables everybody uses agree on, at both ends of the
// span and where the calendar's meridian was Beijing mean time.
TEST(CalendarTables, LunarNewYearsFallOnTheirKnownDays) {
    const struct {
        int year;
        CivilDate newYear;
    } kNewYears[] = {
        {1900, {1900, 1, 31}}, {1901, {1901, 2, 19}}, {1912, {1912, 2, 18}}, {1920, {1920, 2, 20}},
        {1921, {1921, 2, 8}},  {1929, {1929, 2, 10}}, {2000, {2000, 2, 5}},  {2050, {2050, 1, 23}},
        {2057, {2057, 2, 4}},  {2099, {2099, 1, 21}}, {2100, {2100, 2, 9}},
    };
    for (const auto& n : kNewYears) {
        SCOPED_TRACE(n.year);
        EXPECT_EQ(kLunarYearStart[n.year - kFirstLunarYear],
                  LunarDayNumber(n.newYear.year, n.newYear.month, n.newYear.day));
    }
}

// Every year has 12 or 13 months of 29 or 30 days, 353-355 or 383-385 days.
TEST(CalendarTables, EveryYearHasTheLengthOfALunarYear) {
    for (int i = 0; i < kLunarYearCount; ++i) {
        SCOPED_TRACE(kFirstLunarYear + i);
        const int days = YearLength(kLunarYearTable[i]);
        if (MonthCount(kLunarYearTable[i]) == 12)
            EXPECT_TRUE(days >= 353 && days <= 355) << days;
        else
            EXPECT_TRUE(days >= 383 && days <= 385) << days;
    }
}

}  // namespace
