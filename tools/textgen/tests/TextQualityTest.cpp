// What the reading texts say, held to the facts of their keys and to the
// domain of their section: true theory claims, no forbidden words, no
// sentence that recurs across many texts, and no section speaking out of turn.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>

#include "KeyFacts.h"
#include "TextChecks.h"
#include "Theory.h"
#include "TsvTable.h"

using namespace textgen;
using namespace chart;

namespace {

const std::filesystem::path kDir = KARVUTO_DBDATA_DIR;

struct SourceText {
    std::string file;
    int line;
    Section section;
    std::vector<std::string> key;
    std::string text;
};

const std::vector<SourceText>& AllTexts() {
    static const std::vector<SourceText> texts = [] {
        const std::pair<const char*, Section> kFiles[] = {
            {"bazi1.tsv", Section::BoneWeight}, {"bazi2.tsv", Section::DayHour}, {"bazi3.tsv", Section::Year},
            {"bazi4.tsv", Section::Month},      {"bazi5.tsv", Section::Day},     {"bazi6.tsv", Section::Hour},
        };
        std::vector<SourceText> all;
        for (const auto& [file, section] : kFiles) {
            const platform::TsvTable t = platform::ReadTsv(kDir / file);
            for (std::size_t i = 0; i < t.rows.size(); ++i)
                all.push_back(
                    {file, t.lines[i], section, {t.rows[i].begin(), t.rows[i].end() - 1}, t.rows[i].back()});
        }
        return all;
    }();
    return texts;
}

int StemOf(const std::string& s) {
    for (int i = 0; i < 10; ++i)
        if (StemName(i) == s) return i;
    return -1;
}
int BranchOf(const std::string& s) {
    for (int i = 0; i < 12; ++i)
        if (BranchName(i) == s) return i;
    return -1;
}

// The facts of a bazi2 key ("甲" or "甲子", and an hour pillar), all UTF-8.
KeyFacts FactsOfKey(const std::string& day, const std::string& time) {
    const int dayStem = StemOf(day.substr(0, 3));
    const int dayBranch = day.size() > 3 ? BranchOf(day.substr(3)) : -1;
    return FactsOf(dayStem, dayBranch, PillarIndex(StemOf(time.substr(0, 3)), BranchOf(time.substr(3))));
}

std::string Where(const SourceText& t) {
    return t.file + ":" + std::to_string(t.line) + " ";
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

TEST(TextChecks, CatchTheClaimsAKeyDoesNotBear) {
    const KeyFacts jiaziWuchen = FactsOf(0, 0, HourPillar(0, 4));  // 甲子 with 戊辰: 半合, 偏财
    EXPECT_TRUE(FalseClaims(jiaziWuchen, "子辰半合水局，时上偏财，坐沐浴而临衰地。").empty());
    const struct {
        const char* text;
        const char* complaint;
    } kFalse[] = {
        {"时上七杀压身。", "七杀"},     {"子辰六冲。", "六冲"},     {"日主坐长生。", "长生"},
        {"时柱纳音炉中火。", "炉中火"}, {"此乃身强之象。", "身强"}, {"日主临绝地。", "绝"},
        {"两柱伏吟。", "伏吟"},         {"日时相破。", "相破"},
    };
    for (const auto& c : kFalse) {
        const std::vector<std::string> got = FalseClaims(jiaziWuchen, c.text);
        std::string all;
        for (const std::string& g : got) all += g + "\n";
        EXPECT_NE(all.find(c.complaint), std::string::npos) << c.text << " -> " << all;
    }
    EXPECT_FALSE(FalseClaims(FactsOf(0, 0, 0), "甲子日逢甲子时，伏吟之象。").size());
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

TEST(ReadingTexts, EveryDayHourClaimIsAFactOfItsKey) {
    int checked = 0;
    for (const SourceText& t : AllTexts()) {
        if (t.section != Section::DayHour) continue;
        ++checked;
        for (const std::string& problem : FalseClaims(FactsOfKey(t.key[0], t.key[1]), t.text))
            ADD_FAILURE() << Where(t) << t.key[0] << t.key[1] << ": " << problem;
    }
    EXPECT_EQ(checked, 840);
}

TEST(ReadingTexts, NoTextUsesAForbiddenWordOrSpeaksOutOfItsSection) {
    for (const SourceText& t : AllTexts()) {
        for (const std::string& w : ForbiddenWords())
            EXPECT_EQ(t.text.find(w), std::string::npos) << Where(t) << "contains " << w;
        for (const std::string& p : MisplacedDescriptors(t.section, t.text)) ADD_FAILURE() << Where(t) << p;
        for (const std::string& p : KeyMismatches(t.section, t.key[0], t.text))
            ADD_FAILURE() << Where(t) << p;
    }
}

TEST(ReadingTexts, SentencesAreWrittenNotRepeated) {
    // No sentence of kMinSentence or more characters stands in more than three
    // texts of all the tables, key words masked.
    constexpr std::size_t kMaxTexts = 3;
    std::vector<std::string> texts;
    for (const SourceText& t : AllTexts()) texts.push_back(t.text);
    for (const auto& [sentence, where] : SentenceIndex(texts))
        if (where.size() > kMaxTexts)
            ADD_FAILURE() << "a sentence stands in " << where.size() << " texts, e.g. "
                          << Where(AllTexts()[where[0]]) << "and " << Where(AllTexts()[where[1]]);

    // Over the day-and-hour texts, sentences found in two or more texts are at
    // most a tenth of all sentence occurrences.
    std::vector<std::string> dayHour;
    for (const SourceText& t : AllTexts())
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
