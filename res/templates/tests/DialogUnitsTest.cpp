#include <gtest/gtest.h>

#include "DialogTemplates.h"
#include "DialogUnits.h"

using namespace res;

TEST(DialogUnits, SongNinePointAt96DpiIsSixByTwelve) {
    const DialogBaseUnits u = SongBaseUnits(9, 96);
    EXPECT_EQ(u.cx, 6);
    EXPECT_EQ(u.cy, 12);
    // one dialog unit is 1.5 px either way
    EXPECT_DOUBLE_EQ(DialogUnitsToPixelsX(7, u), 10.5);
    EXPECT_DOUBLE_EQ(DialogUnitsToPixelsY(113, u), 169.5);
}

TEST(DialogUnits, MulDivRoundsHalfAwayFromZero) {
    struct Case {
        int n, num, den, expected;
    };
    const Case cases[] = {
        {7, 6, 4, 11}, {113, 12, 8, 170}, {5, 1, 2, 3}, {-5, 1, 2, -3},
        {4, 1, 3, 1},  {5, 1, 3, 2},      {1, 1, 0, 0}, {9, 96, 72, 12},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MulDiv(c.n, c.num, c.den), c.expected) << c.n << "*" << c.num << "/" << c.den;
    }
}

TEST(DialogUnits, MainFormConvertsToItsPixelSize) {
    const DialogTemplate* t = FindDialogTemplate(IDD_KARVUTO_DIALOG);
    ASSERT_NE(t, nullptr);
    const PixelRect r = MapDialogRect(0, 0, t->cx, t->cy, SongBaseUnits(t->pointSize, 96));
    // 495 x 343 dialog units are about the 800 x 580 of the skin; the form is
    // then sized to the skin exactly.
    EXPECT_EQ(r.Width(), 743);
    EXPECT_EQ(r.Height(), 515);
}

TEST(DialogUnits, EdgesConvertSeparatelySoNeighboursStayAdjacent) {
    const DialogBaseUnits u{6, 12};
    // 1034 ends at x 474; 1033 starts at 478: both edges are converted on
    // their own, so the 4-unit gap stays 6 px.
    const PixelRect minimise = MapDialogRect(464, 24, 10, 9, u);
    const PixelRect close = MapDialogRect(478, 24, 10, 9, u);
    EXPECT_EQ(close.left - minimise.right, 6);
    const PixelRect placeholder = MapDialogRect(7, 113, 481, 206, u);
    EXPECT_EQ(placeholder.left, 11);
    EXPECT_EQ(placeholder.top, 170);
    EXPECT_EQ(placeholder.right, 732);   // (7 + 481) * 1.5
    EXPECT_EQ(placeholder.bottom, 479);  // (113 + 206) * 1.5 = 478.5
}
