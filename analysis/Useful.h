// Section 3, 用神 喜神 忌神: the useful god by 扶抑 (from the strength), by
// 调候 (the climate table) and, for the special patterns, by following their
// trend (顺势); 通关 and 病药 where they apply. Where the methods differ the
// finding says which decides and why. The useful god is never among the 忌.
#pragma once

#include "Analysis.h"
#include "Natal.h"

namespace analysis {

// 通关 applies where the two heaviest elements control one another and each
// holds at least kMediateShare of the chart's weight; 病药 where one 忌
// element holds at least kRemedyShare.
inline constexpr double kMediateShare = 0.25;
inline constexpr double kRemedyShare = 0.4;

// The finding without its paragraph.
UsefulFinding AssessUseful(const Natal& natal, const StrengthFinding& strength,
                           const PatternFinding& pattern);

// How an element stands to a finding: 喜 (用 or 喜), 忌, or 闲.
Stance StanceOf(const UsefulFinding& useful, chart::Element e);

// The weight of each element over the chart: each stem 1, each hidden stem its share.
std::array<double, 5> ElementWeights(const Natal& natal);

}  // namespace analysis
