// A chart as text for the terminal: a table of the four pillars, then the
// elements, the relations, the facts (胎元, 命宫, the terms, …), the luck
// pillars and the notes, laid out from the chart's model (ChartModel.h).
// UTF-8; columns are aligned for a terminal that shows a Chinese character
// two cells wide.
#pragma once

#include <string>
#include <string_view>

#include "Chart.h"
#include "ChartModel.h"

namespace chart {

std::string FormatChartText(const ChartModel& model);
// The chart's model made with no name, place or current year (the terminal
// shows none of them), laid out.
std::string FormatChartText(const Chart& chart);

// The display width of UTF-8 text: two cells for each character outside ASCII.
int DisplayWidth(std::string_view utf8);

}  // namespace chart
