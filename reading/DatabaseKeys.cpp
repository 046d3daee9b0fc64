// Completeness of the interpretation database: a set lookup per table.
#include "DatabaseKeys.h"

#include <algorithm>
#include <map>
#include <set>
#include <unordered_set>

#include "DatabaseSchema.h"
#include "ReadingKeys.h"
#include "SqlConnectionString.h"

namespace {

// The missing keys a message names; the rest are only counted.
constexpr std::size_t kKeysNamed = 3;

// The key as one string, each part prefixed by its length so that no two
// keys meet whatever bytes the parts hold.
std::string Packed(const std::vector<std::string_view>& parts) {
    std::string packed;
    for (std::string_view part : parts) {
        packed += std::to_string(part.size());
        packed += ':';
        packed += part;
    }
    return packed;
}

std::string Spelled(const TableKey& key) {
    std::string text;
    for (const std::string& part : key) text += (text.empty() ? "" : "/") + part;
    return text;
}

const TableSchema& Schema(std::string_view table) {
    return *std::find_if(kDatabaseTables.begin(), kDatabaseTables.end(),
                         [table](const TableSchema& s) { return s.name == table; });
}

// A declaration of one of the reading's tables, keyed by the columns of its schema.
TableKeys Declare(std::string_view table, std::vector<TableKey> keys) {
    const TableSchema& schema = Schema(table);
    TableKeys demand{schema.name, {}, schema.readColumn, std::move(keys)};
    for (std::string_view column : schema.keys)
        if (!column.empty()) demand.keyColumns.push_back(column);
    return demand;
}

template <typename Names>
std::vector<TableKey> Single(const Names& names) {
    std::vector<TableKey> keys;
    for (const std::string& name : names) keys.push_back({name});
    return keys;
}

// The weights bazi0 holds, by name, as the composer reads them, and the
// names whose stored weight is no number (the reading fails on those).
struct StoredWeights {
    std::map<std::string, int> weights;
    std::set<std::string> unreadable;
};

StoredWeights ReadWeights(Connection& connection) {
    const TableSchema& bazi0 = Schema("bazi0");
    StoredWeights stored;
    for (const Connection::TextRow& row :
         connection.ReadColumns(bazi0.name, {bazi0.keys[0], bazi0.readColumn})) {
        if (!row[0] || !row[1]) continue;
        try {
            stored.weights.emplace(*row[0], Variant::FromText(*row[1]).ToInt32());
        } catch (const ComError&) {
            stored.unreadable.insert(*row[0]);
        }
    }
    return stored;
}

}  // namespace

std::vector<TableKey> MissingKeys(Connection& connection, const TableKeys& demand) {
    std::unordered_set<std::string> present;
    std::vector<std::string_view> parts;
    // A NULL value gives what no row gives: such rows do not count.
    for (const Connection::TextRow& row :
         connection.ReadColumns(demand.table, demand.keyColumns, demand.valueColumn)) {
        parts.clear();
        bool whole = true;
        for (std::size_t i = 0; i < row.size(); ++i) {
            whole = whole && row[i].has_value();
            parts.push_back(row[i] ? std::string_view(*row[i]) : std::string_view());
        }
        if (whole) present.insert(Packed(parts));
    }
    std::vector<TableKey> missing;
    for (const TableKey& key : demand.keys) {
        parts.assign(key.begin(), key.end());
        if (!present.contains(Packed(parts))) missing.push_back(key);
    }
    return missing;
}

void CheckTableKeys(Connection& connection, const TableKeys& demand) {
    const std::vector<TableKey> missing = MissingKeys(connection, demand);
    if (missing.empty()) return;
    const std::string table(demand.table);
    std::string named;
    for (std::size_t i = 0; i < std::min(missing.size(), kKeysNamed); ++i)
        named += (i > 0 ? "、" : "") + Spelled(missing[i]);
    if (missing.size() > kKeysNamed) named += " 等";
    const std::string count = std::to_string(missing.size());
    const std::string detail = missing.size() == demand.keys.size()
                                   ? "表 " + table + " 是空的，应有 " + count + " 个键的记录"
                                   : "表 " + table + " 缺少 " + count + " 个键的记录：" + named;
    throw ComError(kInvalidData,
                   "table " + table + " lacks " + count + " of its " + std::to_string(demand.keys.size()) +
                       " keys, first " + Spelled(missing.front()),
                   detail);
}

std::vector<TableKeys> ReadingTableKeys(Connection& connection) {
    const reading::ReadingKeys& k = reading::EngineKeys();
    std::vector<TableKey> names;
    for (const auto* set : {&k.years, &k.months, &k.days, &k.hours})
        for (const std::string& name : *set) names.push_back({name});
    std::vector<TableKey> totals;
    const StoredWeights stored = ReadWeights(connection);
    for (const int total : reading::ReachableTotals(stored.weights, stored.unreadable))
        totals.push_back({std::to_string(total)});
    std::vector<TableKey> dayHours;
    for (const auto* pairs : {&k.stemHours, &k.pillarHours})
        for (const auto& [day, hour] : *pairs) dayHours.push_back({day, hour});
    return {
        Declare("bazi0", std::move(names)),    Declare("bazi1", std::move(totals)),
        Declare("bazi2", std::move(dayHours)), Declare("bazi3", Single(k.years)),
        Declare("bazi4", Single(k.months)),    Declare("bazi5", Single(k.days)),
        Declare("bazi6", Single(k.hours)),
    };
}

void OpenInterpretationDatabase(Connection& connection, const std::string& path,
                                const std::vector<KeyDeclarer>& declarers) {
    connection.Open(FormatConnectionString(path), "", "", 0);
    try {
        for (const KeyDeclarer& declare : declarers)
            for (const TableKeys& demand : declare(connection)) CheckTableKeys(connection, demand);
    } catch (...) {
        connection.Close();
        throw;
    }
}
