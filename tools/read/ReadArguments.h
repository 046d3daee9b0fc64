// The command line of karvuto-read, parsed into the birth data of one reading.
//   karvuto-read --name NAME [--sex male|female] (--solar YYYY-MM-DD |
//                --lunar YYYY-MM-DD [--leap]) [--hour H] [--db PATH] [--json]
// Each option may also be written --option=VALUE.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "BirthRecord.h"

inline constexpr std::size_t kMaxNameBytes = 10;  // the form's name box admits 10 GBK bytes

struct ReadArguments {
    BirthRecord birth{};   // name in GBK; date, hour, sex, calendar kind and leap flag
    std::string nameUtf8;  // the name as given
    std::string dbPath;    // empty: Karvuto.mdb beside the executable
    bool json = false;
    bool help = false;  // --help: print the usage and stop
};

// Either the parsed arguments or the message (UTF-8) that says what is wrong.
struct ParseResult {
    std::optional<ReadArguments> arguments;
    std::string error;
};

// args excludes the program name. Refuses, with a message: unknown or
// repeated options, a missing value, no date or two dates, --leap without
// --lunar, a malformed date, a month outside 1-12, a day outside 1-31, an
// hour outside 0-23 (the ranges the main form offers), an empty name, a name
// that GBK cannot encode, has control characters or is longer than 10 GBK
// bytes. A day that does not exist in its month is not refused here: the
// composer answers it with the invalid-date message.
ParseResult ParseReadArguments(const std::vector<std::string>& args);

// The usage text (UTF-8), ending in a line feed.
const char* ReadUsage();
