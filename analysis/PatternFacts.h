// What the rules of 成, 败 and 救应 look at, gathered once from the natal
// facts: which ten gods show among the three other stems (透), which stand
// as the 本气 of a branch, which shown stems are combined away by another
// shown stem, and whether the month branch is clashed or combined.
#pragma once

#include <array>
#include <cstdint>

#include "Analysis.h"
#include "Natal.h"

namespace analysis {

// A set of ten gods as bits (bit i is TenGod i).
using GodSet = std::uint16_t;
constexpr GodSet Gods(chart::TenGod g) {
    return static_cast<GodSet>(1u << static_cast<unsigned>(g));
}
inline constexpr GodSet kCompanions = Gods(chart::TenGod::Companion) | Gods(chart::TenGod::RobWealth);
inline constexpr GodSet kRobWealth = Gods(chart::TenGod::RobWealth);
inline constexpr GodSet kEating = Gods(chart::TenGod::EatingGod);
inline constexpr GodSet kHurting = Gods(chart::TenGod::HurtingOfficer);
inline constexpr GodSet kOutput = kEating | kHurting;
inline constexpr GodSet kWealth = Gods(chart::TenGod::IndirectWealth) | Gods(chart::TenGod::DirectWealth);
inline constexpr GodSet kKillings = Gods(chart::TenGod::SevenKillings);
inline constexpr GodSet kOfficer = Gods(chart::TenGod::DirectOfficer);
inline constexpr GodSet kPower = kKillings | kOfficer;
inline constexpr GodSet kIndirectSeal = Gods(chart::TenGod::IndirectSeal);
inline constexpr GodSet kDirectSeal = Gods(chart::TenGod::DirectSeal);
inline constexpr GodSet kSeal = kIndirectSeal | kDirectSeal;

struct PatternFacts {
    const Natal* natal = nullptr;
    Band band = Band::Balanced;
    GodSet shown = 0;               // gods of the year, month and hour stems
    GodSet rooted = 0;              // gods of the four branches' 本气
    GodSet combined = 0;            // gods of shown stems combined (五合) by another of the three stems
    bool monthClashed = false;      // 六冲 or 刑 on the month branch
    bool monthCombined = false;     // 六合, 三合 (or half), 三会 (or half) on the month branch
    bool winterMetal = false;       // a metal day master in 亥子丑: 金水伤官, which may see 官
    bool wealthBesideSeal = false;  // the year and month stems are a 财 and a 印

    bool Shown(GodSet s) const { return (shown & s) != 0; }
    bool Seen(GodSet s) const { return ((shown | rooted) & s) != 0; }
    bool Combined(GodSet s) const { return (combined & s) != 0; }
    bool Weak() const { return band == Band::Weak || band == Band::FollowWeak; }
    bool Strong() const {
        return band == Band::Strong || band == Band::FollowStrong || band == Band::Dominant;
    }
};

PatternFacts GatherPatternFacts(const Natal& natal, Band band);

// How a relation on the month branch bears on the pattern: 冲 and 刑 strike
// it, 合 and 会 (whole or half) join it, the rest leave it be.
enum class MonthTouch { None, Strikes, Joins };
MonthTouch TouchOf(chart::RelationKind kind);
// Whether a relation of the chart involves the month branch.
bool OnMonth(const chart::ChartRelation& r);

}  // namespace analysis
