// The time of a reading's birth: the clock hour taken back to standard time
// in China's summer time, and a 节 that falls inside the birth hour. A birth
// given by the hour alone is taken at H:00 China Standard Time; each finding
// is a sentence (UTF-8) that the report states under its title.
#pragma once

#include <string>
#include <vector>

#include "ComposeDate.h"
#include "LunarCalendar.h"

// When the birth's clock hour lies in summer time and dstCorrect is set,
// moves dates an hour back (both calendars) to standard time. Returns the
// notes: the summer time, an hour the clocks skipped or repeated. Leaves
// dates as they are when the standard time would leave the calendar.
std::vector<std::string> ApplySummerTime(const CLunarCalendar& calendar, BirthDates& dates, bool dstCorrect);

// A note when a 节 falls inside the birth hour (after H:00, before H+1:00):
// the term's moment and the pillars on its other side; "" otherwise.
std::string TermInHourNote(const CLunarCalendar& calendar, const SYSTEMTIME& solar);

// The note on 23:00-23:59 (晚子时), "" for the other hours.
std::string LateZiNote(const SYSTEMTIME& solar);
