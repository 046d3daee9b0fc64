// A chart as text for the terminal: a table of the four pillars, then the
// elements, relations, 胎元 and 命宫, the terms, the luck pillars and the
// notes. UTF-8; columns are aligned for a terminal that shows a Chinese
// character two cells wide.
#pragma once

#include <string>

#include "Chart.h"

namespace chart {

std::string FormatChartText(const Chart& chart);

// The display width of UTF-8 text: two cells for each character outside ASCII.
int DisplayWidth(std::string_view utf8);

}  // namespace chart
