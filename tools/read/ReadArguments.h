// The command line of karvuto-read, parsed into the birth data of one reading.
//   karvuto-read --name NAME [--sex male|female] (--solar YYYY-MM-DD |
//                --lunar YYYY-MM-DD [--leap]) [--hour H] [--minute M] [--db PATH] [--json]
//                [--no-dst-correct] [--chart] [--analysis] [--zi late|next-day|same-day]
//                [--longitude DEG|CITY] [--export FILE.pdf|FILE.png]
//   karvuto-read --person ID [--store PATH] [--chart] [--analysis] [--json | --export FILE] [--db PATH]
//   karvuto-read --pillars 甲子丙寅戊辰壬子 [--analysis] [--json | --export FILE] [--db PATH]
// Each option may also be written --option=VALUE.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "BirthRecord.h"
#include "Conventions.h"
#include "PillarSearch.h"

struct ReadArguments {
    BirthRecord birth{};   // name in GBK; date, hour, sex, calendar kind and leap flag
    std::string nameUtf8;  // the name as given
    std::string dbPath;    // empty: Karvuto.mdb beside the executable
    bool json = false;
    bool help = false;      // --help: print the usage and stop
    int minute = 0;         // --minute: the minute of the birth (the chart uses it)
    bool chart = false;     // --chart: the full chart after the reading
    bool analysis = false;  // --analysis: the analysis after the reading (and the chart)
    chart::Conventions
        conventions;         // --zi, --longitude (with --chart, --analysis or --export), --no-dst-correct
    std::string place;       // the provincial capital --longitude named; "" for degrees
    std::string exportPath;  // --export: the .pdf or .png file to write instead of printing
    // --pillars: a chart known only by its four pillars, analysed alone; no birth is read.
    std::optional<calendar::PillarIndices> pillars;
    std::string pillarsText;  // as given
    // --person: the birth is a saved person's (ReadPerson.h), read from --store or the default store.
    std::int64_t personId = 0;  // 0: none
    std::string storePath;      // empty: the default store
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
// --longitude without --chart, --analysis or --export, --dst-correct with --no-dst-correct, an --export
// file whose name does not end in .pdf or .png (any case), and --export with --json. With --pillars, refuses
// every option of a birth and pillars that are malformed or break 五虎遁 or 五鼠遁 (the message names the
// rule); with --person, every option of a birth (the person gives them), an id that is not a positive
// number; --store without --person. A --person result has no birth yet: ReadPerson.h reads it.
ParseResult ParseReadArguments(const std::vector<std::string>& args);

// The usage text (UTF-8), ending in a line feed.
const char* ReadUsage();
