// The page loop and the page source of given pages.
#include "app/pages/PageSource.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace pages {

PageList::PageList(std::vector<PagePainter> pages) : m_pages(std::move(pages)) {}

void PageList::OnBeginPrinting(QPainter* /*pDC*/, CPrintInfo* pInfo) {
    if (pInfo == nullptr) return;
    pInfo->minPage = 1;
    pInfo->maxPage = static_cast<int>(m_pages.size());
    pInfo->currentPage = 1;
}

void PageList::OnPrint(QPainter* pDC, CPrintInfo* pInfo) {
    if (pDC == nullptr || pInfo == nullptr || pDC->device() == nullptr) return;
    const auto index = static_cast<std::size_t>(pInfo->currentPage - 1);
    if (pInfo->currentPage < 1 || index >= m_pages.size()) return;
    pDC->save();
    m_pages[index](*pDC, *pDC->device());
    pDC->restore();
}

void PageList::OnEndPrinting(QPainter* /*pDC*/, CPrintInfo* /*pInfo*/) {}

bool PaintPages(CPrintPageSource& source, QPagedPaintDevice& device, QPainter& painter) {
    CPrintInfo info;
    info.drawRect = QRect(0, 0, device.width(), device.height());
    source.OnBeginPrinting(&painter, &info);
    bool ok = true;
    for (int page = info.minPage; page <= info.maxPage; ++page) {
        if (page > info.minPage && !device.newPage()) {
            ok = false;
            break;
        }
        info.currentPage = page;
        source.OnPrint(&painter, &info);
    }
    source.OnEndPrinting(&painter, &info);
    return ok;
}

}  // namespace pages
