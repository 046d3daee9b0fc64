// Parsing of karvuto-read's command line.
#include "ReadArguments.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <map>

#include "GbkCodec.h"
#include "TerminalText.h"

namespace {

constexpr int kLastHour = 23;
constexpr int kMonthsPerYear = 12;
constexpr int kLastOfferedDay = 31;  // the form offers 31 days for every month

// The options that take a value, and the flags.
const std::map<std::string, bool, std::less<>> kOptionTakesValue = {
    {"--name", true},      {"--sex", true},          {"--solar", true},
    {"--lunar", true},     {"--hour", true},         {"--db", true},
    {"--leap", false},     {"--json", false},        {"--help", false},
    {"-h", false},         {"--minute", true},       {"--zi", true},
    {"--longitude", true}, {"--dst-correct", false}, {"--chart", false},
    {"--analysis", false}, {"--export", true},       {"--no-dst-correct", false},
    {"--pillars", true},   {"--person", true},       {"--store", true},
};

// What a birth is given by: refused beside --pillars and --person, which give it otherwise.
constexpr const char* kBirthOptions[] = {"--name",      "--sex",         "--solar",         "--lunar",
                                         "--leap",      "--hour",        "--minute",        "--zi",
                                         "--longitude", "--dst-correct", "--no-dst-correct"};
constexpr int kMaxIdDigits = 18;  // every positive id of the store fits

// The calendar's span: Gregorian 1900-01-31 … 2100-12-31, lunar years 1900-2100.
constexpr int kFirstYear = 1900, kLastYear = 2100;
constexpr int kFirstDayOfFirstYear = 131;  // 100 * month + day of 1900-01-31
constexpr const char* kSpanText = "1900-01-31 … 2100-12-31";

constexpr int kLastMinute = 59;
constexpr double kMaxLongitude = 180.0;

// Degrees as a plain decimal number ("116.4", "-73.5"), or nothing.
std::optional<double> ParseDegrees(std::string_view text) {
    double value = 0;
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<int> ParseNumber(std::string_view text) {
    // Digits only (no sign), at most five of them, so the value always fits.
    if (text.empty() || text.size() > 5) return std::nullopt;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

struct Date {
    int year, month, day;
};

// "YYYY-MM-DD" (the year may have 1 to 5 digits, month and day 1 or 2).
std::optional<Date> ParseDate(std::string_view text) {
    const auto first = text.find('-');
    const auto second = first == std::string_view::npos ? first : text.find('-', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    const auto year = ParseNumber(text.substr(0, first));
    const auto monthText = text.substr(first + 1, second - first - 1);
    const auto dayText = text.substr(second + 1);
    if (monthText.size() > 2 || dayText.size() > 2) return std::nullopt;
    const auto month = ParseNumber(monthText);
    const auto day = ParseNumber(dayText);
    if (!year || !month || !day) return std::nullopt;
    return Date{*year, *month, *day};
}

ParseResult Fail(std::string message) {
    return {std::nullopt, std::move(message)};
}

// --export FILE: its name ends in .pdf or .png, any case.
bool ExportName(const std::string& file) {
    auto endsWith = [&file](std::string_view suffix) {
        if (file.size() <= suffix.size()) return false;
        for (std::size_t i = 0; i < suffix.size(); ++i) {
            const char c = file[file.size() - suffix.size() + i];
            if ((c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c) != suffix[i]) return false;
        }
        return true;
    };
    return endsWith(".pdf") || endsWith(".png");
}

// The options every mode shares: --db, --json, --export.
std::optional<std::string> ParseOutput(std::map<std::string, std::string>& given, ReadArguments& parsed) {
    if (const auto db = given.find("--db"); db != given.end()) {
        if (db->second.empty()) return "--db needs a path";
        parsed.dbPath = db->second;
    }
    if (const auto exported = given.find("--export"); exported != given.end()) {
        if (!ExportName(exported->second)) return "--export needs a file name ending in .pdf or .png";
        if (given.contains("--json")) return "--export and --json exclude each other";
        parsed.exportPath = exported->second;
    }
    parsed.json = given.contains("--json");
    parsed.chart = given.contains("--chart");
    parsed.analysis = given.contains("--analysis");
    return std::nullopt;
}

// --pillars: the eight characters and the output options, nothing of a birth.
ParseResult ParsePillarsMode(std::map<std::string, std::string>& given) {
    for (const char* option : kBirthOptions)
        if (given.contains(option))
            return Fail(std::string(option) +
                        " cannot go with --pillars, which gives a chart by its pillars alone");
    for (const char* option : {"--chart", "--person", "--store"})
        if (given.contains(option))
            return Fail(std::string(option) +
                        " cannot go with --pillars, which gives a chart by its pillars alone");
    ReadArguments parsed;
    if (const auto error = ParseOutput(given, parsed)) return Fail(*error);
    parsed.analysis = true;
    parsed.pillarsText = given["--pillars"];
    const calendar::ParsedPillars pillars = calendar::ParsePillars(parsed.pillarsText);
    if (!pillars.pillars)
        return Fail("--pillars \"" + platform::Echo(parsed.pillarsText) + "\": " + pillars.error);
    parsed.pillars = pillars.pillars;
    return {parsed, {}};
}

// --person ID [--store PATH]: the person gives the birth and its conventions.
ParseResult ParsePersonMode(std::map<std::string, std::string>& given) {
    for (const char* option : kBirthOptions)
        if (given.contains(option))
            return Fail(std::string(option) +
                        " cannot go with --person, which gives the birth and its conventions");
    ReadArguments parsed;
    if (const auto error = ParseOutput(given, parsed)) return Fail(*error);
    const std::string& id = given["--person"];
    if (id.empty() || id.size() > kMaxIdDigits || id.find_first_not_of("0123456789") != std::string::npos ||
        id.find_first_not_of('0') == std::string::npos)
        return Fail(
            "--person needs the id of a saved person, a positive number (karvuto-people list shows them)");
    std::from_chars(id.data(), id.data() + id.size(), parsed.personId);
    if (const auto store = given.find("--store"); store != given.end()) {
        if (store->second.empty()) return Fail("--store needs a path");
        parsed.storePath = store->second;
    }
    return {parsed, {}};
}

}  // namespace

ParseResult ParseReadArguments(const std::vector<std::string>& args) {
    std::map<std::string, std::string> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string option = args[i];
        std::optional<std::string> value;
        if (const auto eq = option.find('='); option.starts_with("--") && eq != std::string::npos) {
            value = option.substr(eq + 1);
            option.resize(eq);
        }
        const auto known = kOptionTakesValue.find(option);
        if (known == kOptionTakesValue.end())
            return Fail("unknown argument \"" + platform::Echo(args[i]) + "\"");
        if (given.contains(option)) return Fail(option + " is given twice");
        if (known->second && !value) {
            if (i + 1 >= args.size()) return Fail(option + " needs a value");
            value = args[++i];
        }
        if (!known->second && value) return Fail(option + " takes no value");
        given[option] = value.value_or("");
    }

    ReadArguments parsed;
    if (given.contains("--help") || given.contains("-h")) {
        parsed.help = true;
        return {parsed, {}};
    }
    if (given.contains("--pillars")) return ParsePillarsMode(given);
    if (given.contains("--person")) return ParsePersonMode(given);
    if (given.contains("--store")) return Fail("--store goes with --person only");
    BirthRecord& birth = parsed.birth;

    if (!given.contains("--name")) return Fail("--name is required");
    parsed.nameUtf8 = given["--name"];
    if (parsed.nameUtf8.empty()) return Fail("请输入您的姓名!");
    for (unsigned char c : parsed.nameUtf8) {
        if (c < 0x20 || c == 0x7F) return Fail("the name must not contain control characters");
    }
    const std::optional<std::string> name = platform::Utf8ToGbk(parsed.nameUtf8);
    if (!name) return Fail("the name has a character that GBK cannot encode (or is not valid UTF-8)");
    if (name->size() > kNameMaxBytes) {
        return Fail("the name takes " + std::to_string(name->size()) + " bytes in GBK; at most " +
                    std::to_string(kNameMaxBytes) + " are allowed (5 Chinese characters)");
    }
    std::memcpy(birth.name, name->data(), name->size());

    if (const auto sex = given.find("--sex"); sex != given.end()) {
        if (sex->second == "male") {
            birth.sex = 0;
        } else if (sex->second == "female") {
            birth.sex = 1;
        } else {
            return Fail("--sex must be male or female");
        }
    }

    const bool solar = given.contains("--solar");
    const bool lunar = given.contains("--lunar");
    if (solar == lunar) return Fail("give exactly one of --solar and --lunar");
    if (given.contains("--leap") && !lunar) return Fail("--leap goes with --lunar only");
    const std::string& dateText = given[solar ? "--solar" : "--lunar"];
    const std::optional<Date> date = ParseDate(dateText);
    if (!date) return Fail("the date \"" + platform::Echo(dateText) + "\" is not of the form YYYY-MM-DD");
    if (date->month < 1 || date->month > kMonthsPerYear) return Fail("the month must be 1-12");
    if (date->day < 1 || date->day > kLastOfferedDay) return Fail("the day must be 1-31");
    if (date->year < kFirstYear || date->year > kLastYear ||
        (solar && date->year == kFirstYear && 100 * date->month + date->day < kFirstDayOfFirstYear))
        return Fail(std::string("the date must lie in ") + kSpanText +
                    (solar ? "" : " (lunar years 1900-2100, up to 2100-12-01)"));
    birth.CalendarKind = solar ? kGregorianCalendar : kLunarCalendar;
    birth.year = date->year;
    birth.month = date->month;
    birth.day = date->day;
    birth.leap = given.contains("--leap") ? 1 : 0;

    if (const auto hour = given.find("--hour"); hour != given.end()) {
        const std::optional<int> h = ParseNumber(hour->second);
        if (!h || *h > kLastHour) return Fail("--hour must be a clock hour 0-23");
        birth.hour = *h;
    }

    if (const auto minute = given.find("--minute"); minute != given.end()) {
        const std::optional<int> m = ParseNumber(minute->second);
        if (!m || *m > kLastMinute) return Fail("--minute must be a minute 0-59");
        parsed.minute = *m;
    }
    if (const auto error = ParseOutput(given, parsed)) return Fail(*error);
    if (given.contains("--dst-correct") && given.contains("--no-dst-correct"))
        return Fail("--dst-correct and --no-dst-correct exclude each other");
    for (const char* option : {"--zi", "--longitude"}) {
        if (given.contains(option) && !parsed.chart && !parsed.analysis && parsed.exportPath.empty())
            return Fail(std::string(option) + " goes with --chart, --analysis or --export only");
    }
    if (const auto zi = given.find("--zi"); zi != given.end()) {
        const std::optional<chart::ZiHour> school = chart::ParseZiHour(zi->second);
        if (!school) return Fail("--zi must be late, next-day or same-day");
        parsed.conventions.zi = *school;
    }
    if (const auto longitude = given.find("--longitude"); longitude != given.end()) {
        std::optional<double> degrees = ParseDegrees(longitude->second);
        if (!degrees) {
            if (const auto capital = chart::FindCapital(longitude->second)) {
                degrees = capital->longitude;
                parsed.place = capital->name;
            }
        }
        if (!degrees || !std::isfinite(*degrees) || std::abs(*degrees) > kMaxLongitude) {
            return Fail(
                "--longitude must be degrees from -180 to 180 (east positive) or a provincial capital "
                "such as 北京");
        }
        parsed.conventions.longitude = degrees;
    }
    // Summer time is taken back to standard time unless --no-dst-correct;
    // --dst-correct, the default, is still accepted.
    parsed.conventions.dstCorrect = !given.contains("--no-dst-correct");
    return {parsed, {}};
}

const char* ReadUsage() {
    return "usage: karvuto-read --name NAME [--sex male|female]\n"
           "                    (--solar YYYY-MM-DD | --lunar YYYY-MM-DD [--leap])\n"
           "                    [--hour H] [--minute M] [--db PATH] [--json]\n"
           "                    [--no-dst-correct] [--chart] [--analysis]\n"
           "                    [--zi late|next-day|same-day] [--longitude DEG|CITY]\n"
           "                    [--export FILE.pdf|FILE.png]\n"
           "       karvuto-read --person ID [--store PATH] [--chart] [--analysis]\n"
           "                    [--json | --export FILE] [--db PATH]\n"
           "       karvuto-read --pillars 甲子丙寅戊辰壬子 [--analysis]\n"
           "                    [--json | --export FILE] [--db PATH]\n"
           "       karvuto-read --help\n"
           "Composes a reading and prints it as UTF-8: the header, an empty line and the body,\n"
           "or with --json one JSON object. --sex defaults to male, --hour to 0; the database\n"
           "defaults to Karvuto.mdb beside the executable, else in ../share/karvuto/.\n"
           "Dates run from 1900-01-31 to 2100-12-31. The birth is taken at the start of its\n"
           "hour in China Standard Time; the year pillar turns at the moment of 立春 and the\n"
           "month at each 节, and a 节 inside the birth hour is noted with the other side's\n"
           "pillars. 23:00-23:59 is 晚子时 (the day's pillar, the next day's 子 hour). A clock\n"
           "hour in China's summer time (1919, 1940-1949, 1986-1991) is taken an hour back\n"
           "to standard time and noted; --no-dst-correct keeps the clock (--dst-correct,\n"
           "the default, is accepted). Ages are nominal (虚岁): the year less the year of\n"
           "birth, plus one.\n"
           "--chart adds the full chart (pillars with ten gods, hidden stems, nayin and stages,\n"
           "relations, elements, 胎元, 命宫, the terms, 小运 and the luck pillars), or a\n"
           "\"chart\" object with --json. --minute (default 0) is the minute of the birth; --zi\n"
           "picks the 子-hour school for 23:00 (default late, 晚子时; next-day is 子初换日;\n"
           "same-day gives 23:00 the same day's 子 stem); --longitude casts the chart for true\n"
           "solar time at the birthplace, reckoned from standard time (degrees east, or a\n"
           "provincial capital's name).\n"
           "--analysis adds the analysis of the chart (命局分析: strength, pattern, useful god,\n"
           "month, luck pillars, this year and the next two by the clock, summary, and the\n"
           "stars), or an \"analysis\" object with --json.\n"
           "--pillars analyses a chart known only by its eight characters (the strength,\n"
           "pattern, useful god, month and the stars; no luck, no years): no reading, no\n"
           "birth options. Pillars that are malformed or break 五虎遁 (the month's stem\n"
           "from the year's) or 五鼠遁 (the hour's stem from the day's) are refused, the\n"
           "rule named.\n"
           "--person reads the saved person ID from the people store (--store PATH, else\n"
           "the default store) as if its name, sex, date, hour, minute, longitude and\n"
           "conventions were typed; no birth options.\n"
           "--export writes the reading document to FILE instead of printing: the report\n"
           "page, the chart's two pages and the analysis pages (the analysis pages alone\n"
           "with --pillars); an A4 PDF, or one PNG with the pages one below the other; no\n"
           "display is needed. The conventions apply as they do with --chart. FILE is\n"
           "replaced only by a whole new file; a symbolic link is refused, not followed.\n"
           "Exit status: 0 a reading, 1 an invalid date, 2 bad arguments, 3 the database\n"
           "cannot be opened, 4 a database error while reading, 5 the output (the reading,\n"
           "or the --export file) could not be written, 6 the --person store cannot be\n"
           "read or holds no such person.\n";
}
