// Running one reading for the terminal.
#include "ReadCommand.h"

#include <cstdio>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>

#include "AnalysisJson.h"
#include "AnalysisKeys.h"
#include "AnalysisText.h"
#include "Analyze.h"
#include "ChartBirth.h"
#include "ChartJson.h"
#include "ChartText.h"
#include "Clock.h"
#include "ComError.h"
#include "ComposeFormat.h"
#include "Database.h"
#include "DatabaseKeys.h"
#include "DatabaseTextSource.h"
#include "GbkCodec.h"
#include "LunarCalendar.h"
#include "ReadArguments.h"
#include "ReadExport.h"
#include "ReadPerson.h"
#include "ReadingComposer.h"
#include "ReadingMessages.h"
#include "TerminalText.h"
#include "app/pages/AnalysisPage.h"
#include "app/pages/Documents.h"

namespace {

constexpr std::string_view kProgram = "karvuto-read";

// Section keys of the JSON output, in the order the body shows them.
constexpr const char* kSectionKeys[] = {"boneWeight", "dayStemHour", "dayPillarHour", "yearPillar",
                                        "lunarMonth", "lunarDay",    "hour"};
static_assert(std::size(kSectionKeys) == std::tuple_size_v<decltype(ComposedReport::sections)>);

// A terminal line ends in a line feed: the message boxes' "\r\n" becomes "\n".
std::string ForTerminal(std::string text) {
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
        text.erase(at, 1);
    }
    return text;
}

// GBK -> UTF-8; a text that is not valid GBK (a corrupt stored text) is
// reported as a database fault, naming the byte, instead of being altered.
class Utf8Writer {
public:
    std::optional<std::string> operator()(const std::string& gbk, const char* what) {
        std::size_t bad = 0;
        std::optional<std::string> utf8 = platform::GbkToUtf8(gbk, &bad);
        if (!utf8 && m_error.empty()) {
            m_error =
                std::string("the ") + what + " is not valid GBK text (byte " + std::to_string(bad) + ")";
        }
        return utf8;
    }
    const std::string& Error() const { return m_error; }

private:
    std::string m_error;
};

std::string IsoDate(const SYSTEMTIME& d) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.wYear, d.wMonth, d.wDay);
    return text;
}

std::string PillarsUtf8(const ComposedReport& r, std::size_t pillar) {
    return platform::Utf8(std::string(r.pillarChars[2 * pillar].data()) +
                          r.pillarChars[2 * pillar + 1].data());
}

// The reading as one JSON object; the chart's and the analysis's objects
// after it where given.
std::optional<std::string> JsonReading(const ReadArguments& a, const ComposedReport& r, Utf8Writer& utf8,
                                       const chart::ChartModel* chart, const analysis::Analysis* analysis) {
    const CLunarCalendar calendar;
    nlohmann::ordered_json json;
    json["input"] = {
        {"name", a.nameUtf8},
        {"sex", a.birth.sex == 0 ? "male" : "female"},
        {"calendar", a.birth.CalendarKind == kGregorianCalendar ? "solar" : "lunar"},
        {"year", a.birth.year},
        {"month", a.birth.month},
        {"day", a.birth.day},
        {"leap", a.birth.leap != 0},
        {"hour", a.birth.hour},
        {"minute", a.minute},
    };
    json["solar"] = {
        {"date", IsoDate(r.solar)}, {"year", r.solar.wYear}, {"month", r.solar.wMonth},
        {"day", r.solar.wDay},      {"hour", r.solar.wHour},
    };
    json["lunar"] = {
        {"year", r.lunar.wYear},
        {"month", r.lunar.wMonth},
        {"day", r.lunar.wDay},
        {"leap", r.leap != 0},
        {"hour", r.lunar.wHour},
        {"text", platform::Utf8(calendar.FormatLunarDate(r.lunar, r.leap))},
        {"hourName", platform::Utf8(calendar.GetHourName(r.lunar))},
    };
    json["pillars"] = {
        {"year", PillarsUtf8(r, 0)},
        {"month", PillarsUtf8(r, 1)},
        {"day", PillarsUtf8(r, 2)},
        {"hour", PillarsUtf8(r, 3)},
    };
    json["weights"] = {
        {"year", r.weights[0]}, {"month", r.weights[1]},  {"day", r.weights[2]},
        {"hour", r.weights[3]}, {"total", r.totalWeight},
    };
    json["zodiacSign"] = platform::Utf8(r.starSign);
    nlohmann::ordered_json sections = nlohmann::ordered_json::object();
    for (std::size_t i = 0; i < std::size(kSectionKeys); ++i) {
        const std::optional<std::string> text = utf8(r.sections[i], "stored text of a section");
        if (!text) return std::nullopt;
        sections[kSectionKeys[i]] = *text;
    }
    json["sections"] = std::move(sections);
    if (chart) json["chart"] = ChartToJson(*chart);
    if (analysis) json["analysis"] = AnalysisToJson(*analysis);
    return json.dump(2) + "\n";
}

// Lines each ended by a line feed.
std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

std::optional<std::string> PlainReading(const ComposedReport& r, Utf8Writer& utf8) {
    const std::optional<std::string> header = utf8(r.header, "header");
    const std::optional<std::string> body = utf8(r.body, "body");
    if (!header || !body) return std::nullopt;
    return *header + "\n\n" + *body;
}

// The analysis asked for, one text source for the open database.
struct AnalysisRun {
    const analysis::TextSource& texts;
    int thisYear;
};

// --pillars: the analysis of four pillars alone, printed or exported.
int RunPillars(const ReadArguments& a, const AnalysisRun& run, std::ostream& out, std::ostream& err,
               bool outIsTerminal) {
    const analysis::Analysis analysis = analysis::AnalyzePillars(*a.pillars, run.texts);
    if (!a.exportPath.empty())
        return ExportPages(
            a.exportPath, [&] { return pages::AnalysisPagePainters(analysis, {}); }, err);
    std::string text;
    if (a.json) {
        nlohmann::ordered_json json;
        json["input"] = {{"pillars", a.pillarsText}};
        json["analysis"] = AnalysisToJson(analysis);
        text = json.dump(2) + "\n";
    } else {
        text = Lines(analysis::AnalysisLines(analysis));
    }
    out << (outIsTerminal && !a.json
                ? platform::EscapeForTerminal(text, text.size(), platform::LineFeeds::kKeep)
                : text);
    return platform::FlushOrReport(out, err, kProgram, "the analysis") ? kExitReading : kExitOutputLost;
}

}  // namespace

int RunReadCommand(const std::vector<std::string>& args, const std::filesystem::path& defaultDb,
                   std::ostream& out, std::ostream& err, bool outIsTerminal) {
    ParseResult parsed = ParseReadArguments(args);
    if (!parsed.arguments) {
        err << "karvuto-read: " << parsed.error << "\nTry 'karvuto-read --help'.\n";
        return kExitBadArguments;
    }
    if (parsed.arguments->help) {
        out << ReadUsage();
        return platform::FlushOrReport(out, err, kProgram, "the help") ? kExitReading : kExitOutputLost;
    }
    if (parsed.arguments->personId != 0) {
        PersonReading person = ReadPerson(*parsed.arguments);
        if (!person.arguments) {
            err << "karvuto-read: " << platform::EscapeForTerminal(person.error) << "\n";
            return kExitPersonUnavailable;
        }
        if (!person.note.empty()) err << "karvuto-read: " << platform::EscapeForTerminal(person.note) << "\n";
        parsed.arguments = std::move(person.arguments);
    }
    const ReadArguments& a = *parsed.arguments;

    // Every table is checked at open, the analysis's too, as the program does.
    const std::string dbPath = a.dbPath.empty() ? defaultDb.string() : a.dbPath;
    Connection connection;
    try {
        OpenInterpretationDatabase(connection, dbPath, {ReadingTableKeys, AnalysisTableKeys});
    } catch (const ComError& e) {
        err << platform::Utf8(ForTerminal(platform::Gbk(kOpenFailedText) + e.ErrorText())) << "\n";
        return kExitDatabaseOpen;
    }
    const DatabaseTextSource texts(&connection);

    SYSTEMTIME now;
    GetLocalTime(&now);
    const AnalysisRun run{texts, now.wYear};
    if (a.pillars) {
        try {
            return RunPillars(a, run, out, err, outIsTerminal);
        } catch (const ComError& e) {
            err << platform::Utf8(ForTerminal(platform::Gbk(kReadFailedText) + e.ErrorText())) << "\n";
            return kExitDatabaseRead;
        }
    }

    std::optional<ComposedReport> report;
    try {
        report = ComposeReport(a.birth, &connection, now, {.dstCorrect = a.conventions.dstCorrect});
    } catch (const ComError& e) {
        err << platform::Utf8(ForTerminal(platform::Gbk(kReadFailedText) + e.ErrorText())) << "\n";
        return kExitDatabaseRead;
    }
    if (!report) {
        err << kInvalidDateText << "\n";
        return kExitInvalidDate;
    }

    // The chart of the reading's Gregorian date (a lunar birth converted),
    // as every face shows it; the current year is the reading's. The
    // analysis judges this year and the next two.
    const bool exporting = !a.exportPath.empty();
    std::optional<chart::ChartModel> chart;
    std::optional<analysis::Analysis> analysis;
    if (a.chart || a.analysis || exporting) {
        const chart::BirthMoment birth = chart::BirthOfReading(a.birth, report->clockSolar, a.minute);
        if (const std::string error = chart::CheckBirth(birth, a.conventions); !error.empty()) {
            err << "karvuto-read: " << error << "\n";
            return kExitBadArguments;
        }
        const chart::Chart cast = chart::ComputeChart(birth, a.conventions);
        chart = chart::MakeChartModel(cast, {a.nameUtf8, a.place, now.wYear});
        if (a.analysis || exporting) {
            try {
                analysis = analysis::Analyze(cast, {run.thisYear, run.thisYear + 1, run.thisYear + 2}, texts);
            } catch (const ComError& e) {
                err << platform::Utf8(ForTerminal(platform::Gbk(kReadFailedText) + e.ErrorText())) << "\n";
                return kExitDatabaseRead;
            }
        }
    }

    if (exporting) {
        const pages::ReportPageText reportText =
            pages::MakeReportPageText(report->header, report->body, !report->starSign.empty());
        return ExportPages(
            a.exportPath, [&] { return pages::ReadingDocument(reportText, &*chart, &*analysis); }, err);
    }

    Utf8Writer utf8;
    std::optional<std::string> text =
        a.json ? JsonReading(a, *report, utf8, a.chart ? &*chart : nullptr, analysis ? &*analysis : nullptr)
               : PlainReading(*report, utf8);
    if (!text) {
        err << "karvuto-read: " << utf8.Error() << "\n";
        return kExitDatabaseRead;
    }
    if (!a.json && a.chart) *text += "\n" + chart::FormatChartText(*chart);
    if (!a.json && analysis) *text += "\n" + Lines(analysis::AnalysisLines(*analysis));
    // The stored texts are the database's: on a terminal, a control character
    // in them is shown, not obeyed.
    out << (outIsTerminal && !a.json
                ? platform::EscapeForTerminal(*text, text->size(), platform::LineFeeds::kKeep)
                : *text);
    return platform::FlushOrReport(out, err, kProgram, "the reading") ? kExitReading : kExitOutputLost;
}
