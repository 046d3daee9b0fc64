// The printed report page: rectangles in device units and the print font.
#include "app/pages/PrintLayout.h"

#include <algorithm>
#include <cmath>

#include "DialogUnits.h"
#include "app/pages/PageGeometry.h"
#include "app/pages/ReportLayout.h"
#include "skin/SkinFonts.h"

namespace pages::paper {

namespace {

// Page margins and fixed edges of the layout, in device units.
constexpr int kFrameInset = 40;  // outer frame and header box
constexpr int kHeaderBoxBottom = 560;
constexpr int kPictureRightInset = 60;
constexpr int kPictureTop = 60;
constexpr int kTextInset = 120;  // header and body text: 80 units (6.8 mm) inside the frame
constexpr int kHeaderTextTop = 80;
constexpr int kHeaderTextRightInset = 720;
constexpr int kHeaderTextBottom = 520;
constexpr int kBodyTextTop = kHeaderBoxBottom + 80;

}  // namespace

PageLayout LayoutPage(QSize size) {
    const int width = size.width();
    const int height = size.height();
    PageLayout page;
    page.outerFrame = EdgeRect({kFrameInset, kFrameInset, width - kFrameInset, height - kFrameInset});
    page.headerBox = EdgeRect({kFrameInset, kFrameInset, width - kFrameInset, kHeaderBoxBottom});
    const int pictureLeft = width - kPictureRightInset - kPictureWidth;
    page.picture =
        EdgeRect({pictureLeft, kPictureTop, pictureLeft + kPictureWidth, kPictureTop + kPictureHeight});
    page.headerText =
        EdgeRect({kTextInset, kHeaderTextTop, width - kHeaderTextRightInset, kHeaderTextBottom});
    page.bodyText = EdgeRect({kTextInset, kBodyTextTop, width - kTextInset, height - kTextInset});
    return page;
}

int PrintFontCellHeight(int dpiY) {
    // A positive font height asks for a cell height; it is written as the
    // negation of the em-size formula MulDiv(10, -dpi, 72).
    return -res::MulDiv(kPrintFontPoints, -dpiY, kPointsPerInch);
}

QFont MakePrintFont(int dpiY) {
    // A negative height asks for the em: 10-point characters, whatever the
    // face's ascent and descent; the lines are laid out by PrintGrid.
    return LogFont(QStringLiteral("新宋体"), -PrintFontCellHeight(dpiY));
}

TextGrid PrintGrid(int dpiY) {
    const int cell = PrintFontCellHeight(dpiY);
    return {cell, cell, res::MulDiv(cell, screen::kReportBaseline, screen::kReportLineHeight)};
}

TextGrid SpacedGrid(const TextGrid& grid, int lines, int height, double spacing) {
    int pitch = static_cast<int>(std::lround(spacing * grid.pitch));
    if (lines > 0) pitch = std::min(pitch, height / lines);
    pitch = std::max(pitch, grid.pitch);
    return {grid.cell, pitch, grid.baseline + (pitch - grid.pitch) / 2};
}

}  // namespace pages::paper
