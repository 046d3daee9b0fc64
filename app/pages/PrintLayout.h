// The printed report page: its rectangles in the printer's device units and
// the print font. The layout was made for a printer of kPageDpi; W and H are
// the page's printable width and height in device pixels.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

#include "app/pages/GridText.h"

namespace pages::paper {

inline constexpr int kPictureWidth = 640;  // report picture on paper, device units
inline constexpr int kPictureHeight = 480;
inline constexpr int kPrintFontPoints = 10;  // print font size in points

// Every rectangle of one page of width W and height H.
struct PageLayout {
    QRect outerFrame;  // 40, 40, W - 40, H - 40
    QRect headerBox;   // 40, 40, W - 40, 560
    QRect picture;     // W - 700, 60, W - 60, 540 (640 x 480)
    QRect headerText;  // 80, 80, W - 720, 500; empty when W <= 800
    QRect bodyText;    // 80, 580, W - 80, H - 80
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

}  // namespace pages::paper
