// The birth date of a reading in both calendars: the record's date taken as
// given, the other calendar's date converted by the calendar engine.
#pragma once

#include <optional>

#include "BirthRecord.h"
#include "GregorianCalendar.h"
#include "LunarCalendar.h"
#include "SystemTime.h"

struct BirthDates {
    SYSTEMTIME solar{};  // Gregorian date and clock hour
    SYSTEMTIME lunar{};  // lunar date and the same clock hour
    int leap = 0;        // 1 = the lunar month is the leap month
};

// Converts the record's date into the other calendar. nullopt when the date
// does not exist: an hour outside 0-23, a month outside 1-12, a day outside
// its month (Gregorian: the month's real length, so 1975-02-31 is refused
// rather than read as 1975-03-03; lunar: 1-30 and whatever the engine
// rejects), a leap flag other than 0 or 1, or a year the engine cannot
// convert.
std::optional<BirthDates> ConvertBirthDate(const CLunarCalendar& calendar, const BirthRecord& birth);
