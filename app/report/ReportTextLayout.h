// Where each character of the report's texts stands in the report view: the
// header and the body laid out on the report's grid exactly as the page
// paints them (GridText.h: the same line breaking, cell widths and pitch), so
// that a point of the view maps to a place in the text and a stretch of the
// text to the boxes it covers. The view's selection and copying rest on it.
#pragma once

#include <QRect>
#include <QString>
#include <QVector>
#include <vector>

#include "app/pages/ReportPage.h"

class ReportTextLayout {
public:
    ReportTextLayout() = default;
    explicit ReportTextLayout(const pages::ReportPageText& report);

    // The report as one plain text: the header, an empty line, the body
    // (empty before the first reading). Places are offsets into it.
    const QString& Text() const { return m_text; }

    // The place nearest to `point` (view pixels, the scroll offset taken
    // off): before the character under the point, or after it when the point
    // is on its right half; above the text the start, below it the end.
    qsizetype PositionAt(QPoint point) const;
    // The boxes covered by the text from `from` to `to` (either order), one a
    // line; a line's end of paragraph selected shows as half a cell more.
    QVector<QRect> Boxes(qsizetype from, qsizetype to) const;
    // The paragraph (between line feeds) around `position`, as [first, last).
    std::pair<qsizetype, qsizetype> ParagraphAround(qsizetype position) const;

private:
    // One painted line: its text is m_text[start, end), its character
    // boundaries at xs (one more than its characters), offsets at starts.
    struct Line {
        qsizetype start = 0;
        qsizetype end = 0;
        bool endsParagraph = false;
        int top = 0;
        std::vector<qsizetype> offsets;  // the boundaries' places in m_text
        std::vector<int> xs;             // and their x in view pixels
    };
    void AddPart(const QString& text, qsizetype offset, const QRect& box, bool wrap);

    QString m_text;
    std::vector<Line> m_lines;
    int m_pitch = 0;
    int m_halfCell = 0;
};
