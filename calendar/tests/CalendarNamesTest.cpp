// Names of years, months, days, hours, signs and weekdays, the full lunar
// date line, and the error texts for input outside every table.
#include <gtest/gtest.h>

#include "GbkCodec.h"
#include "LunarCalendar.h"

namespace {

constexpr auto Date = [](int y, int m, int d, int h = 0) { return MakeSystemTime(y, m, d, h); };

std::string U(const std::string& gbk) {
    return platform::Utf8(gbk);
}

TEST(CalendarNames, YearStemBranch) {
    const CLunarCalendar cal;
    const std::pair<int, const char*> cases[] = {
        {1984, "甲子"}, {2000, "庚辰"},  {2020, "庚子"},  {4, "甲子"},
        {63, "癸亥"},   {0, "错误年份"}, {3, "错误年份"},
    };
    for (const auto& [year, name] : cases)
        EXPECT_EQ(U(cal.GetYearStemBranch(Date(year, 1, 1))), name) << year;
}

TEST(CalendarNames, LunarMonthName) {
    const CLunarCalendar cal;
    EXPECT_EQ(U(cal.GetLunarMonthName(Date(2000, 1, 1))), "正月");
    EXPECT_EQ(U(cal.GetLunarMonthName(Date(2000, 11, 1))), "冬月");
    EXPECT_EQ(U(cal.GetLunarMonthName(Date(2000, 12, 1))), "腊月");
    EXPECT_EQ(U(cal.GetLunarMonthName(Date(2000, 0, 1))), "*");
    EXPECT_EQ(cal.GetLunarMonthName(Date(2000, 13, 1)), "Error Month");
    EXPECT_EQ(cal.GetLunarMonthName(Date(2000, 65535, 1)), "Error Month");
}

TEST(CalendarNames, LunarDayName) {
    const CLunarCalendar cal;
    const std::pair<int, const char*> cases[] = {
        {1, "初一"},  {10, "初十"},    {11, "十一"},     {20, "二十"},        {21, "廿一"},
        {30, "三十"}, {0, "错误天数"}, {31, "错误天数"}, {65535, "错误天数"},
    };
    for (const auto& [day, name] : cases) EXPECT_EQ(U(cal.GetLunarDayName(Date(2000, 1, day))), name) << day;
}

TEST(CalendarNames, HourName) {
    const CLunarCalendar cal;
    const std::pair<int, const char*> cases[] = {
        {23, "子时"}, {0, "子时"},  {1, "丑时"},  {2, "丑时"},      {3, "寅时"},
        {12, "午时"}, {13, "未时"}, {22, "亥时"}, {24, "错误时辰"}, {65535, "错误时辰"},
    };
    for (const auto& [hour, name] : cases)
        EXPECT_EQ(U(cal.GetHourName(Date(2000, 1, 1, hour))), name) << hour;
}

TEST(CalendarNames, ZodiacSignOnBothSidesOfEveryBoundary) {
    const CLunarCalendar cal;
    struct Case {
        int month, day;
        const char* sign;
    };
    const Case cases[] = {
        {3, 21, "双鱼座"},  {3, 22, "牧羊座"},  {4, 21, "牧羊座"},  {4, 22, "金牛座"},  {5, 21, "金牛座"},
        {5, 22, "双子座"},  {6, 22, "双子座"},  {6, 23, "巨蟹座"},  {7, 23, "巨蟹座"},  {7, 24, "狮子座"},
        {8, 23, "狮子座"},  {8, 24, "处女座"},  {9, 23, "处女座"},  {9, 24, "天秤座"},  {10, 23, "天秤座"},
        {10, 24, "天蝎座"}, {11, 22, "天蝎座"}, {11, 23, "射手座"}, {12, 22, "射手座"}, {12, 23, "摩羯座"},
        {12, 31, "摩羯座"}, {1, 1, "摩羯座"},   {1, 19, "摩羯座"},  {1, 20, "水瓶座"},  {2, 19, "水瓶座"},
        {2, 20, "双鱼座"},  {2, 31, "双鱼座"},  {11, 31, "射手座"}, {1, 0, ""},         {0, 15, ""},
        {13, 1, ""},        {12, 32, ""},       {65535, 65535, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(U(cal.GetZodiacSign(Date(2000, c.month, c.day))), c.sign) << c.month << '-' << c.day;
}

TEST(CalendarNames, FormatLunarDate) {
    const CLunarCalendar cal;
    struct Case {
        const char* name;
        SYSTEMTIME lunar;
        int leap;
        const char* line;
    };
    const Case cases[] = {
        {"month 11 is 十一月", Date(1999, 11, 25), 0, "兔(己卯)年   十一月廿五"},
        {"leap month", Date(2020, 4, 1), 1, "鼠(庚子)年 闰四月初一"},
        {"any non-zero leap flag", Date(2020, 4, 1), 7, "鼠(庚子)年 闰四月初一"},
        {"first month", Date(2006, 1, 1), 0, "狗(丙戌)年   正月初一"},
        {"month 12", Date(2000, 12, 30), 0, "龙(庚辰)年   腊月三十"},
        {"month and day 0", Date(2000, 0, 0), 0, "龙(庚辰)年   *月*"},
        {"year 3", Date(3, 1, 1), 0, "错误年份"},
        {"month 13", Date(2000, 13, 1), 0, "错误月份"},
        {"day 31", Date(2000, 1, 31), 0, "错误天数"},
        {"year is checked first", Date(0, 13, 31), 0, "错误年份"},
    };
    for (const Case& c : cases) EXPECT_EQ(U(cal.FormatLunarDate(c.lunar, c.leap)), c.line) << c.name;
}

TEST(CalendarNames, WeekdayName) {
    const CLunarCalendar cal;
    EXPECT_EQ(U(cal.GetWeekdayName(0)), "星期天");
    EXPECT_EQ(U(cal.GetWeekdayName(3)), "星期三");
    EXPECT_EQ(U(cal.GetWeekdayName(6)), "星期六");
    EXPECT_EQ(cal.GetWeekdayName(7), "");
    EXPECT_EQ(cal.GetWeekdayName(-1), "");
}

}  // namespace
