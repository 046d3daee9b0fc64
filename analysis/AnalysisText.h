// The analysis laid out for a terminal: plain UTF-8 lines, each section a
// heading, its method line, its evidence and its paragraph.
#pragma once

#include <string>
#include <vector>

#include "Analysis.h"

namespace analysis {

std::vector<std::string> AnalysisLines(const Analysis& a);

}  // namespace analysis
