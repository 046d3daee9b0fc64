// A UTF-8 tab-separated table with a header row, as the database sources and
// the theory facts are written. Reading is strict: a row whose number of
// fields differs from the header's is an error naming the file and line.
// A byte-order mark, "\r\n" line ends and empty lines are accepted.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// One line of a TSV text, split at its tabs, with its line number (from 1).
struct TsvLine {
    int number;
    std::vector<std::string> fields;
};

// The non-empty lines of `text`: a UTF-8 byte-order mark at its start is
// skipped, a "\r" before a line feed is cut, and empty lines are passed over
// (they still count in the numbers). A final line feed is optional.
std::vector<TsvLine> SplitTsvLines(std::string_view text);

struct TsvTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;  // without the header row
    std::vector<int> lines;                      // the file line of each row, from 1

    int Column(const std::string& name) const;  // -1 when absent
};

// The table of `file`, its first non-empty line the header. Throws
// std::runtime_error ("<file>:<line>: ...") when the file cannot be read, has
// no header row, or a row is malformed.
TsvTable ReadTsv(const std::filesystem::path& file);
// Reads a whole file as bytes; throws std::runtime_error when it cannot.
std::string ReadFileBytes(const std::filesystem::path& file);

}  // namespace platform
