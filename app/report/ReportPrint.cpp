// The report view's printing and preview: the print command, the preview
// command (both through the print front) and the page callbacks that draw
// one report page in a printer's device units, on paper, in a PDF file and
// in the preview alike.
#include <QPainter>

#include "app/pages/ReportPage.h"
#include "app/print/PrintFileName.h"
#include "app/print/PrintFront.h"
#include "app/report/ReportView.h"

void CReportView::PrintReport() {
    print::PrintWithDialog(DialogOwner(), *this, ProposedPdfFile());
}

QString CReportView::ProposedPdfFile() const {
    // The date the user gave (as the clock showed it), not the one taken back from summer time.
    const SYSTEMTIME& born = m_report.clockSolar;
    return print::ProposedPdfPath(m_strPersonName, QDate(born.wYear, born.wMonth, born.wDay),
                                  QString::fromUtf8(print::kReportFileKind));
}

QPrintPreviewDialog* CReportView::Preview() const {
    return m_pPreview.data();
}

QWidget* CReportView::DialogOwner() const {
    return m_pPreview ? static_cast<QWidget*>(m_pPreview.data()) : window();
}

void CReportView::StartPrintPreview() {
    print::OpenPreview(this, *this, m_pPreview, ProposedPdfFile());
}

void CReportView::OnBeginPrinting(QPainter* pDC, CPrintInfo* pInfo) {
    if (pDC == nullptr || pInfo == nullptr) {
        return;
    }
    // The report is always exactly one page.
    pInfo->maxPage = 1;
    pInfo->currentPage = 1;
}

void CReportView::OnPrint(QPainter* pDC, CPrintInfo* pInfo) {
    if (pDC == nullptr || pInfo == nullptr || pDC->device() == nullptr) {
        return;
    }
    const QPaintDevice* device = pDC->device();
    pages::PaintReportPage(*pDC, QRect(0, 0, device->width(), device->height()), PageText());
}

void CReportView::OnEndPrinting(QPainter* /*pDC*/, CPrintInfo* /*pInfo*/) {}
