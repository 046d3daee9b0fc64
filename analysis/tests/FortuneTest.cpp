// Luck pillars and years: their relations to the natal chart, 太岁 and
// 岁运并临, and the verdict from the stances.
#include <gtest/gtest.h>

#include <algorithm>

#include "Fortune.h"
#include "LuckPillars.h"
#include "Natal.h"
#include "Pattern.h"
#include "Strength.h"
#include "TestCharts.h"
#include "Useful.h"

using namespace analysis;
using analysis::test::Pillars;

namespace {

struct Natal4 {
    Natal natal;
    UsefulFinding useful;
};

Natal4 NatalWithUseful(const char* pillars) {
    Natal4 s{MakeNatal(Pillars(pillars)), {}};
    const StrengthFinding st = AssessStrength(s.natal);
    s.useful = AssessUseful(s.natal, st, AssessPattern(s.natal, st));
    return s;
}

std::vector<FortuneLink> Links(const FortuneFinding& f) {
    std::vector<FortuneLink> out;
    for (const FortuneRelation& r : f.relations) out.push_back(r.link);
    return out;
}

bool HasLink(const FortuneFinding& f, FortuneLink l) {
    const std::vector<FortuneLink> links = Links(f);
    return std::find(links.begin(), links.end(), l) != links.end();
}

int PillarOf(const char* two) {
    return Pillars(std::string(two) + "甲子甲子甲子")[0];
}

}  // namespace

TEST(Fortune, LuckPillarsMeetTheMonthAndDay) {
    const Natal4 s = NatalWithUseful("庚辰甲申丙戌庚寅");  // month 申, day 戌, branches 辰 申 戌 寅
    const struct {
        const char* pillar;
        std::vector<FortuneLink> links;
    } kCases[] = {
        {"丙寅", {FortuneLink::ClashMonth}},                         // 寅申 冲
        {"庚寅", {FortuneLink::ClashMonth, FortuneLink::Opposite}},  // and 甲庚 too: 天克地冲 with 甲申
        {"壬辰", {FortuneLink::ClashDay, FortuneLink::Opposite}},    // 丙壬 and 辰戌 with 丙戌
        {"甲辰", {FortuneLink::ClashDay}},                           // 辰戌 冲
        {"丙子", {FortuneLink::TrineForms}},                         // 申子辰 with 申 and 辰
        {"乙酉", {FortuneLink::DirectionForms}},                     // 申酉戌 with 申 and 戌
        {"甲申", {FortuneLink::Repeat}},                             // the month pillar again
        {"辛卯", {FortuneLink::CombineDay}},                         // 卯戌 六合
        {"己巳", {FortuneLink::CombineMonth}},                       // 巳申 六合
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.pillar);
        const FortuneFinding f = JudgeLuck(s.natal, s.useful, PillarOf(c.pillar), 2000, 10);
        for (FortuneLink l : c.links) EXPECT_TRUE(HasLink(f, l)) << FortuneLinkName(l);
        for (const FortuneRelation& r : f.relations) EXPECT_FALSE(r.fact.empty());
    }
}

TEST(Fortune, YearsMeetTaiSuiAndTheLuckPillar) {
    const Natal4 s = NatalWithUseful("甲子丙寅甲辰丙寅");  // natal year branch 子
    const struct {
        int year;
        FortuneLink link;
    } kCases[] = {
        {2020, FortuneLink::TaiSuiSame},     // 庚子
        {2026, FortuneLink::TaiSuiClash},    // 丙午
        {2023, FortuneLink::TaiSuiPunish},   // 癸卯: 子卯 刑
        {2027, FortuneLink::TaiSuiHarm},     // 丁未
        {2029, FortuneLink::TaiSuiBreak},    // 己酉
        {2021, FortuneLink::TaiSuiCombine},  // 辛丑
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.year);
        const FortuneFinding f = JudgeYear(s.natal, s.useful, c.year, 0, {});
        EXPECT_EQ(f.pillar, chart::YearPillarOfYear(c.year));
        EXPECT_TRUE(HasLink(f, c.link)) << FortuneLinkName(c.link);
        EXPECT_EQ(f.luckIndex, -1);
    }
    // A year whose pillar is that of the luck pillar in effect.
    std::vector<FortuneFinding> luck = {
        JudgeLuck(s.natal, s.useful, chart::YearPillarOfYear(2015), 2010, 27),
        JudgeLuck(s.natal, s.useful, chart::YearPillarOfYear(2024), 2020, 37)};
    const FortuneFinding together = JudgeYear(s.natal, s.useful, 2024, 41, luck);
    EXPECT_EQ(together.luckIndex, 1);
    EXPECT_TRUE(HasLink(together, FortuneLink::LuckAndYear));
    EXPECT_EQ(JudgeYear(s.natal, s.useful, 2019, 36, luck).luckIndex, 0);
    EXPECT_FALSE(HasLink(JudgeYear(s.natal, s.useful, 2019, 36, luck), FortuneLink::LuckAndYear));
}

TEST(Fortune, VerdictSumsTheStances) {
    const Natal4 s = NatalWithUseful("甲申壬申乙巳戊寅");  // 用 水, 喜 木 火, 忌 土 金
    ASSERT_EQ(s.useful.yong, chart::Element::Water);
    const struct {
        const char* pillar;
        Verdict verdict;
    } kCases[] = {
        {"壬子", Verdict::Advance},  // 水 over 水: both 喜
        {"甲寅", Verdict::Advance},  // 木 over 木
        {"庚申", Verdict::Guard},    // 金 over 金: both 忌
        {"戊戌", Verdict::Guard},    // 土 over 土
        {"丙子", Verdict::Advance},  // 火 喜 over 子 (癸) 喜
        {"庚子", Verdict::Steady},   // 忌 over 喜
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.pillar);
        const FortuneFinding f = JudgeLuck(s.natal, s.useful, PillarOf(c.pillar), 2000, 10);
        EXPECT_EQ(f.verdict, c.verdict) << f.evidence.front();
    }
}
