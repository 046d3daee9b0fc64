// One print job: the printer set-up and the page loop over a page source's
// callbacks. The print command, the preview's pages and its own print button
// and the tests all print through RunPrintJob.
#pragma once

#include <QRect>

class QPainter;
class QPrinter;

// The job's page range and current page, handed to the page callbacks.
struct CPrintInfo {
    int minPage = 1;
    int maxPage = 1;
    int currentPage = 1;
    QRect drawRect;  // (0, 0, printable width, printable height) in device pixels
};

// What a job prints: OnBeginPrinting may set the page range, OnPrint draws
// pInfo->currentPage, OnEndPrinting ends the job's work.
class CPrintPageSource {
public:
    virtual void OnBeginPrinting(QPainter* pDC, CPrintInfo* pInfo) = 0;
    virtual void OnPrint(QPainter* pDC, CPrintInfo* pInfo) = 0;
    virtual void OnEndPrinting(QPainter* pDC, CPrintInfo* pInfo) = 0;

protected:
    ~CPrintPageSource() = default;
};

namespace print {

// The name a user sees for the job in the printer queue (UTF-8).
inline constexpr char kDocumentName[] = "弈澜坊-星衡命鉴";

// Lays the printer out for the report: 300 dpi and the job's document name.
// Has no effect on a printer that is already printing.
void PreparePrinter(QPrinter& printer);

// Prints `source` as one job on `printer`: OnBeginPrinting, then OnPrint for
// each page of the job's range, then OnEndPrinting. Returns false when the
// job could not start or a page failed; such a job is aborted and nothing is
// reported to the user. A job printed to a PDF file has its text maps fixed
// (PdfText.h) before it returns.
bool RunPrintJob(CPrintPageSource& source, QPrinter& printer);

}  // namespace print
