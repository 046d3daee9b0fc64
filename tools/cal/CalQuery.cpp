// Parsing and answering the terminal calendar's queries.
#include "CalQuery.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <istream>
#include <optional>
#include <ostream>
#include <unordered_map>
#include <vector>

#include "CalendarNames.h"
#include "GbkCodec.h"
#include "GregorianCalendar.h"
#include "LineReader.h"
#include "LunarCalendar.h"
#include "PillarsQuery.h"
#include "TerminalText.h"
#include "TermsQuery.h"

namespace cal {
namespace {

constexpr int kMaxYearDigits = 4;
constexpr int kLastHour = 23;
constexpr std::string_view kInvalid = "INVALID";
constexpr std::string_view kLeapOption = "--leap";
constexpr std::string_view kProgram = "karvuto-cal";

struct Query {
    bool lunar = false;
    int year = 0, month = 0, day = 0, hour = 0;
    bool leap = false;
};

std::vector<std::string_view> SplitWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r')) ++i;
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t' && text[i] != '\r') ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

// A run of 1..maxDigits decimal digits.
std::optional<int> ParseNumber(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits) return std::nullopt;
    for (char ch : text)
        if (ch < '0' || ch > '9') return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Parses the words of a query; on failure returns the reason.
std::optional<std::string> Parse(const std::vector<std::string_view>& words, Query& q) {
    if (words.empty()) return "empty query";
    if (words[0] == "solar")
        q.lunar = false;
    else if (words[0] == "lunar")
        q.lunar = true;
    else
        return "unknown query " + QuotedWord(words[0]) + " (expected solar, lunar, terms or pillars)";
    if (words.size() < 2) return "missing date YYYY-MM-DD";

    const std::string_view date = words[1];
    const std::size_t dash1 = date.find('-');
    const std::size_t dash2 = dash1 == std::string_view::npos ? dash1 : date.find('-', dash1 + 1);
    if (dash2 == std::string_view::npos) return "date " + QuotedWord(date) + " is not YYYY-MM-DD";
    const auto year = ParseNumber(date.substr(0, dash1), kMaxYearDigits);
    const auto month = ParseNumber(date.substr(dash1 + 1, dash2 - dash1 - 1), 2);
    const auto day = ParseNumber(date.substr(dash2 + 1), 2);
    if (!year || !month || !day) return "date " + QuotedWord(date) + " is not YYYY-MM-DD";
    if (*month < 1 || *month > 12) return "month " + std::to_string(*month) + " is not 1-12";
    if (*day < 1 || *day > 31) return "day " + std::to_string(*day) + " is not 1-31";
    q.year = *year;
    q.month = *month;
    q.day = *day;

    bool haveHour = false;
    for (std::size_t i = 2; i < words.size(); ++i) {
        const std::string_view w = words[i];
        if (w == kLeapOption) {
            if (!q.lunar) return "--leap applies to lunar dates only";
            if (q.leap) return "--leap given twice";
            q.leap = true;
        } else if (const auto hour = ParseNumber(w, 2); hour && !haveHour) {
            if (*hour > kLastHour) return "hour " + std::to_string(*hour) + " is not 0-23";
            q.hour = *hour;
            haveHour = true;
        } else {
            return "unexpected " + QuotedWord(w);
        }
    }
    return std::nullopt;
}

std::string FormatDate(int y, int m, int d) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", y, m, d);
    return text;
}

// The engine's GBK names in UTF-8, each two-byte character converted by iconv
// once per thread and then taken from the table.
class Utf8Names {
public:
    void Append(std::string& out, std::string_view gbk) {
        for (std::size_t i = 0; i < gbk.size(); ++i) {
            const auto lead = static_cast<unsigned char>(gbk[i]);
            if (lead < 0x80 || i + 1 == gbk.size()) {
                out += gbk[i];
                continue;
            }
            const auto key = static_cast<std::uint16_t>(lead << 8 | static_cast<unsigned char>(gbk[i + 1]));
            auto it = m_chars.find(key);
            if (it == m_chars.end()) it = m_chars.emplace(key, platform::Utf8(gbk.substr(i, 2))).first;
            out += it->second;
            ++i;
        }
    }

    // The sexagenary name of index 0-59.
    void AppendStemBranch(std::string& out, int index) {
        const calendar::CalendarNames& names = calendar::Names();
        Append(out, names.stems[index % 10]);
        Append(out, names.branches[index % 12]);
    }

private:
    std::unordered_map<std::uint16_t, std::string> m_chars;
};

Utf8Names& NamesInUtf8() {
    thread_local Utf8Names names;
    return names;
}

}  // namespace

QueryResult RunQuery(std::string_view query) {
    const auto words = SplitWords(query);
    if (!words.empty() && words[0] == "terms") return RunTermsQuery(query, words);
    if (!words.empty() && words[0] == "pillars") return RunPillarsQuery(query, words);
    Query q;
    if (auto problem = Parse(words, q)) return Refused(query, std::move(*problem));
    QueryResult result;

    const CLunarCalendar cal;
    const SYSTEMTIME input = MakeSystemTime(q.year, q.month, q.day, q.hour);
    SYSTEMTIME solar{}, lunar{};
    int leap = q.leap ? 1 : 0;
    bool ok;
    if (q.lunar) {
        lunar = input;
        ok = cal.LunarToSolar(lunar, leap, solar);
    } else {
        // The engine counts a day past the end of its month on into the next
        // one; a user's date that does not exist is refused here instead.
        solar = input;
        ok = q.day <= calendar::DaysInGregorianMonth(q.year, q.month) && cal.SolarToLunar(solar, lunar, leap);
    }
    if (!ok) {
        result.status = QueryStatus::kInvalid;
        result.line = FormatDate(q.year, q.month, q.day) + "\t" + std::string(kInvalid);
        return result;
    }

    std::string& line = result.line;
    line = FormatDate(solar.wYear, solar.wMonth, solar.wDay);
    for (int field : {int{lunar.wYear}, int{lunar.wMonth}, int{lunar.wDay}, leap, q.hour}) {
        line += '\t';
        line += std::to_string(field);
    }
    Utf8Names& utf8 = NamesInUtf8();
    line += '\t';
    for (const int index : cal.GetFourPillarIndices(solar))
        if (index >= 0) utf8.AppendStemBranch(line, index);
    for (const std::string& gbk :
         {cal.FormatLunarDate(lunar, leap), cal.GetHourName(solar), cal.GetZodiacSign(solar)}) {
        line += '\t';
        utf8.Append(line, gbk);
    }
    result.status = QueryStatus::kOk;
    return result;
}

int RunStream(std::istream& in, std::ostream& out, std::ostream& err, bool interactive) {
    // Reading a tied stream flushes its output first: only a person at a
    // terminal needs each answer before typing the next query.
    std::ostream* const tie = in.tie(interactive ? &out : nullptr);
    int status = kExitAnswered;
    platform::LineReader lines(in, kMaxQueryLineBytes);
    std::string_view text;
    std::size_t unread = 0;
    for (long lineNumber = 1; out && lines.Next(text, unread); ++lineNumber) {
        const std::string_view query = lineNumber == 1 ? platform::WithoutByteOrderMark(text) : text;
        if (unread == 0 && query.find_first_not_of(" \t\r") == std::string::npos) continue;
        const QueryResult r =
            unread == 0
                ? RunQuery(query)
                : Refused(query, "the line is longer than " + std::to_string(kMaxQueryLineBytes) + " bytes",
                          unread);
        out << r.line << '\n';
        if (interactive) out.flush();
        if (r.status == QueryStatus::kError) {
            err << kProgram << ": line " << lineNumber << ": " << r.message << ": "
                << platform::Echo(query, unread) << '\n';
            status = kExitMalformed;
        }
    }
    in.tie(tie);
    return platform::FlushOrReport(out, err, kProgram, "the answers") ? status : kExitOutputLost;
}

std::string_view UsageText() {
    return R"(Usage:
  karvuto-cal solar YYYY-MM-DD [HOUR]           a Gregorian date
  karvuto-cal lunar YYYY-MM-DD [HOUR] [--leap]  lunar year, month and day numbers;
                                                --leap: the leap month after that month
  karvuto-cal terms YYYY                        the 24 solar terms of a year (1900-2101)
  karvuto-cal pillars PILLARS [--from YEAR] [--to YEAR]
                                                八字反推: the birth windows of 1900-2100
                                                with these four pillars (甲子丙寅戊辰壬子)
  karvuto-cal                                   one such query per line on standard input
  karvuto-cal --help                            this text

HOUR is the hour 0-23 (default 0) in China Standard Time (UTC+8), taken at its
start, H:00: a calendar query, not a birth, so no summer time applies.
Blank input lines are skipped; a line longer than 4096 bytes is a malformed query.
For each query one UTF-8 line of tab-separated fields is printed:
  Gregorian date, lunar year, lunar month, lunar day, leap flag (0/1), hour,
  the four pillars (eight characters), the lunar date line, the double-hour
  name, the Western zodiac sign of the Gregorian date.
The year pillar turns at the moment of 立春 and the month pillar at the moment
  of each 节; hour 23 is 晚子时: the day's pillar with the next day's 子 hour.
A date that does not exist or lies outside 1900-01-31 .. 2100-12-31 prints
  YYYY-MM-DD<TAB>INVALID
A terms query prints 24 lines, 小寒 first: the term's name, a tab and its
  moment in China Standard Time, YYYY-MM-DD HH:MM:SS.
A pillars query prints one line per window: its date, its span HH:MM:SS-HH:MM:SS
  (China Standard Time) and the 子 school it needs (any; late, 晚子时; next-day,
  子初换日; same-day, the day's own 子 stem at 23:00), or PILLARS<TAB>NONE.
  Pillars that break 五虎遁 (month stem by year stem) or 五鼠遁 (hour stem by day
  stem) are malformed.
A malformed query prints its text and ERROR, with a message on standard error;
  the text shows what is not printable UTF-8 as \xNN (\t, \r, \n, \\) and is
  cut after 200 bytes. A UTF-8 byte-order mark before the first query is ignored.
Exit status: 3 if the output could not be written (said on standard error),
  otherwise 2 if any query was malformed, otherwise 0.
)";
}

}  // namespace cal
