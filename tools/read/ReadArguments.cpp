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
    {"--name", true},
    {"--sex", true},
    {"--solar", true},
    {"--lunar", true},
    {"--hour", true},
    {"--db", true},
    {"--leap", false},
    {"--json", false},
    {"--help", false},
    {"-h", false},
    {"--minute", true},
    {"--zi", true},
    {"--longitude", true},
    {"--dst-correct", false},
    {"--chart", false},
    {"--export", true},
    {"--no-dst-correct", false},
};

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

    if (const auto db = given.find("--db"); db != given.end()) {
        if (db->second.empty()) return Fail("--db needs a path");
        parsed.dbPath = db->second;
    }
    if (const auto minute = given.find("--minute"); minute != given.end()) {
        const std::optional<int> m = ParseNumber(minute->second);
        if (!m || *m > kLastMinute) return Fail("--minute must be a minute 0-59");
        parsed.minute = *m;
    }
    parsed.chart = given.contains("--chart");
    if (const auto exported = given.find("--export"); exported != given.end()) {
        const std::string& file = exported->second;
        auto endsWith = [&file](std::string_view suffix) {
            if (file.size() <= suffix.size()) return false;
            for (std::size_t i = 0; i < suffix.size(); ++i) {
                const char c = file[file.size() - suffix.size() + i];
                if ((c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c) != suffix[i]) return false;
            }
            return true;
        };
        if (!endsWith(".pdf") && !endsWith(".png"))
            return Fail("--export needs a file name ending in .pdf or .png");
        if (given.contains("--json")) return Fail("--export and --json exclude each other");
        parsed.exportPath = file;
    }
    if (given.contains("--dst-correct") && given.contains("--no-dst-correct"))
        return Fail("--dst-correct and --no-dst-correct exclude each other");
    for (const char* option : {"--zi", "--longitude"}) {
        if (given.contains(option) && !parsed.chart && parsed.exportPath.empty())
            return Fail(std::string(option) + " goes with --chart or --export only");
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
    parsed.json = given.contains("--json");
    return {parsed, {}};
}

const char* ReadUsage() {
    return "usage: karvuto-read --name NAME [--sex male|female]\n"
           "                    (--solar YYYY-MM-DD | --lunar YYYY-MM-DD [--leap])\n"
           "                    [--hour H] [--minute M] [--db PATH] [--json]\n"
           "                    [--no-dst-correct] [--chart [--zi late|next-day|same-day]\n"
           "                             [--longitude DEG|CITY]]\n"
           "                    [--export FILE.pdf|FILE.png]\n"
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
           "the default, is accepted).\n"
           "--chart adds the full chart (pillars with ten gods, hidden stems, nayin and stages,\n"
           "relations, elements, 胎元, 命宫, the terms and the luck pillars), or a \"chart\"\n"
           "object with --json. --minute (default 0) is the minute of the birth; --zi picks\n"
           "the 子-hour school for 23:00 (default late, 晚子时; next-day is 子初换日; same-day\n"
           "gives 23:00 the same day's 子 stem); --longitude casts the chart for true solar\n"
           "time at the birthplace, reckoned from standard time (degrees east, or a\n"
           "provincial capital's name).\n"
           "--export writes the report page and the chart page to FILE instead of printing:\n"
           "a two-page A4 PDF, or one PNG with the pages one below the other; no display is\n"
           "needed. The conventions apply to its chart page as they do with --chart. FILE is\n"
           "replaced only by a whole new file; a symbolic link is refused, not followed.\n"
           "Exit status: 0 a reading, 1 an invalid date, 2 bad arguments, 3 the database\n"
           "cannot be opened, 4 a database error while reading, 5 the output (the reading,\n"
           "or the --export file) could not be written.\n";
}
