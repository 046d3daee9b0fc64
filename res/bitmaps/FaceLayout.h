// Where the controls of the two skinned dialogs sit on their faces, so that the
// artwork leaves them room and the bitmap test can prove it does. Shared by the
// art generator (tools/artgen) and the bitmap test; no Qt, no code.
#pragma once

#include <array>

namespace art {

// One rectangle in pixels of the face: left, top, width, height.
struct PixelRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

// A dialog unit of the templates' 9-point font is 1.5 pixels in both directions.
constexpr int DialogUnitsToPixels(int du) {
    return du * 3 / 2;
}

constexpr PixelRect FromDialogUnits(int x, int y, int w, int h) {
    return {DialogUnitsToPixels(x), DialogUnitsToPixels(y), DialogUnitsToPixels(w), DialogUnitsToPixels(h)};
}

// Height of a drop-down combo's edit field on the faces; the template's height is
// the height of the open list, not of the visible field.
constexpr int kComboFieldHeight = 22;

// Sizes of the pictures.
constexpr int kMainFaceWidth = 800;  // bitmap 130
constexpr int kMainFaceHeight = 580;
constexpr int kAboutFaceWidth = 420;  // bitmap 131
constexpr int kAboutFaceHeight = 240;
constexpr int kSplashWidth = 420;  // bitmap 149
constexpr int kSplashHeight = 270;
constexpr int kCommandButtonWidth = 82;  // bitmaps 232, 233, 236
constexpr int kCommandButtonHeight = 18;
constexpr int kTitleButtonWidth = 11;  // bitmaps 244-250
constexpr int kTitleButtonHeight = 10;
constexpr int kPictureWidth = 160;  // bitmaps 255, 256
constexpr int kPictureHeight = 120;

// The frame cuts key-coloured pixels only in the top 20 rows and the bottom 19 rows.
constexpr int kTopBandRows = 20;
constexpr int kBottomBandRows = 19;
// Radius of the rounded window corners; the cut-outs must fit inside both bands.
constexpr int kCornerRadius = 10;
static_assert(kCornerRadius <= kBottomBandRows);

// Main face 130: the controls of template 102 (converted from dialog units) and the
// image buttons and report view the form places in pixels. Combos are given the
// height of their edit field.
inline constexpr std::array kMainFaceControls{
    FromDialogUnits(153, 41, 63, 12),  // 1055 name edit
    PixelRect{DialogUnitsToPixels(247), DialogUnitsToPixels(41), DialogUnitsToPixels(35),
              kComboFieldHeight},  // 1072 sex
    PixelRect{DialogUnitsToPixels(168), DialogUnitsToPixels(59), DialogUnitsToPixels(55),
              kComboFieldHeight},      // 1071 kind
    FromDialogUnits(241, 62, 44, 10),  // 1075 leap-month box
    PixelRect{DialogUnitsToPixels(131), DialogUnitsToPixels(79), DialogUnitsToPixels(32),
              kComboFieldHeight},  // 1067 year
    PixelRect{DialogUnitsToPixels(176), DialogUnitsToPixels(79), DialogUnitsToPixels(24),
              kComboFieldHeight},  // 1068 month
    PixelRect{DialogUnitsToPixels(211), DialogUnitsToPixels(79), DialogUnitsToPixels(24),
              kComboFieldHeight},  // 1069 day
    PixelRect{DialogUnitsToPixels(250), DialogUnitsToPixels(79), DialogUnitsToPixels(23),
              kComboFieldHeight},                                    // 1070 hour
    FromDialogUnits(132, 43, 18, 10),                                // 姓名
    FromDialogUnits(131, 63, 33, 12),                                // 出生日期
    FromDialogUnits(21, 64, 87, 8),                                  // 1063 lunar date of today
    FromDialogUnits(166, 81, 9, 8),                                  // 年
    FromDialogUnits(202, 81, 9, 8),                                  // 月
    FromDialogUnits(238, 82, 9, 8),                                  // 日
    FromDialogUnits(277, 82, 9, 8),                                  // 时
    FromDialogUnits(21, 45, 92, 8),                                  // 1076 Gregorian date of today
    FromDialogUnits(225, 43, 17, 8),                                 // 性别
    PixelRect{460, 35, kCommandButtonWidth, kCommandButtonHeight},   // 1057 reading
    PixelRect{460, 60, kCommandButtonWidth, kCommandButtonHeight},   // 1065 preview
    PixelRect{460, 85, kCommandButtonWidth, kCommandButtonHeight},   // 1066 print
    PixelRect{460, 110, kCommandButtonWidth, kCommandButtonHeight},  // 1077 chart
    PixelRect{460, 135, kCommandButtonWidth, kCommandButtonHeight},  // 1074 help
};

// The title-bar image buttons of face 130 (About, minimise, close).
inline constexpr std::array kMainFaceTitleButtons{
    PixelRect{6, 6, kTitleButtonWidth, kTitleButtonHeight},
    PixelRect{769, 6, kTitleButtonWidth, kTitleButtonHeight},
    PixelRect{784, 6, kTitleButtonWidth, kTitleButtonHeight},
};

// The report view covers this white area of face 130.
inline constexpr PixelRect kMainFaceReportArea{10, 170, 780, 386};

// About face 131: the controls of template 100 and the close image button.
inline constexpr std::array kAboutFaceControls{
    FromDialogUnits(67, 117, 145, 19),  // 1 OK (round button)
    FromDialogUnits(84, 57, 107, 8),    // 315 web link
    FromDialogUnits(87, 77, 102, 8),    // 327 e-mail link
    FromDialogUnits(63, 99, 154, 8),    // notice line
    FromDialogUnits(68, 33, 144, 8),    // product line
};
inline constexpr PixelRect kAboutFaceCloseButton{402, 6, kTitleButtonWidth, kTitleButtonHeight};
// The frame draws the caption "关于本系统" here (12-pixel characters from (30, 4)).
inline constexpr PixelRect kAboutFaceCaption{30, 4, 62, 14};

// Chart window face 257: the conventions' controls in a band under the title, the
// command buttons under them, and the white page area below.
constexpr int kChartFaceWidth = 860;
constexpr int kChartFaceHeight = 760;
inline constexpr PixelRect kChartFaceCloseButton{842, 6, kTitleButtonWidth, kTitleButtonHeight};
inline constexpr PixelRect kChartFaceControlBand{8, 32, 844, 60};
inline constexpr PixelRect kChartFacePageArea{10, 96, 840, 644};
// The frame draws the caption "八字排盘与大运" here (12-pixel characters from (30, 4)).
inline constexpr PixelRect kChartFaceCaption{30, 4, 86, 14};

// The people window's face 270 (档案): a search band under the title, the list's
// white area, and the command row under it.
constexpr int kPeopleFaceWidth = 720;
constexpr int kPeopleFaceHeight = 540;
inline constexpr PixelRect kPeopleFaceCloseButton{702, 6, kTitleButtonWidth, kTitleButtonHeight};
inline constexpr PixelRect kPeopleFaceSearchBand{8, 30, 704, 34};
inline constexpr PixelRect kPeopleFaceListArea{10, 68, 700, 404};
inline constexpr PixelRect kPeopleFaceCommandBand{8, 476, 704, 44};
// The frame draws the caption "档案" here.
inline constexpr PixelRect kPeopleFaceCaption{30, 4, 26, 14};

// The person dialog's face 271 (保存档案, 编辑档案): plain panel under the title.
constexpr int kPersonFaceWidth = 440;
constexpr int kPersonFaceHeight = 350;
inline constexpr PixelRect kPersonFaceCloseButton{422, 6, kTitleButtonWidth, kTitleButtonHeight};
inline constexpr PixelRect kPersonFaceControlBand{8, 30, 424, 298};
// The frame draws the caption ("保存档案" or "编辑档案") here.
inline constexpr PixelRect kPersonFaceCaption{30, 4, 50, 14};

}  // namespace art
