// The printed report page: its rectangles in the printer's device units, the
// print font and the spacing of its lines. The layout was made for a printer
// of kPageDpi (an A4 page's printable area is about 2244 x 3272 units); W and
// H are the page's printable width and height in device pixels. The header
// box keeps the picture at the top right; the body fills the rest of the
// page, its lines spaced for reading and brought closer only where a long
// reading would otherwise not fit.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

#include "app/pages/GridText.h"

namespace pages::paper {

inline constexpr int kPictureWidth = 640;  // report picture on paper, device units
inline constexpr int kPictureHeight = 480;
inline constexpr int kPrintFontPoints = 10;  // print font size in points
// Lines of the body and of the header, in cells from one line to the next,
// where the page has room for them.
inline constexpr double kBodyLineSpacing = 1.6;
inline constexpr double kHeaderLineSpacing = 1.25;

// Every rectangle of one page of width W and height H.
struct PageLayout {
    QRect outerFrame;  // 40, 40, W - 40, H - 40
    QRect headerBox;   // 40, 40, W - 40, 560
    QRect picture;     // W - 700, 60, W - 60, 540 (640 x 480)
    QRect headerText;  // 120, 80, W - 720, 520; empty when W <= 840
    QRect bodyText;    // 120, 640, W - 120, H - 120
};

PageLayout LayoutPage(QSize size);

// The print font's cell height (ascent + descent) in device pixels for a
// device of `dpiY` dots per inch: 10 points rounded half away from zero.
int PrintFontCellHeight(int dpiY);

// The print font ("新宋体", regular) whose characters are 10 points: an em
// of PrintFontCellHeight(dpiY) device pixels.
QFont MakePrintFont(int dpiY);

// The print grid: characters of a PrintFontCellHeight(dpiY) cell, one line
// per cell, the baseline where the screen's 13-pixel cell has it.
TextGrid PrintGrid(int dpiY);

// `grid` with its lines `spacing` cells apart for a text of `lines` lines in
// a rectangle `height` units tall: closer where they would not all fit, but
// never closer than one cell; the characters sit in the middle of the room
// between two lines.
TextGrid SpacedGrid(const TextGrid& grid, int lines, int height, double spacing);

}  // namespace pages::paper
