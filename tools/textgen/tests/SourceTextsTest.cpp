// The reading texts as the database sources hold them: what each text must
// name, and the length of the longest reading any birth can produce. What every
// text must be (GBK, within its limits, distinct, free of the listed words) is
// the check's (karvuto-textgen check, run as the test textgen_check).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <set>

#include "GbkCodec.h"
#include "TextScan.h"
#include "Theory.h"
#include "TsvTable.h"

using platform::ReadFileBytes;
using platform::ReadTsv;
using platform::TsvTable;

using namespace textgen;
using namespace chart;

namespace {

const std::filesystem::path kDir = KARVUTO_DBDATA_DIR;
constexpr std::size_t kBodyLimitBytes = 10239;  // GBK bytes of a reading's body
constexpr std::size_t kBodyLimitCharacters = 2400;

std::string Meaning(const TsvTable& t, std::size_t row) {
    return t.rows[row][t.header.size() - 1];
}

// The key -> text map of a one-key source.
std::map<std::string, std::string> Texts(const char* file) {
    const TsvTable t = ReadTsv(kDir / file);
    std::map<std::string, std::string> m;
    for (std::size_t i = 0; i < t.rows.size(); ++i) m[t.rows[i][0]] = Meaning(t, i);
    return m;
}

std::size_t LongestText(const char* file) {
    std::size_t longest = 0;
    for (const auto& [key, text] : Texts(file)) longest = std::max(longest, platform::Gbk(text).size());
    return longest;
}

}  // namespace

TEST(SourceTexts, EachTextNamesWhatItIsAbout) {
    constexpr std::array<std::string_view, 10> kDigits = {"",   "一", "二", "三", "四",
                                                          "五", "六", "七", "八", "九"};
    for (const auto& [key, text] : Texts("bazi1.tsv")) {
        const int total = std::stoi(key);
        // The weight in 两 and 钱: 四两二钱, or 三两 for a round one.
        const std::string spelled = std::string(kDigits[total / 10]) + "两" +
                                    (total % 10 ? std::string(kDigits[total % 10]) + "钱" : "，");
        EXPECT_TRUE(Has(text, "命重" + spelled)) << key << ": " << text;
    }
    for (const auto& [key, text] : Texts("bazi3.tsv")) {
        int p = 0;
        while (p < 60 && PillarName(p) != key) ++p;
        ASSERT_LT(p, 60) << key;
        EXPECT_TRUE(Has(text, key)) << text;
        EXPECT_TRUE(Has(text, std::string(NayinName(p)))) << text;
    }
    for (const char* file : {"bazi4.tsv", "bazi5.tsv", "bazi6.tsv"})
        for (const auto& [key, text] : Texts(file))
            EXPECT_TRUE(Has(text, "生于" + key)) << file << ": " << text;
}

TEST(SourceTexts, TheLongestPossibleReadingFitsTheBody) {
    // The body's fixed parts, with the widest weights the line can show.
    const std::string fixed = std::string(33, ' ') + "☆☆☆ 八字命理分析 ☆☆☆\n\n" + "◆称骨论命\n" +
                              "    骨重：总命重99钱 [ 年命重99钱 月命重99钱 日命重99钱 时命重99钱 ]\n    " +
                              "\n\n" + "◆八字论命\n" + "\n" + "\n" + "◎年命理\n" + "\n" + "◎月命理\n" + "\n" +
                              "◎日命理\n" + "\n" + "◎时命理\n" + "\n";
    // The two day-and-hour texts share their day stem and hour pillar: take
    // the longest pair a birth can have; the other sections vary freely.
    std::map<std::pair<std::string, std::string>, std::string> stemHour;
    std::size_t longestPair = 0, longestPairChars = 0;
    const TsvTable dayHour = ReadTsv(kDir / "bazi2.tsv");
    for (const auto& r : dayHour.rows)
        if (CodePoints(r[0]).size() == 1) stemHour[{r[0], r[1]}] = r[2];
    for (const auto& r : dayHour.rows) {
        if (CodePoints(r[0]).size() != 2) continue;
        const std::string& first = stemHour.at({r[0].substr(0, 3), r[1]});
        longestPair = std::max(longestPair, platform::Gbk(first).size() + platform::Gbk(r[2]).size());
        longestPairChars = std::max(longestPairChars, CodePoints(first).size() + CodePoints(r[2]).size());
    }
    std::size_t bytes = platform::Gbk(fixed).size() + longestPair,
                chars = CodePoints(fixed).size() + longestPairChars;
    for (const char* file : {"bazi1.tsv", "bazi3.tsv", "bazi4.tsv", "bazi5.tsv", "bazi6.tsv"}) {
        bytes += LongestText(file);
        std::size_t longest = 0;
        for (const auto& [key, text] : Texts(file)) longest = std::max(longest, CodePoints(text).size());
        chars += longest;
    }
    EXPECT_LE(chars, kBodyLimitCharacters);
    EXPECT_LE(bytes, kBodyLimitBytes);
    RecordProperty("longest_body_bytes", static_cast<int>(bytes));
    RecordProperty("longest_body_characters", static_cast<int>(chars));
}
