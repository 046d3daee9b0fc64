// Answering "terms YYYY" from the chart engine's table of solar terms.
#include "TermsQuery.h"

#include <string>

#include "SolarTerms.h"

namespace cal {

QueryResult RunTermsQuery(std::string_view query, const std::vector<std::string_view>& words) {
    if (words.size() != 2) return Refused(query, "terms takes one year: terms YYYY");
    const std::string_view text = words[1];
    int year = 0;
    bool digits = !text.empty() && text.size() <= 4;
    for (char ch : text) {
        digits = digits && ch >= '0' && ch <= '9';
        if (digits) year = year * 10 + (ch - '0');
    }
    if (!digits) return Refused(query, "year " + QuotedWord(text) + " is not YYYY");
    if (year < chart::kFirstTermYear || year > chart::kLastTermYear) {
        return Refused(query, "year " + std::to_string(year) + " is outside the solar-term table (" +
                                  std::to_string(chart::kFirstTermYear) + "-" +
                                  std::to_string(chart::kLastTermYear) + ")");
    }
    QueryResult result;
    for (int term = 0; term < chart::kTermsPerYear; ++term) {
        if (term > 0) result.line += '\n';
        result.line += std::string(chart::TermName(term)) + '\t' +
                       chart::FormatSeconds(chart::FromSeconds(*chart::TermMoment(year, term)));
    }
    result.status = QueryStatus::kOk;
    return result;
}

}  // namespace cal
