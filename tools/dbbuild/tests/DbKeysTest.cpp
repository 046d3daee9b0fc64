#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <vector>

#include "DbKeys.h"

using namespace dbkeys;

namespace {

TEST(DbKeys, HourPillarsFollowTheFiveRatRule) {
    // Rows of the verified hour-pillar table: day stem, hour branch, pillar.
    struct Case {
        int stem, branch;
        const char* pillar;
    } const cases[] = {
        {0, 0, "甲子"}, {0, 2, "丙寅"}, {0, 11, "乙亥"}, {5, 0, "甲子"}, {1, 0, "丙子"}, {6, 11, "丁亥"},
        {2, 0, "戊子"}, {7, 6, "甲午"}, {3, 0, "庚子"},  {8, 3, "癸卯"}, {4, 0, "壬子"}, {9, 11, "癸亥"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pillar);
        EXPECT_EQ(HourPillar(c.stem, c.branch), c.pillar);
        EXPECT_TRUE(IsHourPillarOf(c.stem, c.pillar));
        EXPECT_FALSE(IsHourPillarOf((c.stem + 1) % 10, c.pillar));
    }
    // Each day stem has 12 hour pillars, all of them stem-branch pairs.
    for (int stem = 0; stem < 10; ++stem)
        for (int branch = 0; branch < 12; ++branch) EXPECT_TRUE(IsStemBranchPair(HourPillar(stem, branch)));
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

TEST(DbKeys, EveryHourPillarOfTheFactTable) {
    auto rows = FactRows("hour_pillars.tsv");  // day stem, hour name, hour pillar
    ASSERT_EQ(rows.size(), 121u);
    rows.erase(rows.begin());
    const auto hours = NamesOf(NameKind::Hour);
    for (const auto& row : rows) {
        SCOPED_TRACE(row[0] + row[1]);
        ASSERT_EQ(row.size(), 3u);
        const auto stem = StemIndex(row[0]);
        ASSERT_TRUE(stem.has_value());
        const auto branch = std::find(hours.begin(), hours.end(), row[1]) - hours.begin();
        ASSERT_LT(branch, 12);
        EXPECT_EQ(HourPillar(*stem, static_cast<int>(branch)), row[2]);
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
