// Natal facts from the chart theory's tables.
#include "Natal.h"

namespace analysis {
namespace {

// The share of each hidden stem in its branch, by the number of hidden stems
// (the chart's own weighting of 本气, 中气, 余气).
constexpr double kShares[3][3] = {{1.0, 0, 0}, {0.7, 0.3, 0}, {0.6, 0.3, 0.1}};

}  // namespace

Natal MakeNatal(const std::array<int, 4>& pillars) {
    Natal n;
    n.dayStem = pillars[kDay] % 10;
    n.dayElement = chart::StemElement(n.dayStem);
    n.monthBranch = pillars[kMonth] % 12;
    std::array<int, 4> stems{}, branches{};
    for (int i = 0; i < 4; ++i) {
        NatalPillar& p = n.pillars[i];
        p.pillar = pillars[i];
        p.stem = pillars[i] % 10;
        p.branch = pillars[i] % 12;
        p.stemGod = chart::TenGodOf(n.dayStem, p.stem);
        const chart::HiddenStems h = chart::HiddenStemsOf(p.branch);
        for (int k = 0; k < h.count; ++k)
            p.hidden.push_back({h.stems[k], chart::TenGodOf(n.dayStem, h.stems[k]),
                                static_cast<HiddenRank>(k), kShares[h.count - 1][k]});
        p.stage = chart::StageOf(n.dayStem, p.branch);
        stems[i] = p.stem;
        branches[i] = p.branch;
    }
    n.relations = chart::FindRelations(stems, branches);
    return n;
}

GodGroup GroupOf(chart::TenGod god) {
    return static_cast<GodGroup>(static_cast<int>(god) / 2);
}

chart::Element GroupElement(chart::Element dayElement, GodGroup group) {
    // Elements run in generating order, so the groups are steps along it: 比劫
    // the same element, 食伤 the next (it generates), 财 the one after (it
    // controls), 官杀 the one controlling it, 印 the one generating it.
    return static_cast<chart::Element>((static_cast<int>(dayElement) + static_cast<int>(group)) % 5);
}

chart::Element GodElement(chart::Element dayElement, chart::TenGod god) {
    return GroupElement(dayElement, GroupOf(god));
}

GodGroup GroupOfElement(chart::Element dayElement, chart::Element e) {
    return static_cast<GodGroup>((static_cast<int>(e) - static_cast<int>(dayElement) + 5) % 5);
}

std::string_view GroupName(GodGroup group) {
    constexpr std::string_view kNames[5] = {"比劫", "食伤", "财", "官杀", "印"};
    return kNames[static_cast<int>(group)];
}

std::string_view PositionName(int position) {
    constexpr std::string_view kNames[4] = {"年", "月", "日", "时"};
    return kNames[position];
}

std::string_view RankName(HiddenRank rank) {
    constexpr std::string_view kNames[3] = {"本气", "中气", "余气"};
    return kNames[static_cast<int>(rank)];
}

}  // namespace analysis
