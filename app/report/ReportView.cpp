#include "app/report/ReportView.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <optional>

#include "Clock.h"
#include "ComError.h"
#include "ReadingMessages.h"
#include "app/GbkText.h"
#include "app/MessageBox.h"
#include "app/report/GridText.h"
#include "app/report/ReportLayout.h"
#include "res/bitmaps/BitmapIds.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinFonts.h"

namespace report {

QRect PictureRect(int w, int h) {
    if (w <= 0 || h <= 0) {
        return {};
    }
    if (w > h) {
        const int height = h * kPictureWidth / w;
        return QRect(kPictureLeft, kPictureMiddle - height / 2, kPictureWidth, height);
    }
    const int width = w * kPictureHeight / h;
    return QRect(kPictureLeft, kPictureTop, width, kPictureHeight);
}

}  // namespace report

namespace {

QRect Box(const int (&ltrb)[4]) {
    return report::EdgeRect(ltrb[0], ltrb[1], ltrb[2], ltrb[3]);
}

// A framed box: a one-pixel black border on the edge pixels, white inside.
void DrawRectangle(QPainter* p, const int (&ltrb)[4]) {
    const QRect r = Box(ltrb);
    p->fillRect(r, Qt::white);
    p->setPen(QPen(Qt::black, 0));
    p->setBrush(Qt::NoBrush);
    p->drawRect(r.adjusted(0, 0, -1, -1));
}

// Draws a text literally (an "&" is an "&"), clipped to its box, on the
// report's grid: a 12-pixel cell, one line every 13 pixels; a wrapping text
// also breaks at the box's right edge.
void DrawReportText(QPainter* p, const std::string& gbk, const int (&ltrb)[4], bool wordBreak) {
    p->setPen(Qt::black);
    report::DrawGridText(p, FromGbk(gbk), Box(ltrb),
                         {report::kReportEmPixels, report::kReportLineHeight, report::kReportBaseline},
                         wordBreak);
}

}  // namespace

const QFont& ReportFont() {
    // The Song face at the em size of a 13-pixel cell; the lines are laid
    // out at the cell height by DrawReportText.
    static const QFont font = LogFont(QStringLiteral("新宋体"), -report::kReportEmPixels, 400);
    return font;
}

CReportView::CReportView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(true);
    QPalette pal = viewport()->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::Base, Qt::white);
    viewport()->setPalette(pal);
    setFocusPolicy(Qt::NoFocus);
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
    (void)ReportFont();
    setObjectName(QString::number(placeholderId));
    setGeometry(rect);
    show();
    return true;
}

void CReportView::SetScrollSizes() {
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, report::kScrollWidth - view.width()));
    horizontalScrollBar()->setPageStep(report::kScrollWidth);
    horizontalScrollBar()->setSingleStep(report::kLineStepX);
    verticalScrollBar()->setRange(0, std::max(0, report::kScrollHeight - view.height()));
    verticalScrollBar()->setPageStep(report::kScrollHeight);
    verticalScrollBar()->setSingleStep(report::kLineStepY);
}

bool CReportView::ComposeReading(const BirthRecord& birth, Connection* connection) {
    SYSTEMTIME now;
    GetLocalTime(&now);  // one reading of the clock for the whole report
    std::optional<ComposedReport> report;
    try {
        report = ComposeReport(birth, connection, now);
    } catch (const ComError& e) {
        ShowMessageBox(this, QString::fromUtf8(kReadFailedText) + FromGbk(e.ErrorText()),
                       QString::fromUtf8(kMessageCaption));
        return false;
    }
    if (!report) {
        ShowMessageBox(this, QString::fromUtf8(kInvalidDateText), QString::fromUtf8(kMessageCaption));
        return false;
    }
    SetReport(std::move(*report));
    return true;
}

void CReportView::SetReport(ComposedReport report) {
    m_report = std::move(report);
    viewport()->update();
}

void CReportView::OnDraw(QPainter* pDC) {
    pDC->setFont(ReportFont());
    DrawRectangle(pDC, report::kOuterFrame);
    DrawRectangle(pDC, report::kPictureBox);
    // The picture is loaded on every paint; nothing is cached.
    const int pictureId = m_report.starSign.empty() ? art::kBlankPictureId : art::kDragonPictureId;
    const QImage picture = LoadBitmapResource(pictureId);
    const QRect target = report::PictureRect(picture.width(), picture.height());
    if (!target.isEmpty()) {
        // Placed by the 1x picture's size, drawn from the one made for the screen.
        pDC->drawImage(target, LoadBitmapResource(pictureId, pDC->device()->devicePixelRatioF()));
    }
    DrawRectangle(pDC, report::kHeaderBox);
    DrawReportText(pDC, m_report.header, report::kHeaderText, false);
    DrawReportText(pDC, m_report.body, report::kBodyText, true);
}

void CReportView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setClipRegion(event->region());
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    OnDraw(&painter);
}

void CReportView::scrollContentsBy(int /*dx*/, int /*dy*/) {
    viewport()->update();
}

void CReportView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    SetScrollSizes();
}
