// One print job: the printer set-up and the page loop of a page source on a
// printer. The print dialog, the preview's pages and its print button and
// the tests all print through RunPrintJob.
#pragma once

#include <QString>

#include "app/pages/PageSource.h"

class QPrinter;

namespace print {

// The name a user sees for the job in the printer queue (UTF-8).
inline constexpr char kDocumentName[] = "弈澜坊-星衡命鉴";

// Lays the printer out for the pages: kPageDpi and the job's document name.
// Has no effect on a printer that is already printing.
void PreparePrinter(QPrinter& printer);

// Prints `source` as one job on `printer`: OnBeginPrinting, then OnPrint for
// each page of the job's range, then OnEndPrinting.
//
// A job printed to a PDF file is painted in memory in the printer's page
// layout and resolution and written through a temporary file beside the one
// named, which replaces it only when whole (pages::ReplaceFile); its text
// reads back as the characters shown. A preview's pages are painted on the
// preview itself.
//
// Returns false when the job could not start, a page failed or the file
// could not be written; a printer's job is then aborted, a file is left as it
// was, and `error` (when given) says why where the reason is known.
bool RunPrintJob(CPrintPageSource& source, QPrinter& printer, QString* error = nullptr);

}  // namespace print
