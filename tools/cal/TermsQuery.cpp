// Answering "terms YYYY" from the calendar's table of solar terms.
#include "TermsQuery.h"

#include <string>

#include "CivilTime.h"
#include "SolarTerms.h"

namespace cal {

QueryResult RunTermsQuery(const std::vector<std::string_view>& words) {
    QueryResult result;
    std::string query;
    for (std::string_view w : words) query += (query.empty() ? "" : " ") + std::string(w);
    result.line = query + "\tERROR";
    if (words.size() != 2) {
        result.message = "terms takes one year: terms YYYY";
        return result;
    }
    const std::string_view text = words[1];
    int year = 0;
    bool digits = !text.empty() && text.size() <= 4;
    for (char ch : text) {
        digits = digits && ch >= '0' && ch <= '9';
        if (digits) year = year * 10 + (ch - '0');
    }
    if (!digits) {
        result.message = "year \"" + std::string(text) + "\" is not YYYY";
        return result;
    }
    if (year < calendar::kFirstTermYear || year > calendar::kLastTermYear) {
        result.message = "year " + std::to_string(year) + " is outside the solar-term table (" +
                         std::to_string(calendar::kFirstTermYear) + "-" +
                         std::to_string(calendar::kLastTermYear) + ")";
        return result;
    }
    result.line.clear();
    for (int term = 0; term < calendar::kTermsPerYear; ++term) {
        if (term > 0) result.line += '\n';
        result.line += std::string(calendar::TermName(term)) + '\t' +
                       calendar::FormatSeconds(calendar::FromSeconds(*calendar::TermMoment(year, term)));
    }
    result.status = QueryStatus::kOk;
    return result;
}

}  // namespace cal
