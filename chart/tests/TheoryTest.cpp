// The derived theory against the published fact tables, cell by cell, plus a
// few anchors that hold even where the fact tables are not installed.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "Theory.h"
#include "TsvTable.h"

using namespace chart;
using platform::ReadTsv;
using platform::TsvTable;

namespace {

const std::filesystem::path kFacts = KARVUTO_FACTS_DIR;

int StemOf(const std::string& name) {
    for (int i = 0; i < 10; ++i)
        if (StemName(i) == name) return i;
    ADD_FAILURE() << "not a stem: " << name;
    return 0;
}
int BranchOf(const std::string& name) {
    for (int i = 0; i < 12; ++i)
        if (BranchName(i) == name) return i;
    ADD_FAILURE() << "not a branch: " << name;
    return 0;
}
int PillarOf(const std::string& name) {
    return PillarIndex(StemOf(name.substr(0, 3)), BranchOf(name.substr(3)));
}

// Loads a fact table, or skips the test when the facts are not on this machine.
#define LOAD_FACTS(var, file)                                                       \
    if (!std::filesystem::exists(kFacts / (file))) GTEST_SKIP() << "no " << (file); \
    const TsvTable var = ReadTsv(kFacts / (file))

}  // namespace

TEST(Theory, AnchorsOfTheClassicalRules) {
    struct Case {
        const char* name;
        int dayStem, other;
        const char* god;
    } const gods[] = {
        {"甲 sees 丙: generated, same polarity", 0, 2, "食神"},
        {"甲 sees 丁: generated, other polarity", 0, 3, "伤官"},
        {"乙 sees 庚: controls it, other polarity", 1, 6, "正官"},
        {"壬 sees 庚: generates it, same polarity", 8, 6, "偏印"},
        {"己 sees 壬: controlled, other polarity", 5, 8, "正财"},
        {"己 sees 癸: controlled, same polarity", 5, 9, "偏财"},
    };
    for (const auto& c : gods) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TenGodName(TenGodOf(c.dayStem, c.other)), c.god);
    }
    EXPECT_EQ(StageName(StageOf(0, 2)), "临官");  // 甲 at 寅
    EXPECT_EQ(StageName(StageOf(1, 6)), "长生");  // 乙 at 午, counted backward
    EXPECT_EQ(StageName(StageOf(4, 0)), "胎");    // 戊 follows 丙
    EXPECT_EQ(StageName(StageOf(9, 3)), "长生");  // 癸 at 卯
    EXPECT_EQ(PillarName(HourPillar(0, 2)), "丙寅");
    EXPECT_EQ(PillarName(HourPillar(9, 11)), "癸亥");
    EXPECT_EQ(PillarIndex(0, 1), -1);
    EXPECT_EQ(NayinName(PillarIndex(8, 4)), "长流水");  // 壬辰
    EXPECT_EQ(DescribeRelations(2, 8), "六冲,刑入(申刑寅,无恩之刑)");
    EXPECT_EQ(DescribeRelations(0, 2), "-");
}

TEST(Theory, StemsAndBranchesMatchTheFacts) {
    LOAD_FACTS(stems, "stems.tsv");
    ASSERT_EQ(stems.rows.size(), 10u);
    for (const auto& r : stems.rows) {
        SCOPED_TRACE(r[0]);
        const int s = StemOf(r[0]);
        EXPECT_EQ(ElementName(StemElement(s)), r[2]);
        EXPECT_EQ(StemIsYang(s) ? "阳" : "阴", r[3]);
    }
    LOAD_FACTS(branches, "branches.tsv");
    ASSERT_EQ(branches.rows.size(), 12u);
    for (const auto& r : branches.rows) {
        SCOPED_TRACE(r[0]);
        const int b = BranchOf(r[0]);
        EXPECT_EQ(ElementName(BranchElement(b)), r[2]);
        EXPECT_EQ(AnimalName(b), r[4]);
    }
    LOAD_FACTS(hidden, "hidden_stems.tsv");
    for (const auto& r : hidden.rows) {
        SCOPED_TRACE(r[0]);
        EXPECT_EQ(StemName(HiddenMainStem(BranchOf(r[0]))), r[1]);
        std::string all;
        const HiddenStems inBranch = HiddenStemsOf(BranchOf(r[0]));
        for (int i = 0; i < inBranch.count; ++i) all += std::string(StemName(inBranch.stems[i])) + ",";
        const auto cell = [](const std::string& c) { return c == "-" ? std::string() : c + ","; };
        EXPECT_EQ(all, cell(r[1]) + cell(r[2]) + cell(r[3]));
    }
}

TEST(Theory, TenGodsMatchEveryCellOfTheFacts) {
    LOAD_FACTS(t, "ten_gods.tsv");
    ASSERT_EQ(t.rows.size(), 100u);
    for (const auto& r : t.rows) {
        SCOPED_TRACE(r[0] + r[1]);
        EXPECT_EQ(TenGodName(TenGodOf(StemOf(r[0]), StemOf(r[1]))), r[2]);
    }
}

TEST(Theory, GrowthStagesMatchEveryCellOfTheFacts) {
    LOAD_FACTS(t, "growth_stages.tsv");
    ASSERT_EQ(t.rows.size(), 120u);
    for (const auto& r : t.rows) {
        SCOPED_TRACE(r[0] + r[1]);
        EXPECT_EQ(StageName(StageOf(StemOf(r[0]), BranchOf(r[1]))), r[2]);
    }
}

TEST(Theory, NayinMatchesEveryPillarOfTheFacts) {
    LOAD_FACTS(t, "nayin.tsv");
    ASSERT_EQ(t.rows.size(), 60u);
    for (const auto& r : t.rows) {
        SCOPED_TRACE(r[0]);
        const int p = PillarOf(r[0]);
        EXPECT_EQ(p + 1, std::stoi(r[1]));
        EXPECT_EQ(PillarName(p), r[0]);
        EXPECT_EQ(NayinName(p), r[2]);
        EXPECT_EQ(ElementName(NayinElement(p)), r[3]);
    }
}

TEST(Theory, BranchRelationsMatchAllOrderedPairsOfTheFacts) {
    LOAD_FACTS(t, "branch_pairs.tsv");
    ASSERT_EQ(t.rows.size(), 144u);
    for (const auto& r : t.rows) {
        SCOPED_TRACE(r[0] + r[1]);
        EXPECT_EQ(DescribeRelations(BranchOf(r[0]), BranchOf(r[1])), r[2]);
    }
}

TEST(Theory, HourPillarsFollowTheFiveRatsRuleOfTheFacts) {
    LOAD_FACTS(t, "hour_pillars.tsv");
    ASSERT_EQ(t.rows.size(), 120u);
    for (const auto& r : t.rows) {
        SCOPED_TRACE(r[0] + r[1]);
        EXPECT_EQ(PillarName(HourPillar(StemOf(r[0]), BranchOf(r[1].substr(0, 3)))), r[2]);
    }
}

TEST(Theory, HiddenStemsInOrderMatchEveryCellOfTheFacts) {
    LOAD_FACTS(t, "hidden_stems.tsv");
    ASSERT_EQ(t.rows.size(), 12u);
    for (const auto& r : t.rows) {
        SCOPED_TRACE(r[0]);
        const HiddenStems h = HiddenStemsOf(BranchOf(r[0]));
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(i < h.count ? std::string(StemName(h.stems[i])) : "-", r[1 + i]);
    }
}

TEST(Theory, DecadesAndTheirEmptyBranchesMatchTheFacts) {
    LOAD_FACTS(t, "nayin.tsv");
    for (const auto& r : t.rows) {
        SCOPED_TRACE(r[0]);
        const int p = PillarOf(r[0]);
        EXPECT_EQ(PillarName(XunStart(p)), r[4]);
        const auto empty = XunKong(p);
        EXPECT_EQ(std::string(BranchName(empty[0])) + std::string(BranchName(empty[1])), r[5]);
    }
}

TEST(Theory, StemCombinationsAndClashesMatchTheFacts) {
    LOAD_FACTS(t, "stems.tsv");
    for (const auto& r : t.rows) {
        SCOPED_TRACE(r[0]);
        const int s = StemOf(r[0]);
        const int partner = StemOf(r[4]);
        EXPECT_TRUE(StemsCombine(s, partner));
        EXPECT_EQ(ElementName(StemCombineElement(s, partner)), r[5]);
        for (int other = 0; other < 10; ++other) {
            EXPECT_EQ(StemsCombine(s, other), other == partner) << StemName(other);
            EXPECT_EQ(StemsClash(s, other), r[6] != "-" && other == StemOf(r[6])) << StemName(other);
        }
    }
}

// 胎元 and 命宫 on hand-worked cases, and the hour branch of each clock hour.
TEST(Theory, TaiYuanMingGongAndHourBranches) {
    EXPECT_EQ(PillarName(TaiYuan(PillarOf("丙子"))), "丁卯");
    EXPECT_EQ(PillarName(TaiYuan(PillarOf("癸亥"))), "甲寅");  // the stem and branch wrap
    struct Case {
        const char *year, *month, *hour, *palace;
    } const cases[] = {
        {"甲", "子", "子", "己巳"},  // 冬月 sits at 寅; 子 on 寅 counts to 卯 at 巳
        {"甲", "寅", "卯", "丙子"},  // 卯 hour: the month's own palace, 正月 at 子
        {"乙", "卯", "酉", "辛巳"},  // 二月 at 亥; 酉 on 亥 counts to 卯 at 巳; 乙 years start 寅 at 戊
        {"戊", "丑", "亥", "丁巳"},  // 腊月 at 丑; 亥 on 丑 counts to 卯 at 巳; 戊 years start 寅 at 甲
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.year) + c.month + c.hour);
        EXPECT_EQ(PillarName(MingGong(StemOf(c.year), BranchOf(c.month), BranchOf(c.hour))), c.palace);
    }
    const int expected[24] = {0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 0};
    for (int h = 0; h < 24; ++h) EXPECT_EQ(HourBranch(h), expected[h]) << h;
}
