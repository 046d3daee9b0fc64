// The auxiliary stars of two charts, star by star, worked by hand from the
// lookup rules.
#include <gtest/gtest.h>

#include "Natal.h"
#include "Shensha.h"
#include "TestCharts.h"

using namespace analysis;
using analysis::test::Pillars;

TEST(Shensha, PositionsOfEveryStar) {
    using V = std::vector<int>;
    const struct {
        const char* pillars;
        std::vector<std::pair<std::string_view, V>> stars;
    } kCases[] = {
        // Day 乙巳, year 甲申, month 壬申, hour 戊寅.
        {"甲申壬申乙巳戊寅",
         {{"天乙贵人", V{0, 1}},  // 乙 looks for 子申, 甲 for 丑未
          {"文昌", V{}},          // 乙: 午
          {"驿马", V{3}},         // 申 (申子辰) looks for 寅; 巳 for 亥
          {"桃花", V{}},
          {"华盖", V{}},
          {"羊刃", V{}},     // a yin day stem
          {"禄神", V{}},     // 乙: 卯
          {"天德", V{}},     // 申 month: 癸
          {"月德", V{1}},    // 申 month: 壬
          {"空亡", V{3}}}},  // 乙巳 is in the 甲辰 decade: 寅卯 empty
        // Day 甲辰, year 甲子, month and hour 丙寅.
        {"甲子丙寅甲辰丙寅",
         {{"天乙贵人", V{}},
          {"文昌", V{}},
          {"驿马", V{1, 3}},  // 子 and 辰 both look for 寅
          {"桃花", V{}},
          {"华盖", V{2}},  // 子 looks for 辰; the 辰 day does not count itself
          {"羊刃", V{}},   // 甲: 卯
          {"禄神", V{1, 3}},
          {"天德", V{}},      // 寅 month: 丁
          {"月德", V{1, 3}},  // 寅 month: 丙
          {"空亡", V{1, 3}}}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.pillars);
        const std::vector<ShenshaFinding> found = AssessShensha(MakeNatal(Pillars(c.pillars)));
        ASSERT_EQ(found.size(), c.stars.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].name, c.stars[i].first);
            EXPECT_EQ(found[i].positions, c.stars[i].second) << found[i].name;
            EXPECT_FALSE(found[i].rule.empty());
            EXPECT_TRUE(found[i].source.starts_with("三命通会"));
        }
    }
}
