// CSV cells to and from a person's JSON object.
#include "PersonCsv.h"

#include <charconv>
#include <cmath>

#include "PersonJson.h"
#include "StoreError.h"

namespace people {
namespace {

using Json = nlohmann::json;

constexpr char kTagSeparator = ';';

enum class CellKind { Text, Boolean, Integer, Number, Tags };

CellKind KindOf(std::string_view key) {
    if (key == "leap" || key == "trueSolarTime" || key == "dstCorrect") return CellKind::Boolean;
    if (key == "id" || key == "hour" || key == "minute") return CellKind::Integer;
    if (key == "longitude") return CellKind::Number;
    if (key == "tags") return CellKind::Tags;
    return CellKind::Text;
}

// Texts a missing value may not stand for: an empty name is a name, and
// CheckPerson refuses it with its own words.
bool EmptyMeansMissing(std::string_view key) {
    return key != "name" && key != "note" && key != "place";
}

[[noreturn]] void Refuse(std::string_view key, const char* form, const std::string& cell) {
    const std::string shown = cell.size() > 40 ? cell.substr(0, 40) + "…" : cell;
    throw StoreError(StoreErrorKind::Invalid,
                     "字段 " + std::string(key) + " 须为" + form + "（所给 \"" + shown + "\"）");
}

std::string Trimmed(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos) return {};
    return std::string(text.substr(begin, text.find_last_not_of(" \t") - begin + 1));
}

Json CellToJson(std::string_view key, const std::string& cell) {
    switch (KindOf(key)) {
        case CellKind::Text:
            return cell;
        case CellKind::Boolean:
            if (cell == "true") return true;
            if (cell == "false") return false;
            Refuse(key, " true 或 false", cell);
        case CellKind::Integer: {
            long long value = 0;
            const auto [end, ec] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
            if (ec != std::errc() || end != cell.data() + cell.size()) Refuse(key, "整数", cell);
            return value;
        }
        case CellKind::Number: {
            double value = 0;
            const auto [end, ec] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
            if (ec != std::errc() || end != cell.data() + cell.size() || !std::isfinite(value))
                Refuse(key, "数", cell);
            return value;
        }
        case CellKind::Tags: {
            Json tags = Json::array();
            std::string_view rest = cell;
            while (true) {
                const std::size_t end = rest.find(kTagSeparator);
                if (std::string tag = Trimmed(rest.substr(0, end)); !tag.empty())
                    tags.push_back(std::move(tag));
                if (end == std::string_view::npos) break;
                rest.remove_prefix(end + 1);
            }
            return tags;
        }
    }
    return nullptr;
}

std::string JsonToCell(const nlohmann::ordered_json& value) {
    if (value.is_null()) return {};
    if (value.is_string()) return value.get<std::string>();
    if (value.is_array()) {
        std::string joined;
        for (const auto& tag : value) {
            if (!joined.empty()) joined += kTagSeparator;
            joined += tag.get<std::string>();
        }
        return joined;
    }
    return value.dump();  // true, false and numbers as JSON writes them (shortest exact form)
}

}  // namespace

std::vector<std::string> CsvHeader() {
    return std::vector<std::string>(kPersonKeys.begin() + 1, kPersonKeys.end());
}

std::vector<std::string> PersonToCsvCells(const Person& p) {
    std::vector<std::string> cells;
    const nlohmann::ordered_json json = PersonToJson(p, false);
    for (const auto& [key, value] : json.items()) cells.push_back(JsonToCell(value));
    return cells;
}

Json CsvCellsToJson(const std::vector<std::string>& header, const std::vector<std::string>& cells) {
    Json object = Json::object();
    for (std::size_t i = 0; i < header.size() && i < cells.size(); ++i) {
        if (cells[i].empty() && EmptyMeansMissing(header[i])) continue;
        object[header[i]] = CellToJson(header[i], cells[i]);
    }
    return object;
}

}  // namespace people
