// An analysis as the "analysis" object of karvuto-read's JSON output.
#pragma once

#include <nlohmann/json.hpp>

#include "Analysis.h"

// {"pillars", "hasLuck", "strength", "pattern", "useful", "month",
//  "luckMethod", "luck", "yearsMethod", "years", "summaryMethod", "summary",
//  "shenshaMethod", "shensha"}: every section with its method, evidence and
// paragraph; names are UTF-8 as the analysis writes them. A chart known only
// by its pillars has "hasLuck": false and empty "luck", "years" and "summary".
nlohmann::ordered_json AnalysisToJson(const analysis::Analysis& analysis);
