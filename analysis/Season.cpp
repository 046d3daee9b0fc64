// The five states of the elements through the twelve months.
#include "Season.h"

#include <array>

namespace analysis {

chart::Element RulingElement(int monthBranch) {
    // The four 库 months 辰 戌 丑 未 are earth's; the other eight keep their own element.
    return chart::BranchElement(monthBranch);
}

Vigour VigourIn(chart::Element e, int monthBranch) {
    switch (chart::Relate(RulingElement(monthBranch), e)) {
        case chart::ElementRelation::Same:
            return Vigour::Ruling;
        case chart::ElementRelation::AGeneratesB:
            return Vigour::Prime;
        case chart::ElementRelation::BGeneratesA:
            return Vigour::Resting;
        case chart::ElementRelation::BControlsA:
            return Vigour::Confined;
        case chart::ElementRelation::AControlsB:
            return Vigour::Dead;
    }
    return Vigour::Dead;
}

std::string_view VigourName(Vigour v) {
    constexpr std::array<std::string_view, 5> kNames = {"旺", "相", "休", "囚", "死"};
    return kNames[static_cast<int>(v)];
}

bool InSeason(Vigour v) {
    return v == Vigour::Ruling || v == Vigour::Prime;
}

std::string_view SeasonName(int monthBranch) {
    // 寅 (2) opens spring; each season is three branches.
    constexpr std::array<std::string_view, 4> kSeasons = {"春", "夏", "秋", "冬"};
    return kSeasons[(monthBranch + 10) % 12 / 3];
}

std::string_view SeasonPlace(int monthBranch) {
    constexpr std::array<std::string_view, 3> kPlaces = {"孟", "仲", "季"};
    return kPlaces[(monthBranch + 10) % 12 % 3];
}

}  // namespace analysis
