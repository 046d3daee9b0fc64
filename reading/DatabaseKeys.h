// What each table of the interpretation database must hold for the program
// to trust it: a row, with a value that is not NULL, for every key the
// program can look up there. A reading would otherwise come out blank in
// silence (a missing row gives weight 0 and an empty text), so a database
// that lacks a key is refused at open like a damaged one, naming the table.
//
// Each subsystem declares the keys of its tables as TableKeys, computed from
// the engine that produces the keys (and, where keys depend on other data,
// from the open database); OpenInterpretationDatabase checks every
// declaration it is given. The reading's seven tables are declared by
// ReadingTableKeys.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "Database.h"

// One key: the text of each key column as stored (UTF-8; a number in its
// decimal form).
using TableKey = std::vector<std::string>;

struct TableKeys {
    std::string_view table;
    std::vector<std::string_view> keyColumns;
    std::string_view valueColumn;  // the column a lookup reads; NULL counts as missing
    std::vector<TableKey> keys;    // every key the program can look up
};

// The keys of `demand` that its table lacks (no row, or only rows whose value
// is NULL), in the order declared. ComError when the table cannot be read.
std::vector<TableKey> MissingKeys(Connection& connection, const TableKeys& demand);

// Throws ComError(kInvalidData) when the table lacks any key, its detail
// naming the table, how many keys it lacks and the first few of them.
void CheckTableKeys(Connection& connection, const TableKeys& demand);

// The keys of the reading's tables: bazi0's year, month, day and hour names;
// bazi1's totals, every sum the weights bazi0 holds can reach (so bazi0 is
// read: a weight that is no number counts 0 here, and the reading reports
// it); bazi2's 120 day-stem and 720 day-pillar pairs with the hour pillar;
// bazi3's year pillars; bazi4-6's month, day and hour names.
std::vector<TableKeys> ReadingTableKeys(Connection& connection);

// A subsystem's declaration of its tables' keys, given the open database.
using KeyDeclarer = std::function<std::vector<TableKeys>(Connection&)>;

// Opens the interpretation database at `path` read-only, as every program
// does, and checks the keys of every table each declarer names. Throws
// ComError, the connection left closed, when the file cannot be opened or
// lacks a key.
void OpenInterpretationDatabase(Connection& connection, const std::string& path,
                                const std::vector<KeyDeclarer>& declarers = {ReadingTableKeys});
