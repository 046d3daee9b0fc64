// The 24 solar terms (节气) of 1900-2101 to the second, China Standard Time
// (2101 so that a birth late in 2100 has the 节 after it).
// A term is the moment the Sun's apparent ecliptic longitude reaches a
// multiple of 15°; term 0 is 小寒 (285°) and the terms follow in the order of
// the year to 23, 冬至 (270°). The even terms are the 节 that begin the months
// of the Four Pillars (小寒 the 丑 month, 立春 the 寅 month, … 大雪 the 子 month);
// the odd ones are the 中气.
//
// The moments are looked up in a table that tools/termgen computes with the
// Swiss Ephemeris and writes into SolarTermTable.inc; this library does not
// link the ephemeris.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace calendar {

inline constexpr int kFirstTermYear = 1900;
inline constexpr int kLastTermYear = 2101;
inline constexpr int kTermsPerYear = 24;

inline constexpr std::string_view kTermNames[kTermsPerYear] = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};
// "小寒" … "冬至" for term 0-23, "" otherwise.
constexpr std::string_view TermName(int term) {
    return term >= 0 && term < kTermsPerYear ? kTermNames[term] : std::string_view{};
}
// True for the 节 (the even terms).
constexpr bool IsSectionTerm(int term) {
    return term % 2 == 0;
}
// The Sun's apparent longitude at the term, in degrees: 285 for 小寒, 0 for 春分.
constexpr int TermLongitude(int term) {
    return (285 + 15 * term) % 360;
}

// The moment of a term as a seconds count of China Standard Time, or nullopt
// for a year outside 1900-2101 or a term outside 0-23.
std::optional<std::int64_t> TermMoment(int year, int term);

// The moment of the 节 of Gregorian month 1-12 of a year 1900-2101 (小寒 for
// January, 立春 for February, …): unchecked, for the engine's inner loops.
std::int64_t SectionMoment(int year, int month) noexcept;

// A term located in time.
struct TermAt {
    int year = 0;
    int term = 0;
    std::int64_t moment = 0;  // seconds count, China Standard Time
};
// The last 节 at or before the moment, and the first 节 after it; nullopt when
// that 节 lies outside the table.
std::optional<TermAt> SectionTermAtOrBefore(std::int64_t moment);
std::optional<TermAt> SectionTermAfter(std::int64_t moment);

}  // namespace calendar
