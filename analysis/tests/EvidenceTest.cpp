// Claims only from facts: every evidence line the analysis writes, over
// random births, is read back and each claim it makes is checked against the
// chart theory: a stem named with a ten god is that god to the day stem; the
// stems said to be hidden in a branch are hidden there (and a 本气 is the
// 本气); a branch said to be a stage is that stage of the day stem; the
// season line names the month's ruler and the day element's state.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "Analyze.h"
#include "Natal.h"
#include "TestCharts.h"

using namespace analysis;

namespace {

std::u32string Decode(std::string_view s) {
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        char32_t cp = n == 1 ? c : n == 2 ? c & 0x1F : n == 3 ? c & 0x0F : c & 0x07;
        for (int k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out.push_back(cp);
        i += n;
    }
    return out;
}

const std::u32string kStems = U"甲乙丙丁戊己庚辛壬癸";
const std::u32string kBranches = U"子丑寅卯辰巳午未申酉戌亥";
const std::u32string kElements = U"木火土金水";

int IndexIn(const std::u32string& set, char32_t c) {
    const std::size_t at = set.find(c);
    return at == std::u32string::npos ? -1 : static_cast<int>(at);
}

bool At(const std::u32string& line, std::size_t i, std::u32string_view word) {
    return line.compare(i, word.size(), word) == 0;
}

// The names of an enumeration's values as code points.
template <typename E>
std::vector<std::u32string> NamesOf(int count, std::string_view (*name)(E)) {
    std::vector<std::u32string> v;
    for (int i = 0; i < count; ++i) v.push_back(Decode(name(static_cast<E>(i))));
    return v;
}
const std::vector<std::u32string>& GodNames() {
    static const std::vector<std::u32string> names = NamesOf<chart::TenGod>(10, chart::TenGodName);
    return names;
}
const std::vector<std::u32string>& StageNames() {
    static const std::vector<std::u32string> names = NamesOf<chart::Stage>(12, chart::StageName);
    return names;
}

// The problems with one evidence line of a chart whose day stem is `day`;
// `claims` counts the claims checked.
std::vector<std::string> Problems(int day, const std::string& utf8, int& claims) {
    std::vector<std::string> out;
    const std::u32string line = Decode(utf8);
    for (std::size_t i = 0; i < line.size(); ++i) {
        // A stem followed by a ten god's name.
        if (const int stem = IndexIn(kStems, line[i]); stem >= 0)
            for (int g = 0; g < 10; ++g)
                if (At(line, i + 1, GodNames()[g])) {
                    ++claims;
                    if (chart::TenGodOf(day, stem) != static_cast<chart::TenGod>(g))
                        out.push_back("names " + std::string(chart::StemName(stem)) + " as " +
                                      std::string(chart::TenGodName(static_cast<chart::TenGod>(g))));
                }
        // A branch said to be a stage: "子为死".
        if (const int branch = IndexIn(kBranches, line[i]); branch >= 0 && At(line, i + 1, U"为"))
            for (int s = 0; s < 12; ++s)
                if (At(line, i + 2, StageNames()[s])) {
                    ++claims;
                    if (chart::StageOf(day, branch) != static_cast<chart::Stage>(s))
                        out.push_back("says " + std::string(chart::BranchName(branch)) + " is the stage " +
                                      std::string(chart::StageName(static_cast<chart::Stage>(s))));
                }
        // Stems said to be hidden in the nearest branch before "藏", or its 本气.
        const bool hides = At(line, i, U"藏"), main = At(line, i, U"本气");
        if (!hides && !main) continue;
        int branch = -1;
        for (std::size_t k = i; k-- > 0 && branch < 0;) branch = IndexIn(kBranches, line[k]);
        if (branch < 0) continue;
        const chart::HiddenStems h = chart::HiddenStemsOf(branch);
        for (std::size_t k = i + (hides ? 1 : 2); k < line.size(); ++k) {
            const int stem = IndexIn(kStems, line[k]);
            if (stem < 0) {
                if (line[k] == U'；' || line[k] == U'，' || line[k] == U'：') break;
                continue;
            }
            ++claims;
            const bool hidden =
                std::find(h.stems.begin(), h.stems.begin() + h.count, stem) != h.stems.begin() + h.count;
            if (!hidden || (main && stem != h.stems[0]))
                out.push_back("says " + std::string(chart::BranchName(branch)) +
                              (main ? "'s 本气 is " : " hides ") + std::string(chart::StemName(stem)));
            if (main) break;
        }
    }
    // "生于午月，火当令，日主金死": the ruler and the state.
    if (line.starts_with(U"生于")) {
        ++claims;
        const int month = IndexIn(kBranches, line[2]);
        const int ruler = IndexIn(kElements, line[5]);
        const int self = IndexIn(kElements, line[11]);
        const std::u32string state(1, line[12]);
        if (month < 0 || ruler < 0 || self < 0 ||
            RulingElement(month) != static_cast<chart::Element>(ruler) ||
            Decode(VigourName(VigourIn(static_cast<chart::Element>(self), month))) != state)
            out.push_back("misstates the season");
    }
    return out;
}

}  // namespace

TEST(Evidence, EveryClaimOfEveryLineIsAFactOfTheChart) {
    std::mt19937 rng(7);
    int claims = 0, lines = 0;
    for (int i = 0; i < 2000; ++i) {
        const chart::Chart c = chart::ComputeChart(test::RandomBirth(rng));
        const Analysis a = Analyze(c, {2024, 2025, 2026}, test::SourceTexts());
        const int day = a.pillars[2] % 10;
        std::vector<const std::vector<std::string>*> all = {&a.strength.evidence, &a.pattern.evidence,
                                                            &a.useful.evidence, &a.month.evidence};
        for (const auto* list : {&a.luck, &a.years})
            for (const FortuneFinding& f : *list) all.push_back(&f.evidence);
        for (const auto* evidence : all)
            for (const std::string& line : *evidence) {
                ++lines;
                for (const std::string& p : Problems(day, line, claims)) ADD_FAILURE() << line << ": " << p;
            }
        for (const RuleHit& h : a.pattern.rules)
            for (const std::string& p : Problems(day, h.fact, claims)) ADD_FAILURE() << h.fact << ": " << p;
    }
    EXPECT_GT(claims, lines);  // the lines do make claims
    std::cout << lines << " evidence lines, " << claims << " claims checked\n";
}

TEST(Evidence, TheCheckerCatchesAFalseClaim) {
    int claims = 0;
    EXPECT_FALSE(Problems(0, "年干透丙七杀：不助身", claims).empty());  // 丙 is 甲's 食神
    EXPECT_FALSE(Problems(0, "坐子为死", claims).empty());              // 甲 at 子 is 沐浴
    EXPECT_FALSE(Problems(0, "月令午藏丙食神", claims).empty());        // 午 hides 丁 己
    EXPECT_FALSE(Problems(0, "支午本气己正财", claims).empty());        // 午's 本气 is 丁
    EXPECT_FALSE(Problems(0, "生于午月，火当令，日主木旺：得令40.0", claims).empty());
    EXPECT_TRUE(Problems(0, "坐子为沐浴；藏癸正印；根气1.0", claims).empty());
}
