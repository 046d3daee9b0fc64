// Strict reader for the project's TSV files.
#include "TsvTable.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace platform {
namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

}  // namespace

int TsvTable::Column(const std::string& name) const {
    for (std::size_t i = 0; i < header.size(); ++i)
        if (header[i] == name) return static_cast<int>(i);
    return -1;
}

std::string ReadFileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error(file.string() + ": cannot open");
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

TsvTable ReadTsv(const std::filesystem::path& file) {
    std::istringstream in(ReadFileBytes(file));
    TsvTable table;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<std::string> fields = SplitTabs(line);
        if (number == 1) {
            table.header = std::move(fields);
            continue;
        }
        if (fields.size() != table.header.size())
            throw std::runtime_error(file.string() + ":" + std::to_string(number) + ": " +
                                     std::to_string(fields.size()) + " fields, the header has " +
                                     std::to_string(table.header.size()));
        table.rows.push_back(std::move(fields));
        table.lines.push_back(number);
    }
    if (table.header.empty()) throw std::runtime_error(file.string() + ":1: no header row");
    return table;
}

}  // namespace platform
