// Casting a chart: the conventions turn the clock time into standard time
// and the time the day and hour are reckoned in; the calendar gives the
// pillars; the theory fills in the rest.
#include "Chart.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "BirthNotes.h"
#include "Sexagenary.h"

namespace chart {
namespace {

constexpr int kLastHour = 23;
constexpr int kLastMinute = 59;
constexpr double kMaxLongitude = 180.0;

const std::string kSpanText =
    FormatDate(calendar::kFirstPillarMoment) + " … " + FormatDate(calendar::kLastPillarMoment);

TermTime TermTimeOf(const TermAt& t) {
    return {t.year, t.term, FromSeconds(t.moment)};
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

// The moment (seconds count) the day and hour are reckoned in: true solar
// time from standard time when a longitude is given.
std::int64_t DialSeconds(std::int64_t standard, const Conventions& c) {
    return c.longitude ? TrueSolarSeconds(standard, *c.longitude) : standard;
}

std::int64_t StandardSeconds(std::int64_t clock, const SummerTimeInfo& summer, const Conventions& c) {
    const bool inSummer = summer.clock == SummerClock::Summer || summer.clock == SummerClock::Repeated;
    return clock - (inSummer && c.dstCorrect ? kSecondsPerHour : 0);
}

}  // namespace

std::string CheckBirth(const BirthMoment& b, const Conventions& c) {
    if (b.month < 1 || b.month > 12) return "the month must be 1-12";
    if (b.day < 1 || b.day > calendar::DaysInGregorianMonth(b.year, b.month))
        return "the day must be 1-" + std::to_string(calendar::DaysInGregorianMonth(b.year, b.month)) +
               " in " + std::to_string(b.year) + "-" + std::to_string(b.month);
    if (b.hour < 0 || b.hour > kLastHour) return "the hour must be 0-23";
    if (b.minute < 0 || b.minute > kLastMinute) return "the minute must be 0-59";
    const std::int64_t clock = ToSeconds({b.year, b.month, b.day, b.hour, b.minute, 0});
    if (!calendar::InPillarSpan(clock)) return "the date must lie in " + kSpanText + " for a chart";
    if (c.longitude && !(std::isfinite(*c.longitude) && std::abs(*c.longitude) <= kMaxLongitude))
        return "the longitude must be -180 to 180 degrees (east positive)";
    // Summer time, true solar time and 子初换日 at 23:00 can move the day
    // across the ends of the calendar's span.
    const std::int64_t standard = StandardSeconds(clock, ChinaSummerTime(clock), c);
    std::int64_t dial = DialSeconds(standard, c);
    if (FromSeconds(dial).hour == kLastHour && c.zi == ZiHour::NextDay) dial += kSecondsPerHour;
    if (!calendar::InPillarSpan(standard) || !calendar::InPillarSpan(dial))
        return "this birth is charted on a day outside " + kSpanText + " (by true solar time or 子初换日)";
    return "";
}

Chart ComputeChart(const BirthMoment& birth, const Conventions& conventions) {
    if (std::string error = CheckBirth(birth, conventions); !error.empty())
        throw std::invalid_argument(error);
    Chart c;
    c.birth = birth;
    c.conventions = conventions;
    c.clockTime = {birth.year, birth.month, birth.day, birth.hour, birth.minute, 0};

    // Clock time -> standard time -> the time the day and hour are reckoned in.
    const std::int64_t clock = ToSeconds(c.clockTime);
    const SummerTimeInfo summer = ChinaSummerTime(clock);
    c.summerClock = summer.clock;
    const std::int64_t standard = StandardSeconds(clock, summer, conventions);
    c.standardTime = FromSeconds(standard);
    const std::int64_t dial = DialSeconds(standard, conventions);
    c.chartTime = FromSeconds(dial);

    const std::array<int, 4> p = calendar::FourPillarsAt(standard, c.chartTime, conventions.zi);
    const int dayStem = p[2] % 10;
    for (int i = 0; i < 4; ++i) c.pillars[i] = MakePillar(p[i], dayStem, i == 2);
    c.elements = CountElements(c.pillars);
    c.relations = FindRelations({p[0] % 10, p[1] % 10, p[2] % 10, p[3] % 10},
                                {p[0] % 12, p[1] % 12, p[2] % 12, p[3] % 12});
    c.taiyuan = TaiYuan(p[1]);
    c.minggong = MingGong(p[0] % 10, p[1] % 12, p[3] % 12);

    // The 节 that bound the birth's month (the table runs from 1900 to 2101,
    // past both ends of the span).
    const TermAt previous = *SectionTermAtOrBefore(standard);
    const TermAt next = *SectionTermAfter(standard);
    c.previousTerm = TermTimeOf(previous);
    c.nextTerm = TermTimeOf(next);

    // A 节 inside the clock hour of the birth: the other side's pillars.
    const std::int64_t hourStart = standard - birth.minute * kSecondsPerMinute;
    for (const TermAt& t : {previous, next}) {
        if (t.moment <= hourStart || t.moment >= hourStart + kSecondsPerHour) continue;
        TermInHour in;
        in.term = TermTimeOf(t);
        in.birthAfterTerm = standard >= t.moment;
        const std::int64_t other = in.birthAfterTerm ? t.moment - 1 : t.moment;
        in.otherPillars =
            calendar::FourPillarsAt(other, FromSeconds(dial + (other - standard)), conventions.zi);
        c.notes.push_back(TermInHourNote(t.term, in.term.time, in.birthAfterTerm, in.otherPillars));
        c.termInHour = in;
    }

    // The luck pillars, counted to the bounding 节 in whole minutes.
    const bool forward = LuckRunsForward(birth.sex, p[0] % 10);
    const std::int64_t toTerm = forward ? next.moment - standard : standard - previous.moment;
    c.luck = ComputeLuck({.sex = birth.sex,
                          .yearPillar = p[0],
                          .monthPillar = p[1],
                          .hourPillar = p[3],
                          .dayStem = dayStem,
                          .birth = c.standardTime,
                          .minutesToTerm = toTerm / kSecondsPerMinute});

    // What the conventions did.
    if (std::string note = SummerTimeNote(summer, conventions.dstCorrect, c.standardTime); !note.empty())
        c.notes.push_back(std::move(note));
    if (conventions.longitude) {
        const double lon = *conventions.longitude;
        c.notes.push_back("真太阳时：" + LongitudeText(lon) + "，由标准时间起算，经度时差 " +
                          SignedMinutesText(LongitudeCorrectionMinutes(lon)) + "，均时差 " +
                          SignedMinutesText(EquationOfTimeMinutes(standard)) + "，按 " +
                          FormatMinutes(c.chartTime) + " 排盘");
    }
    if (c.chartTime.hour == kLastHour) c.notes.emplace_back(LateHourNote(conventions.zi));
    c.notes.emplace_back(kAgeRuleNote);
    return c;
}

}  // namespace chart
