// Four pillars as the user types them: what parses, what no birth can have,
// and the refusal of AnalyzePillars.
#include <gtest/gtest.h>

#include <stdexcept>

#include "Analyze.h"
#include "MemoryTextSource.h"

using namespace analysis;

TEST(Analyze, PillarsParseAndAreCheckedAgainstTheFiveTigersAndFiveRats) {
    const struct {
        const char* text;
        bool parses;
        const char* problem;  // in CheckPillars' sentence; "" for possible pillars
    } kCases[] = {
        {"甲子丙寅戊辰壬子", true, ""},
        {"甲子 丙寅 戊辰 壬子", true, ""},
        {"甲子丙寅戊辰", false, ""},          // three pillars
        {"甲子丙寅戊辰壬子甲子", false, ""},  // five
        {"甲丑丙寅戊辰壬子", false, ""},      // 甲丑 is no pillar
        {"甲子丙寅戊辰壬x", false, ""},
        {"甲子丁卯戊辰壬子", true, ""},  // 丁卯 follows 甲 too (丙寅 丁卯 …)
        {"甲子戊寅戊辰壬子", true, "五虎遁 gives 丙寅"},
        // A 戊 day's 子 is 壬子 at 00:00 and 甲子 at 23:00 (晚子时, the next day's stem).
        {"甲子丙寅戊辰甲子", true, ""},
        {"己卯丙子戊午甲子", true, ""},  // 2000-01-01 23:00
        {"甲子丙寅戊辰丙子", true, "五鼠遁 gives 壬子, or 甲子 at 23:00"},
        {"甲子丙寅戊辰丙寅", true, "五鼠遁 gives 甲寅)"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.text);
        const std::optional<std::array<int, 4>> p = ParsePillars(c.text);
        ASSERT_EQ(p.has_value(), c.parses);
        if (!p) continue;
        const std::string problem = CheckPillars(*p);
        EXPECT_EQ(problem.empty(), std::string_view(c.problem).empty()) << problem;
        EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
        if (!problem.empty()) {
            EXPECT_THROW(AnalyzePillars(*p, MemoryTextSource()), std::invalid_argument);
        }
    }
    EXPECT_NE(CheckPillars({0, 60, 0, 0}), "");
}
