// A style for the form's narrow drop-down combos: the templates leave room
// for an arrow button only 13 pixels wide, so the arrow is kept that slim and
// the text field gets the rest. The open list is a plain list below the box,
// as tall as the template's drop-down height allows (the combo's
// maxVisibleItems), never a menu over the box that may fill the screen, and
// as wide as its widest item needs, however narrow the box.
#pragma once

#include <QProxyStyle>

class QComboBox;

inline constexpr int kComboArrowWidth = 13;

class CCompactComboStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;

    // The width the open list of `combo` needs to show every item whole.
    static int ListWidth(const QComboBox& combo);

private:
    // Room the list's window adds around the list (its own frame).
    static constexpr int kPopupSlack = 2;
};
