// The whole check over a handful of made-up rows: each rule reports its kind
// on the row that breaks it, the stem filter keeps to one day stem's rows, and
// the overlaps of a stem awaiting its rewrite are pending rather than failing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>

#include "Findings.h"
#include "TsvTable.h"

using namespace textgen;

namespace {

// Padding that makes a text long enough and says nothing a rule looks at.
const std::string kPad =
    "宜守本分而勤学不辍，凡事量力而行，遇难处先求教于师友，日积月累，自有进境可观。行事讲求信义，待人以诚，"
    "所得虽缓而能长久。";

SourceText Row(const char* file, int line, Section section, std::vector<std::string> key, std::string text,
               bool padded = true) {
    return {file, line, section, std::move(key), std::move(text) + (padded ? kPad : "")};
}

std::vector<SourceText> Rows() {
    return {
        Row("bazi1.tsv", 12, Section::BoneWeight, {"38"}, "命重三两八钱，三十六岁前后便有擢升之喜。"),
        Row("bazi2.tsv", 2, Section::DayHour, {"甲", "丙寅"}, "时干丙火为食神，才思外发，手上功夫细密。"),
        Row("bazi2.tsv", 3, Section::DayHour, {"甲子", "丙寅"},
            "子中只藏癸水为正印。时干丙火食神又见于此。手上功夫细密。"),
        Row("bazi2.tsv", 4, Section::DayHour, {"乙", "丙子"}, "时干丙火为伤官，根深势盛，才思外露。"),
        Row("bazi3.tsv", 22, Section::Year, {"甲子"}, "甲子为六十花甲之首，纳音海中金，置业为上。"),
        Row("bazi4.tsv", 32, Section::Month, {"正月"}, "生于正月，短短一句。", /*padded=*/false),
    };
}

bool Reports(const std::vector<Finding>& findings, int line, Kind kind, const char* part = "",
             bool pending = false) {
    return std::any_of(findings.begin(), findings.end(), [&](const Finding& f) {
        return f.text && f.text->line == line && f.kind == kind && f.pending == pending &&
               f.message.find(part) != std::string::npos;
    });
}

// The findings about the rows themselves, leaving out the keys no row holds.
std::vector<Finding> OnRows(const std::vector<Finding>& all) {
    std::vector<Finding> out;
    std::copy_if(all.begin(), all.end(), std::back_inserter(out),
                 [](const Finding& f) { return f.text != nullptr; });
    return out;
}

}  // namespace

TEST(Findings, EachRuleReportsItsKindOnTheRowThatBreaksIt) {
    const std::vector<SourceText> rows = Rows();
    const std::vector<Finding> f = OnRows(CheckTexts(rows, {}));
    EXPECT_TRUE(Reports(f, 12, Kind::Promise, "三十六岁"));
    EXPECT_TRUE(Reports(f, 4, Kind::Strength, "根深"));
    EXPECT_TRUE(Reports(f, 3, Kind::Overlap, "hour stem's ten god (丙 食神)"));
    EXPECT_TRUE(Reports(f, 3, Kind::Overlap, "shares a sentence"));
    EXPECT_TRUE(Reports(f, 22, Kind::Directive, "置业"));
    EXPECT_TRUE(Reports(f, 32, Kind::Form, "fewer than 60"));
    // The sound stem row has nothing to fix but the padding every row repeats.
    for (const Finding& x : f)
        if (x.text->file == "bazi2.tsv" && x.text->line == 2 && x.kind != Kind::Repeat)
            ADD_FAILURE() << x.message;
}

TEST(Findings, TheStemFilterKeepsToOneDayStemsRows) {
    const std::vector<SourceText> rows = Rows();
    CheckOptions options;
    options.stem = 1;  // 乙
    const std::vector<Finding> all = CheckTexts(rows, options);
    for (const Finding& x : all) {
        if (x.text) {
            EXPECT_EQ(x.text->key[0], "乙") << x.message;
        } else {
            // A missing key of another stem or table is not this writer's.
            EXPECT_NE(x.message.find("bazi2.tsv: no text for the key 乙"), std::string::npos) << x.message;
        }
    }
    EXPECT_TRUE(Reports(all, 4, Kind::Strength));
}

TEST(Findings, OverlapsOfAStemAwaitingItsRewriteArePending) {
    const std::vector<SourceText> rows = Rows();
    CheckOptions options;
    options.pendingStems = {0};  // 甲
    const std::vector<Finding> f = CheckTexts(rows, options);
    EXPECT_TRUE(Reports(f, 3, Kind::Overlap, "hour stem's ten god", /*pending=*/true));
    EXPECT_FALSE(Reports(f, 3, Kind::Overlap, "", /*pending=*/false));
    // Only overlaps wait: the strength verdict of the 乙 row still fails.
    EXPECT_TRUE(Reports(f, 4, Kind::Strength, "", /*pending=*/false));
    const std::string report = FindingsReport(OnRows(f));
    EXPECT_NE(report.find("bazi2.tsv:3: 甲子 丙寅: overlap (pending): "), std::string::npos) << report;
    EXPECT_NE(report.find("pending overlaps in pillar+hour texts awaiting their rewrite"), std::string::npos);
}

TEST(Findings, RepeatedTextsAndSecondRowsAreForm) {
    std::vector<SourceText> rows = Rows();
    rows.push_back(rows[1]);
    rows.back().line = 9;
    const std::vector<Finding> f = OnRows(CheckTexts(rows, {}));
    EXPECT_TRUE(Reports(f, 9, Kind::Form, "repeats the text of bazi2.tsv:2"));
    EXPECT_TRUE(Reports(f, 9, Kind::Form, "second row"));
}

TEST(Findings, PillarRowsByStemCountsRowsNotFindings) {
    const std::vector<SourceText> rows = Rows();
    const std::string table = PillarRowsByStem(CheckTexts(rows, {}));
    // 甲子 丙寅 has two overlaps in one row.
    EXPECT_NE(table.find("\n甲\t1\t"), std::string::npos) << table;
    EXPECT_NE(table.find("\n乙\t0\t"), std::string::npos) << table;
}

TEST(Findings, TheWritingRulesExamplesPassEveryRule) {
    // The README's example pillar+hour texts, put in place of their rows of the real table.
    const std::string readme =
        platform::ReadFileBytes(std::filesystem::path(KARVUTO_TEXTGEN_DIR) / "README.md");
    const std::regex example("> (\\S+) with (\\S+): (.+)");
    std::vector<SourceText> texts = LoadTexts(KARVUTO_DBDATA_DIR);
    int replaced = 0;
    for (auto it = std::sregex_iterator(readme.begin(), readme.end(), example); it != std::sregex_iterator();
         ++it)
        for (SourceText& t : texts)
            if (IsPillarKey(t) && t.key[0] == (*it)[1].str() && t.key[1] == (*it)[2].str()) {
                t.text = (*it)[3].str();
                ++replaced;
            }
    ASSERT_EQ(replaced, 2);
    for (const Finding& f : CheckTexts(texts, {}))
        if (f.text && readme.find(f.text->text) != std::string::npos)
            ADD_FAILURE() << f.text->key[0] << " " << f.text->key[1] << ": " << f.message;
}
