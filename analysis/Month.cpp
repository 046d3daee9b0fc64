#include "Month.h"

#include "Format.h"

namespace analysis {
namespace {

constexpr std::string_view kMonthMethod =
    "月令以月支定季与当令之行，以日主五行在其中之旺相休囚死论所得，并列月柱干支藏干之十神";

}  // namespace

MonthFinding AssessMonth(const Natal& n) {
    MonthFinding f;
    f.method = Str(kMonthMethod);
    const NatalPillar& m = n.pillars[kMonth];
    f.monthPillar = m.pillar;
    f.ruling = RulingElement(m.branch);
    f.dayVigour = VigourIn(n.dayElement, m.branch);
    f.evidence.push_back("月柱" + chart::PillarName(m.pillar) + "：" + Str(SeasonPlace(m.branch)) +
                         Str(SeasonName(m.branch)) + "之月，" + Str(chart::ElementName(f.ruling)) + "当令");
    f.evidence.push_back("日主" + Str(chart::StemName(n.dayStem)) + Str(chart::ElementName(n.dayElement)) +
                         "于" + Str(chart::BranchName(m.branch)) + "月为" + Str(VigourName(f.dayVigour)));
    std::vector<std::string> hidden;
    for (const NatalHidden& h : m.hidden) hidden.push_back(StemGod(h.stem, h.god));
    f.evidence.push_back("月干" + StemGod(m.stem, m.stemGod) + "；月支" + Str(chart::BranchName(m.branch)) +
                         "藏" + Join(hidden, "、") + "；日主于月支为" + Str(chart::StageName(m.stage)));
    return f;
}

}  // namespace analysis
