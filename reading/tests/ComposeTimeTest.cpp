// The report's birth time: summer time taken back (or not), the hours the
// clocks skipped and repeated, a 节 inside the birth hour, and 晚子时.
#include <gtest/gtest.h>

#include "ComposeTime.h"
#include "GbkCodec.h"

namespace {

BirthDates Solar(int y, int m, int d, int h) {
    const CLunarCalendar calendar;
    BirthDates dates;
    dates.solar = MakeSystemTime(y, m, d, h);
    EXPECT_TRUE(calendar.SolarToLunar(dates.solar, dates.lunar, dates.leap));
    return dates;
}

TEST(ComposeTime, SummerTimeIsTakenBackToStandardTime) {
    const CLunarCalendar calendar;
    const struct {
        const char* name;
        BirthDates birth;
        bool correct;
        SYSTEMTIME solar;  // after
        std::vector<std::string> notes;
    } kCases[] = {
        {"1988 summer, corrected",
         Solar(1988, 7, 1, 13),
         true,
         MakeSystemTime(1988, 7, 1, 12),
         {"出生于夏令时（1988-04-17 02:00 至 1988-09-11 01:00）；钟表时间已拨回一小时，按标准时间 "
          "1988-07-01 12:00 排盘"}},
        {"1988 summer, kept",
         Solar(1988, 7, 1, 13),
         false,
         MakeSystemTime(1988, 7, 1, 13),
         {"出生于夏令时（1988-04-17 02:00 至 1988-09-11 01:00）；按钟表时间排盘，未拨回标准时间"}},
        {"midnight in 1943 goes back a day",
         Solar(1943, 6, 1, 0),
         true,
         MakeSystemTime(1943, 5, 31, 23),
         {"出生于夏令时（1942-01-31 00:00 至 1945-09-01 23:00）；钟表时间已拨回一小时，按标准时间 "
          "1943-05-31 23:00 排盘"}},
        {"the skipped hour of 1986",
         Solar(1986, 5, 4, 2),
         true,
         MakeSystemTime(1986, 5, 4, 2),
         {"此钟点在夏令时（1986-05-04 02:00 至 1986-09-14 "
          "01:00）开始拨快时被跳过，实际不存在；按标准时间读"}},
        {"the repeated hour of 1991",
         Solar(1991, 9, 15, 1),
         true,
         MakeSystemTime(1991, 9, 15, 0),
         {"出生于夏令时（1991-04-14 02:00 至 1991-09-15 01:00）；此钟点在夏令时结束拨回时出现两次，有歧义："
          "按夏令时读，若为拨回后的标准时间则晚一小时；钟表时间已拨回一小时，按标准时间 1991-09-15 00:00 "
          "排盘"}},
        {"winter", Solar(1988, 12, 1, 13), true, MakeSystemTime(1988, 12, 1, 13), {}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        BirthDates dates = c.birth;
        EXPECT_EQ(ApplySummerTime(calendar, dates, c.correct), c.notes);
        EXPECT_EQ(dates.solar, c.solar);
        SYSTEMTIME lunar;
        int leap = 0;
        ASSERT_TRUE(calendar.SolarToLunar(dates.solar, lunar, leap));
        EXPECT_EQ(dates.lunar, lunar);  // the lunar date follows the Gregorian one
    }
}

TEST(ComposeTime, ASectionTermInsideTheHourIsNoted) {
    const CLunarCalendar calendar;
    // 立春 2024 at 16:27:08, 立夏 1991 at 08:26:54.
    EXPECT_EQ(TermInHourNote(calendar, MakeSystemTime(2024, 2, 4, 16)),
              "本时辰内交节（立春 2024-02-04 16:27:08）：出生在交节之前，若在交节之后则四柱为 "
              "甲辰 丙寅 戊戌 庚申");
    EXPECT_TRUE(TermInHourNote(calendar, MakeSystemTime(1991, 5, 6, 8))
                    .starts_with("本时辰内交节（立夏 1991-05-06 08:26:54）"));
    EXPECT_EQ(TermInHourNote(calendar, MakeSystemTime(2024, 2, 4, 15)), "");
    EXPECT_EQ(TermInHourNote(calendar, MakeSystemTime(2024, 2, 4, 17)), "");
    EXPECT_EQ(LateZiNote(MakeSystemTime(2000, 1, 1, 23)), "23时按晚子时：日柱不换，时柱取次日子时");
    EXPECT_EQ(LateZiNote(MakeSystemTime(2000, 1, 1, 22)), "");
}

}  // namespace
