// The fixed layout of the report page in device pixels (the screen page; the
// printed page is laid out by the print code).
#pragma once

#include <QRect>

namespace report {

// A rectangle given by its edges: left, top, right, bottom (right and bottom
// exclusive); an empty QRect when right <= left or bottom <= top. The screen
// page, the printed page and the tests give every rectangle this way.
constexpr QRect EdgeRect(int left, int top, int right, int bottom) {
    return right <= left || bottom <= top ? QRect() : QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

inline constexpr int kOuterFrame[4] = {2, 2, 760, 1000};
inline constexpr int kPictureBox[4] = {594, 2, 760, 130};
inline constexpr int kHeaderBox[4] = {2, 2, 595, 130};
inline constexpr int kHeaderText[4] = {20, 6, 597, 130};
inline constexpr int kBodyText[4] = {20, 140, 708, 2000};

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

// Where a w x h picture is drawn in the 160 x 120 box, keeping its aspect
// ratio; an empty rectangle for a picture without pixels.
QRect PictureRect(int w, int h);

}  // namespace report
