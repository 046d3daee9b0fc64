// The queries of the terminal calendar: one query ("solar 2000-01-01 12",
// "lunar 2020-04-01 0 --leap") in, one UTF-8 line of tab-separated fields out.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace cal {

enum class QueryStatus {
    kOk,       // the date converted
    kInvalid,  // well formed, but the date does not exist or lies outside the calendar
    kError,    // malformed query
};

struct QueryResult {
    QueryStatus status = QueryStatus::kError;
    std::string line;     // the output line, without its newline
    std::string message;  // for kError: what is wrong with the query
};

// Runs one query given as its words separated by blanks.
QueryResult RunQuery(std::string_view query);

// Exit statuses of karvuto-cal.
inline constexpr int kExitMalformed = 2;   // a query was malformed
inline constexpr int kExitOutputLost = 3;  // standard output could not be written

// Runs one query per line of `in` (blank lines are skipped, a UTF-8 byte-order
// mark before the first is ignored), writes one line per query to `out` and a
// message per malformed query to `err`, its echo escaped and cut. When
// `interactive` (a person types at a terminal), every answer is flushed as it
// is made; otherwise `in` is untied from any output for the run, so reading
// does not flush. Stops when `out` fails. Returns the exit status: 3 when
// output was lost (said on `err`), else 2 when any query was malformed, else 0.
int RunStream(std::istream& in, std::ostream& out, std::ostream& err, bool interactive);

// The text of --help.
std::string_view UsageText();

}  // namespace cal
