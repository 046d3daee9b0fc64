// The terminal layout: a heading and a method line for every section, the
// evidence and paragraphs in order, and the luck sections only for a cast chart.
#include <gtest/gtest.h>

#include <algorithm>

#include "AnalysisText.h"
#include "Analyze.h"
#include "TestCharts.h"

using namespace analysis;

namespace {

std::vector<std::string> Headings(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const std::string& l : lines)
        if (l.find("、") != std::string::npos && l.find("、") < 4 && !l.starts_with(" "))
            out.push_back(l.substr(0, l.find("、")));
    return out;
}

int MethodLines(const std::vector<std::string>& lines) {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(),
                                          [](const std::string& l) { return l.starts_with("  方法："); }));
}

}  // namespace

TEST(AnalysisText, ACastChartShowsEightSectionsEachWithItsMethod) {
    const Analysis a =
        Analyze(chart::ComputeChart({1975, 1, 1, 12, 0, chart::Sex::Male}), {2024}, test::SourceTexts());
    const std::vector<std::string> lines = AnalysisLines(a);
    EXPECT_TRUE(lines.front().starts_with("命局分析  甲寅 丙子"));
    EXPECT_EQ(Headings(lines), (std::vector<std::string>{"一", "二", "三", "四", "五", "六", "七", "八"}));
    EXPECT_EQ(MethodLines(lines), 8);
    // The paragraph of each section follows its evidence.
    for (const std::string* text : {&a.strength.text, &a.pattern.text, &a.useful.text, &a.month.text})
        EXPECT_NE(std::find(lines.begin(), lines.end(), "  " + *text), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "  " + a.summary.front().text + "（见日主旺衰）"),
              lines.end());
    for (const std::string& l : lines) EXPECT_EQ(l.find('\n'), std::string::npos);
}

TEST(AnalysisText, FourPillarsAloneShowSectionsOneToFourAndTheStars) {
    const Analysis a = AnalyzePillars(test::Pillars("甲子丙寅戊辰壬子"), test::SourceTexts());
    const std::vector<std::string> lines = AnalysisLines(a);
    EXPECT_EQ(Headings(lines), (std::vector<std::string>{"一", "二", "三", "四", "五"}));
    EXPECT_EQ(MethodLines(lines), 5);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "五、神煞（参考）"), lines.end());
    for (const std::string& l : lines) EXPECT_EQ(l.find("大运"), std::string::npos) << l;
}
