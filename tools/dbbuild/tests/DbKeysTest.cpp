#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "DbKeys.h"

using namespace dbkeys;

namespace {

// The hour pillar as the source table spells it: the calendar's 13 pillars of
// the day stem (its twelve and, at 23:00, the next day's 子), and nothing that
// is not a pillar.
TEST(DbKeys, HourPillarsOfADayStem) {
    struct Case {
        const char* stem;
        const char* pillar;
        bool accepted;
    } const cases[] = {
        {"戊", "壬子", true},  {"戊", "甲子", true},   {"戊", "丙子", false}, {"乙", "戊丑", false},
        {"乙", "子时", false}, {"乙", "戊子 ", false}, {"乙", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.stem) + " " + c.pillar);
        EXPECT_EQ(IsHourPillarOf(*StemIndex(c.stem), c.pillar), c.accepted);
    }
}

// The rows of a fact table in the repository (header row dropped).
std::vector<std::vector<std::string>> FactRows(const std::string& name) {
    std::ifstream in(std::string(KARVUTO_DB_DATA_DIR) + "/facts/" + name);
    std::vector<std::vector<std::string>> rows;
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string> cells;
        std::stringstream cellStream(line);
        for (std::string cell; std::getline(cellStream, cell, '\t');) cells.push_back(cell);
        rows.push_back(cells);
    }
    return rows;
}

// The verified table's 120 same-day hour pillars, and for each day stem one
// more: the 子 pillar the table gives the next stem.
TEST(DbKeys, EveryHourPillarOfTheFactTable) {
    auto rows = FactRows("hour_pillars.tsv");  // day stem, hour name, hour pillar
    ASSERT_EQ(rows.size(), 121u);
    rows.erase(rows.begin());
    std::map<int, std::set<std::string>> expected;
    std::map<int, std::string> ziOf;
    for (const auto& row : rows) {
        SCOPED_TRACE(row[0] + row[1]);
        ASSERT_EQ(row.size(), 3u);
        const auto stem = StemIndex(row[0]);
        ASSERT_TRUE(stem.has_value());
        expected[*stem].insert(row[2]);
        if (row[1] == "子时") ziOf[*stem] = row[2];
    }
    ASSERT_EQ(ziOf.size(), 10u);
    for (int stem = 0; stem < 10; ++stem) {
        std::set<std::string> accepted;
        for (const auto& pillar : NamesOf(NameKind::Year))
            if (IsHourPillarOf(stem, pillar)) accepted.insert(pillar);
        expected[stem].insert(ziOf[(stem + 1) % 10]);
        EXPECT_EQ(accepted, expected[stem]) << "day stem " << stem;
    }
}

TEST(DbKeys, NameSets) {
    struct Case {
        NameKind kind;
        int count;
        const char* first;
        const char* last;
    } const cases[] = {
        {NameKind::Year, 60, "甲子", "癸亥"},
        {NameKind::Month, 12, "正月", "腊月"},
        {NameKind::Day, 30, "初一", "三十"},
        {NameKind::Hour, 12, "子时", "亥时"},
    };
    for (const auto& c : cases) {
        const auto names = NamesOf(c.kind);
        ASSERT_EQ(static_cast<int>(names.size()), c.count);
        EXPECT_EQ(NameCount(c.kind), c.count);
        EXPECT_EQ(names.front(), c.first);
        EXPECT_EQ(names.back(), c.last);
        for (const auto& name : names) EXPECT_EQ(KindOfName(name), c.kind) << name;
    }
    for (const char* notAName :
         {"甲丑", "十一月", "十三月", "初零", "三十一", "子", "子時", "", "甲", "甲子时"})
        EXPECT_FALSE(KindOfName(notAName).has_value()) << notAName;
    EXPECT_EQ(KindOfName("冬月"), NameKind::Month);
    EXPECT_EQ(KindOfName("二十"), NameKind::Day);
    EXPECT_EQ(KindOfName("廿一"), NameKind::Day);
}

}  // namespace
