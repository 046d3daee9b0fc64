// The hand-written phrases the day-and-hour texts are built from, each chosen
// by one fact of the theory (a ten god, a growth stage, a nayin, a branch
// relation). Phrases carry no final punctuation; the composer joins them.
#pragma once

#include <string_view>

#include "Theory.h"

namespace textgen {

// The generator speaks in the chart engine's theory terms throughout.
using namespace ::chart;


// How strong the day stem stands at the hour branch, from its growth stage.
enum class Strength { Strong, Moderate, Weak };
Strength StrengthOf(Stage s);

std::string_view DayStemNature(int stem);      // "甲木为阳木，如挺拔的大树，…"
std::string_view HourTenGodMeaning(TenGod g);  // what that god at the hour means
std::string_view StageMeaning(Stage s);        // what the day stem at that stage means
std::string_view StemHourAdvice(TenGod g, Strength s);
std::string_view NayinImage(int sexagenary);               // "金藏深海，贵在内敛"
std::string_view SittingMeaning(TenGod g);                 // the day branch's main hidden stem as a god
std::string_view LinkMeaning(BranchLink l, PunishKind k);  // the relation as the main one
std::string_view LinkShortName(BranchLink l);              // the relation as a secondary one
std::string_view LinkShortAdvice(BranchLink l);
// How the day and hour branches meet as a whole: drawn together (合 of any
// kind), at odds (冲 刑 害 破), or neither (no relation, or the same branch).
enum class Meeting { Together, AtOdds, Neither };
Meeting MeetingOf(BranchLink firstLink);
// The closing advice by whether the two nayin stand at ease (the same element
// or one generating the other) and how the branches meet.
std::string_view PillarsClosing(bool nayinAtEase, Meeting m);  // what to do about it, "" when nothing

}  // namespace textgen
