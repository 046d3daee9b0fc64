// The "analysis" JSON object: every section with the fields a consumer reads,
// for a cast chart and for a chart known only by its pillars.
#include <gtest/gtest.h>

#include "../AnalysisJson.h"  // built here on its own, without the rest of the tool
#include "Analyze.h"
#include "Chart.h"
#include "MemoryTextSource.h"
#include "PillarSearch.h"

namespace {

using nlohmann::ordered_json;

analysis::MemoryTextSource Texts() {
    analysis::MemoryTextSource t;
    t.Set(analysis::TextTable::Strength, {"偏弱"}, "偏弱之文。");
    t.Set(analysis::TextTable::Pattern, {"正官格", "有救"}, "正官有救之文。");
    return t;
}

bool IsElement(const ordered_json& j) {
    const std::string s = j.get<std::string>();
    return s == "木" || s == "火" || s == "土" || s == "金" || s == "水";
}

}  // namespace

TEST(AnalysisJson, PillarsOnlyHasSectionsOneToFourAndTheStars) {
    const analysis::MemoryTextSource texts = Texts();
    // 薛相公 (子平真诠·论正官): 乙 in 申, 庚 正官 by the 本气, 寅 clashes 申 and 巳申 combine.
    const ordered_json j =
        AnalysisToJson(analysis::AnalyzePillars(*calendar::ParsePillars("甲申壬申乙巳戊寅").pillars, texts));
    EXPECT_EQ(j["pillars"], ordered_json({"甲申", "壬申", "乙巳", "戊寅"}));
    EXPECT_FALSE(j["hasLuck"]);

    const ordered_json& s = j["strength"];
    EXPECT_EQ(s["score"], 29);
    EXPECT_EQ(s["band"], "偏弱");
    EXPECT_TRUE(s["nearBand"].is_null());
    ASSERT_EQ(s["parts"].size(), 3u);
    EXPECT_EQ(s["parts"][0]["name"], "得令");
    EXPECT_EQ(s["parts"][2]["points"], 17.0);
    EXPECT_FALSE(s["evidence"].empty());
    EXPECT_EQ(s["text"], "偏弱之文。");
    EXPECT_FALSE(s["method"].get<std::string>().empty());

    const ordered_json& p = j["pattern"];
    EXPECT_EQ(p["name"], "正官格");
    EXPECT_EQ(p["state"], "有救");
    EXPECT_EQ(p["text"], "正官有救之文。");
    bool breaks = false, rescues = false;
    for (const ordered_json& r : p["rules"]) {
        breaks = breaks || r["outcome"] == "败";
        rescues = rescues || r["outcome"] == "救";
        EXPECT_FALSE(r["fact"].get<std::string>().empty());
    }
    EXPECT_TRUE(breaks && rescues);

    const ordered_json& u = j["useful"];
    EXPECT_EQ(u["yong"], "水");
    EXPECT_TRUE(IsElement(u["yong"]));
    for (const ordered_json& e : u["xi"]) EXPECT_TRUE(IsElement(e));
    for (const ordered_json& e : u["ji"]) {
        EXPECT_TRUE(IsElement(e));
        EXPECT_NE(e, u["yong"]);
    }
    EXPECT_EQ(u["method"].get<std::string>().empty(), false);
    EXPECT_EQ(u["tiaohou"], ordered_json({"丙", "癸", "己"}));  // 乙 in 申

    EXPECT_EQ(j["month"]["pillar"], "壬申");
    EXPECT_EQ(j["month"]["ruling"], "金");
    EXPECT_TRUE(j["luck"].empty());
    EXPECT_TRUE(j["years"].empty());
    EXPECT_TRUE(j["summary"].empty());

    ASSERT_EQ(j["shensha"].size(), 10u);
    EXPECT_EQ(j["shensha"][0]["name"], "天乙贵人");
    EXPECT_EQ(j["shensha"][0]["positions"], ordered_json({"year", "month"}));
    EXPECT_FALSE(j["shensha"][0]["rule"].get<std::string>().empty());
    // The whole object serialises as valid UTF-8.
    EXPECT_NO_THROW((void)j.dump());
}

TEST(AnalysisJson, ACastChartHasLuckYearsAndSummary) {
    const analysis::MemoryTextSource texts = Texts();
    const chart::Chart c = chart::ComputeChart({1975, 1, 1, 12, 0, chart::Sex::Male});
    const ordered_json j = AnalysisToJson(analysis::Analyze(c, {2024, 2025, 2026}, texts));
    EXPECT_TRUE(j["hasLuck"]);
    ASSERT_EQ(j["luck"].size(), 10u);
    for (const ordered_json& l : j["luck"]) {
        EXPECT_EQ(l["pillar"].get<std::string>().size(), 6u);  // two characters
        const std::string verdict = l["verdict"];
        EXPECT_TRUE(verdict == "宜进" || verdict == "平稳" || verdict == "宜守");
        EXPECT_TRUE(l.contains("text"));
        EXPECT_FALSE(l.contains("luckPillar"));
    }
    ASSERT_EQ(j["years"].size(), 3u);
    EXPECT_EQ(j["years"][0]["year"], 2024);
    EXPECT_EQ(j["years"][0]["pillar"], "甲辰");
    EXPECT_EQ(j["years"][0]["age"], 50);  // nominal age: 2024 - 1975 + 1
    EXPECT_TRUE(j["years"][0].contains("luckPillar"));
    EXPECT_GE(j["summary"].size(), 3u);
    for (const ordered_json& s : j["summary"]) EXPECT_FALSE(s["section"].get<std::string>().empty());
}
