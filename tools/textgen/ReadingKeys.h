// Every key a reading can look up, enumerated from the calendar engine's own
// names and pillars (never from the data files), as UTF-8 strings.
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>

namespace textgen {

struct ReadingKeys {
    std::set<std::string> years;   // year pillars (GetFourPillars), also the year names of the bone weight
    std::set<std::string> months;  // GetLunarMonthName
    std::set<std::string> days;    // GetLunarDayName
    std::set<std::string> hours;   // GetHourName
    // (day stem, hour pillar) and (day pillar, hour pillar): 13 hour pillars a
    // day, the twelve double-hours and the 晚子时 at 23:00 (HourPillars.h).
    std::set<std::pair<std::string, std::string>> stemHours;
    std::set<std::pair<std::string, std::string>> pillarHours;
};
const ReadingKeys& EngineKeys();

// The keys one reading looks up for a Gregorian birth (UTF-8): the bone
// weight's four names, the year pillar, the lunar month, day and hour names,
// and the day and hour pillars. False when the engine cannot convert the date.
struct BirthKeys {
    std::string yearName, monthName, dayName, hourName;  // the bone weight's names
    std::string yearPillar, dayPillar, hourPillar;
};
bool KeysOfBirth(int year, int month, int day, int hour, BirthKeys& out);

// Every total bone weight some birth inside the engine's years has, with the
// given weights (name -> 钱, UTF-8 names). Names without a weight count as 0.
std::set<int> ReachableTotals(const std::map<std::string, int>& weights);

}  // namespace textgen
