// karvuto-read --person ID: a saved person (the people store, people/) read
// as if the user had typed the person's birth: name, sex, calendar and date,
// leap month, hour and minute, and the chart's conventions (子 school, true
// solar time at the person's longitude and place, summer time).
#pragma once

#include <optional>
#include <string>

#include "ReadArguments.h"

struct PersonReading {
    std::optional<ReadArguments> arguments;  // the birth filled in, the given options kept
    std::string error;                       // UTF-8, when there are no arguments
    std::string note;                        // what the report's name lost, if anything; else ""
};

// Reads person `given.personId` from `given.storePath` (empty: the default
// store) without creating a store, and gives the arguments the person stands
// for together with the output options of `given` (--chart, --analysis,
// --json, --export, --db). The error says why not: the store cannot be
// opened or read (its own words), no person has the id, or the person's birth
// is refused as a typed one would be.
PersonReading ReadPerson(const ReadArguments& given);
