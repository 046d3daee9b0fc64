// The star tables. Branch lists are indices 子 0 … 亥 11; each table's
// comment gives it in characters.
#include "Shensha.h"

#include <algorithm>
#include <array>

namespace analysis {
namespace {

// 天乙贵人 by stem 甲 … 癸: 甲戊庚 丑未, 乙己 子申, 丙丁 亥酉, 辛 午寅, 壬癸 卯巳.
constexpr std::array<std::array<int, 2>, 10> kNoble = {
    {{1, 7}, {0, 8}, {11, 9}, {11, 9}, {1, 7}, {0, 8}, {1, 7}, {6, 2}, {3, 5}, {3, 5}}};
// 文昌 by day stem 甲 … 癸: 巳 午 申 酉 申 酉 亥 子 寅 卯.
constexpr std::array<int, 10> kScholar = {5, 6, 8, 9, 8, 9, 11, 0, 2, 3};
// 禄 by day stem 甲 … 癸: 寅 卯 巳 午 巳 午 申 酉 亥 子 (the stem's 临官).
constexpr std::array<int, 10> kSalary = {2, 3, 5, 6, 5, 6, 8, 9, 11, 0};
// 羊刃 by yang day stem 甲 丙 戊 庚 壬: 卯 午 午 酉 子; yin stems take none here.
constexpr std::array<int, 10> kBlade = {3, -1, 6, -1, 6, -1, 9, -1, 0, -1};
// By the trine of a branch (申子辰 水, 寅午戌 火, 巳酉丑 金, 亥卯未 木), as the
// trine's index 0 水 1 火 2 金 3 木: 驿马 寅 申 亥 巳, 桃花 (咸池) 酉 卯 午 子, 华盖 辰 戌 丑 未.
constexpr std::array<int, 12> kTrineOf = {0, 2, 1, 3, 0, 2, 1, 3, 0, 2, 1, 3};
constexpr std::array<int, 4> kHorse = {2, 8, 11, 5};
constexpr std::array<int, 4> kPeach = {9, 3, 6, 0};
constexpr std::array<int, 4> kCanopy = {4, 10, 1, 7};
// 天德 by month branch 子 … 亥: 巳 庚 丁 申 壬 辛 亥 甲 癸 寅 丙 乙 (正丁二申宫…);
// a stem as 0-9, a branch as 100 + index.
constexpr int kBranchMark = 100;
constexpr std::array<int, 12> kHeavenVirtue = {105, 6, 3, 108, 8, 7, 111, 0, 9, 102, 2, 1};
// 月德 by month branch 子 … 亥: the yang stem of its trine's element: 申子辰 壬, 寅午戌 丙, 巳酉丑 庚, 亥卯未
// 甲.
constexpr std::array<int, 12> kMonthVirtue = {8, 6, 2, 0, 8, 6, 2, 0, 8, 6, 2, 0};

std::vector<int> Sorted(std::vector<int> v) {
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());
    return v;
}

// The pillars (other than `skip`) whose branch is `branch`.
void BranchesAt(const Natal& n, int branch, int skip, std::vector<int>& out) {
    for (int pos = 0; pos < 4; ++pos)
        if (pos != skip && n.pillars[pos].branch == branch) out.push_back(pos);
}

std::vector<int> Noble(const Natal& n) {
    std::vector<int> out;
    for (int from : {kDay, kYear})
        for (int b : kNoble[n.pillars[from].stem]) BranchesAt(n, b, -1, out);
    return Sorted(out);
}

std::vector<int> Scholar(const Natal& n) {
    std::vector<int> out;
    BranchesAt(n, kScholar[n.dayStem], -1, out);
    return Sorted(out);
}

std::vector<int> ByTrine(const Natal& n, const std::array<int, 4>& table) {
    std::vector<int> out;
    for (int from : {kYear, kDay}) BranchesAt(n, table[kTrineOf[n.pillars[from].branch]], from, out);
    return Sorted(out);
}

std::vector<int> Horse(const Natal& n) {
    return ByTrine(n, kHorse);
}
std::vector<int> Peach(const Natal& n) {
    return ByTrine(n, kPeach);
}
std::vector<int> Canopy(const Natal& n) {
    return ByTrine(n, kCanopy);
}

std::vector<int> Blade(const Natal& n) {
    std::vector<int> out;
    if (kBlade[n.dayStem] >= 0) BranchesAt(n, kBlade[n.dayStem], -1, out);
    return Sorted(out);
}

std::vector<int> Salary(const Natal& n) {
    std::vector<int> out;
    BranchesAt(n, kSalary[n.dayStem], -1, out);
    return Sorted(out);
}

std::vector<int> HeavenVirtue(const Natal& n) {
    const int mark = kHeavenVirtue[n.monthBranch];
    std::vector<int> out;
    for (int pos = 0; pos < 4; ++pos)
        if (mark >= kBranchMark ? n.pillars[pos].branch == mark - kBranchMark : n.pillars[pos].stem == mark)
            out.push_back(pos);
    return out;
}

std::vector<int> MonthVirtue(const Natal& n) {
    std::vector<int> out;
    for (int pos = 0; pos < 4; ++pos)
        if (n.pillars[pos].stem == kMonthVirtue[n.monthBranch]) out.push_back(pos);
    return out;
}

std::vector<int> Void(const Natal& n) {
    const std::array<int, 2> empty = chart::XunKong(n.pillars[kDay].pillar);
    std::vector<int> out;
    for (int b : empty) BranchesAt(n, b, kDay, out);
    return Sorted(out);
}

constexpr std::array<ShenshaRule, 10> kRules = {{
    {"天乙贵人", "以日干、年干查四支：甲戊庚见丑未，乙己见子申，丙丁见亥酉，壬癸见卯巳，辛见午寅", "三命通会",
     Noble},
    {"文昌", "以日干查四支：甲巳，乙午，丙戊申，丁己酉，庚亥，辛子，壬寅，癸卯", "三命通会", Scholar},
    {"驿马", "以年支、日支之三合查他支：申子辰马在寅，寅午戌马在申，巳酉丑马在亥，亥卯未马在巳",
     "三命通会·论驿马", Horse},
    {"桃花", "即咸池，以年支、日支之三合查他支：申子辰在酉，寅午戌在卯，巳酉丑在午，亥卯未在子", "三命通会",
     Peach},
    {"华盖", "以年支、日支之三合查他支：申子辰在辰，寅午戌在戌，巳酉丑在丑，亥卯未在未", "三命通会", Canopy},
    {"羊刃", "以阳日干查四支：甲卯，丙戊午，庚酉，壬子；阴干不论", "三命通会", Blade},
    {"禄神", "以日干查四支，日干临官之地：甲寅，乙卯，丙戊巳，丁己午，庚申，辛酉，壬亥，癸子", "三命通会",
     Salary},
    {"天德", "以月支查四柱干支：寅丁，卯申，辰壬，巳辛，午亥，未甲，申癸，酉寅，戌丙，亥乙，子巳，丑庚",
     "三命通会", HeavenVirtue},
    {"月德", "以月支之三合查四干：寅午戌丙，申子辰壬，亥卯未甲，巳酉丑庚", "三命通会", MonthVirtue},
    {"空亡", "以日柱所在之旬查他支：旬中十干所不及之二支", "三命通会", Void},
}};

}  // namespace

std::span<const ShenshaRule> ShenshaRules() {
    return kRules;
}

std::vector<ShenshaFinding> AssessShensha(const Natal& n) {
    std::vector<ShenshaFinding> out;
    for (const ShenshaRule& r : kRules) out.push_back({r.name, r.rule, r.source, r.positions(n), {}, {}});
    return out;
}

std::string ShenshaMethod() {
    return "神煞为参考，不入旺衰、格局、用神之断；各按古书查法列其所在之柱";
}

}  // namespace analysis
