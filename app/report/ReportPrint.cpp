// The report view's printing and preview: the print command, the preview
// command and the page callbacks that draw one report page in a printer's
// device units, on paper, in a PDF file and in the preview alike.
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>

#include "app/GbkText.h"
#include "app/report/GridText.h"
#include "app/report/PrintJob.h"
#include "app/report/PrintLayout.h"
#include "app/report/ReportView.h"
#include "app/report/ViewPrintPreview.h"
#include "res/bitmaps/BitmapIds.h"
#include "skin/SkinBitmaps.h"

namespace {

// A framed box drawn with a one-unit pen: the outline lies inside the
// rectangle, the inside is filled with the brush.
void DrawFrameRect(QPainter& painter, const QRect& rect) {
    if (rect.isEmpty()) {
        return;
    }
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

// Text drawn literally ("&" is an ordinary character) on the print grid,
// starting at the top left of its rectangle and clipped to it; an empty
// rectangle draws nothing.
void DrawReportText(QPainter& painter, const QRect& rect, const report::TextGrid& grid, bool wrap,
                    const QString& text) {
    report::DrawGridText(&painter, text, rect, grid, wrap);
}

}  // namespace

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
    QPaintDevice* device = pDC->device();
    const print::PageLayout page = print::LayoutPage(device->width(), device->height());

    pDC->save();
    pDC->setPen(QPen(Qt::black, 1));
    pDC->setBrush(Qt::white);
    DrawFrameRect(*pDC, page.outerFrame);
    DrawFrameRect(*pDC, page.headerBox);

    pDC->setFont(print::MakePrintFont(device->logicalDpiY()));
    const report::TextGrid grid = print::PrintGrid(device->logicalDpiY());
    const QImage picture =
        LoadBitmapResource(m_report.starSign.empty() ? art::kBlankPictureId : art::kDragonPictureId);
    PrintBitmapAsDib(pDC, picture, page.picture.x(), page.picture.y(), print::kPictureWidth,
                     print::kPictureHeight);

    pDC->setPen(Qt::black);
    DrawReportText(*pDC, page.headerText, grid, false, FromGbk(m_report.header));
    DrawReportText(*pDC, page.bodyText, grid, true, FromGbk(m_report.body));
    pDC->restore();
}

void CReportView::OnEndPrinting(QPainter* /*pDC*/, CPrintInfo* /*pInfo*/) {}

void CReportView::PrintBitmapAsDib(QPainter* painter, const QImage& bitmap, int x, int y, int width,
                                   int height) {
    if (painter == nullptr || bitmap.isNull() || width <= 0 || height <= 0) {
        return;
    }
    // Every device takes the same device-independent 32-bit form; a picture
    // that cannot be converted is left out and the page goes on without it.
    const QImage dib = bitmap.convertToFormat(QImage::Format_RGB32);
    if (dib.isNull()) {
        return;
    }
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter->drawImage(QRect(x, y, width, height), dib, dib.rect());
    painter->restore();
}
