// The printer set-up and the page loop of one print job.
#include "app/report/PrintJob.h"

#include <QPainter>
#include <QPrinter>

#include "app/report/PdfText.h"
#include "app/report/PrintLayout.h"

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

bool RunPrintJob(CPrintPageSource& source, QPrinter& printer) {
    PreparePrinter(printer);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;  // the job never started: nothing to abort
    }
    CPrintInfo info;
    info.drawRect = QRect(0, 0, printer.width(), printer.height());
    source.OnBeginPrinting(&painter, &info);
    bool ok = true;
    for (int page = info.minPage; page <= info.maxPage && ok; ++page) {
        if (page > info.minPage) {
            ok = printer.newPage();
            if (!ok) {
                break;
            }
        }
        info.currentPage = page;
        source.OnPrint(&painter, &info);
    }
    source.OnEndPrinting(&painter, &info);
    if (!ok) {
        printer.abort();
    }
    ok = painter.end() && ok;
    ok = ok && printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
    // A job printed to a PDF file: its text must read back as the characters shown.
    if (ok && printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        ok = pdftext::FixPdfFile(printer.outputFileName());
    }
    return ok;
}

}  // namespace print
