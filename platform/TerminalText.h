// Text bound for a terminal: what a program echoes of its input or prints
// from a file it does not control is made safe to show, and a failed write of
// standard output is noticed instead of being reported as success.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

namespace platform {

// The echo of one malformed input line is cut after this many input bytes.
inline constexpr std::size_t kEchoLimit = 200;

enum class LineFeeds { kEscape, kKeep };

// `text` with everything that is not printable UTF-8 written as an escape:
// \t, \r, \n (unless kept), \\ for a backslash and \xNN for any other control
// byte (C0, DEL, the C1 controls U+0080..U+009F) and for every byte that is
// not part of a valid UTF-8 sequence. When `text` is longer than `maxBytes`
// it is cut at the last whole character before that and "...(N more bytes)"
// follows.
std::string EscapeForTerminal(std::string_view text, std::size_t maxBytes = kEchoLimit,
                              LineFeeds lineFeeds = LineFeeds::kEscape);

// The one echo of untrusted input (a query, an argument, a file name) inside
// a message: escaped as above and cut after kEchoLimit bytes. `unreadBytes`
// counts input that followed `text` but was never read (a line refused for
// its length); the "...(N more bytes)" note includes it.
std::string Echo(std::string_view text, std::size_t unreadBytes = 0);

// `line` without a leading UTF-8 byte-order mark.
std::string_view WithoutByteOrderMark(std::string_view line);

// Flushes `out`. When anything written to it was lost, writes
// "<program>: cannot write <what>: <reason>" to `err` and returns false. The
// reason is that of the first failed write when `out` writes through an
// FdOutputBuffer (which remembers it, however long ago the write failed),
// otherwise that of the flush itself; it is left out when neither is known.
bool FlushOrReport(std::ostream& out, std::ostream& err, std::string_view program, std::string_view what);

}  // namespace platform
