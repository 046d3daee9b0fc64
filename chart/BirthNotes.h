// The sentences that say what the time of a birth rests on: summer time, a
// 节 inside the birth's hour, the 子 hour at 23:00, and the summer-time part
// of the chart's conventions line. The report and the chart state the same
// facts, so they say them with these same sentences (UTF-8).
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "CalendarTime.h"
#include "Conventions.h"

namespace chart {

// The note on a clock time that summer time touched, "" for standard time:
// the period, the ambiguity of the hour the clocks repeated, and whether the
// clock was taken back to `standard` (the time the pillars are cast for).
// The hour the clocks skipped is said to be read as standard time.
std::string SummerTimeNote(const SummerTimeInfo& summer, bool dstCorrect, const DateTime& standard);

// The summer-time part of the conventions line: "拨回标准时间",
// "按钟表时间（未校正）", or for a birth outside summer time, where either
// setting casts the same chart, "出生时不在夏令时".
std::string_view SummerTimeConvention(SummerClock clock, bool dstCorrect);

// The note on a 节 (term 0 小寒 … 23 冬至) at `termTime` inside the birth's
// hour: which side of it the birth lies on and the four pillars on the other.
std::string TermInHourNote(int term, const DateTime& termTime, bool birthAfterTerm,
                           const std::array<int, 4>& otherPillars);

// The note on a birth at 23:00-23:59 under the school `zi`.
std::string_view LateHourNote(ZiHour zi);

}  // namespace chart
