// Section 7, 总评: three to five sentences composed only from the findings of
// sections 1-6, each keeping the section (and the luck pillar or year) it
// comes from.
#pragma once

#include "Analysis.h"

namespace analysis {

std::string SummaryMethod();
// The sentences for an analysis whose sections 1-6 are filled.
std::vector<SummarySentence> Summarize(const Analysis& a);

}  // namespace analysis
