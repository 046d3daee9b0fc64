// Reading input one line at a time with a bound on what is kept: a line
// longer than the bound is read past, never stored, so one huge line cannot
// take the memory of its whole length.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string_view>
#include <vector>

namespace platform {

class LineReader {
public:
    // Reads from `in`, which must outlive the reader; keeps at most
    // `maxBytes` bytes of a line.
    LineReader(std::istream& in, std::size_t maxBytes);

    // The next line, without its line feed (a final line without one counts
    // too), valid until the next call. When the line was longer than
    // maxBytes, `line` is its first maxBytes bytes and `unreadBytes` the
    // number of bytes skipped after them (its line feed not counted);
    // otherwise `unreadBytes` is 0. False, with nothing read, at the end of
    // the input or when the stream fails.
    bool Next(std::string_view& line, std::size_t& unreadBytes);

private:
    std::istream& m_in;
    std::vector<char> m_buffer;  // maxBytes + 1: getline writes a terminating zero
};

}  // namespace platform
