// The single mapping of Windows system colours to palette roles.
#include "skin/SkinColours.h"

QColor SysColor(const QPalette& palette, SysColour colour) {
    switch (colour) {
        case SysColour::BtnFace:
            return palette.color(QPalette::Active, QPalette::Button);
        case SysColour::BtnText:
            return palette.color(QPalette::Active, QPalette::ButtonText);
        case SysColour::BtnHighlight:
            return palette.color(QPalette::Active, QPalette::Light);
        case SysColour::ThreeDLight:
            return palette.color(QPalette::Active, QPalette::Midlight);
        case SysColour::BtnShadow:
            return palette.color(QPalette::Active, QPalette::Dark);
        case SysColour::ThreeDDkShadow:
            return palette.color(QPalette::Active, QPalette::Shadow);
        case SysColour::GrayText:
            return palette.color(QPalette::Disabled, QPalette::Text);
    }
    return QColor();
}
