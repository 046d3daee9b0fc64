// The pattern: the month order's regular pattern, the special patterns, and
// the state by the rule table.
#include "Pattern.h"

#include <algorithm>

#include "Format.h"
#include "PatternFacts.h"
#include "PatternRules.h"

namespace analysis {
namespace {

using chart::Element;
using chart::TenGod;

constexpr std::string_view kPatternMethod =
    "以月令取格（子平真诠）：月令为禄为建禄，阳干月令为刃为月刃；寅申巳亥四生之月取本气；子午卯酉与辰戌丑未"
    "以月令藏干透出者为格，本气先、中气次、余气后，皆不透取本气；从、专旺、化气之格只依古法条件；"
    "格之成败救应按子平真诠诸条而定";
// A 从 pattern follows one group where it outweighs the next by this factor; otherwise it is 从势.
constexpr double kFollowLead = 1.5;

PatternKind KindOfGod(TenGod g) {
    switch (g) {
        case TenGod::EatingGod:
            return PatternKind::EatingGod;
        case TenGod::HurtingOfficer:
            return PatternKind::HurtingOfficer;
        case TenGod::IndirectWealth:
            return PatternKind::IndirectWealth;
        case TenGod::DirectWealth:
            return PatternKind::DirectWealth;
        case TenGod::SevenKillings:
            return PatternKind::SevenKillings;
        case TenGod::DirectOfficer:
            return PatternKind::DirectOfficer;
        case TenGod::IndirectSeal:
            return PatternKind::IndirectSeal;
        case TenGod::DirectSeal:
            return PatternKind::DirectSeal;
        case TenGod::Companion:
        case TenGod::RobWealth:
            break;
    }
    return PatternKind::Jianlu;
}

std::string BranchOf(int b) {
    return Str(chart::BranchName(b));
}

std::string StemOf(int s) {
    return Str(chart::StemName(s));
}

bool IsGrowthMonth(int branch) {
    return branch == 2 || branch == 8 || branch == 5 || branch == 11;
}

bool IsEarthStorehouse(int branch) {
    return branch == 4 || branch == 10 || branch == 1 || branch == 7;
}

// Names of a set of gods, a pair given by its group's name: "财、官杀".
std::string GodSetNames(GodSet set) {
    std::vector<std::string> names;
    for (int pair = 0; pair < 5; ++pair) {
        const TenGod a = static_cast<TenGod>(2 * pair), b = static_cast<TenGod>(2 * pair + 1);
        const bool hasA = (set & Gods(a)) != 0, hasB = (set & Gods(b)) != 0;
        if (hasA && hasB)
            names.emplace_back(GroupName(static_cast<GodGroup>(pair)));
        else if (hasA)
            names.emplace_back(chart::TenGodName(a));
        else if (hasB)
            names.emplace_back(chart::TenGodName(b));
    }
    return Join(names, "、");
}

// The relations on the month branch that strike or join it, named with their pillars.
std::string MonthLinkText(const Natal& n, MonthTouch touch) {
    std::vector<std::string> parts;
    for (const chart::ChartRelation& r : n.relations) {
        if (!OnMonth(r) || TouchOf(r.kind) != touch) continue;
        std::vector<std::string> where;
        for (int p : r.pillars) where.push_back(Str(PositionName(p)) + "支");
        parts.push_back(r.members + Str(chart::RelationKindName(r.kind)) + "（" + Join(where, "、") + "）");
    }
    return Join(parts, "，");
}

// The fact a rule rests on, named from the chart.
std::string RuleFact(const Natal& n, const PatternRule& rule) {
    std::vector<std::string> parts;
    GodSet unshown = rule.present;
    for (int pos : kOtherStemPositions) {
        const NatalPillar& p = n.pillars[pos];
        if (rule.present & Gods(p.stemGod)) {
            parts.push_back(Str(PositionName(pos)) + "干" + StemGod(p.stem, p.stemGod));
            unshown &= static_cast<GodSet>(~Gods(p.stemGod));
        }
    }
    for (int pos = 0; pos < 4; ++pos) {
        const NatalHidden& main = n.pillars[pos].hidden.front();
        if (unshown & Gods(main.god))
            parts.push_back(Str(PositionName(pos)) + "支" + BranchOf(n.pillars[pos].branch) + "藏" +
                            StemGod(main.stem, main.god));
    }
    if (rule.combination)
        for (std::size_t i = 0; i < kOtherStemPositions.size(); ++i)
            for (std::size_t j = i + 1; j < kOtherStemPositions.size(); ++j) {
                const NatalPillar& a = n.pillars[kOtherStemPositions[i]];
                const NatalPillar& b = n.pillars[kOtherStemPositions[j]];
                if (chart::StemsCombine(a.stem, b.stem) &&
                    (rule.present & (Gods(a.stemGod) | Gods(b.stemGod))))
                    parts.push_back(Str(PositionName(kOtherStemPositions[i])) + "干" + StemOf(a.stem) + "合" +
                                    Str(PositionName(kOtherStemPositions[j])) + "干" + StemOf(b.stem));
            }
    if (rule.monthClash) parts.push_back(MonthLinkText(n, MonthTouch::Strikes));
    if (rule.monthCombine) parts.push_back(MonthLinkText(n, MonthTouch::Joins));
    if (rule.absent) parts.push_back("不见" + GodSetNames(rule.absent));
    return Join(parts, "，");
}

RuleHit Hit(const Natal& n, const PatternRule& r) {
    return {r.id, r.outcome, r.rule, r.source, RuleFact(n, r)};
}

// 化气: the day stem combines with the month or the hour stem alone; the
// element formed rules the month; no other stem controls it; the day master
// has no root of its own element.
std::optional<PatternKind> Transformation(const Natal& n, std::string& condition) {
    int partner = -1, count = 0;
    for (int pos : {kMonth, kHour})
        if (chart::StemsCombine(n.dayStem, n.pillars[pos].stem)) {
            partner = pos;
            ++count;
        }
    if (count != 1) return std::nullopt;  // none, or two suitors (争合)
    const Element formed = chart::StemCombineElement(n.dayStem, n.pillars[partner].stem);
    if (RulingElement(n.monthBranch) != formed) return std::nullopt;
    const Element controller = static_cast<Element>((static_cast<int>(formed) + 3) % 5);
    for (int pos : kOtherStemPositions)
        if (pos != partner && chart::StemElement(n.pillars[pos].stem) == controller) return std::nullopt;
    for (const NatalPillar& p : n.pillars)
        for (const NatalHidden& h : p.hidden)
            if (GroupOf(h.god) == GodGroup::Companions) return std::nullopt;
    condition = "化气：日干" + StemOf(n.dayStem) + "合" + Str(PositionName(partner)) + "干" +
                StemOf(n.pillars[partner].stem) + "，化" + Str(chart::ElementName(formed)) + "；月令" +
                BranchOf(n.monthBranch) + "，" + Str(chart::ElementName(formed)) + "当令；他干无" +
                Str(chart::ElementName(controller)) + "克化神；日主无比劫之根（滴天髓·化象）";
    constexpr PatternKind kByElement[5] = {PatternKind::TransformWood, PatternKind::TransformFire,
                                           PatternKind::TransformEarth, PatternKind::TransformMetal,
                                           PatternKind::TransformWater};
    return kByElement[static_cast<int>(formed)];
}

// Which group a 从弱 chart follows: 食伤, 财 or 官杀 by their weight
// (each stem 1, each hidden stem its share), or 从势 where none leads.
PatternKind FollowedGroup(const Natal& n, std::string& condition) {
    std::array<double, 5> weight{};
    for (int pos : kOtherStemPositions) weight[static_cast<int>(GroupOf(n.pillars[pos].stemGod))] += 1;
    for (const NatalPillar& p : n.pillars)
        for (const NatalHidden& h : p.hidden) weight[static_cast<int>(GroupOf(h.god))] += h.share;
    const std::array<GodGroup, 3> groups = {GodGroup::Output, GodGroup::Wealth, GodGroup::Power};
    std::array<GodGroup, 3> order = groups;
    std::stable_sort(order.begin(), order.end(), [&](GodGroup a, GodGroup b) {
        return weight[static_cast<int>(a)] > weight[static_cast<int>(b)];
    });
    const double top = weight[static_cast<int>(order[0])], second = weight[static_cast<int>(order[1])];
    std::string weights;
    for (GodGroup g : groups)
        weights +=
            Str(GroupName(g)) + Decimal(weight[static_cast<int>(g)]) + (g == GodGroup::Power ? "" : "、");
    if (top < kFollowLead * second) {
        condition = "从势：日主从弱，食伤、财、官杀之势相当（" + weights + "），无一独旺";
        return PatternKind::FollowTrend;
    }
    condition = "日主从弱，" + Str(GroupName(order[0])) + "独旺（" + weights + "），从其势";
    switch (order[0]) {
        case GodGroup::Output:
            return PatternKind::FollowOutput;
        case GodGroup::Wealth:
            return PatternKind::FollowWealth;
        case GodGroup::Power:
        case GodGroup::Companions:
        case GodGroup::Resource:
            break;
    }
    return PatternKind::FollowPower;
}

PatternKind DominantKind(Element e) {
    constexpr PatternKind kByElement[5] = {PatternKind::Quzhi, PatternKind::Yanshang, PatternKind::Jiase,
                                           PatternKind::Congge, PatternKind::Runxia};
    return kByElement[static_cast<int>(e)];
}

std::string HiddenLine(const Natal& n) {
    const NatalPillar& m = n.pillars[kMonth];
    std::vector<std::string> parts;
    for (const NatalHidden& h : m.hidden) {
        std::vector<std::string> at;
        for (int pos : kOtherStemPositions)
            if (n.pillars[pos].stem == h.stem) at.push_back(Str(PositionName(pos)) + "干");
        parts.push_back(StemGod(h.stem, h.god) + "（" + Str(RankName(h.rank)) + "，" +
                        (at.empty() ? std::string("不透") : "透于" + Join(at, "、")) + "）");
    }
    return "月令" + BranchOf(m.branch) + "藏" + Join(parts, "、");
}

}  // namespace

MonthOrder MonthOrderOf(const Natal& n) {
    MonthOrder o;
    const int mb = n.monthBranch;
    const chart::Stage stage = n.pillars[kMonth].stage;
    const std::vector<NatalHidden>& hidden = n.pillars[kMonth].hidden;
    if (stage == chart::Stage::Office) {
        o.kind = PatternKind::Jianlu;
        o.decidedBy = "月令" + BranchOf(mb) + "为日主" + StemOf(n.dayStem) + "之禄（临官），取建禄格";
        return o;
    }
    if (stage == chart::Stage::Peak && chart::StemIsYang(n.dayStem)) {
        o.kind = PatternKind::MonthBlade;
        o.decidedBy = "月令" + BranchOf(mb) + "为日主" + StemOf(n.dayStem) + "之刃（帝旺），取月刃格";
        return o;
    }
    if (stage == chart::Stage::Peak && hidden.front().god == TenGod::RobWealth) {
        o.kind = PatternKind::Jianlu;
        o.decidedBy = "月令" + BranchOf(mb) + "本气" + StemGod(hidden.front().stem, hidden.front().god) +
                      "，为月劫，与建禄同论";
        return o;
    }
    const std::string storehouse = IsEarthStorehouse(mb) ? "（辰戌丑未为杂气，以透者为先）" : "";
    // 寅申巳亥 are the four 生 months: their 本气 holds the month whether it
    // shows or not, and a 中气 or 余气 that shows only assists it.
    if (IsGrowthMonth(mb) && GroupOf(hidden.front().god) != GodGroup::Companions) {
        const NatalHidden& main = hidden.front();
        o.kind = KindOfGod(main.god);
        o.stem = main.stem;
        for (int pos : {kMonth, kYear, kHour})
            if (o.shownAt < 0 && n.pillars[pos].stem == main.stem) o.shownAt = pos;
        o.decidedBy = "月令" + BranchOf(mb) + "本气" + StemGod(main.stem, main.god) +
                      "，寅申巳亥四生之月本气当权，取" + Str(PatternName(o.kind));
        return o;
    }
    for (const NatalHidden& h : hidden) {
        if (GroupOf(h.god) == GodGroup::Companions) continue;
        for (int pos : {kMonth, kYear, kHour}) {
            if (n.pillars[pos].stem != h.stem) continue;
            o.kind = KindOfGod(h.god);
            o.stem = h.stem;
            o.shownAt = pos;
            o.decidedBy = "月令" + BranchOf(mb) + "藏" + StemGod(h.stem, h.god) + "（" +
                          Str(RankName(h.rank)) + "），透于" + Str(PositionName(pos)) + "干，取" +
                          Str(PatternName(o.kind)) + storehouse;
            return o;
        }
    }
    const NatalHidden& main = hidden.front();
    if (GroupOf(main.god) != GodGroup::Companions) {
        o.kind = KindOfGod(main.god);
        o.stem = main.stem;
        o.decidedBy = "月令" + BranchOf(mb) + "本气" + StemGod(main.stem, main.god) +
                      "，藏干皆不透，取本气为" + Str(PatternName(o.kind)) + storehouse;
        return o;
    }
    o.kind = PatternKind::Jianlu;
    o.decidedBy = "月令" + BranchOf(mb) + "本气" + StemGod(main.stem, main.god) +
                  "，余藏皆不透，以禄劫论，归建禄格" + storehouse;
    return o;
}

PatternFinding AssessPattern(const Natal& n, const StrengthFinding& strength) {
    PatternFinding f;
    f.method = Str(kPatternMethod);
    const MonthOrder order = MonthOrderOf(n);
    f.monthOrder = order.kind;
    f.kind = order.kind;
    f.monthStem = order.stem;
    f.shownAt = order.shownAt;
    f.decidedBy = order.decidedBy;
    f.evidence.push_back(HiddenLine(n));
    f.evidence.push_back(order.decidedBy);

    std::optional<PatternKind> special = Transformation(n, f.condition);
    if (!special) {
        switch (strength.band) {
            case Band::Dominant:
                special = DominantKind(n.dayElement);
                f.condition = strength.condition;
                break;
            case Band::FollowStrong:
                special = PatternKind::FollowStrong;
                f.condition = strength.condition;
                break;
            case Band::FollowWeak:
                special = FollowedGroup(n, f.condition);
                f.condition = strength.condition + "；" + f.condition;
                break;
            case Band::Weak:
            case Band::Balanced:
            case Band::Strong:
                break;
        }
    }
    if (special) {
        f.kind = *special;
        f.state = PatternState::Formed;
        f.rules.push_back(
            {"特-成", RuleOutcome::Forms, "外格条件俱备", "子平真诠·论杂格；滴天髓", f.condition});
        f.evidence.push_back("外格：" + f.condition + "，取" + Str(PatternName(f.kind)) + "（月令本为" +
                             Str(PatternName(order.kind)) + "）");
        f.evidence.push_back("格成：外格以其条件为成");
        return f;
    }

    const PatternFacts facts = GatherPatternFacts(n, strength.band);
    const PatternFamily family = FamilyOf(order.kind);
    std::vector<const PatternRule*> forms, breaks, rescues;
    for (const PatternRule& r : PatternRules()) {
        if (r.family != family || !r.holds(facts)) continue;
        (r.outcome == RuleOutcome::Forms    ? forms
         : r.outcome == RuleOutcome::Breaks ? breaks
                                            : rescues)
            .push_back(&r);
    }
    std::vector<const PatternRule*> unanswered;
    for (const PatternRule* b : breaks)
        if (std::none_of(rescues.begin(), rescues.end(),
                         [&](const PatternRule* r) { return r->answers == b->id; }))
            unanswered.push_back(b);
    f.state = !unanswered.empty() ? PatternState::Broken
              : !breaks.empty()   ? PatternState::Rescued
                                  : PatternState::Formed;
    if (forms.empty() && breaks.empty()) forms.push_back(&PlainFormingRule());
    for (const auto* list : {&forms, &breaks}) {
        for (const PatternRule* r : *list) {
            f.rules.push_back(Hit(n, *r));
            if (r->outcome != RuleOutcome::Breaks) continue;
            for (const PatternRule* s : rescues)
                if (s->answers == r->id) f.rules.push_back(Hit(n, *s));
        }
    }
    for (const RuleHit& h : f.rules)
        f.evidence.push_back(Str(RuleOutcomeName(h.outcome)) + "：" + Str(h.rule) +
                             (h.fact.empty() ? "" : "——" + h.fact) + "（" + Str(h.source) + "）");
    f.evidence.push_back("格" + Str(PatternStateName(f.state)) +
                         (f.state == PatternState::Broken    ? "：破格之神无救"
                          : f.state == PatternState::Rescued ? "：破格之神皆有救应"
                                                             : "：不见破格之神"));
    return f;
}

}  // namespace analysis
