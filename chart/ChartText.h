// A chart as text for the terminal: a table of the four pillars, then the
// elements, relations, 胎元 and 命宫, the terms, the luck pillars and the
// notes. UTF-8; columns are aligned for a terminal that shows a Chinese
// character two cells wide.
#pragma once

#include <string>

#include "Chart.h"

namespace chart {

std::string FormatChartText(const Chart& chart);

// The 节 that begins the chart's month and the one that ends it, with their
// moments: "芒种 1990-06-06 06:46:17 至 小暑 1990-07-07 17:00:28".
std::string TermSpanText(const Chart& chart);

// The display width of UTF-8 text: two cells for each character outside ASCII.
int DisplayWidth(std::string_view utf8);

}  // namespace chart
