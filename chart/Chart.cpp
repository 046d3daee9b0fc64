// Casting a chart: the conventions turn the clock time into the time the
// pillars are cast for; the calendar gives the pillars; the theory fills in
// the rest.
#include "Chart.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "GbkCodec.h"
#include "LunarCalendar.h"
#include "SolarTerms.h"

namespace chart {
namespace {

constexpr int kMonthIndexOffset = 22788;  // month index 12 * Y + M - 22788 begins at month M's 节
constexpr int kLichun = 2;                // term index of 立春

int Reduce60(int i) {
    return (i % 60 + 60) % 60;
}

int NamedIndex(std::string_view text, std::string_view (*name)(int), int count) {
    for (int i = 0; i < count; ++i)
        if (name(i) == text) return i;
    return -1;
}

// The four pillars of GetFourPillars for a date and clock hour, as indices.
std::array<int, 4> CalendarPillars(const DateTime& d, int hour) {
    const CLunarCalendar calendar;
    const std::string utf8 =
        platform::Utf8(calendar.GetFourPillars(MakeSystemTime(d.year, d.month, d.day, hour)));
    constexpr std::size_t kCharBytes = 3;  // every stem and branch takes three UTF-8 bytes
    std::array<int, 4> pillars{};
    for (std::size_t p = 0; p < 4; ++p) {
        const int stem =
            NamedIndex(std::string_view(utf8).substr(2 * p * kCharBytes, kCharBytes), StemName, 10);
        const int branch =
            NamedIndex(std::string_view(utf8).substr((2 * p + 1) * kCharBytes, kCharBytes), BranchName, 12);
        if (stem < 0 || branch < 0) throw std::logic_error("the calendar gave no four pillars");
        pillars[p] = PillarIndex(stem, branch);
    }
    return pillars;
}

// The Gregorian month (year, month) whose 节 begins the calendar's month
// of a date: the date's own month from the table's 节 day on, else the one before.
std::pair<int, int> ChartMonthStart(const DateTime& d) {
    const CLunarCalendar calendar;
    SYSTEMTIME term{};
    calendar.GetMonthTermDate(MakeSystemTime(d.year, d.month, d.day), term);
    if (d.day >= term.wDay) return {d.year, d.month};
    return d.month == 1 ? std::pair{d.year - 1, 12} : std::pair{d.year, d.month - 1};
}

TermTime TermOf(int year, int month) {
    if (month > 12) {
        ++year;
        month = 1;
    }
    const int term = 2 * (month - 1);
    return {year, term, FromSeconds(*TermMoment(year, term))};
}

Pillar MakePillar(int index, int dayStem, bool dayMaster) {
    Pillar p;
    p.pillar = index;
    p.stem = index % 10;
    p.branch = index % 12;
    p.dayMaster = dayMaster;
    p.tenGod = TenGodOf(dayStem, p.stem);
    const HiddenStems h = HiddenStemsOf(p.branch);
    p.hiddenCount = h.count;
    for (int i = 0; i < h.count; ++i) p.hidden[i] = {h.stems[i], TenGodOf(dayStem, h.stems[i])};
    p.stage = StageOf(dayStem, p.branch);
    p.selfStage = StageOf(p.stem, p.branch);
    p.xunkong = XunKong(index);
    return p;
}

ElementCounts CountElements(const std::array<Pillar, 4>& pillars) {
    constexpr double kShares[3][3] = {{1.0, 0, 0}, {0.7, 0.3, 0}, {0.6, 0.3, 0.1}};
    ElementCounts c;
    for (const Pillar& p : pillars) {
        ++c.characters[static_cast<int>(StemElement(p.stem))];
        ++c.characters[static_cast<int>(BranchElement(p.branch))];
        c.weighted[static_cast<int>(StemElement(p.stem))] += 1.0;
        for (int i = 0; i < p.hiddenCount; ++i)
            c.weighted[static_cast<int>(StemElement(p.hidden[i].stem))] += kShares[p.hiddenCount - 1][i];
    }
    for (int e = 0; e < 5; ++e)
        if (c.characters[e] == 0) c.missing.push_back(static_cast<Element>(e));
    return c;
}

std::string PillarsText(const std::array<int, 4>& p) {
    return PillarName(p[0]) + " " + PillarName(p[1]) + " " + PillarName(p[2]) + " " + PillarName(p[3]);
}

std::string SignedMinutesText(double minutes) {
    const long long seconds = std::llround(std::abs(minutes) * 60);
    return std::string(minutes < 0 ? "-" : "+") + std::to_string(seconds / 60) + "分" +
           std::to_string(seconds % 60) + "秒";
}

std::string LongitudeText(double longitude) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%.2f°", longitude < 0 ? "西经" : "东经", std::abs(longitude));
    return text;
}

}  // namespace

std::string CheckBirth(const BirthMoment& b, const Conventions& c) {
    if (b.year < kFirstChartYear || b.year > kLastChartYear)
        return "the year must be " + std::to_string(kFirstChartYear) + "-" + std::to_string(kLastChartYear) +
               " for a chart";
    if (b.month < 1 || b.month > 12) return "the month must be 1-12";
    if (b.day < 1 || b.day > DaysInMonth(b.year, b.month))
        return "the day must be 1-" + std::to_string(DaysInMonth(b.year, b.month)) + " in " +
               std::to_string(b.year) + "-" + std::to_string(b.month);
    if (b.hour < 0 || b.hour > 23) return "the hour must be 0-23";
    if (b.minute < 0 || b.minute > 59) return "the minute must be 0-59";
    if (c.longitude && !(std::isfinite(*c.longitude) && *c.longitude >= -180 && *c.longitude <= 180))
        return "the longitude must be -180 to 180 degrees (east positive)";
    // True solar time, and 子初换日 at 23:00, can move the date across the ends of the calendar's span.
    std::int64_t cast = ToSeconds({b.year, b.month, b.day, b.hour, b.minute, 0});
    if (c.longitude) cast = TrueSolarSeconds(cast, *c.longitude);
    DateTime t = FromSeconds(cast);
    if (t.hour == 23 && c.zi == ZiHour::NextDay) t = FromSeconds(cast + kSecondsPerHour);
    if (t.year < kFirstChartYear || t.year > kLastChartYear)
        return "this birth is charted on a day outside " + std::to_string(kFirstChartYear) + "-" +
               std::to_string(kLastChartYear) + " (by true solar time or 子初换日)";
    return "";
}

Chart ComputeChart(const BirthMoment& birth, const Conventions& conventions) {
    if (std::string error = CheckBirth(birth, conventions); !error.empty())
        throw std::invalid_argument(error);
    Chart c;
    c.birth = birth;
    c.conventions = conventions;
    c.clockTime = {birth.year, birth.month, birth.day, birth.hour, birth.minute, 0};

    // Clock time -> standard time -> the time the pillars are cast for.
    const std::int64_t clock = ToSeconds(c.clockTime);
    const SummerTimeInfo summer = ChinaSummerTime(clock);
    c.summerClock = summer.clock;
    const bool inSummer = summer.clock == SummerClock::Summer || summer.clock == SummerClock::Repeated;
    const std::int64_t standard = clock - (inSummer && conventions.dstCorrect ? kSecondsPerHour : 0);
    c.standardTime = FromSeconds(standard);
    const std::int64_t cast =
        conventions.longitude ? TrueSolarSeconds(standard, *conventions.longitude) : standard;
    c.chartTime = FromSeconds(cast);

    // The pillars of the calendar, with the 子 hour school applied at 23:00.
    DateTime day = c.chartTime;
    int hour = day.hour;
    const bool lateZi = hour == 23;
    if (lateZi && conventions.zi == ZiHour::NextDay) {
        day = FromSeconds(ToSeconds({day.year, day.month, day.day}) + kSecondsPerDay);
        hour = 0;
    }
    std::array<int, 4> p = CalendarPillars(day, hour);
    if (lateZi && conventions.zi == ZiHour::Late) p[3] = HourPillar((p[2] + 1) % 10, 0);

    const int dayStem = p[2] % 10;
    for (int i = 0; i < 4; ++i) c.pillars[i] = MakePillar(p[i], dayStem, i == 2);
    c.elements = CountElements(c.pillars);
    c.relations = FindRelations({p[0] % 10, p[1] % 10, p[2] % 10, p[3] % 10},
                                {p[0] % 12, p[1] % 12, p[2] % 12, p[3] % 12});
    c.taiyuan = TaiYuan(p[1]);
    c.minggong = MingGong(p[0] % 10, p[1] % 12, p[3] % 12);

    // The 节 that bound the chart's month, and the pillars by their exact moments.
    const auto [monthYear, month] = ChartMonthStart(day);
    c.previousTerm = TermOf(monthYear, month);
    c.nextTerm = TermOf(monthYear, month + 1);
    const std::optional<TermAt> section = SectionTermAtOrBefore(standard);
    const int standardYear = c.standardTime.year;
    const int exactYear = Reduce60(
        YearPillarOfYear(standard >= *TermMoment(standardYear, kLichun) ? standardYear : standardYear - 1));
    const int exactMonth = Reduce60(12 * section->year + section->term / 2 + 1 - kMonthIndexOffset);
    if (exactYear != p[0] || exactMonth != p[1]) {
        c.exactPillars = std::array<int, 4>{exactYear, exactMonth, p[2], p[3]};
        const std::optional<TermAt> next = SectionTermAfter(standard);
        c.notes.push_back(
            "年柱、月柱按万年历的交节日取；按交节时刻（" + std::string(TermName(section->term)) + " " +
            FormatSeconds(FromSeconds(section->moment)) + "，下一节" + std::string(TermName(next->term)) +
            " " + FormatSeconds(FromSeconds(next->moment)) + "）则为 " + PillarsText(*c.exactPillars));
    }

    // The luck pillars, counted to the bounding 节 at the minute.
    const int pillarYear = YearPillarOfYear(day.year) == p[0] ? day.year : day.year - 1;
    const bool forward = LuckRunsForward(birth.sex, p[0] % 10);
    std::int64_t toTerm =
        forward ? ToSeconds(c.nextTerm.time) - standard : standard - ToSeconds(c.previousTerm.time);
    if (toTerm < 0) {
        c.notes.push_back("出生时刻在本月节的交节时刻之外，起运按零计");
        toTerm = 0;
    }
    c.luck =
        ComputeLuck(birth.sex, p[0], p[1], dayStem, pillarYear, c.standardTime, toTerm / kSecondsPerMinute);

    // What the conventions did.
    switch (summer.clock) {
        case SummerClock::Standard:
            break;
        case SummerClock::Summer:
        case SummerClock::Repeated:
            c.notes.push_back(
                std::string("出生于夏令时（") + FormatMinutes(FromSeconds(summer.start)) + " 至 " +
                FormatMinutes(FromSeconds(summer.end)) + "）" +
                (summer.clock == SummerClock::Repeated ? "，此钟点在回拨时出现两次，按夏令时读" : "") +
                (conventions.dstCorrect
                     ? "；钟表时间已拨回一小时，按标准时间 " + FormatMinutes(c.standardTime) + " 排盘"
                     : "；按钟表时间排盘，未拨回标准时间"));
            break;
        case SummerClock::Skipped:
            c.notes.push_back("此钟点在夏令时开始时被跳过，实际不存在；按标准时间读");
            break;
    }
    if (conventions.longitude) {
        const double lon = *conventions.longitude;
        c.notes.push_back("真太阳时：" + LongitudeText(lon) + "，经度时差 " +
                          SignedMinutesText(LongitudeCorrectionMinutes(lon)) + "，均时差 " +
                          SignedMinutesText(EquationOfTimeMinutes(standard)) + "，按 " +
                          FormatMinutes(c.chartTime) + " 排盘");
    }
    if (lateZi) {
        switch (conventions.zi) {
            case ZiHour::SameDay:
                c.notes.push_back("23时按子时属当日：日柱不换，时柱取当日子时");
                break;
            case ZiHour::Late:
                c.notes.push_back("23时按晚子时：日柱不换，时柱取次日子时");
                break;
            case ZiHour::NextDay:
                c.notes.push_back("23时按子初换日：日柱取次日");
                break;
        }
    }
    return c;
}

}  // namespace chart
