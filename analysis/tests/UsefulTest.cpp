// The useful god: the climate table against a second transcription, and how
// the methods decide between themselves on charts that show each case.
#include <gtest/gtest.h>

#include <algorithm>

#include "Natal.h"
#include "Pattern.h"
#include "Strength.h"
#include "TestCharts.h"
#include "Tiaohou.h"
#include "Useful.h"

using namespace analysis;
using analysis::test::Pillars;
using chart::Element;

namespace {

UsefulFinding UsefulOf(const char* pillars) {
    const Natal n = MakeNatal(Pillars(pillars));
    const StrengthFinding s = AssessStrength(n);
    return AssessUseful(n, s, AssessPattern(n, s));
}

bool Has(const std::vector<Element>& list, Element e) {
    return std::find(list.begin(), list.end(), e) != list.end();
}

}  // namespace

TEST(Tiaohou, EveryCellIsPresentAndItsPrincipalStemAgreesWithASecondTranscription) {
    // The principal stems of 穷通宝鉴 written out month by month (寅 first), for
    // the day stems 甲 … 癸: an independent copy of the table's first column.
    constexpr std::string_view kPrincipal[12] = {
        "丙丙壬甲丙丙戊己庚辛",  // 寅
        "庚丙壬庚丙甲丁壬戊庚",  // 卯
        "庚癸壬甲甲丙甲壬甲丙",  // 辰
        "癸癸壬甲甲癸壬壬壬辛",  // 巳
        "癸癸壬壬壬癸壬壬癸庚",  // 午
        "癸癸壬甲癸癸丁壬辛庚",  // 未
        "庚丙壬甲丙丙丁壬戊丁",  // 申
        "庚癸壬甲丙丙丁壬甲辛",  // 酉
        "庚癸甲甲甲甲甲壬甲辛",  // 戌
        "庚丙甲甲甲丙丁壬戊庚",  // 亥
        "丁丙壬甲丙丙丁丙戊丙",  // 子
        "丁丙壬甲丙丙丙丙丙丙",  // 丑
    };
    int cells = 0;
    for (int m = 0; m < 12; ++m)
        for (int stem = 0; stem < 10; ++stem) {
            const int branch = (m + 2) % 12;
            SCOPED_TRACE(std::string(chart::StemName(stem)) + "日" + std::string(chart::BranchName(branch)) +
                         "月");
            const std::vector<int> cell = TiaohouStems(stem, branch);
            ASSERT_GE(cell.size(), 1u);
            EXPECT_LE(cell.size(), 5u);
            EXPECT_EQ(chart::StemName(cell.front()), kPrincipal[m].substr(3 * stem, 3));
            ++cells;
        }
    EXPECT_EQ(cells, 120);
}

TEST(Useful, MethodsDecideAsStated) {
    // 寒木向阳 (滴天髓阐微): 扶抑 takes 火 from 巳's 丙, and the 亥 cell for 甲
    // (庚丁丙戊) names 火 too, so the two methods meet on it.
    const UsefulFinding cold = UsefulOf("癸巳癸亥甲寅壬申");
    EXPECT_EQ(cold.yong, Element::Fire);
    EXPECT_EQ(cold.decidedBy, UsefulMethod::Support);
    EXPECT_NE(cold.decision.find("调候之表亦列火"), std::string::npos) << cold.decision;

    // 丙 in 午 wants 壬, but no water stands in the chart: 扶抑 decides (土),
    // and the climate's 水 becomes a 喜.
    const UsefulFinding dry = UsefulOf("己巳庚午丙午甲午");
    EXPECT_EQ(dry.yong, Element::Earth);
    EXPECT_EQ(dry.decidedBy, UsefulMethod::Support);
    EXPECT_TRUE(Has(dry.xi, Element::Water));

    // 庚 in 子, weak and drained: 扶抑 would take 土, which the 子 cell (丁甲丙)
    // does not name; 丙 shows, so the cold decides: 火, with 土 a 喜.
    const UsefulFinding winter = UsefulOf("壬午壬子庚子丙子");
    EXPECT_EQ(winter.yong, Element::Fire);
    EXPECT_EQ(winter.decidedBy, UsefulMethod::Climate);
    EXPECT_TRUE(Has(winter.xi, Element::Earth));
    EXPECT_EQ(winter.choices.front().method, UsefulMethod::Climate);

    // Autumn: 扶抑 rules; the climate's 火 is added to the 喜.
    const UsefulFinding autumn = UsefulOf("甲申壬申乙巳戊寅");
    EXPECT_EQ(autumn.yong, Element::Water);
    EXPECT_EQ(autumn.decidedBy, UsefulMethod::Support);
    EXPECT_TRUE(Has(autumn.xi, Element::Fire));
    EXPECT_TRUE(Has(autumn.ji, Element::Earth));
}

TEST(Useful, RemedyNamesTheExcessAndItsCure) {
    // 满局印绶: earth is more than 40 % of the chart and a 忌; 木 controls it.
    const UsefulFinding u = UsefulOf("戊辰壬戌辛未己丑");
    EXPECT_EQ(u.yong, Element::Water);  // 壬 shows: the 食伤 is present where 财 is not
    EXPECT_TRUE(Has(u.ji, Element::Earth));
    const auto remedy = std::find_if(u.choices.begin(), u.choices.end(),
                                     [](const MethodChoice& c) { return c.method == UsefulMethod::Remedy; });
    ASSERT_NE(remedy, u.choices.end());
    EXPECT_EQ(remedy->element, Element::Wood);
    EXPECT_TRUE(Has(u.xi, Element::Wood));
}

TEST(Useful, FollowingPatternsTakeTheirTrend) {
    const UsefulFinding dominant = UsefulOf("壬寅癸卯甲辰丙寅");  // 曲直 with 丙 showing: 泄秀
    EXPECT_EQ(dominant.decidedBy, UsefulMethod::Follow);
    EXPECT_EQ(dominant.yong, Element::Fire);
    EXPECT_TRUE(Has(dominant.ji, Element::Metal));
    const UsefulFinding wood = UsefulOf("甲午丁卯壬午丙午");  // 化木: the transformed element
    EXPECT_EQ(wood.yong, Element::Wood);
    EXPECT_TRUE(Has(wood.ji, Element::Metal));
}
