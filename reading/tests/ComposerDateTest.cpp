// Which birth records the composer reads and which it answers with the
// invalid-date message, and the dates it reads them as.
#include <gtest/gtest.h>

#include "ComposeDate.h"
#include "ReadingComposer.h"

namespace {

BirthRecord Birth(int kind, int year, int month, int day, int hour, int leap = 0) {
    BirthRecord b{};
    b.CalendarKind = kind;
    b.year = year;
    b.month = month;
    b.day = day;
    b.hour = hour;
    b.leap = static_cast<std::uint8_t>(leap);
    return b;
}

constexpr int G = kGregorianCalendar;
constexpr int L = kLunarCalendar;

TEST(ComposerDate, InvalidDatesAreRefusedBeforeAnyQuery) {
    struct Case {
        const char* name;
        BirthRecord birth;
    };
    const Case cases[] = {
        {"Feb 31 (was read as Mar 3)", Birth(G, 1975, 2, 31, 0)},
        {"Feb 29 of a common year", Birth(G, 1975, 2, 29, 0)},
        {"Feb 30 of a leap year", Birth(G, 2000, 2, 30, 0)},
        {"Apr 31", Birth(G, 1990, 4, 31, 12)},
        {"day 0", Birth(G, 1990, 4, 0, 12)},
        {"day 32", Birth(G, 1990, 1, 32, 12)},
        {"negative day", Birth(G, 1990, 1, -1, 12)},
        {"month 0", Birth(G, 1990, 0, 1, 12)},
        {"month 13", Birth(G, 1990, 13, 1, 12)},
        {"hour 24", Birth(G, 1990, 1, 1, 24)},
        {"hour -1", Birth(G, 1990, 1, 1, -1)},
        {"day before the calendar's span", Birth(G, 1900, 1, 30, 0)},
        {"day after the calendar's span", Birth(G, 2101, 1, 1, 0)},
        {"lunar day after the span", Birth(L, 2100, 12, 2, 0)},
        {"negative year", Birth(G, -1975, 1, 1, 0)},
        {"year beyond 16 bits (would wrap to 1975)", Birth(G, 65536 + 1975, 1, 1, 0)},
        {"lunar day 30 of a 29-day month", Birth(L, 1999, 2, 30, 0)},
        {"lunar day 31", Birth(L, 1990, 1, 31, 0)},
        {"lunar leap flag in a year without leap month", Birth(L, 1975, 3, 1, 0, 1)},
        {"lunar leap flag 2", Birth(L, 1990, 5, 10, 0, 2)},
        {"lunar month 13", Birth(L, 1990, 13, 1, 0)},
        {"lunar hour 24", Birth(L, 1990, 5, 10, 24, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(ConvertBirthDate(CLunarCalendar{}, c.birth).has_value());
        // A null connection would throw on the first query: none is run.
        EXPECT_FALSE(ComposeReport(c.birth, nullptr, SYSTEMTIME{}).has_value());
    }
}

TEST(ComposerDate, ValidDatesInBothCalendars) {
    struct Case {
        const char* name;
        BirthRecord birth;
        SYSTEMTIME solar;  // year, month, day, hour
        SYSTEMTIME lunar;
        int leap;
    };
    auto t = [](int y, int m, int d, int h) {
        SYSTEMTIME s{};
        s.wYear = static_cast<std::uint16_t>(y);
        s.wMonth = static_cast<std::uint16_t>(m);
        s.wDay = static_cast<std::uint16_t>(d);
        s.wHour = static_cast<std::uint16_t>(h);
        return s;
    };
    const Case cases[] = {
        {"the form's default date", Birth(G, 1975, 1, 1, 0), t(1975, 1, 1, 0), t(1974, 11, 19, 0), 0},
        {"Feb 29 of a leap year", Birth(G, 2000, 2, 29, 5), t(2000, 2, 29, 5), t(2000, 1, 25, 5), 0},
        {"Dec 31", Birth(G, 1975, 12, 31, 23), t(1975, 12, 31, 23), t(1975, 11, 29, 23), 0},
        {"leap fifth month, hour 23", Birth(L, 1990, 5, 10, 23, 1), t(1990, 7, 2, 23), t(1990, 5, 10, 23), 1},
        {"ordinary fifth month", Birth(L, 1990, 5, 10, 23, 0), t(1990, 6, 2, 23), t(1990, 5, 10, 23), 0},
        {"lunar day 30 of a 30-day month", Birth(L, 2000, 2, 30, 8), t(2000, 4, 4, 8), t(2000, 2, 30, 8), 0},
        {"any calendar kind but 0 is lunar", Birth(7, 2020, 4, 1, 0, 1), t(2020, 5, 23, 0), t(2020, 4, 1, 0),
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto dates = ConvertBirthDate(CLunarCalendar{}, c.birth);
        ASSERT_TRUE(dates.has_value());
        EXPECT_EQ(dates->solar.wYear, c.solar.wYear);
        EXPECT_EQ(dates->solar.wMonth, c.solar.wMonth);
        EXPECT_EQ(dates->solar.wDay, c.solar.wDay);
        EXPECT_EQ(dates->solar.wHour, c.solar.wHour);
        EXPECT_EQ(dates->lunar.wYear, c.lunar.wYear);
        EXPECT_EQ(dates->lunar.wMonth, c.lunar.wMonth);
        EXPECT_EQ(dates->lunar.wDay, c.lunar.wDay);
        EXPECT_EQ(dates->lunar.wHour, c.lunar.wHour);
        EXPECT_EQ(dates->leap, c.leap);
    }
}

}  // namespace
