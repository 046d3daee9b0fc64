// The report's texts laid out on the view's grid.
#include "app/report/ReportTextLayout.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "app/pages/GridText.h"
#include "app/pages/LineBreak.h"
#include "app/pages/ReportLayout.h"

namespace {

constexpr QChar kLineFeed = QLatin1Char('\n');
// Between the header and the body in the plain text, as karvuto-read prints it.
const QString kPartBreak = QStringLiteral("\n\n");

}  // namespace

ReportTextLayout::ReportTextLayout(const pages::ReportPageText& report) {
    using namespace pages::screen;
    m_pitch = kReportLineHeight;
    m_halfCell = kReportEmPixels / 2;
    if (report.header.isEmpty() && report.body.isEmpty()) return;
    m_text = report.header + kPartBreak + report.body;
    AddPart(report.header, 0, pages::EdgeRect(kHeaderText), false);
    AddPart(report.body, report.header.size() + kPartBreak.size(), pages::EdgeRect(kBodyText), true);
}

void ReportTextLayout::AddPart(const QString& text, qsizetype offset, const QRect& box, bool wrap) {
    // As DrawGridText lays a text out: a paragraph a line feed, each broken
    // into lines of at most the box's width in half cells, one line every
    // pitch pixels from the box's top, cut off below the box.
    const int halfCellsPerLine =
        wrap ? std::max(2, 2 * box.width() / pages::screen::kReportEmPixels) : INT_MAX;
    int top = box.top();
    qsizetype paragraphStart = 0;
    for (const QString& paragraph : text.split(kLineFeed)) {
        const QStringList pieces = pages::WrapToGrid(paragraph, halfCellsPerLine);
        qsizetype at = 0;
        for (qsizetype p = 0; p < pieces.size(); ++p) {
            if (top > box.bottom()) return;
            const QString& piece = pieces[p];
            // The pieces are the paragraph cut in order; should a breaker ever
            // drop a character between them, the piece is found again.
            if (QStringView(paragraph).mid(at, piece.size()) != piece)
                at = std::max(at, paragraph.indexOf(piece, at));
            Line line;
            line.start = offset + paragraphStart + at;
            line.end = line.start + piece.size();
            line.endsParagraph = p + 1 == pieces.size();
            line.top = top;
            int column = 0;  // in half cells
            for (qsizetype i = 0; i <= piece.size();) {
                line.offsets.push_back(line.start + i);
                line.xs.push_back(box.left() + column * m_halfCell);
                if (i == piece.size()) break;
                column += pages::HalfCells(piece.mid(i, pages::CharLength(piece, i)));
                i += pages::CharLength(piece, i);
            }
            m_lines.push_back(std::move(line));
            at += piece.size();
            top += m_pitch;
        }
        paragraphStart += paragraph.size() + 1;
    }
}

qsizetype ReportTextLayout::PositionAt(QPoint point) const {
    if (m_lines.empty()) return 0;
    // The line the point is on, else the last one above it.
    const Line* on = nullptr;
    for (const Line& line : m_lines) {
        if (line.top > point.y()) break;
        on = &line;
        if (point.y() < line.top + m_pitch) break;
    }
    if (on == nullptr) return 0;
    if (point.y() >= on->top + m_pitch) return on->end;  // below the line: after it
    const auto next = std::lower_bound(on->xs.begin(), on->xs.end(), point.x());
    if (next == on->xs.begin()) return on->offsets.front();
    if (next == on->xs.end()) return on->offsets.back();
    const auto index = static_cast<std::size_t>(next - on->xs.begin());
    return point.x() - on->xs[index - 1] < *next - point.x() ? on->offsets[index - 1] : on->offsets[index];
}

QVector<QRect> ReportTextLayout::Boxes(qsizetype from, qsizetype to) const {
    if (from > to) std::swap(from, to);
    QVector<QRect> boxes;
    if (from == to) return boxes;
    for (const Line& line : m_lines) {
        if (line.end < from || line.start >= to) continue;
        const auto xAt = [&line](qsizetype position) {
            const auto at = std::lower_bound(line.offsets.begin(), line.offsets.end(), position);
            return at == line.offsets.end() ? line.xs.back()
                                            : line.xs[static_cast<std::size_t>(at - line.offsets.begin())];
        };
        const int left = xAt(std::max(from, line.start));
        int right = xAt(std::min(to, line.end));
        if (line.endsParagraph && to > line.end) right += m_halfCell;  // its line feed
        if (right > left) boxes.push_back(QRect(left, line.top, right - left, m_pitch));
    }
    return boxes;
}

std::pair<qsizetype, qsizetype> ReportTextLayout::ParagraphAround(qsizetype position) const {
    position = std::clamp<qsizetype>(position, 0, m_text.size());
    const qsizetype first = position == 0 ? 0 : m_text.lastIndexOf(kLineFeed, position - 1) + 1;
    qsizetype last = m_text.indexOf(kLineFeed, position);
    if (last < 0) last = m_text.size();
    return {first, last};
}
