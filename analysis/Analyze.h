// The analysis of a chart: the entry points. An analysis is a pure function
// of its arguments and the text source; it may run on any thread whose text
// source allows it.
//
//   const chart::Chart c = chart::ComputeChart(birth);
//   const analysis::Analysis a = analysis::Analyze(c, {2024, 2025, 2026}, texts);
//
//   if (const auto p = calendar::ParsePillars("甲子丙寅戊辰壬子"); p.pillars)  // PillarSearch.h
//       const analysis::Analysis b = analysis::AnalyzePillars(*p.pillars, texts);
#pragma once

#include <array>
#include <vector>

#include "Analysis.h"
#include "Chart.h"
#include "TextSource.h"

namespace analysis {

// The full analysis of a cast chart, with the years asked for (Gregorian;
// the caller passes this year and the next two, or a year picked in the
// chart window). Every section is present.
Analysis Analyze(const chart::Chart& chart, const std::vector<int>& years, const TextSource& texts);

// The analysis of a chart known only by its four pillars: sections 1-4 and 8,
// with no luck, years or summary. Throws std::invalid_argument with the
// calendar's sentence (calendar::PillarsError) for pillars no birth can have.
Analysis AnalyzePillars(const std::array<int, 4>& pillars, const TextSource& texts);

}  // namespace analysis
