// Answering "pillars" (八字反推) from the calendar's search.
#include "PillarsQuery.h"

#include <charconv>
#include <string>

#include "PillarSearch.h"

namespace cal {
namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2100;
constexpr std::string_view kNone = "NONE";
constexpr std::size_t kTimeOffset = 11;  // "YYYY-MM-DD " before the time of FormatSeconds

std::optional<int> ParseYear(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text.size() > 4 || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

}  // namespace

QueryResult RunPillarsQuery(std::string_view query, const std::vector<std::string_view>& words) {
    std::string text;
    int from = kFirstYear, to = kLastYear;
    bool haveFrom = false, haveTo = false;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string_view w = words[i];
        if (w == "--from" || w == "--to") {
            bool& given = w == "--from" ? haveFrom : haveTo;
            if (given) return Refused(query, std::string(w) + " given twice");
            if (i + 1 >= words.size()) return Refused(query, std::string(w) + " needs a year");
            const std::optional<int> year = ParseYear(words[++i]);
            if (!year || *year < kFirstYear || *year > kLastYear)
                return Refused(
                    query, std::string(w) + " needs a year from 1900 to 2100, not " + QuotedWord(words[i]));
            (w == "--from" ? from : to) = *year;
            given = true;
        } else {
            text += w;
        }
    }
    if (from > to)
        return Refused(query, "--from " + std::to_string(from) + " lies after --to " + std::to_string(to));
    const calendar::ParsedPillars parsed = calendar::ParsePillars(text);
    if (!parsed.pillars) return Refused(query, parsed.error);

    QueryResult result;
    result.status = QueryStatus::kOk;
    // Appended piece by piece: one string, no temporaries per window.
    std::string& line = result.line;
    for (const calendar::BirthWindow& w : calendar::FindBirthWindows(*parsed.pillars, from, to)) {
        if (!line.empty()) line += '\n';
        line.append(calendar::FormatDate(w.start)).append(1, '\t');
        line.append(calendar::FormatSeconds(w.start), kTimeOffset).append(1, '-');
        line.append(calendar::FormatSeconds(w.end), kTimeOffset).append(1, '\t');
        line.append(calendar::ZiSchoolKey(w.school));
    }
    if (line.empty()) line.append(text).append(1, '\t').append(kNone);
    return result;
}

}  // namespace cal
