// CReportView: the report page inside the main form, painted by the pages library.
#include "app/report/ReportView.h"

#include <QPaintEvent>
#include <QPainter>
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

CReportView::CReportView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(true);
    QPalette pal = viewport()->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::Base, Qt::white);
    viewport()->setPalette(pal);
    // A click gives the view the focus, for Ctrl+C and Ctrl+A on its text.
    setFocusPolicy(Qt::ClickFocus);
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
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    OnDraw(&painter);
    PaintSelection(painter);
}

void CReportView::scrollContentsBy(int /*dx*/, int /*dy*/) {
    viewport()->update();
}

void CReportView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    SetScrollSizes();
}
