// Person: one saved person (档案) as the store, the window and the terminal
// tool see it. Texts are UTF-8 and kept exactly as given; the date is the one
// the user entered, in the calendar the user chose.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Conventions.h"

namespace people {

using PersonId = std::int64_t;  // positive once stored; 0 before

enum class Sex { Male, Female };
enum class CalendarKind { Solar, Lunar };

struct Person {
    PersonId id = 0;
    std::string name;  // any text but NUL; the report's GBK name is derived from it (ReportName.h)
    Sex sex = Sex::Male;
    CalendarKind calendar = CalendarKind::Solar;
    int year = 0, month = 0, day = 0;  // in `calendar`; a lunar month with `leap` is the leap month
    bool leap = false;
    int hour = 0;                     // clock hour 0-23
    int minute = 0;                   // 0-59
    std::string place;                // birthplace; empty when not given
    std::optional<double> longitude;  // of the birthplace, degrees east (west negative)
    // The conventions the chart is cast under.
    chart::ZiHour zi = chart::ZiHour::Late;  // the chart's default school, 晚子时
    bool trueSolarTime = false;  // needs `longitude`
    bool dstCorrect = true;      // a birth in summer time is cast for standard time (the default)
    std::string note;
    std::vector<std::string> tags;  // each non-empty, without control characters or ';'
    // Seconds since 1970-01-01 UTC; the store sets them (0: not yet stored).
    std::int64_t created = 0;
    std::int64_t changed = 0;

    friend bool operator==(const Person&, const Person&) = default;
};

// The words of the stored and exchanged forms: "male"/"female", "solar"/"lunar".
std::string_view SexKey(Sex sex);
std::optional<Sex> ParseSex(std::string_view key);
std::string_view CalendarKey(CalendarKind calendar);
std::optional<CalendarKind> ParseCalendar(std::string_view key);

// "YYYY-MM-DD" of the person's entered date (zero-padded, four-digit year).
std::string DateText(const Person& p);
// Parses "YYYY-MM-DD" (year of four digits, month and day of one or two) into
// the person's year, month and day; false, the person untouched, otherwise.
bool ParseDateText(std::string_view text, Person& p);

}  // namespace people
