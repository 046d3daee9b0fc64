// The "terms YYYY" query of the terminal calendar: the 24 solar terms of a
// year, 小寒 first, one "name<TAB>YYYY-MM-DD HH:MM:SS" line each (China
// Standard Time), for the years 1900-2100.
#pragma once

#include <string_view>
#include <vector>

#include "QueryResult.h"

namespace cal {

// `words` are the words of `query`, words[0] being "terms". The result's line
// holds the 24 lines joined by line feeds (without the last one); a
// malformed query or a year outside 1900-2100 is refused with a message.
QueryResult RunTermsQuery(std::string_view query, const std::vector<std::string_view>& words);

}  // namespace cal
