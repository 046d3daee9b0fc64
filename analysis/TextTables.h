// The analysis text tables: their names and key columns in the database,
// the key of each kind of finding, and every key the engine can produce
// (so that a test can hold the tables to exactly one row per key).
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "Analysis.h"
#include "Natal.h"
#include "TextSource.h"

namespace analysis {

struct TextTableInfo {
    TextTable table;
    std::string_view name;                 // the database table and its TSV file (name + ".tsv")
    std::array<std::string_view, 3> keys;  // key columns; unused ones empty
    int keyCount;
};
// The column of every table that holds its paragraph.
inline constexpr std::string_view kTextColumn = "meaning";
// The seven tables in TextTable order, each with the text column kTextColumn.
const std::array<TextTableInfo, 7>& TextTables();
const TextTableInfo& InfoOf(TextTable table);

TextKey StrengthKey(Band band);
TextKey PatternKey(PatternKind kind, PatternState state);
// The useful god's paragraph by its group to the day master and the method that decided it
// (扶抑, 调候 or 顺势; 通关 and 病药 never decide).
TextKey UsefulKey(GodGroup group, UsefulMethod decidedBy);
TextKey MonthKey(int monthBranch, chart::Element dayElement);
// part: true for the stem, false for the branch (by its 本气).
TextKey FortuneKey(bool stem, chart::TenGod god, Stance stance);
// The stance is part of the key only for what a relation forms (三合, 三会); "-" otherwise.
TextKey RelationKey(FortuneLink link, std::optional<Stance> formedStance);
TextKey ShenshaKey(std::string_view star);

// Every key the engine can produce for a table, in a stable order.
std::vector<TextKey> KeysOf(TextTable table);

}  // namespace analysis
