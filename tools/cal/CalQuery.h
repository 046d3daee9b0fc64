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

// Runs one query per line of `in` (blank lines are skipped), writes one line
// per query to `out` and a message per malformed query to `err`, flushing
// after every line when `flushEachLine` is set. Returns the exit status: 2
// when any query was malformed, else 0.
int RunStream(std::istream& in, std::ostream& out, std::ostream& err, bool flushEachLine);

// The text of --help.
std::string_view UsageText();

}  // namespace cal
