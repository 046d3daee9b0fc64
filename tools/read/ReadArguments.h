// The command line of karvuto-read, parsed into the birth data of one reading.
//   karvuto-read --name NAME [--sex male|female] (--solar YYYY-MM-DD |
//                --lunar YYYY-MM-DD [--leap]) [--hour H] [--minute M] [--db PATH] [--json]
//                [--no-dst-correct] [--chart [--zi late|next-day|same-day] [--longitude DEG|CITY]]
//                [--export FILE.pdf|FILE.png]
// Each option may also be written --option=VALUE.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "BirthRecord.h"
#include "Conventions.h"

struct ReadArguments {
    BirthRecord birth{};   // name in GBK; date, hour, sex, calendar kind and leap flag
    std::string nameUtf8;  // the name as given
    std::string dbPath;    // empty: Karvuto.mdb beside the executable
    bool json = false;
    bool help = false;               // --help: print the usage and stop
    int minute = 0;                  // --minute: the minute of the birth (the chart uses it)
    bool chart = false;              // --chart: the full chart after the reading
    chart::Conventions conventions;  // --zi, --longitude (with --chart or --export), --no-dst-correct
    std::string place;               // the provincial capital --longitude named; "" for degrees
    std::string exportPath;          // --export: the .pdf or .png file to write instead of printing
};

// Either the parsed arguments or the message (UTF-8) that says what is wrong.
struct ParseResult {
    std::optional<ReadArguments> arguments;
    std::string error;
};

// args excludes the program name. Refuses, with a message: unknown or
// repeated options, a missing value, no date or two dates, --leap without
// --lunar, a malformed date, a date outside 1900-01-31 … 2100-12-31 (a
// lunar year outside 1900-2100), a month outside 1-12, a day outside 1-31, an
// hour outside 0-23 (the ranges the main form offers), an empty name, a name
// that GBK cannot encode, has control characters or is longer than 10 GBK
// bytes. A day that does not exist in its month is not refused here: the
// composer answers it with the invalid-date message. Also refuses a minute
// outside 0-59, an unknown --zi school, a longitude that is neither a number
// of degrees in -180…180 nor the name of a provincial capital, --zi or
// --longitude without --chart or --export, --dst-correct with --no-dst-correct, an --export file whose name
// does not end in .pdf or .png (any case), and --export with --json.
ParseResult ParseReadArguments(const std::vector<std::string>& args);

// The usage text (UTF-8), ending in a line feed.
const char* ReadUsage();
