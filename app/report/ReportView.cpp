// CReportView: the report page inside the main form, painted by the pages library.
#include "app/report/ReportView.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QScrollBar>
#include <algorithm>
#include <optional>

#include "Clock.h"
#include "ComError.h"
#include "ReadingMessages.h"
#include "app/MessageBox.h"
#include "app/pages/GbkText.h"
#include "app/pages/ReportLayout.h"
#include "app/pages/ReportPage.h"

namespace {

constexpr int kFocusFrameWidth = 2;  // pixels

}  // namespace

CReportView::CReportView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(true);
    QPalette pal = viewport()->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::Base, Qt::white);
    viewport()->setPalette(pal);
    // The keyboard reaches the report too: the arrows and the page keys scroll it, and
    // Ctrl+C and Ctrl+A work on its text.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("详细命理分析报告"));
    viewport()->setCursor(Qt::IBeamCursor);
}

CReportView::~CReportView() = default;

bool CReportView::CreateReportView(int placeholderId, QWidget* parent) {
    if (!parent) {
        return false;
    }
    QWidget* placeholder =
        parent->findChild<QWidget*>(QString::number(placeholderId), Qt::FindDirectChildrenOnly);
    if (!placeholder || placeholder == this) {
        return false;
    }
    const QRect rect = placeholder->geometry();
    // The view takes the placeholder's place in the tab order too.
    setParent(parent);
    QWidget::setTabOrder(placeholder, this);
    delete placeholder;
    (void)pages::ReportFont();
    setObjectName(QString::number(placeholderId));
    setGeometry(rect);
    show();
    return true;
}

void CReportView::SetScrollSizes() {
    using namespace pages::screen;
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, kScrollWidth - view.width()));
    horizontalScrollBar()->setPageStep(kScrollWidth);
    horizontalScrollBar()->setSingleStep(kLineStepX);
    verticalScrollBar()->setRange(0, std::max(0, kScrollHeight - view.height()));
    verticalScrollBar()->setPageStep(kScrollHeight);
    verticalScrollBar()->setSingleStep(kLineStepY);
}

bool CReportView::ComposeReading(const BirthRecord& birth, Connection* connection) {
    SYSTEMTIME now;
    GetLocalTime(&now);  // one reading of the clock for the whole report
    std::optional<ComposedReport> report;
    try {
        report = ComposeReport(birth, connection, now);
    } catch (const ComError& e) {
        ShowMessageBox(this, QString::fromUtf8(kReadFailedText) + FromGbk(e.ErrorText()));
        return false;
    }
    if (!report) {
        ShowMessageBox(this, QString::fromUtf8(kInvalidDateText));
        return false;
    }
    m_strPersonName = FromGbk(std::string_view(birth.name));
    SetReport(std::move(*report));
    return true;
}

void CReportView::SetReport(ComposedReport report) {
    m_report = std::move(report);
    m_layout = ReportTextLayout(PageText());
    m_selectionAnchor = m_selectionCursor = 0;
    m_bSelecting = false;
    viewport()->update();
}

pages::ReportPageText CReportView::PageText() const {
    return pages::MakeReportPageText(m_report.header, m_report.body, !m_report.starSign.empty());
}

void CReportView::OnDraw(QPainter* pDC) {
    pages::PaintReportScreen(*pDC, PageText());
}

void CReportView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setClipRegion(event->region());
    painter.save();
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    OnDraw(&painter);
    PaintSelection(painter);
    painter.restore();
    if (hasFocus()) {
        // The keyboard's focus: a frame along the visible edge of the page.
        painter.setClipping(false);
        painter.setPen(QPen(palette().color(QPalette::Highlight), kFocusFrameWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(viewport()->rect()).adjusted(1, 1, -1, -1));
    }
}

void CReportView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void CReportView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void CReportView::scrollContentsBy(int /*dx*/, int /*dy*/) {
    viewport()->update();
}

void CReportView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    SetScrollSizes();
}
