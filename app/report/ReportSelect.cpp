// The report view's selection and copying: the page's texts laid out as they
// are painted (ReportTextLayout), a selection between two places of the plain
// text, and the clipboard.
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "app/report/ReportView.h"

namespace {

// A light blue multiplied over the page: white paper turns blue, black text
// stays black and readable.
constexpr QRgb kSelectionColour = 0xFFADD6FF;

}  // namespace

QString CReportView::SelectedText() const {
    const qsizetype from = std::min(m_selectionAnchor, m_selectionCursor);
    return PlainText().mid(from, std::max(m_selectionAnchor, m_selectionCursor) - from);
}

void CReportView::Select(qsizetype from, qsizetype to) {
    const qsizetype end = PlainText().size();
    m_selectionAnchor = std::clamp<qsizetype>(from, 0, end);
    m_selectionCursor = std::clamp<qsizetype>(to, 0, end);
    viewport()->update();
}

void CReportView::SelectAll() {
    Select(0, PlainText().size());
}

void CReportView::CopySelection() {
    if (HasSelection()) QGuiApplication::clipboard()->setText(SelectedText());
}

void CReportView::CopyAll() {
    if (!PlainText().isEmpty()) QGuiApplication::clipboard()->setText(PlainText());
}

QPoint CReportView::PagePoint(QPointF viewportPoint) const {
    return viewportPoint.toPoint() + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void CReportView::PaintSelection(QPainter& painter) const {
    if (!HasSelection()) return;
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Multiply);
    for (const QRect& box : m_layout.Boxes(m_selectionAnchor, m_selectionCursor))
        painter.fillRect(box, QColor::fromRgba(kSelectionColour));
    painter.restore();
}

void CReportView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const qsizetype at = m_layout.PositionAt(PagePoint(event->position()));
    if (!(event->modifiers() & Qt::ShiftModifier)) m_selectionAnchor = at;
    m_selectionCursor = at;
    m_bSelecting = true;
    viewport()->update();
}

void CReportView::mouseMoveEvent(QMouseEvent* event) {
    if (!m_bSelecting || !(event->buttons() & Qt::LeftButton)) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    // Past an edge of the view the page scrolls along with the selection.
    const QPoint p = event->position().toPoint();
    const QRect view = viewport()->rect();
    if (p.y() < view.top()) verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    if (p.y() > view.bottom()) verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    if (p.x() < view.left()) horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    if (p.x() > view.right()) horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    m_selectionCursor = m_layout.PositionAt(PagePoint(event->position()));
    viewport()->update();
}

void CReportView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_bSelecting = false;
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void CReportView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseDoubleClickEvent(event);
        return;
    }
    const auto [first, last] = m_layout.ParagraphAround(m_layout.PositionAt(PagePoint(event->position())));
    Select(first, last);
}

void CReportView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        CopySelection();
    } else if (event->matches(QKeySequence::SelectAll)) {
        SelectAll();
    } else {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CReportView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copy = menu.addAction(QStringLiteral("复制"), this, &CReportView::CopySelection);
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(HasSelection());
    QAction* all = menu.addAction(QStringLiteral("全选"), this, &CReportView::SelectAll);
    all->setShortcut(QKeySequence::SelectAll);
    all->setEnabled(!PlainText().isEmpty());
    if (!m_contextActions.isEmpty()) {
        menu.addSeparator();
        menu.addActions(m_contextActions);
    }
    menu.exec(event->globalPos());
}
