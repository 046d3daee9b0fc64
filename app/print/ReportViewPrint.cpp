// The report view's printing and preview: the print command, the preview
// command and the page callbacks that draw one report page in a printer's
// device units, on paper, in a PDF file and in the preview alike.
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPrintDialog>
#include <QPrinter>
#include <cstring>
#include <string_view>

#include "GbkCodec.h"
#include "KarvutoApp.h"
#include "PrintJob.h"
#include "PrintLayout.h"
#include "ReportView.h"
#include "ViewPrintPreview.h"
#include "skin/SkinBitmaps.h"

namespace {

constexpr int kBlankPictureId = 255;    // report picture before a successful reading
constexpr int kReadingPictureId = 256;  // report picture once a reading has a star sign

// A report buffer (GBK, zero-terminated within `size` bytes) as display text.
// Bytes that do not decode end the text there, so a damaged tail is left out
// rather than shown as garbage.
QString ReportText(const char* buffer, std::size_t size) {
    const std::string_view gbk(buffer, strnlen(buffer, size));
    std::size_t bad = 0;
    if (auto utf8 = platform::GbkToUtf8(gbk, &bad)) {
        return QString::fromStdString(*utf8);
    }
    return QString::fromStdString(platform::GbkToUtf8(gbk.substr(0, bad)).value_or(std::string()));
}

// A rectangle as the platform draws one with a one-unit pen: the outline lies
// inside the rectangle, the inside is filled with the brush.
void DrawFrameRect(QPainter& painter, const QRect& rect) {
    if (rect.isEmpty()) {
        return;
    }
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

// Text drawn literally ("&" is an ordinary character), starting at the top
// left of its rectangle and clipped to it; an empty rectangle draws nothing.
void DrawReportText(QPainter& painter, const QRect& rect, int flags, const QString& text) {
    if (rect.isEmpty() || text.isEmpty()) {
        return;
    }
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | flags, text);
}

}  // namespace

void CReportView::PrintReport() {
    QPrinter printer(QPrinter::HighResolution);
    print::PreparePrinter(printer);
    // Over the program's main window: the form, or the preview while it is open.
    QWidget* owner = theApp().m_pMainWnd != nullptr ? theApp().m_pMainWnd : window();
    QPrintDialog dialog(&printer, owner);
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

void CReportView::StartPrintPreview() {
    if (m_bPreviewOpen && m_pPreview) {
        m_pPreview->raise();
        m_pPreview->activateWindow();
        return;
    }
    // The preview becomes the program's main window while it is open.
    QWidget* oldMainWnd = theApp().m_pMainWnd != nullptr ? theApp().m_pMainWnd : window();
    auto* preview = new CViewPrintPreview(this, oldMainWnd);
    m_pPreview = preview;
    m_bPreviewOpen = true;
    theApp().m_pMainWnd = preview;
    preview->showMaximized();
    preview->raise();
    preview->activateWindow();
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
    const QImage picture = LoadBitmapResource(m_strStarSign.empty() ? kBlankPictureId : kReadingPictureId);
    PrintBitmapAsDib(pDC, picture, page.picture.x(), page.picture.y(), print::kPictureWidth,
                     print::kPictureHeight);

    pDC->setPen(Qt::black);
    DrawReportText(*pDC, page.headerText, 0, ReportText(m_szHeader, sizeof m_szHeader));
    DrawReportText(*pDC, page.bodyText, Qt::TextWordWrap, ReportText(m_szBody, sizeof m_szBody));
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

namespace print {

void PreparePrinter(QPrinter& printer) {
    if (printer.isValid() && printer.paintingActive()) {
        return;
    }
    if (printer.resolution() != kPrintResolution) {
        printer.setResolution(kPrintResolution);
    }
    printer.setDocName(QString::fromUtf8(kDocumentName));
}

bool RunPrintJob(CReportView& view, QPrinter& printer) {
    PreparePrinter(printer);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;  // the job never started: nothing to abort
    }
    CPrintInfo info;
    info.drawRect = QRect(0, 0, printer.width(), printer.height());
    view.OnBeginPrinting(&painter, &info);
    bool ok = true;
    for (int page = info.minPage; page <= info.maxPage && ok; ++page) {
        if (page > info.minPage) {
            ok = printer.newPage();
            if (!ok) {
                break;
            }
        }
        info.currentPage = page;
        view.OnPrint(&painter, &info);
    }
    view.OnEndPrinting(&painter, &info);
    if (!ok) {
        printer.abort();
    }
    ok = painter.end() && ok;
    return ok && printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
}

}  // namespace print
