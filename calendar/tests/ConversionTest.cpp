// Gregorian <-> lunar conversion: named boundary cases, exhaustive round
// trips over the whole span, and the engine against the literal algorithms.
#include <gtest/gtest.h>

#include <vector>

#include "CalendarTables.h"
#include "LunarCalendar.h"
#include "ReferenceCalendar.h"

using namespace calendar;

namespace {

constexpr SYSTEMTIME kSentinel{9999, 99, 99, 99, 99, 99, 99, 99};
constexpr int kLeapSentinel = 77;

constexpr auto Date = [](int y, int m, int d, int h = 0) { return MakeSystemTime(y, m, d, h); };

struct SolarCase {
    const char* name;
    SYSTEMTIME solar;
    bool ok;
    SYSTEMTIME lunar;
    int leap;
};

const SolarCase kSolarCases[] = {
    {"first supported day", Date(1900, 1, 31), true, Date(1900, 1, 1), 0},
    {"day before the span", Date(1900, 1, 30), false, {}, 0},
    {"long before the span", Date(1899, 6, 1), false, {}, 0},
    {"lunar new year 1921", Date(1921, 2, 8), true, Date(1921, 1, 1), 0},
    {"last day of the first century of lunar years", Date(2021, 2, 11), true, Date(2020, 12, 30), 0},
    {"first day after the first century of lunar years", Date(2021, 2, 12), true, Date(2021, 1, 1), 0},
    {"2050-01-22", Date(2050, 1, 22), true, Date(2049, 12, 29), 0},
    {"lunar new year 2050", Date(2050, 1, 23), true, Date(2050, 1, 1), 0},
    {"闰十一月 of 2033", Date(2033, 12, 22), true, Date(2033, 11, 1), 1},
    {"a month whose new moon is 3 s after midnight", Date(2057, 9, 29), true, Date(2057, 9, 1), 0},
    {"a month whose new moon is 18 s before midnight", Date(2097, 8, 7), true, Date(2097, 7, 1), 0},
    {"last supported day", Date(2100, 12, 31), true, Date(2100, 12, 1), 0},
    {"day after the span", Date(2101, 1, 1), false, {}, 0},
    {"2000-01-01", Date(2000, 1, 1, 12), true, Date(1999, 11, 25, 12), 0},
    {"the main form's default date", Date(1975, 1, 1), true, Date(1974, 11, 19), 0},
    {"1925-01-01", Date(1925, 1, 1, 23), true, Date(1924, 12, 7, 23), 0},
    {"first day of a leap month", Date(2020, 5, 23), true, Date(2020, 4, 1), 1},
    {"first day of the month before it", Date(2020, 4, 23), true, Date(2020, 4, 1), 0},
    {"February 31 counts on into March", Date(1975, 2, 31), true, Date(1975, 1, 21), 0},
    {"month 0 is refused", Date(2000, 0, 15), false, {}, 0},
    {"month 13 is refused", Date(2000, 13, 1), false, {}, 0},
    {"month 65535 is refused", Date(2000, 65535, 1), false, {}, 0},
};

TEST(SolarToLunar, NamedCases) {
    const CLunarCalendar cal;
    for (const SolarCase& c : kSolarCases) {
        SCOPED_TRACE(c.name);
        SYSTEMTIME lunar = kSentinel;
        int leap = kLeapSentinel;
        ASSERT_EQ(cal.SolarToLunar(c.solar, lunar, leap), c.ok);
        if (c.ok) {
            EXPECT_EQ(lunar, c.lunar);
            EXPECT_EQ(leap, c.leap);
        } else {
            EXPECT_EQ(lunar, kSentinel);
            EXPECT_EQ(leap, kLeapSentinel);
        }
    }
}

struct LunarCase {
    const char* name;
    SYSTEMTIME lunar;
    int leap;
    bool ok;
    SYSTEMTIME solar;
};

const LunarCase kLunarCases[] = {
    {"leap month 4 of 2020", Date(2020, 4, 1, 7), 1, true, Date(2020, 5, 23, 7)},
    {"ordinary month 4 of 2020", Date(2020, 4, 1), 0, true, Date(2020, 4, 23)},
    {"leap month 10 of 1984", Date(1984, 10, 1), 1, true, Date(1984, 11, 23)},
    {"day 30 searched from February 29", Date(2000, 2, 30), 0, true, Date(2000, 4, 4)},
    {"day 30 of a 29-day month", Date(1999, 2, 30), 0, false, {}},
    {"leap flag in a year without leap month", Date(1975, 3, 1), 1, false, {}},
    {"leap flag for the wrong month", Date(2020, 5, 1), 1, false, {}},
    {"leap flag 2", Date(2020, 4, 1), 2, false, {}},
    {"leap flag -1", Date(2020, 4, 1), -1, false, {}},
    {"last day of lunar 2020", Date(2020, 12, 30), 0, true, Date(2021, 2, 11)},
    {"lunar new year 1925", Date(1925, 1, 1), 0, true, Date(1925, 1, 24)},
    {"first day of the table (search starts before it)", Date(1900, 1, 1), 0, true, Date(1900, 1, 31)},
    {"lunar new year 1921", Date(1921, 1, 1), 0, true, Date(1921, 2, 8)},
    {"lunar 1921 month 1 day 30", Date(1921, 1, 30), 0, true, Date(1921, 3, 9)},
    {"lunar 1921 month 2 day 7", Date(1921, 2, 7), 0, true, Date(1921, 3, 16)},
    {"lunar new year 2021", Date(2021, 1, 1), 0, true, Date(2021, 2, 12)},
    {"leap 11th month of 2033", Date(2033, 11, 1), 1, true, Date(2033, 12, 22)},
    {"last day of the span", Date(2100, 12, 1), 0, true, Date(2100, 12, 31)},
    {"lunar 2100/12/2 lies in 2101", Date(2100, 12, 2), 0, false, {}},
    {"lunar 2101 does not exist", Date(2101, 1, 1), 0, false, {}},
    {"lunar 1899 does not exist", Date(1899, 12, 1), 0, false, {}},
    {"month 0", Date(2000, 0, 1), 0, false, {}},
    {"month 13", Date(2000, 13, 1), 0, false, {}},
    {"day 0", Date(2000, 1, 0), 0, false, {}},
    {"day 31", Date(2000, 1, 31), 0, false, {}},
};

TEST(LunarToSolar, NamedCases) {
    const CLunarCalendar cal;
    for (const LunarCase& c : kLunarCases) {
        SCOPED_TRACE(c.name);
        SYSTEMTIME solar = kSentinel;
        ASSERT_EQ(cal.LunarToSolar(c.lunar, c.leap, solar), c.ok);
        EXPECT_EQ(solar, c.ok ? c.solar : kSentinel);
    }
}

// Every day of the span converts to lunar and back to itself; the lunar day
// goes up by one or restarts at 1 in the next month; the hour passes through.
TEST(Conversion, EveryDayOfTheSpanRoundTrips) {
    const CLunarCalendar cal;
    SYSTEMTIME previous{};
    int previousLeap = 0;
    int count = 0;
    for (int z = DaysFromCivil(1900, 1, 31); z <= DaysFromCivil(2100, 12, 31); ++z, ++count) {
        const CivilDate d = CivilFromDays(z);
        const SYSTEMTIME solar = Date(d.year, d.month, d.day, z % 24);
        SYSTEMTIME lunar;
        int leap = 0;
        ASSERT_TRUE(cal.SolarToLunar(solar, lunar, leap)) << d.year << '-' << d.month << '-' << d.day;
        EXPECT_EQ(lunar.wHour, solar.wHour);
        SYSTEMTIME back;
        ASSERT_TRUE(cal.LunarToSolar(lunar, leap, back));
        ASSERT_EQ(back, solar);
        if (count > 0) {
            if (lunar.wDay == 1) {
                const bool nextMonth = lunar.wMonth == previous.wMonth + 1 && leap == 0;
                const bool leapMonth = lunar.wMonth == previous.wMonth && leap == 1 && previousLeap == 0;
                const bool nextYear = lunar.wYear == previous.wYear + 1 && lunar.wMonth == 1;
                ASSERT_TRUE(nextMonth || leapMonth || nextYear) << d.year << '-' << d.month << '-' << d.day;
                ASSERT_GE(previous.wDay, 29);
            } else {
                ASSERT_EQ(lunar.wDay, previous.wDay + 1);
                ASSERT_EQ(lunar.wMonth, previous.wMonth);
                ASSERT_EQ(leap, previousLeap);
            }
        }
        previous = lunar;
        previousLeap = leap;
    }
    EXPECT_EQ(count, kLastDayNumber);
}

// Every lunar date that exists converts to Gregorian and back; the ones
// that do not exist, or lie after 2100-12-31, fail.
TEST(Conversion, EveryLunarDateThatExistsRoundTrips) {
    const CLunarCalendar cal;
    int existing = 0;
    for (int year = kFirstLunarYear; year <= kLastLunarYear; ++year) {
        const std::uint32_t code = kLunarYearTable[year - kFirstLunarYear];
        for (int month = 1; month <= 12; ++month)
            for (int leap = 0; leap <= 1; ++leap) {
                const bool monthExists = leap == 0 || LeapMonthOf(code) == month;
                const int position = month + (leap || (LeapMonthOf(code) && month > LeapMonthOf(code)));
                const int length = monthExists ? MonthLength(code, position) : 0;
                for (int day = 1; day <= 30; ++day) {
                    SYSTEMTIME solar = kSentinel;
                    const bool ok = cal.LunarToSolar(Date(year, month, day, 5), leap, solar);
                    const bool inSpan = year < kLastLunarYear || month < 12 || day == 1;  // 2100/12/1 = 12-31
                    ASSERT_EQ(ok, day <= length && inSpan)
                        << year << '/' << month << '/' << day << " leap " << leap;
                    if (!ok) continue;
                    ++existing;
                    SYSTEMTIME lunar;
                    int back = -1;
                    ASSERT_TRUE(cal.SolarToLunar(solar, lunar, back));
                    ASSERT_EQ(lunar, Date(year, month, day, 5));
                    ASSERT_EQ(back, leap);
                }
            }
    }
    EXPECT_EQ(existing, kLastDayNumber);
}

// The engine gives the literal walk's answer for every Gregorian date of
// 1898-2102, including days 0 and 32-33, and a sample of far-off inputs.
TEST(Conversion, SolarToLunarMatchesTheLiteralWalk) {
    const CLunarCalendar cal;
    auto check = [&](const SYSTEMTIME& solar) {
        SYSTEMTIME fast = kSentinel, slow = kSentinel;
        int fastLeap = kLeapSentinel, slowLeap = kLeapSentinel;
        const bool fastOk = cal.SolarToLunar(solar, fast, fastLeap);
        const bool slowOk = reference::SolarToLunar(solar, slow, slowLeap);
        ASSERT_EQ(fastOk, slowOk) << solar.wYear << '-' << solar.wMonth << '-' << solar.wDay;
        ASSERT_EQ(fast, slow);
        ASSERT_EQ(fastLeap, slowLeap);
    };
    for (int y = 1898; y <= 2102; ++y)
        for (int m = 0; m <= 13; ++m)
            for (int d = 0; d <= 33; ++d) check(Date(y, m, d, d % 24));
    for (int y : {0, 1, 1000, 1899, 2100, 2101, 9999, 65535})
        for (int m = 1; m <= 12; ++m)
            for (int d : {100, 365, 400, 1000, 65535}) check(Date(y, m, d));
}

// The engine gives the literal 100-day search's answer for every lunar
// input of 1898-2102 (months 0-13, days 0-32, leap flags 0-2).
TEST(Conversion, LunarToSolarMatchesTheLiteralSearch) {
    const CLunarCalendar cal;
    // The engine's Gregorian -> lunar answers (proven equal to the literal walk
    // above), looked up by day number so the 100-day searches stay quick.
    struct Answer {
        SYSTEMTIME lunar;
        int leap;
    };
    std::vector<Answer> answers(kLastDayNumber + 1);
    for (int c = 1; c <= kLastDayNumber; ++c) {
        const CivilDate d = CivilFromDays(kFirstDayCivil + c - 1);
        ASSERT_TRUE(cal.SolarToLunar(Date(d.year, d.month, d.day), answers[c].lunar, answers[c].leap));
    }
    auto toLunar = [&](const SYSTEMTIME& s, SYSTEMTIME& l, int& leap) {
        const int c = LunarDayNumber(s.wYear, s.wMonth, s.wDay);
        if (c < 1 || c > kLastDayNumber) return false;
        l = answers[c].lunar;
        l.wHour = s.wHour;
        leap = answers[c].leap;
        return true;
    };
    for (int y = 1898; y <= 2102; ++y)
        for (int m = 0; m <= 13; ++m)
            for (int d = 0; d <= 32; ++d)
                for (int leap = 0; leap <= 2; ++leap) {
                    const SYSTEMTIME lunar = Date(y, m, d, 3);
                    SYSTEMTIME fast = kSentinel, slow = kSentinel;
                    const bool fastOk = cal.LunarToSolar(lunar, leap, fast);
                    const bool slowOk = reference::LunarToSolar(lunar, leap, slow, toLunar);
                    ASSERT_EQ(fastOk, slowOk) << y << '/' << m << '/' << d << " leap " << leap;
                    ASSERT_EQ(fast, slow);
                }
}

// Every lunar date lies 19 to 55 days after the Gregorian date with its
// numbers (the clamped start), so the 100-day search reaches all of them.
TEST(Conversion, EveryLunarDateLiesWellInsideTheSearchWindow) {
    const CLunarCalendar cal;
    int least = 1000, most = -1000;
    for (int z = DaysFromCivil(1900, 4, 1); z <= DaysFromCivil(2100, 12, 31); ++z) {
        const CivilDate d = CivilFromDays(z);
        SYSTEMTIME lunar;
        int leap = 0;
        ASSERT_TRUE(cal.SolarToLunar(Date(d.year, d.month, d.day), lunar, leap));
        const int startDay =
            std::min<int>(lunar.wDay, reference::GregorianMonthDays(lunar.wYear, lunar.wMonth));
        const int offset = z - DaysFromCivil(lunar.wYear, lunar.wMonth, startDay);
        least = std::min(least, offset);
        most = std::max(most, offset);
    }
    EXPECT_GE(least, 19);
    EXPECT_LE(most, 55);
}

TEST(DaysBetween, CountsCalendarDays) {
    const CLunarCalendar cal;
    const SYSTEMTIME epoch = Date(1970, 1, 1);
    EXPECT_EQ(cal.DaysBetween(epoch, Date(1970, 1, 1, 23)), 0);
    EXPECT_EQ(cal.DaysBetween(epoch, Date(2000, 1, 1)), 10957);
    EXPECT_EQ(cal.DaysBetween(epoch, Date(1949, 10, 1)), -7397);
    EXPECT_EQ(cal.DaysBetween(Date(2000, 1, 1), epoch), -10957);
    EXPECT_EQ(cal.DaysBetween(epoch, Date(2100, 3, 1)) - cal.DaysBetween(epoch, Date(2100, 2, 28)), 1);
    EXPECT_EQ(cal.DaysBetween(Date(1975, 2, 31), Date(1975, 3, 3)), 0);
    EXPECT_EQ(cal.DaysBetween(Date(1975, 3, 0), Date(1975, 2, 28)), 0);
    // Months outside 1-12 carry into the year instead of reading past a table.
    EXPECT_EQ(cal.DaysBetween(Date(2000, 13, 1), Date(2001, 1, 1)), 0);
    EXPECT_EQ(cal.DaysBetween(Date(2000, 0, 1), Date(1999, 12, 1)), 0);
    for (int z = DaysFromCivil(1900, 1, 1); z <= DaysFromCivil(2100, 12, 31); ++z) {
        const CivilDate d = CivilFromDays(z);
        ASSERT_EQ(cal.DaysBetween(epoch, Date(d.year, d.month, d.day)), z);
    }
}

// The 节 of a month at its moment, for the table's years 1900-2101 only.
TEST(GetMonthTermDate, GivesTheMomentOfTheMonthsSectionTerm) {
    const CLunarCalendar cal;
    SYSTEMTIME term = kSentinel;
    ASSERT_TRUE(cal.GetMonthTermDate(Date(1900, 1, 20, 13), term));
    EXPECT_EQ(term, (SYSTEMTIME{1900, 1, 0, 6, 2, 3, 57, 0}));  // 小寒 1900-01-06 02:03:57
    ASSERT_TRUE(cal.GetMonthTermDate(Date(2024, 2, 1), term));
    EXPECT_EQ(term, (SYSTEMTIME{2024, 2, 0, 4, 16, 27, 8, 0}));  // 立春 2024-02-04 16:27:08
    ASSERT_TRUE(cal.GetMonthTermDate(Date(1991, 5, 1), term));   // 立夏 1991 on the 6th, not the 7th
    EXPECT_EQ(term.wDay, 6);
    ASSERT_TRUE(cal.GetMonthTermDate(Date(2100, 12, 1), term));
    EXPECT_EQ(term.wDay, 7);

    for (const SYSTEMTIME& outside :
         {Date(1899, 12, 1), Date(2102, 1, 1), Date(2000, 0, 1), Date(2000, 13, 1)}) {
        term = kSentinel;
        EXPECT_FALSE(cal.GetMonthTermDate(outside, term));
        EXPECT_EQ(term, kSentinel);
    }
}

}  // namespace
