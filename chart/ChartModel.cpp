// The texts of a chart, made once for every face.
#include "ChartModel.h"

#include <cmath>
#include <cstdio>

#include "BirthNotes.h"
#include "GbkCodec.h"
#include "LunarCalendar.h"
#include "SolarTerms.h"

namespace chart {
namespace {

constexpr std::array<std::string_view, 4> kColumnHeadings = {"年柱", "月柱", "日柱", "时柱"};
constexpr std::array<std::string_view, 4> kPillarMarks = {"年", "月", "日", "时"};
constexpr std::string_view kDayMaster = "日主";
constexpr int kSecondsPerMinute = 60;

std::string Format(const char* format, auto... values) {
    char text[96];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

std::string OneDecimal(double value) {
    return Format("%.1f", value);
}

std::string_view SummerKey(SummerClock clock) {
    switch (clock) {
        case SummerClock::Standard:
            return "standard";
        case SummerClock::Summer:
            return "summer";
        case SummerClock::Repeated:
            return "repeated";
        case SummerClock::Skipped:
            return "skipped";
    }
    return "";
}

// "阴历 一九八八年五月十八 未时" for the clock's date and hour; "" where the
// calendar has no lunar date for it.
std::string LunarLine(const DateTime& clock) {
    const CLunarCalendar calendar;
    SYSTEMTIME solar{};
    using Field = decltype(solar.wYear);
    solar.wYear = static_cast<Field>(clock.year);
    solar.wMonth = static_cast<Field>(clock.month);
    solar.wDay = static_cast<Field>(clock.day);
    solar.wHour = static_cast<Field>(clock.hour);
    SYSTEMTIME lunar{};
    int leap = 0;
    if (!calendar.SolarToLunar(solar, lunar, leap)) return {};
    lunar.wHour = solar.wHour;
    return "阴历 " + platform::Utf8(calendar.FormatLunarDate(lunar, leap)) + " " +
           platform::Utf8(calendar.GetHourName(lunar));
}

// "子时：子时属当日；时间：真太阳时（北京 116.40°E，校正 -18.2 分钟）；夏令时：拨回标准时间".
std::string ConventionsLine(const Chart& c, const ModelInput& input) {
    const Conventions& conv = c.conventions;
    std::string line = "子时：" + std::string(ZiHourName(conv.zi)) + "；时间：";
    if (conv.longitude) {
        const double correction =
            static_cast<double>(ToSeconds(c.chartTime) - ToSeconds(c.standardTime)) / kSecondsPerMinute;
        line += "真太阳时（";
        if (!input.place.empty()) line += input.place + " ";
        line += Format("%.2f°%s", std::fabs(*conv.longitude), *conv.longitude < 0 ? "W" : "E") + "，校正 " +
                Format("%+.1f", correction) + " 分钟）";
    } else {
        line += "钟表时间";
    }
    return line + "；夏令时：" + std::string(SummerTimeConvention(c.summerClock, conv.dstCorrect));
}

PillarColumn Column(const Pillar& p, int position) {
    PillarColumn column;
    column.heading = kColumnHeadings[static_cast<std::size_t>(position)];
    column.key = PillarKey(position);
    column.mark = kPillarMarks[static_cast<std::size_t>(position)];
    column.pillar = p.pillar;
    column.stem = p.stem;
    column.branch = p.branch;
    column.pillarName = PillarName(p.pillar);
    column.tenGod = p.dayMaster ? kDayMaster : TenGodName(p.tenGod);
    column.stemName = StemName(p.stem);
    column.branchName = BranchName(p.branch);
    for (int i = 0; i < p.hiddenCount; ++i) {
        const HiddenStem& h = p.hidden[static_cast<std::size_t>(i)];
        column.hidden.push_back({h.stem, std::string(StemName(h.stem)), std::string(TenGodName(h.tenGod))});
    }
    column.nayin = NayinName(p.pillar);
    column.stage = StageName(p.stage);
    column.selfStage = StageName(p.selfStage);
    column.xunkong = std::string(BranchName(p.xunkong[0])) + std::string(BranchName(p.xunkong[1]));
    return column;
}

RelationText RelationOf(const ChartRelation& r) {
    RelationText relation{std::string(RelationKindName(r.kind)), r.members, std::nullopt, r.pillars, {}};
    if (r.hasElement) relation.element = std::string(ElementName(r.element));
    relation.text = relation.kind + " " + relation.members;
    if (relation.element) relation.text += "(" + *relation.element + ")";
    relation.text += " ";
    for (int p : r.pillars) relation.text += kPillarMarks[static_cast<std::size_t>(p)];
    return relation;
}

TermText Term(const TermTime& t) {
    return {std::string(TermName(t.term)), FormatSeconds(t.time)};
}

void AddLuck(ChartModel& m, const Luck& luck, int currentYear) {
    m.luckForward = luck.forward;
    m.luckStart = luck.start;
    m.luckStartDate = FormatDate(luck.startMoment);
    m.luckStartMoment = FormatMinutes(luck.startMoment);
    m.luckLine = std::string(luck.forward ? "顺行" : "逆行") + "，出生后 " +
                 std::to_string(luck.start.years) + " 年 " + std::to_string(luck.start.months) + " 月 " +
                 std::to_string(luck.start.days) + " 天 " + std::to_string(luck.start.hours) + " 时起运，" +
                 m.luckStartMoment + " 交运";
    for (const XiaoYun& x : luck.xiaoyun)
        m.xiaoyun.push_back({x.year, std::to_string(x.year), x.age, std::to_string(x.age) + "岁", x.pillar,
                             PillarName(x.pillar)});
    for (const LuckPillar& p : luck.pillars) {
        LuckText text{p.pillar,
                      PillarName(p.pillar),
                      std::string(TenGodName(p.tenGod)),
                      p.startAge,
                      std::to_string(p.startAge) + "岁",
                      p.startYear,
                      std::to_string(p.startYear),
                      {}};
        for (std::size_t y = 0; y < text.years.size(); ++y) {
            const int year = p.startYear + static_cast<int>(y);
            text.years[y] = {year, std::to_string(year), p.years[y], PillarName(p.years[y])};
        }
        if (currentYear >= p.startYear && currentYear < p.startYear + static_cast<int>(p.years.size()))
            m.currentLuck = static_cast<int>(m.luck.size());
        m.luck.push_back(std::move(text));
    }
    if (m.luck.empty()) return;
    if (m.currentLuck >= 0) {
        m.shownLuck = m.currentLuck;
    } else if (currentYear >= m.luck.back().startYear) {
        m.shownLuck = static_cast<int>(m.luck.size()) - 1;
    }
    const LuckText& shown = m.luck[static_cast<std::size_t>(m.shownLuck)];
    for (std::size_t y = 0; y < shown.years.size(); ++y) {
        if (shown.years[y].year == currentYear) m.currentYear = static_cast<int>(y);
    }
}

}  // namespace

std::vector<std::string> CellLines(const PillarColumn& column, GridRow row) {
    switch (row) {
        case GridRow::TenGod:
            return {column.tenGod};
        case GridRow::Stem:
            return {column.stemName};
        case GridRow::Branch:
            return {column.branchName};
        case GridRow::Hidden: {
            std::vector<std::string> lines;
            for (const HiddenStemText& h : column.hidden) lines.push_back(h.stemName + " " + h.tenGod);
            return lines;
        }
        case GridRow::Nayin:
            return {column.nayin};
        case GridRow::Stage:
            return {column.stage};
        case GridRow::SelfStage:
            return {column.selfStage};
        case GridRow::XunKong:
            return {column.xunkong};
    }
    return {};
}

ChartModel MakeChartModel(const Chart& c, const ModelInput& input) {
    ChartModel m;
    m.person = (input.name.empty() ? std::string() : input.name + "  ") +
               (c.birth.sex == Sex::Male ? "男" : "女") + "  属" +
               std::string(AnimalName(c.pillars[0].branch));
    m.solarLine = Format("阳历 %04d年%02d月%02d日 %02d:%02d", c.clockTime.year, c.clockTime.month,
                         c.clockTime.day, c.clockTime.hour, c.clockTime.minute);
    m.lunarLine = LunarLine(c.clockTime);
    m.clockTime = FormatMinutes(c.clockTime);
    if (c.chartTime != c.clockTime) m.castTime = "按 " + FormatMinutes(c.chartTime) + " 排盘";
    m.conventions = ConventionsLine(c, input);

    m.ziKey = ZiHourKey(c.conventions.zi);
    m.timeBasisKey = TimeBasisKey(c.conventions);
    m.longitude = c.conventions.longitude;
    m.dstCorrect = c.conventions.dstCorrect;
    m.summerTimeKey = SummerKey(c.summerClock);
    m.clockSeconds = FormatSeconds(c.clockTime);
    m.standardSeconds = FormatSeconds(c.standardTime);
    m.chartSeconds = FormatSeconds(c.chartTime);

    for (int i = 0; i < 4; ++i)
        m.columns[static_cast<std::size_t>(i)] = Column(c.pillars[static_cast<std::size_t>(i)], i);
    if (c.termInHour) {
        m.otherSidePillars.emplace();
        for (std::size_t i = 0; i < 4; ++i)
            (*m.otherSidePillars)[i] = PillarName(c.termInHour->otherPillars[i]);
    }

    for (std::size_t e = 0; e < m.elements.size(); ++e) {
        const double weight = c.elements.weighted[e];
        m.elements[e] = {std::string(ElementName(static_cast<Element>(e))), c.elements.characters[e], weight,
                         OneDecimal(weight)};
    }
    m.missing = c.elements.missing.empty() ? "五行俱全" : "缺：";
    for (Element e : c.elements.missing) {
        m.missingNames.emplace_back(ElementName(e));
        m.missing += m.missingNames.back();
    }
    for (const ChartRelation& r : c.relations) m.relations.push_back(RelationOf(r));

    m.previousTerm = Term(c.previousTerm);
    m.nextTerm = Term(c.nextTerm);
    m.taiyuan = PillarName(c.taiyuan);
    m.minggong = PillarName(c.minggong);
    m.facts = {
        {"胎元", m.taiyuan},
        {"命宫", m.minggong},
        {"节气",
         m.previousTerm.name + " " + m.previousTerm.time + " 至 " + m.nextTerm.name + " " + m.nextTerm.time},
    };
    m.notes = c.notes;
    AddLuck(m, c.luck, input.currentYear);
    if (!m.xiaoyun.empty()) {
        std::string line;
        for (const XiaoYunText& x : m.xiaoyun)
            line += (line.empty() ? "" : "  ") + x.yearText + "(" + x.ageText + ")" + x.pillarName;
        m.facts.push_back({std::string(kXiaoYunLabel), line});
    }
    return m;
}

}  // namespace chart
