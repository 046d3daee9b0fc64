// The Chinese names the calendar engine writes, as GBK strings converted once
// from the readable tables in CalendarNames.cpp at first use.
#pragma once

#include <array>
#include <string>

namespace calendar {

struct CalendarNames {
    std::array<std::string, 10> stems;           // 甲 .. 癸
    std::array<std::string, 12> branches;        // 子 .. 亥
    std::array<std::string, 12> animals;         // 鼠 .. 猪
    std::array<std::string, 12> hourPillars[5];  // [day-stem class][hour branch]
    std::array<std::string, 13> monthNames;      // "*", 正月 .. 腊月
    std::array<std::string, 13> monthNumerals;   // "*", 正 .. 十一, 腊
    std::array<std::string, 31> dayNames;        // "*", 初一 .. 三十
    std::array<std::string, 12> hourNames;       // by branch: 子时 .. 亥时
    std::array<std::string, 7> weekdays;         // 星期天 .. 星期六
    std::string yearError;                       // 错误年份
    std::string monthError;                      // 错误月份
    std::string dayError;                        // 错误天数
    std::string hourError;                       // 错误时辰
    std::string leapMark;                        // 闰
    std::string yearMark;                        // 年
    std::string monthMark;                       // 月
};

// The process-wide GBK name tables (built on first use, thread-safe).
const CalendarNames& Names();

// Western zodiac sign of the key 100 * month + day, GBK; empty when no range holds it.
const std::string& ZodiacSignForKey(int key);

}  // namespace calendar
