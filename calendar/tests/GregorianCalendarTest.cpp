// The Gregorian month lengths every date check relies on.
#include <gtest/gtest.h>

#include <string>

#include "GregorianCalendar.h"

namespace {

TEST(GregorianCalendar, MonthLengthsAgreeWithTheCivilDayCount) {
    // The month lengths, checked for a leap and a common
    // year and the century rule, against the civil-day count.
    for (int year : {1900, 1975, 2000, 2024}) {
        for (int month = 1; month <= 12; ++month) {
            const int next = month == 12 ? 1 : month + 1;
            const int nextYear = month == 12 ? year + 1 : year;
            // Days from the first of this month to the first of the next.
            auto days = [](int y, int m) {
                y -= m <= 2;
                const int era = y / 400;
                const int yoe = y - era * 400;                                // [0, 399]
                const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5;       // [0, 365]
                return era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy;  // days from 0000-03-01
            };
            SCOPED_TRACE(std::to_string(year) + "-" + std::to_string(month));
            EXPECT_EQ(calendar::DaysInGregorianMonth(year, month), days(nextYear, next) - days(year, month));
        }
    }
}

TEST(GregorianCalendar, AMonthOutsideTheYearHasNoDays) {
    for (int month : {-1, 0, 13, 100}) {
        EXPECT_EQ(calendar::DaysInGregorianMonth(2024, month), 0) << month;
    }
}

}  // namespace
