// The terms query, on the command line and through the stream loop.
#include <gtest/gtest.h>

#include <sstream>

#include "CalQuery.h"
#include "TerminalText.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

TEST(TermsQuery, PrintsTheTwentyFourTermsOfAYearInOrder) {
    const cal::QueryResult r = cal::RunQuery("terms 2024");
    ASSERT_EQ(r.status, cal::QueryStatus::kOk);
    const std::vector<std::string> lines = Lines(r.line);
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[0], "小寒\t2024-01-06 04:49:23");
    EXPECT_EQ(lines[2], "立春\t2024-02-04 16:27:08");
    EXPECT_EQ(lines[23], "冬至\t2024-12-21 17:20:34");
    EXPECT_EQ(Lines(cal::RunQuery("terms 1900").line)[0], "小寒\t1900-01-06 02:03:57");
    EXPECT_EQ(Lines(cal::RunQuery("  terms\t2100 ").line).size(), 24u);
}

TEST(TermsQuery, RefusesBadYearsWithAMessage) {
    struct Case {
        const char* query;
        const char* message;
    } const cases[] = {
        {"terms 1899", "year 1899 is outside the solar-term table (1900-2101)"},
        {"terms 2102", "year 2102 is outside the solar-term table (1900-2101)"},
        {"terms", "terms takes one year: terms YYYY"},
        {"terms 2024 12", "terms takes one year: terms YYYY"},
        {"terms 20x4", "year \"20x4\" is not YYYY"},
        {"terms 20\x1B[4", "year \"20\\x1B[4\" is not YYYY"},
        {"terms -2024", "year \"-2024\" is not YYYY"},
        {"terms 02024", "year \"02024\" is not YYYY"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.query);
        const cal::QueryResult r = cal::RunQuery(c.query);
        EXPECT_EQ(r.status, cal::QueryStatus::kError);
        EXPECT_EQ(r.message, c.message);
        EXPECT_EQ(r.line, platform::Echo(c.query) + "\tERROR");
    }
}

TEST(TermsQuery, StreamsMixTermsWithOtherQueries) {
    std::istringstream in("terms 2024\nsolar 2000-01-01 12\nterms 3000\n");
    std::ostringstream out, err;
    EXPECT_EQ(cal::RunStream(in, out, err, false), 2);
    const std::vector<std::string> lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 26u);
    EXPECT_EQ(lines[24].substr(0, 11), "2000-01-01\t");
    EXPECT_EQ(lines[25], "terms 3000\tERROR");
    EXPECT_NE(err.str().find("line 3: year 3000 is outside"), std::string::npos) << err.str();
}
