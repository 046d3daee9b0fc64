// The key space of the analysis texts.
#include "TextTables.h"

#include <algorithm>
#include <set>

#include "Shensha.h"
#include "Tiaohou.h"

namespace analysis {
namespace {

constexpr std::array<TextTableInfo, 7> kTables = {{
    {TextTable::Strength, "analysis_strength", {"band", "", ""}, 1},
    {TextTable::Pattern, "analysis_pattern", {"pattern", "state", ""}, 2},
    {TextTable::Useful, "analysis_useful", {"god", "method", ""}, 2},
    {TextTable::Month, "analysis_month", {"branch", "element", ""}, 2},
    {TextTable::Fortune, "analysis_fortune", {"part", "god", "stance"}, 3},
    {TextTable::Relation, "analysis_relation", {"relation", "stance", ""}, 2},
    {TextTable::Shensha, "analysis_shensha", {"star", "", ""}, 1},
}};
static_assert(kTables.size() == static_cast<std::size_t>(TextTable::Shensha) + 1, "one entry per table");

std::string S(std::string_view s) {
    return std::string(s);
}

constexpr std::array<Stance, 3> kStances = {Stance::Favourable, Stance::Unfavourable, Stance::Neutral};

}  // namespace

const std::array<TextTableInfo, 7>& TextTables() {
    return kTables;
}

const TextTableInfo& InfoOf(TextTable table) {
    return kTables[static_cast<std::size_t>(table)];
}

TextKey StrengthKey(Band band) {
    return {S(BandName(band))};
}

TextKey PatternKey(PatternKind kind, PatternState state) {
    return {S(PatternName(kind)), S(PatternStateName(state))};
}

TextKey UsefulKey(GodGroup group, UsefulMethod decidedBy) {
    return {S(GroupName(group)), S(UsefulMethodName(decidedBy))};
}

TextKey MonthKey(int monthBranch, chart::Element dayElement) {
    return {S(chart::BranchName(monthBranch)), S(chart::ElementName(dayElement))};
}

TextKey FortuneKey(bool stem, chart::TenGod god, Stance stance) {
    return {stem ? "干" : "支", S(chart::TenGodName(god)), S(StanceName(stance))};
}

TextKey RelationKey(FortuneLink link, std::optional<Stance> formedStance) {
    return {S(FortuneLinkName(link)), formedStance ? S(StanceName(*formedStance)) : "-"};
}

TextKey ShenshaKey(std::string_view star) {
    return {S(star)};
}

std::vector<TextKey> KeysOf(TextTable table) {
    std::vector<TextKey> keys;
    switch (table) {
        case TextTable::Strength:
            for (int b = 0; b <= static_cast<int>(Band::Dominant); ++b)
                keys.push_back(StrengthKey(static_cast<Band>(b)));
            break;
        case TextTable::Pattern:
            for (int k = 0; k < kPatternKinds; ++k) {
                const auto kind = static_cast<PatternKind>(k);
                // A special pattern stands only where its conditions hold, and so is always formed.
                if (!IsRegular(kind)) {
                    keys.push_back(PatternKey(kind, PatternState::Formed));
                    continue;
                }
                for (PatternState s : {PatternState::Formed, PatternState::Broken, PatternState::Rescued})
                    keys.push_back(PatternKey(kind, s));
            }
            break;
        case TextTable::Useful: {
            for (UsefulMethod m : {UsefulMethod::Support, UsefulMethod::Follow})
                for (int g = 0; g < 5; ++g) keys.push_back(UsefulKey(static_cast<GodGroup>(g), m));
            // 调候 decides only in the summer and winter months: the groups its principal stems can be.
            std::set<int> groups;
            for (int stem = 0; stem < 10; ++stem)
                for (int branch : {5, 6, 7, 11, 0, 1})
                    groups.insert(static_cast<int>(GroupOfElement(
                        chart::StemElement(stem), chart::StemElement(TiaohouStems(stem, branch).front()))));
            for (int g : groups) keys.push_back(UsefulKey(static_cast<GodGroup>(g), UsefulMethod::Climate));
            break;
        }
        case TextTable::Month:
            for (int b = 0; b < 12; ++b)
                for (int e = 0; e < 5; ++e) keys.push_back(MonthKey(b, static_cast<chart::Element>(e)));
            break;
        case TextTable::Fortune:
            for (bool stem : {true, false})
                for (int g = 0; g < 10; ++g)
                    for (Stance s : kStances)
                        keys.push_back(FortuneKey(stem, static_cast<chart::TenGod>(g), s));
            break;
        case TextTable::Relation:
            for (int l = 0; l < kFortuneLinks; ++l) {
                const auto link = static_cast<FortuneLink>(l);
                if (link == FortuneLink::TrineForms || link == FortuneLink::DirectionForms) {
                    for (Stance s : kStances) keys.push_back(RelationKey(link, s));
                } else {
                    keys.push_back(RelationKey(link, std::nullopt));
                }
            }
            break;
        case TextTable::Shensha:
            for (const ShenshaRule& r : ShenshaRules()) keys.push_back(ShenshaKey(r.name));
            break;
    }
    return keys;
}

}  // namespace analysis
