// The chart pages' painting: the model's texts at ChartPageLayout.h's places;
// page 1, the flow of the facts and notes, and the pages' dispatch.
#include "app/pages/ChartPage.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <memory>

#include "app/pages/ChartPageLayout.h"
#include "app/pages/ChartPageParts.h"
#include "app/pages/LineBreak.h"
#include "app/pages/SheetStyle.h"

namespace pages {

using namespace chartlayout;
using namespace chartpage;

namespace {

constexpr char kTitle[] = "八字排盘";
constexpr char kElementsLegend[] = "深色：八字个数  浅色：含藏干  ";
constexpr char kFactSeparator[] = "  ";
constexpr char kRelationSeparator[] = "    ";
constexpr int kLightAlpha = 90;  // the weighted bars, lighter than the counted ones
constexpr int kDayColumn = 2;

const Type kEntryType{kSmallSize, kInk};

QColor StemColour(int stem) {
    return QColor::fromRgb(ElementColour(chart::StemElement(stem)));
}
QColor BranchColour(int branch) {
    return QColor::fromRgb(ElementColour(chart::BranchElement(branch)));
}

// The hidden stems of one cell, a line each: the stem in its colour, its ten god after it.
void HiddenStems(QPainter& p, const QRectF& cell, const chart::PillarColumn& column) {
    double y =
        cell.top() + (cell.height() - kHiddenLineHeight * static_cast<double>(column.hidden.size())) / 2;
    const double split = cell.left() + cell.width() / 2 - kHiddenSplitOffset;
    for (const chart::HiddenStemText& h : column.hidden) {
        Text(p, QRectF(cell.left(), y, split - cell.left(), kHiddenLineHeight),
             Qt::AlignRight | Qt::AlignVCenter, U(h.stemName), {kHiddenStemSize, StemColour(h.stem), true});
        Text(p, QRectF(split + kHiddenGodGap, y, cell.right() - split - kHiddenGodGap, kHiddenLineHeight),
             Qt::AlignLeft | Qt::AlignVCenter, U(h.tenGod), {kHiddenGodSize, kInk});
        y += kHiddenLineHeight;
    }
}

void Cell(QPainter& p, const QRectF& cell, const chart::PillarColumn& column, chart::GridRow row,
          bool dayColumn) {
    using chart::GridRow;
    switch (row) {
        case GridRow::Stem:
            Text(p, cell, Qt::AlignCenter, U(column.stemName),
                 {kCharacterSize, StemColour(column.stem), true});
            return;
        case GridRow::Branch:
            Text(p, cell, Qt::AlignCenter, U(column.branchName),
                 {kCharacterSize, BranchColour(column.branch), true});
            return;
        case GridRow::Hidden:
            HiddenStems(p, cell, column);
            return;
        case GridRow::TenGod:
            Text(p, cell, Qt::AlignCenter, U(column.tenGod), {kTenGodSize, dayColumn ? kMark : kInk, true});
            return;
        case GridRow::Nayin:
        case GridRow::Stage:
        case GridRow::SelfStage:
        case GridRow::XunKong:
            Text(p, cell, Qt::AlignCenter, U(chart::CellLines(column, row).front()), {kGridTextSize, kInk});
            return;
    }
}

double GridHeight() {
    double height = kGridHeadingHeight;
    for (double h : kGridRowHeights) height += h;
    return height;
}

double PaintGrid(QPainter& p, const chart::ChartModel& m, double top) {
    const double height = GridHeight();
    const auto columnLeft = [](std::size_t col) {
        return kMargin + kGridLabelWidth + static_cast<double>(col) * kGridColumnWidth;
    };
    p.setPen(Qt::NoPen);
    p.setBrush(kShade);
    p.drawRect(QRectF(kMargin, top, kContentWidth, kGridHeadingHeight));
    p.drawRect(QRectF(kMargin, top + kGridHeadingHeight, kGridLabelWidth, height - kGridHeadingHeight));
    for (std::size_t col = 0; col < m.columns.size(); ++col)
        Text(p, QRectF(columnLeft(col), top, kGridColumnWidth, kGridHeadingHeight), Qt::AlignCenter,
             U(m.columns[col].heading), {kHeadingSize, kInk, true});
    double y = top + kGridHeadingHeight;
    for (std::size_t row = 0; row < chart::kGridRows.size(); ++row) {
        const double h = kGridRowHeights[row];
        Text(p, QRectF(kMargin, y, kGridLabelWidth, h), Qt::AlignCenter, U(chart::kGridRows[row].label),
             {kGridLabelSize, kInk, true});
        for (std::size_t col = 0; col < m.columns.size(); ++col)
            Cell(p, QRectF(columnLeft(col), y, kGridColumnWidth, h), m.columns[col],
                 chart::kGridRows[row].row, col == kDayColumn);
        y += h;
    }
    // Rules: the frame, the label column, the columns and every row.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kRuleColour, kRulePen));
    y = top + kGridHeadingHeight;
    for (double h : kGridRowHeights) {
        p.drawLine(QPointF(kMargin, y), QPointF(kContentRight, y));
        y += h;
    }
    for (std::size_t col = 1; col < m.columns.size(); ++col)
        p.drawLine(QPointF(columnLeft(col), top), QPointF(columnLeft(col), top + height));
    p.drawLine(QPointF(kMargin + kGridLabelWidth, top), QPointF(kMargin + kGridLabelWidth, top + height));
    p.setPen(QPen(kRuleColour, kFramePen));
    p.drawRect(QRectF(kMargin, top, kContentWidth, height));
    return top + height;
}

void PaintElements(QPainter& p, const chart::ChartModel& m, const QRectF& box) {
    const double rowHeight = box.height() / static_cast<double>(m.elements.size());
    const double barLeft = box.left() + kElementLabelWidth;
    const double barWidth = box.width() - kElementLabelWidth - kElementValueWidth;
    for (std::size_t e = 0; e < m.elements.size(); ++e) {
        const chart::ElementText& element = m.elements[e];
        const QColor colour = QColor::fromRgb(ElementColour(static_cast<chart::Element>(e)));
        const double y = box.top() + static_cast<double>(e) * rowHeight;
        Text(p, QRectF(box.left(), y, kElementLabelWidth, rowHeight), Qt::AlignCenter, U(element.name),
             {kElementLabelSize, colour, true});
        QColor light = colour;
        light.setAlpha(kLightAlpha);
        p.setPen(Qt::NoPen);
        p.setBrush(light);
        p.drawRect(QRectF(barLeft, y + rowHeight * kWeightedBarTop,
                          barWidth * element.weight / kElementBarMaximum, rowHeight * kBarHeight));
        p.setBrush(colour);
        p.drawRect(QRectF(barLeft, y + rowHeight * kCountBarTop,
                          barWidth * element.count / kElementBarMaximum, rowHeight * kBarHeight));
        Text(p, QRectF(barLeft + barWidth + 4, y, kElementValueWidth - 4, rowHeight),
             Qt::AlignLeft | Qt::AlignVCenter,
             QString::number(element.count) + QStringLiteral(" / ") + U(element.weightText),
             {kElementValueSize, kInk});
    }
}

// The relations, each item kept whole, four blanks between two.
QString RelationsText(const chart::ChartModel& m) {
    if (m.relations.empty()) return U(chart::kNoneText);
    QStringList texts;
    for (const chart::RelationText& r : m.relations)
        texts << U(r.text).replace(QLatin1Char(' '), kNoBreakSpace);
    return texts.join(QLatin1String(kRelationSeparator));
}

QStringList RelationLines(const chart::ChartModel& m) {
    return Wrapped(RelationsText(m), kContentWidth, {kRelationsSize, kInk});
}

// Where the elements section starts: below the grid and the relations' lines.
double ElementsTop(const chart::ChartModel& m) {
    const double relationsTop = kGridTop + GridHeight() + kSectionGap;
    return relationsTop + kRelationsTextTop +
           kRelationsLineHeight * static_cast<double>(RelationLines(m).size()) + kSectionGap;
}

// The width a fact's label and its separator take; the text's lines start there.
double FactIndent(const QString& label) {
    return QFontMetricsF(SheetFont(kSmallSize)).horizontalAdvance(label + QLatin1String(kFactSeparator));
}

// A fact's label and first line are one text, so that it reads as one.
void PaintFactsBox(QPainter& p, const std::vector<BoxedFact>& facts, double top) {
    double y = top;
    for (const BoxedFact& fact : facts) {
        const double indent = FactIndent(fact.label);
        for (qsizetype i = 0; i < fact.lines.size(); ++i) {
            const QString text =
                i == 0 ? fact.label + QLatin1String(kFactSeparator) + fact.lines[i] : fact.lines[i];
            Text(p, QRectF(kRightColumn + (i == 0 ? 0 : indent), y, kFactsWidth, kEntryLineHeight),
                 Qt::AlignLeft | Qt::AlignVCenter, text, kEntryType);
            y += kEntryLineHeight;
        }
    }
}

// Page 1: the person, the grid, the relations, the elements with the facts,
// and the facts and notes at its foot.
void PaintNatalPage(QPainter& p, const chart::ChartModel& m, const EntryFlow& flow) {
    Title(p, QString::fromUtf8(kTitle));
    PersonLines(p, m);
    const int left = Qt::AlignLeft | Qt::AlignVCenter;
    Text(p, QRectF(kMargin, kConventionsTop, kContentWidth, kConventionsHeight), left, U(m.conventions),
         {kSmallSize, kInk});
    Text(p, QRectF(kMargin, kCastTop, kContentWidth, kCastHeight), left, U(m.castTime), {kSmallSize, kMark});

    double y = PaintGrid(p, m, kGridTop) + kSectionGap;
    Heading(p, y, U(chart::kRelationsLabel));
    double line = y + kRelationsTextTop;
    for (const QString& text : RelationLines(m)) {
        Text(p, QRectF(kMargin, line, kContentWidth, kRelationsLineHeight), left, text,
             {kRelationsSize, kInk});
        line += kRelationsLineHeight;
    }

    y = ElementsTop(m);
    Heading(p, y, U(chart::kElementsLabel));
    PaintElements(p, m, QRectF(kMargin, y + kSectionBodyTop, kElementsWidth, kElementsHeight));
    Text(p, QRectF(kMargin, y + kElementsLegendTop, kElementsWidth, kElementsLegendHeight), left,
         QString::fromUtf8(kElementsLegend) + U(m.missing), {kSmallSize, kInk});
    PaintFactsBox(p, flow.box, y + kSectionBodyTop);

    if (!flow.foot.isEmpty()) {
        const double top = kBodyBottom - kEntryLineHeight * static_cast<double>(flow.foot.size());
        p.setPen(QPen(kRuleColour, kRulePen));
        p.drawLine(QPointF(kMargin, top - kNotesRuleGap),
                   QPointF(kMargin + kNotesRuleWidth, top - kNotesRuleGap));
        EntryLines(p, top, flow.foot);
    }
}

std::vector<QStringList> Split(const QStringList& lines, std::size_t first, std::size_t rest) {
    std::vector<QStringList> parts;
    qsizetype at = 0;
    std::size_t room = first;
    while (at < lines.size()) {
        parts.push_back(lines.mid(at, static_cast<qsizetype>(room)));
        at += static_cast<qsizetype>(room);
        room = rest;
    }
    return parts;
}

}  // namespace

namespace chartpage {

QString KeepDateTimes(QString text) {
    static const QRegularExpression dateTime(QStringLiteral("(\\d{4}-\\d{2}-\\d{2}) (\\d{2}:\\d{2})"));
    return text.replace(dateTime, QStringLiteral("\\1") + kNoBreakSpace + QStringLiteral("\\2"));
}

EntryFlow FlowEntries(const chart::ChartModel& m) {
    EntryFlow flow;
    flow.natalEnd = ElementsTop(m) + kElementsSection;
    // The facts beside the elements, while each fits whole.
    QStringList rest;
    double used = 0;
    for (const chart::FactLine& fact : m.facts) {
        if (fact.label == chart::kXiaoYunLabel) continue;  // page 2 shows 小运 as cells
        const QString text = KeepDateTimes(U(fact.text));
        if (rest.isEmpty()) {
            BoxedFact boxed{U(fact.label),
                            Wrapped(text, kFactsWidth - FactIndent(U(fact.label)), kEntryType)};
            const double height = kEntryLineHeight * static_cast<double>(boxed.lines.size());
            if (used + height <= kFactsHeight) {
                used += height;
                flow.box.push_back(std::move(boxed));
                continue;
            }
        }
        rest << Wrapped(U(fact.label) + QLatin1String(kFactSeparator) + text, kContentWidth, kEntryType);
    }
    for (const std::string& note : m.notes)
        rest << Wrapped(U(chart::kNotePrefix) + KeepDateTimes(U(note)), kContentWidth, kEntryType);

    // Page 1's foot, page 2's tail, then whole pages.
    const auto capacity = [](double top) {
        return static_cast<std::size_t>(std::max(0.0, (kBodyBottom - top) / kEntryLineHeight));
    };
    const std::size_t foot = capacity(flow.natalEnd + kSectionGap + kNotesRuleGap);
    flow.foot = rest.mid(0, static_cast<qsizetype>(foot));
    if (rest.size() > static_cast<qsizetype>(foot))
        flow.later =
            Split(rest.mid(static_cast<qsizetype>(foot)), capacity(LuckPageEnd()), capacity(kLuckPageTop));
    return flow;
}

void PersonLines(QPainter& p, const chart::ChartModel& m) {
    const int left = Qt::AlignLeft | Qt::AlignVCenter;
    Text(p, QRectF(kMargin, kPersonTop, kContentWidth, kPersonHeight), left, U(m.person),
         {kPersonSize, kInk, true});
    Text(p, QRectF(kMargin, kDatesTop, kHalfWidth, kDatesHeight), left, U(m.solarLine), {kDateSize, kInk});
    Text(p, QRectF(kRightColumn, kDatesTop, kHalfWidth, kDatesHeight), left, U(m.lunarLine),
         {kDateSize, kInk});
}

void EntryLines(QPainter& p, double top, const QStringList& lines) {
    for (const QString& line : lines) {
        Text(p, QRectF(kMargin, top, kContentWidth, kEntryLineHeight), Qt::AlignLeft | Qt::AlignVCenter, line,
             kEntryType);
        top += kEntryLineHeight;
    }
}

}  // namespace chartpage

int ChartPageCount(const chart::ChartModel& model) {
    const EntryFlow flow = FlowEntries(model);
    return 2 + static_cast<int>(flow.later.empty() ? 0 : flow.later.size() - 1);
}

void PaintChartPage(QPainter& p, const QRectF& target, const chart::ChartModel& m, int page) {
    const SheetScope sheet(p, target);
    if (!sheet.Active()) return;
    const EntryFlow flow = FlowEntries(m);
    const int pages = 2 + static_cast<int>(flow.later.empty() ? 0 : flow.later.size() - 1);
    if (page < 0 || page >= pages) return;
    if (page == 0) {
        PaintNatalPage(p, m, flow);
    } else if (page == 1) {
        PaintLuckPage(p, m, flow.later.empty() ? QStringList() : flow.later.front());
    } else {
        PaintEntriesPage(p, m, flow.later[static_cast<std::size_t>(page - 1)]);
    }
    Footer(p, QStringLiteral("弈澜坊-星衡命鉴 · 八字排盘与大运"), page + 1, pages);
}

std::vector<PagePainter> ChartPagePainters(chart::ChartModel model) {
    const auto shared = std::make_shared<const chart::ChartModel>(std::move(model));
    std::vector<PagePainter> painters;
    for (int page = 0; page < ChartPageCount(*shared); ++page)
        painters.push_back([shared, page](QPainter& painter, QPaintDevice& device) {
            PaintChartPage(painter, QRectF(0, 0, device.width(), device.height()), *shared, page);
        });
    return painters;
}

QRgb ElementColour(chart::Element element) {
    switch (element) {
        case chart::Element::Wood:
            return qRgb(30, 130, 50);
        case chart::Element::Fire:
            return qRgb(204, 40, 30);
        case chart::Element::Earth:
            return qRgb(140, 90, 40);
        case chart::Element::Metal:
            return qRgb(190, 140, 0);
        case chart::Element::Water:
            return qRgb(25, 80, 180);
    }
    return qRgb(0, 0, 0);
}

}  // namespace pages
