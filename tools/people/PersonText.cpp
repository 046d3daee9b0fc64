// The plain-text faces of a person.
#include "PersonText.h"

#include <chrono>
#include <cstdio>

#include "Clock.h"
#include "GbkCodec.h"
#include "ReportName.h"
#include "TerminalText.h"

namespace peopletool {
namespace {

using people::Person;

// A name or a place in a list line is cut after this many bytes.
constexpr std::size_t kListTextBytes = 60;

std::string Escaped(const std::string& text, std::size_t limit = kListTextBytes) {
    return platform::EscapeForTerminal(text, limit);
}

std::string SexText(const Person& p) {
    return p.sex == people::Sex::Male ? "男" : "女";
}

// "阳历 1990-05-10 08:30" or "农历 1990-05-10 闰月 08:30".
std::string BirthText(const Person& p) {
    char time[32];
    std::snprintf(time, sizeof time, "%02d:%02d", p.hour, p.minute);
    return std::string(p.calendar == people::CalendarKind::Solar ? "阳历 " : "农历 ") + people::DateText(p) +
           (p.leap ? " 闰月 " : " ") + time;
}

std::string TagsText(const Person& p) {
    std::string text;
    for (const std::string& tag : p.tags) {
        if (!text.empty()) text += "、";
        text += tag;
    }
    return text;
}

std::string LocalTime(std::int64_t seconds) {
    const SYSTEMTIME t =
        platform::ToLocalSystemTime(platform::Clock::time_point{std::chrono::seconds{seconds}});
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.wYear, t.wMonth, t.wDay, t.wHour,
                  t.wMinute, t.wSecond);
    return text;
}

std::string ConventionsText(const Person& p) {
    return std::string("子时：") + std::string(chart::ZiHourName(p.zi)) + "；时间：" +
           (p.trueSolarTime ? "真太阳时" : "钟表时间") + "；夏令时：" +
           (p.dstCorrect ? "拨回标准时间" : "照钟表时间");
}

}  // namespace

std::string ListLine(const Person& p) {
    std::string line =
        std::to_string(p.id) + "  " + Escaped(p.name) + "  " + SexText(p) + "  " + BirthText(p);
    if (!p.place.empty()) line += "  " + Escaped(p.place);
    if (!p.tags.empty()) line += "  " + Escaped(TagsText(p));
    return line + "\n";
}

std::string ShowText(const Person& p) {
    std::string text;
    auto line = [&text](const char* label, const std::string& value) {
        text += label;
        text += "  ";
        text += value;
        text += '\n';
    };
    line("编号", std::to_string(p.id));
    line("姓名", Escaped(p.name, p.name.size()));
    if (const std::string note = ReportNameNote(p); !note.empty()) line("    ", note);
    line("性别", SexText(p));
    line("出生", BirthText(p));
    if (!p.place.empty() || p.longitude) {
        std::string place = Escaped(p.place, p.place.size());
        if (p.longitude) {
            char degrees[48];
            std::snprintf(degrees, sizeof degrees, "%s%.4f°", *p.longitude < 0 ? "西经" : "东经",
                          *p.longitude < 0 ? -*p.longitude : *p.longitude);
            place += place.empty() ? degrees : std::string("（") + degrees + "）";
        }
        line("出生地", place);
    }
    line("约定", ConventionsText(p));
    if (!p.tags.empty()) line("标签", Escaped(TagsText(p), TagsText(p).size()));
    if (!p.note.empty())
        line("备注", platform::EscapeForTerminal(p.note, p.note.size(), platform::LineFeeds::kKeep));
    line("建档", LocalTime(p.created));
    line("修改", LocalTime(p.changed));
    return text;
}

std::string ReportNameNote(const Person& p) {
    const people::ReportName name = people::MakeReportName(p.name);
    if (!name.shortened && !name.replaced) return "";
    std::string why;
    if (name.shortened) why = "超出 10 字节，已截短";
    if (name.replaced) why += std::string(why.empty() ? "" : "；") + "GBK 没有的字以 ? 代替";
    return "报告中的姓名为「" + platform::Utf8(name.gbk) + "」（" + why + "）";
}

}  // namespace peopletool
