// The JSON face of a chart's model.
#include "ChartJson.h"

#include <cmath>

namespace {

using nlohmann::ordered_json;

ordered_json Term(const chart::TermText& t) {
    return {{"name", t.name}, {"time", t.time}};
}

ordered_json Pillar(const chart::PillarColumn& p) {
    ordered_json hidden = ordered_json::array();
    for (const chart::HiddenStemText& h : p.hidden)
        hidden.push_back({{"stem", h.stemName}, {"tenGod", h.tenGod}});
    return {
        {"position", p.key},      {"pillar", p.pillarName}, {"stem", p.stemName},
        {"branch", p.branchName}, {"tenGod", p.tenGod},     {"hidden", std::move(hidden)},
        {"nayin", p.nayin},       {"stage", p.stage},       {"selfStage", p.selfStage},
        {"xunkong", p.xunkong},
    };
}

// A weight to one decimal, as the text shows it.
double Rounded(double weight) {
    return std::round(weight * 10) / 10;
}

}  // namespace

ordered_json ChartToJson(const chart::ChartModel& m) {
    ordered_json json;
    json["conventions"] = {
        {"zi", m.ziKey},
        {"timeBasis", m.timeBasisKey},
        {"longitude", m.longitude ? ordered_json(*m.longitude) : ordered_json(nullptr)},
        {"dstCorrect", m.dstCorrect},
        {"summerTime", m.summerTimeKey},
    };
    json["time"] = {{"clock", m.clockSeconds}, {"standard", m.standardSeconds}, {"chart", m.chartSeconds}};
    ordered_json pillars = ordered_json::array();
    for (const chart::PillarColumn& p : m.columns) pillars.push_back(Pillar(p));
    json["pillars"] = std::move(pillars);

    ordered_json elements, weighted;
    for (const chart::ElementText& e : m.elements) {
        elements[e.name] = e.count;
        weighted[e.name] = Rounded(e.weight);
    }
    json["elements"] = std::move(elements);
    json["weightedElements"] = std::move(weighted);
    json["missing"] = m.missingNames;

    ordered_json relations = ordered_json::array();
    for (const chart::RelationText& r : m.relations) {
        ordered_json positions = ordered_json::array();
        for (int p : r.pillars) positions.push_back(m.columns[static_cast<std::size_t>(p)].key);
        ordered_json relation = {{"kind", r.kind}, {"members", r.members}, {"pillars", std::move(positions)}};
        if (r.element) relation["element"] = *r.element;
        relations.push_back(std::move(relation));
    }
    json["relations"] = std::move(relations);
    json["taiyuan"] = m.taiyuan;
    json["minggong"] = m.minggong;
    json["terms"] = {{"previous", Term(m.previousTerm)}, {"next", Term(m.nextTerm)}};
    json["otherSidePillars"] = m.otherSidePillars ? ordered_json(*m.otherSidePillars) : ordered_json(nullptr);

    ordered_json luckPillars = ordered_json::array();
    for (const chart::LuckText& p : m.luck) {
        ordered_json years = ordered_json::array();
        for (const chart::YearText& y : p.years)
            years.push_back({{"year", y.year}, {"pillar", y.pillarName}});
        luckPillars.push_back({{"pillar", p.pillarName},
                               {"tenGod", p.tenGod},
                               {"startAge", p.startAge},
                               {"startYear", p.startYear},
                               {"years", std::move(years)}});
    }
    ordered_json xiaoyun = ordered_json::array();
    for (const chart::XiaoYunText& x : m.xiaoyun)
        xiaoyun.push_back({{"year", x.year}, {"age", x.age}, {"pillar", x.pillarName}});
    json["luck"] = {
        {"direction", m.luckForward ? "forward" : "backward"},
        {"start",
         {{"years", m.luckStart.years},
          {"months", m.luckStart.months},
          {"days", m.luckStart.days},
          {"hours", m.luckStart.hours}}},
        {"startDate", m.luckStartDate},
        {"startMoment", m.luckStartMoment},
        {"pillars", std::move(luckPillars)},
        {"xiaoyun", std::move(xiaoyun)},
    };
    json["notes"] = m.notes;
    return json;
}
