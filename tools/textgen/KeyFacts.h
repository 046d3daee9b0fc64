// The facts of one day-and-hour key, laid out for the writer of its text and
// for the checks that hold the text to them. A key is a day stem (or a whole
// day pillar) with an hour pillar, as the reading looks the texts up.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Theory.h"

namespace textgen {

struct HiddenFact {
    int stem;
    chart::TenGod god;  // relative to the day stem
};

struct KeyFacts {
    int dayStem = 0;
    int dayBranch = -1;  // -1 for a key of the day stem alone
    int hourPillar = 0;  // sexagenary index

    chart::TenGod hourStemGod{};
    std::vector<HiddenFact> hourHidden;            // 本气, 中气, 余气 of the hour branch
    chart::Stage hourStage{};                      // the day stem at the hour branch (地势)
    std::vector<HiddenFact> dayHidden;             // of the day branch; empty for a stem key
    std::optional<chart::Stage> selfStage;         // the day stem at its own branch (自坐)
    std::vector<chart::Relation> branchRelations;  // day branch with hour branch
    bool stemsCombine = false;                     // 天干五合 of day stem and hour stem
    bool stemsClash = false;                       // 天干相冲
    bool samePillar = false;                       // 伏吟: day pillar and hour pillar are one

    int HourStem() const { return hourPillar % 10; }
    int HourBranch() const { return hourPillar % 12; }
    bool IsPillarKey() const { return dayBranch >= 0; }
    std::string DayKey() const;   // "甲" or "甲子"
    std::string TimeKey() const;  // "甲子"
};

KeyFacts FactsOf(int dayStem, int dayBranch, int hourPillar);

// One line per key, in the words the writers use: ten gods, stages, 纳音, relations.
std::string FactLine(const KeyFacts& k);
// The fact sheet of a day stem: its 13 stem keys, then its 78 pillar keys (the
// twelve double-hours and the 晚子时 at 23:00, marked as such).
std::string FactSheet(int dayStem);
// The fact sheet of one day pillar for the writer of its pillar+hour texts:
// what the day branch adds (its hidden stems and their ten gods, the day stem's
// stage at it, the pillar's 纳音), then for each of its 13 hours the relations of
// the day branch with the hour branch, the 纳音 of both pillars and how they
// stand, and what the stem+hour text of that hour already tells.
std::string PillarSheet(int dayPillar);

}  // namespace textgen
