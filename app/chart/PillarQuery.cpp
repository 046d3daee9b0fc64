// 八字反推 in the chart window's words, and the cast of a window found.
#include "app/chart/PillarQuery.h"

#include <cstdio>
#include <vector>

#include "Sexagenary.h"

namespace chartwnd {
namespace {

using calendar::kBranchCount;
using calendar::kStemCount;
using calendar::PillarNameUtf8;

constexpr int kPillarCharacters = 8;
constexpr int kZiBranch = 0;
constexpr std::string_view kFullWidthSpace = "\u3000";
constexpr char kExample[] = "甲子丙寅戊辰壬子";

// The characters of a UTF-8 text without its blanks (ASCII and full-width),
// each as its bytes. A stray byte counts as one character.
std::vector<std::string_view> Characters(std::string_view text) {
    std::vector<std::string_view> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t n = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        n = std::min(n, text.size() - i);
        const std::string_view ch = text.substr(i, n);
        if (ch != " " && ch != "\t" && ch != kFullWidthSpace) out.push_back(ch);
        i += n;
    }
    return out;
}

std::string Join(const std::vector<std::string_view>& characters) {
    std::string out;
    for (std::string_view ch : characters) out += ch;
    return out;
}

std::string Number(int n) {
    return std::to_string(n);
}

// The sentence for pillars the calendar refused: the first rule they break,
// checked in the order of the characters.
std::string Refusal(const std::vector<std::string_view>& characters) {
    if (characters.size() != kPillarCharacters)
        return "四柱须为八个字（四组干支），如 " + std::string(kExample) + "；所输为 " +
               Number(static_cast<int>(characters.size())) + " 个字";
    std::array<int, 4> p{};
    for (int i = 0; i < 4; ++i) {
        const std::string_view stemText = characters[2 * i], branchText = characters[2 * i + 1];
        const int stem = calendar::StemIndex(stemText), branch = calendar::BranchIndex(branchText);
        if (stem < 0)
            return "第" + Number(2 * i + 1) + "字「" + std::string(stemText) +
                   "」不是天干（甲乙丙丁戊己庚辛壬癸）";
        if (branch < 0)
            return "第" + Number(2 * i + 2) + "字「" + std::string(branchText) +
                   "」不是地支（子丑寅卯辰巳午未申酉戌亥）";
        p[i] = calendar::PillarOf(stem, branch);
        if (p[i] < 0)
            return "「" + std::string(stemText) + std::string(branchText) +
                   "」不成干支：阳干配阳支，阴干配阴支";
    }
    const int yearStem = p[0] % kStemCount, monthBranch = p[1] % kBranchCount;
    const int monthStem = calendar::MonthStemOf(yearStem, monthBranch);
    if (p[1] % kStemCount != monthStem)
        return "月柱" + PillarNameUtf8(p[1]) + "不合五虎遁：" +
               std::string(calendar::kStemNamesUtf8[yearStem]) + "年" +
               std::string(calendar::kBranchNamesUtf8[monthBranch]) + "月为" +
               PillarNameUtf8(calendar::PillarOf(monthStem, monthBranch));
    const int dayStem = p[2] % kStemCount, hourBranch = p[3] % kBranchCount;
    std::string due =
        std::string(calendar::kStemNamesUtf8[dayStem]) + "日" +
        std::string(calendar::kBranchNamesUtf8[hourBranch]) + "时为" +
        PillarNameUtf8(calendar::PillarOf(calendar::HourStemOf(dayStem, hourBranch), hourBranch));
    if (hourBranch == kZiBranch)
        due += "，晚子时为" +
               PillarNameUtf8(calendar::PillarOf(calendar::HourStemOf(dayStem + 1, kZiBranch), kZiBranch));
    return "时柱" + PillarNameUtf8(p[3]) + "不合五鼠遁：" + due;
}

std::optional<chart::ZiHour> ZiHourOf(calendar::ZiSchoolNeeded school) {
    switch (school) {
        case calendar::ZiSchoolNeeded::Any:
            return std::nullopt;
        case calendar::ZiSchoolNeeded::Late:
            return chart::ZiHour::Late;
        case calendar::ZiSchoolNeeded::NextDay:
            return chart::ZiHour::NextDay;
        case calendar::ZiSchoolNeeded::SameDay:
            return chart::ZiHour::SameDay;
    }
    return std::nullopt;
}

std::string TimeText(const chart::DateTime& t, bool seconds) {
    char text[16];
    if (seconds)
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    else
        std::snprintf(text, sizeof text, "%02d:%02d", t.hour, t.minute);
    return text;
}

// The chart of a clock reading when the conventions allow it and it is cast
// for `standard` with `pillars`.
bool GivesBack(const chart::BirthMoment& birth, const chart::Conventions& c, std::int64_t standard,
               const calendar::PillarIndices& pillars) {
    if (!chart::CheckBirth(birth, c).empty()) return false;
    const chart::Chart cast = chart::ComputeChart(birth, c);
    if (chart::ToSeconds(cast.standardTime) != standard) return false;
    for (std::size_t i = 0; i < pillars.size(); ++i)
        if (cast.pillars[i].pillar != pillars[i]) return false;
    return true;
}

chart::BirthMoment BirthAt(std::int64_t clockSeconds, chart::Sex sex) {
    const chart::DateTime t = chart::FromSeconds(clockSeconds);
    return {t.year, t.month, t.day, t.hour, t.minute, sex};
}

}  // namespace

PillarQuery ReadPillars(std::string_view utf8) {
    const std::vector<std::string_view> characters = Characters(utf8);
    const calendar::ParsedPillars parsed = calendar::ParsePillars(Join(characters));
    if (parsed.pillars) return {parsed.pillars, {}};
    std::string refusal = Refusal(characters);
    // Were the two readings ever to part, the calendar's own reason still shows.
    if (refusal.empty()) refusal = parsed.error;
    return {std::nullopt, std::move(refusal)};
}

std::string ZiSchoolText(calendar::ZiSchoolNeeded school) {
    const std::optional<chart::ZiHour> zi = ZiHourOf(school);
    return zi ? std::string(chart::ZiHourName(*zi)) : std::string("各派皆同");
}

std::string WindowSpanText(const calendar::BirthWindow& window) {
    const bool seconds = window.start.second != 0 || window.end.second != 59;
    return TimeText(window.start, seconds) + "–" + TimeText(window.end, seconds);
}

std::optional<WindowCast> CastOfWindow(const calendar::BirthWindow& window,
                                       const calendar::PillarIndices& pillars, chart::Sex sex,
                                       const chart::Conventions& current) {
    const std::int64_t start = chart::ToSeconds(window.start);
    const std::int64_t intoMinute =
        (start % chart::kSecondsPerMinute + chart::kSecondsPerMinute) % chart::kSecondsPerMinute;
    const std::int64_t first = intoMinute == 0 ? start : start + chart::kSecondsPerMinute - intoMinute;
    if (first > chart::ToSeconds(window.end)) return std::nullopt;

    chart::Conventions c = current;
    c.longitude.reset();  // the windows are in China Standard Time
    if (const std::optional<chart::ZiHour> zi = ZiHourOf(window.school)) c.zi = *zi;
    // The clock showed the standard time itself, or an hour more in summer
    // time; in the hour the clocks repeated, the reading is taken as summer
    // time, so there only the clock time as it stands gives the window.
    for (const std::int64_t clock : {first, first + chart::kSecondsPerHour}) {
        const chart::BirthMoment birth = BirthAt(clock, sex);
        if (GivesBack(birth, c, first, pillars)) return WindowCast{birth, c};
    }
    c.dstCorrect = false;
    const chart::BirthMoment birth = BirthAt(first, sex);
    if (GivesBack(birth, c, first, pillars)) return WindowCast{birth, c};
    return std::nullopt;
}

}  // namespace chartwnd
