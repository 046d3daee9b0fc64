// Where the pages break their lines: the one rule that decides where a line
// may end, for the report's grid text (on screen, on paper and in the
// exports) and for the chart page's wrapped texts alike. A change to it is
// made here.
//
// The rule follows the Chinese line-breaking rules (禁则):
//   - a line never opens with closing punctuation (，。、；：？！）」』》… and
//     their ASCII kin ,.;:!?)]}), nor ends with opening punctuation （「『《
//     and ([{: the character before is pulled down to the next line with it;
//   - between two Chinese characters a line may break anywhere;
//   - a run of ASCII letters, digits and signs ("1990-09-16", "23:00") is
//     a word and breaks only at a space; spaces stay at the end of a line;
//   - a non-breaking space (U+00A0, U+202F, U+2007) joins the words on both
//     sides of it (up to a space or a Chinese punctuation mark) into one
//     unit that is never broken: "自刑 亥亥 日时" written with non-breaking
//     spaces moves to the next line whole; a word joiner (U+2060, U+FEFF)
//     only keeps the two characters around it together;
//   - "——" and "……" are never split.
// Only where a line has no place to break at all (one word wider than the
// line) is it cut before the character that does not fit, and even then
// closing punctuation hangs at the end of the line rather than open the next,
// and opening punctuation goes down to the next line with what it opens.
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

// `line` (no "\n") broken into pieces no wider than `maxWidth` by the rule
// above. The pieces joined give `line` back; a character is never split and
// a piece holds at least one character. A piece is wider than `maxWidth`
// only where trailing spaces or hanging punctuation end it, or where a word
// on its own is wider than the line.
QStringList BreakLine(const QString& line, double maxWidth, const CharWidth& width);

// Whether `line` may break between the characters at `at - 1` and `at` by
// the rule above (0 < at < line.size(), `at` not inside a surrogate pair).
bool MayBreakBefore(const QString& line, qsizetype at);

// Whether `c` is closing punctuation, which never opens a line.
bool IsClosingPunctuation(char32_t c);
// Whether `c` is opening punctuation, which never ends a line.
bool IsOpeningPunctuation(char32_t c);

// Joins the parts of one item ("自刑 亥亥 日时", "1990-09-16 01:00") so that
// no line breaks inside it; it is drawn as a blank.
inline constexpr QChar kNoBreakSpace = QChar(0x00A0);

// `text` ("\n" between paragraphs) broken into lines no wider than
// `maxWidth` in the font of `metrics`, each paragraph by BreakLine; the blanks
// a line was broken after are dropped, and kNoBreakSpace is a blank again.
QStringList WrapText(const QString& text, double maxWidth, const QFontMetricsF& metrics);

// Draws `text` ("\n" between paragraphs) in `box` with the painter's font
// and pen, broken by BreakLine at the box's right edge, one line every line
// spacing of the font from the box's top, clipped to the box; `flags` give
// the horizontal alignment. The chart page's wrapped texts are drawn here.
void DrawWrappedText(QPainter& painter, const QRectF& box, int flags, const QString& text);

// Length in UTF-16 units of the character at `at`: 2 for a surrogate pair, else 1.
qsizetype CharLength(const QString& text, qsizetype at);

}  // namespace pages
