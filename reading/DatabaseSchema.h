// The seven tables of the interpretation database: their names, key columns
// and the one column a reading reads. The builder creates them from this
// table and the connection refuses a file that lacks any of them.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

struct TableSchema {
    std::string_view name;
    std::array<std::string_view, 2> keys;  // key columns; the second is empty for one-column keys
    std::string_view readColumn;           // "amount" (32-bit integer) or "meaning" (stored text)
    bool textKeys;                         // false only for bazi1, keyed by a number
};

// bazi0 weights by name, bazi1 text by total weight, bazi2 by day stem or day
// pillar with hour pillar, bazi3 by year pillar, bazi4-6 by month, day, hour name.
inline constexpr std::array<TableSchema, 7> kDatabaseTables = {{
    {"bazi0", {"type", ""}, "amount", true},
    {"bazi1", {"Amount", ""}, "meaning", false},
    {"bazi2", {"day", "time"}, "meaning", true},
    {"bazi3", {"year", ""}, "meaning", true},
    {"bazi4", {"month", ""}, "meaning", true},
    {"bazi5", {"day", ""}, "meaning", true},
    {"bazi6", {"time", ""}, "meaning", true},
}};
