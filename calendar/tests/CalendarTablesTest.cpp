// Decodes the calendar tables back into the digit groups and codes as they
// were published, so a mistyped cell fails here, and checks the span.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "CalendarTables.h"

using namespace calendar;

namespace {

// The 节 days as printed, twelve digits (January..December) per year.
constexpr const char* kPrintedTermDays[] = {
    "646566888988 656667888988 657677899988 756566788887 646566888988 656666888988 657677899988 756566788987 "
    "646566888988 656666888988",  // 1901-1910
    "657677899988 756566788987 646566888988 646566888988 656667889988 656566788887 646566888987 646566888988 "
    "656667889988 656566788887",  // 1911-1920
    "646566888987 646566888988 656667889988 656566788887 646566888987 646566888988 656667888988 656566788877 "
    "646566788887 646566888988",  // 1921-1930
    "656667888988 656566788877 646566788987 646566888988 656666888988 656566788877 646566788987 646566888988 "
    "656666888988 656566788877",  // 1931-1940
    "646566788987 646566888988 656666888988 656556788877 646566788887 646566888988 646566888988 655556778877 "
    "546566788887 646566888988",  // 1941-1950
    "646566888988 655556778877 546566788887 646566888987 646566888988 655556778877 546566788887 646566788987 "
    "646566888988 655556777877",  // 1951-1960
    "546566788877 646566788987 646566888988 655556777877 546566788877 646566788987 646566888988 655555777877 "
    "546566788877 646566788987",  // 1961-1970
    "646566888988 655555777877 546556788877 646566788987 646566888988 655455777877 546566778877 646566788887 "
    "646566888988 655455777877",  // 1971-1980
    "546556778887 646566788887 646566888988 645455777877 545556778877 546566788887 646566788987 645455777877 "
    "545556777877 546566788887",  // 1981-1990
    "646576788987 645455777877 545556777877 546566788877 646566788987 645455777877 545555777877 546566788877 "
    "646566788987 645455777877",  // 1991-2000
    "545555777877 546566788877 646566788987 645455777877 545555777877 546556778877 646566788987 645455777877 "
    "545455777877 546556778877",  // 2001-2010
    "646566788887 645455777877 545455777877 546556778877 646566788887 645455777877 535455777877 545556778877 "
    "546566788887 645455677877",  // 2011-2020
    "535455777877 545556777877 546566788887 645455677876 535455777877 545555777877 546566788877 645455677876 "
    "535455777877 545555777877",  // 2021-2030
    "546566788877 645455677876 535455777877 545555787877 546556778877 645455677876 535455777877 545555777877 "
    "546556778877 645455677876",  // 2031-2040
    "535455777877 545455777877 546556778877 645455677776 535455777877 545455777877 546556778877 645455677776 "
    "535555677877 535455778877",  // 2041-2050
};

// The lunar-year codes as printed, ten per line (1921-2020), then the 29 of 2021-2049.
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

TEST(CalendarTables, SolarTermTableDecodesToThePrintedDays) {
    for (int decade = 0; decade < 15; ++decade) {
        std::string decoded;
        for (int year = 0; year < 10; ++year) {
            if (year) decoded += ' ';
            for (int month = 0; month < 12; ++month)
                decoded +=
                    static_cast<char>('0' + 15 - (kSolarTermTable[(decade * 10 + year) * 12 + month] >> 4));
        }
        EXPECT_EQ(decoded, kPrintedTermDays[decade]) << "years from " << 1901 + decade * 10;
    }
}

TEST(CalendarTables, LunarYearTableEncodesToThePrintedCodes) {
    for (int line = 0; line * 10 < kLunarYearCount; ++line) {
        std::string encoded;
        for (int i = line * 10; i < std::min(line * 10 + 10, kLunarYearCount); ++i) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%05X", static_cast<unsigned>(kLunarYearTable[i]));
            if (!encoded.empty()) encoded += ", ";
            encoded += hex;
        }
        EXPECT_EQ(encoded, kPrintedCodes[line]) << "years from " << 1921 + line * 10;
    }
}

TEST(CalendarTables, FirstTermByteOf1901) {
    // 小寒 1901 on January 6; the low nibble is not kept.
    EXPECT_EQ(kSolarTermTable[0], 0x90);
}

TEST(CalendarTables, MonthLengthsOf1922FollowTheBitsFromTheTop) {
    // 5164B: leap month after month 5, bits 1011001001011.
    const int expected[13] = {30, 29, 30, 30, 29, 29, 30, 29, 29, 30, 29, 30, 30};
    const std::uint32_t code = kLunarYearTable[1922 - kFirstLunarYear];
    ASSERT_EQ(MonthCount(code), 13);
    EXPECT_EQ(LeapMonthOf(code), 5);
    for (int p = 1; p <= 13; ++p) EXPECT_EQ(MonthLength(code, p), expected[p - 1]) << "position " << p;
}

TEST(CalendarTables, DayNumberAgreesWithTheCivilCalendarFrom1921To2099) {
    for (int z = DaysFromCivil(1921, 1, 1); z <= DaysFromCivil(2099, 12, 31); ++z) {
        const CivilDate d = CivilFromDays(z);
        ASSERT_EQ(DaysFromCivil(d.year, d.month, d.day), z);
        ASSERT_EQ(LunarDayNumber(d.year, d.month, d.day), z - kFirstDayCivil + 1)
            << d.year << '-' << d.month << '-' << d.day;
    }
}

}  // namespace
