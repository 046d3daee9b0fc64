// What makes a person storable: each field's rule, checked against the
// calendar engine for the date, with a message that names the field.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "Person.h"
#include "SystemTime.h"

namespace people {

// The longest name, place, note or tag the store takes, in UTF-8 bytes.
inline constexpr std::size_t kMaxTextBytes = 1 << 20;

enum class Field { Name, Date, Leap, Hour, Minute, Place, Longitude, TrueSolarTime, Note, Tags };

struct FieldProblem {
    Field field;
    std::string message;  // UTF-8, Simplified Chinese, starting with the field's name: "时：…"
};

// Every rule the person breaks, in field order; empty when it may be stored.
// The rules: a name that is valid UTF-8 without NUL and not blank; a date
// that exists in its calendar and lies in the calendar engine's span (asked
// of the engine, never assumed); a leap flag only for the leap month of a
// lunar year; hour 0-23; minute 0-59; place and note valid UTF-8 without NUL;
// a longitude in -180…180 (true solar time needs one); tags non-empty,
// without control characters or ';'; every text at most kMaxTextBytes.
std::vector<FieldProblem> CheckPerson(const Person& p);

// The problems as one sentence, joined by "；".
std::string DescribeProblems(const std::vector<FieldProblem>& problems);

// "第 3 条（张三）": record `number` (1-based) of an import, named for the
// user; a long name is cut at a character boundary, an empty one said.
std::string RecordLabel(std::size_t number, std::string_view name);

// The person with duplicate tags dropped (the first of each kept).
Person Normalized(Person p);

// The Gregorian date of the birth (a lunar date converted) with the hour, or
// nothing when the date does not exist or lies outside the calendar's span.
std::optional<SYSTEMTIME> GregorianBirth(const Person& p);

// The first and last Gregorian days the calendar engine converts, found by
// asking it (cached after the first call).
struct CalendarSpan {
    SYSTEMTIME first, last;
};
const CalendarSpan& SupportedSpan();

}  // namespace people
