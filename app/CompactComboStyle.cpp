#include "app/CompactComboStyle.h"

#include <QStyleOptionComplex>

namespace {
constexpr int kFrame = 2;      // border around the field
constexpr int kTextInset = 1;  // space between the border and the text
}  // namespace

QRect CCompactComboStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                         SubControl sub, const QWidget* widget) const {
    if (control != CC_ComboBox) {
        return QProxyStyle::subControlRect(control, option, sub, widget);
    }
    const QRect r = option->rect;
    if (sub == SC_ComboBoxArrow) {
        return QRect(r.right() - kFrame - kComboArrowWidth + 1, r.top() + kFrame, kComboArrowWidth,
                     r.height() - 2 * kFrame);
    }
    if (sub == SC_ComboBoxEditField) {
        return QRect(r.left() + kFrame + kTextInset, r.top() + kFrame,
                     r.width() - 2 * kFrame - kTextInset - kComboArrowWidth, r.height() - 2 * kFrame);
    }
    return QProxyStyle::subControlRect(control, option, sub, widget);
}

int CCompactComboStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                  QStyleHintReturn* returnData) const {
    // A menu-like popup ignores maxVisibleItems and may be the screen's height.
    if (hint == SH_ComboBox_Popup) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
