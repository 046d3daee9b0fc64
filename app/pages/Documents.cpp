// The reading and chart documents, page by page.
#include "app/pages/Documents.h"

#include <QPaintDevice>
#include <QPainter>

#include "app/pages/AnalysisPage.h"
#include "app/pages/ChartPage.h"

namespace pages {
namespace {

void Append(std::vector<PagePainter>& to, std::vector<PagePainter> pages) {
    for (PagePainter& page : pages) to.push_back(std::move(page));
}

AnalysisHeading HeadingOf(const chart::ChartModel* chart) {
    return chart ? AnalysisHeading{chart->person, chart->solarLine} : AnalysisHeading{};
}

}  // namespace

std::vector<PagePainter> ChartDocument(const chart::ChartModel& chart, const analysis::Analysis* analysis) {
    std::vector<PagePainter> pages = ChartPagePainters(chart);
    if (analysis) Append(pages, AnalysisPagePainters(*analysis, HeadingOf(&chart)));
    return pages;
}

std::vector<PagePainter> ReadingDocument(const ReportPageText& report, const chart::ChartModel* chart,
                                         const analysis::Analysis* analysis) {
    std::vector<PagePainter> pages = {[report](QPainter& painter, QPaintDevice& device) {
        PaintReportPage(painter, QRect(0, 0, device.width(), device.height()), report);
    }};
    if (chart) Append(pages, ChartPagePainters(*chart));
    if (analysis) Append(pages, AnalysisPagePainters(*analysis, HeadingOf(chart)));
    return pages;
}

}  // namespace pages
