// The reading texts of a day with its hour pillar: one for the day stem and
// one for the whole day pillar, each composed from the phrases of Fragments.h
// as the theory of the two pillars selects them. Texts are UTF-8, one line.
#pragma once

#include <string>
#include <vector>

namespace textgen {

// dayStem 0-9; hourPillar and dayPillar are sexagenary indexes 0-59.
std::string StemHourText(int dayStem, int hourPillar);
std::string PillarHourText(int dayPillar, int hourPillar);

struct DayTimeRow {
    std::string day;   // a day stem ("甲") or a day pillar ("甲子")
    std::string time;  // an hour pillar ("丙寅")
    std::string meaning;
};
// Every row a reading can look up: the 120 day stems with their hour pillars,
// then the 720 day pillars with theirs, each in cycle order.
std::vector<DayTimeRow> DayTimeRows();
// The rows as the TSV source file of the database (header "day\ttime\tmeaning").
std::string DayTimeTsv();

}  // namespace textgen
