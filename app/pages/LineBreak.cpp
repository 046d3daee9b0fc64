// Breaking lines for the pages.
#include "app/pages/LineBreak.h"

#include <QFontMetricsF>
#include <QPainter>

namespace pages {
namespace {

bool IsAscii(QChar c) {
    return c.unicode() < 0x80;
}

// True when the character at `at` lies in a run between blanks that holds
// a kNoBreakSpace: an item that stays on one line.
bool InsideItem(const QString& line, qsizetype at) {
    const qsizetype from = line.lastIndexOf(QLatin1Char(' '), at) + 1;
    qsizetype to = line.indexOf(QLatin1Char(' '), at);
    if (to < 0) to = line.size();
    return QStringView(line).mid(from, to - from).contains(kNoBreakSpace);
}

double WidthOf(const QString& text, const CharWidth& width) {
    double total = 0;
    for (qsizetype i = 0; i < text.size(); i += CharLength(text, i))
        total += width(QStringView(text).mid(i, CharLength(text, i)));
    return total;
}

}  // namespace

QStringList BreakLine(const QString& line, double maxWidth, const CharWidth& width) {
    QStringList pieces;
    qsizetype start = 0;
    double used = 0;
    for (qsizetype i = 0; i < line.size();) {
        const qsizetype length = CharLength(line, i);
        const double advance = width(QStringView(line).mid(i, length));
        if (used + advance > maxWidth && i > start) {
            qsizetype end = i;
            if ((line[i].isLetterOrNumber() && IsAscii(line[i])) || InsideItem(line, i)) {
                // Inside a word or an item: break after the last blank of the piece, if any.
                const qsizetype blank = line.lastIndexOf(QLatin1Char(' '), i - 1);
                if (blank >= start) end = blank + 1;
            }
            pieces << line.mid(start, end - start);
            start = end;
            used = WidthOf(line.mid(start, i - start), width);
            continue;
        }
        used += advance;
        i += length;
    }
    pieces << line.mid(start);
    return pieces;
}

QStringList WrapText(const QString& text, double maxWidth, const QFontMetricsF& metrics) {
    const CharWidth width = [&metrics](QStringView c) { return metrics.horizontalAdvance(c.toString()); };
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        bool first = true;
        for (QString piece : BreakLine(paragraph, maxWidth, width)) {
            if (!first && piece.startsWith(QLatin1Char(' '))) piece.remove(0, 1);
            while (piece.endsWith(QLatin1Char(' '))) piece.chop(1);
            lines << piece.replace(kNoBreakSpace, QLatin1Char(' '));
            first = false;
        }
    }
    return lines;
}

void DrawWrappedText(QPainter& painter, const QRectF& box, int flags, const QString& text) {
    const QFontMetricsF metrics(painter.font());
    double top = box.top();
    for (const QString& line : WrapText(text, box.width(), metrics)) {
        painter.drawText(QRectF(box.left(), top, box.width(), metrics.height()),
                         (flags & Qt::AlignHorizontal_Mask) | Qt::AlignTop | Qt::TextSingleLine, line);
        top += metrics.lineSpacing();
    }
}

qsizetype CharLength(const QString& text, qsizetype at) {
    return text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate() ? 2 : 1;
}

}  // namespace pages
