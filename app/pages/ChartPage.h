// The chart pages: the chart's model (chart/ChartModel.h) painted by one
// routine onto any painter at any page rectangle, for the chart window, its
// printout and preview, its PDF and PNG exports and karvuto-read --export.
// Page 1 is the natal chart, page 2 the luck and the years; facts and notes
// that do not fit continue on page 2 and, rarely, further pages. Their
// geometry is ChartPageLayout.h's.
#pragma once

#include <QRectF>
#include <QRgb>
#include <vector>

#include "ChartModel.h"
#include "app/pages/PageSource.h"

class QPainter;

namespace pages {

// How many pages the chart takes: 2, more only when its facts and notes
// overflow. Measures text, so a Qt Gui application must exist.
int ChartPageCount(const chart::ChartModel& model);

// Paints page `page` (0-based, below ChartPageCount) into `target` (any size;
// the page keeps its proportions and is centred) on `painter`, white paper
// included. A page beyond the count is blank.
void PaintChartPage(QPainter& painter, const QRectF& target, const chart::ChartModel& model, int page = 0);

// The chart's pages, each over the whole page of the device it is painted on.
std::vector<PagePainter> ChartPagePainters(chart::ChartModel model);

// The customary colour of an element on white paper: 木 green, 火 red,
// 土 brown, 金 gold, 水 blue.
QRgb ElementColour(chart::Element element);

}  // namespace pages
