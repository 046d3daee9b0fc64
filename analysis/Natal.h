// The facts of a natal chart that the analysis reads: the four pillars with
// their hidden stems, ten gods and the day stem's stage at each branch, the
// day master, the month order and the relations among the pillars. Built
// from a cast chart or from four pillars alone (a chart known only by its
// eight characters); everything else the analysis says is derived from these.
#pragma once

#include <array>
#include <vector>

#include "Relations.h"
#include "Theory.h"

namespace analysis {

// Pillar positions 0-3: year, month, day, hour.
inline constexpr int kYear = 0, kMonth = 1, kDay = 2, kHour = 3;
// The stems a chart shows besides the day master's own (透干 is judged among these).
inline constexpr std::array<int, 3> kOtherStemPositions = {kYear, kMonth, kHour};

// The place of a hidden stem in its branch: 本气, 中气, 余气.
enum class HiddenRank { Main, Middle, Residual };

struct NatalHidden {
    int stem = 0;
    chart::TenGod god = chart::TenGod::Companion;
    HiddenRank rank = HiddenRank::Main;
    double share = 1;  // of the branch's strength: one 1; two 0.7 0.3; three 0.6 0.3 0.1
};

struct NatalPillar {
    int pillar = 0;  // sexagenary index 0-59
    int stem = 0, branch = 0;
    chart::TenGod stemGod = chart::TenGod::Companion;  // to the day stem; the day's own is 比肩
    std::vector<NatalHidden> hidden;                   // 本气 first
    chart::Stage stage = chart::Stage::Birth;          // the day stem at this branch (地势)
};

struct Natal {
    std::array<NatalPillar, 4> pillars{};
    int dayStem = 0;
    chart::Element dayElement = chart::Element::Wood;
    int monthBranch = 0;
    std::vector<chart::ChartRelation> relations;
};

// The facts of four pillars (sexagenary indices, year first). Any four
// valid indices are accepted; whether they can belong to one birth is
// calendar::PillarsError's question (PillarSearch.h).
Natal MakeNatal(const std::array<int, 4>& pillars);

// Helpers over the facts.
chart::Element GodElement(chart::Element dayElement, chart::TenGod god);
// The ten gods grouped as the classics weigh them (比劫, 食伤, 财, 官杀, 印).
enum class GodGroup { Companions, Output, Wealth, Power, Resource };
GodGroup GroupOf(chart::TenGod god);
chart::Element GroupElement(chart::Element dayElement, GodGroup group);
GodGroup GroupOfElement(chart::Element dayElement, chart::Element e);
std::string_view GroupName(GodGroup group);   // "比劫", "食伤", "财", "官杀", "印"
std::string_view PositionName(int position);  // "年", "月", "日", "时"
std::string_view RankName(HiddenRank rank);   // "本气", "中气", "余气"

}  // namespace analysis
