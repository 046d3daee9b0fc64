#include "DialogUnits.h"

#include <cstdint>

namespace res {

DialogBaseUnits SongBaseUnits(int pointSize, int dpi) {
    const int height = MulDiv(pointSize, dpi, kPointsPerInch);
    return {height / 2, height};
}

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) {
        return 0;
    }
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    const std::int64_t absProduct = product < 0 ? -product : product;
    const std::int64_t absDenominator =
        denominator < 0 ? -static_cast<std::int64_t>(denominator) : denominator;
    const std::int64_t quotient = (absProduct + absDenominator / 2) / absDenominator;
    return static_cast<int>(negative ? -quotient : quotient);
}

PixelRect MapDialogRect(int x, int y, int cx, int cy, DialogBaseUnits units) {
    PixelRect r;
    r.left = MulDiv(x, units.cx, kDialogUnitsPerCharX);
    r.top = MulDiv(y, units.cy, kDialogUnitsPerCharY);
    r.right = MulDiv(x + cx, units.cx, kDialogUnitsPerCharX);
    r.bottom = MulDiv(y + cy, units.cy, kDialogUnitsPerCharY);
    return r;
}

double DialogUnitsToPixelsX(double x, DialogBaseUnits units) {
    return x * units.cx / kDialogUnitsPerCharX;
}

double DialogUnitsToPixelsY(double y, DialogBaseUnits units) {
    return y * units.cy / kDialogUnitsPerCharY;
}

}  // namespace res
