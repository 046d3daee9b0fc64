// Section 8, 神煞 (secondary): the auxiliary stars, each with its rule of
// lookup, the classic it comes from and the pillars where it stands. They
// are shown after the main findings and decide none of them.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "Analysis.h"
#include "Natal.h"

namespace analysis {

struct ShenshaRule {
    std::string_view name;
    std::string_view rule;
    std::string_view source;
    // The pillar positions (ascending) where the star stands in a chart.
    std::vector<int> (*positions)(const Natal&);
};

// The stars in the order they are shown.
std::span<const ShenshaRule> ShenshaRules();

// Every star, present or not, without its paragraph.
std::vector<ShenshaFinding> AssessShensha(const Natal& natal);

std::string ShenshaMethod();

}  // namespace analysis
