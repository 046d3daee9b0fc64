// The chart as every face shows it: the text of each cell and line, made once
// from a chart::Chart. The terminal layout (ChartText.h), the JSON of
// karvuto-read and the chart page only lay these texts out, so they cannot
// disagree. UTF-8; Qt-free; a pure function of the chart and its input.
//
// A new line under the grid (the start moment of the luck, 小运, 流月, …) is
// one more entry of `facts`, which every face lists in order; a new note is
// one more entry of the chart's notes.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Chart.h"

namespace chart {

// The labels of the chart's sections, the same in every face.
inline constexpr std::string_view kCastLabel = "排盘";
inline constexpr std::string_view kConventionsLabel = "约定";
inline constexpr std::string_view kElementsLabel = "五行";
inline constexpr std::string_view kRelationsLabel = "刑冲合会";
inline constexpr std::string_view kLuckLabel = "大运";
inline constexpr std::string_view kYearsLabel = "流年";
inline constexpr std::string_view kXiaoYunLabel = "小运";
inline constexpr std::string_view kNotePrefix = "注：";
inline constexpr std::string_view kNoneText = "无";  // an empty list: no relations

// What a chart's presentation needs besides the chart.
struct ModelInput {
    std::string name;        // the person's name; may be empty
    std::string place;       // the birthplace chosen for true solar time; "" when a longitude was typed
    int currentYear = 2000;  // the year that counts as now for the marks of the luck and the years
};

// The rows of the pillar grid, top to bottom.
enum class GridRow { TenGod, Stem, Branch, Hidden, Nayin, Stage, SelfStage, XunKong };
struct GridRowLabel {
    GridRow row;
    std::string_view label;
};
inline constexpr std::array<GridRowLabel, 8> kGridRows{{
    {GridRow::TenGod, "十神"},
    {GridRow::Stem, "天干"},
    {GridRow::Branch, "地支"},
    {GridRow::Hidden, "藏干"},
    {GridRow::Nayin, "纳音"},
    {GridRow::Stage, "地势"},
    {GridRow::SelfStage, "自坐"},
    {GridRow::XunKong, "旬空"},
}};
static_assert(static_cast<int>(GridRow::XunKong) + 1 == kGridRows.size(), "one label a row, in order");

struct HiddenStemText {
    int stem = 0;
    std::string stemName;  // "戊"
    std::string tenGod;    // "伤官"
};

// One pillar's column of the grid; the indices are for the element colours.
struct PillarColumn {
    std::string heading;  // "年柱"
    std::string key;      // "year"
    std::string mark;     // "年", naming the pillar in a relation
    int pillar = 0, stem = 0, branch = 0;
    std::string pillarName;  // "戊辰"
    std::string tenGod;      // "伤官", "日主" for the day pillar
    std::string stemName, branchName;
    std::vector<HiddenStemText> hidden;  // 本气, 中气, 余气
    std::string nayin, stage, selfStage;
    std::string xunkong;  // "戌亥"
};

// The lines of one cell of the grid: one line, or one a hidden stem ("戊 伤官").
std::vector<std::string> CellLines(const PillarColumn& column, GridRow row);

struct ElementText {
    std::string name;  // "木"
    int count = 0;     // of the eight characters
    double weight = 0;
    std::string weightText;  // "0.3"
};

struct RelationText {
    std::string kind;                    // "半会"
    std::string members;                 // "午巳"
    std::optional<std::string> element;  // "火"
    std::vector<int> pillars;            // positions 0-3
    std::string text;                    // "半会 午巳(火) 月日"
};

struct TermText {
    std::string name;  // "芒种"
    std::string time;  // "1988-06-05 19:14:54"
};

// A line of facts under the grid, "label  text".
struct FactLine {
    std::string label;  // "胎元"
    std::string text;   // "己酉"
};

struct YearText {
    int year = 0;
    std::string yearText;  // "2024"
    int pillar = 0;
    std::string pillarName;  // "甲辰"
};

struct LuckText {
    int pillar = 0;
    std::string pillarName;  // "丁巳"
    std::string tenGod;      // "比肩"
    int startAge = 0;
    std::string age;  // "10岁"
    int startYear = 0;
    std::string yearText;  // "1997"
    std::array<YearText, 10> years;
};

// One year of 小运, before the first luck pillar.
struct XiaoYunText {
    int year = 0;
    std::string yearText;  // "1988"
    int age = 0;
    std::string ageText;  // "1岁"
    int pillar = 0;
    std::string pillarName;  // "丁未"
};

struct ChartModel {
    // Who and when.
    std::string person;     // "张三  女  属龙"
    std::string solarLine;  // "阳历 1988年07月01日 13:10"
    std::string lunarLine;  // "阴历 一九八八年五月十八 未时"; "" when the calendar cannot say
    std::string clockTime;  // "1988-07-01 13:10", the birth as the clock showed it
    std::string castTime;   // "按 1988-07-01 11:51 排盘" when the chart is cast for another time; else ""
    std::string conventions;  // "子时：…；时间：…；夏令时：…"

    // The same conventions and moments as keys and values, for data faces.
    std::string ziKey;         // "same-day", "late", "next-day"
    std::string timeBasisKey;  // "clock", "true-solar"
    std::optional<double> longitude;
    bool dstCorrect = false;
    std::string summerTimeKey;                                // "standard", "summer", "repeated", "skipped"
    std::string clockSeconds, standardSeconds, chartSeconds;  // "YYYY-MM-DD HH:MM:SS"

    std::array<PillarColumn, 4> columns;
    // Where a 节 falls inside the birth's hour: the pillars on its other side.
    std::optional<std::array<std::string, 4>> otherSidePillars;

    std::array<ElementText, 5> elements;
    std::vector<std::string> missingNames;  // "木", "金", "水"
    std::string missing;                    // "缺：木金水" or "五行俱全"
    std::vector<RelationText> relations;

    std::string taiyuan, minggong;  // "己酉", "丁巳"
    TermText previousTerm, nextTerm;
    std::vector<FactLine> facts;     // 胎元, 命宫, 节气, in the order shown
    std::vector<std::string> notes;  // sentences, shown after kNotePrefix

    // The luck pillars.
    bool luckForward = true;
    LuckStart luckStart;
    std::string luckStartDate;    // "1997-01-25"
    std::string luckStartMoment;  // "1997-01-25 08:40": the first luck pillar begins
    std::string luckLine;         // "逆行，出生后 8 年 6 月 24 天起运，1997-01-25 08:40 交运"
    std::vector<XiaoYunText> xiaoyun;  // each year from the birth's to the one before the first luck pillar
    std::vector<LuckText> luck;
    int currentLuck = -1;  // the luck pillar the current year falls in; -1: none
    int shownLuck = 0;     // the luck pillar whose years a page shows
    int currentYear = -1;  // the current year among the shown luck pillar's years; -1: not there
};

// The model of `chart`. The shown luck pillar is the current one; before the
// first, the first; after the last, the last.
ChartModel MakeChartModel(const Chart& chart, const ModelInput& input);

}  // namespace chart
