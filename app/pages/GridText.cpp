// Drawing report text on its character grid.
#include "app/pages/GridText.h"

#include <QPainter>
#include <algorithm>
#include <climits>

#include "app/pages/LineBreak.h"
#include "skin/SkinFonts.h"

namespace pages {
namespace {

bool IsAscii(QChar c) {
    return c.unicode() < 0x80;
}

// Half cells one character takes: none for an invisible format character (a
// word joiner), one for ASCII and the narrow non-breaking spaces, two for any
// other character.
int HalfCellsOf(QStringView c) {
    const QChar first = c.front();
    if (first.category() == QChar::Other_Format) return 0;
    if (IsAscii(first) || first == QChar(0x00A0) || first == QChar(0x202F)) return 1;
    return 2;
}

// Whether a character leaves its cells empty.
bool IsBlank(QChar c) {
    return c.isSpace() || c.category() == QChar::Other_Format;
}

}  // namespace

int HalfCells(const QString& text) {
    int half = 0;
    for (qsizetype i = 0; i < text.size(); i += CharLength(text, i))
        half += HalfCellsOf(QStringView(text).mid(i, CharLength(text, i)));
    return half;
}

QStringList WrapToGrid(const QString& line, int halfCells) {
    return BreakLine(line, halfCells, [](QStringView c) { return double(HalfCellsOf(c)); });
}

QFont HalfWidthFont(const QFont& reportFont) {
    QFont font = reportFont;
    font.setFamilies(FamiliesForFace(QStringLiteral("Courier New")).mid(1));  // the CJK mono face
    return font;
}

QStringList GridLines(const QString& text, int width, const TextGrid& grid, bool wrap) {
    if (text.isEmpty() || grid.cell <= 0) return {};
    const int halfCellsPerLine = wrap ? std::max(2, 2 * width / grid.cell) : INT_MAX;
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n')))
        lines << WrapToGrid(paragraph, halfCellsPerLine);
    return lines;
}

void DrawGridText(QPainter* painter, const QString& text, const QRect& box, const TextGrid& grid, bool wrap) {
    if (text.isEmpty() || box.isEmpty() || grid.cell <= 0 || grid.pitch <= 0) return;
    painter->save();
    painter->setClipRect(box, Qt::IntersectClip);
    const QFont wide = painter->font();
    const QFont half = HalfWidthFont(wide);
    int top = box.top();
    for (const QString& line : GridLines(text, box.width(), grid, wrap)) {
        if (top > box.bottom()) break;
        const int baseline = top + grid.baseline;
        int column = 0;  // in half cells
        for (qsizetype i = 0; i < line.size();) {
            const qsizetype length = CharLength(line, i);
            const QStringView character = QStringView(line).mid(i, length);
            if (!IsBlank(line[i])) {
                painter->setFont(IsAscii(line[i]) ? half : wide);
                painter->drawText(QPointF(box.left() + column * grid.cell / 2.0, baseline),
                                  character.toString());
            }
            column += HalfCellsOf(character);
            i += length;
        }
        top += grid.pitch;
    }
    painter->restore();
}

}  // namespace pages
