// Choosing the useful god, method by method, and deciding between them.
#include "Useful.h"

#include <algorithm>

#include "Format.h"
#include "Strength.h"
#include "Tiaohou.h"

namespace analysis {
namespace {

using chart::Element;

constexpr std::string_view kUsefulMethod =
    "扶抑：弱者取印比扶之，强者取官杀、食伤或财抑之，所取之神须见于局中（透干或为本气）；调候：依穷通宝鉴日干"
    "与月令之表；"
    "外格顺其势；冬夏之月调候之神见于局中则调候为急，余以扶抑为主；两行相战取通关，一行太过取病药，皆列为喜";
// 中和 leans to the weak side below the middle of its band.
constexpr int kBalancedMiddle = (kWeakBelow + kStrongFrom) / 2;

Element El(const Natal& n, GodGroup g) {
    return GroupElement(n.dayElement, g);
}

bool Has(const std::vector<Element>& list, Element e) {
    return std::find(list.begin(), list.end(), e) != list.end();
}

void AddUnique(std::vector<Element>& list, Element e) {
    if (!Has(list, e)) list.push_back(e);
}

void Remove(std::vector<Element>& list, Element e) {
    list.erase(std::remove(list.begin(), list.end(), e), list.end());
}

std::string ElName(Element e) {
    return Str(chart::ElementName(e));
}

std::string Named(const Natal& n, Element e) {
    return ElName(e) + "（" + Str(GroupName(GroupOfElement(n.dayElement, e))) + "）";
}

// One method's choice with the 喜 and 忌 it implies.
struct Choice {
    MethodChoice choice;
    std::vector<Element> xi, ji;
};

// Each element once in 喜 and in 忌: a weak day master pressed by its wealth
// names the wealth twice, as what presses and as what is feared.
Choice Make(UsefulMethod m, Element yong, const std::vector<Element>& xi, const std::vector<Element>& ji,
            std::string reason) {
    Choice c{{m, yong, std::move(reason)}, {}, {}};
    for (Element e : xi) AddUnique(c.xi, e);
    for (Element e : ji) AddUnique(c.ji, e);
    return c;
}

// An element is present when one of the three other stems or one branch's 本气 is of it.
bool Present(const Natal& n, Element e) {
    for (int pos : kOtherStemPositions)
        if (chart::StemElement(n.pillars[pos].stem) == e) return true;
    for (const NatalPillar& p : n.pillars)
        if (chart::StemElement(p.hidden.front().stem) == e) return true;
    return false;
}

// The first of the candidate groups that is present in the chart, else the first.
GodGroup FirstPresent(const Natal& n, std::initializer_list<GodGroup> candidates, std::string& note) {
    for (GodGroup g : candidates) {
        if (Present(n, El(n, g))) return g;
        note += Str(GroupName(g)) + "不见，";
    }
    note.clear();
    return *candidates.begin();
}

Choice SupportChoice(const Natal& n, const StrengthFinding& s, const std::array<double, 5>& w) {
    const auto weight = [&](GodGroup g) { return w[static_cast<int>(El(n, g))]; };
    const bool weakSide = s.band == Band::Weak || (s.band == Band::Balanced && s.score < kBalancedMiddle);
    std::string lean;
    if (s.band == Band::Balanced) lean = Str("中和而偏") + (weakSide ? "弱" : "强") + "，扶抑之意轻；";
    using G = GodGroup;
    std::string note;
    if (weakSide) {
        const double o = weight(G::Output), v = weight(G::Wealth), p = weight(G::Power);
        const G pressure = v >= p && v >= o ? G::Wealth : p >= o ? G::Power : G::Output;
        const G yong = pressure == G::Wealth ? FirstPresent(n, {G::Companions, G::Resource}, note)
                                             : FirstPresent(n, {G::Resource, G::Companions}, note);
        const G other = yong == G::Resource ? G::Companions : G::Resource;
        const std::string why = pressure == G::Wealth  ? "身弱而财重，"
                                : pressure == G::Power ? "身弱而官杀重，"
                                                       : "身弱而食伤泄重，";
        return Make(UsefulMethod::Support, El(n, yong), {El(n, other)}, {El(n, G::Wealth), El(n, pressure)},
                    lean + why + note + (yong == G::Resource ? "取印生身" : "取比劫帮身"));
    }
    // The day stem itself is not counted when 印 and 比劫 are weighed against each other.
    const bool sealHeavy = weight(G::Resource) > weight(G::Companions) - 1;
    const G yong = sealHeavy ? FirstPresent(n, {G::Wealth, G::Output}, note)
                             : FirstPresent(n, {G::Power, G::Output, G::Wealth}, note);
    const G xi = yong == G::Wealth ? G::Output : G::Wealth;
    const std::string why = sealHeavy ? "身强而印重，" : "身强而比劫重，";
    const std::string take = yong == G::Wealth ? "取财抑之" : yong == G::Power ? "取官杀制之" : "取食伤泄秀";
    return Make(UsefulMethod::Support, El(n, yong), {El(n, xi)}, {El(n, G::Resource), El(n, G::Companions)},
                lean + why + note + take);
}

Choice FollowChoice(const Natal& n, const PatternFinding& p, const std::array<double, 5>& w) {
    const Element companions = El(n, GodGroup::Companions), resource = El(n, GodGroup::Resource),
                  output = El(n, GodGroup::Output), wealth = El(n, GodGroup::Wealth),
                  power = El(n, GodGroup::Power);
    const std::string name(PatternName(p.kind));
    switch (p.kind) {
        case PatternKind::FollowPower:
            return Make(UsefulMethod::Follow, power, {wealth}, {resource, companions, output},
                        name + "：顺官杀之势，财生之为喜，印比与食伤为忌");
        case PatternKind::FollowWealth:
            return Make(UsefulMethod::Follow, wealth, {output, power}, {companions, resource},
                        name + "：顺财之势，食伤、官杀为喜，印比为忌");
        case PatternKind::FollowOutput:
            return Make(UsefulMethod::Follow, output, {wealth}, {resource, power},
                        name + "：顺食伤之势，财为喜，印与官杀为忌");
        case PatternKind::FollowTrend:
            return Make(UsefulMethod::Follow, wealth, {output, power}, {resource, companions},
                        name + "：食伤、财、官杀势均，取财通和其间，印比为忌");
        case PatternKind::FollowStrong: {
            const bool sealHeavier = w[static_cast<int>(resource)] > w[static_cast<int>(companions)] - 1;
            return Make(UsefulMethod::Follow, sealHeavier ? resource : companions,
                        {sealHeavier ? companions : resource}, {wealth, power},
                        name + "：顺印比之势，财与官杀为忌");
        }
        case PatternKind::Quzhi:
        case PatternKind::Yanshang:
        case PatternKind::Jiase:
        case PatternKind::Congge:
        case PatternKind::Runxia: {
            bool shows = false;
            for (int pos : kOtherStemPositions)
                shows = shows || GroupOf(n.pillars[pos].stemGod) == GodGroup::Output;
            if (shows)
                return Make(UsefulMethod::Follow, output, {companions, wealth}, {power, resource},
                            name + "：一行得气而食伤透出，顺其气势以泄秀，比劫与财为喜，官杀与印为忌");
            return Make(UsefulMethod::Follow, companions, {resource, output}, {power, wealth},
                        name + "：一行得气，顺其旺势，印与食伤为喜，官杀与财为忌");
        }
        case PatternKind::TransformEarth:
        case PatternKind::TransformMetal:
        case PatternKind::TransformWater:
        case PatternKind::TransformWood:
        case PatternKind::TransformFire: {
            // 化土 化金 化水 化木 化火 are earth, metal, water, wood, fire: two steps on from wood.
            const Element formed = static_cast<Element>(
                (static_cast<int>(p.kind) - static_cast<int>(PatternKind::TransformEarth) + 2) % 5);
            const Element source = static_cast<Element>((static_cast<int>(formed) + 4) % 5);
            const Element controller = static_cast<Element>((static_cast<int>(formed) + 3) % 5);
            return Make(UsefulMethod::Follow, formed, {source}, {controller},
                        name + "：以化神" + ElName(formed) + "为用，生化神者为喜，克化神者为忌");
        }
        case PatternKind::DirectOfficer:
        case PatternKind::SevenKillings:
        case PatternKind::DirectWealth:
        case PatternKind::IndirectWealth:
        case PatternKind::DirectSeal:
        case PatternKind::IndirectSeal:
        case PatternKind::EatingGod:
        case PatternKind::HurtingOfficer:
        case PatternKind::Jianlu:
        case PatternKind::MonthBlade:
            break;
    }
    return Make(UsefulMethod::Follow, companions, {}, {}, "");
}

// 通关 and 病药 only add to the 喜, and not an element the deciding method counts as 忌.
void AddHelper(UsefulFinding& f, UsefulMethod method, Element e, std::string line) {
    if (Has(f.ji, e)) {
        line += "；然" + ElName(e) + "为所忌，不取";
    } else if (e != f.yong) {
        AddUnique(f.xi, e);
        line += "，列为喜";
    }
    f.choices.push_back({method, e, line});
    f.evidence.push_back(std::move(line));
}

bool ExtremeSeason(int monthBranch) {
    // Summer 巳午未 and winter 亥子丑: heat and cold come first.
    return (monthBranch >= 5 && monthBranch <= 7) || monthBranch == 11 || monthBranch <= 1;
}

}  // namespace

std::array<double, 5> ElementWeights(const Natal& n) {
    std::array<double, 5> w{};
    for (const NatalPillar& p : n.pillars) {
        w[static_cast<int>(chart::StemElement(p.stem))] += 1;
        for (const NatalHidden& h : p.hidden) w[static_cast<int>(chart::StemElement(h.stem))] += h.share;
    }
    return w;
}

Stance StanceOf(const UsefulFinding& u, Element e) {
    if (e == u.yong || Has(u.xi, e)) return Stance::Favourable;
    if (Has(u.ji, e)) return Stance::Unfavourable;
    return Stance::Neutral;
}

UsefulFinding AssessUseful(const Natal& n, const StrengthFinding& s, const PatternFinding& p) {
    UsefulFinding f;
    f.method = Str(kUsefulMethod);
    const std::array<double, 5> w = ElementWeights(n);
    const bool special = !IsRegular(p.kind);

    Choice main = special ? FollowChoice(n, p, w) : SupportChoice(n, s, w);
    f.evidence.push_back(Str(UsefulMethodName(main.choice.method)) + "：" + main.choice.reason + "，取" +
                         Named(n, main.choice.element) + "为用");

    f.tiaohouStems = TiaohouStems(n.dayStem, n.monthBranch);
    std::string stems;
    for (int st : f.tiaohouStems) stems += Str(chart::StemName(st));
    const int principal = f.tiaohouStems.front();
    const Choice climate =
        Make(UsefulMethod::Climate, chart::StemElement(principal), {}, {},
             "穷通宝鉴：" + Str(chart::StemName(n.dayStem)) + "日生" + Str(chart::BranchName(n.monthBranch)) +
                 "月，取" + stems + "，首取" + Str(chart::StemName(principal)));
    f.evidence.push_back("调候：" + climate.choice.reason + "，属" + Named(n, climate.choice.element));

    f.yong = main.choice.element;
    f.xi = main.xi;
    f.ji = main.ji;
    f.decidedBy = main.choice.method;
    const Element warm = climate.choice.element;
    bool listed = false;  // the main method's choice is among the stems the climate table names
    for (int st : f.tiaohouStems) listed = listed || chart::StemElement(st) == f.yong;
    if (warm == f.yong) {
        f.decision = Str(UsefulMethodName(main.choice.method)) + "与调候同取" + ElName(warm);
    } else if (special) {
        f.decision = "外格顺其势为主，调候之" + ElName(warm) + "只作参考";
    } else if (ExtremeSeason(n.monthBranch) && listed) {
        f.decision = "生于" + Str(SeasonName(n.monthBranch)) + "月，调候之表亦列" + ElName(f.yong) +
                     "，扶抑与调候相合，取" + ElName(f.yong);
    } else if (ExtremeSeason(n.monthBranch) && Present(n, warm)) {
        f.decidedBy = UsefulMethod::Climate;
        const Element supportYong = f.yong;
        f.yong = warm;
        std::vector<Element> xi = {supportYong};
        for (Element e : main.xi) AddUnique(xi, e);
        f.xi = xi;
        Remove(f.xi, warm);
        Remove(f.ji, warm);
        for (Element e : f.xi) Remove(f.ji, e);
        f.decision = "生于" + Str(SeasonName(n.monthBranch)) + "月，寒暖为急，调候之" + ElName(warm) +
                     "见于局中，取为用；扶抑所取" + ElName(supportYong) + "列为喜";
    } else if (Has(f.ji, warm)) {
        f.decision = Str(ExtremeSeason(n.monthBranch) ? "调候之" + ElName(warm) + "不见于局中，"
                                                      : "春秋之月扶抑为主；") +
                     "调候之" + ElName(warm) + "为扶抑所忌，从扶抑";
    } else {
        AddUnique(f.xi, warm);
        f.decision =
            Str(ExtremeSeason(n.monthBranch) ? "调候之" + ElName(warm) + "不见于局中，" : "春秋之月") +
            "扶抑为主，取" + ElName(f.yong) + "；调候之" + ElName(warm) + "列为喜";
    }
    f.choices.push_back(main.choice);
    f.choices.push_back(climate.choice);
    if (f.decidedBy == UsefulMethod::Climate) std::swap(f.choices[0], f.choices[1]);

    // 通关 and 病药 only add to the 喜; they never overrule the deciding method.
    double total = 0;
    for (double x : w) total += x;
    std::array<int, 5> order = {0, 1, 2, 3, 4};
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return w[a] > w[b]; });
    const Element first = static_cast<Element>(order[0]), second = static_cast<Element>(order[1]);
    const chart::ElementRelation rel = chart::Relate(first, second);
    if (!special && w[order[1]] >= kMediateShare * total &&
        (rel == chart::ElementRelation::AControlsB || rel == chart::ElementRelation::BControlsA)) {
        const Element controller = rel == chart::ElementRelation::AControlsB ? first : second;
        const Element mediator = static_cast<Element>((static_cast<int>(controller) + 1) % 5);
        const std::string line = "通关：" + ElName(first) + Decimal(w[order[0]]) + "、" + ElName(second) +
                                 Decimal(w[order[1]]) + "相战，" + ElName(mediator) + "居间通之";
        AddHelper(f, UsefulMethod::Mediate, mediator, line);
    }
    if (!special && w[order[0]] >= kRemedyShare * total && Has(f.ji, first)) {
        const Element remedy = static_cast<Element>((static_cast<int>(first) + 3) % 5);
        const std::string line = "病药：" + ElName(first) + "太过（" + Decimal(w[order[0]]) + "，共" +
                                 Decimal(total) + "）为病，" + ElName(remedy) + "克之为药";
        AddHelper(f, UsefulMethod::Remedy, remedy, line);
    }
    Remove(f.xi, f.yong);
    Remove(f.ji, f.yong);
    for (Element e : f.xi) Remove(f.ji, e);

    f.evidence.push_back("定：" + f.decision);
    f.evidence.push_back("用" + ElName(f.yong) + "；喜" + ElementList(f.xi) + "；忌" + ElementList(f.ji));
    return f;
}

}  // namespace analysis
