// The report view's printing and preview: the print command, the preview
// command and the page callbacks that draw one report page in a printer's
// device units, on paper, in a PDF file and in the preview alike.
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>

#include "app/pages/ReportPage.h"
#include "app/report/PrintJob.h"
#include "app/report/ReportView.h"
#include "app/report/ViewPrintPreview.h"

void CReportView::PrintReport() {
    QPrinter printer(QPrinter::HighResolution);
    print::PreparePrinter(printer);
    QPrintDialog dialog(&printer, DialogOwner());
    // All pages, no selection, no page numbers; copies and collation are
    // the dialog's. Printing to a file stays available: on many desktops a
    // PDF file is the only printer there is.
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    print::RunPrintJob(*this, printer);
}

QPrintPreviewDialog* CReportView::Preview() const {
    return m_pPreview.data();
}

QWidget* CReportView::DialogOwner() const {
    return m_pPreview ? static_cast<QWidget*>(m_pPreview.data()) : window();
}

void CReportView::StartPrintPreview() {
    if (m_pPreview) {
        m_pPreview->raise();
        m_pPreview->activateWindow();
        return;
    }
    // The preview draws its pages through this view's page callbacks; File >
    // Print runs the print command; its end brings the form back.
    auto* preview = new CViewPrintPreview(window());
    m_pPreview = preview;
    connect(preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) {
        if (printer != nullptr) {
            print::RunPrintJob(*this, *printer);
        }
    });
    connect(preview, &CViewPrintPreview::printRequested, this, &CReportView::PrintReport);
    connect(preview, &QDialog::finished, this, &CReportView::OnPreviewFinished);
    // Where the window system refuses to maximise (no window manager), the
    // preview still covers the screen's available area.
    if (const QScreen* screen = window()->screen(); screen != nullptr) {
        preview->setGeometry(screen->availableGeometry());
    }
    preview->showMaximized();
    preview->raise();
    preview->activateWindow();
}

void CReportView::OnPreviewFinished() {
    QWidget* form = window();
    form->show();
    form->raise();
    form->activateWindow();
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
