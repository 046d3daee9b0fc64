// The report as a page: on screen inside the report view, and on paper, in
// the preview, in a PDF and in a picture alike. Both are functions of a
// painter and the report's texts; neither knows a widget or a printer.
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <string_view>

class QPainter;

namespace pages {

// The report as its pages show it: the composer's header and body (lines
// separated by "\n") and the picture at the top right.
struct ReportPageText {
    QString header;
    QString body;
    int pictureId = 0;  // a bitmap id of res/bitmaps
};

// The texts of a composed report (GBK, as the composer writes them) and its
// picture: the dragon once the report has a star sign, the blank picture
// before the first reading.
ReportPageText MakeReportPageText(std::string_view headerGbk, std::string_view bodyGbk, bool hasStarSign);

// The screen font of the report ("新宋体", cell height 13 px); made once.
const QFont& ReportFont();

// The page as the report view shows it, in the view's device pixels with
// the scroll offset already applied: the outer frame, the picture box, the
// header box and the two texts at their fixed places (ReportLayout.h).
void PaintReportScreen(QPainter& painter, const ReportPageText& report);

// The printed page over `page` (in the painter's device units; its width and
// height are the W and H of PrintLayout.h), with fonts sized for the
// device's resolution.
void PaintReportPage(QPainter& painter, const QRect& page, const ReportPageText& report);

// Draws a bitmap onto a printer, preview or picture, scaled to `target`; a
// null painter or bitmap, or an empty target, draws nothing.
void PrintBitmapAsDib(QPainter* painter, const QImage& bitmap, const QRect& target);

}  // namespace pages
