// Answering "pillars" (八字反推) from the calendar's search.
#include "PillarsQuery.h"

#include <charconv>
#include <string>

#include "PillarSearch.h"
#include "TerminalText.h"

namespace cal {
namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2100;
constexpr std::size_t kEchoLimit = 40;
constexpr std::string_view kNone = "NONE";

std::optional<int> ParseYear(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text.size() > 4 || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

QueryResult Refuse(const std::string& query, std::string message) {
    return {QueryStatus::kError, platform::EscapeForTerminal(query) + "\tERROR", std::move(message)};
}

}  // namespace

QueryResult RunPillarsQuery(const std::vector<std::string_view>& words) {
    std::string query;
    for (std::string_view w : words) query += (query.empty() ? "" : " ") + std::string(w);
    std::string text;
    int from = kFirstYear, to = kLastYear;
    bool haveFrom = false, haveTo = false;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string_view w = words[i];
        if (w == "--from" || w == "--to") {
            bool& given = w == "--from" ? haveFrom : haveTo;
            if (given) return Refuse(query, std::string(w) + " given twice");
            if (i + 1 >= words.size()) return Refuse(query, std::string(w) + " needs a year");
            const std::optional<int> year = ParseYear(words[++i]);
            if (!year || *year < kFirstYear || *year > kLastYear)
                return Refuse(query, std::string(w) + " needs a year from 1900 to 2100, not \"" +
                                         platform::EscapeForTerminal(words[i], kEchoLimit) + "\"");
            (w == "--from" ? from : to) = *year;
            given = true;
        } else {
            text += w;
        }
    }
    if (from > to)
        return Refuse(query, "--from " + std::to_string(from) + " lies after --to " + std::to_string(to));
    const calendar::ParsedPillars parsed = calendar::ParsePillars(text);
    if (!parsed.pillars) return Refuse(query, parsed.error);

    QueryResult result;
    result.status = QueryStatus::kOk;
    for (const calendar::BirthWindow& w : calendar::FindBirthWindows(*parsed.pillars, from, to)) {
        if (!result.line.empty()) result.line += '\n';
        result.line += calendar::FormatDate(w.start) + '\t' + calendar::FormatSeconds(w.start).substr(11) +
                       '-' + calendar::FormatSeconds(w.end).substr(11) + '\t' +
                       std::string(calendar::ZiSchoolKey(w.school));
    }
    if (result.line.empty()) result.line = text + '\t' + std::string(kNone);
    return result;
}

}  // namespace cal
