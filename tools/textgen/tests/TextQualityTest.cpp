// The rules one text is held to: the facts of its key, the word lists, 合 and
// its condition, dated promises, descriptors out of their section, and
// sentences written rather than repeated.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>

#include "KeyFacts.h"
#include "TextChecks.h"
#include "TextSources.h"
#include "Theory.h"

using namespace textgen;
using namespace chart;

namespace {

const std::filesystem::path kDir = KARVUTO_DBDATA_DIR;

std::string Lines(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& l : lines) all += l + "\n";
    return all;
}

}  // namespace

TEST(KeyFacts, StemRelationsFollowTheFiveCombinationsAndFourClashes) {
    const struct {
        int a, b;
        bool combine, clash;
    } kCases[] = {
        {0, 5, true, false},  {5, 0, true, false},  {1, 6, true, false},  {4, 9, true, false},
        {0, 6, false, true},  {7, 1, false, true},  {3, 9, false, true},  {4, 0, false, false},
        {5, 1, false, false}, {4, 5, false, false}, {2, 2, false, false}, {9, 4, true, false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(StemName(c.a)) + std::string(StemName(c.b)));
        EXPECT_EQ(StemsCombine(c.a, c.b), c.combine);
        EXPECT_EQ(StemsClash(c.a, c.b), c.clash);
    }
    EXPECT_EQ(StemCombineElement(0, 5), Element::Earth);
    EXPECT_EQ(StemCombineElement(6, 1), Element::Metal);
    EXPECT_EQ(StemCombineElement(2, 7), Element::Water);
    EXPECT_EQ(StemCombineElement(8, 3), Element::Wood);
    EXPECT_EQ(StemCombineElement(4, 9), Element::Fire);
}

TEST(KeyFacts, FactLineOfAClashingPairNamesBothGodsAndTheClash) {
    const std::string line = FactLine(FactsOf(0, 0, HourPillar(0, 6)));  // 甲子 day, 庚午 hour
    for (const char* part :
         {"day=甲子 time=庚午", "时干庚为七杀", "藏干：丁（伤官）、己（正财）", "六冲", "两干：相冲"})
        EXPECT_NE(line.find(part), std::string::npos) << part << " in " << line;
}

TEST(KeyFacts, PillarSheetGivesTheDayBranchAndLeavesTheHourStemToTheOtherText) {
    const std::string sheet = PillarSheet(PillarIndex(2, 2));  // 丙寅
    for (const char* part :
         {"# 日柱丙寅", "日支寅藏干：甲（偏印）、丙（比肩）、戊（食神）", "日主自坐寅：长生",
          "日柱纳音炉中火（火）", "- 庚寅：寅寅：伏吟(同支)", "日支藏干中甲、丙、戊亦见于时柱",
          "- 壬辰：寅辰：半会(寅卯辰东方木)", "时干壬（七杀）", "- 己亥：寅亥：六合(化木须得月令相助)",
          "时支亥藏干壬（七杀）、甲（偏印）、日主临亥：绝"})
        EXPECT_NE(sheet.find(part), std::string::npos) << part << " in\n" << sheet;
}

// Each day has 13 hours: the sheets end every run of hours with the 子 of
// 23:00, marked 晚子时, whose stem is the next day's.
TEST(KeyFacts, SheetsCarryTheLateZiHourOfEachDay) {
    const auto count = [](const std::string& sheet, const std::string& part) {
        int n = 0;
        for (std::size_t at = sheet.find(part); at != std::string::npos; at = sheet.find(part, at + 1)) ++n;
        return n;
    };
    const std::string stem = FactSheet(4);                      // 戊
    const std::string pillar = PillarSheet(PillarIndex(4, 6));  // 戊午
    EXPECT_EQ(count(stem, "\n- "), 13 + 6 * 13);
    EXPECT_EQ(count(stem, "晚子时"), 1 + 6);
    EXPECT_EQ(count(pillar, "\n- "), 13);
    EXPECT_EQ(count(pillar, "晚子时"), 1);
    for (const char* part : {"- day=戊 time=壬子：时干壬为偏财", "- day=戊 time=甲子：时干甲为七杀",
                             "- day=戊午 time=甲子：", "；晚子时："})
        EXPECT_NE(stem.find(part), std::string::npos) << part;
    EXPECT_NE(pillar.find("- 甲子：午子：六冲；时柱纳音海中金，日火克时金"), std::string::npos) << pillar;
    // The 00:00 子 is the day's own and is not marked.
    const std::size_t early = pillar.find("- 壬子：");
    ASSERT_NE(early, std::string::npos);
    EXPECT_EQ(pillar.substr(early, pillar.find('\n', early) - early).find("晚子时"), std::string::npos);
}

TEST(TextChecks, CatchTheClaimsAKeyDoesNotBear) {
    const KeyFacts jiaziWuchen = FactsOf(0, 0, HourPillar(0, 4));  // 甲子 with 戊辰: 半合, 偏财
    EXPECT_EQ(Lines(FalseClaims(jiaziWuchen, "子辰半合水局，时上偏财，坐沐浴而临衰地。")), "");
    const struct {
        const char* text;
        const char* complaint;
    } kFalse[] = {
        {"时上七杀压身。", "七杀"}, {"子辰六冲。", "六冲"},       {"日主坐长生。", "长生"},
        {"日主临绝地。", "绝"},     {"两柱伏吟。", "伏吟"},       {"日时相破。", "相破"},
        {"寅为甲之禄地。", "临官"}, {"丙临酉为收藏之地。", "墓"},
    };
    for (const auto& c : kFalse)
        EXPECT_NE(Lines(FalseClaims(jiaziWuchen, c.text)).find(c.complaint), std::string::npos) << c.text;
    EXPECT_EQ(Lines(FalseClaims(FactsOf(0, 0, 0), "甲子日逢甲子时，伏吟之象。")), "");
    // A stage at a branch two others arch is at neither of them.
    EXPECT_EQ(Lines(FalseClaims(FactsOf(1, 11, HourPillar(1, 7)), "亥未拱卯，暗拱乙木之禄。")), "");
}

TEST(TextChecks, ListedWordsNameTheirConcern) {
    const struct {
        const char* text;
        Concern concern;
    } kCases[] = {
        {"时上劫财，根深势盛。", Concern::Strength},
        {"唯一出口在于食伤。", Concern::WholeChart},
        {"宜组建团队。", Concern::Jargon},
        {"这一组合最为鲜明。", Concern::DesignRemark},
        {"可享天年。", Concern::Longevity},
        {"到头来仍像一场梦。", Concern::Fated},
        {"正财为妻。", Concern::Partner},
        {"置业为上。", Concern::Directive},
        {"比肩护财。", Concern::Doctrine},
        {"纳音砂中金。", Concern::Spelling},
        {"燥土当令。", Concern::Season},
        {"得金修剪，以为调候。", Concern::Season},
    };
    for (const auto& c : kCases) {
        const std::vector<ListedWord> words = ListedWords(c.text);
        EXPECT_TRUE(std::any_of(words.begin(), words.end(), [&](const ListedWord& w) {
            return w.concern == c.concern;
        })) << c.text;
    }
    // Words that merely contain a listed character stay clean.
    for (const char* clean :
         {"下了一番功夫。", "所在劫财之侧，同伴相扶。", "岁首春寒未尽，草木萌芽。", "申中戊土正财。"})
        EXPECT_TRUE(ListedWords(clean).empty()) << clean << ": " << ListedWords(clean)[0].word;
}

TEST(TextChecks, A合IsTransformedOnlyUnderItsCondition) {
    const struct {
        const char* text;
        bool unconditional;
    } kCases[] = {
        {"子丑六合化土，财星得助。", true},
        {"甲己合而化土，名利双收。", true},
        {"甲己相合，若月令助之方可论化土。", false},
        {"丙辛相合，合而不化，情意相牵。", false},
        {"时干壬水偏印化杀生身。", false},  // 印化杀 is no 合
        {"子丑相合，情意相投。", false},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(!UnconditionalTransforms(c.text).empty(), c.unconditional) << c.text;
}

TEST(TextChecks, PredictionsTiedToAnAgeOrSpanAreFound) {
    const struct {
        const char* text;
        bool dated;
    } kCases[] = {
        {"三十六岁前后便有擢升之喜。", true},
        {"要过了四十，才渐渐立得住脚。", true},
        {"五十以后家道渐丰。", true},
        {"十年一转，往后不比从前。", true},
        {"三十多岁时仍在摸索。", true},
        {"甲子为六十花甲之首。", false},
        {"岁首春寒未尽。", false},
        {"四十两银子。", false},
    };
    for (const auto& c : kCases) EXPECT_EQ(!DatedPromises(c.text).empty(), c.dated) << c.text;
}

TEST(TextChecks, DescriptorsStayInTheirSectionAndClashOnlyAcrossTexts) {
    EXPECT_TRUE(MisplacedDescriptors(Section::Day, "此日之人外向，肯领头。").empty());
    EXPECT_FALSE(MisplacedDescriptors(Section::DayHour, "时上伤官，为人外向。").empty());
    EXPECT_FALSE(MisplacedDescriptors(Section::Day, "外向而又寡言。").empty());  // both ends in one text
    EXPECT_TRUE(MisplacedDescriptors(Section::BoneWeight, "一生平顺少起伏之叹。").size() == 1);
    EXPECT_TRUE(DescriptorsClash({"性情外向。", "为人沉静。"}));
    EXPECT_FALSE(
        DescriptorsClash({"性情外向，却也沉静。", "平常一句。"}));  // one text is not across sections
    EXPECT_FALSE(DescriptorsClash({"性情外向。", "为人健谈。"}));
}

TEST(TextChecks, MaskedSentencesTreatPillarsAndGodsAlike) {
    const auto a = MaskedSentences("甲木逢丙火为食神，才思外露。乙木逢丁火为食神，才思外露！");
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a[0], a[1]);
    EXPECT_EQ(SentenceIndex({"时上正官，宜守规矩而立信用。", "时上七杀，宜守规矩而立信用。",
                             "另起一句，全然不同的说法在此。"})
                  .size(),
              2u);
}

TEST(ReadingTexts, FewDayHourSentencesRecur) {
    // Over the day-and-hour texts, sentences found in two or more texts are at
    // most a tenth of all sentence occurrences (key words masked).
    std::vector<std::string> dayHour;
    for (const SourceText& t : LoadTexts(kDir))
        if (t.section == Section::DayHour) dayHour.push_back(t.text);
    std::size_t occurrences = 0, recurring = 0;
    for (const auto& [sentence, where] : SentenceIndex(dayHour)) {
        occurrences += where.size();
        if (where.size() > 1) recurring += where.size();
    }
    ASSERT_GT(occurrences, 0u);
    const double share = static_cast<double>(recurring) / static_cast<double>(occurrences);
    std::cout << "day-and-hour sentences: " << occurrences << ", recurring: " << recurring << " ("
              << 100.0 * share << "%)\n";
    RecordProperty("recurring_sentence_permille", static_cast<int>(1000 * share));
    EXPECT_LE(share, 0.10);
}
