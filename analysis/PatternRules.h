// The rules of 成, 败 and 救应 for the ten regular patterns, as a table: each
// rule names the pattern family it belongs to, what it does (forms the
// pattern, breaks it, or answers one breaking rule), its wording and its
// source, the gods whose presence or absence is the fact it rests on, and
// its condition over PatternFacts.
#pragma once

#include <span>
#include <string_view>

#include "Analysis.h"
#include "PatternFacts.h"

namespace analysis {

// The eight families of 子平真诠: 财 and 印 count as one each whatever their polarity.
enum class PatternFamily { Officer, Killings, Wealth, Seal, Eating, Hurting, Blade, Jianlu, Any };
PatternFamily FamilyOf(PatternKind regular);

struct PatternRule {
    std::string_view id;
    PatternFamily family;
    RuleOutcome outcome;
    std::string_view answers;  // for a rescue: the id of the breaking rule it answers
    std::string_view rule;
    std::string_view source;
    GodSet present;     // the gods whose stems (or 本气) the fact names
    GodSet absent;      // the gods whose absence the fact names
    bool combination;   // the fact names the 五合 that takes a present god away
    bool monthClash;    // the fact names the clash or punishment on the month branch
    bool monthCombine;  // the fact names the combination on the month branch
    bool (*holds)(const PatternFacts&);
};

// Every rule, the families in the order of PatternFamily; within a family
// the forming rules, then each breaking rule, then the rescues.
std::span<const PatternRule> PatternRules();
// The rule that forms a pattern where no other rule of its family holds.
const PatternRule& PlainFormingRule();

}  // namespace analysis
