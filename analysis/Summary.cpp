#include "Summary.h"

#include "Format.h"

namespace analysis {
namespace {

std::string PatternClause(const PatternFinding& p) {
    // The rule that decided the state: an unanswered 败, a 败 with its 救, or the first 成.
    std::string breaks, rescue;
    for (const RuleHit& h : p.rules) {
        if (h.outcome == RuleOutcome::Breaks && breaks.empty()) breaks = Str(h.rule);
        if (h.outcome == RuleOutcome::Rescues && rescue.empty()) rescue = Str(h.rule);
    }
    switch (p.state) {
        case PatternState::Broken:
            return "格败，以" + breaks + "之故";
        case PatternState::Rescued:
            return "格有救，" + breaks + "而" + rescue;
        case PatternState::Formed:
            break;
    }
    return "格成，" + Str(p.rules.empty() ? std::string_view("不见破格之神") : p.rules.front().rule);
}

}  // namespace

std::string SummaryMethod() {
    return "总评只取以上各节之断语，每句注明所出之节";
}

std::vector<SummarySentence> Summarize(const Analysis& a) {
    std::vector<SummarySentence> out;
    const StrengthFinding& s = a.strength;
    const int dayStem = a.pillars[2] % 10;
    std::string strength = "日主" + Str(chart::StemName(dayStem)) +
                           Str(chart::ElementName(chart::StemElement(dayStem))) + "生于" +
                           Str(chart::BranchName(a.pillars[1] % 12)) + "月为" + Str(VigourName(s.vigour)) +
                           "，旺衰" + std::to_string(s.score) + "分，评为" + Str(BandName(s.band));
    if (s.nearBand) strength += "，近于" + Str(BandName(*s.nearBand));
    out.push_back({strength + "。", Section::Strength, 0});

    out.push_back({"格取" + Str(PatternName(a.pattern.kind)) + "，" + PatternClause(a.pattern) + "。",
                   Section::Pattern, 0});

    const UsefulFinding& u = a.useful;
    out.push_back({"用神取" + Str(chart::ElementName(u.yong)) + "，喜" + ElementList(u.xi) + "，忌" +
                       ElementList(u.ji) + "，以" + Str(UsefulMethodName(u.decidedBy)) + "定之。",
                   Section::Useful, 0});

    if (!a.years.empty()) {
        const FortuneFinding& y = a.years.front();
        if (y.luckIndex >= 0) {
            const FortuneFinding& l = a.luck[y.luckIndex];
            out.push_back({std::to_string(y.year) + "年行" + chart::PillarName(l.pillar) +
                               "运，此运干支对照喜忌，断为" + Str(VerdictName(l.verdict)) + "。",
                           Section::Luck, y.luckIndex});
        } else if (!a.luck.empty()) {
            const FortuneFinding& l = a.luck.front();
            out.push_back({"大运自" + std::to_string(l.year) + "年" + chart::PillarName(l.pillar) +
                               "运起，首运断为" + Str(VerdictName(l.verdict)) + "。",
                           Section::Luck, 0});
        }
        std::string year = std::to_string(y.year) + "年流年" + chart::PillarName(y.pillar) + "，断为" +
                           Str(VerdictName(y.verdict));
        if (!y.relations.empty()) year += "，并逢" + Str(FortuneLinkName(y.relations.front().link));
        out.push_back({year + "。", Section::Years, 0});
    }
    return out;
}

}  // namespace analysis
