// The analysis texts of tools/dbdata: every key the engine can produce has
// exactly one row and no row is one it never asks for; each text's claims
// agree with its key; and every text keeps the program's rules: GBK, one
// line of reasonable length, conditional, nothing grim, no dated or
// longevity promise, no 六亲, no office jargon, no 化 without its condition.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "Analysis.h"
#include "GbkCodec.h"
#include "TextTables.h"
#include "TsvTable.h"

using namespace analysis;

namespace {

struct Row {
    TextTable table;
    TextKey key;
    std::string text;
    std::string where;  // file:line
};

const std::vector<Row>& Rows() {
    static const std::vector<Row> rows = [] {
        std::vector<Row> all;
        for (const TextTableInfo& info : TextTables()) {
            const std::string file = std::string(info.name) + ".tsv";
            const platform::TsvTable t = platform::ReadTsv(std::filesystem::path(KARVUTO_DBDATA_DIR) / file);
            for (std::size_t i = 0; i < t.rows.size(); ++i)
                all.push_back({info.table, TextKey(t.rows[i].begin(), t.rows[i].end() - 1), t.rows[i].back(),
                               file + ":" + std::to_string(t.lines[i])});
        }
        return all;
    }();
    return rows;
}

bool Has(const std::string& text, std::string_view word) {
    return text.find(word) != std::string::npos;
}

std::size_t CodePoints(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

constexpr std::string_view kTenGodWords[] = {"比肩", "劫财", "食神", "伤官", "偏财", "正财", "七杀",
                                             "正官", "偏印", "正印", "偏官", "枭神", "枭印"};
// Words that promise or please: only a 喜 text of a luck pillar or year may use them.
constexpr std::string_view kFavourable[] = {"得力", "顺遂", "见效", "可期", "进益",
                                            "有利", "认可", "回报", "站稳"};
// Words of caution a 忌 text uses at least one of.
constexpr std::string_view kCaution[] = {"慎", "量力", "宜守", "勿", "不宜", "不与", "不为"};

}  // namespace

TEST(AnalysisTexts, EveryKeyHasExactlyOneRowAndNoRowIsUnasked) {
    for (const TextTableInfo& info : TextTables()) {
        SCOPED_TRACE(info.name);
        std::map<TextKey, int> count;
        for (const Row& r : Rows())
            if (r.table == info.table) ++count[r.key];
        const std::vector<TextKey> keys = KeysOf(info.table);
        for (const TextKey& k : keys) EXPECT_EQ(count[k], 1) << testing::PrintToString(k);
        const std::set<TextKey> known(keys.begin(), keys.end());
        for (const auto& [k, n] : count)
            EXPECT_TRUE(known.count(k)) << "row no finding asks for: " << testing::PrintToString(k);
    }
}

TEST(AnalysisTexts, EveryTextKeepsTheRules) {
    const std::string_view kForbidden[] = {
        // grim
        "死", "夭", "亡", "灾", "祸", "凶", "病", "绝症", "血光", "破产", "牢狱", "官司", "手术", "车祸",
        "厄运",
        // fatalism, absolute and dated promises, longevity
        "注定", "必定", "必然", "一定会", "保证", "岁前", "岁后", "年内", "天年", "长寿", "高寿", "福寿",
        // 六亲, which these keys cannot tell for a given sex
        "父", "母", "妻", "夫", "子女", "儿女", "兄弟", "姐妹", "配偶", "婚", "姻缘", "嫁", "娶",
        // office jargon and remarks on the text itself
        "专业", "资源", "团队", "方案", "项目", "输出", "背书", "跑道", "配置", "品控", "这一组合", "此组合",
        // property and investment directives
        "置业", "投资", "买房", "炒股"};
    std::set<std::string> texts;
    for (const Row& r : Rows()) {
        SCOPED_TRACE(r.where);
        EXPECT_TRUE(platform::Utf8ToGbk(r.text).has_value()) << "not GBK";
        for (unsigned char c : r.text) EXPECT_GE(c, 0x20u);
        const std::size_t length = CodePoints(r.text);
        EXPECT_GE(length, 20u);
        EXPECT_LE(length, 160u);
        // 空亡 is a star's name, not a word of loss.
        std::string plain = r.text;
        for (std::size_t at; (at = plain.find("空亡")) != std::string::npos;)
            plain.erase(at, std::string("空亡").size());
        for (std::string_view w : kForbidden) EXPECT_FALSE(Has(plain, w)) << "uses " << w;
        for (char c = '0'; c <= '9'; ++c) EXPECT_EQ(r.text.find(c), std::string::npos) << "names a number";
        EXPECT_TRUE(texts.insert(r.text).second) << "the same text twice";
        // 化 as a transformation (化土, 化金 …) only where the 化气 pattern's condition holds.
        const bool transformation = r.table == TextTable::Pattern && r.key[0].starts_with("化");
        for (std::string_view e : {"化木", "化火", "化土", "化金", "化水"})
            if (!transformation) {
                EXPECT_FALSE(Has(r.text, e)) << "takes " << e << " as done";
            }
    }
}

TEST(AnalysisTexts, StrengthAndPatternTextsNameTheirKey) {
    const std::string_view bands[] = {"从弱", "偏弱", "中和", "偏强", "从强", "专旺"};
    for (const Row& r : Rows()) {
        SCOPED_TRACE(r.where);
        if (r.table == TextTable::Strength) {
            for (std::string_view b : bands) EXPECT_EQ(Has(r.text, b), b == r.key[0]) << b;
            if (r.key[0].starts_with("从") || r.key[0] == "专旺") {
                EXPECT_TRUE(Has(r.text, "古法")) << "states no condition";
            }
        }
        if (r.table == TextTable::Pattern) {
            for (int k = 0; k < kPatternKinds; ++k) {
                const std::string_view name = PatternName(static_cast<PatternKind>(k));
                EXPECT_EQ(Has(r.text, name), name == r.key[0]) << name;
            }
            const std::string& state = r.key[1];
            // A regular pattern states its state; a special one the classics' condition it stands on.
            bool regular = false;
            for (int k = 0; k < kRegularPatterns; ++k)
                regular = regular || r.key[0] == PatternName(static_cast<PatternKind>(k));
            if (state == "成") {
                EXPECT_TRUE(regular ? Has(r.text, "格成") : Has(r.text, "依古法"));
            }
            if (state == "败") {
                EXPECT_TRUE(Has(r.text, "格败"));
            }
            if (state == "有救") {
                EXPECT_TRUE(Has(r.text, "救"));
            }
        }
    }
}

TEST(AnalysisTexts, MonthTextsStateTheRulerAndTheDayElementsState) {
    constexpr std::string_view kElements[] = {"木", "火", "土", "金", "水"};
    constexpr std::string_view kStatePhrase[] = {"其气为旺", "其气为相", "其气为休", "其气为囚", "其气受克"};
    for (const Row& r : Rows()) {
        if (r.table != TextTable::Month) continue;
        SCOPED_TRACE(r.where);
        int branch = 0, element = 0;
        while (chart::BranchName(branch) != r.key[0]) ++branch;
        while (kElements[element] != r.key[1]) ++element;
        const chart::Element ruler = RulingElement(branch);
        for (int e = 0; e < 5; ++e)
            EXPECT_EQ(Has(r.text, std::string(kElements[e]) + "当令"), e == static_cast<int>(ruler))
                << kElements[e];
        const Vigour v = VigourIn(static_cast<chart::Element>(element), branch);
        for (int s = 0; s < 5; ++s)
            EXPECT_EQ(Has(r.text, kStatePhrase[s]), s == static_cast<int>(v)) << kStatePhrase[s];
        EXPECT_TRUE(Has(r.text, std::string(SeasonPlace(branch)) + std::string(SeasonName(branch))));
        EXPECT_TRUE(Has(r.text, "日主属" + std::string(kElements[element])));
        EXPECT_TRUE(r.text.starts_with(r.key[0] + "月"));
    }
}

TEST(AnalysisTexts, UsefulTextsNameTheirGroupAndMethod) {
    const std::string_view groups[] = {"比劫", "食伤", "财", "官杀", "印"};
    for (const Row& r : Rows()) {
        if (r.table != TextTable::Useful) continue;
        SCOPED_TRACE(r.where);
        EXPECT_TRUE(Has(r.text, "取" + r.key[0] + "为用") || Has(r.text, "所取之神属" + r.key[0]));
        for (std::string_view g : groups)
            if (g != r.key[0] && g != "财" && g != "印") {
                EXPECT_FALSE(Has(r.text, g)) << g;
            }
        for (std::string_view m : {"扶抑", "调候", "顺势"}) EXPECT_EQ(Has(r.text, m), m == r.key[1]) << m;
        if (r.key[1] == "扶抑") {
            const bool weak = r.key[0] == "印" || r.key[0] == "比劫";
            EXPECT_EQ(Has(r.text, "不足"), weak);
            EXPECT_EQ(Has(r.text, "有余"), !weak);
        }
    }
}

TEST(AnalysisTexts, FortuneTextsSpeakOfTheirGodAndStanceOnly) {
    for (const Row& r : Rows()) {
        if (r.table != TextTable::Fortune) continue;
        SCOPED_TRACE(r.where);
        const std::string& part = r.key[0];
        const std::string& god = r.key[1];
        const std::string& stance = r.key[2];
        EXPECT_TRUE(Has(r.text, part == "干" ? "天干" : "地支"));
        for (std::string_view g : kTenGodWords) EXPECT_EQ(Has(r.text, g), g == god) << g;
        bool favourable = false, caution = false;
        for (std::string_view w : kFavourable) favourable = favourable || Has(r.text, w);
        for (std::string_view w : kCaution) caution = caution || Has(r.text, w);
        EXPECT_EQ(favourable, stance == "喜") << "favourable words belong to 喜 texts only";
        if (stance == "忌") {
            EXPECT_TRUE(caution) << "a 忌 text counsels caution";
        }
        EXPECT_EQ(Has(r.text, "为喜用之神") || Has(r.text, "喜神得地"), stance == "喜");
        EXPECT_EQ(Has(r.text, "为所忌之神") || Has(r.text, "忌神得地"), stance == "忌");
    }
}

TEST(AnalysisTexts, RelationAndStarTextsNameWhatTheyAreAbout) {
    const std::map<std::string, std::vector<std::string_view>> kWords = {
        {"冲提纲", {"冲", "月令"}}, {"冲日支", {"冲", "日支"}}, {"合提纲", {"合", "月令"}},
        {"合日支", {"合", "日支"}}, {"三合成局", {"三合"}},     {"三会成方", {"三会"}},
        {"伏吟", {"伏吟"}},         {"反吟", {"反吟"}},         {"值太岁", {"值太岁"}},
        {"冲太岁", {"冲太岁"}},     {"刑太岁", {"相刑"}},       {"害太岁", {"相害"}},
        {"破太岁", {"相破"}},       {"合太岁", {"六合"}},       {"岁运并临", {"岁运并临"}},
    };
    for (const Row& r : Rows()) {
        SCOPED_TRACE(r.where);
        if (r.table == TextTable::Relation) {
            for (std::string_view w : kWords.at(r.key[0])) EXPECT_TRUE(Has(r.text, w)) << w;
            bool favourable = false;
            for (std::string_view w : kFavourable) favourable = favourable || Has(r.text, w);
            EXPECT_EQ(favourable, r.key[1] == "喜") << "favourable words belong to what forms a 喜 element";
        }
        if (r.table == TextTable::Shensha) {
            EXPECT_TRUE(Has(r.text, r.key[0]) || (r.key[0] == "空亡" && Has(r.text, "空亡")));
            EXPECT_TRUE(Has(r.text, "参考")) << "a star is secondary";
        }
    }
}
