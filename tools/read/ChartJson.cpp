// The JSON face of a chart.
#include "ChartJson.h"

#include <cmath>

#include "SolarTerms.h"

namespace {

using nlohmann::ordered_json;

std::string_view SummerKey(chart::SummerClock c) {
    switch (c) {
        case chart::SummerClock::Standard:
            return "standard";
        case chart::SummerClock::Summer:
            return "summer";
        case chart::SummerClock::Repeated:
            return "repeated";
        case chart::SummerClock::Skipped:
            return "skipped";
    }
    return "";
}

ordered_json Term(const chart::TermTime& t) {
    return {{"name", chart::TermName(t.term)}, {"time", chart::FormatSeconds(t.time)}};
}

ordered_json Pillar(const chart::Pillar& p, int position) {
    ordered_json hidden = ordered_json::array();
    for (int i = 0; i < p.hiddenCount; ++i)
        hidden.push_back(
            {{"stem", chart::StemName(p.hidden[i].stem)}, {"tenGod", chart::TenGodName(p.hidden[i].tenGod)}});
    return {
        {"position", chart::PillarKey(position)},
        {"pillar", chart::PillarName(p.pillar)},
        {"stem", chart::StemName(p.stem)},
        {"branch", chart::BranchName(p.branch)},
        {"tenGod", p.dayMaster ? std::string_view("日主") : chart::TenGodName(p.tenGod)},
        {"hidden", std::move(hidden)},
        {"nayin", chart::NayinName(p.pillar)},
        {"stage", chart::StageName(p.stage)},
        {"selfStage", chart::StageName(p.selfStage)},
        {"xunkong",
         std::string(chart::BranchName(p.xunkong[0])) + std::string(chart::BranchName(p.xunkong[1]))},
    };
}

}  // namespace

ordered_json ChartToJson(const chart::Chart& c) {
    ordered_json json;
    json["conventions"] = {
        {"zi", chart::ZiHourKey(c.conventions.zi)},
        {"timeBasis", chart::TimeBasisKey(c.conventions)},
        {"longitude",
         c.conventions.longitude ? ordered_json(*c.conventions.longitude) : ordered_json(nullptr)},
        {"dstCorrect", c.conventions.dstCorrect},
        {"summerTime", SummerKey(c.summerClock)},
    };
    json["time"] = {
        {"clock", chart::FormatSeconds(c.clockTime)},
        {"standard", chart::FormatSeconds(c.standardTime)},
        {"chart", chart::FormatSeconds(c.chartTime)},
    };
    ordered_json pillars = ordered_json::array();
    for (int i = 0; i < 4; ++i) pillars.push_back(Pillar(c.pillars[i], i));
    json["pillars"] = std::move(pillars);

    ordered_json elements, weighted;
    for (int e = 0; e < 5; ++e) {
        const std::string name(chart::ElementName(static_cast<chart::Element>(e)));
        elements[name] = c.elements.characters[e];
        weighted[name] = std::round(c.elements.weighted[e] * 10) / 10;
    }
    json["elements"] = std::move(elements);
    json["weightedElements"] = std::move(weighted);
    ordered_json missing = ordered_json::array();
    for (chart::Element e : c.elements.missing) missing.push_back(chart::ElementName(e));
    json["missing"] = std::move(missing);

    ordered_json relations = ordered_json::array();
    for (const chart::ChartRelation& r : c.relations) {
        ordered_json positions = ordered_json::array();
        for (int p : r.pillars) positions.push_back(chart::PillarKey(p));
        ordered_json relation = {{"kind", chart::RelationKindName(r.kind)},
                                 {"members", r.members},
                                 {"pillars", std::move(positions)}};
        if (r.hasElement) relation["element"] = chart::ElementName(r.element);
        relations.push_back(std::move(relation));
    }
    json["relations"] = std::move(relations);
    json["taiyuan"] = chart::PillarName(c.taiyuan);
    json["minggong"] = chart::PillarName(c.minggong);
    json["terms"] = {{"previous", Term(c.previousTerm)}, {"next", Term(c.nextTerm)}};
    if (c.termInHour) {
        ordered_json other = ordered_json::array();
        for (int p : c.termInHour->otherPillars) other.push_back(chart::PillarName(p));
        json["otherSidePillars"] = std::move(other);
    } else {
        json["otherSidePillars"] = nullptr;
    }

    const chart::Luck& luck = c.luck;
    ordered_json luckPillars = ordered_json::array();
    for (const chart::LuckPillar& p : luck.pillars) {
        ordered_json years = ordered_json::array();
        for (int y = 0; y < 10; ++y)
            years.push_back({{"year", p.startYear + y}, {"pillar", chart::PillarName(p.years[y])}});
        luckPillars.push_back({{"pillar", chart::PillarName(p.pillar)},
                               {"tenGod", chart::TenGodName(p.tenGod)},
                               {"startAge", p.startAge},
                               {"startYear", p.startYear},
                               {"years", std::move(years)}});
    }
    json["luck"] = {
        {"direction", luck.forward ? "forward" : "backward"},
        {"start",
         {{"years", luck.start.years},
          {"months", luck.start.months},
          {"days", luck.start.days},
          {"hours", luck.start.hours}}},
        {"startDate", chart::FormatDate(luck.startMoment)},
        {"pillars", std::move(luckPillars)},
    };
    json["notes"] = c.notes;
    return json;
}
