// Helpers the analysis tests share: pillars from their characters, random
// births across the chart's span, and the texts of tools/dbdata as a source.
#pragma once

#include <array>
#include <random>
#include <string_view>

#include "Chart.h"
#include "MemoryTextSource.h"

namespace analysis::test {

// The four pillars of eight characters ("甲申壬申乙巳戊寅"), whether or not
// a birth can have them; fails the test when they are not four pillars.
std::array<int, 4> Pillars(std::string_view eight);

// A birth drawn uniformly from 1901-2050 (days 1-28), any hour and minute, either sex.
chart::BirthMoment RandomBirth(std::mt19937& rng);

// The analysis texts of the TSV sources in tools/dbdata (KARVUTO_DBDATA_DIR).
const MemoryTextSource& SourceTexts();

}  // namespace analysis::test
