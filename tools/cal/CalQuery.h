// The queries of the terminal calendar: one query ("solar 2000-01-01 12",
// "lunar 2020-04-01 0 --leap") in, one UTF-8 line of tab-separated fields out.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string_view>

#include "ExitStatus.h"
#include "QueryResult.h"

namespace cal {

// The longest query line read whole; a longer one is refused, its echo cut,
// and the rest of it is read past without being kept.
inline constexpr std::size_t kMaxQueryLineBytes = 4096;

// Runs one query given as its words separated by blanks.
QueryResult RunQuery(std::string_view query);

// Runs one query per line of `in` (blank lines are skipped, a UTF-8 byte-order
// mark before the first is ignored, a line over kMaxQueryLineBytes is
// malformed), writes one line per query to `out` and a message per malformed
// query to `err`, its echo escaped and cut. When
// `interactive` (a person types at a terminal), every answer is flushed as it
// is made; otherwise `in` is untied from any output for the run, so reading
// does not flush. Stops when `out` fails. Returns the exit status: 3 when
// output was lost (said on `err`), else 2 when any query was malformed, else 0.
int RunStream(std::istream& in, std::ostream& out, std::ostream& err, bool interactive);

// The text of --help.
std::string_view UsageText();

}  // namespace cal
