// The classical rules behind Theory.h, over the smallest tables that carry them.
#include "Theory.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "Sexagenary.h"

namespace chart {
namespace {

// Stems 甲 … 癸 and branches 子 … 亥, in cycle order: the calendar's names.
constexpr const auto& kStems = calendar::kStemNamesUtf8;
constexpr const auto& kBranches = calendar::kBranchNamesUtf8;
constexpr std::array<std::string_view, 12> kAnimals = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                                       "马", "羊", "猴", "鸡", "狗", "猪"};
// Element of each branch 子 … 亥.
constexpr std::array<Element, 12> kBranchElements = {
    Element::Water, Element::Earth, Element::Wood,  Element::Wood,  Element::Earth, Element::Fire,
    Element::Fire,  Element::Earth, Element::Metal, Element::Metal, Element::Earth, Element::Water};
// Main hidden stem (本气) of each branch 子 … 亥: 癸 己 甲 乙 戊 丙 丁 己 庚 辛 戊 壬.
constexpr std::array<int, 12> kHiddenMain = {9, 5, 0, 1, 4, 2, 3, 5, 6, 7, 4, 8};
// Middle (中气) and residual (余气) hidden stems of each branch 子 … 亥, -1 for none:
// 子 -/-, 丑 癸辛, 寅 丙戊, 卯 -/-, 辰 乙癸, 巳 庚戊, 午 己/-, 未 丁乙, 申 壬戊, 酉 -/-, 戌 辛丁, 亥 甲/-.
constexpr std::array<std::array<int, 2>, 12> kHiddenRest = {
    {{-1, -1}, {9, 7}, {2, 4}, {-1, -1}, {1, 9}, {6, 4}, {5, -1}, {3, 1}, {8, 4}, {-1, -1}, {7, 3}, {0, -1}}};
// Branch of 长生 for each stem 甲 … 癸: 亥 午 寅 酉 寅 酉 巳 子 申 卯 (yang stems count
// forward from it, yin stems backward; 戊 follows 丙 and 己 follows 丁).
constexpr std::array<int, 10> kBirthBranch = {11, 6, 2, 9, 2, 9, 5, 0, 8, 3};

// Nayin of the 30 pairs of pillars 甲子乙丑 … 壬戌癸亥, with its element.
struct NayinEntry {
    std::string_view name;
    Element element;
};
constexpr std::array<NayinEntry, 30> kNayin = {{
    {"海中金", Element::Metal}, {"炉中火", Element::Fire},  {"大林木", Element::Wood},   // 甲子 … 己巳
    {"路旁土", Element::Earth}, {"剑锋金", Element::Metal}, {"山头火", Element::Fire},   // 庚午 … 乙亥
    {"涧下水", Element::Water}, {"城头土", Element::Earth}, {"白蜡金", Element::Metal},  // 丙子 … 辛巳
    {"杨柳木", Element::Wood},  {"泉中水", Element::Water}, {"屋上土", Element::Earth},  // 壬午 … 丁亥
    {"霹雳火", Element::Fire},  {"松柏木", Element::Wood},  {"长流水", Element::Water},  // 戊子 … 癸巳
    {"沙中金", Element::Metal}, {"山下火", Element::Fire},  {"平地木", Element::Wood},   // 甲午 … 己亥
    {"壁上土", Element::Earth}, {"金箔金", Element::Metal}, {"覆灯火", Element::Fire},   // 庚子 … 乙巳
    {"天河水", Element::Water}, {"大驿土", Element::Earth}, {"钗钏金", Element::Metal},  // 丙午 … 辛亥
    {"桑柘木", Element::Wood},  {"大溪水", Element::Water}, {"沙中土", Element::Earth},  // 壬子 … 丁巳
    {"天上火", Element::Fire},  {"石榴木", Element::Wood},  {"大海水", Element::Water},  // 戊午 … 癸亥
}};

// Six combinations (六合): partner of each branch and the element formed.
constexpr std::array<int, 12> kCombinePartner = {1, 0, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2};
constexpr std::array<Element, 12> kCombineElement = {
    Element::Earth, Element::Earth, Element::Wood,  Element::Fire,  Element::Metal, Element::Water,
    Element::Earth, Element::Earth, Element::Water, Element::Metal, Element::Fire,  Element::Wood};
// Trines (三合), listed as 长生, 帝旺, 墓: 申子辰 水, 亥卯未 木, 寅午戌 火, 巳酉丑 金.
struct Group {
    std::array<int, 3> members;
    Element element;
    std::string_view name;  // direction of a 三会, empty for a trine
};
constexpr std::array<Group, 4> kTrines = {{
    {{8, 0, 4}, Element::Water, ""},
    {{11, 3, 7}, Element::Wood, ""},
    {{2, 6, 10}, Element::Fire, ""},
    {{5, 9, 1}, Element::Metal, ""},
}};
// Directional meetings (三会): 寅卯辰 东方木, 巳午未 南方火, 申酉戌 西方金, 亥子丑 北方水.
constexpr std::array<Group, 4> kDirections = {{
    {{2, 3, 4}, Element::Wood, "东方"},
    {{5, 6, 7}, Element::Fire, "南方"},
    {{8, 9, 10}, Element::Metal, "西方"},
    {{11, 0, 1}, Element::Water, "北方"},
}};
// Punishments (相刑) as punisher -> punished: 寅刑巳 巳刑申 申刑寅 (无恩),
// 丑刑戌 戌刑未 未刑丑 (恃势); 子卯 punish each other (无礼).
struct Punishment {
    int from, to;
    PunishKind kind;
};
constexpr std::array<Punishment, 8> kPunishments = {{
    {2, 5, PunishKind::Ungrateful},
    {5, 8, PunishKind::Ungrateful},
    {8, 2, PunishKind::Ungrateful},
    {1, 10, PunishKind::Bullying},
    {10, 7, PunishKind::Bullying},
    {7, 1, PunishKind::Bullying},
    {0, 3, PunishKind::Rude},
    {3, 0, PunishKind::Rude},
}};
// Branches that punish themselves (自刑): 辰 午 酉 亥.
constexpr std::array<int, 4> kSelfPunishing = {4, 6, 9, 11};
// Harms (六害) 子未 丑午 寅巳 卯辰 申亥 酉戌 and breaks (相破) 子酉 卯午 辰丑 未戌 寅亥 巳申.
constexpr std::array<std::array<int, 2>, 6> kHarms = {{{0, 7}, {1, 6}, {2, 5}, {3, 4}, {8, 11}, {9, 10}}};
constexpr std::array<std::array<int, 2>, 6> kBreaks = {{{0, 9}, {3, 6}, {4, 1}, {7, 10}, {2, 11}, {5, 8}}};

bool IsPair(const std::array<std::array<int, 2>, 6>& table, int a, int b) {
    for (const auto& p : table)
        if ((p[0] == a && p[1] == b) || (p[0] == b && p[1] == a)) return true;
    return false;
}

int MemberPosition(const Group& g, int branch) {
    for (int i = 0; i < 3; ++i)
        if (g.members[i] == branch) return i;
    return -1;
}

std::string GroupText(const Group& g) {
    std::string s;
    for (int m : g.members) s += kBranches[m];
    return s;
}

}  // namespace

std::string_view StemName(int stem) {
    return kStems[stem];
}
std::string_view BranchName(int branch) {
    return kBranches[branch];
}
std::string PillarName(int sexagenary) {
    return calendar::PillarNameUtf8(sexagenary);
}
int PillarIndex(int stem, int branch) {
    return calendar::PillarOf(stem, branch);
}
Element StemElement(int stem) {
    return static_cast<Element>(stem / 2);
}
Element BranchElement(int branch) {
    return kBranchElements[branch];
}
bool StemIsYang(int stem) {
    return stem % 2 == 0;
}
std::string_view AnimalName(int branch) {
    return kAnimals[branch];
}

std::string_view ElementName(Element e) {
    switch (e) {
        case Element::Wood:
            return "木";
        case Element::Fire:
            return "火";
        case Element::Earth:
            return "土";
        case Element::Metal:
            return "金";
        case Element::Water:
            return "水";
    }
    return "";
}

// Elements in generating order 木 火 土 金 水: each generates the next and
// controls the one after that.
ElementRelation Relate(Element a, Element b) {
    const int d = (static_cast<int>(b) - static_cast<int>(a) + 5) % 5;
    switch (d) {
        case 0:
            return ElementRelation::Same;
        case 1:
            return ElementRelation::AGeneratesB;
        case 2:
            return ElementRelation::AControlsB;
        case 3:
            return ElementRelation::BControlsA;
        default:
            return ElementRelation::BGeneratesA;
    }
}

// The first god of each pair when both stems have the same yin/yang.
TenGod TenGodOf(int dayStem, int otherStem) {
    const bool same = StemIsYang(dayStem) == StemIsYang(otherStem);
    int pair = 0;
    switch (Relate(StemElement(dayStem), StemElement(otherStem))) {
        case ElementRelation::Same:
            pair = 0;
            break;
        case ElementRelation::AGeneratesB:
            pair = 1;
            break;
        case ElementRelation::AControlsB:
            pair = 2;
            break;
        case ElementRelation::BControlsA:
            pair = 3;
            break;
        case ElementRelation::BGeneratesA:
            pair = 4;
            break;
    }
    return static_cast<TenGod>(pair * 2 + (same ? 0 : 1));
}

std::string_view TenGodName(TenGod g) {
    constexpr std::array<std::string_view, 10> kNames = {"比肩", "劫财", "食神", "伤官", "偏财",
                                                         "正财", "七杀", "正官", "偏印", "正印"};
    return kNames[static_cast<int>(g)];
}

Stage StageOf(int stem, int branch) {
    const int start = kBirthBranch[stem];
    const int steps = StemIsYang(stem) ? branch - start : start - branch;
    return static_cast<Stage>((steps % 12 + 12) % 12);
}

std::string_view StageName(Stage s) {
    constexpr std::array<std::string_view, 12> kNames = {"长生", "沐浴", "冠带", "临官", "帝旺", "衰",
                                                         "病",   "死",   "墓",   "绝",   "胎",   "养"};
    return kNames[static_cast<int>(s)];
}

int HiddenMainStem(int branch) {
    return kHiddenMain[branch];
}
std::string_view NayinName(int sexagenary) {
    return kNayin[sexagenary / 2].name;
}
Element NayinElement(int sexagenary) {
    return kNayin[sexagenary / 2].element;
}

int HourPillar(int dayStem, int hourBranch) {
    return calendar::PillarOf(calendar::HourStemOf(dayStem, hourBranch), hourBranch);
}

HiddenStems HiddenStemsOf(int branch) {
    HiddenStems h{{kHiddenMain[branch], -1, -1}, 1};
    for (const int s : kHiddenRest[branch])
        if (s >= 0) h.stems[h.count++] = s;
    return h;
}

int XunStart(int sexagenary) {
    return sexagenary - sexagenary % 10;
}

std::array<int, 2> XunKong(int sexagenary) {
    // The decade's ten stems take ten branches from its first; the two after them are empty.
    const int first = XunStart(sexagenary) % 12;
    return {(first + 10) % 12, (first + 11) % 12};
}

int HourBranch(int hour) {
    return calendar::HourBranchOf(hour);
}

bool StemsCombine(int a, int b) {
    return std::abs(a - b) == 5;
}

Element StemCombineElement(int a, int b) {
    // 甲己 土, 乙庚 金, 丙辛 水, 丁壬 木, 戊癸 火: by the smaller stem.
    constexpr std::array<Element, 5> kFormed = {Element::Earth, Element::Metal, Element::Water, Element::Wood,
                                                Element::Fire};
    return kFormed[std::min(a, b) % 5];
}

bool StemsClash(int a, int b) {
    return std::abs(a - b) == 6;
}

const std::array<BranchGroup, 4>& Trines() {
    static const std::array<BranchGroup, 4> groups = {{{kTrines[0].members, kTrines[0].element},
                                                       {kTrines[1].members, kTrines[1].element},
                                                       {kTrines[2].members, kTrines[2].element},
                                                       {kTrines[3].members, kTrines[3].element}}};
    return groups;
}

const std::array<BranchGroup, 4>& Directions() {
    static const std::array<BranchGroup, 4> groups = {{{kDirections[0].members, kDirections[0].element},
                                                       {kDirections[1].members, kDirections[1].element},
                                                       {kDirections[2].members, kDirections[2].element},
                                                       {kDirections[3].members, kDirections[3].element}}};
    return groups;
}

const std::array<BranchGroup, 2>& TriplePunishments() {
    static const std::array<BranchGroup, 2> groups = {
        {{{2, 5, 8}, Element::Earth}, {{1, 10, 7}, Element::Earth}}};
    return groups;
}

int TaiYuan(int monthPillar) {
    return PillarIndex((monthPillar % 10 + 1) % 10, (monthPillar % 12 + 3) % 12);
}

int MingGong(int yearStem, int monthBranch, int hourBranch) {
    const int monthsFromTiger = (monthBranch + 10) % 12;          // 寅 month 0
    const int monthPalace = (12 - monthsFromTiger) % 12;          // 寅 month at 子
    const int branch = (monthPalace + 3 - hourBranch + 12) % 12;  // hours on to 卯
    const int tigerStem = (yearStem % 5 * 2 + 2) % 10;
    const int stem = (tigerStem + (branch + 10) % 12) % 10;
    return PillarIndex(stem, branch);
}

std::vector<Relation> RelationsOf(int a, int b) {
    std::vector<Relation> out;
    if (a == b) {
        bool self = false;
        for (int s : kSelfPunishing) self = self || s == a;
        out.push_back({self ? BranchLink::SelfPunish : BranchLink::Repeat});
        return out;
    }
    if (kCombinePartner[a] == b) out.push_back({BranchLink::Combine, kCombineElement[a]});
    if (std::abs(a - b) == 6) out.push_back({BranchLink::Clash});
    for (const Group& g : kTrines) {
        const int pa = MemberPosition(g, a), pb = MemberPosition(g, b);
        if (pa < 0 || pb < 0) continue;
        if (pa == 1 || pb == 1)
            out.push_back({BranchLink::HalfTrine, g.element});
        else
            out.push_back({BranchLink::ArchTrine, g.element, g.members[1]});
    }
    for (const Group& g : kDirections)
        if (MemberPosition(g, a) >= 0 && MemberPosition(g, b) >= 0)
            out.push_back({BranchLink::HalfDirection, g.element});
    for (const Punishment& p : kPunishments) {
        const bool forward = p.from == a && p.to == b, in = p.from == b && p.to == a;
        if (!forward && !in) continue;
        // 子 and 卯 punish each other; the other punishments run one way.
        const PunishWay way = p.kind == PunishKind::Rude ? PunishWay::Mutual
                              : forward                  ? PunishWay::Out
                                                         : PunishWay::In;
        out.push_back({BranchLink::Punish, Element::Earth, -1, p.kind, way});
        break;
    }
    if (IsPair(kHarms, a, b)) out.push_back({BranchLink::Harm});
    if (IsPair(kBreaks, a, b)) out.push_back({BranchLink::Break});
    return out;
}

std::string DescribeRelations(int a, int b) {
    std::string s;
    for (const Relation& r : RelationsOf(a, b)) {
        if (!s.empty()) s += ",";
        switch (r.link) {
            case BranchLink::Repeat:
                s += "伏吟(同支)";
                break;
            case BranchLink::SelfPunish:
                s += "自刑";
                break;
            case BranchLink::Combine:
                s += "六合(化" + std::string(ElementName(r.element)) + ")";
                break;
            case BranchLink::Clash:
                s += "六冲";
                break;
            case BranchLink::HalfTrine:
            case BranchLink::ArchTrine:
                for (const Group& g : kTrines) {
                    if (MemberPosition(g, a) < 0 || MemberPosition(g, b) < 0) continue;
                    if (r.link == BranchLink::HalfTrine)
                        s += "半合(" + GroupText(g) + std::string(ElementName(g.element)) + "局)";
                    else
                        s += "拱合(" + std::string(kBranches[g.members[0]]) +
                             std::string(kBranches[g.members[2]]) + "拱" +
                             std::string(kBranches[g.members[1]]) + ")";
                }
                break;
            case BranchLink::HalfDirection:
                for (const Group& g : kDirections)
                    if (MemberPosition(g, a) >= 0 && MemberPosition(g, b) >= 0)
                        s += "半会(" + GroupText(g) + std::string(g.name) +
                             std::string(ElementName(g.element)) + ")";
                break;
            case BranchLink::Punish: {
                const std::string kind(PunishKindName(r.punish));
                if (r.way == PunishWay::Mutual)
                    s += "互刑(" + kind + ")";
                else {
                    const int from = r.way == PunishWay::Out ? a : b, to = r.way == PunishWay::Out ? b : a;
                    s += std::string(r.way == PunishWay::Out ? "刑出(" : "刑入(") +
                         std::string(kBranches[from]) + "刑" + std::string(kBranches[to]) + "," + kind + ")";
                }
                break;
            }
            case BranchLink::Harm:
                s += "六害";
                break;
            case BranchLink::Break:
                s += "相破";
                break;
        }
    }
    return s.empty() ? "-" : s;
}

std::string_view PunishKindName(PunishKind k) {
    switch (k) {
        case PunishKind::Ungrateful:
            return "无恩之刑";
        case PunishKind::Bullying:
            return "恃势之刑";
        case PunishKind::Rude:
            return "无礼之刑";
        case PunishKind::None:
            break;
    }
    return "";
}

}  // namespace chart
