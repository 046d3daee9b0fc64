// The chart page's painting: the model's texts at ChartPageLayout.h's places.
#include "app/pages/ChartPage.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <cmath>

#include "app/pages/ChartPageLayout.h"
#include "app/pages/LineBreak.h"

namespace pages {

using namespace chartlayout;

namespace {

constexpr char kTitle[] = "八字排盘";
constexpr char kFooter[] = "弈澜坊-星衡命鉴 · 八字排盘与大运";
constexpr char kElementsLegend[] = "深色：八字个数  浅色：含藏干  ";
constexpr char kFactSeparator[] = "  ";

const QColor kInk(30, 30, 30);
const QColor kRule(120, 100, 80);
const QColor kShade(245, 238, 222);
const QColor kMark(170, 44, 32);
const QColor kCurrentFill(252, 232, 214);
constexpr int kLightAlpha = 90;  // the weighted bars, lighter than the counted ones

QString U(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QFont PageFont(double pixels, bool bold = false) {
    QFont font(QStringLiteral("Noto Serif CJK SC"));
    font.setFamilies({QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("AR PL UMing CN")});
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// How a text is set: its type size, colour and weight.
struct Type {
    double size;
    QColor colour;
    bool bold = false;
};

void Text(QPainter& p, const QRectF& box, int flags, const QString& text, const Type& type) {
    p.setFont(PageFont(type.size, type.bold));
    p.setPen(type.colour);
    p.drawText(box, flags, text);
}

// A text wrapped at the box's right edge, from its top left (LineBreak.h).
void Wrapped(QPainter& p, const QRectF& box, const QString& text, const Type& type) {
    p.setFont(PageFont(type.size, type.bold));
    p.setPen(type.colour);
    DrawWrappedText(p, box, Qt::AlignLeft, text);
}

QColor StemColour(int stem) {
    return QColor::fromRgb(ElementColour(chart::StemElement(stem)));
}
QColor BranchColour(int branch) {
    return QColor::fromRgb(ElementColour(chart::BranchElement(branch)));
}

// A pillar written as two coloured characters side by side, meeting at the
// box's middle (one word to a PDF reader).
struct PillarMark {
    int sexagenary = 0;  // which pillar
    double size = 0;     // its type size
};
void PillarText(QPainter& p, const QRectF& box, PillarMark pillar) {
    const int stem = pillar.sexagenary % 10;
    const int branch = pillar.sexagenary % 12;
    const double size = pillar.size;
    QRectF first = box, second = box;
    first.setRight(box.center().x());
    second.setLeft(box.center().x());
    Text(p, first, Qt::AlignRight | Qt::AlignVCenter, U(chart::StemName(stem)),
         {size, StemColour(stem), true});
    Text(p, second, Qt::AlignLeft | Qt::AlignVCenter, U(chart::BranchName(branch)),
         {size, BranchColour(branch), true});
}

// A section heading with a rule after it, up to `ruleEnd`.
void Heading(QPainter& p, double y, const QString& text, double ruleEnd = kContentRight) {
    Text(p, QRectF(kMargin, y, kContentWidth, kHeadingHeight), Qt::AlignLeft | Qt::AlignVCenter, text,
         {kHeadingSize, kMark, true});
    const double start =
        kMargin + QFontMetricsF(PageFont(kHeadingSize, true)).horizontalAdvance(text) + kHeadingRuleGap;
    if (ruleEnd <= start) return;
    p.setPen(QPen(kRule, kRulePen));
    p.drawLine(QPointF(start, y + kHeadingHeight / 2), QPointF(ruleEnd, y + kHeadingHeight / 2));
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

double PaintGrid(QPainter& p, const chart::ChartModel& m, double top) {
    constexpr double kDayColumn = 2;
    double height = kGridHeadingHeight;
    for (double h : kGridRowHeights) height += h;
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
    p.setPen(QPen(kRule, kRulePen));
    y = top + kGridHeadingHeight;
    for (double h : kGridRowHeights) {
        p.drawLine(QPointF(kMargin, y), QPointF(kContentRight, y));
        y += h;
    }
    for (std::size_t col = 1; col < m.columns.size(); ++col)
        p.drawLine(QPointF(columnLeft(col), top), QPointF(columnLeft(col), top + height));
    p.drawLine(QPointF(kMargin + kGridLabelWidth, top), QPointF(kMargin + kGridLabelWidth, top + height));
    p.setPen(QPen(kRule, kFramePen));
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

// A cell of the luck strip or of the years row; the current one is tinted and ringed.
void PaintCell(QPainter& p, const QRectF& box, bool current) {
    p.setBrush(current ? kCurrentFill : QColor(Qt::white));
    p.setPen(QPen(current ? kMark : kRule, current ? kCurrentPen : kRulePen));
    p.drawRect(box.adjusted(1, 1, -1, -1));
}

void PaintLuck(QPainter& p, const chart::ChartModel& m, double top) {
    for (std::size_t i = 0; i < m.luck.size() && i < kStripCells; ++i) {
        const chart::LuckText& luck = m.luck[i];
        const double left = kMargin + static_cast<double>(i) * kCellWidth;
        const bool current = static_cast<int>(i) == m.currentLuck;
        PaintCell(p, QRectF(left, top, kCellWidth, kLuckCellHeight), current);
        Text(p, QRectF(left, top + kCellTextTop, kCellWidth, kCellTextHeight), Qt::AlignCenter, U(luck.age),
             {kLuckTextSize, kInk});
        Text(p, QRectF(left, top + kLuckYearTop, kCellWidth, kCellTextHeight), Qt::AlignCenter,
             U(luck.yearText), {kLuckTextSize, kInk});
        PillarText(p, QRectF(left, top + kLuckPillarTop, kCellWidth, kLuckPillarHeight),
                   {luck.pillar, kLuckPillarSize});
        Text(p, QRectF(left, top + kLuckGodTop, kCellWidth, kCellTextHeight), Qt::AlignCenter, U(luck.tenGod),
             {kLuckTextSize, current ? kMark : kInk, current});
    }
}

// The ten years of the luck pillar a page shows, the current one marked.
void PaintYears(QPainter& p, const chart::ChartModel& m, double top) {
    const chart::LuckText& shown = m.luck[static_cast<std::size_t>(m.shownLuck)];
    const int currentYear = m.currentYear;
    for (std::size_t i = 0; i < shown.years.size() && i < kStripCells; ++i) {
        const chart::YearText& year = shown.years[i];
        const double left = kMargin + static_cast<double>(i) * kCellWidth;
        const bool current = static_cast<int>(i) == currentYear;
        PaintCell(p, QRectF(left, top, kCellWidth, kYearCellHeight), current);
        Text(p, QRectF(left, top + kCellTextTop, kCellWidth, kCellTextHeight), Qt::AlignCenter,
             U(year.yearText), {kLuckTextSize, current ? kMark : kInk, current});
        PillarText(p,
                   QRectF(left + kYearPillarInset, top + kYearPillarTop, kCellWidth - 2 * kYearPillarInset,
                          kYearPillarHeight),
                   {year.pillar, kYearPillarSize});
    }
}

// The facts and the notes beside the elements, a line each.
QString FactsText(const chart::ChartModel& m) {
    QStringList lines;
    for (const chart::FactLine& fact : m.facts)
        lines << U(fact.label) + QLatin1String(kFactSeparator) + U(fact.text);
    for (const std::string& note : m.notes) lines << U(chart::kNotePrefix) + U(note);
    return lines.join(QLatin1Char('\n'));
}

QString RelationsText(const chart::ChartModel& m) {
    if (m.relations.empty()) return U(chart::kNoneText);
    QStringList texts;
    for (const chart::RelationText& r : m.relations) texts << U(r.text);
    return texts.join(QStringLiteral("    "));
}

}  // namespace

void PaintChartPage(QPainter& p, const QRectF& target, const chart::ChartModel& m) {
    if (target.isEmpty()) return;
    p.save();
    p.fillRect(target, Qt::white);
    const double scale = std::min(target.width() / kSheetWidth, target.height() / kSheetHeight);
    p.translate(target.left() + (target.width() - kSheetWidth * scale) / 2,
                target.top() + (target.height() - kSheetHeight * scale) / 2);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Title and the person.
    Text(p, QRectF(kMargin, kTitleTop, kContentWidth, kTitleHeight), Qt::AlignCenter,
         QString::fromUtf8(kTitle), {kTitleSize, kInk, true});
    p.setPen(QPen(kMark, kTitleRulePen));
    p.drawLine(QPointF(kTitleRuleLeft, kTitleRuleY), QPointF(kTitleRuleLeft + kTitleRuleWidth, kTitleRuleY));
    const int left = Qt::AlignLeft | Qt::AlignVCenter;
    Text(p, QRectF(kMargin, kPersonTop, kContentWidth, kPersonHeight), left, U(m.person),
         {kPersonSize, kInk, true});
    Text(p, QRectF(kMargin, kDatesTop, kHalfWidth, kDatesHeight), left, U(m.solarLine), {kDateSize, kInk});
    Text(p, QRectF(kRightColumn, kDatesTop, kHalfWidth, kDatesHeight), left, U(m.lunarLine),
         {kDateSize, kInk});
    Text(p, QRectF(kMargin, kConventionsTop, kContentWidth, kConventionsHeight), left, U(m.conventions),
         {kSmallSize, kInk});
    Text(p, QRectF(kMargin, kCastTop, kContentWidth, kCastHeight), left, U(m.castTime), {kSmallSize, kMark});

    double y = PaintGrid(p, m, kGridTop);

    // Relations, elements, facts and notes.
    y += kSectionGap;
    Heading(p, y, U(chart::kRelationsLabel));
    Wrapped(p, QRectF(kMargin, y + kRelationsTextTop, kContentWidth, kRelationsTextHeight), RelationsText(m),
            {kRelationsSize, kInk});
    y += kRelationsSection;
    Heading(p, y, U(chart::kElementsLabel));
    PaintElements(p, m, QRectF(kMargin, y + kSectionBodyTop, kElementsWidth, kElementsHeight));
    Text(p, QRectF(kMargin, y + kElementsLegendTop, kElementsWidth, kElementsLegendHeight), left,
         QString::fromUtf8(kElementsLegend) + U(m.missing), {kSmallSize, kInk});
    Wrapped(p, QRectF(kRightColumn, y + kSectionBodyTop, kFactsWidth, kFactsHeight), FactsText(m),
            {kSmallSize, kInk});
    y += kElementsSection;

    const QString luckLine = U(m.luckLine);
    const double luckLineWidth = QFontMetricsF(PageFont(kSmallSize)).horizontalAdvance(luckLine);
    Heading(p, y, U(chart::kLuckLabel), kContentRight - luckLineWidth - kLuckRuleGap);
    Text(p, QRectF(kLuckLineLeft, y, kLuckLineWidth, kHeadingHeight), Qt::AlignRight | Qt::AlignVCenter,
         luckLine, {kSmallSize, kInk});
    PaintLuck(p, m, y + kSectionBodyTop);
    y += kLuckSection;
    if (!m.luck.empty()) {
        const chart::LuckText& shown = m.luck[static_cast<std::size_t>(m.shownLuck)];
        Heading(p, y,
                U(chart::kYearsLabel) + QStringLiteral("  ") + U(shown.pillarName) + QStringLiteral("运"));
        PaintYears(p, m, y + kSectionBodyTop);
    }

    Text(p, QRectF(kMargin, kFooterTop, kContentWidth, kFooterHeight), Qt::AlignCenter,
         QString::fromUtf8(kFooter), {kFooterSize, kRule});
    p.restore();
}

PagePainter ChartPagePainter(chart::ChartModel model) {
    return [model = std::move(model)](QPainter& painter, QPaintDevice& device) {
        PaintChartPage(painter, QRectF(0, 0, device.width(), device.height()), model);
    };
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
