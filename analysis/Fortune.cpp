// Judging luck pillars and years.
#include "Fortune.h"

#include <algorithm>

#include "Format.h"
#include "LuckPillars.h"
#include "Useful.h"

namespace analysis {
namespace {

using chart::BranchLink;

constexpr int kYearsPerLuckPillar = 10;

// 六冲: branches six apart. 六合: the pairs 子丑 寅亥 卯戌 辰酉 巳申 午未, whose
// indices add up to 1 modulo 12.
bool Clash(int a, int b) {
    return (a - b + 12) % 12 == 6;
}

bool Combine(int a, int b) {
    return (a + b) % 12 == 1;
}

int StanceValue(Stance s) {
    return s == Stance::Favourable ? 1 : s == Stance::Unfavourable ? -1 : 0;
}

std::string BranchOf(int b) {
    return Str(chart::BranchName(b));
}

// 天克地冲: the stems clash or one controls the other, and the branches clash.
bool Opposite(int pillarA, int pillarB) {
    const chart::ElementRelation r =
        chart::Relate(chart::StemElement(pillarA % 10), chart::StemElement(pillarB % 10));
    const bool stems = chart::StemsClash(pillarA % 10, pillarB % 10) ||
                       r == chart::ElementRelation::AControlsB || r == chart::ElementRelation::BControlsA;
    return stems && Clash(pillarA % 12, pillarB % 12);
}

void Add(FortuneFinding& f, FortuneLink link, std::string fact, std::optional<chart::Element> formed = {},
         Stance stance = Stance::Neutral) {
    f.relations.push_back({link, std::move(fact), formed, stance, {}, {}});
}

// The relations every luck pillar and year has with the natal chart.
void NatalRelations(const Natal& n, const UsefulFinding& u, FortuneFinding& f) {
    const int b = f.pillar % 12;
    const int month = n.pillars[kMonth].branch, day = n.pillars[kDay].branch;
    if (Clash(b, month)) Add(f, FortuneLink::ClashMonth, BranchOf(b) + BranchOf(month) + "冲（月支）");
    if (Clash(b, day)) Add(f, FortuneLink::ClashDay, BranchOf(b) + BranchOf(day) + "冲（日支）");
    if (Combine(b, month)) Add(f, FortuneLink::CombineMonth, BranchOf(b) + BranchOf(month) + "六合（月支）");
    if (Combine(b, day)) Add(f, FortuneLink::CombineDay, BranchOf(b) + BranchOf(day) + "六合（日支）");

    std::array<bool, 12> natal{};
    for (const NatalPillar& p : n.pillars) natal[p.branch] = true;
    const auto forms = [&](const chart::BranchGroup& g) {
        if (std::find(g.members.begin(), g.members.end(), b) == g.members.end()) return false;
        bool others = true, all = true;
        for (int m : g.members) {
            if (m != b) others = others && natal[m];
            all = all && natal[m];
        }
        return others && !all;  // completed by this branch, not already whole in the chart
    };
    for (const chart::BranchGroup& g : chart::Trines())
        if (forms(g))
            Add(f, FortuneLink::TrineForms,
                BranchOf(g.members[0]) + BranchOf(g.members[1]) + BranchOf(g.members[2]) + "三合" +
                    Str(chart::ElementName(g.element)) + "局",
                g.element, StanceOf(u, g.element));
    for (const chart::BranchGroup& g : chart::Directions())
        if (forms(g))
            Add(f, FortuneLink::DirectionForms,
                BranchOf(g.members[0]) + BranchOf(g.members[1]) + BranchOf(g.members[2]) + "三会" +
                    Str(chart::ElementName(g.element)) + "方",
                g.element, StanceOf(u, g.element));

    for (int pos : {kMonth, kDay}) {
        const int natalPillar = n.pillars[pos].pillar;
        if (f.pillar == natalPillar)
            Add(f, FortuneLink::Repeat,
                chart::PillarName(f.pillar) + "与" + Str(PositionName(pos)) + "柱相同");
        else if (Opposite(f.pillar, natalPillar))
            Add(f, FortuneLink::Opposite,
                chart::PillarName(f.pillar) + "与" + Str(PositionName(pos)) + "柱" +
                    chart::PillarName(natalPillar) + "天克地冲");
    }
}

void Judge(const Natal& n, const UsefulFinding& u, FortuneFinding& f, const std::string& title) {
    const int stem = f.pillar % 10, branch = f.pillar % 12, main = chart::HiddenMainStem(branch);
    f.stemGod = chart::TenGodOf(n.dayStem, stem);
    f.branchGod = chart::TenGodOf(n.dayStem, main);
    f.stemStance = StanceOf(u, chart::StemElement(stem));
    f.branchStance = StanceOf(u, chart::StemElement(main));
    NatalRelations(n, u, f);
    f.evidence.insert(f.evidence.begin(), title + "：干" + StemGod(stem, f.stemGod) + "，属" +
                                              Str(chart::ElementName(chart::StemElement(stem))) + "，为" +
                                              Str(StanceName(f.stemStance)) + "；支" + BranchOf(branch) +
                                              "本气" + StemGod(main, f.branchGod) + "，属" +
                                              Str(chart::ElementName(chart::StemElement(main))) + "，为" +
                                              Str(StanceName(f.branchStance)));
    int value = StanceValue(f.stemStance) + StanceValue(f.branchStance);
    for (const FortuneRelation& r : f.relations) {
        if (r.formed) value += StanceValue(r.stance);
        f.evidence.push_back(
            Str(FortuneLinkName(r.link)) + "：" + r.fact +
            (r.formed ? "，" + Str(chart::ElementName(*r.formed)) + "为" + Str(StanceName(r.stance)) : ""));
    }
    f.verdict = value >= 1 ? Verdict::Advance : value <= -1 ? Verdict::Guard : Verdict::Steady;
    f.evidence.push_back("断：" + Str(VerdictName(f.verdict)));
}

}  // namespace

std::string LuckMethod() {
    return "每步大运以干之十神与支之本气十神对照用神喜忌（喜用为喜，忌为忌，余为闲），并三合三会所成之行；"
           "喜多为宜进，忌多为宜守，相当为平稳；并列其与月支、日支之冲合及伏吟反吟";
}

std::string YearsMethod() {
    return "流年与大运同法，另列太岁（年支）之值、冲、刑、害、破、合及岁运并临";
}

FortuneFinding JudgeLuck(const Natal& n, const UsefulFinding& u, int pillar, int startYear, int startAge) {
    FortuneFinding f;
    f.pillar = pillar;
    f.year = startYear;
    f.age = startAge;
    Judge(n, u, f,
          chart::PillarName(pillar) + "运（" + std::to_string(startYear) + "年起" +
              (startAge > 0 ? "，" + std::to_string(startAge) + "岁" : "") + "）");
    return f;
}

FortuneFinding JudgeYear(const Natal& n, const UsefulFinding& u, int year, int age,
                         const std::vector<FortuneFinding>& luck) {
    FortuneFinding f;
    f.pillar = chart::YearPillarOfYear(year);
    f.year = year;
    f.age = age;
    for (std::size_t i = 0; i < luck.size(); ++i)
        if (luck[i].year <= year && year < luck[i].year + kYearsPerLuckPillar)
            f.luckIndex = static_cast<int>(i);

    const int b = f.pillar % 12, taisui = n.pillars[kYear].branch;
    const std::string pair = BranchOf(b) + BranchOf(taisui);
    if (b == taisui) {
        Add(f, FortuneLink::TaiSuiSame, BranchOf(b) + "年逢本命" + BranchOf(taisui));
    } else {
        for (const chart::Relation& r : chart::RelationsOf(b, taisui)) {
            switch (r.link) {
                case BranchLink::Clash:
                    Add(f, FortuneLink::TaiSuiClash, pair + "相冲（年支）");
                    break;
                case BranchLink::Punish:
                    Add(f, FortuneLink::TaiSuiPunish, pair + "相刑（年支）");
                    break;
                case BranchLink::Harm:
                    Add(f, FortuneLink::TaiSuiHarm, pair + "相害（年支）");
                    break;
                case BranchLink::Break:
                    Add(f, FortuneLink::TaiSuiBreak, pair + "相破（年支）");
                    break;
                case BranchLink::Combine:
                    Add(f, FortuneLink::TaiSuiCombine, pair + "六合（年支）");
                    break;
                case BranchLink::Repeat:
                case BranchLink::SelfPunish:
                case BranchLink::HalfTrine:
                case BranchLink::ArchTrine:
                case BranchLink::HalfDirection:
                    break;
            }
        }
    }
    if (f.luckIndex >= 0 && luck[f.luckIndex].pillar == f.pillar)
        Add(f, FortuneLink::LuckAndYear, "流年" + chart::PillarName(f.pillar) + "与大运相同");
    Judge(n, u, f,
          std::to_string(year) + "年" + chart::PillarName(f.pillar) +
              (age > 0 ? "（" + std::to_string(age) + "岁）" : ""));
    return f;
}

}  // namespace analysis
