// Where the pages break their lines: the rule that decides where a line of
// the report's grid text may end (on screen, on paper and in the exports),
// and the drawing of the chart page's wrapped texts, which Qt breaks by
// Unicode's line-breaking algorithm. A change to either is made here.
#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>

class QPainter;

namespace pages {

// The width of one character (one UTF-16 unit, or a surrogate pair).
using CharWidth = std::function<double(QStringView character)>;

// `line` broken into pieces no wider than `maxWidth`: a piece ends before the
// character that would not fit, or after the last blank before it when that
// character is inside a run of ASCII letters and digits (a word). A
// character is never split, and a piece holds at least one character.
QStringList BreakLine(const QString& line, double maxWidth, const CharWidth& width);

// Draws `text` ("\n" between paragraphs) in `box` with the painter's font
// and pen, wrapped at the box's right edge, from the box's top; `flags` give
// the horizontal alignment. The chart page's wrapped texts are drawn here.
void DrawWrappedText(QPainter& painter, const QRectF& box, int flags, const QString& text);

// Length in UTF-16 units of the character at `at`: 2 for a surrogate pair, else 1.
qsizetype CharLength(const QString& text, qsizetype at);

}  // namespace pages
