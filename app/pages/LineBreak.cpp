// Breaking lines for the pages.
#include "app/pages/LineBreak.h"

#include <QPainter>

namespace pages {
namespace {

bool IsAscii(QChar c) {
    return c.unicode() < 0x80;
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
            if (line[i].isLetterOrNumber() && IsAscii(line[i])) {
                // Inside a word: break after the last blank of the piece, if any.
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

void DrawWrappedText(QPainter& painter, const QRectF& box, int flags, const QString& text) {
    painter.drawText(box, (flags & Qt::AlignHorizontal_Mask) | Qt::AlignTop | Qt::TextWordWrap, text);
}

qsizetype CharLength(const QString& text, qsizetype at) {
    return text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate() ? 2 : 1;
}

}  // namespace pages
