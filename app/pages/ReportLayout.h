// The report page on screen: its fixed layout in device pixels, as the report
// view shows it inside the main form (the printed page: PrintLayout.h).
#pragma once

#include <QRect>

#include "app/pages/PageGeometry.h"

namespace pages::screen {

inline constexpr Edges kOuterFrame{2, 2, 760, 1000};
inline constexpr Edges kPictureBox{594, 2, 760, 130};
inline constexpr Edges kHeaderBox{2, 2, 595, 130};  // drawn over the picture box's left edge
inline constexpr Edges kHeaderText{20, 6, 597, 130};
inline constexpr Edges kBodyText{20, 140, 708, 2000};

inline constexpr int kPictureLeft = 597;
inline constexpr int kPictureTop = 6;
inline constexpr int kPictureWidth = 160;
inline constexpr int kPictureHeight = 120;
inline constexpr int kPictureMiddle = 66;  // vertical centre of a landscape picture

// Scroll sizes: total and page 600 x 1020, line 6 x 10.
inline constexpr int kScrollWidth = 600;
inline constexpr int kScrollHeight = 1020;
inline constexpr int kLineStepX = 6;
inline constexpr int kLineStepY = 10;

inline constexpr int kReportFontHeight = 13;  // cell height of 新宋体, one line of text
inline constexpr int kReportLineHeight = kReportFontHeight;
inline constexpr int kReportEmPixels = 12;  // the glyphs' em size within that cell
inline constexpr int kReportBaseline = 11;  // baseline below the cell's top

// Where a picture of `size` is drawn in the 160 x 120 box, keeping its
// aspect ratio; an empty rectangle for a picture without pixels.
QRect PictureRect(QSize size);

}  // namespace pages::screen
