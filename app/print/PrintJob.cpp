// The printer set-up and the page loop of one print job.
#include "app/report/PrintJob.h"

#include <QPainter>
#include <QPrinter>

#include "app/pages/PageGeometry.h"
#include "app/pages/PdfText.h"

namespace print {

void PreparePrinter(QPrinter& printer) {
    if (printer.isValid() && printer.paintingActive()) {
        return;
    }
    if (printer.resolution() != pages::kPageDpi) {
        printer.setResolution(pages::kPageDpi);
    }
    printer.setDocName(QString::fromUtf8(kDocumentName));
}

bool RunPrintJob(CPrintPageSource& source, QPrinter& printer) {
    PreparePrinter(printer);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;  // the job never started: nothing to abort
    }
    bool ok = pages::PaintPages(source, printer, painter);
    if (!ok) {
        printer.abort();
    }
    ok = painter.end() && ok;
    ok = ok && printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
    // A job printed to a PDF file: its text must read back as the characters shown.
    if (ok && printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        ok = pages::FixPdfFile(printer.outputFileName());
    }
    return ok;
}

}  // namespace print
