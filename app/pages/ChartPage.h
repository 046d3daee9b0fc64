// The chart page: everything the chart window, its printout, its PDF and PNG
// exports and karvuto-read --export show of one chart, first as texts (the
// page's contents, which tests read) and then painted by one routine onto
// any painter at any page rectangle.
#pragma once

#include <QRectF>
#include <QRgb>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "Chart.h"
#include "app/pages/PageSource.h"

class QPainter;

namespace pages {

// The page is laid out on a sheet of this many units, A4's proportions; it
// is scaled to whatever rectangle it is painted in.
inline constexpr double kPageWidth = 800.0;
inline constexpr double kPageHeight = 1131.0;

// Rows of the pillar grid, top to bottom.
enum GridRow { TenGodRow, StemRow, BranchRow, HiddenRow, NayinRow, StageRow, SelfStageRow, XunKongRow };
inline constexpr int kGridRows = 8;
inline constexpr const char* kGridRowNames[kGridRows] = {"十神", "天干", "地支", "藏干",
                                                         "纳音", "地势", "自坐", "空亡"};
inline constexpr const char* kGridColumnNames[4] = {"年柱", "月柱", "日柱", "时柱"};

// One luck pillar's cell in the strip.
struct LuckCell {
    QString pillar;  // "丁巳"
    QString tenGod;  // "比肩"
    QString age;     // "10岁"
    QString year;    // "1997"
    int sexagenary = 0;
};

// One year of the current luck pillar.
struct YearCell {
    QString year;    // "2024"
    QString pillar;  // "甲辰"
    int sexagenary = 0;
};

// The page's texts. A grid cell holds lines separated by "\n" (the hidden
// stems, each with its ten god).
struct ChartPageText {
    QString title;        // "八字排盘"
    QString person;       // "张三  女  属龙"
    QString solarLine;    // "阳历 1988年07月01日 13:10"
    QString lunarLine;    // "阴历 一九八八年五月十八 未时", or "" when the calendar cannot say
    QString conventions;  // the conventions in force, one line
    QString castTime;     // "按 1988-07-01 11:51 排盘" when the chart time is not the clock's; else ""
    std::array<std::array<QString, 4>, kGridRows> grid;
    std::array<int, 4> stems{}, branches{};       // for the element colours
    std::array<std::vector<int>, 4> hiddenStems;  // the 藏干 row's stems, line by line
    QStringList relations;                        // "半会 午巳(火) 月日"
    std::array<int, 5> elementCounts{};
    std::array<double, 5> elementWeights{};
    QString missing;    // "缺：木金水" or "五行俱全"
    QString extras;     // "胎元 己酉  命宫 丁巳"
    QString termsLine;  // "芒种 1988-06-05 19:14:54 至 小暑 1988-07-07 05:32:55"
    QStringList notes;
    QString luckLine;  // "逆行  出生后 8 年 6 月 24 天起运  1997-01-25 交运"
    std::array<LuckCell, 10> luck;
    int currentLuck = -1;  // the luck pillar the current year falls in; -1: none
    int shownLuck = 0;     // the luck pillar whose ten years are shown
    std::array<YearCell, 10> years;
    int currentYearCell = -1;  // the current year among them; -1: not there
    QString footer;
};

// What the page is made of besides the chart: the person's name (UTF-8, may
// be empty), the birthplace chosen for true solar time (empty when a
// longitude was typed), and the year that counts as now for the marks.
struct PageInput {
    QString name;
    QString place;
    int currentYear = 2000;
};

ChartPageText MakeChartPageText(const chart::Chart& chart, const PageInput& input);

// Paints the page into `target` (any size; the page keeps its proportions and
// is centred) on `painter`, white paper included.
void PaintChartPage(QPainter& painter, const QRectF& target, const ChartPageText& page);

// The chart page over the whole page of the device it is painted on.
PagePainter ChartPagePainter(ChartPageText page);

// The customary colour of an element on white paper: 木 green, 火 red,
// 土 brown, 金 gold, 水 blue.
QRgb ElementColour(chart::Element element);

}  // namespace pages
