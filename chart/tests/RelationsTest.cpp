// The relations among four pillars: every relation of the fact table found
// where its members stand, and the groups of three replacing their pairs.
#include <gtest/gtest.h>

#include <filesystem>

#include "Relations.h"
#include "TsvTable.h"

using namespace chart;

namespace {

const std::filesystem::path kFacts = KARVUTO_FACTS_DIR;

int IndexOf(const std::string& name, std::string_view (*names)(int), int count) {
    for (int i = 0; i < count; ++i)
        if (names(i) == name) return i;
    ADD_FAILURE() << "unknown " << name;
    return 0;
}

std::vector<std::string> Chars(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i + 3 <= text.size(); i += 3) out.push_back(text.substr(i, 3));
    return out;
}

// The relations written "kind members pillars(element)", e.g. "六冲 子午 02".
std::vector<std::string> Describe(const std::vector<ChartRelation>& relations) {
    std::vector<std::string> out;
    for (const ChartRelation& r : relations) {
        std::string s = std::string(RelationKindName(r.kind)) + " " + r.members + " ";
        for (int p : r.pillars) s += std::to_string(p);
        if (r.hasElement) s += "(" + std::string(ElementName(r.element)) + ")";
        out.push_back(s);
    }
    return out;
}

bool HasRelation(const std::vector<ChartRelation>& rs, std::string_view kind, const std::string& members,
                 const std::string& element) {
    for (const ChartRelation& r : rs) {
        if (RelationKindName(r.kind) != kind || r.members != members) continue;
        if (element.empty() ? !r.hasElement : r.hasElement && ElementName(r.element) == element) return true;
    }
    return false;
}

}  // namespace

// Each row of branch_relations.tsv placed in a chart: its members in the
// first pillars and the rest filled with a repeat of the first member (which
// adds no relation but 自刑 for 辰 午 酉 亥), found under the fact's name.
TEST(Relations, EveryRelationOfTheFactsIsFoundWhereItsMembersStand) {
    const std::filesystem::path file = kFacts / "branch_relations.tsv";
    if (!std::filesystem::exists(file)) GTEST_SKIP() << "no " << file;
    const platform::TsvTable t = platform::ReadTsv(file);
    ASSERT_EQ(t.rows.size(), 45u);
    for (const auto& r : t.rows) {
        const std::string& kind = r[0];
        SCOPED_TRACE(kind + " " + r[1]);
        // 自刑 is listed as "辰辰 午午 酉酉 亥亥": each pair is its own case.
        std::vector<std::string> cases;
        for (std::size_t at = 0; at < r[1].size();) {
            const std::size_t space = r[1].find(' ', at);
            cases.push_back(r[1].substr(at, space == std::string::npos ? std::string::npos : space - at));
            at = space == std::string::npos ? r[1].size() : space + 1;
        }
        for (const std::string& members : cases) {
            const std::vector<std::string> chars = Chars(members);
            const bool stems = kind.starts_with("天干");
            std::array<int, 4> s{0, 0, 0, 0}, b{0, 0, 0, 0};
            for (int p = 0; p < 4; ++p) {
                const std::string& ch = p < static_cast<int>(chars.size()) ? chars[p] : chars[0];
                (stems ? s : b)[p] = stems ? IndexOf(ch, StemName, 10) : IndexOf(ch, BranchName, 12);
            }
            if (stems) b = {2, 2, 2, 2};  // 寅 four times: no branch relation
            const auto found = FindRelations(s, b);
            std::string expectedKind = kind;
            if (kind == "相刑" && chars.size() == 3) expectedKind = "三刑";
            if (kind == "相刑" && chars[0] == chars[1]) expectedKind = "自刑";
            EXPECT_TRUE(HasRelation(found, expectedKind, members, r[2]))
                << testing::PrintToString(Describe(found));
        }
    }
}

TEST(Relations, ChartsWithTheirWholeListOfRelations) {
    struct Case {
        const char* name;
        const char *stems, *branches;
        std::vector<std::string> relations;
    } const cases[] = {
        {"nothing joins", "甲甲甲甲", "寅寅寅寅", {}},
        {"a clash across the chart and a harm beside it",
         "甲丙丁庚",
         "寅子未子",
         {"天干相冲 甲庚 03", "六害 子未 12", "六害 未子 23"}},
        {"a full trine replaces its halves; the fourth branch still clashes",
         "甲乙丙丁",
         "申子辰午",
         {"三合 申子辰 012(水)", "六冲 子午 13"}},
        {"a trine out of order, beside a 半会, a 害 and a 刑",
         "甲乙丙丁",
         "申辰子卯",
         {"三合 申子辰 012(水)", "半会 辰卯 13(木)", "六害 辰卯 13", "相刑 子卯 23"}},
        {"拱合 without the 帝旺; a repeated branch adds nothing",
         "甲甲甲甲",
         "亥未丑丑",
         {"拱合 亥未 01(木)", "半会 亥丑 02(水)", "半会 亥丑 03(水)", "六冲 未丑 12", "相刑 未丑 12",
          "六冲 未丑 13", "相刑 未丑 13"}},
        {"the three-way punishment replaces its pairs' 刑 only",
         "戊己戊己",
         "寅巳申卯",
         {"三刑 寅巳申 012", "六害 寅巳 01", "六冲 寅申 02", "半会 寅卯 03(木)", "六合 巳申 12(水)",
          "相破 巳申 12"}},
        {"self-punishment and stem combinations",
         "甲己乙庚",
         "午午午午",
         {"天干五合 甲己 01(土)", "天干相冲 甲庚 03", "天干五合 乙庚 23(金)", "自刑 午午 01", "自刑 午午 02",
          "自刑 午午 03", "自刑 午午 12", "自刑 午午 13", "自刑 午午 23"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::array<int, 4> s{}, b{};
        const auto sc = Chars(c.stems), bc = Chars(c.branches);
        for (int p = 0; p < 4; ++p) {
            s[p] = IndexOf(sc[p], StemName, 10);
            b[p] = IndexOf(bc[p], BranchName, 12);
        }
        EXPECT_EQ(Describe(FindRelations(s, b)), c.relations);
    }
}
