// What every page of the library shares: the resolution pages are laid out
// for, and rectangles given by their edges.
#pragma once

#include <QRect>

namespace pages {

// Dots per inch every page is laid out for, on paper, in a PDF file and in a
// picture alike: the printed report's device units assume it.
inline constexpr int kPageDpi = 300;
inline constexpr int kPointsPerInch = 72;
inline constexpr double kMillimetresPerInch = 25.4;

// A rectangle given by its edges, as the page layouts write them.
struct Edges {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
};

// The rectangle within `e`; an empty QRect when right <= left or bottom <=
// top. The screen page, the printed page and the tests give every rectangle
// this way.
constexpr QRect EdgeRect(const Edges& e) {
    return e.right <= e.left || e.bottom <= e.top
               ? QRect()
               : QRect(QPoint(e.left, e.top), QPoint(e.right - 1, e.bottom - 1));
}

}  // namespace pages
