// The JSON face of an analysis: the model laid out as it stands.
#include "AnalysisJson.h"

#include <cmath>

#include "Relations.h"

namespace {

using nlohmann::ordered_json;
using namespace analysis;

ordered_json Elements(const std::vector<chart::Element>& elements) {
    ordered_json list = ordered_json::array();
    for (chart::Element e : elements) list.push_back(chart::ElementName(e));
    return list;
}

double OneDecimal(double value) {
    return std::round(value * 10) / 10;
}

ordered_json Strength(const StrengthFinding& s) {
    ordered_json parts = ordered_json::array();
    for (const ScorePart& p : s.parts)
        parts.push_back({{"name", p.name}, {"points", OneDecimal(p.points)}, {"maximum", p.maximum}});
    return {{"method", s.method},
            {"score", s.score},
            {"band", BandName(s.band)},
            {"nearBand", s.nearBand ? ordered_json(BandName(*s.nearBand)) : ordered_json(nullptr)},
            {"parts", std::move(parts)},
            {"vigour", VigourName(s.vigour)},
            {"condition", s.condition},
            {"evidence", s.evidence},
            {"text", s.text}};
}

ordered_json Pattern(const PatternFinding& p) {
    ordered_json rules = ordered_json::array();
    for (const RuleHit& h : p.rules)
        rules.push_back({{"id", h.id},
                         {"outcome", RuleOutcomeName(h.outcome)},
                         {"rule", h.rule},
                         {"source", h.source},
                         {"fact", h.fact}});
    return {{"method", p.method},
            {"name", PatternName(p.kind)},
            {"monthOrder", PatternName(p.monthOrder)},
            {"state", PatternStateName(p.state)},
            {"decidedBy", p.decidedBy},
            {"condition", p.condition},
            {"rules", std::move(rules)},
            {"evidence", p.evidence},
            {"text", p.text}};
}

ordered_json Useful(const UsefulFinding& u) {
    ordered_json choices = ordered_json::array();
    for (const MethodChoice& c : u.choices)
        choices.push_back({{"method", UsefulMethodName(c.method)},
                           {"element", chart::ElementName(c.element)},
                           {"reason", c.reason}});
    ordered_json tiaohou = ordered_json::array();
    for (int stem : u.tiaohouStems) tiaohou.push_back(chart::StemName(stem));
    return {{"method", u.method},
            {"yong", chart::ElementName(u.yong)},
            {"xi", Elements(u.xi)},
            {"ji", Elements(u.ji)},
            {"decidedBy", UsefulMethodName(u.decidedBy)},
            {"choices", std::move(choices)},
            {"tiaohou", std::move(tiaohou)},
            {"decision", u.decision},
            {"evidence", u.evidence},
            {"text", u.text}};
}

ordered_json Month(const MonthFinding& m) {
    return {{"method", m.method},
            {"pillar", chart::PillarName(m.monthPillar)},
            {"ruling", chart::ElementName(m.ruling)},
            {"vigour", VigourName(m.dayVigour)},
            {"evidence", m.evidence},
            {"text", m.text}};
}

ordered_json Fortune(const FortuneFinding& f, const std::vector<FortuneFinding>& luck, bool isYear) {
    ordered_json relations = ordered_json::array();
    for (const FortuneRelation& r : f.relations) {
        ordered_json relation = {{"name", FortuneLinkName(r.link)}, {"fact", r.fact}};
        if (r.formed) {
            relation["element"] = chart::ElementName(*r.formed);
            relation["stance"] = StanceName(r.stance);
        }
        relations.push_back(std::move(relation));
    }
    ordered_json json = {{"pillar", chart::PillarName(f.pillar)}};
    json["year"] = f.year;
    json["age"] = f.age > 0 ? ordered_json(f.age) : ordered_json(nullptr);
    if (isYear)
        json["luckPillar"] = f.luckIndex >= 0 ? ordered_json(chart::PillarName(luck[f.luckIndex].pillar))
                                              : ordered_json(nullptr);
    json["verdict"] = VerdictName(f.verdict);
    json["stem"] = {{"tenGod", chart::TenGodName(f.stemGod)}, {"stance", StanceName(f.stemStance)}};
    json["branch"] = {{"tenGod", chart::TenGodName(f.branchGod)}, {"stance", StanceName(f.branchStance)}};
    json["relations"] = std::move(relations);
    json["evidence"] = f.evidence;
    json["text"] = f.text;
    return json;
}

}  // namespace

ordered_json AnalysisToJson(const Analysis& a) {
    ordered_json json;
    ordered_json pillars = ordered_json::array();
    for (int p : a.pillars) pillars.push_back(chart::PillarName(p));
    json["pillars"] = std::move(pillars);
    json["hasLuck"] = a.hasLuck;
    json["strength"] = Strength(a.strength);
    json["pattern"] = Pattern(a.pattern);
    json["useful"] = Useful(a.useful);
    json["month"] = Month(a.month);

    json["luckMethod"] = a.luckMethod;
    ordered_json luck = ordered_json::array();
    for (const FortuneFinding& f : a.luck) luck.push_back(Fortune(f, a.luck, false));
    json["luck"] = std::move(luck);
    json["yearsMethod"] = a.yearsMethod;
    ordered_json years = ordered_json::array();
    for (const FortuneFinding& f : a.years) years.push_back(Fortune(f, a.luck, true));
    json["years"] = std::move(years);

    json["summaryMethod"] = a.summaryMethod;
    ordered_json summary = ordered_json::array();
    for (const SummarySentence& s : a.summary)
        summary.push_back({{"text", s.text}, {"section", SectionName(s.section)}, {"index", s.index}});
    json["summary"] = std::move(summary);

    json["shenshaMethod"] = a.shenshaMethod;
    ordered_json shensha = ordered_json::array();
    for (const ShenshaFinding& s : a.shensha) {
        ordered_json positions = ordered_json::array();
        for (int p : s.positions) positions.push_back(chart::PillarKey(p));
        shensha.push_back({{"name", s.name},
                           {"positions", std::move(positions)},
                           {"rule", s.rule},
                           {"source", s.source},
                           {"text", s.text}});
    }
    json["shensha"] = std::move(shensha);
    return json;
}
