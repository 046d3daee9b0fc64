// One print job: the printer set-up and the page loop over a page source's
// callbacks on a printer. The print command, the preview's pages and its own
// print button and the tests all print through RunPrintJob.
#pragma once

#include "app/pages/PageSource.h"

class QPrinter;

namespace print {

// The name a user sees for the job in the printer queue (UTF-8).
inline constexpr char kDocumentName[] = "弈澜坊-星衡命鉴";

// Lays the printer out for the pages: kPageDpi and the job's document name.
// Has no effect on a printer that is already printing.
void PreparePrinter(QPrinter& printer);

// Prints `source` as one job on `printer`: OnBeginPrinting, then OnPrint for
// each page of the job's range, then OnEndPrinting. Returns false when the
// job could not start or a page failed; such a job is aborted and nothing is
// reported to the user. A job printed to a PDF file has its text maps fixed
// (PdfText.h) before it returns.
bool RunPrintJob(CPrintPageSource& source, QPrinter& printer);

}  // namespace print
