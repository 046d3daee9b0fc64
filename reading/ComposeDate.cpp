// Validation and conversion of the birth date.
#include "ComposeDate.h"

#include <cstdint>
#include <limits>

namespace {

constexpr int kLastHour = 23;
constexpr int kLastLunarDay = 30;

}  // namespace

std::optional<BirthDates> ConvertBirthDate(const CLunarCalendar& calendar, const BirthRecord& birth) {
    // The record's fields are 32-bit; a SYSTEMTIME holds 16-bit fields, so a
    // year that does not fit is refused here rather than wrapped.
    if (birth.year < 0 || birth.year > std::numeric_limits<std::uint16_t>::max()) return std::nullopt;
    if (birth.month < 1 || birth.month > 12) return std::nullopt;
    if (birth.hour < 0 || birth.hour > kLastHour) return std::nullopt;

    SYSTEMTIME given{};
    given.wYear = static_cast<std::uint16_t>(birth.year);
    given.wMonth = static_cast<std::uint16_t>(birth.month);
    given.wDay = static_cast<std::uint16_t>(birth.day < 0 ? 0 : birth.day);
    given.wHour = static_cast<std::uint16_t>(birth.hour);

    BirthDates dates;
    if (birth.CalendarKind == kGregorianCalendar) {
        if (birth.day < 1 || birth.day > calendar::DaysInGregorianMonth(birth.year, birth.month))
            return std::nullopt;
        dates.solar = given;
        if (!calendar.SolarToLunar(dates.solar, dates.lunar, dates.leap)) return std::nullopt;
    } else {
        if (birth.day < 1 || birth.day > kLastLunarDay || birth.leap > 1) return std::nullopt;
        dates.lunar = given;
        dates.leap = birth.leap;
        if (!calendar.LunarToSolar(dates.lunar, dates.leap, dates.solar)) return std::nullopt;
    }
    return dates;
}
