// One print job of the report page, shared by the print command, the
// preview's own print button and the tests: the printer set-up and the page
// loop over the report view's page callbacks.
#pragma once

class CReportView;
class QPrinter;

namespace print {

// The name a user sees for the job in the printer queue (UTF-8).
inline constexpr char kDocumentName[] = "弈澜坊-星衡命鉴";

// Lays the printer out for the report: 300 dpi and the job's document name.
// Has no effect on a printer that is already printing.
void PreparePrinter(QPrinter& printer);

// Prints the report of `view` as one job on `printer`: the page callbacks
// OnBeginPrinting, then OnPrint for each page of the job (always one),
// then OnEndPrinting. Returns false when the job could not start or a page
// failed; such a job is aborted and nothing is reported to the user.
bool RunPrintJob(CReportView& view, QPrinter& printer);

}  // namespace print
