// Answering "terms YYYY" from the calendar's table of solar terms.
#include "TermsQuery.h"

#include <string>

#include "CivilTime.h"
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
    if (year < calendar::kFirstTermYear || year > calendar::kLastTermYear) {
        return Refused(query, "year " + std::to_string(year) + " is outside the solar-term table (" +
                                  std::to_string(calendar::kFirstTermYear) + "-" +
                                  std::to_string(calendar::kLastTermYear) + ")");
    }
    QueryResult result;
    for (int term = 0; term < calendar::kTermsPerYear; ++term) {
        if (term > 0) result.line += '\n';
        result.line += std::string(calendar::TermName(term)) + '\t' +
                       calendar::FormatSeconds(calendar::FromSeconds(*calendar::TermMoment(year, term)));
    }
    result.status = QueryStatus::kOk;
    return result;
}

}  // namespace cal
