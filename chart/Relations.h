// The relations among the four pillars of a chart: between the stems (天干五合,
// 天干相冲) and between the branches (六合, 三合 and its halves, 三会 and its
// halves, 六冲, 相刑 / 自刑 / 三刑, 六害, 相破), each with the pillars it joins.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "Theory.h"

namespace chart {

enum class RelationKind {
    StemCombine,    // 天干五合
    StemClash,      // 天干相冲
    Combine,        // 六合
    Trine,          // 三合: all three branches
    HalfTrine,      // 半合: 帝旺 with 长生 or 墓
    ArchTrine,      // 拱合: 长生 and 墓 without 帝旺
    Direction,      // 三会: all three branches
    HalfDirection,  // 半会: two of them
    Clash,          // 六冲
    Punish,         // 相刑 of two branches (子卯, or two of 寅巳申 / 丑戌未)
    SelfPunish,     // 自刑: 辰 午 酉 or 亥 twice
    TriplePunish,   // 三刑: 寅巳申 or 丑戌未 all three
    Harm,           // 六害
    Break,          // 相破
};

// "天干五合", "六合", "三合", … (the names of the fact tables; 半合, 拱合, 半会,
// 自刑 and 三刑 as the pair table writes them).
std::string_view RelationKindName(RelationKind kind);

// Pillar positions in chart order.
enum class PillarPosition { Year, Month, Day, Hour };
std::string_view PillarKey(int position);  // "year", "month", "day", "hour"

struct ChartRelation {
    RelationKind kind;
    std::string members;       // the characters joined: "子午", "申子辰" (a group in its own order)
    std::vector<int> pillars;  // positions 0-3 (PillarPosition), ascending
    bool hasElement = false;   // 合 and 会 form an element
    Element element = Element::Earth;
};

// The relations of four stems and four branches (year, month, day, hour).
// Stem relations first, then the groups of three, then the pairs of pillars
// in order (year-month, year-day, …). A full 三合, 三会 or 三刑 replaces the
// pair relations of its own members.
std::vector<ChartRelation> FindRelations(const std::array<int, 4>& stems, const std::array<int, 4>& branches);

}  // namespace chart
