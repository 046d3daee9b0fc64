// Direction, start, the ten luck pillars, 小运 and 流月.
#include "LuckPillars.h"

#include "Sexagenary.h"

namespace chart {
namespace {

constexpr int kLuckPillars = 10;
constexpr int kYearsPerPillar = 10;
// Three days (4,320 minutes) of life before the 节 are a year of luck.
constexpr std::int64_t kMinutesPerLuckYear = 3 * 24 * 60;
constexpr std::int64_t kMinutesPerLuckMonth = kMinutesPerLuckYear / 12;  // 360: a day is four months
constexpr std::int64_t kMinutesPerLuckDay = kMinutesPerLuckMonth / 30;   // 12: an hour is five days
constexpr int kLuckHoursPerMinute = 2;                                   // a minute is two hours
constexpr int kLichunMonth = 2;
constexpr int kMonthsPerYear = 12;

}  // namespace

bool LuckRunsForward(Sex sex, int yearStem) {
    return (sex == Sex::Male) == StemIsYang(yearStem);
}

LuckStart LuckStartOf(std::int64_t minutesToTerm) {
    LuckStart s;
    s.years = static_cast<int>(minutesToTerm / kMinutesPerLuckYear);
    s.months = static_cast<int>(minutesToTerm % kMinutesPerLuckYear / kMinutesPerLuckMonth);
    s.days = static_cast<int>(minutesToTerm % kMinutesPerLuckMonth / kMinutesPerLuckDay);
    s.hours = static_cast<int>(minutesToTerm % kMinutesPerLuckDay * kLuckHoursPerMinute);
    return s;
}

int YearPillarOfYear(int year) {
    return calendar::YearPillarOf(year);
}

Luck ComputeLuck(const LuckInput& in) {
    Luck luck;
    luck.forward = LuckRunsForward(in.sex, in.yearPillar % 10);
    luck.minutesToTerm = in.minutesToTerm;
    luck.start = LuckStartOf(in.minutesToTerm);
    luck.startMoment = AddCalendar(in.birth, luck.start.years, luck.start.months,
                                   luck.start.days * kSecondsPerDay + luck.start.hours * kSecondsPerHour);
    const int step = luck.forward ? 1 : -1;
    const int firstYear = luck.startMoment.year;
    for (int i = 0; i < kLuckPillars; ++i) {
        LuckPillar p;
        p.pillar = calendar::Reduce60(in.monthPillar + step * (i + 1));
        p.tenGod = TenGodOf(in.dayStem, p.pillar % 10);
        p.startYear = firstYear + kYearsPerPillar * i;
        p.startAge = NominalAge(p.startYear, in.birth.year);
        for (int y = 0; y < kYearsPerPillar; ++y) p.years[y] = YearPillarOfYear(p.startYear + y);
        luck.pillars.push_back(p);
    }
    // 小运 begins at the hour pillar's neighbour in the luck's direction and
    // steps once a year until the first luck pillar.
    for (int year = in.birth.year; year < firstYear; ++year) {
        const int n = year - in.birth.year + 1;
        luck.xiaoyun.push_back(
            {year, NominalAge(year, in.birth.year), calendar::Reduce60(in.hourPillar + step * n)});
    }
    return luck;
}

std::optional<std::array<MonthStart, 12>> MonthsOfYear(int year) {
    if (year < kFirstTermYear || year + 1 > kLastTermYear) return std::nullopt;
    std::array<MonthStart, 12> months{};
    for (int i = 0; i < kMonthsPerYear; ++i) {
        const int month = kLichunMonth + i;  // February … January of the next year
        const int gregorianYear = month > kMonthsPerYear ? year + 1 : year;
        const int gregorianMonth = (month - 1) % kMonthsPerYear + 1;
        months[i] = {calendar::MonthPillarOf(gregorianYear, gregorianMonth), 2 * (gregorianMonth - 1),
                     FromSeconds(calendar::SectionMoment(gregorianYear, gregorianMonth))};
    }
    return months;
}

}  // namespace chart
