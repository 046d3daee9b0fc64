// The analysis pages: the analysis (analysis/Analysis.h) set on A4 sheets in
// the chart pages' look, every section with its verdict, method, evidence
// and texts (the outline of analysis/AnalysisText.h), the strength's score
// parts as bars, the auxiliary stars set as secondary. As many pages as the
// analysis needs; a page breaks only between lines, and a title or an item's
// head never ends a page. Geometry: AnalysisPageLayout.h.
//
//   const pages::AnalysisSheets sheets = pages::LayOutAnalysis(analysis, {model.person, model.solarLine});
//   for (int i = 0; i < sheets.PageCount(); ++i) pages::PaintAnalysisPage(painter, rect, sheets, i);
#pragma once

#include <QRectF>
#include <QString>
#include <string>
#include <vector>

#include "Analysis.h"
#include "app/pages/PageSource.h"
#include "app/pages/SheetStyle.h"

class QPainter;

namespace pages {

// The lines under page 1's title (UTF-8): who and when; either may be empty,
// as for a chart known only by its pillars.
struct AnalysisHeading {
    std::string person;  // "王五  女  属龙"
    std::string birth;   // "阳历 1988年07月01日 13:10"
};

// One line as set on a page, in sheet units.
struct SetLine {
    enum class Kind {
        Text,     // `text` in `type`
        Section,  // a section's title, with its verdict `detail` after it
        Score,    // a score part: `text` its name, a bar of value / maximum
    };
    Kind kind = Kind::Text;
    QString text;
    QString detail;
    sheet::Type type;
    double left = 0, top = 0, width = 0, height = 0;
    double value = 0, maximum = 0;
    bool secondary = false;  // set in the quiet colour
};

// The analysis laid out, page by page.
struct AnalysisSheets {
    QString person, birth, pillars;           // page 1's lines under the title
    std::vector<std::vector<SetLine>> pages;  // never empty
    int PageCount() const { return static_cast<int>(pages.size()); }
};

// Lays the analysis out. Measures text, so a Qt Gui application must exist.
AnalysisSheets LayOutAnalysis(const analysis::Analysis& analysis, const AnalysisHeading& heading);

// Paints page `page` (0-based) of `sheets` into `target` (any size; the page
// keeps its proportions and is centred), white paper included; a page beyond
// the count is blank.
void PaintAnalysisPage(QPainter& painter, const QRectF& target, const AnalysisSheets& sheets, int page);

// The analysis pages, each over the whole page of the device it is painted on.
std::vector<PagePainter> AnalysisPagePainters(const analysis::Analysis& analysis,
                                              const AnalysisHeading& heading);

}  // namespace pages
