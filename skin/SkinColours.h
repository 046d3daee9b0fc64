// The Windows system colours the skin paints with, each read from one palette role of
// the widget at paint time, so a palette change shows at the next paint.
#pragma once

#include <QColor>
#include <QPalette>
#include <QRgb>

// The dialogs' background green, also the round button's face and the link label's ground.
inline constexpr QRgb kDialogFaceColour = 0xFFBFD76B;  // RGB(191,215,107)

// System colours used by the skin; SysColour() names the palette role of each.
enum class SysColour {
    BtnFace,         // COLOR_BTNFACE      -> Button
    BtnText,         // COLOR_BTNTEXT      -> ButtonText
    BtnHighlight,    // COLOR_BTNHIGHLIGHT -> Light
    ThreeDLight,     // COLOR_3DLIGHT      -> Midlight
    BtnShadow,       // COLOR_BTNSHADOW    -> Dark
    ThreeDDkShadow,  // COLOR_3DDKSHADOW   -> Shadow
    GrayText,        // COLOR_GRAYTEXT     -> Text of the Disabled group
};

// The colour that stands for a Windows system colour in the given palette.
QColor SysColor(const QPalette& palette, SysColour colour);
