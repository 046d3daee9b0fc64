#include "KeyFacts.h"

#include "HourPillars.h"

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
    for (int i = 0; i < hidden.count; ++i)
        out.push_back({hidden.stems[i], TenGodOf(dayStem, hidden.stems[i])});
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

namespace {

// A relation text with every 化 made conditional: "六合(化土)" becomes
// "六合(化土须得月令相助)", so that no sheet hands its writer a 合 taken as transformed.
std::string Conditional(std::string relations) {
    const std::string from = "(化", marker = "须得月令相助";
    for (std::size_t at = relations.find(from); at != std::string::npos; at = relations.find(from, at + 1)) {
        const std::size_t close = relations.find(')', at);
        if (close == std::string::npos) break;
        relations.insert(close, marker);
    }
    return relations;
}

// How the 纳音 element of the hour pillar stands to that of the day pillar.
std::string NayinRelation(int dayPillar, int hourPillar) {
    const Element d = NayinElement(dayPillar), h = NayinElement(hourPillar);
    const std::string dn(ElementName(d)), hn(ElementName(h));
    switch (Relate(d, h)) {
        case ElementRelation::Same:
            return "同为" + dn;
        case ElementRelation::AGeneratesB:
            return "日" + dn + "生时" + hn;
        case ElementRelation::BGeneratesA:
            return "时" + hn + "生日" + dn;
        case ElementRelation::AControlsB:
            return "日" + dn + "克时" + hn;
        case ElementRelation::BControlsA:
            return "时" + hn + "克日" + dn;
    }
    return "";
}

// The words that mark the 13th hour of a day: the 子 hour from 23:00, whose
// stem is the next day's (晚子时); "" for the twelve others.
std::string LateZiMark(int hourIndex) {
    return hourIndex == calendar::kHourPillarsPerDay - 1 ? "；晚子时：二十三时起之子时，时干取次日之干" : "";
}

}  // namespace

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
             "；两支：" + Conditional(DescribeRelations(k.dayBranch, k.HourBranch()));
    }
    s += "；两干：";
    if (k.samePillar)
        s += "伏吟";
    else if (k.stemsCombine)
        s += "五合（化" + std::string(ElementName(StemCombineElement(k.dayStem, k.HourStem()))) +
             "须得月令相助）";
    else if (k.stemsClash)
        s += "相冲";
    else
        s += "-";
    return s;
}

std::string PillarSheet(int dayPillar) {
    const int stem = dayPillar % 10, branch = dayPillar % 12;
    const std::string name = PillarName(dayPillar), db(BranchName(branch));
    const auto hours = calendar::HourPillarsOfDayStem(stem);
    const KeyFacts own = FactsOf(stem, branch, hours[0]);
    std::string out =
        "# 日柱" + name + "\n\n可写（日支所添）：日支" + db + "藏干：" + HiddenText(own.dayHidden) +
        "；日主自坐" + db + "：" + std::string(StageName(*own.selfStage)) + "；日柱纳音" +
        std::string(NayinName(dayPillar)) + "（" + std::string(ElementName(NayinElement(dayPillar))) +
        "）\n留与日干＋时柱之文：时干及其十神、时支藏干及其十神、日主临时支之地\n\n## 逐时\n";
    for (int hour = 0; hour < calendar::kHourPillarsPerDay; ++hour) {
        const KeyFacts k = FactsOf(stem, branch, hours[hour]);
        const std::string hb(BranchName(k.HourBranch()));
        out += "- " + k.TimeKey() + "：" + db + hb + "：" +
               Conditional(DescribeRelations(branch, k.HourBranch())) + "；时柱纳音" +
               std::string(NayinName(k.hourPillar)) + "，" + NayinRelation(dayPillar, k.hourPillar);
        // Stems the stem+hour text already names: the hour stem and the hour branch's hidden stems.
        std::string told;
        for (const HiddenFact& d : k.dayHidden) {
            bool shared = d.stem == k.HourStem();
            for (const HiddenFact& h : k.hourHidden) shared = shared || h.stem == d.stem;
            if (shared) told += (told.empty() ? "" : "、") + std::string(StemName(d.stem));
        }
        out += "；已由日干＋时柱之文说及，不再重提：时干" + std::string(StemName(k.HourStem())) + "（" +
               std::string(TenGodName(k.hourStemGod)) + "）、时支" + hb + "藏干" + HiddenText(k.hourHidden) +
               "、日主临" + hb + "：" + std::string(StageName(k.hourStage));
        if (!told.empty()) out += "；日支藏干中" + told + "亦见于时柱";
        out += LateZiMark(hour) + "\n";
    }
    return out;
}

std::string FactSheet(int dayStem) {
    std::string out = "# 日干" + std::string(StemName(dayStem)) + "\n\n## 日干＋时柱\n";
    const auto hours = calendar::HourPillarsOfDayStem(dayStem);
    for (int hour = 0; hour < calendar::kHourPillarsPerDay; ++hour)
        out += "- " + FactLine(FactsOf(dayStem, -1, hours[hour])) + LateZiMark(hour) + "\n";
    out += "\n## 日柱＋时柱\n";
    for (int branch = dayStem % 2; branch < 12; branch += 2)
        for (int hour = 0; hour < calendar::kHourPillarsPerDay; ++hour)
            out += "- " + FactLine(FactsOf(dayStem, branch, hours[hour])) + LateZiMark(hour) + "\n";
    return out;
}

}  // namespace textgen
