// The sexagenary cycle and the four pillars of a moment.
#include "FourPillars.h"

#include "CalendarNames.h"
#include "HourPillars.h"
#include "LunarCalendar.h"
#include "Sexagenary.h"
#include "SolarTerms.h"

using namespace calendar;

namespace {

constexpr int kLastHour = 23;
constexpr int kLichunMonth = 2;  // 立春, the 节 of February, begins the year
constexpr int kMaxMinute = 59;

static_assert(DayPillarOf(DaysFromCivil(1949, 10, 1)) == 0, "1949-10-01 is a 甲子 day");
static_assert(DayPillarOf(DaysFromCivil(2000, 1, 1)) == 54, "2000-01-01 is 戊午");

// The seconds count of a record's date and time; a day past the end of its
// month counts on into the next month.
std::int64_t SecondsOf(const SYSTEMTIME& t, int hour) noexcept {
    return std::int64_t{DaysFromCivil(t.wYear, t.wMonth, 1) + t.wDay - 1} * kSecondsPerDay +
           hour * kSecondsPerHour + t.wMinute * kSecondsPerMinute + t.wSecond;
}

}  // namespace

namespace calendar {

std::array<int, 4> FourPillarsAt(std::int64_t standardSeconds, const DateTime& dial, ZiHour zi) noexcept {
    // Every 节 falls in its own Gregorian month (小寒 on January 4-7, … 大雪 on
    // December 6-8), so the month's 节 and 立春 decide by one comparison each.
    const DateTime standard = FromSeconds(standardSeconds);
    const bool afterSection = standardSeconds >= SectionMoment(standard.year, standard.month);
    const bool afterLichun = standardSeconds >= SectionMoment(standard.year, kLichunMonth);
    const int year = YearPillarOf(afterLichun ? standard.year : standard.year - 1);
    const int month = MonthPillarOf(standard.year, afterSection ? standard.month : standard.month - 1);

    const DayAndHourPillars dayHour =
        PillarsOfClockHour(DayPillarOf(DaysFromCivil(dial.year, dial.month, dial.day)), dial.hour, zi);
    return {year, month, dayHour.day, dayHour.hour};
}

}  // namespace calendar

std::string CLunarCalendar::StemBranchName(int index) const {
    const int i = Reduce60(index);
    const CalendarNames& names = Names();
    return names.stems[i % 10] + names.branches[i % 12];
}

std::array<int, 4> CLunarCalendar::GetFourPillarIndices(const SYSTEMTIME& birth, ZiHour zi) const {
    constexpr std::array<int, 4> kNone = {-1, -1, -1, -1};
    const int month = birth.wMonth;
    if (month < 1 || month > 12 || birth.wMinute > kMaxMinute || birth.wSecond > kMaxMinute) return kNone;
    const bool hourInDay = birth.wHour <= kLastHour;
    const std::int64_t seconds = SecondsOf(birth, hourInDay ? birth.wHour : 0);
    if (!InPillarSpan(seconds)) return kNone;
    const DateTime dial = FromSeconds(seconds);
    std::array<int, 4> pillars = FourPillarsAt(seconds, dial, zi);
    if (!hourInDay) pillars[3] = -1;
    return pillars;
}

// Built in one string of the final size: no temporaries per pillar.
std::string CLunarCalendar::GetFourPillars(const SYSTEMTIME& birth, ZiHour zi) const {
    const CalendarNames& names = Names();
    std::string pillars;
    pillars.reserve(4 * (names.stems[0].size() + names.branches[0].size()));
    for (const int index : GetFourPillarIndices(birth, zi)) {
        if (index < 0) continue;
        pillars += names.stems[index % 10];
        pillars += names.branches[index % 12];
    }
    return pillars;
}
