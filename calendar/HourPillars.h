// The day and hour pillars of a clock hour, and the hour pillars a day of each
// stem can show: the one home of the rule the four pillars use for the hour
// (五鼠遁, with the 子 hour's school at 23:00) and of the enumeration of the
// day-and-hour keys the reading's texts are found by (a day stem or a whole
// day pillar with an hour pillar). Sexagenary indices 0-59, stems 0-9.
#pragma once

#include <array>

#include "Sexagenary.h"
#include "ZiHour.h"

namespace calendar {

// The clock hour of the 子 hour that begins a day's night: 23:00-23:59.
inline constexpr int kLateZiClockHour = 23;
inline constexpr int kClockHours = 24;

struct DayAndHourPillars {
    int day;
    int hour;
};

// The day and hour pillars of clock hour 0-23 on a calendar day whose pillar
// is `calendarDay`. 晚子时 keeps the day and gives 23:00 the next day's 子
// stem; 子初换日 moves the day (and so its 子 stem) on at 23:00; the
// same-day school gives 23:00 the calendar day's own 子 pillar.
constexpr DayAndHourPillars PillarsOfClockHour(int calendarDay, int clockHour, ZiHour zi) noexcept {
    const bool lateZi = clockHour == kLateZiClockHour;
    const int day = lateZi && zi == ZiHour::NextDay ? Reduce60(calendarDay + 1) : calendarDay;
    const int hourDayStem = (day + (lateZi && zi == ZiHour::Late ? 1 : 0)) % kStemCount;
    const int branch = HourBranchOf(clockHour);
    return {day, PillarOf(HourStemOf(hourDayStem, branch), branch)};
}

// Twelve double-hours, and under 晚子时 a second 子 pillar at 23:00 whose stem
// is the next day's: 13 hour pillars a day.
inline constexpr int kHourPillarsPerDay = 13;
inline constexpr int kStemHourKeyCount = kStemCount * kHourPillarsPerDay;      // 130
inline constexpr int kPillarHourKeyCount = kCycleLength * kHourPillarsPerDay;  // 780

// The hour pillars a day of stem `dayStem` (0-9) shows under the default
// school 晚子时, in the order of the clock: the 子 of 00:00, 丑 … 亥, then the
// 子 of 23:00 (of 戊: 壬子 癸丑 … 癸亥 甲子). The hour pillar depends on the
// day's stem alone; the other schools show only the first twelve.
constexpr std::array<int, kHourPillarsPerDay> HourPillarsOfDayStem(int dayStem) noexcept {
    std::array<int, kHourPillarsPerDay> out{};
    int count = 0;
    for (int clock = 0; clock < kClockHours; ++clock) {
        const int hour =
            PillarsOfClockHour(dayStem, clock, ZiHour::Late).hour;  // pillar `dayStem` has that stem
        bool seen = false;
        for (int i = 0; i < count; ++i) seen = seen || out[i] == hour;
        if (!seen && count < kHourPillarsPerDay) out[count++] = hour;
    }
    return out;
}

// True when a day of stem `dayStem` (0-9) can show the hour pillar
// `hourPillar` (0-59): one of its 13 under 晚子时.
constexpr bool IsHourPillarOfDayStem(int dayStem, int hourPillar) noexcept {
    for (const int h : HourPillarsOfDayStem(dayStem))
        if (h == hourPillar) return true;
    return false;
}

// Every day stem shows 13 distinct hour pillars, ending in its late 子.
constexpr bool EveryDayShowsThirteenHours() noexcept {
    for (int stem = 0; stem < kStemCount; ++stem) {
        const auto hours = HourPillarsOfDayStem(stem);
        for (int i = 0; i < kHourPillarsPerDay; ++i)
            for (int j = 0; j < i; ++j)
                if (hours[i] == hours[j]) return false;
        if (hours.back() != PillarOf(HourStemOf(stem + 1, 0), 0)) return false;
    }
    return true;
}
static_assert(EveryDayShowsThirteenHours());
static_assert(HourPillarsOfDayStem(4)[0] == PillarOf(8, 0) && HourPillarsOfDayStem(4)[12] == 0,
              "a 戊 day's 子 hours are 壬子 at 00:00 and 甲子 at 23:00");

}  // namespace calendar
