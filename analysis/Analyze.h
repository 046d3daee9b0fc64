// The analysis of a chart: the entry points. An analysis is a pure function
// of its arguments and the text source; it may run on any thread whose text
// source allows it.
//
//   const chart::Chart c = chart::ComputeChart(birth);
//   const analysis::Analysis a = analysis::Analyze(c, {2024, 2025, 2026}, texts);
//
//   if (auto p = analysis::ParsePillars("甲子丙寅戊辰壬子"); p && analysis::CheckPillars(*p).empty())
//       const analysis::Analysis b = analysis::AnalyzePillars(*p, texts);
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Analysis.h"
#include "Chart.h"
#include "TextSource.h"

namespace analysis {

// The full analysis of a cast chart, with the years asked for (Gregorian;
// the caller passes this year and the next two, or a year picked in the
// chart window). Every section is present.
Analysis Analyze(const chart::Chart& chart, const std::vector<int>& years, const TextSource& texts);

// Four pillars from their eight characters, "甲子丙寅戊辰壬子" (spaces
// between the pillars allowed); nullopt unless they are four valid pillars.
std::optional<std::array<int, 4>> ParsePillars(std::string_view utf8);

// What makes four pillars impossible for one birth, as one sentence: a month
// stem that does not follow the year stem (五虎遁) or an hour stem that does
// not follow the day stem (五鼠遁, or at 23:00 the next day's 子 stem: 晚子时);
// "" when they can belong to a birth.
std::string CheckPillars(const std::array<int, 4>& pillars);

// The analysis of a chart known only by its four pillars: sections 1-4 and 8,
// with no luck, years or summary. Throws std::invalid_argument with
// CheckPillars' sentence for impossible pillars.
Analysis AnalyzePillars(const std::array<int, 4>& pillars, const TextSource& texts);

}  // namespace analysis
