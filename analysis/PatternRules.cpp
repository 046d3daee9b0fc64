// The rule table. Wording follows 子平真诠 (沈孝瞻), 论用神成败救应 and the
// chapters on each pattern; a rule's condition reads the facts as follows:
// "透" is a god among the year, month and hour stems (Shown), "见" is 透 or
// the 本气 of a branch (Seen), "身强/身弱" is the band of the strength section.
#include "PatternRules.h"

#include <array>

namespace analysis {
namespace {

using F = PatternFacts;
using O = RuleOutcome;
using P = PatternFamily;

constexpr std::string_view kGeneral = "子平真诠·论用神成败救应";
constexpr std::string_view kOfficerCh = "子平真诠·论正官";
constexpr std::string_view kSealCh = "子平真诠·论印绶";
constexpr std::string_view kKillingsCh = "子平真诠·论偏官";
constexpr std::string_view kHurtingCh = "子平真诠·论伤官";
constexpr std::string_view kBladeCh = "子平真诠·论阳刃";
constexpr std::string_view kJianluCh = "子平真诠·论建禄月劫";

// id, family, outcome, answers, rule, source, present, absent, combination, monthClash, monthCombine,
// condition
constexpr std::array kRules = {
    // 正官
    PatternRule{
        "官-成-财印", P::Officer, O::Forms, "", "官逢财印，又无刑冲破害", kGeneral, kWealth | kSeal, 0, false,
        false, false,
        [](const F& f) { return f.Seen(kWealth) && f.Seen(kSeal) && !f.Shown(kHurting) && !f.monthClashed; }},
    PatternRule{"官-成-财", P::Officer, O::Forms, "", "身强官轻，单用财以生官", kOfficerCh, kWealth, kSeal,
                false, false, false,
                [](const F& f) { return f.Seen(kWealth) && !f.Seen(kSeal) && !f.Weak(); }},
    PatternRule{"官-成-印", P::Officer, O::Forms, "", "官重身轻，单用印以护官", kOfficerCh, kSeal, kWealth,
                false, false, false, [](const F& f) { return f.Seen(kSeal) && !f.Seen(kWealth); }},
    PatternRule{"官-败-伤", P::Officer, O::Breaks, "", "官逢伤官", kGeneral, kHurting, 0, false, false, false,
                [](const F& f) { return f.Shown(kHurting); }},
    PatternRule{"官-败-冲", P::Officer, O::Breaks, "", "官逢刑冲", kGeneral, 0, 0, false, true, false,
                [](const F& f) { return f.monthClashed; }},
    PatternRule{"官-败-杂", P::Officer, O::Breaks, "", "官煞混杂", kOfficerCh, kKillings, 0, false, false,
                false, [](const F& f) { return f.Shown(kKillings); }},
    PatternRule{"官-救-印", P::Officer, O::Rescues, "官-败-伤", "官逢伤而透印以解之", kGeneral, kSeal, 0,
                false, false, false, [](const F& f) { return f.Shown(kSeal); }},
    PatternRule{"官-救-合煞", P::Officer, O::Rescues, "官-败-杂", "杂煞而合煞以清之", kGeneral, kKillings, 0,
                true, false, false, [](const F& f) { return f.Combined(kKillings); }},
    PatternRule{"官-救-会合", P::Officer, O::Rescues, "官-败-冲", "刑冲而会合以解之", kGeneral, 0, 0, false,
                false, true, [](const F& f) { return f.monthCombined; }},
    // 七杀
    PatternRule{"杀-成-制", P::Killings, O::Forms, "", "身强七杀逢制", kGeneral, kOutput, 0, false, false,
                false, [](const F& f) { return !f.Weak() && f.Shown(kOutput); }},
    PatternRule{"杀-成-印", P::Killings, O::Forms, "", "煞无食制而用印当之", kKillingsCh, kSeal, kOutput,
                false, false, false, [](const F& f) { return f.Seen(kSeal) && !f.Shown(kOutput); }},
    PatternRule{"杀-败-财", P::Killings, O::Breaks, "", "七煞逢财无制", kGeneral, kWealth, kOutput, false,
                false, false, [](const F& f) { return f.Seen(kWealth) && !f.Shown(kOutput); }},
    PatternRule{"杀-败-枭", P::Killings, O::Breaks, "", "制煞之食逢枭", kKillingsCh, kEating | kIndirectSeal,
                0, false, false, false,
                [](const F& f) { return f.Shown(kEating) && f.Shown(kIndirectSeal); }},
    PatternRule{"杀-败-杂", P::Killings, O::Breaks, "", "煞而杂官", kKillingsCh, kOfficer, 0, false, false,
                false, [](const F& f) { return f.Shown(kOfficer); }},
    PatternRule{"杀-救-财", P::Killings, O::Rescues, "杀-败-枭", "逢财以去印存食", kGeneral, kWealth, 0,
                false, false, false, [](const F& f) { return f.Shown(kWealth); }},
    PatternRule{"杀-救-去官", P::Killings, O::Rescues, "杀-败-杂", "去官留煞，取清则贵", kKillingsCh,
                kOfficer, 0, true, false, false, [](const F& f) { return f.Combined(kOfficer); }},
    // 财 (正财、偏财)
    PatternRule{"财-成-官", P::Wealth, O::Forms, "", "财旺生官", kGeneral, kOfficer, 0, false, false, false,
                [](const F& f) { return f.Seen(kOfficer); }},
    PatternRule{"财-成-食", P::Wealth, O::Forms, "", "财逢食生而身强带比", kGeneral, kOutput, 0, false, false,
                false, [](const F& f) { return f.Seen(kOutput) && !f.Weak(); }},
    PatternRule{"财-成-印", P::Wealth, O::Forms, "", "财格透印而位置妥贴，两不相克", kGeneral, kSeal, 0,
                false, false, false, [](const F& f) { return f.Shown(kSeal) && !f.wealthBesideSeal; }},
    PatternRule{"财-败-劫", P::Wealth, O::Breaks, "", "财轻比重", kGeneral, kCompanions, 0, false, false,
                false, [](const F& f) { return f.Shown(kCompanions) && !f.Weak(); }},
    PatternRule{"财-败-煞", P::Wealth, O::Breaks, "", "财透七煞", kGeneral, kKillings, 0, false, false, false,
                [](const F& f) { return f.Shown(kKillings); }},
    PatternRule{"财-救-食", P::Wealth, O::Rescues, "财-败-劫", "财逢劫而透食以化之", kGeneral, kOutput, 0,
                false, false, false, [](const F& f) { return f.Shown(kOutput); }},
    PatternRule{"财-救-官", P::Wealth, O::Rescues, "财-败-劫", "财逢劫而生官以制之", kGeneral, kOfficer, 0,
                false, false, false, [](const F& f) { return f.Shown(kOfficer); }},
    PatternRule{"财-救-制煞", P::Wealth, O::Rescues, "财-败-煞", "逢煞而食神制煞以生财", kGeneral, kEating, 0,
                false, false, false, [](const F& f) { return f.Shown(kEating); }},
    PatternRule{"财-救-合煞", P::Wealth, O::Rescues, "财-败-煞", "存财而合煞", kGeneral, kKillings, 0, true,
                false, false, [](const F& f) { return f.Combined(kKillings); }},
    // 印 (正印、偏印)
    PatternRule{"印-成-煞", P::Seal, O::Forms, "", "印轻逢煞", kGeneral, kKillings, 0, false, false, false,
                [](const F& f) { return f.Shown(kKillings) && !f.Strong(); }},
    PatternRule{"印-成-官", P::Seal, O::Forms, "", "官印双全", kGeneral, kOfficer, 0, false, false, false,
                [](const F& f) { return f.Seen(kOfficer); }},
    PatternRule{"印-成-食", P::Seal, O::Forms, "", "身印两旺而用食伤泄气", kGeneral, kOutput, 0, false, false,
                false, [](const F& f) { return f.Strong() && f.Shown(kOutput); }},
    PatternRule{"印-成-财", P::Seal, O::Forms, "", "印多逢财而财透根轻", kGeneral, kWealth, 0, false, false,
                false, [](const F& f) { return f.Strong() && f.Shown(kWealth); }},
    PatternRule{"印-败-财", P::Seal, O::Breaks, "", "印轻逢财", kGeneral, kWealth, 0, false, false, false,
                [](const F& f) { return f.Shown(kWealth) && !f.Strong(); }},
    PatternRule{"印-败-煞", P::Seal, O::Breaks, "", "身强印重而透煞", kGeneral, kKillings, 0, false, false,
                false, [](const F& f) { return f.Strong() && f.Shown(kKillings); }},
    PatternRule{"印-救-劫", P::Seal, O::Rescues, "印-败-财", "印逢财而劫财以解之", kGeneral, kCompanions, 0,
                false, false, false, [](const F& f) { return f.Shown(kCompanions); }},
    PatternRule{"印-救-合财", P::Seal, O::Rescues, "印-败-财", "合财而存印", kGeneral, kWealth, 0, true,
                false, false, [](const F& f) { return f.Combined(kWealth); }},
    PatternRule{"印-救-制煞", P::Seal, O::Rescues, "印-败-煞", "印而兼透官煞，或合煞，或有制", kSealCh,
                kKillings | kEating, 0, false, false, false,
                [](const F& f) { return f.Combined(kKillings) || f.Shown(kEating); }},
    // 食神
    PatternRule{"食-成-财", P::Eating, O::Forms, "", "食神生财", kGeneral, kWealth, 0, false, false, false,
                [](const F& f) { return f.Seen(kWealth) && !f.Shown(kKillings); }},
    PatternRule{"食-成-煞", P::Eating, O::Forms, "", "食带煞而无财", kGeneral, kKillings, kWealth, false,
                false, false, [](const F& f) { return f.Shown(kKillings) && !f.Shown(kWealth); }},
    PatternRule{"食-成-煞印", P::Eating, O::Forms, "", "弃食就煞而透印", kGeneral, kKillings | kSeal, 0,
                false, false, false, [](const F& f) { return f.Shown(kKillings) && f.Shown(kSeal); }},
    PatternRule{"食-败-枭", P::Eating, O::Breaks, "", "食神逢枭", kGeneral, kIndirectSeal, 0, false, false,
                false, [](const F& f) { return f.Shown(kIndirectSeal); }},
    PatternRule{"食-败-煞", P::Eating, O::Breaks, "", "食神生财露煞", kGeneral, kWealth | kKillings, 0, false,
                false, false, [](const F& f) { return f.Seen(kWealth) && f.Shown(kKillings); }},
    PatternRule{"食-救-煞", P::Eating, O::Rescues, "食-败-枭", "食逢枭而就煞以成格", kGeneral, kKillings, 0,
                false, false, false, [](const F& f) { return f.Shown(kKillings); }},
    PatternRule{"食-救-财", P::Eating, O::Rescues, "食-败-枭", "食逢枭而生财以护食", kGeneral, kWealth, 0,
                false, false, false, [](const F& f) { return f.Shown(kWealth); }},
    PatternRule{"食-救-合煞", P::Eating, O::Rescues, "食-败-煞", "露煞而煞逢合", kGeneral, kKillings, 0, true,
                false, false, [](const F& f) { return f.Combined(kKillings); }},
    // 伤官
    PatternRule{"伤-成-财", P::Hurting, O::Forms, "", "伤官生财", kGeneral, kWealth, 0, false, false, false,
                [](const F& f) { return f.Seen(kWealth); }},
    PatternRule{"伤-成-印", P::Hurting, O::Forms, "", "伤官佩印而印有根", kGeneral, kSeal, 0, false, false,
                false, [](const F& f) { return f.Shown(kSeal) && (f.rooted & kSeal) && !f.Strong(); }},
    PatternRule{"伤-成-煞印", P::Hurting, O::Forms, "", "伤官旺、身主弱而透煞印", kGeneral, kKillings | kSeal,
                0, false, false, false,
                [](const F& f) { return f.Weak() && f.Shown(kKillings) && f.Shown(kSeal); }},
    PatternRule{"伤-成-煞", P::Hurting, O::Forms, "", "伤官带煞而无财", kGeneral, kKillings, kWealth, false,
                false, false, [](const F& f) { return f.Shown(kKillings) && !f.Shown(kWealth); }},
    PatternRule{"伤-败-官", P::Hurting, O::Breaks, "", "伤官非金水而见官", kGeneral, kOfficer, 0, false,
                false, false, [](const F& f) { return f.Shown(kOfficer) && !f.winterMetal; }},
    PatternRule{"伤-败-煞", P::Hurting, O::Breaks, "", "伤官生财而带煞", kGeneral, kWealth | kKillings, 0,
                false, false, false, [](const F& f) { return f.Seen(kWealth) && f.Shown(kKillings); }},
    PatternRule{"伤-败-印", P::Hurting, O::Breaks, "", "佩印而伤轻身旺", kGeneral, kSeal, 0, false, false,
                false, [](const F& f) { return f.Shown(kSeal) && f.Strong(); }},
    PatternRule{"伤-救-财", P::Hurting, O::Rescues, "伤-败-官", "伤官见官而透财以解之", kHurtingCh, kWealth,
                0, false, false, false, [](const F& f) { return f.Shown(kWealth); }},
    PatternRule{"伤-救-印", P::Hurting, O::Rescues, "伤-败-官", "伤官见官而有印以护官", kHurtingCh, kSeal, 0,
                false, false, false, [](const F& f) { return f.Shown(kSeal); }},
    PatternRule{"伤-救-合煞", P::Hurting, O::Rescues, "伤-败-煞", "生财透煞而煞逢合", kGeneral, kKillings, 0,
                true, false, false, [](const F& f) { return f.Combined(kKillings); }},
    PatternRule{"伤-救-去印", P::Hurting, O::Rescues, "伤-败-印", "身旺伤轻而财以去印", kHurtingCh, kWealth,
                0, false, false, false, [](const F& f) { return f.Shown(kWealth); }},
    // 月刃
    PatternRule{
        "刃-成", P::Blade, O::Forms, "", "阳刃透官煞而露财印，不见伤官", kGeneral, kPower | kWealth | kSeal,
        0, false, false, false,
        [](const F&
               f) { return f.Shown(kPower) && (f.Seen(kWealth) || f.Seen(kSeal)) && !f.Shown(kHurting); }},
    PatternRule{"刃-败-无官", P::Blade, O::Breaks, "", "阳刃无官煞", kGeneral, 0, kPower, false, false, false,
                [](const F& f) { return !f.Seen(kPower); }},
    PatternRule{"刃-败-伤", P::Blade, O::Breaks, "", "刃用官煞而带伤食", kBladeCh, kPower | kHurting, 0,
                false, false, false, [](const F& f) { return f.Shown(kPower) && f.Shown(kHurting); }},
    PatternRule{"刃-救-印", P::Blade, O::Rescues, "刃-败-伤", "带伤食而重印以护之", kGeneral, kSeal, 0, false,
                false, false, [](const F& f) { return f.Shown(kSeal); }},
    // 建禄、月劫
    PatternRule{"禄-成-官", P::Jianlu, O::Forms, "", "禄劫透官而逢财印", kGeneral, kOfficer | kWealth | kSeal,
                0, false, false, false,
                [](const F& f) { return f.Shown(kOfficer) && (f.Seen(kWealth) || f.Seen(kSeal)); }},
    PatternRule{"禄-成-财", P::Jianlu, O::Forms, "", "禄劫透财而逢食伤", kGeneral, kWealth | kOutput, 0,
                false, false, false, [](const F& f) { return f.Shown(kWealth) && f.Seen(kOutput); }},
    PatternRule{"禄-成-煞", P::Jianlu, O::Forms, "", "禄劫透煞而遇制伏", kGeneral, kKillings | kOutput, 0,
                false, false, false, [](const F& f) { return f.Shown(kKillings) && f.Shown(kOutput); }},
    PatternRule{"禄-败-无", P::Jianlu, O::Breaks, "", "禄劫无财官", kGeneral, 0, kWealth | kPower, false,
                false, false, [](const F& f) { return !f.Seen(kWealth) && !f.Seen(kPower); }},
    PatternRule{"禄-败-煞印", P::Jianlu, O::Breaks, "", "禄劫透煞印而无制", kGeneral, kKillings | kSeal,
                kOutput, false, false, false,
                [](const F& f) { return f.Shown(kKillings) && f.Shown(kSeal) && !f.Shown(kOutput); }},
    PatternRule{"禄-败-伤", P::Jianlu, O::Breaks, "", "禄劫用官而官逢伤", kJianluCh, kOfficer | kHurting, 0,
                false, false, false, [](const F& f) { return f.Shown(kOfficer) && f.Shown(kHurting); }},
    PatternRule{"禄-救-印", P::Jianlu, O::Rescues, "禄-败-伤", "官逢伤而透印以解之", kGeneral, kSeal, 0,
                false, false, false, [](const F& f) { return f.Shown(kSeal); }},
};

constexpr PatternRule kPlain{"格-成-清", P::Any, O::Forms, "",    "格神不逢破格之神",           kGeneral, 0,
                             0,          false,  false,    false, [](const F&) { return true; }};

// Every rescue answers a breaking rule of its own family.
constexpr bool RescuesAnswerTheirFamily() {
    for (const PatternRule& r : kRules) {
        if (r.outcome != O::Rescues) continue;
        bool found = false;
        for (const PatternRule& b : kRules)
            found = found || (b.id == r.answers && b.outcome == O::Breaks && b.family == r.family);
        if (!found) return false;
    }
    return true;
}
static_assert(RescuesAnswerTheirFamily(), "a rescue must answer a breaking rule of its family");

}  // namespace

PatternFamily FamilyOf(PatternKind k) {
    switch (k) {
        case PatternKind::DirectOfficer:
            return P::Officer;
        case PatternKind::SevenKillings:
            return P::Killings;
        case PatternKind::DirectWealth:
        case PatternKind::IndirectWealth:
            return P::Wealth;
        case PatternKind::DirectSeal:
        case PatternKind::IndirectSeal:
            return P::Seal;
        case PatternKind::EatingGod:
            return P::Eating;
        case PatternKind::HurtingOfficer:
            return P::Hurting;
        case PatternKind::MonthBlade:
            return P::Blade;
        case PatternKind::Jianlu:
            return P::Jianlu;
        case PatternKind::FollowPower:
        case PatternKind::FollowWealth:
        case PatternKind::FollowOutput:
        case PatternKind::FollowTrend:
        case PatternKind::FollowStrong:
        case PatternKind::Quzhi:
        case PatternKind::Yanshang:
        case PatternKind::Jiase:
        case PatternKind::Congge:
        case PatternKind::Runxia:
        case PatternKind::TransformEarth:
        case PatternKind::TransformMetal:
        case PatternKind::TransformWater:
        case PatternKind::TransformWood:
        case PatternKind::TransformFire:
            break;
    }
    return P::Any;
}

std::span<const PatternRule> PatternRules() {
    return kRules;
}

const PatternRule& PlainFormingRule() {
    return kPlain;
}

}  // namespace analysis
