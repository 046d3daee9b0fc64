// Dialog units: the template coordinates of a dialog, measured in quarters of
// the dialog font's average character width (x) and eighths of its height (y).
#pragma once

namespace res {

// The dialog font's base units in pixels: average character width and height.
struct DialogBaseUnits {
    int cx = 0;
    int cy = 0;
};

// A rectangle in pixels, as left/top/right/bottom (right and bottom exclusive).
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

inline constexpr int kDialogUnitsPerCharX = 4;  // a dialog unit is 1/4 of the width...
inline constexpr int kDialogUnitsPerCharY = 8;  // ...and 1/8 of the height of a character
inline constexpr int kPointsPerInch = 72;

// Base units of the Song face at a point size and screen resolution: the cell
// height is the point size at that resolution, and every Latin character of
// the face is half as wide as it is high (9 points at 96 dpi: 6 x 12).
DialogBaseUnits SongBaseUnits(int pointSize, int dpi);

// (number * numerator) / denominator rounded half away from zero, as the
// platform's MulDiv does; 0 for a zero denominator.
int MulDiv(int number, int numerator, int denominator);

// Converts a dialog-unit rectangle (x, y, width, height) to pixels. Each edge
// is converted on its own, so adjacent controls stay adjacent.
PixelRect MapDialogRect(int x, int y, int cx, int cy, DialogBaseUnits units);

// The exact (unrounded) pixel position of a dialog-unit coordinate.
double DialogUnitsToPixelsX(double x, DialogBaseUnits units);
double DialogUnitsToPixelsY(double y, DialogBaseUnits units);

}  // namespace res
