// The sexagenary cycle (六十甲子) and the rules that give a pillar's stem:
// stem index 0-9 (甲 … 癸), branch index 0-11 (子 … 亥), sexagenary index 0-59
// (index i names stem i mod 10 and branch i mod 12; 0 is 甲子). The one home of
// the reduction into the cycle and of the name -> index lookups (UTF-8).
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace calendar {

inline constexpr int kCycleLength = 60;
inline constexpr int kStemCount = 10;
inline constexpr int kBranchCount = 12;

// Stems 甲 … 癸 and branches 子 … 亥 in UTF-8, in cycle order.
inline constexpr std::array<std::string_view, kStemCount> kStemNamesUtf8 = {"甲", "乙", "丙", "丁", "戊",
                                                                            "己", "庚", "辛", "壬", "癸"};
inline constexpr std::array<std::string_view, kBranchCount> kBranchNamesUtf8 = {
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};

// Any index, negative or large, reduced into 0-59.
constexpr int Reduce60(long long index) noexcept {
    return static_cast<int>((index % kCycleLength + kCycleLength) % kCycleLength);
}

// The sexagenary index with this stem and branch; -1 when they differ in
// parity (甲丑 is no pillar of the cycle).
constexpr int PillarOf(int stem, int branch) noexcept {
    if ((stem - branch) % 2 != 0) return -1;
    return Reduce60(6 * stem - 5 * branch);  // i % 10 == stem, i % 12 == branch
}

// The stem (0-9) and branch (0-11) of one UTF-8 character; -1 if it is none.
constexpr int StemIndex(std::string_view utf8) noexcept {
    for (int i = 0; i < kStemCount; ++i)
        if (kStemNamesUtf8[i] == utf8) return i;
    return -1;
}
constexpr int BranchIndex(std::string_view utf8) noexcept {
    for (int i = 0; i < kBranchCount; ++i)
        if (kBranchNamesUtf8[i] == utf8) return i;
    return -1;
}

// The UTF-8 name of a sexagenary index 0-59: "甲子" … "癸亥".
inline std::string PillarNameUtf8(int index) {
    return std::string(kStemNamesUtf8[index % kStemCount]) +
           std::string(kBranchNamesUtf8[index % kBranchCount]);
}

// The double-hour branch of a clock hour 0-23: 23 and 0 are 子, 1-2 丑, … 21-22 亥.
constexpr int HourBranchOf(int hour) noexcept {
    return (hour + 1) / 2 % kBranchCount;
}

// 五鼠遁: the stem of a double-hour on a day of this stem. 甲己 days begin at
// 甲子, 乙庚 at 丙子, 丙辛 at 戊子, 丁壬 at 庚子, 戊癸 at 壬子.
constexpr int HourStemOf(int dayStem, int hourBranch) noexcept {
    return (dayStem % 5 * 2 + hourBranch) % kStemCount;
}

// 五虎遁: the stem of a month (by its branch) in a year of this stem. 甲己
// years begin the 寅 month at 丙, 乙庚 at 戊, 丙辛 at 庚, 丁壬 at 壬, 戊癸 at 甲;
// the 子 and 丑 months end the year.
inline constexpr int kTigerBranch = 2;  // 寅, the first month of the year
constexpr int MonthStemOf(int yearStem, int monthBranch) noexcept {
    const int monthsFromTiger = (monthBranch - kTigerBranch + kBranchCount) % kBranchCount;
    return (yearStem % 5 * 2 + 2 + monthsFromTiger) % kStemCount;
}

// 1864 is a 甲子 year: the pillar of a Gregorian year from its 立春 on.
inline constexpr int kJiaziYear = 1864;
constexpr int YearPillarOf(int lichunYear) noexcept {
    return Reduce60(lichunYear - kJiaziYear);
}
// The pillar of the month that begins at the 节 of Gregorian month 1-12 of
// `year` (小寒 in January begins the 丑 month, 立春 in February the 寅 month).
// Its branch is month mod 12 and its stem advances by two a year.
inline constexpr int kMonthPillarOffset = 22788;
constexpr int MonthPillarOf(int year, int month) noexcept {
    return Reduce60(12LL * year + month - kMonthPillarOffset);
}
// 1949-10-01 is a 甲子 day; day pillars advance by one a day.
inline constexpr int kDayPillarOf1970 = 17;  // 1970-01-01 is 辛巳
constexpr int DayPillarOf(int daysSince1970) noexcept {
    return Reduce60(static_cast<long long>(daysSince1970) + kDayPillarOf1970);
}

static_assert(PillarOf(0, 0) == 0 && PillarOf(9, 11) == 59 && PillarOf(0, 1) == -1);
static_assert(YearPillarOf(1984) == 0, "1984 is a 甲子 year");
static_assert(MonthPillarOf(1984, 2) == PillarOf(2, 2), "a 甲 year's 寅 month is 丙寅");
static_assert(MonthStemOf(0, 2) == 2 && MonthStemOf(0, 1) == 3, "甲 year: 丙寅 … 丁丑");
static_assert(HourStemOf(4, 0) == 8, "a 戊 day's 子 hour is 壬子");

}  // namespace calendar
