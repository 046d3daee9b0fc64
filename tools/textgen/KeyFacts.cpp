#include "KeyFacts.h"


namespace textgen {

using namespace chart;

std::string KeyFacts::DayKey() const {
    return IsPillarKey() ? PillarName(PillarIndex(dayStem, dayBranch)) : std::string(StemName(dayStem));
}
std::string KeyFacts::TimeKey() const {
    return PillarName(hourPillar);
}

namespace {
std::vector<HiddenFact> Hidden(int dayStem, int branch) {
    std::vector<HiddenFact> out;
    const HiddenStems hidden = HiddenStemsOf(branch);
    for (int i = 0; i < hidden.count; ++i) out.push_back({hidden.stems[i], TenGodOf(dayStem, hidden.stems[i])});
    return out;
}
std::string HiddenText(const std::vector<HiddenFact>& h) {
    std::string s;
    for (const HiddenFact& f : h) {
        if (!s.empty()) s += "、";
        s += std::string(StemName(f.stem)) + "（" + std::string(TenGodName(f.god)) + "）";
    }
    return s;
}
}  // namespace

KeyFacts FactsOf(int dayStem, int dayBranch, int hourPillar) {
    KeyFacts k;
    k.dayStem = dayStem;
    k.dayBranch = dayBranch;
    k.hourPillar = hourPillar;
    k.hourStemGod = TenGodOf(dayStem, k.HourStem());
    k.hourHidden = Hidden(dayStem, k.HourBranch());
    k.hourStage = StageOf(dayStem, k.HourBranch());
    k.stemsCombine = StemsCombine(dayStem, k.HourStem());
    k.stemsClash = StemsClash(dayStem, k.HourStem());
    if (dayBranch >= 0) {
        k.dayHidden = Hidden(dayStem, dayBranch);
        k.selfStage = StageOf(dayStem, dayBranch);
        k.branchRelations = RelationsOf(dayBranch, k.HourBranch());
        k.samePillar = PillarIndex(dayStem, dayBranch) == hourPillar;
    }
    return k;
}

std::string FactLine(const KeyFacts& k) {
    const std::string hs(StemName(k.HourStem())), hb(BranchName(k.HourBranch()));
    std::string s = "day=" + k.DayKey() + " time=" + k.TimeKey() + "：时干" + hs + "为" +
                    std::string(TenGodName(k.hourStemGod)) + "；时支" + hb + "藏干：" +
                    HiddenText(k.hourHidden) + "；日主临" + hb + "：" + std::string(StageName(k.hourStage)) +
                    "；时柱纳音" + std::string(NayinName(k.hourPillar));
    if (k.IsPillarKey()) {
        const int dp = PillarIndex(k.dayStem, k.dayBranch);
        s += "；日柱纳音" + std::string(NayinName(dp)) + "；日支" + std::string(BranchName(k.dayBranch)) +
             "藏干：" + HiddenText(k.dayHidden) + "；自坐：" + std::string(StageName(*k.selfStage)) +
             "；两支：" + DescribeRelations(k.dayBranch, k.HourBranch());
    }
    s += "；两干：";
    if (k.samePillar)
        s += "伏吟";
    else if (k.stemsCombine)
        s += "五合（化" + std::string(ElementName(StemCombineElement(k.dayStem, k.HourStem()))) + "）";
    else if (k.stemsClash)
        s += "相冲";
    else
        s += "-";
    return s;
}

std::string FactSheet(int dayStem) {
    std::string out = "# 日干" + std::string(StemName(dayStem)) + "\n\n## 日干＋时柱\n";
    for (int hour = 0; hour < 12; ++hour)
        out += "- " + FactLine(FactsOf(dayStem, -1, HourPillar(dayStem, hour))) + "\n";
    out += "\n## 日柱＋时柱\n";
    for (int branch = dayStem % 2; branch < 12; branch += 2)
        for (int hour = 0; hour < 12; ++hour)
            out += "- " + FactLine(FactsOf(dayStem, branch, HourPillar(dayStem, hour))) + "\n";
    return out;
}

}  // namespace textgen
