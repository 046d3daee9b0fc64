// Composition of the day-and-hour texts from the theory and its phrases.
#include "DayTimeTexts.h"

#include <string_view>

#include "Fragments.h"
#include "Theory.h"

namespace textgen {
namespace {

std::string S(std::string_view v) {
    return std::string(v);
}

std::string StemWithElement(int stem) {
    return S(StemName(stem)) + S(ElementName(StemElement(stem)));
}

// How the hour stem stands to the day stem, e.g. "为甲木所生，阴阳相同".
std::string Derivation(int dayStem, int hourStem) {
    const std::string day = StemWithElement(dayStem);
    std::string s;
    switch (Relate(StemElement(dayStem), StemElement(hourStem))) {
        case ElementRelation::Same:
            s = "与日主" + day + "同类";
            break;
        case ElementRelation::AGeneratesB:
            s = "为" + day + "所生";
            break;
        case ElementRelation::AControlsB:
            s = "为" + day + "所克";
            break;
        case ElementRelation::BControlsA:
            s = "克" + day;
            break;
        case ElementRelation::BGeneratesA:
            s = "生" + day;
            break;
    }
    s += StemIsYang(dayStem) == StemIsYang(hourStem) ? "，阴阳相同" : "，阴阳相异";
    return s;
}

std::string NayinRelation(int dayPillar, int hourPillar) {
    const Element a = NayinElement(dayPillar), b = NayinElement(hourPillar);
    const std::string ea = S(ElementName(a)), eb = S(ElementName(b));
    switch (Relate(a, b)) {
        case ElementRelation::Same:
            return "两柱纳音同属" + ea + "，气类相投，前后一贯";
        case ElementRelation::AGeneratesB:
            return ea + "生" + eb + "，日柱生时柱，主肯为日后之事付出，所种之因多得成果";
        case ElementRelation::BGeneratesA:
            return eb + "生" + ea + "，时柱生日柱，主越往后越得助力，晚景有所依托";
        case ElementRelation::AControlsB:
            return ea + "克" + eb + "，日柱制时柱，主能驾驭局面，凡事愿意亲手掌控";
        case ElementRelation::BControlsA:
            return eb + "克" + ea + "，时柱制日柱，主日后之事常带来考验，在磨练中见成长";
    }
    return "";
}

std::string_view DirectionOf(Element e) {
    switch (e) {
        case Element::Wood:
            return "东方";
        case Element::Fire:
            return "南方";
        case Element::Metal:
            return "西方";
        case Element::Water:
            return "北方";
        case Element::Earth:
            break;
    }
    return "";
}

// The name of the main relation as it follows "日支X与时支Y".
std::string LinkLabel(const Relation& r, int a, int b) {
    const std::string ba = S(BranchName(a)), bb = S(BranchName(b));
    switch (r.link) {
        case BranchLink::Repeat:
            return "同为" + ba + "，两支伏吟";
        case BranchLink::SelfPunish:
            return "同为" + ba + "，成" + ba + ba + "自刑";
        case BranchLink::Combine:
            return "六合化" + S(ElementName(r.element));
        case BranchLink::Clash:
            return "相冲";
        case BranchLink::HalfTrine:
            return "半合" + S(ElementName(r.element)) + "局";
        case BranchLink::ArchTrine:
            return "虚拱" + S(BranchName(r.archedBranch)) + "字而成拱合";
        case BranchLink::HalfDirection:
            return "同属" + S(DirectionOf(r.element)) + S(ElementName(r.element)) + "，成半会之势";
        case BranchLink::Punish: {
            const std::string kind = S(PunishKindName(r.punish));
            if (r.way == PunishWay::Mutual) return "互刑，为" + kind;
            const bool out = r.way == PunishWay::Out;
            return "相刑，" + (out ? ba : bb) + "刑" + (out ? bb : ba) + "，为" + kind;
        }
        case BranchLink::Harm:
            return "相害";
        case BranchLink::Break:
            return "相破";
    }
    return "";
}

std::string RelationSentence(int a, int b) {
    const std::vector<Relation> rel = RelationsOf(a, b);
    std::string s = "日支" + S(BranchName(a)) + "与时支" + S(BranchName(b));
    if (rel.empty()) return s + "无合无冲，也无刑害，各安其位，平稳少扰，成败多系于自身的努力。";
    s += LinkLabel(rel[0], a, b) + "，" + S(LinkMeaning(rel[0].link, rel[0].punish));
    if (rel.size() > 1) {
        std::string names, advice;
        bool together = false;
        for (std::size_t i = 1; i < rel.size(); ++i) {
            names += (names.empty() ? "" : "与") + S(LinkShortName(rel[i].link));
            const std::string_view a1 = LinkShortAdvice(rel[i].link);
            if (rel[i].link == BranchLink::HalfDirection) together = true;
            if (!a1.empty()) advice += (advice.empty() ? "" : "，") + S(a1);
        }
        s += "；又兼" + names;
        if (together) s += "，气势更为相通";
        if (!advice.empty()) s += "，宜" + advice;
    }
    return s + "。";
}

}  // namespace

std::string StemHourText(int dayStem, int hourPillar) {
    const int hs = hourPillar % 10, hb = hourPillar % 12;
    const TenGod god = TenGodOf(dayStem, hs);
    const Stage stage = StageOf(dayStem, hb);
    const std::string day = StemWithElement(dayStem);
    std::string s = S(StemName(dayStem)) + "日生于" + PillarName(hourPillar) + "时：日主" +
                    S(DayStemNature(dayStem)) + "。";
    s += "时干" + StemWithElement(hs) + Derivation(dayStem, hs) + "，是为" + S(TenGodName(god)) + "，" +
         S(HourTenGodMeaning(god)) + "。";
    s += day + "临时支" + S(BranchName(hb)) + "，正当" + S(StageName(stage)) + "之位，" +
         S(StageMeaning(stage)) + "。";
    s += S(StemHourAdvice(god, StrengthOf(stage))) + "。";
    return s;
}

std::string PillarHourText(int dayPillar, int hourPillar) {
    const int ds = dayPillar % 10, db = dayPillar % 12, hb = hourPillar % 12;
    const int hidden = HiddenMainStem(db);
    const TenGod sitting = TenGodOf(ds, hidden);
    std::string s = PillarName(dayPillar) + "日" + PillarName(hourPillar) + "时：日柱" +
                    PillarName(dayPillar) + "纳音" + S(NayinName(dayPillar)) + "，" +
                    S(NayinImage(dayPillar)) + "；";
    // The two pillars of one nayin pair (or one pillar twice) share the image.
    if (NayinName(dayPillar) == NayinName(hourPillar))
        s += "时柱" + PillarName(hourPillar) + "纳音" + S(NayinName(hourPillar)) +
             "，与日柱同出一种纳音，气类相投，前后一贯。";
    else
        s += "时柱" + PillarName(hourPillar) + "纳音" + S(NayinName(hourPillar)) + "，" +
             S(NayinImage(hourPillar)) + "。" + NayinRelation(dayPillar, hourPillar) + "。";
    s += "日支" + S(BranchName(db)) + "以" + StemWithElement(hidden) + "为本气，是日主的" +
         S(TenGodName(sitting)) + "，自坐" + S(TenGodName(sitting)) + "者" + S(SittingMeaning(sitting)) +
         "。";
    s += RelationSentence(db, hb);
    const std::vector<Relation> rel = RelationsOf(db, hb);
    const ElementRelation nayin = Relate(NayinElement(dayPillar), NayinElement(hourPillar));
    const bool atEase = nayin != ElementRelation::AControlsB && nayin != ElementRelation::BControlsA;
    s += S(PillarsClosing(atEase, rel.empty() ? Meeting::Neither : MeetingOf(rel[0].link))) + "。";
    return s;
}

std::vector<DayTimeRow> DayTimeRows() {
    std::vector<DayTimeRow> rows;
    rows.reserve(120 + 720);
    for (int stem = 0; stem < 10; ++stem)
        for (int hour = 0; hour < 12; ++hour) {
            const int hp = HourPillar(stem, hour);
            rows.push_back({S(StemName(stem)), PillarName(hp), StemHourText(stem, hp)});
        }
    for (int pillar = 0; pillar < 60; ++pillar)
        for (int hour = 0; hour < 12; ++hour) {
            const int hp = HourPillar(pillar % 10, hour);
            rows.push_back({PillarName(pillar), PillarName(hp), PillarHourText(pillar, hp)});
        }
    return rows;
}

std::string DayTimeTsv() {
    std::string out = "day\ttime\tmeaning\n";
    for (const DayTimeRow& r : DayTimeRows()) out += r.day + "\t" + r.time + "\t" + r.meaning + "\n";
    return out;
}

}  // namespace textgen
