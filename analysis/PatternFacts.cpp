#include "PatternFacts.h"

#include <algorithm>

namespace analysis {

PatternFacts GatherPatternFacts(const Natal& n, Band band) {
    PatternFacts f;
    f.natal = &n;
    f.band = band;
    for (int pos : kOtherStemPositions) f.shown |= Gods(n.pillars[pos].stemGod);
    for (const NatalPillar& p : n.pillars) f.rooted |= Gods(p.hidden.front().god);
    // Two of the three other stems that combine take each other out of play;
    // the day master's own combination is a matter of 化气, not of 合去.
    for (std::size_t i = 0; i < kOtherStemPositions.size(); ++i)
        for (std::size_t j = i + 1; j < kOtherStemPositions.size(); ++j) {
            const NatalPillar& a = n.pillars[kOtherStemPositions[i]];
            const NatalPillar& b = n.pillars[kOtherStemPositions[j]];
            if (chart::StemsCombine(a.stem, b.stem)) f.combined |= Gods(a.stemGod) | Gods(b.stemGod);
        }
    for (const chart::ChartRelation& r : n.relations) {
        if (!OnMonth(r)) continue;
        f.monthClashed = f.monthClashed || TouchOf(r.kind) == MonthTouch::Strikes;
        f.monthCombined = f.monthCombined || TouchOf(r.kind) == MonthTouch::Joins;
    }
    // 财 and 印 side by side: among the three other stems only the year and
    // month stems are neighbours; the day master stands between the others.
    const GodSet pair = Gods(n.pillars[kYear].stemGod) | Gods(n.pillars[kMonth].stemGod);
    f.wealthBesideSeal = (pair & kWealth) && (pair & kSeal);
    f.winterMetal = n.dayElement == chart::Element::Metal &&
                    (n.monthBranch == 11 || n.monthBranch == 0 || n.monthBranch == 1);
    return f;
}

MonthTouch TouchOf(chart::RelationKind kind) {
    switch (kind) {
        case chart::RelationKind::Clash:
        case chart::RelationKind::Punish:
        case chart::RelationKind::SelfPunish:
        case chart::RelationKind::TriplePunish:
            return MonthTouch::Strikes;
        case chart::RelationKind::Combine:
        case chart::RelationKind::Trine:
        case chart::RelationKind::HalfTrine:
        case chart::RelationKind::Direction:
        case chart::RelationKind::HalfDirection:
            return MonthTouch::Joins;
        case chart::RelationKind::StemCombine:
        case chart::RelationKind::StemClash:
        case chart::RelationKind::ArchTrine:
        case chart::RelationKind::Harm:
        case chart::RelationKind::Break:
            break;
    }
    return MonthTouch::None;
}

bool OnMonth(const chart::ChartRelation& r) {
    return std::find(r.pillars.begin(), r.pillars.end(), kMonth) != r.pillars.end();
}

}  // namespace analysis
