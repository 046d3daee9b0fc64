// A UTF-8 tab-separated table with a header row, as the database sources and
// the theory facts are written. Reading is strict: a row whose number of
// fields differs from the header's is an error naming the file and line.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace platform {

struct TsvTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;  // without the header row
    std::vector<int> lines;                      // the file line of each row, from 1

    int Column(const std::string& name) const;  // -1 when absent
};

// Throws std::runtime_error ("<file>:<line>: ...") when the file cannot be read
// or a row is malformed. A final line feed is optional; "\r" before it is cut.
TsvTable ReadTsv(const std::filesystem::path& file);
// Reads a whole file as bytes; throws std::runtime_error when it cannot.
std::string ReadFileBytes(const std::filesystem::path& file);

}  // namespace platform
