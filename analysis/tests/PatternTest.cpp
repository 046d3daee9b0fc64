// The pattern: the month order's regular pattern in each of its cases, the
// rules of 成, 败 and 救应 on charts that show them, and the special patterns
// only where their conditions hold.
#include <gtest/gtest.h>

#include <set>

#include "Natal.h"
#include "Pattern.h"
#include "PatternRules.h"
#include "Strength.h"
#include "TestCharts.h"

using namespace analysis;
using analysis::test::Pillars;

namespace {

PatternFinding PatternOf(const char* pillars) {
    const Natal n = MakeNatal(Pillars(pillars));
    return AssessPattern(n, AssessStrength(n));
}

bool Held(const PatternFinding& p, std::string_view id) {
    for (const RuleHit& h : p.rules)
        if (h.id == id) return true;
    return false;
}

}  // namespace

TEST(Pattern, TheMonthOrderDecidesTheRegularPattern) {
    const struct {
        const char* pillars;
        PatternKind kind;
        int shownAt;
        const char* why;
    } kCases[] = {
        {"甲子丙寅甲辰丙寅", PatternKind::Jianlu, -1, "甲 in 寅: its 禄"},
        {"甲子庚午丙午甲午", PatternKind::MonthBlade, -1, "丙 in 午: a yang stem's 刃"},
        {"甲子丙寅乙卯丁亥", PatternKind::Jianlu, -1, "乙 in 寅: 月劫 counts with 建禄"},
        {"甲申壬申乙巳戊寅", PatternKind::DirectOfficer, -1,
         "申 is a 生 month: 本气 庚 holds though 壬 and 戊 show"},
        {"壬寅壬寅庚辰辛巳", PatternKind::IndirectWealth, -1, "寅 本气 甲, not shown"},
        {"乙未甲申丙申庚寅", PatternKind::IndirectWealth, kHour, "申 本气 庚 shows at the hour"},
        {"壬戌丙午壬午己酉", PatternKind::DirectOfficer, kHour, "午 for 壬: 本气 丁 hidden, 中气 己 shows"},
        {"丙辰壬辰甲戌丁卯", PatternKind::IndirectWealth, -1, "辰 for 甲: nothing shows, 本气 戊"},
        {"癸巳丙辰甲子丙寅", PatternKind::DirectSeal, kYear, "辰 for 甲: 余气 癸 shows"},
        {"乙未庚辰戊子壬子", PatternKind::DirectOfficer, kYear,
         "辰 for 戊: 本气 比肩 passed over, 中气 乙 shows"},
        {"壬辰甲辰戊辰甲寅", PatternKind::Jianlu, -1, "辰 for 戊: 甲 shows but 辰 holds 乙, not 甲"},
        {"丙辰壬辰戊辰壬子", PatternKind::Jianlu, -1, "辰 for 戊: 本气 比肩 and nothing else shows: 禄劫"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.pillars);
        const MonthOrder o = MonthOrderOf(MakeNatal(Pillars(c.pillars)));
        EXPECT_EQ(o.kind, c.kind) << c.why << "; " << o.decidedBy;
        EXPECT_EQ(o.shownAt, c.shownAt) << c.why;
    }
}

TEST(Pattern, StatesFollowTheRulesThatHold) {
    const struct {
        const char* pillars;
        PatternKind kind;
        PatternState state;
        std::vector<std::string_view> held;
    } kCases[] = {
        // 甲用酉官, 庚 mixes in and 乙 combines it away (李参政, 子平真诠·论正官).
        {"庚寅乙酉甲子戊辰", PatternKind::DirectOfficer, PatternState::Rescued, {"官-败-杂", "官-救-合煞"}},
        // 壬 in 午 with 己 官 and 乙 伤官 showing, no 印: the 官 is hurt.
        {"乙巳壬午壬子己酉", PatternKind::DirectOfficer, PatternState::Broken, {"官-败-伤"}},
        // 丙 in 午 with no 官 or 杀 among the stems or 本气: 刃 without control.
        {"甲戌庚午丙午甲午", PatternKind::MonthBlade, PatternState::Broken, {"刃-败-无官"}},
        // 薛相公: 寅 clashes the month's 申 (and 寅巳申 punish), 巳申 combine to answer it.
        {"甲申壬申乙巳戊寅", PatternKind::DirectOfficer, PatternState::Rescued, {"官-败-冲", "官-救-会合"}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.pillars);
        const PatternFinding p = PatternOf(c.pillars);
        EXPECT_EQ(p.kind, c.kind);
        EXPECT_EQ(p.state, c.state);
        for (std::string_view id : c.held) EXPECT_TRUE(Held(p, id)) << id;
        // Every rule that held names the fact it rests on.
        for (const RuleHit& h : p.rules) EXPECT_FALSE(h.fact.empty()) << h.id;
    }
}

TEST(Pattern, EveryFamilyHasRulesThatFormAndBreakIt) {
    std::set<std::pair<PatternFamily, RuleOutcome>> seen;
    std::set<std::string_view> ids;
    for (const PatternRule& r : PatternRules()) {
        seen.insert({r.family, r.outcome});
        EXPECT_TRUE(ids.insert(r.id).second) << "duplicate id " << r.id;
        EXPECT_FALSE(r.rule.empty());
        EXPECT_TRUE(r.source.starts_with("子平真诠")) << r.id;
    }
    for (int f = 0; f < static_cast<int>(PatternFamily::Any); ++f)
        for (RuleOutcome o : {RuleOutcome::Forms, RuleOutcome::Breaks})
            EXPECT_TRUE(seen.count({static_cast<PatternFamily>(f), o})) << f;
    EXPECT_GE(PatternRules().size(), 40u);
}

TEST(Pattern, SpecialPatternsStandOnlyWhereTheirConditionsHold) {
    const struct {
        const char* pillars;
        PatternKind kind;
    } kCases[] = {
        {"壬寅癸卯甲辰丙寅", PatternKind::Quzhi},          // 曲直: 寅卯辰 whole, no 金
        {"壬寅癸卯甲辰庚午", PatternKind::MonthBlade},     // 庚 shows: no 曲直; 甲 in 卯 is its 刃
        {"丁卯乙巳丁卯乙巳", PatternKind::FollowStrong},   // every stem and 本气 印 or 比劫
        {"戊申辛酉丙子己丑", PatternKind::FollowTrend},    // 从弱, 食伤 and 财 even
        {"甲午丁卯壬午丙午", PatternKind::TransformWood},  // 丁壬 in a 卯 month, no 金, 壬 rootless
        {"丙辰辛卯丁卯壬寅", PatternKind::IndirectSeal},   // 丁壬 again, but 辛 stands against the wood
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.pillars);
        const PatternFinding p = PatternOf(c.pillars);
        EXPECT_EQ(p.kind, c.kind) << p.condition;
        EXPECT_EQ(p.condition.empty(), IsRegular(p.kind));
        if (!IsRegular(p.kind)) {
            EXPECT_EQ(p.state, PatternState::Formed);
        }
    }
}
