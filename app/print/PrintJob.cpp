// The printer set-up and the page loop of one print job.
#include "app/print/PrintJob.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>

#include "app/pages/PageGeometry.h"
#include "app/pages/PageWriter.h"
#include "app/pages/ReplaceFile.h"

namespace print {
namespace {

// A preview records the pages as pictures through its own paint engine; a
// printer that prints, or writes a file, has a printing engine.
bool IsPreview(QPrinter& printer) {
    const QPaintEngine* engine = printer.paintEngine();
    return engine != nullptr && engine->type() == QPaintEngine::Picture;
}

bool PrintsToPdfFile(QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty() &&
           !IsPreview(printer);
}

bool PrintToPdfFile(CPrintPageSource& source, QPrinter& printer, QString* error) {
    const pages::PdfSetup setup{printer.pageLayout(), printer.resolution(), printer.docName(),
                                printer.creator()};
    return pages::WritePdf(pages::NativePath(printer.outputFileName()), setup, source, error);
}

}  // namespace

void PreparePrinter(QPrinter& printer) {
    if (printer.isValid() && printer.paintingActive()) {
        return;
    }
    if (printer.resolution() != pages::kPageDpi) {
        printer.setResolution(pages::kPageDpi);
    }
    printer.setDocName(QString::fromUtf8(kDocumentName));
}

bool RunPrintJob(CPrintPageSource& source, QPrinter& printer, QString* error) {
    PreparePrinter(printer);
    if (PrintsToPdfFile(printer)) {
        return PrintToPdfFile(source, printer, error);
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;  // the job never started: nothing to abort
    }
    bool ok = pages::PaintPages(source, printer, painter);
    if (!ok) {
        printer.abort();
    }
    ok = painter.end() && ok;
    return ok && printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
}

}  // namespace print
