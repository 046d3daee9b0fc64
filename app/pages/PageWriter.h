// Writing pages to files: a PDF whose text extracts as the characters shown,
// and a PNG with the pages one below the other. Pages come from a page source
// (PageSource.h) and are painted over each page's printable area, as a print
// job paints them. A file is replaced only when the new one is complete
// (ReplaceFile.h).
#pragma once

#include <QPageLayout>
#include <QString>
#include <filesystem>
#include <vector>

#include "app/pages/PageSource.h"

namespace pages {

// Width of each page in a PNG: twice the chart page's screen width.
inline constexpr int kPngPageWidth = 1600;

// How a PDF is set up: the page layout, the resolution the pages are painted
// at and the document's title and creator.
struct PdfSetup {
    QPageLayout layout;
    int resolution = 0;
    QString title;
    QString creator;
};

// A4 portrait with 10 mm margins at kPageDpi: the exports' PDF.
PdfSetup ExportPdfSetup();

// The pages of `source`, one PDF page each, written to `path`. false with the
// reason in `error` when the file cannot be written; the old file, if any, is
// then left as it was.
bool WritePdf(const std::filesystem::path& path, const PdfSetup& setup, CPrintPageSource& source,
              QString* error);
bool WritePdf(const std::filesystem::path& path, const std::vector<PagePainter>& pages, QString* error);

// The pages painted as on paper (ExportPdfSetup's printable area at
// kPageDpi), each scaled to kPngPageWidth pixels wide, stacked into one image.
bool WritePng(const std::filesystem::path& path, const std::vector<PagePainter>& pages, QString* error);

}  // namespace pages
