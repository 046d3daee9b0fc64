// 八字反推: every two-hour window of 1900-01-31 … 2100-12-31 whose four
// pillars are given ones, with the 子 school each window needs. Plain C++,
// no allocation per day: the day pillar repeats every 60 days, so about 1,200
// days of the span are looked at, each with one or two term lookups.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CivilTime.h"

namespace calendar {

// Four sexagenary indices 0-59: year, month, day, hour.
using PillarIndices = std::array<int, 4>;

// "甲子丙寅戊辰壬子" (UTF-8; blanks between the pillars are allowed) as four
// pillars, or the reason it is not: a character that is no stem or branch, a
// stem and branch of unlike parity (甲丑), a month stem that the year stem does
// not give by 五虎遁, an hour stem that the day stem gives by 五鼠遁 neither for
// its own 子 hour nor (for 子) for the 晚子时 after it.
struct ParsedPillars {
    std::optional<PillarIndices> pillars;
    std::string error;  // English, naming the rule broken; empty on success
};
ParsedPillars ParsePillars(std::string_view utf8);

// Why four sexagenary indices cannot be the pillars of one birth, in
// ParsePillars' words: an index outside 0-59, a month stem against 五虎遁, an
// hour stem against 五鼠遁 (晚子时 allowed); "" when they can.
std::string PillarsError(const PillarIndices& pillars);

// The 子 school a window needs for its pillars.
enum class ZiSchoolNeeded {
    Any,      // every school gives these pillars (every hour but 23:00-23:59)
    Late,     // 晚子时: 23:00-23:59 with the next day's 子 stem
    NextDay,  // 子初换日: 23:00-23:59 with the next day's pillar
    SameDay,  // the same day's 子 stem at 23:00-23:59
};
std::string_view ZiSchoolKey(ZiSchoolNeeded school);  // "any", "late", "next-day", "same-day"

// A window [start, end] of China Standard Time, to the second, inside one day.
struct BirthWindow {
    DateTime start, end;
    ZiSchoolNeeded school = ZiSchoolNeeded::Any;
};

// Every window with these pillars whose day lies in fromYear … toYear and in
// the span, in time order. A window that a 节 cuts is cut there.
std::vector<BirthWindow> FindBirthWindows(const PillarIndices& pillars, int fromYear, int toYear);

}  // namespace calendar
