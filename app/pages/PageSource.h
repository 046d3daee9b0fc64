// What a page device prints: a page source with the page callbacks of a print
// job, and the one page loop that runs them on any paged device (a printer, a
// PDF writer) or page by page on pictures.
#pragma once

#include <QRect>
#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QPaintDevice;

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

namespace pages {

// Paints one page over the whole printable area of the device it is painted
// on (its size in device pixels and its dpi read from the device).
using PagePainter = std::function<void(QPainter& painter, QPaintDevice& device)>;

// A page source of given pages, one PagePainter a page.
class PageList final : public CPrintPageSource {
public:
    explicit PageList(std::vector<PagePainter> pages);
    void OnBeginPrinting(QPainter* pDC, CPrintInfo* pInfo) override;
    void OnPrint(QPainter* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(QPainter* pDC, CPrintInfo* pInfo) override;

private:
    std::vector<PagePainter> m_pages;
};

// The page loop of one job on `painter`, which is active on `device`:
// OnBeginPrinting, then OnPrint for each page of the range the source sets
// (a new page of the device before every page but the first), then
// OnEndPrinting. false when the device refused a new page; the pages after
// it are not painted and OnEndPrinting still runs.
bool PaintPages(CPrintPageSource& source, QPagedPaintDevice& device, QPainter& painter);

}  // namespace pages
