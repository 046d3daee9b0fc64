// The print command and the print preview of any page source.
#include "app/print/PrintFront.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>

#include "app/MessageBox.h"
#include "app/print/PrintJob.h"

namespace print {
namespace {

// Runs one job and reports a file that could not be written.
bool PrintAndReport(QWidget* owner, CPrintPageSource& source, QPrinter& printer) {
    QString error;
    const bool ok = RunPrintJob(source, printer, &error);
    if (!ok && !error.isEmpty()) {
        ShowWriteFailure(owner, printer.outputFileName(), error);
    }
    return ok;
}

void BringToFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

bool PrintWithDialog(QWidget* owner, CPrintPageSource& source, const QString& proposedFile) {
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer);
    // Without a file of its own, the dialog would propose the working folder
    // on X11 and only the home folder, no file, elsewhere.
    if (!proposedFile.isEmpty()) printer.setOutputFileName(proposedFile);
    QPrintDialog dialog(&printer, owner);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    return PrintAndReport(owner, source, printer);
}

void OpenPreview(QWidget* owner, CPrintPageSource& source, QPointer<CViewPrintPreview>& preview,
                 const QString& proposedFile) {
    if (preview) {
        BringToFront(preview);
        return;
    }
    QWidget* window = owner->window();
    auto* opened = new CViewPrintPreview(window);
    preview = opened;
    // The preview's pages; its own print button prints through the same
    // call with the file or printer it asked for.
    QObject::connect(opened, &QPrintPreviewDialog::paintRequested, opened,
                     [opened, &source](QPrinter* printer) {
                         if (printer != nullptr) PrintAndReport(opened, source, *printer);
                     });
    QObject::connect(opened, &CViewPrintPreview::printRequested, opened,
                     [opened, &source, proposedFile] { PrintWithDialog(opened, source, proposedFile); });
    // Qt's own print button asks with the preview's printer.
    if (!proposedFile.isEmpty() && opened->printer() != nullptr) {
        opened->printer()->setOutputFileName(proposedFile);
    }
    QObject::connect(opened, &QDialog::finished, window, [window] { BringToFront(window); });
    // Where the window system refuses to maximise (no window manager), the
    // preview still covers the screen's available area.
    if (const QScreen* screen = window->screen(); screen != nullptr) {
        opened->setGeometry(screen->availableGeometry());
    }
    opened->showMaximized();
    opened->raise();
    opened->activateWindow();
}

}  // namespace print
