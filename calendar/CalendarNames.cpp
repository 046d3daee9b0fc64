// Name tables of the calendar engine, written in UTF-8 for reading and
// converted to GBK once.
#include "CalendarNames.h"

#include <string_view>

#include "GbkCodec.h"
#include "Sexagenary.h"

namespace calendar {
namespace {

using Utf8 = std::string_view;

// Zodiac animals (生肖), by branch.
constexpr std::array<Utf8, 12> kAnimals = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                           "马", "羊", "猴", "鸡", "狗", "猪"};

// Hour pillars: row = hour branch 子..亥, column = day-stem class
// (甲己, 乙庚, 丙辛, 丁壬, 戊癸). Hour stem = (2 * class + branch) mod 10.
constexpr Utf8 kHourPillars[12][5] = {
    {"甲子", "丙子", "戊子", "庚子", "壬子"},  // 子
    {"乙丑", "丁丑", "己丑", "辛丑", "癸丑"},  // 丑
    {"丙寅", "戊寅", "庚寅", "壬寅", "甲寅"},  // 寅
    {"丁卯", "己卯", "辛卯", "癸卯", "乙卯"},  // 卯
    {"戊辰", "庚辰", "壬辰", "甲辰", "丙辰"},  // 辰
    {"己巳", "辛巳", "癸巳", "乙巳", "丁巳"},  // 巳
    {"庚午", "壬午", "甲午", "丙午", "戊午"},  // 午
    {"辛未", "癸未", "乙未", "丁未", "己未"},  // 未
    {"壬申", "甲申", "丙申", "戊申", "庚申"},  // 申
    {"癸酉", "乙酉", "丁酉", "己酉", "辛酉"},  // 酉
    {"甲戌", "丙戌", "戊戌", "庚戌", "壬戌"},  // 戌
    {"乙亥", "丁亥", "己亥", "辛亥", "癸亥"},  // 亥
};

// Lunar month names, index 0-12 (month 11 is 冬月 here).
constexpr std::array<Utf8, 13> kMonthNames = {"*",    "正月", "二月", "三月", "四月", "五月", "六月",
                                              "七月", "八月", "九月", "十月", "冬月", "腊月"};
// Lunar month numerals of the full date line, index 0-12 (month 11 is 十一 here).
constexpr std::array<Utf8, 13> kMonthNumerals = {"*",  "正", "二", "三", "四",   "五", "六",
                                                 "七", "八", "九", "十", "十一", "腊"};
// Lunar day names, index 0 ("*") and days 1-30.
constexpr std::array<Utf8, 31> kDayNames = {"*",    "初一", "初二", "初三", "初四", "初五", "初六", "初七",
                                            "初八", "初九", "初十", "十一", "十二", "十三", "十四", "十五",
                                            "十六", "十七", "十八", "十九", "二十", "廿一", "廿二", "廿三",
                                            "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
// Double-hour names, by branch.
constexpr std::array<Utf8, 12> kHourNames = {"子时", "丑时", "寅时", "卯时", "辰时", "巳时",
                                             "午时", "未时", "申时", "酉时", "戌时", "亥时"};
// Weekday names, 0 = Sunday.
constexpr std::array<Utf8, 7> kWeekdays = {"星期天", "星期一", "星期二", "星期三",
                                           "星期四", "星期五", "星期六"};

// Western zodiac signs by key 100 * month + day; both ends belong to the range.
struct SignRange {
    int first;
    int last;
    Utf8 sign;
};
constexpr SignRange kSignRanges[] = {
    {322, 421, "牧羊座"},   {422, 521, "金牛座"},   {522, 622, "双子座"},  {623, 723, "巨蟹座"},
    {724, 823, "狮子座"},   {824, 923, "处女座"},   {924, 1023, "天秤座"}, {1024, 1122, "天蝎座"},
    {1123, 1222, "射手座"}, {1223, 1231, "摩羯座"}, {101, 119, "摩羯座"},  {120, 219, "水瓶座"},
    {220, 321, "双鱼座"},
};
constexpr int kSignCount = sizeof kSignRanges / sizeof kSignRanges[0];

template <std::size_t N>
std::array<std::string, N> ToGbk(const std::array<Utf8, N>& utf8) {
    std::array<std::string, N> gbk;
    for (std::size_t i = 0; i < N; ++i) gbk[i] = platform::Gbk(utf8[i]);
    return gbk;
}

CalendarNames BuildNames() {
    CalendarNames n;
    n.stems = ToGbk(kStemNamesUtf8);
    n.branches = ToGbk(kBranchNamesUtf8);
    n.animals = ToGbk(kAnimals);
    for (int cls = 0; cls < 5; ++cls)
        for (int branch = 0; branch < 12; ++branch)
            n.hourPillars[cls][branch] = platform::Gbk(kHourPillars[branch][cls]);
    n.monthNames = ToGbk(kMonthNames);
    n.monthNumerals = ToGbk(kMonthNumerals);
    n.dayNames = ToGbk(kDayNames);
    n.hourNames = ToGbk(kHourNames);
    n.weekdays = ToGbk(kWeekdays);
    n.yearError = platform::Gbk("错误年份");
    n.monthError = platform::Gbk("错误月份");
    n.dayError = platform::Gbk("错误天数");
    n.hourError = platform::Gbk("错误时辰");
    n.leapMark = platform::Gbk("闰");
    n.yearMark = platform::Gbk("年");
    n.monthMark = platform::Gbk("月");
    return n;
}

}  // namespace

const CalendarNames& Names() {
    static const CalendarNames names = BuildNames();
    return names;
}

const std::string& ZodiacSignForKey(int key) {
    static const std::array<std::string, kSignCount> signs = [] {
        std::array<std::string, kSignCount> gbk;
        for (int i = 0; i < kSignCount; ++i) gbk[i] = platform::Gbk(kSignRanges[i].sign);
        return gbk;
    }();
    static const std::string none;
    for (int i = 0; i < kSignCount; ++i)
        if (key >= kSignRanges[i].first && key <= kSignRanges[i].last) return signs[i];
    return none;
}

}  // namespace calendar
