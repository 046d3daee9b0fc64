// The "pillars" query of the terminal calendar (八字反推): every two-hour
// window of 1900-01-31 … 2100-12-31 whose four pillars are the given ones,
// one "YYYY-MM-DD<TAB>HH:MM:SS-HH:MM:SS<TAB>school" line each, in China
// Standard Time; school is any, late (晚子时), next-day (子初换日) or same-day.
//   pillars 甲子丙寅戊辰壬子 [--from YEAR] [--to YEAR]
#pragma once

#include <string_view>
#include <vector>

#include "QueryResult.h"

namespace cal {

// query is the whole query line as read; words its words, words[0] being
// "pillars". The result's line holds the lines joined by line
// feeds (without the last one), or "<pillars><TAB>NONE" when no window has
// them. Malformed pillars, pillars that break 五虎遁 or 五鼠遁, and years
// outside 1900-2100 are refused with a message.
QueryResult RunPillarsQuery(std::string_view query, const std::vector<std::string_view>& words);

}  // namespace cal
