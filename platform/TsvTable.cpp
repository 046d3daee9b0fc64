// Strict reader for the project's TSV files.
#include "TsvTable.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace platform {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::vector<std::string> SplitTabs(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.emplace_back(
            line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

}  // namespace

std::vector<TsvLine> SplitTsvLines(std::string_view text) {
    if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) text.remove_prefix(kUtf8Bom.size());
    std::vector<TsvLine> lines;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty()) lines.push_back({number, SplitTabs(line)});
    }
    return lines;
}

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
    std::vector<TsvLine> lines = SplitTsvLines(ReadFileBytes(file));
    if (lines.empty()) throw std::runtime_error(file.string() + ":1: no header row");
    TsvTable table;
    table.header = std::move(lines.front().fields);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        TsvLine& line = lines[i];
        if (line.fields.size() != table.header.size())
            throw std::runtime_error(file.string() + ":" + std::to_string(line.number) + ": " +
                                     std::to_string(line.fields.size()) + " fields, the header has " +
                                     std::to_string(table.header.size()));
        table.rows.push_back(std::move(line.fields));
        table.lines.push_back(line.number);
    }
    return table;
}

}  // namespace platform
