// TSV reading for the database builder.
#include "TsvFile.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "DbBuilder.h"

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        cells.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) return cells;
        start = tab + 1;
    }
}

std::string Join(const std::vector<std::string>& cells) {
    std::string s;
    for (const auto& c : cells) s += (s.empty() ? "" : "<TAB>") + c;
    return s;
}

}  // namespace

std::optional<std::vector<TsvRow>> ReadTsv(const std::filesystem::path& path,
                                           const std::vector<std::string>& header) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec) && !ec) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in || std::filesystem::is_directory(path, ec))
        throw DbBuildError(path.string() + ": cannot be read");
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw DbBuildError(path.string() + ": cannot be read");

    std::vector<TsvRow> rows;
    bool haveHeader = false;
    int lineNumber = 0;
    std::size_t start = text.compare(0, kUtf8Bom.size(), kUtf8Bom) == 0 ? kUtf8Bom.size() : 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = (end == std::string::npos) ? text.size() : end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        auto cells = SplitTabs(line);
        const std::string where = path.string() + ":" + std::to_string(lineNumber) + ": ";
        if (!haveHeader) {
            if (cells != header)
                throw DbBuildError(where + "the header row must be \"" + Join(header) + "\", not \"" +
                                   Join(cells) + "\"");
            haveHeader = true;
            continue;
        }
        if (cells.size() != header.size())
            throw DbBuildError(where + "expected " + std::to_string(header.size()) +
                               " tab-separated cells, found " + std::to_string(cells.size()));
        rows.push_back({lineNumber, std::move(cells)});
    }
    if (!haveHeader) throw DbBuildError(path.string() + ": the file has no header row");
    return rows;
}
