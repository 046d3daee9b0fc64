// The four pillars of a moment: year at the exact moment of 立春, month at the
// exact moment of each month's 节 (China Standard Time, to the second), day by
// the civil day, hour by the double-hour, with the 子 hour's school. The span
// is that of the calendar, 1900-01-31 00:00:00 to 2100-12-31 23:59:59.
#pragma once

#include <array>
#include <cstdint>

#include "CivilTime.h"
#include "ZiHour.h"

namespace calendar {

inline constexpr DateTime kFirstPillarMoment{1900, 1, 31, 0, 0, 0};
inline constexpr DateTime kLastPillarMoment{2100, 12, 31, 23, 59, 59};

// True for a seconds count (China Standard Time) inside the span.
constexpr bool InPillarSpan(std::int64_t seconds) noexcept {
    return seconds >= ToSeconds(kFirstPillarMoment) && seconds <= ToSeconds(kLastPillarMoment);
}

// The pillars' sexagenary indices: year, month, day, hour. The year and month
// are those of `standardSeconds` (China Standard Time, inside the span); the
// day and hour are read from `dial`, the time the day and hour are reckoned
// in (the same moment, or its true solar time at the birthplace).
std::array<int, 4> FourPillarsAt(std::int64_t standardSeconds, const DateTime& dial, ZiHour zi) noexcept;

}  // namespace calendar
