// The keys a reading can look up, spelled as the calendar engine writes them
// (UTF-8): the 60 stem-branch pairs, the 12 lunar month names, the 30 lunar
// day names, the 12 double-hour names, and the 13 hour pillars a day of each
// stem shows.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dbkeys {

enum class NameKind { Year, Month, Day, Hour };  // the four kinds of bazi0 key

// The kind of a bone-weight name, or nullopt when no reading produces it.
std::optional<NameKind> KindOfName(std::string_view utf8);
// How many names of each kind exist: 60, 12, 30, 12.
int NameCount(NameKind kind);
// Every name of a kind, in calendar order (甲子 first, 正月 first, ...).
std::vector<std::string> NamesOf(NameKind kind);

bool IsStemBranchPair(std::string_view utf8);  // 甲子 ... 癸亥
bool IsMonthName(std::string_view utf8);       // 正月 ... 腊月
bool IsDayName(std::string_view utf8);         // 初一 ... 三十
bool IsHourName(std::string_view utf8);        // 子时 ... 亥时

// Stem 0-9 of a one-character stem, or of the first character of a pillar.
std::optional<int> StemIndex(std::string_view utf8Character);
// True when `pillar` is an hour pillar a day with stem `dayStem` (0-9) can
// show in a reading: its twelve by the five-rat rule, and at 23:00 (晚子时)
// the 子 pillar of the next day's stem. The calendar engine's rule.
bool IsHourPillarOf(int dayStem, std::string_view pillar);

}  // namespace dbkeys
