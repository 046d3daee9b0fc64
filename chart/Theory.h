// The traditional theory the day-and-hour texts are chosen by: stems, branches,
// the five elements, ten gods, the twelve growth stages, hidden stems, nayin and
// the relations of two branches. Everything is derived from a few small tables
// by the classical rules, so a test can compare it cell by cell with the
// published tables. Names are UTF-8.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace chart {

// Stem index 0-9 (甲 … 癸), branch index 0-11 (子 … 亥), sexagenary index
// 0-59 (0 is 甲子; index i names stem i mod 10 and branch i mod 12).
enum class Element { Wood, Fire, Earth, Metal, Water };

enum class TenGod {
    Companion,       // 比肩
    RobWealth,       // 劫财
    EatingGod,       // 食神
    HurtingOfficer,  // 伤官
    IndirectWealth,  // 偏财
    DirectWealth,    // 正财
    SevenKillings,   // 七杀
    DirectOfficer,   // 正官
    IndirectSeal,    // 偏印
    DirectSeal,      // 正印
};

// The twelve stages in their traditional order, 长生 first.
enum class Stage { Birth, Bath, Cap, Office, Peak, Decline, Ailing, Death, Tomb, Extinct, Womb, Nurture };

// How element b stands to element a.
enum class ElementRelation { Same, AGeneratesB, BGeneratesA, AControlsB, BControlsA };

std::string_view StemName(int stem);
std::string_view BranchName(int branch);
std::string PillarName(int sexagenary);  // "甲子"
int PillarIndex(int stem, int branch);   // -1 when stem and branch differ in parity
Element StemElement(int stem);
Element BranchElement(int branch);
bool StemIsYang(int stem);
std::string_view ElementName(Element e);
std::string_view AnimalName(int branch);

ElementRelation Relate(Element a, Element b);
TenGod TenGodOf(int dayStem, int otherStem);
std::string_view TenGodName(TenGod g);
Stage StageOf(int stem, int branch);
std::string_view StageName(Stage s);
int HiddenMainStem(int branch);  // 本气
std::string_view NayinName(int sexagenary);
Element NayinElement(int sexagenary);
// The hour pillar (sexagenary index) of a day stem's double-hour, by the
// five-rats rule: 甲己 start at 甲子, 乙庚 at 丙子, 丙辛 at 戊子, 丁壬 at 庚子, 戊癸 at 壬子.
int HourPillar(int dayStem, int hourBranch);

// The hidden stems of a branch in order 本气, 中气, 余气; count is 1-3.
struct HiddenStems {
    std::array<int, 3> stems;
    int count;
};
HiddenStems HiddenStemsOf(int branch);

// The two empty branches (空亡) of the decade (旬) a pillar belongs to: 甲子 … 癸酉 → 戌亥.
std::array<int, 2> XunKong(int sexagenary);
// The first pillar of that decade (甲子, 甲戌, …).
int XunStart(int sexagenary);

// The double-hour branch of a clock hour 0-23 (23 and 0 are 子).
int HourBranch(int hour);

// Stems that combine (天干五合: 甲己 乙庚 丙辛 丁壬 戊癸) and the element they form.
bool StemsCombine(int a, int b);
Element StemCombineElement(int a, int b);  // only for a combining pair
// Stems that clash (天干相冲: 甲庚 乙辛 丙壬 丁癸; 戊 and 己 clash with none).
bool StemsClash(int a, int b);

// The trines (三合, members 长生 帝旺 墓) and directional meetings (三会).
struct BranchGroup {
    std::array<int, 3> members;
    Element element;
};
const std::array<BranchGroup, 4>& Trines();
const std::array<BranchGroup, 4>& Directions();
// The two three-way punishments (寅巳申 无恩, 丑戌未 恃势).
const std::array<BranchGroup, 2>& TriplePunishments();

// 胎元: the stem after and the branch three after the month pillar's.
int TaiYuan(int monthPillar);
// 命宫 by the classical rule: count the months backward from 子 (寅 month at
// 子, 卯 month at 亥, …), put the birth hour on the month's palace and count the
// hours forward from it to 卯; the palace reached is 命宫. Its stem follows the
// year stem by the five-tigers rule (甲己 years start 寅 at 丙, 乙庚 at 戊,
// 丙辛 at 庚, 丁壬 at 壬, 戊癸 at 甲).
int MingGong(int yearStem, int monthBranch, int hourBranch);

// The relations of an ordered branch pair (a is the day branch, b the hour
// branch), in this order: 伏吟 / 自刑, 六合, 六冲, 半合, 拱合, 半会, 刑, 六害, 相破.
enum class BranchLink {
    Repeat,
    SelfPunish,
    Combine,
    Clash,
    HalfTrine,
    ArchTrine,
    HalfDirection,
    Punish,
    Harm,
    Break
};
enum class PunishKind { None, Ungrateful, Bullying, Rude };  // 无恩 恃势 无礼
// "无恩之刑", "恃势之刑" or "无礼之刑"; "" for None.
std::string_view PunishKindName(PunishKind k);
enum class PunishWay { None, Mutual, Out, In };  // 互刑 刑出 刑入

struct Relation {
    BranchLink link;
    Element element = Element::Earth;  // 六合 化, 半合 局, 半会 方
    int archedBranch = -1;             // 拱合: the branch arched
    PunishKind punish = PunishKind::None;
    PunishWay way = PunishWay::None;
};
std::vector<Relation> RelationsOf(int a, int b);
// The relations as the published pair table writes them ("六冲,刑入(申刑寅,无恩之刑)", "-").
std::string DescribeRelations(int a, int b);

}  // namespace chart
