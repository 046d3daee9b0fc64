// Four pillars given by their characters: the analysis takes what the
// calendar's parser takes (晚子时 included) and refuses what no birth can
// have with the calendar's own sentence, the rule named.
#include <gtest/gtest.h>

#include <stdexcept>

#include "Analyze.h"
#include "MemoryTextSource.h"
#include "PillarSearch.h"
#include "TestCharts.h"

using namespace analysis;

TEST(Analyze, PillarsNoBirthCanHaveAreRefusedWithTheRuleNamed) {
    const struct {
        const char* pillars;
        const char* rule;  // in the refusal; "" for pillars a birth can have
    } kCases[] = {
        {"甲子丙寅戊辰壬子", ""},
        {"甲子丁卯戊辰壬子", ""},  // 丁卯 follows 甲 too (丙寅 丁卯 …)
        {"甲子丙寅戊辰甲子", ""},  // a 戊 day's 晚子时 takes the 己 day's 甲子
        {"己卯丙子戊午甲子", ""},  // 2000-01-01 23:00
        {"甲子戊寅戊辰壬子", "五虎遁: in a 甲 year that month is 丙寅"},
        {"甲子丙寅戊辰丙子", "五鼠遁: on a 戊 day that hour is 壬子 (or 甲子 in the 晚子时 at 23:00)"},
        {"甲子丙寅戊辰丙寅", "五鼠遁: on a 戊 day that hour is 甲寅"},
    };
    const MemoryTextSource none;
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.pillars);
        const calendar::PillarIndices p = test::Pillars(c.pillars);
        // The analysis and the parser agree on every case.
        EXPECT_EQ(calendar::ParsePillars(c.pillars).pillars.has_value(), *c.rule == '\0');
        if (*c.rule == '\0') {
            EXPECT_EQ(AnalyzePillars(p, none).pillars, p);
            continue;
        }
        try {
            AnalyzePillars(p, none);
            ADD_FAILURE() << "accepted";
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find(c.rule), std::string::npos) << e.what();
        }
    }
    EXPECT_THROW(AnalyzePillars({0, 60, 0, 0}, none), std::invalid_argument);
    EXPECT_THROW(AnalyzePillars({-1, 2, 4, 0}, none), std::invalid_argument);
}
