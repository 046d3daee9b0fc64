#include "app/CompactComboStyle.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyleOptionComplex>
#include <algorithm>

namespace {
constexpr int kFrame = 2;      // border around the field
constexpr int kTextInset = 1;  // space between the border and the text
}  // namespace

int CCompactComboStyle::ListWidth(const QComboBox& combo) {
    // The widest item as the list's own delegate lays it out, with the list's
    // frame around it and its scroll bar beside it when not all items show.
    const QAbstractItemView* list = combo.view();
    if (list == nullptr) return 0;
    int widest = 0;
    for (int row = 0; row < combo.count(); ++row) {
        widest =
            std::max(widest, list->sizeHintForIndex(combo.model()->index(row, combo.modelColumn())).width());
    }
    int width = widest + 2 * list->frameWidth();
    if (combo.count() > combo.maxVisibleItems()) {
        width += list->style()->pixelMetric(PM_ScrollBarExtent, nullptr, list);
    }
    return width + kPopupSlack;
}

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
    if (sub == SC_ComboBoxListBoxPopup) {
        // The open list is at least as wide as the box, and wider where an
        // item would otherwise be elided ("2…5" for 2005).
        QRect list = QProxyStyle::subControlRect(control, option, sub, widget);
        if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
            list.setWidth(std::max(list.width(), ListWidth(*combo)));
        }
        return list;
    }
    return QProxyStyle::subControlRect(control, option, sub, widget);
}

int CCompactComboStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                  QStyleHintReturn* returnData) const {
    // A menu-like popup ignores maxVisibleItems and may be the screen's height.
    if (hint == SH_ComboBox_Popup) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
