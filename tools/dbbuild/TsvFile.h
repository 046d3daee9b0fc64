// Reading of the builder's source tables: UTF-8 text, one row per line,
// cells separated by tabs, a header row naming the columns.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct TsvRow {
    int line;                        // 1-based line number in the file (the header is line 1)
    std::vector<std::string> cells;  // exactly as many as the header has columns
};

// The data rows of `path`, or nullopt when the file does not exist. A UTF-8
// byte-order mark and a carriage return before each line feed are accepted;
// empty lines are skipped. Throws DbBuildError when the file cannot be read,
// its header is not `header`, or a row has another number of cells.
std::optional<std::vector<TsvRow>> ReadTsv(const std::filesystem::path& path,
                                           const std::vector<std::string>& header);
