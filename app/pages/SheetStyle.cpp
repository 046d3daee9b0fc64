// The shared look of the chart and analysis pages.
#include "app/pages/SheetStyle.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "app/pages/LineBreak.h"
#include "app/pages/SheetLayout.h"

namespace pages::sheet {

QString U(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QFont SheetFont(double pixels, bool bold) {
    QFont font(QStringLiteral("Noto Serif CJK SC"));
    font.setFamilies({QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("AR PL UMing CN")});
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

SheetScope::SheetScope(QPainter& painter, const QRectF& target)
    : m_painter(painter), m_active(!target.isEmpty()) {
    if (!m_active) return;
    painter.save();
    painter.fillRect(target, Qt::white);
    const double scale = std::min(target.width() / kSheetWidth, target.height() / kSheetHeight);
    painter.translate(target.left() + (target.width() - kSheetWidth * scale) / 2,
                      target.top() + (target.height() - kSheetHeight * scale) / 2);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

SheetScope::~SheetScope() {
    if (m_active) m_painter.restore();
}

void Text(QPainter& p, const QRectF& box, int flags, const QString& text, const Type& type) {
    p.setFont(SheetFont(type.size, type.bold));
    p.setPen(type.colour);
    p.drawText(box, flags, text);
}

QStringList Wrapped(const QString& text, double width, const Type& type) {
    return WrapText(text, width, QFontMetricsF(SheetFont(type.size, type.bold)));
}

void Heading(QPainter& p, double y, const QString& text, double ruleEnd) {
    Text(p, QRectF(kMargin, y, kContentWidth, kHeadingHeight), Qt::AlignLeft | Qt::AlignVCenter, text,
         {kHeadingSize, kMark, true});
    const double start =
        kMargin + QFontMetricsF(SheetFont(kHeadingSize, true)).horizontalAdvance(text) + kHeadingRuleGap;
    if (ruleEnd <= start) return;
    p.setPen(QPen(kRuleColour, kRulePen));
    p.drawLine(QPointF(start, y + kHeadingHeight / 2), QPointF(ruleEnd, y + kHeadingHeight / 2));
}

void Title(QPainter& p, const QString& title) {
    Text(p, QRectF(kMargin, kTitleTop, kContentWidth, kTitleHeight), Qt::AlignCenter, title,
         {kTitleSize, kInk, true});
    p.setPen(QPen(kMark, kTitleRulePen));
    p.drawLine(QPointF(kTitleRuleLeft, kTitleRuleY), QPointF(kTitleRuleLeft + kTitleRuleWidth, kTitleRuleY));
}

void Footer(QPainter& p, const QString& text, int page, int pages) {
    const QRectF box(kMargin, kFooterTop, kContentWidth, kFooterHeight);
    Text(p, box, Qt::AlignCenter, text, {kFooterSize, kRuleColour});
    Text(p, box, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 / %2").arg(page).arg(pages),
         {kFooterSize, kRuleColour});
}

}  // namespace pages::sheet
