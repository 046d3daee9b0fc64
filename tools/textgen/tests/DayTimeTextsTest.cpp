// The composed day-and-hour texts: the committed source file is exactly the
// generator's output, and each text speaks of the facts of its own pillars.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "DayTimeTexts.h"
#include "Theory.h"
#include "TsvTable.h"

using platform::ReadFileBytes;
using platform::ReadTsv;
using platform::TsvTable;

using namespace textgen;
using namespace chart;

namespace {
const std::filesystem::path kBazi2 = std::filesystem::path(KARVUTO_DBDATA_DIR) / "bazi2.tsv";

bool Has(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}
}  // namespace

TEST(DayTimeTexts, CommittedFileEqualsTheGeneratorOutput) {
    // When this fails, a phrase changed (or the file was edited by hand):
    // rebuild the file with the target textgen_bazi2 and commit it.
    EXPECT_TRUE(ReadFileBytes(kBazi2) == DayTimeTsv()) << kBazi2 << " is not what karvuto-textgen writes";
}

TEST(DayTimeTexts, TheIssuedExampleSpeaksOfItsGodAndStage) {
    const std::string text = StemHourText(0, HourPillar(0, 2));  // 甲 with 丙寅
    EXPECT_TRUE(Has(text, "时干丙火为甲木所生，阴阳相同，是为食神")) << text;
    EXPECT_TRUE(Has(text, "甲木临时支寅，正当临官之位")) << text;
}

TEST(DayTimeTexts, EachTextNamesTheFactsOfItsOwnPillars) {
    for (int stem = 0; stem < 10; ++stem)
        for (int hour = 0; hour < 12; ++hour) {
            const int hp = HourPillar(stem, hour);
            const std::string text = StemHourText(stem, hp);
            SCOPED_TRACE(text);
            EXPECT_TRUE(Has(text, "是为" + std::string(TenGodName(TenGodOf(stem, hp % 10)))));
            EXPECT_TRUE(Has(text, "正当" + std::string(StageName(StageOf(stem, hour))) + "之位"));
        }
    for (int pillar = 0; pillar < 60; ++pillar)
        for (int hour = 0; hour < 12; ++hour) {
            const int hp = HourPillar(pillar % 10, hour);
            const std::string text = PillarHourText(pillar, hp);
            SCOPED_TRACE(text);
            EXPECT_TRUE(Has(text, "日柱" + PillarName(pillar) + "纳音" + std::string(NayinName(pillar))));
            EXPECT_TRUE(Has(text, "时柱" + PillarName(hp) + "纳音" + std::string(NayinName(hp))));
            const std::vector<Relation> rel = RelationsOf(pillar % 12, hour);
            // The first relation of the pair table is the one the sentence is about.
            const char* word = "无合无冲";
            if (!rel.empty()) switch (rel[0].link) {
                    case BranchLink::Repeat:
                        word = "伏吟";
                        break;
                    case BranchLink::SelfPunish:
                        word = "自刑";
                        break;
                    case BranchLink::Combine:
                        word = "六合";
                        break;
                    case BranchLink::Clash:
                        word = "相冲";
                        break;
                    case BranchLink::HalfTrine:
                        word = "半合";
                        break;
                    case BranchLink::ArchTrine:
                        word = "拱合";
                        break;
                    case BranchLink::HalfDirection:
                        word = "半会";
                        break;
                    case BranchLink::Punish:
                        word = "刑";
                        break;
                    case BranchLink::Harm:
                        word = "相害";
                        break;
                    case BranchLink::Break:
                        word = "相破";
                        break;
                }
            const std::string relation = "时支" + std::string(BranchName(hour));
            ASSERT_TRUE(Has(text, relation));
            EXPECT_TRUE(Has(text.substr(text.find(relation)), word));
        }
}

TEST(DayTimeTexts, RowsCoverEachDayFormOnceWithDistinctTexts) {
    const std::vector<DayTimeRow> rows = DayTimeRows();
    ASSERT_EQ(rows.size(), 120u + 720u);
    std::set<std::pair<std::string, std::string>> keys;
    std::set<std::string> texts;
    for (const DayTimeRow& r : rows) {
        keys.insert({r.day, r.time});
        texts.insert(r.meaning);
    }
    EXPECT_EQ(keys.size(), rows.size());
    EXPECT_EQ(texts.size(), rows.size());
}
