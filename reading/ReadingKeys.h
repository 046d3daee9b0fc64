// Every key a reading can look up, enumerated from the calendar engine's own
// names and pillars (never from the data files), as UTF-8 strings: the one
// enumeration behind the database's completeness check at open and the text
// tools' coverage tests.
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>

namespace reading {

struct ReadingKeys {
    std::set<std::string> years;   // year pillars (GetFourPillars), also the year names of the bone weight
    std::set<std::string> months;  // GetLunarMonthName
    std::set<std::string> days;    // GetLunarDayName
    std::set<std::string> hours;   // GetHourName
    // (day stem, hour pillar) and (day pillar, hour pillar): 13 hour pillars a
    // day, the twelve double-hours and the 晚子时 at 23:00.
    std::set<std::pair<std::string, std::string>> stemHours;
    std::set<std::pair<std::string, std::string>> pillarHours;
};
// Built once, on first use (thread-safe).
const ReadingKeys& EngineKeys();

// The keys one reading looks up for a Gregorian birth (UTF-8): the bone
// weight's four names, the year pillar, the lunar month, day and hour names,
// and the day and hour pillars. False when the engine cannot convert the date.
struct BirthKeys {
    std::string yearName, monthName, dayName, hourName;  // the bone weight's names
    std::string yearPillar, dayPillar, hourPillar;
};
bool KeysOfBirth(int year, int month, int day, int hour, BirthKeys& out);

// Every total bone weight some birth has that the engine can convert, given
// the weights (name -> 钱, UTF-8 names): the sum of the lunar year's, month's,
// day's and hour's weights, over every lunar date of the engine's years (the
// dates a lunar birth can give, which include every Gregorian one). Names
// without a weight count 0; sums wrap modulo 2^32 as the composer's do. A
// birth with a name in `unreadable` (a stored weight that is no number) has
// no total: its reading fails before it gets one.
std::set<int> ReachableTotals(const std::map<std::string, int>& weights,
                              const std::set<std::string>& unreadable = {});

}  // namespace reading
