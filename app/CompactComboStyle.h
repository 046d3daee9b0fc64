// A style for the form's narrow drop-down combos: the templates give them
// room for a slim arrow, as the platform they were drawn for had, so the
// arrow button is kept that slim and the text field gets the rest.
#pragma once

#include <QProxyStyle>

inline constexpr int kComboArrowWidth = 13;

class CCompactComboStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override;
};
