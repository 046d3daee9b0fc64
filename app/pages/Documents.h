// The documents the program prints and writes, made in one place so that
// every face (the chart window, the main form's export, karvuto-read
// --export) gives the same pages: the report page first in a reading, then
// the chart's pages, then the analysis pages. Pass nullptr for a part that
// is not wanted. The pages keep copies of what they are given.
#pragma once

#include <vector>

#include "Analysis.h"
#include "ChartModel.h"
#include "app/pages/PageSource.h"
#include "app/pages/ReportPage.h"

namespace pages {

// The chart's pages (ChartPage.h), then the analysis's (AnalysisPage.h)
// under the chart's person and birth.
std::vector<PagePainter> ChartDocument(const chart::ChartModel& chart, const analysis::Analysis* analysis);

// The report's page (ReportPage.h), then the chart's pages and the analysis
// pages where given; the analysis is headed by the chart's person and birth
// when there is a chart.
std::vector<PagePainter> ReadingDocument(const ReportPageText& report, const chart::ChartModel* chart,
                                         const analysis::Analysis* analysis);

}  // namespace pages
