// Breaking lines for the pages by the Chinese line-breaking rules.
#include "app/pages/LineBreak.h"

#include <QFontMetricsF>
#include <QPainter>
#include <string_view>
#include <vector>

namespace pages {
namespace {

// Closing punctuation: never at the start of a line. Chinese, full-width and
// ASCII marks, the ellipsis, the middle dot and the iteration marks.
constexpr std::u32string_view kClosing =
    U"，。、；：？！）」』》〉】〕〗〙〛”’…‥·〃々～％‰℃"
    U"．，：；！？）］｝｠｡､"
    U",.;:!?)]}%";
// Opening punctuation: never at the end of a line.
constexpr std::u32string_view kOpening = U"（「『《〈【〔〖〘〚“‘［｛｟([{";
// Non-breaking spaces: no break on either side of them, and the words they
// stand between are held together as one unit.
constexpr std::u32string_view kNonBreakingSpaces = U"\u00a0\u202f\u2007";
// Joiners: no break on either side of them.
constexpr std::u32string_view kJoiners = U"\u2060\ufeff";
// Spaces: a line may break after them, never before them.
constexpr std::u32string_view kSpaces = U" \t\u3000";
// The dash that is used in pairs ("——"), never split.
constexpr char32_t kDash = U'\u2014';

constexpr bool In(std::u32string_view set, char32_t c) {
    return set.find(c) != std::u32string_view::npos;
}
static_assert(!In(kClosing, U'（') && !In(kOpening, U'）'), "no mark both opens and closes");
static_assert(In(kClosing, U'，') && In(kClosing, U'。') && In(kClosing, U'…'));

bool IsSpace(char32_t c) {
    return In(kSpaces, c);
}
bool IsGlue(char32_t c) {
    return In(kNonBreakingSpaces, c) || In(kJoiners, c);
}
// A printable ASCII character other than a space: letters, digits and signs
// form words that break only at spaces.
bool IsAsciiWord(char32_t c) {
    return c > U' ' && c < 0x7F;
}
// What a non-breaking space holds together on each side of it: anything but
// spaces, joiners and the Chinese punctuation marks that open or close a phrase.
bool IsWordLike(char32_t c) {
    if (IsSpace(c) || IsGlue(c)) return false;
    return c < 0x80 || !(In(kClosing, c) || In(kOpening, c) || c == kDash);
}

// Where the character before `at` starts.
qsizetype PreviousStart(const QString& text, qsizetype at) {
    return at >= 2 && text[at - 1].isLowSurrogate() && text[at - 2].isHighSurrogate() ? at - 2 : at - 1;
}

char32_t CodePointAt(const QString& text, qsizetype at) {
    if (CharLength(text, at) == 2) return QChar::surrogateToUcs4(text[at], text[at + 1]);
    return text[at].unicode();
}

// Whether a line may break between `before` and `after`, joiners aside.
bool PairMayBreak(char32_t before, char32_t after) {
    if (IsSpace(after) || IsGlue(before) || IsGlue(after)) return false;
    if (IsClosingPunctuation(after) || IsOpeningPunctuation(before)) return false;
    if (IsAsciiWord(before) && IsAsciiWord(after)) return false;
    return !(before == kDash && after == kDash);
}

// For every position p of `line` (0 … size), whether the line may break
// before the character at p. Positions inside a surrogate pair, 0 and
// size are false.
std::vector<bool> BreakOpportunities(const QString& line) {
    const qsizetype n = line.size();
    std::vector<bool> allowed(static_cast<std::size_t>(n + 1), false);
    std::vector<qsizetype> starts;  // where each character starts
    for (qsizetype i = 0; i < n; i += CharLength(line, i)) starts.push_back(i);
    for (std::size_t k = 1; k < starts.size(); ++k) {
        allowed[static_cast<std::size_t>(starts[k])] =
            PairMayBreak(CodePointAt(line, starts[k - 1]), CodePointAt(line, starts[k]));
    }
    // A non-breaking space makes one unit of the words on both sides of it.
    for (std::size_t k = 0; k < starts.size(); ++k) {
        if (!In(kNonBreakingSpaces, CodePointAt(line, starts[k]))) continue;
        std::size_t first = k;
        while (first > 0 && IsWordLike(CodePointAt(line, starts[first - 1]))) --first;
        std::size_t last = k;
        while (last + 1 < starts.size() && IsWordLike(CodePointAt(line, starts[last + 1]))) ++last;
        for (std::size_t j = first + 1; j <= last; ++j) allowed[static_cast<std::size_t>(starts[j])] = false;
    }
    return allowed;
}

}  // namespace

bool IsClosingPunctuation(char32_t c) {
    return In(kClosing, c);
}

bool IsOpeningPunctuation(char32_t c) {
    return In(kOpening, c);
}

bool MayBreakBefore(const QString& line, qsizetype at) {
    if (at <= 0 || at >= line.size()) return false;
    return BreakOpportunities(line)[static_cast<std::size_t>(at)];
}

QStringList BreakLine(const QString& line, double maxWidth, const CharWidth& width) {
    const std::vector<bool> allowed = BreakOpportunities(line);
    const qsizetype n = line.size();
    QStringList pieces;
    qsizetype start = 0;
    double used = 0;           // width of line[start, i)
    qsizetype lastBreak = -1;  // the last place after `start` the line may break
    double usedAtBreak = 0;    // width of line[start, lastBreak)
    for (qsizetype i = 0; i < n;) {
        if (i > start && allowed[static_cast<std::size_t>(i)]) {
            lastBreak = i;
            usedAtBreak = used;
        }
        const qsizetype length = CharLength(line, i);
        const double advance = width(QStringView(line).mid(i, length));
        if (used + advance <= maxWidth || i == start || IsSpace(CodePointAt(line, i))) {
            used += advance;
            i += length;
            continue;
        }
        if (lastBreak > start) {
            // Break at the last opportunity: what follows it (a pulled
            // character, a word) goes down with the character that did not fit.
            pieces << line.mid(start, lastBreak - start);
            used -= usedAtBreak;
            start = lastBreak;
            lastBreak = -1;
            continue;
        }
        // Nowhere to break: cut here. Opening punctuation goes down with what
        // it opens (or, where the line holds nothing else, keeps it on this
        // line), and closing punctuation hangs at the end of this line.
        qsizetype end = i;
        while (end > start && IsOpeningPunctuation(CodePointAt(line, PreviousStart(line, end))))
            end = PreviousStart(line, end);
        if (end == start) {
            end = i;
            while (end < n && IsOpeningPunctuation(CodePointAt(line, PreviousStart(line, end))))
                end += CharLength(line, end);
        }
        while (end < n && IsClosingPunctuation(CodePointAt(line, end))) end += CharLength(line, end);
        pieces << line.mid(start, end - start);
        start = end;
        lastBreak = -1;
        used = 0;
        i = end;
    }
    if (start < n || pieces.isEmpty()) pieces << line.mid(start);
    return pieces;
}

QStringList WrapText(const QString& text, double maxWidth, const QFontMetricsF& metrics) {
    const CharWidth width = [&metrics](QStringView c) { return metrics.horizontalAdvance(c.toString()); };
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        for (QString piece : BreakLine(paragraph, maxWidth, width)) {
            while (!piece.isEmpty() && IsSpace(piece.back().unicode())) piece.chop(1);
            lines << piece.replace(kNoBreakSpace, QLatin1Char(' '));
        }
    }
    return lines;
}

void DrawWrappedText(QPainter& painter, const QRectF& box, int flags, const QString& text) {
    if (text.isEmpty() || box.isEmpty()) return;
    const QFontMetricsF metrics(painter.font());
    const CharWidth width = [&metrics](QStringView c) { return metrics.horizontalAdvance(c.toString()); };
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    double top = box.top();
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        for (const QString& piece : BreakLine(paragraph, box.width(), width)) {
            if (top >= box.bottom()) break;
            // Trailing spaces take no room in the alignment.
            qsizetype shownLength = piece.size();
            while (shownLength > 0 && IsSpace(piece[shownLength - 1].unicode())) --shownLength;
            const QString shown = piece.left(shownLength).replace(kNoBreakSpace, QLatin1Char(' '));
            const double lineWidth = metrics.horizontalAdvance(shown);
            double x = box.left();
            if (flags & Qt::AlignRight) {
                x = box.right() - lineWidth;
            } else if (flags & Qt::AlignHCenter) {
                x = box.left() + (box.width() - lineWidth) / 2;
            }
            painter.drawText(QPointF(x, top + metrics.ascent()), shown);
            top += metrics.lineSpacing();
        }
    }
    painter.restore();
}

qsizetype CharLength(const QString& text, qsizetype at) {
    return text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate() ? 2 : 1;
}

}  // namespace pages
