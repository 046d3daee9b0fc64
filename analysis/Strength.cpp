// The strength score and its evidence. The method in one line is
// kStrengthMethod; the weights are in Strength.h.
#include "Strength.h"

#include <algorithm>
#include <cmath>

#include "Format.h"

namespace analysis {
namespace {

using chart::Element;
using chart::Stage;

std::string Points(double p) {
    return std::to_string(static_cast<int>(p));
}

// The method in one line, its figures taken from the weights it describes.
std::string StrengthMethod() {
    std::string season;
    for (int v = 0; v < 5; ++v)
        season += (v ? " " : "") + Str(VigourName(static_cast<Vigour>(v))) + Points(kSeasonPoints[v]);
    return "以月令旺相休囚死计得令（" + season +
           "），以四支所藏比劫、印按本气中气余气之分计得地，禄刃为全根，阳干长生根" + Decimal(kBirthRoot) +
           "、阳干库根" + Decimal(kStorehouseRoot) + "（满" + Points(kRootPoints) +
           "），以年月时三干之印、比劫计得势（年" + Points(kStemPoints[kYear]) + " 月" +
           Points(kStemPoints[kMonth]) + " 时" + Points(kStemPoints[kHour]) + "），合为百分；不足" +
           std::to_string(kWeakBelow) + "分为偏弱，" + std::to_string(kStrongFrom) +
           "分起为偏强，其间为中和；从弱、从强、专旺只依古法条件而定";
}

bool Supports(chart::TenGod god) {
    const GodGroup g = GroupOf(god);
    return g == GodGroup::Companions || g == GodGroup::Resource;
}

// A root named by the day stem's stage at the branch, and the least weight
// it counts: 禄 and 刃 (a yin stem's 旺) in full; a yang stem's 长生 and 库
// as kBirthRoot and kStorehouseRoot. A yin stem's 长生 and 库 hold none of its
// element and are no root; other stages name none.
struct StageRoot {
    std::string_view label;
    double weight = 0;
};

StageRoot StageRootOf(int dayStem, Stage s) {
    const bool yang = chart::StemIsYang(dayStem);
    switch (s) {
        case Stage::Office:
            return {"禄", 1};
        case Stage::Peak:
            return {yang ? "刃" : "旺", 1};
        case Stage::Birth:
            return yang ? StageRoot{"长生", kBirthRoot} : StageRoot{};
        case Stage::Tomb:
            return yang ? StageRoot{"库", kStorehouseRoot} : StageRoot{};
        case Stage::Bath:
        case Stage::Cap:
        case Stage::Decline:
        case Stage::Ailing:
        case Stage::Death:
        case Stage::Extinct:
        case Stage::Womb:
        case Stage::Nurture:
            break;
    }
    return {};
}

std::string BranchLine(const Natal& n, int position, double root) {
    const NatalPillar& p = n.pillars[position];
    std::string line = position == kDay
                           ? "坐" + Str(chart::BranchName(p.branch)) + "为"
                           : Str(PositionName(position)) + "支" + Str(chart::BranchName(p.branch)) + "为";
    line += Str(chart::StageName(p.stage));
    const std::string_view label = StageRootOf(n.dayStem, p.stage).label;
    if (root > 0 && !label.empty()) line += "（" + Str(label) + "）";
    std::vector<std::string> hidden;
    for (const NatalHidden& h : p.hidden) hidden.push_back(StemGod(h.stem, h.god));
    line += "；藏" + Join(hidden, "、");
    line += root > 0 ? "；根气" + Decimal(root * kRootPositionWeights[position]) : "；无根";
    return line;
}

bool Holds(const std::array<int, 4>& branches, const std::array<int, 3>& members) {
    for (int m : members)
        if (std::find(branches.begin(), branches.end(), m) == branches.end()) return false;
    return true;
}

bool IsStorehouse(int branch) {
    return branch == 4 || branch == 10 || branch == 1 || branch == 7;
}

// 一行得气: the month in the day element's own season (earth: a 库 month) and
// the branches holding its whole 方 or 局 (earth: three of the four 库).
bool OneElementSeason(Element e, int monthBranch, const std::array<int, 4>& branches) {
    if (e == Element::Earth) {
        constexpr int kEarthBranches = 3;
        return IsStorehouse(monthBranch) &&
               std::count_if(branches.begin(), branches.end(), IsStorehouse) >= kEarthBranches;
    }
    bool season = false, whole = false;
    for (const chart::BranchGroup& g : chart::Directions()) {
        if (g.element != e) continue;
        season = std::find(g.members.begin(), g.members.end(), monthBranch) != g.members.end();
        whole = whole || Holds(branches, g.members);
    }
    for (const chart::BranchGroup& g : chart::Trines())
        if (g.element == e) whole = whole || Holds(branches, g.members);
    return season && whole;
}

}  // namespace

Band BandOfScore(int score) {
    return score < kWeakBelow ? Band::Weak : score < kStrongFrom ? Band::Balanced : Band::Strong;
}

std::optional<Band> NearBand(int score) {
    // An edge e is near for the scores e - kBandMargin … e + kBandMargin - 1.
    const auto near = [&](int edge) { return score >= edge - kBandMargin && score < edge + kBandMargin; };
    const Band band = BandOfScore(score);
    if (near(kWeakBelow)) return band == Band::Weak ? Band::Balanced : Band::Weak;
    if (near(kStrongFrom)) return band == Band::Strong ? Band::Balanced : Band::Strong;
    return std::nullopt;
}

double BranchRoot(int dayStem, const NatalPillar& p) {
    double hidden = 0;
    for (const NatalHidden& h : p.hidden) {
        const GodGroup g = GroupOf(h.god);
        if (g == GodGroup::Companions) hidden += h.share;
        if (g == GodGroup::Resource) hidden += h.share * kResourceRootFactor;
    }
    const double stage = StageRootOf(dayStem, p.stage).weight;
    return std::max(hidden, stage);
}

StrengthConditions ConditionsOf(const Natal& n, double rootPoints, double stemPoints) {
    StrengthConditions c;
    const Vigour v = VigourIn(n.dayElement, n.monthBranch);
    c.followWeak = !InSeason(v) && rootPoints == 0 && stemPoints == 0;

    bool allSupport = InSeason(v), noPowerShown = true;
    for (int pos : kOtherStemPositions) {
        allSupport = allSupport && Supports(n.pillars[pos].stemGod);
        noPowerShown = noPowerShown && GroupOf(n.pillars[pos].stemGod) != GodGroup::Power;
    }
    std::array<int, 4> branches{};
    for (int pos = 0; pos < 4; ++pos) {
        const NatalPillar& p = n.pillars[pos];
        branches[pos] = p.branch;
        allSupport = allSupport && Supports(p.hidden.front().god);
        noPowerShown = noPowerShown && GroupOf(p.hidden.front().god) != GodGroup::Power;
    }
    c.followStrong = allSupport;
    c.dominant = OneElementSeason(n.dayElement, n.monthBranch, branches) && noPowerShown;
    return c;
}

StrengthFinding AssessStrength(const Natal& n) {
    StrengthFinding f;
    f.method = StrengthMethod();
    f.vigour = VigourIn(n.dayElement, n.monthBranch);
    const double season = kSeasonPoints[static_cast<int>(f.vigour)];
    f.evidence.push_back("生于" + Str(chart::BranchName(n.monthBranch)) + "月，" +
                         Str(chart::ElementName(RulingElement(n.monthBranch))) + "当令，日主" +
                         Str(chart::ElementName(n.dayElement)) + Str(VigourName(f.vigour)) + "：得令" +
                         Decimal(season));

    double rootRaw = 0, rootMax = 0;
    for (int pos = 0; pos < 4; ++pos) {
        const double root = BranchRoot(n.dayStem, n.pillars[pos]);
        rootRaw += root * kRootPositionWeights[pos];
        rootMax += kRootPositionWeights[pos];
        f.evidence.push_back(BranchLine(n, pos, root));
    }
    const double roots = kRootPoints * rootRaw / rootMax;

    double stems = 0;
    for (int pos : kOtherStemPositions) {
        const NatalPillar& p = n.pillars[pos];
        std::string line = Str(PositionName(pos)) + "干透" + StemGod(p.stem, p.stemGod) + "：";
        if (Supports(p.stemGod)) {
            stems += kStemPoints[pos];
            line += (GroupOf(p.stemGod) == GodGroup::Resource ? "生身" : "帮身") + Str("，得势") +
                    Decimal(kStemPoints[pos]);
        } else {
            line += "不助身";
        }
        f.evidence.push_back(line);
    }

    f.parts = {{{"得令", season, kSeasonPoints[0]},
                {"得地", roots, kRootPoints},
                {"得势", stems, kStemPoints[0] + kStemPoints[1] + kStemPoints[3]}}};
    f.score = static_cast<int>(std::lround(season + roots + stems));

    f.band = BandOfScore(f.score);
    f.nearBand = NearBand(f.score);

    const StrengthConditions c = ConditionsOf(n, roots, stems);
    if (c.dominant) {
        f.band = Band::Dominant;
        f.condition = "专旺：月令属日主" + Str(chart::ElementName(n.dayElement)) + "之令，地支" +
                      (n.dayElement == Element::Earth ? std::string("三见四库") : "成其方局") +
                      "，干与本气不见官杀（滴天髓·一行得气）";
    } else if (c.followStrong) {
        f.band = Band::FollowStrong;
        f.condition = "从强：得令，三干与四支本气皆印比，不见财官（滴天髓阐微·从象）";
    } else if (c.followWeak) {
        f.band = Band::FollowWeak;
        f.condition = "从弱：失令，四支无比劫印绶之根，三干不见印比（滴天髓阐微·从象）";
    }
    if (!f.condition.empty()) f.nearBand.reset();

    std::string total = "合计：得令" + Decimal(season) + " + 得地" + Decimal(roots) + " + 得势" +
                        Decimal(stems) + " = " + std::to_string(f.score) + "分，" + Str(BandName(f.band));
    f.evidence.push_back(total);
    if (f.nearBand)
        f.evidence.push_back("分数近于" + Str(BandName(f.band)) + "与" + Str(BandName(*f.nearBand)) +
                             "之界（差不足" + std::to_string(kBandMargin) + "分），二者皆可参看");
    if (!f.condition.empty()) f.evidence.push_back(f.condition);
    return f;
}

}  // namespace analysis
