// What must hold for every chart, over 10,000 random births: every section
// present, the useful god never among the 忌, support never lowering the
// score, the season raising it, every regular pattern occurring, the hour
// changing the pattern only through the stem it shows, the climate cell as
// tabled, and every text key one the tables know.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "Analyze.h"
#include "Natal.h"
#include "Pattern.h"
#include "Strength.h"
#include "TestCharts.h"
#include "TextTables.h"
#include "Tiaohou.h"

using namespace analysis;

namespace {

constexpr int kBirths = 10000;
constexpr unsigned kSeed = 20240601;

bool Supports(chart::TenGod g) {
    const GodGroup group = GroupOf(g);
    return group == GodGroup::Companions || group == GodGroup::Resource;
}

// The stems of an element with a given parity (0 yang, 1 yin).
int StemOf(chart::Element e, int parity) {
    return static_cast<int>(e) * 2 + parity;
}

class Births : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::mt19937 rng(kSeed);
        const std::vector<int> years = {2024, 2025, 2026};
        for (int i = 0; i < kBirths; ++i) {
            const chart::Chart c = chart::ComputeChart(test::RandomBirth(rng));
            s_charts.push_back(Analyze(c, years, test::SourceTexts()));
        }
    }
    static void TearDownTestSuite() { s_charts.clear(); }
    static std::vector<Analysis> s_charts;
};
std::vector<Analysis> Births::s_charts;

}  // namespace

TEST_F(Births, EverySectionIsPresentWithItsMethod) {
    for (const Analysis& a : s_charts) {
        SCOPED_TRACE(chart::PillarName(a.pillars[0]) + chart::PillarName(a.pillars[1]) +
                     chart::PillarName(a.pillars[2]) + chart::PillarName(a.pillars[3]));
        ASSERT_TRUE(a.hasLuck);
        for (const std::string* method :
             {&a.strength.method, &a.pattern.method, &a.useful.method, &a.month.method, &a.luckMethod,
              &a.yearsMethod, &a.summaryMethod, &a.shenshaMethod})
            EXPECT_FALSE(method->empty());
        EXPECT_GE(a.strength.score, 0);
        EXPECT_LE(a.strength.score, 100);
        EXPECT_FALSE(a.strength.evidence.empty());
        EXPECT_FALSE(a.pattern.evidence.empty());
        EXPECT_FALSE(a.pattern.rules.empty());
        EXPECT_FALSE(a.useful.evidence.empty());
        EXPECT_FALSE(a.month.evidence.empty());
        EXPECT_EQ(a.luck.size(), 10u);
        EXPECT_EQ(a.years.size(), 3u);
        for (const auto* list : {&a.luck, &a.years})
            for (const FortuneFinding& f : *list) EXPECT_FALSE(f.evidence.empty());
        EXPECT_GE(a.summary.size(), 3u);
        EXPECT_LE(a.summary.size(), 5u);
        EXPECT_EQ(a.shensha.size(), 10u);
    }
}

TEST_F(Births, TheUsefulGodIsNeverAmongTheUnfavourable) {
    for (const Analysis& a : s_charts) {
        const UsefulFinding& u = a.useful;
        EXPECT_EQ(std::count(u.ji.begin(), u.ji.end(), u.yong), 0);
        EXPECT_EQ(std::count(u.xi.begin(), u.xi.end(), u.yong), 0);
        for (chart::Element e : u.xi) EXPECT_EQ(std::count(u.ji.begin(), u.ji.end(), e), 0);
        // Each element at most once in each list (忌水、水 once slipped through).
        for (const auto* list : {&u.xi, &u.ji})
            for (chart::Element e : *list) EXPECT_EQ(std::count(list->begin(), list->end(), e), 1);
    }
}

TEST_F(Births, SupportNeverLowersTheScoreAndTheSeasonRaisesIt) {
    int raised = 0;
    for (const Analysis& a : s_charts) {
        const Natal n = MakeNatal(a.pillars);
        const int score = AssessStrength(n).score;
        // Each stem that neither generates nor helps the day master, replaced by one that does.
        for (int pos : kOtherStemPositions) {
            if (Supports(n.pillars[pos].stemGod)) continue;
            for (chart::Element e : {n.dayElement, GroupElement(n.dayElement, GodGroup::Resource)}) {
                std::array<int, 4> p = a.pillars;
                p[pos] = chart::PillarIndex(StemOf(e, n.pillars[pos].branch % 2), n.pillars[pos].branch);
                EXPECT_GE(AssessStrength(MakeNatal(p)).score, score)
                    << chart::PillarName(a.pillars[pos]) << " -> " << chart::PillarName(p[pos]);
            }
        }
        // A month out of season moved to a branch of the same parity whose element is in season.
        if (InSeason(VigourIn(n.dayElement, n.monthBranch))) continue;
        for (int b = n.monthBranch % 2; b < 12; b += 2) {
            if (!InSeason(VigourIn(n.dayElement, b))) continue;
            std::array<int, 4> p = a.pillars;
            p[kMonth] = chart::PillarIndex(n.pillars[kMonth].stem, b);
            EXPECT_GT(AssessStrength(MakeNatal(p)).score, score) << chart::BranchName(b);
            ++raised;
        }
    }
    EXPECT_GT(raised, kBirths / 2);
}

TEST_F(Births, EveryRegularPatternOccurs) {
    std::map<PatternKind, int> count;
    for (const Analysis& a : s_charts) ++count[a.pattern.monthOrder];
    for (int k = 0; k < kRegularPatterns; ++k)
        EXPECT_GT(count[static_cast<PatternKind>(k)], 0) << PatternName(static_cast<PatternKind>(k));
}

TEST_F(Births, TheHourChangesThePatternOnlyByTheStemItShows) {
    int changed = 0;
    for (const Analysis& a : s_charts) {
        const MonthOrder before = MonthOrderOf(MakeNatal(a.pillars));
        for (int hour = 0; hour < 12; ++hour) {
            std::array<int, 4> p = a.pillars;
            p[kHour] = chart::HourPillar(p[kDay] % 10, hour);
            const MonthOrder after = MonthOrderOf(MakeNatal(p));
            if (after.kind == before.kind) continue;
            ++changed;
            EXPECT_TRUE(before.shownAt == kHour || after.shownAt == kHour)
                << PatternName(before.kind) << " -> " << PatternName(after.kind);
        }
    }
    EXPECT_GT(changed, 0);  // the hour stem does decide some patterns
}

TEST_F(Births, TheClimateCellIsTheTables) {
    for (const Analysis& a : s_charts) {
        EXPECT_EQ(a.useful.tiaohouStems, TiaohouStems(a.pillars[kDay] % 10, a.pillars[kMonth] % 12));
        EXPECT_FALSE(a.useful.tiaohouStems.empty());
    }
}

TEST_F(Births, EveryKeyIsOneTheTablesKnow) {
    std::map<TextTable, std::set<TextKey>> known;
    for (const TextTableInfo& info : TextTables()) {
        const std::vector<TextKey> keys = KeysOf(info.table);
        known[info.table] = {keys.begin(), keys.end()};
        EXPECT_EQ(known[info.table].size(), keys.size()) << info.name << " lists a key twice";
    }
    const auto check = [&](TextTable t, const TextKey& k) {
        EXPECT_TRUE(known[t].count(k)) << InfoOf(t).name << " " << testing::PrintToString(k);
    };
    for (const Analysis& a : s_charts) {
        check(TextTable::Strength, a.strength.key);
        check(TextTable::Pattern, a.pattern.key);
        check(TextTable::Useful, a.useful.key);
        check(TextTable::Month, a.month.key);
        for (const auto* list : {&a.luck, &a.years})
            for (const FortuneFinding& f : *list) {
                check(TextTable::Fortune, f.stemKey);
                check(TextTable::Fortune, f.branchKey);
                for (const FortuneRelation& r : f.relations) check(TextTable::Relation, r.key);
            }
        for (const ShenshaFinding& s : a.shensha) check(TextTable::Shensha, s.key);
    }
}
