// Between a reading and a saved person: the person the main form saves after
// a reading, and what a reading takes from a saved person besides its birth
// record (the minute, the birthplace and the chart's conventions). Plain C++.
#pragma once

#include <optional>
#include <string>

#include "BirthRecord.h"
#include "Chart.h"
#include "Person.h"

namespace peopleui {

// What a reading's request lacks of a person.
struct BirthDetails {
    int minute = 0;
    std::string place;                // UTF-8; empty when none is named
    std::optional<double> longitude;  // of the place, degrees east
    chart::Conventions conventions;   // its longitude set only for true solar time
};

// The details a saved person was stored with.
BirthDetails DetailsOf(const people::Person& person);

// The details the chart window casts with: the chart's minute and
// conventions, and `place`, the birthplace it names (empty for a longitude
// typed in, or when it casts by the clock).
BirthDetails DetailsOfChart(const chart::Chart& chart, const std::string& place);

// The person a reading asks for, to be saved: `base` (the stored person the
// reading was opened from, or a default person) with the request's birth
// (sex, calendar, date, leap, hour), `nameUtf8` and the details. A birthplace
// the details do not name (they cast by the clock) leaves base's own, so that
// saving never drops a place it did not replace.
people::Person PersonOfReading(const BirthRecord& request, const std::string& nameUtf8,
                               const BirthDetails& details, people::Person base);

// The name to store for a request: the linked person's own name when the
// request's (GBK, at most ten bytes) is what the report makes of it, so that
// a long or rare name survives the form's name box; else the request's name.
std::string NameOfRequest(const BirthRecord& request, const people::Person* linked);

// The birth as a list shows it: "1990-05-10 08:30", a lunar date
// "阴历 1990-闰04-01 23:59" (UTF-8).
std::string BirthText(const people::Person& person);

// Whether a request still names `linked`: the report name of the stored name
// is the request's name.
bool RequestNames(const BirthRecord& request, const people::Person& linked);

}  // namespace peopleui
