// The "pillars" query: its lines, the year limits, and what it refuses.
#include <gtest/gtest.h>

#include "CalQuery.h"

namespace {

TEST(PillarsQuery, ListsTheWindowsWithTheirSchool) {
    const cal::QueryResult late = cal::RunQuery("pillars 己卯丙子戊午甲子 --from 2000 --to 2000");
    EXPECT_EQ(late.status, cal::QueryStatus::kOk);
    EXPECT_EQ(late.line, "2000-01-01\t23:00:00-23:59:59\tlate");
    // Written as four words, with the limits first; a 节 cuts the window.
    const cal::QueryResult cut = cal::RunQuery("pillars --to 2024 --from 2024 甲辰 丙寅 戊戌 庚申");
    EXPECT_EQ(cut.line, "2024-02-04\t16:27:08-16:59:59\tany");
    // The whole span: every line a date, a span and a school.
    const cal::QueryResult all = cal::RunQuery("pillars 甲子丙寅戊辰壬子");
    ASSERT_EQ(all.status, cal::QueryStatus::kOk);
    EXPECT_NE(all.line.find("1984-02-04\t23:18:45-23:59:59\tsame-day"), std::string::npos) << all.line;
    const cal::QueryResult none = cal::RunQuery("pillars 甲子丙寅戊辰壬子 --from 1985 --to 1985");
    EXPECT_EQ(none.line, "甲子丙寅戊辰壬子\tNONE");
}

TEST(PillarsQuery, RefusesMalformedAndInvalidPillars) {
    const struct {
        const char* query;
        const char* message;
    } kCases[] = {
        {"pillars", "pillars must be four stem-branch pairs, such as 甲子丙寅戊辰壬子"},
        {"pillars 甲子丙寅", "pillars must be four stem-branch pairs, such as 甲子丙寅戊辰壬子"},
        {"pillars 甲子戊寅戊辰壬子", "the month pillar 戊寅 breaks 五虎遁: in a 甲 year that month is 丙寅"},
        {"pillars 甲子丙寅戊辰丙子",
         "the hour pillar 丙子 breaks 五鼠遁: on a 戊 day that hour is 壬子 (or 甲子 in the 晚子时 at "
         "23:00)"},
        {"pillars 甲子丙寅戊辰壬子 --from 1899", "--from needs a year from 1900 to 2100, not \"1899\""},
        {"pillars 甲子丙寅戊辰壬子 --to", "--to needs a year"},
        {"pillars 甲子丙寅戊辰壬子 --from 2000 --from 2001", "--from given twice"},
        {"pillars 甲子丙寅戊辰壬子 --from 2001 --to 2000", "--from 2001 lies after --to 2000"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.query);
        const cal::QueryResult r = cal::RunQuery(c.query);
        EXPECT_EQ(r.status, cal::QueryStatus::kError);
        EXPECT_EQ(r.message, c.message);
        EXPECT_NE(r.line.find("\tERROR"), std::string::npos);
    }
}

}  // namespace
