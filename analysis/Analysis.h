// The analysis of a chart (命局分析) as one structured model: the day
// master's strength, the pattern, the useful god, the month, the luck
// pillars, the years asked for, a summary and the auxiliary stars, in that
// order. Every section states its method in one line and carries the
// evidence lines it was decided on; the interpretive paragraphs come from
// the text tables (TextSource.h). Texts are UTF-8. The window, the pages,
// the terminal and the JSON only lay this model out.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Season.h"
#include "TextSource.h"
#include "Theory.h"

namespace analysis {

enum class Section { Strength, Pattern, Useful, Month, Luck, Years, Summary, Shensha };
std::string_view SectionName(Section s);  // "日主旺衰", "格局", …

// ---- 1. 日主旺衰 ----

// The bands of the day master's strength. 从弱, 从强 and 专旺 are given only
// where the classics' conditions for them hold, never by the score alone.
enum class Band { FollowWeak, Weak, Balanced, Strong, FollowStrong, Dominant };
std::string_view BandName(Band b);  // "从弱" "偏弱" "中和" "偏强" "从强" "专旺"

struct ScorePart {
    std::string_view name;  // "得令", "得地", "得势"
    double points = 0;
    double maximum = 0;
};

struct StrengthFinding {
    std::string method;
    int score = 0;  // 0-100, the sum of the parts rounded
    std::array<ScorePart, 3> parts{};
    Vigour vigour = Vigour::Ruling;  // of the day element in the month
    Band band = Band::Balanced;
    // Where the score lies within kBandMargin of an edge between 偏弱, 中和
    // and 偏强: the band across that edge.
    std::optional<Band> nearBand;
    // The condition of the classics that made the band 从弱, 从强 or 专旺.
    std::string condition;
    std::vector<std::string> evidence;
    TextKey key;
    std::string text;
};

// ---- 2. 格局 ----

enum class PatternKind {
    DirectOfficer,   // 正官格
    SevenKillings,   // 七杀格
    DirectWealth,    // 正财格
    IndirectWealth,  // 偏财格
    DirectSeal,      // 正印格
    IndirectSeal,    // 偏印格
    EatingGod,       // 食神格
    HurtingOfficer,  // 伤官格
    Jianlu,          // 建禄格 (with 月劫)
    MonthBlade,      // 月刃格
    FollowPower,     // 从杀格
    FollowWealth,    // 从财格
    FollowOutput,    // 从儿格
    FollowTrend,     // 从势格
    FollowStrong,    // 从强格
    Quzhi,           // 曲直格 (木)
    Yanshang,        // 炎上格 (火)
    Jiase,           // 稼穑格 (土)
    Congge,          // 从革格 (金)
    Runxia,          // 润下格 (水)
    TransformEarth,  // 化土格
    TransformMetal,  // 化金格
    TransformWater,  // 化水格
    TransformWood,   // 化木格
    TransformFire,   // 化火格
};
inline constexpr int kPatternKinds = 25;
inline constexpr int kRegularPatterns = 10;   // 正格: the first ten kinds
std::string_view PatternName(PatternKind k);  // "正官格", …
bool IsRegular(PatternKind k);

enum class PatternState { Formed, Broken, Rescued };
std::string_view PatternStateName(PatternState s);  // "成" "败" "有救"

enum class RuleOutcome { Forms, Breaks, Rescues };
std::string_view RuleOutcomeName(RuleOutcome o);  // "成" "败" "救"

// A rule of 成, 败 or 救应 that held, with the fact that made it hold.
struct RuleHit {
    std::string_view id;  // "官-败-伤"
    RuleOutcome outcome = RuleOutcome::Forms;
    std::string_view rule;    // "官逢伤官"
    std::string_view source;  // "子平真诠·论正官"
    std::string fact;         // "年干丁为伤官"
};

struct PatternFinding {
    std::string method;
    PatternKind kind = PatternKind::DirectOfficer;        // the pattern shown: special where one holds
    PatternKind monthOrder = PatternKind::DirectOfficer;  // the 正格 by the month order, always
    int monthStem = -1;     // the stem of the month branch that decided the 正格 (-1 for none)
    int shownAt = -1;       // the stem position (0, 1, 3) it shows at when 透, else -1
    std::string decidedBy;  // the fact that decided the 正格
    std::string condition;  // for a special pattern: the condition that held
    PatternState state = PatternState::Formed;
    std::vector<RuleHit> rules;  // every rule that held, 败 with the 救 that answer them
    std::vector<std::string> evidence;
    TextKey key;
    std::string text;
};

// ---- 3. 用神 喜神 忌神 ----

enum class UsefulMethod { Support, Climate, Follow, Mediate, Remedy };
std::string_view UsefulMethodName(UsefulMethod m);  // "扶抑" "调候" "顺势" "通关" "病药"

// What one method alone would choose.
struct MethodChoice {
    UsefulMethod method = UsefulMethod::Support;
    chart::Element element = chart::Element::Wood;
    std::string reason;
};

struct UsefulFinding {
    std::string method;
    chart::Element yong = chart::Element::Wood;
    std::vector<chart::Element> xi, ji;  // never holding yong; xi and ji disjoint
    UsefulMethod decidedBy = UsefulMethod::Support;
    std::vector<MethodChoice> choices;  // each method that applies, the deciding one first
    std::vector<int> tiaohouStems;      // the climate table's cell for the day stem and month
    std::string decision;               // which method decides and why, when they differ
    std::vector<std::string> evidence;
    TextKey key;
    std::string text;
};

// ---- 4. 月令 ----

struct MonthFinding {
    std::string method;
    int monthPillar = 0;
    chart::Element ruling = chart::Element::Wood;  // 当令
    Vigour dayVigour = Vigour::Ruling;
    std::vector<std::string> evidence;
    TextKey key;
    std::string text;
};

// ---- 5, 6. 大运 流年 ----

// How an element stands to the useful god: 喜 (用 or 喜), 忌, or 闲 (neither).
enum class Stance { Favourable, Unfavourable, Neutral };
std::string_view StanceName(Stance s);  // "喜" "忌" "闲"

enum class Verdict { Advance, Steady, Guard };
std::string_view VerdictName(Verdict v);  // "宜进" "平稳" "宜守"

// A relation of a luck pillar or a year to the natal chart (or of a year to its luck pillar).
enum class FortuneLink {
    ClashMonth,      // 冲提纲
    ClashDay,        // 冲日支
    CombineMonth,    // 合提纲 (六合)
    CombineDay,      // 合日支 (六合)
    TrineForms,      // 三合成局
    DirectionForms,  // 三会成方
    Repeat,          // 伏吟
    Opposite,        // 反吟
    TaiSuiSame,      // 值太岁
    TaiSuiClash,     // 冲太岁
    TaiSuiPunish,    // 刑太岁
    TaiSuiHarm,      // 害太岁
    TaiSuiBreak,     // 破太岁
    TaiSuiCombine,   // 合太岁
    LuckAndYear,     // 岁运并临
};
inline constexpr int kFortuneLinks = 15;
std::string_view FortuneLinkName(FortuneLink l);  // "冲提纲", …

struct FortuneRelation {
    FortuneLink link = FortuneLink::ClashMonth;
    std::string fact;                      // "寅申冲（月支）"
    std::optional<chart::Element> formed;  // 三合 and 三会: the element formed
    Stance stance = Stance::Neutral;       // of the formed element; 闲 otherwise
    TextKey key;
    std::string text;
};

// One luck pillar (大运) or one year (流年) judged against the useful god.
struct FortuneFinding {
    int pillar = 0;      // sexagenary index
    int year = 0;        // a luck pillar's first Gregorian year, or the year itself
    int age = 0;         // nominal age (虚岁) in that year; 0 when unknown
    int luckIndex = -1;  // for a year: the luck pillar in effect (index into Analysis::luck), -1 for none
    chart::TenGod stemGod = chart::TenGod::Companion,
                  branchGod = chart::TenGod::Companion;  // branch: its 本气
    Stance stemStance = Stance::Neutral, branchStance = Stance::Neutral;
    std::vector<FortuneRelation> relations;
    Verdict verdict = Verdict::Steady;
    std::vector<std::string> evidence;
    TextKey stemKey, branchKey;
    std::string text;  // the stem's and the branch's paragraphs, then the relations'
};

// ---- 7. 总评 ----

struct SummarySentence {
    std::string text;
    Section section = Section::Strength;  // the finding it comes from
    int index = 0;                        // within a luck or years section; 0 elsewhere
};

// ---- 8. 神煞 ----

struct ShenshaFinding {
    std::string_view name;       // "天乙贵人"
    std::string_view rule;       // "以日干查：甲戊庚牛羊…"
    std::string_view source;     // "三命通会·论天乙贵人"
    std::vector<int> positions;  // pillar positions 0-3 where the star stands, ascending
    TextKey key;
    std::string text;  // empty where the star is absent
};

struct Analysis {
    std::array<int, 4> pillars{};
    bool hasLuck = false;  // false for a chart known only by its pillars: no luck, years or summary
    StrengthFinding strength;
    PatternFinding pattern;
    UsefulFinding useful;
    MonthFinding month;
    std::string luckMethod;
    std::vector<FortuneFinding> luck;
    std::string yearsMethod;
    std::vector<FortuneFinding> years;
    std::string summaryMethod;
    std::vector<SummarySentence> summary;
    std::string shenshaMethod;
    std::vector<ShenshaFinding> shensha;
};

}  // namespace analysis
