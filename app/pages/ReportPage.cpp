// The report page on screen and on paper.
#include "app/pages/ReportPage.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include "app/pages/GbkText.h"
#include "app/pages/GridText.h"
#include "app/pages/PrintLayout.h"
#include "app/pages/ReportLayout.h"
#include "res/bitmaps/BitmapIds.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinFonts.h"

namespace pages {

namespace screen {

QRect PictureRect(QSize size) {
    const int w = size.width();
    const int h = size.height();
    if (w <= 0 || h <= 0) {
        return {};
    }
    if (w > h) {
        const int height = h * kPictureWidth / w;
        return QRect(kPictureLeft, kPictureMiddle - height / 2, kPictureWidth, height);
    }
    const int width = w * kPictureHeight / h;
    return QRect(kPictureLeft, kPictureTop, width, kPictureHeight);
}

}  // namespace screen

namespace {

// A framed box on screen: a one-pixel black border on the edge pixels, white inside.
void DrawScreenRectangle(QPainter& p, const Edges& edges) {
    const QRect r = EdgeRect(edges);
    p.fillRect(r, Qt::white);
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

// Lines up to the last one that holds any text: empty lines at the end take no room.
int TextLineCount(const QStringList& lines) {
    qsizetype count = lines.size();
    while (count > 0 && lines[count - 1].trimmed().isEmpty()) --count;
    return static_cast<int>(count);
}

// A framed box on paper, drawn with the painter's one-unit pen: the outline
// lies inside the rectangle, the inside is filled with the brush.
void DrawFrameRect(QPainter& painter, const QRect& rect) {
    if (rect.isEmpty()) {
        return;
    }
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

}  // namespace

ReportPageText MakeReportPageText(std::string_view headerGbk, std::string_view bodyGbk, bool hasStarSign) {
    return {FromGbk(headerGbk), FromGbk(bodyGbk), hasStarSign ? art::kDragonPictureId : art::kBlankPictureId};
}

const QFont& ReportFont() {
    // The Song face at the em size of a 13-pixel cell; the lines are laid
    // out at the cell height on the report's grid.
    static const QFont font = LogFont(QStringLiteral("新宋体"), -screen::kReportEmPixels, 400);
    return font;
}

void PaintReportScreen(QPainter& painter, const ReportPageText& report) {
    using namespace screen;
    painter.setFont(ReportFont());
    DrawScreenRectangle(painter, kOuterFrame);
    DrawScreenRectangle(painter, kPictureBox);
    // The picture is loaded on every paint; nothing is cached.
    const QImage picture = LoadBitmapResource(report.pictureId);
    const QRect target = PictureRect(picture.size());
    if (!target.isEmpty()) {
        // Placed by the 1x picture's size, drawn from the one made for the screen.
        painter.drawImage(target,
                          LoadBitmapResource(report.pictureId, painter.device()->devicePixelRatioF()));
    }
    DrawScreenRectangle(painter, kHeaderBox);
    // Texts are drawn literally (an "&" is an "&"), clipped to their boxes,
    // on the report's grid: a 12-pixel cell, one line every 13 pixels; the
    // body also breaks at its box's right edge.
    painter.setPen(Qt::black);
    const TextGrid grid{kReportEmPixels, kReportLineHeight, kReportBaseline};
    DrawGridText(&painter, report.header, EdgeRect(kHeaderText), grid, false);
    DrawGridText(&painter, report.body, EdgeRect(kBodyText), grid, true);
}

void PaintReportPage(QPainter& painter, const QRect& page, const ReportPageText& report) {
    const int dpiY = painter.device() != nullptr ? painter.device()->logicalDpiY() : kPageDpi;
    const paper::PageLayout layout = paper::LayoutPage(page.size());

    painter.save();
    painter.translate(page.topLeft());
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    DrawFrameRect(painter, layout.outerFrame);
    DrawFrameRect(painter, layout.headerBox);

    painter.setFont(paper::MakePrintFont(dpiY));
    const TextGrid grid = paper::PrintGrid(dpiY);
    PrintBitmapAsDib(&painter, LoadBitmapResource(report.pictureId), layout.picture);

    // Text is drawn literally ("&" is an ordinary character) from the top
    // left of its rectangle and clipped to it; an empty rectangle draws
    // nothing. The lines are spaced by what the rectangle holds.
    painter.setPen(Qt::black);
    const auto spaced = [&grid](const QString& text, const QRect& box, bool wrap, double spacing) {
        return paper::SpacedGrid(grid, TextLineCount(GridLines(text, box.width(), grid, wrap)), box.height(),
                                 spacing);
    };
    DrawGridText(&painter, report.header, layout.headerText,
                 spaced(report.header, layout.headerText, false, paper::kHeaderLineSpacing), false);
    DrawGridText(&painter, report.body, layout.bodyText,
                 spaced(report.body, layout.bodyText, true, paper::kBodyLineSpacing), true);
    painter.restore();
}

void PrintBitmapAsDib(QPainter* painter, const QImage& bitmap, const QRect& target) {
    if (painter == nullptr || bitmap.isNull() || target.isEmpty()) {
        return;
    }
    // Every device takes the same device-independent 32-bit form; a picture
    // that cannot be converted is left out and the page goes on without it.
    const QImage dib = bitmap.convertToFormat(QImage::Format_RGB32);
    if (dib.isNull()) {
        return;
    }
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter->drawImage(target, dib, dib.rect());
    painter->restore();
}

}  // namespace pages
