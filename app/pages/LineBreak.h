// Where the pages break their lines: the rule that decides where a line of
// the report's grid text may end (on screen, on paper and in the exports),
// and the drawing of the chart page's wrapped texts, which Qt breaks by
// Unicode's line-breaking algorithm. A change to either is made here.
#pragma once

#include <QChar>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>

class QFontMetricsF;
class QPainter;

namespace pages {

// The width of one character (one UTF-16 unit, or a surrogate pair).
using CharWidth = std::function<double(QStringView character)>;

// Joins the parts of one item ("自刑 亥亥 日时", "1990-09-16 01:00") so that
// no line breaks inside it; it is drawn as a blank.
inline constexpr QChar kNoBreakSpace = QChar(0x00A0);

// `line` broken into pieces no wider than `maxWidth`: a piece ends before the
// character that would not fit, or after the last blank before it when that
// character is inside a run of ASCII letters and digits (a word) or inside a
// run between blanks that holds a kNoBreakSpace (an item). A character is
// never split, and a piece holds at least one character; a word or an item
// wider than the whole line is broken where it must be.
QStringList BreakLine(const QString& line, double maxWidth, const CharWidth& width);

// `text` ("\n" between paragraphs) broken into lines no wider than
// `maxWidth` in the font of `metrics`, each paragraph by BreakLine; the blank
// a line was broken after, or before, is dropped, and kNoBreakSpace is a
// blank again.
QStringList WrapText(const QString& text, double maxWidth, const QFontMetricsF& metrics);

// Draws `text` ("\n" between paragraphs) in `box` with the painter's font
// and pen, wrapped at the box's right edge by WrapText, a line every line
// spacing of the font from the box's top; `flags` give the horizontal
// alignment.
void DrawWrappedText(QPainter& painter, const QRectF& box, int flags, const QString& text);

// Length in UTF-16 units of the character at `at`: 2 for a surrogate pair, else 1.
qsizetype CharLength(const QString& text, qsizetype at);

}  // namespace pages
