// The chart page: the chart's model (chart/ChartModel.h) painted by one
// routine onto any painter at any page rectangle, for the chart window, its
// printout and preview, its PDF and PNG exports and karvuto-read --export.
// Its geometry is ChartPageLayout.h's.
#pragma once

#include <QRectF>
#include <QRgb>

#include "ChartModel.h"
#include "app/pages/PageSource.h"

class QPainter;

namespace pages {

// Paints the page into `target` (any size; the page keeps its proportions and
// is centred) on `painter`, white paper included.
void PaintChartPage(QPainter& painter, const QRectF& target, const chart::ChartModel& model);

// The chart page over the whole page of the device it is painted on.
PagePainter ChartPagePainter(chart::ChartModel model);

// The customary colour of an element on white paper: 木 green, 火 red,
// 土 brown, 金 gold, 水 blue.
QRgb ElementColour(chart::Element element);

}  // namespace pages
