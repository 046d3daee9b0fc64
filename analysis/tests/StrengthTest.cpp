// The strength score: the five states of the season, roots by stage and by
// hidden stem, the parts of a hand-worked chart, the band edges, and the
// conditions of the classics for 从弱, 从强 and 专旺.
#include <gtest/gtest.h>

#include "Natal.h"
#include "Strength.h"
#include "TestCharts.h"

using namespace analysis;
using analysis::test::Pillars;
using chart::Element;

TEST(Season, FiveStatesFollowTheRulerOfTheMonth) {
    const struct {
        Element e;
        int month;
        Vigour v;
    } kCases[] = {
        {Element::Wood, 3, Vigour::Ruling},     // 木 rules 卯
        {Element::Wood, 0, Vigour::Prime},      // 水 rules 子 and generates 木
        {Element::Fire, 2, Vigour::Prime},      // 木 rules 寅 and generates 火
        {Element::Earth, 9, Vigour::Resting},   // 金 rules 酉; 土 generates it
        {Element::Metal, 3, Vigour::Confined},  // 木 rules 卯; 金 controls it
        {Element::Metal, 6, Vigour::Dead},      // 火 rules 午 and controls 金
        {Element::Water, 4, Vigour::Dead},      // 土 rules 辰 and controls 水
        {Element::Earth, 1, Vigour::Ruling},    // 丑, the last month of winter, is earth's
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(chart::ElementName(c.e)) + std::string(chart::BranchName(c.month)));
        EXPECT_EQ(VigourIn(c.e, c.month), c.v);
    }
    EXPECT_TRUE(InSeason(Vigour::Ruling));
    EXPECT_TRUE(InSeason(Vigour::Prime));
    EXPECT_FALSE(InSeason(Vigour::Resting));
    EXPECT_EQ(SeasonName(2), "春");
    EXPECT_EQ(SeasonName(1), "冬");
    EXPECT_EQ(SeasonPlace(7), "季");
}

TEST(Strength, RootsCountTheStageOrTheHiddenStemsWhicheverIsMore) {
    const struct {
        const char* name;
        int dayStem, branch;
        double root;
    } kCases[] = {
        {"甲 at 寅, 禄", 0, 2, 1.0},
        {"甲 at 卯, 刃", 0, 3, 1.0},
        {"乙 at 寅, a yin stem's 旺: full, not 甲's 0.6", 1, 2, 1.0},
        {"甲 at 亥, 长生: 壬 0.7 x 0.8 + 甲 0.3", 0, 11, 0.86},
        {"丙 at 戌, a yang 库: at least 0.3", 2, 10, 0.3},
        {"乙 at 午, a yin 长生 holds no wood", 1, 6, 0.0},
        {"乙 at 戌, a yin 库 holds no wood", 1, 10, 0.0},
        {"甲 at 辰: 乙 0.3 + 癸 0.1 x 0.8", 0, 4, 0.38},
        {"甲 at 子: 癸 0.8 as 印", 0, 0, 0.8},
        {"甲 at 申: no 比劫, 壬 0.3 x 0.8", 0, 8, 0.24},
        {"甲 at 午: nothing", 0, 6, 0.0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        // The branch in the year pillar (under a stem of its parity), the day stem on a branch of its own.
        const int year = chart::PillarIndex(c.branch % 2, c.branch);
        const int day = chart::PillarIndex(c.dayStem, c.dayStem % 2);
        const Natal n = MakeNatal({year, year, day, day});
        EXPECT_NEAR(BranchRoot(c.dayStem, n.pillars[kYear]), c.root, 1e-9);
    }
}

TEST(Strength, AHandWorkedChartHasItsParts) {
    // 乙 born in 申: 金 rules and kills 木, 得令 0. Roots: 申 twice (壬 中气 as 印,
    // 0.24, at year 0.8 and month 1.2), 巳 none, 寅 the hour's 旺 in full;
    // 35 x 1.48 / 4.2 = 12.33. Stems: 甲 劫财 (year 8) and 壬 正印 (month 9).
    const StrengthFinding f = AssessStrength(MakeNatal(Pillars("甲申壬申乙巳戊寅")));
    EXPECT_EQ(f.vigour, Vigour::Dead);
    EXPECT_DOUBLE_EQ(f.parts[0].points, 0);
    EXPECT_NEAR(f.parts[1].points, 35 * 1.48 / 4.2, 1e-9);
    EXPECT_DOUBLE_EQ(f.parts[2].points, 17);
    EXPECT_EQ(f.score, 29);
    EXPECT_EQ(f.band, Band::Weak);
    EXPECT_FALSE(f.nearBand);
    EXPECT_EQ(f.evidence.front(), "生于申月，金当令，日主木死：得令0.0");
    EXPECT_EQ(f.evidence[4], "时支寅为帝旺（旺）；藏甲劫财、丙伤官、戊正财；根气1.0");
}

TEST(Strength, BandsAndTheirEdgesOnBothSides) {
    const struct {
        int score;
        Band band;
        std::optional<Band> near;
    } kCases[] = {
        {0, Band::Weak, std::nullopt},
        {kWeakBelow - kBandMargin - 1, Band::Weak, std::nullopt},
        {kWeakBelow - kBandMargin, Band::Weak, Band::Balanced},
        {kWeakBelow - 1, Band::Weak, Band::Balanced},
        {kWeakBelow, Band::Balanced, Band::Weak},
        {kWeakBelow + kBandMargin - 1, Band::Balanced, Band::Weak},
        {kWeakBelow + kBandMargin, Band::Balanced, std::nullopt},
        {kStrongFrom - 1, Band::Balanced, Band::Strong},
        {kStrongFrom, Band::Strong, Band::Balanced},
        {kStrongFrom + kBandMargin, Band::Strong, std::nullopt},
        {100, Band::Strong, std::nullopt},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.score);
        EXPECT_EQ(BandOfScore(c.score), c.band);
        EXPECT_EQ(NearBand(c.score), c.near);
    }
}

TEST(Strength, FollowAndDominantOnlyWhereTheirConditionsHold) {
    const struct {
        const char* pillars;
        Band band;
        const char* why;
    } kCases[] = {
        {"壬寅癸卯甲辰丙寅", Band::Dominant, "甲 in 卯 with 寅卯辰 whole, no 金 among stems or 本气: 曲直"},
        {"壬寅癸卯甲辰庚午", Band::Strong, "the same with 庚 showing: no 专旺"},
        {"丁卯乙巳丁卯乙巳", Band::FollowStrong, "得令, every stem and 本气 印 or 比劫"},
        {"辛酉丁酉乙酉乙酉", Band::Weak, "a 乙 stem beside the day master: weak, but no 从"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.pillars);
        const StrengthFinding f = AssessStrength(MakeNatal(Pillars(c.pillars)));
        EXPECT_EQ(f.band, c.band) << c.why;
        EXPECT_EQ(f.condition.empty(),
                  c.band == Band::Weak || c.band == Band::Balanced || c.band == Band::Strong);
    }
    // 从弱: 失令, no root, no 印 or 比劫 among the stems: 丙 in 酉 with 戊 辛 己
    // and the branches 申 酉 子 丑, none holding fire or wood.
    const StrengthFinding weak = AssessStrength(MakeNatal(Pillars("戊申辛酉丙子己丑")));
    EXPECT_EQ(weak.band, Band::FollowWeak) << weak.score;
    EXPECT_EQ(weak.parts[1].points, 0);
    EXPECT_EQ(weak.parts[2].points, 0);
    EXPECT_FALSE(weak.nearBand);
}
