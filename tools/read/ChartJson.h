// A chart as the "chart" object of karvuto-read's JSON output, laid out from
// the chart's model (ChartModel.h).
#pragma once

#include <nlohmann/json.hpp>

#include "ChartModel.h"

// {"conventions", "time", "pillars", "elements", "weightedElements", "missing",
//  "relations", "taiyuan", "minggong", "terms", "otherSidePillars", "luck", "notes"};
// names are UTF-8, moments "YYYY-MM-DD HH:MM:SS", dates "YYYY-MM-DD".
nlohmann::ordered_json ChartToJson(const chart::ChartModel& model);
