// The visual language the chart and analysis pages share: the sheet scaled
// into a page rectangle, the serif CJK face, the colours, headings, the
// title and the footer, and text wrapped by the pages' one line breaker.
// Positions and sizes are in sheet units (SheetLayout.h).
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <string_view>

#include "app/pages/SheetLayout.h"

class QPainter;

namespace pages::sheet {

// The page's colours on white paper.
inline const QColor kInk(30, 30, 30);
inline const QColor kRuleColour(120, 100, 80);
inline const QColor kShade(245, 238, 222);
inline const QColor kMark(170, 44, 32);
inline const QColor kCurrentFill(252, 232, 214);
inline const QColor kQuiet(110, 100, 90);  // methods and secondary findings

// UTF-8 from the Qt-free models.
QString U(std::string_view utf8);

// The pages' face (Noto Serif CJK SC, with fallbacks) at `pixels` on the sheet.
QFont SheetFont(double pixels, bool bold = false);

// How a text is set: its type size, colour and weight.
struct Type {
    double size = kSmallSize;
    QColor colour = kInk;
    bool bold = false;
};

// While a SheetScope lives, the painter draws in sheet units: the page's
// rectangle is filled white and the sheet scaled into it, keeping A4's
// proportions and centred. An empty target paints nothing (Active() false).
class SheetScope {
public:
    SheetScope(QPainter& painter, const QRectF& target);
    ~SheetScope();
    SheetScope(const SheetScope&) = delete;
    SheetScope& operator=(const SheetScope&) = delete;
    bool Active() const { return m_active; }

private:
    QPainter& m_painter;
    bool m_active;
};

// One line of text in `box` with Qt's alignment `flags`.
void Text(QPainter& p, const QRectF& box, int flags, const QString& text, const Type& type);

// `text` broken into lines no wider than `width` in the type's face (LineBreak.h).
QStringList Wrapped(const QString& text, double width, const Type& type);

// A section heading at `y` with a rule after it up to `ruleEnd`.
void Heading(QPainter& p, double y, const QString& text, double ruleEnd = kContentRight);

// The page's title centred over its rule.
void Title(QPainter& p, const QString& title);

// The footer: the program's line and "page / pages" at the right.
void Footer(QPainter& p, const QString& text, int page, int pages);

}  // namespace pages::sheet
