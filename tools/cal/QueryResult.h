// What every query of the terminal calendar answers: a status, the output
// line, and for a refused query the message that says why. Each kind of query
// (solar and lunar dates, terms, …) builds its answer from these, and refuses
// through Refused(), so its echo of the query is the same as every other's.
#pragma once

#include <string>
#include <string_view>

namespace cal {

enum class QueryStatus {
    kOk,       // the query was answered
    kInvalid,  // well formed, but the date does not exist or lies outside the calendar
    kError,    // malformed query
};

struct QueryResult {
    QueryStatus status = QueryStatus::kError;
    std::string line;     // the output line (or lines), without the last newline
    std::string message;  // for kError: what is wrong with the query
};

// The answer to a malformed query: its echo (escaped where it is not
// printable UTF-8, cut after platform::kEchoLimit bytes), a tab and "ERROR".
// `unreadBytes` counts what followed the query on its line unread.
QueryResult Refused(std::string_view query, std::string message, std::size_t unreadBytes = 0);

// A word of a malformed query as its message quotes it: in double quotes,
// escaped and cut shorter than the echo of the whole query.
std::string QuotedWord(std::string_view word);

}  // namespace cal
