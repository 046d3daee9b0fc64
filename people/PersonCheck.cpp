// The rules of a storable person. Dates are checked by the calendar engine
// itself: a Gregorian date must exist in its month and convert to a lunar
// date; a lunar date must convert to a Gregorian one. The span of the engine
// is found by asking it, so a wider calendar widens what may be stored.
#include "PersonCheck.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "GbkCodec.h"
#include "GregorianCalendar.h"
#include "LunarCalendar.h"

namespace people {
namespace {

constexpr int kMonthsPerYear = 12;
constexpr int kLastSolarDay = 31;
constexpr int kLastLunarDay = 30;
constexpr int kLastHour = 23;
constexpr int kLastMinute = 59;
constexpr double kMaxLongitude = 180.0;
constexpr char kTagSeparator = ';';  // tags are joined by it in CSV files

// The range the span is looked for in: the engine covers some stretch of
// these years, and 2000-01-01 lies inside it.
constexpr int kProbeFirstYear = 1800;
constexpr int kProbeLastYear = 2300;
constexpr int kKnownYear = 2000;

enum class TextKind { Free, Label };

std::string Format(const char* format, auto... args) {
    char text[256];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

std::string Ymd(const SYSTEMTIME& d) {
    return Format("%04d-%02d-%02d", d.wYear, d.wMonth, d.wDay);
}

bool IsControl(char32_t c) {
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F);
}

// The fault of a text, or "" when it is fine. A label (a tag) also refuses
// control characters.
std::string TextFault(const std::string& text, TextKind kind) {
    if (text.size() > kMaxTextBytes)
        return Format("过长（%zu 字节，至多 %zu 字节）", text.size(), kMaxTextBytes);
    std::string_view rest = text;
    while (!rest.empty()) {
        char32_t c = 0;
        const std::size_t length = platform::Utf8SequenceLength(rest, c);
        if (length == 0) return "不是有效的 UTF-8 文字";
        if (c == 0) return "含有 NUL 字符";
        if (kind == TextKind::Label && IsControl(c)) return "含有控制字符";
        rest.remove_prefix(length);
    }
    return "";
}

// Empty, or ASCII white space only.
bool IsBlank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

std::chrono::sys_days Days(int y, int m, int d) {
    return std::chrono::sys_days{std::chrono::year{y} / m / d};
}

SYSTEMTIME FromDays(std::chrono::sys_days days) {
    const std::chrono::year_month_day ymd{days};
    return MakeSystemTime(int(ymd.year()), unsigned(ymd.month()), unsigned(ymd.day()));
}

bool Converts(std::chrono::sys_days days) {
    const CLunarCalendar calendar;
    SYSTEMTIME lunar;
    int leap = 0;
    return calendar.SolarToLunar(FromDays(days), lunar, leap);
}

// The converting day next to the edge between `good` (a day that converts)
// and `bad` (one that does not, on either side of it), by bisection over whole
// days; the days that convert form one unbroken stretch.
std::chrono::sys_days Edge(std::chrono::sys_days good, std::chrono::sys_days bad) {
    while (std::chrono::abs(good - bad) > std::chrono::days{1}) {
        const auto middle = good + (bad - good) / 2;
        (Converts(middle) ? good : bad) = middle;
    }
    return good;
}

std::string SpanText() {
    const CalendarSpan& span = SupportedSpan();
    return "历法所及为阳历 " + Ymd(span.first) + " 至 " + Ymd(span.last);
}

// The date's problem, or "" when it exists.
void CheckDate(const Person& p, std::vector<FieldProblem>& problems) {
    const CLunarCalendar calendar;
    const bool solar = p.calendar == CalendarKind::Solar;
    if (p.month < 1 || p.month > kMonthsPerYear) {
        problems.push_back({Field::Date, Format("日期：月份须在 1 至 12 之间（所给 %d）", p.month)});
        return;
    }
    const int lastDay = solar ? kLastSolarDay : kLastLunarDay;
    if (p.day < 1 || p.day > lastDay) {
        problems.push_back({Field::Date, Format("日期：日须在 1 至 %d 之间（所给 %d）", lastDay, p.day)});
        return;
    }
    if (p.year < 1 || p.year > 9999) {
        problems.push_back({Field::Date, Format("日期：%d 年不在历法所及之内；", p.year) + SpanText()});
        return;
    }
    const std::string dateText = DateText(p);
    if (solar) {
        if (p.leap) problems.push_back({Field::Leap, "闰月：阳历没有闰月"});
        if (p.day > calendar::DaysInGregorianMonth(p.year, p.month)) {
            problems.push_back({Field::Date, Format("日期：阳历 %d 年 %d 月只有 %d 天", p.year, p.month,
                                                    calendar::DaysInGregorianMonth(p.year, p.month))});
            return;
        }
        SYSTEMTIME lunar;
        int leap = 0;
        if (!calendar.SolarToLunar(MakeSystemTime(p.year, p.month, p.day), lunar, leap))
            problems.push_back({Field::Date, "日期：阳历 " + dateText + " 不在历法所及之内；" + SpanText()});
        return;
    }
    SYSTEMTIME solarDate;
    if (!calendar.LunarToSolar(MakeSystemTime(p.year, p.month, 1), 0, solarDate)) {
        problems.push_back({Field::Date, "日期：农历 " + dateText + " 不在历法所及之内；" + SpanText()});
        return;
    }
    const int leap = p.leap ? 1 : 0;
    if (leap && !calendar.LunarToSolar(MakeSystemTime(p.year, p.month, 1), leap, solarDate)) {
        problems.push_back({Field::Leap, Format("闰月：农历 %d 年没有闰 %d 月", p.year, p.month)});
        return;
    }
    if (!calendar.LunarToSolar(MakeSystemTime(p.year, p.month, p.day), leap, solarDate)) {
        problems.push_back({Field::Date, Format("日期：农历 %d 年%s %d 月没有 %d 日", p.year,
                                                leap ? "闰" : "", p.month, p.day)});
    }
}

}  // namespace

const CalendarSpan& SupportedSpan() {
    static const CalendarSpan span = [] {
        const auto known = Days(kKnownYear, 1, 1);
        return CalendarSpan{FromDays(Edge(known, Days(kProbeFirstYear, 1, 1))),
                            FromDays(Edge(known, Days(kProbeLastYear, 12, 31)))};
    }();
    return span;
}

std::vector<FieldProblem> CheckPerson(const Person& p) {
    std::vector<FieldProblem> problems;
    if (const std::string fault = TextFault(p.name, TextKind::Free); !fault.empty())
        problems.push_back({Field::Name, "姓名：" + fault});
    else if (IsBlank(p.name))
        problems.push_back({Field::Name, "姓名：不能为空"});
    CheckDate(p, problems);
    if (p.hour < 0 || p.hour > kLastHour)
        problems.push_back({Field::Hour, Format("时：须在 0 至 %d 之间（所给 %d）", kLastHour, p.hour)});
    if (p.minute < 0 || p.minute > kLastMinute)
        problems.push_back(
            {Field::Minute, Format("分：须在 0 至 %d 之间（所给 %d）", kLastMinute, p.minute)});
    if (const std::string fault = TextFault(p.place, TextKind::Free); !fault.empty())
        problems.push_back({Field::Place, "出生地：" + fault});
    if (p.longitude && (!std::isfinite(*p.longitude) || std::abs(*p.longitude) > kMaxLongitude))
        problems.push_back({Field::Longitude, "经度：须在 -180 至 180 度之间（东经为正）"});
    if (p.trueSolarTime && !p.longitude)
        problems.push_back({Field::TrueSolarTime, "真太阳时：须有出生地的经度"});
    if (const std::string fault = TextFault(p.note, TextKind::Free); !fault.empty())
        problems.push_back({Field::Note, "备注：" + fault});
    for (const std::string& tag : p.tags) {
        std::string fault = TextFault(tag, TextKind::Label);
        if (fault.empty() && IsBlank(tag)) fault = "不能为空";
        if (fault.empty() && tag.find(kTagSeparator) != std::string::npos) fault = "不能含分号 ;";
        if (!fault.empty()) {
            // A faulty tag is named only when it can be shown as it is.
            const bool showable = TextFault(tag, TextKind::Label).empty() && tag.size() <= 100;
            problems.push_back(
                {Field::Tags, "标签" + (showable ? "「" + tag + "」" : std::string()) + "：" + fault});
            break;
        }
    }
    return problems;
}

std::string DescribeProblems(const std::vector<FieldProblem>& problems) {
    std::string text;
    for (const FieldProblem& problem : problems) {
        if (!text.empty()) text += "；";
        text += problem.message;
    }
    return text;
}

std::string RecordLabel(std::size_t number, std::string_view name) {
    constexpr std::size_t kShownNameBytes = 60;
    std::string shown(name.substr(0, kShownNameBytes));
    if (shown.size() < name.size()) {
        // Back off to the start of a UTF-8 character.
        while (!shown.empty() && (static_cast<unsigned char>(name[shown.size()]) & 0xC0) == 0x80)
            shown.pop_back();
        shown += "…";
    }
    return "第 " + std::to_string(number) + " 条（" + (name.empty() ? std::string("无姓名") : shown) + "）";
}

Person Normalized(Person p) {
    std::vector<std::string> tags;
    for (std::string& tag : p.tags) {
        if (std::find(tags.begin(), tags.end(), tag) == tags.end()) tags.push_back(std::move(tag));
    }
    p.tags = std::move(tags);
    return p;
}

std::optional<SYSTEMTIME> GregorianBirth(const Person& p) {
    const CLunarCalendar calendar;
    if (p.month < 1 || p.month > kMonthsPerYear || p.day < 1 || p.year < 1 || p.year > 9999)
        return std::nullopt;
    const SYSTEMTIME entered = MakeSystemTime(p.year, p.month, p.day, p.hour, p.minute);
    if (p.calendar == CalendarKind::Solar) {
        SYSTEMTIME lunar;
        int leap = 0;
        if (p.day > calendar::DaysInGregorianMonth(p.year, p.month) ||
            !calendar.SolarToLunar(entered, lunar, leap))
            return std::nullopt;
        return entered;
    }
    SYSTEMTIME solar;
    if (!calendar.LunarToSolar(entered, p.leap ? 1 : 0, solar)) return std::nullopt;
    solar.wMinute = static_cast<std::uint16_t>(p.minute);
    return solar;
}

}  // namespace people
