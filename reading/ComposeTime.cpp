// Summer time and the 节 inside the birth hour, for the report.
#include "ComposeTime.h"

#include "BirthNotes.h"
#include "Conventions.h"
#include "Sexagenary.h"
#include "SolarTerms.h"

namespace {

constexpr int kLateZiHour = 23;

std::int64_t SecondsOf(const SYSTEMTIME& t) {
    return calendar::ToSeconds({t.wYear, t.wMonth, t.wDay, t.wHour, 0, 0});
}

}  // namespace

std::vector<std::string> ApplySummerTime(const CLunarCalendar& calendar, BirthDates& dates, bool dstCorrect) {
    const std::int64_t clock = SecondsOf(dates.solar);
    const chart::SummerTimeInfo summer = chart::ChinaSummerTime(clock);
    const bool inSummer =
        summer.clock == chart::SummerClock::Summer || summer.clock == chart::SummerClock::Repeated;
    if (inSummer && dstCorrect) {
        const calendar::DateTime standard = calendar::FromSeconds(clock - calendar::kSecondsPerHour);
        BirthDates moved = dates;
        moved.solar = MakeSystemTime(standard.year, standard.month, standard.day, standard.hour);
        // Left on the clock, and said so, when standard time would leave the calendar.
        if (calendar.SolarToLunar(moved.solar, moved.lunar, moved.leap)) {
            dates = moved;
            return {chart::SummerTimeNote(summer, true, standard)};
        }
    }
    std::string note = chart::SummerTimeNote(summer, false, calendar::FromSeconds(clock));
    if (note.empty()) return {};
    return {std::move(note)};
}

std::string TermInHourNote(const CLunarCalendar& calendar, const SYSTEMTIME& solar) {
    const std::int64_t start = SecondsOf(solar);
    const auto term = calendar::SectionTermAfter(start);
    if (!term || term->moment >= start + calendar::kSecondsPerHour) return "";
    SYSTEMTIME after = solar;
    const calendar::DateTime at = calendar::FromSeconds(term->moment);
    after.wMinute = static_cast<std::uint16_t>(at.minute);
    after.wSecond = static_cast<std::uint16_t>(at.second);
    // The birth is taken at H:00, before the term.
    return chart::TermInHourNote(term->term, at, false, calendar.GetFourPillarIndices(after));
}

std::string LateZiNote(const SYSTEMTIME& solar) {
    if (solar.wHour != kLateZiHour) return "";
    return std::string(chart::LateHourNote(chart::ZiHour::Late));
}
