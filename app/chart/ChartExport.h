// Writing pages to files: an A4 PDF whose text extracts as the characters
// shown, and a PNG with the pages one below the other. A page is a callback
// that paints itself on a painter over a device's whole page (its size in
// device pixels and its dpi read from the device), as a print job's page does.
// A file is replaced only when the new one is complete.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "app/chart/ChartPage.h"

class QPainter;
class QPaintDevice;

namespace chartexport {

using PagePainter = std::function<void(QPainter& painter, QPaintDevice& device)>;

// The resolution every page is laid out for, as on paper.
inline constexpr int kPageDpi = 300;
// Width of each page in a PNG: twice the chart page's screen width.
inline constexpr int kPngPageWidth = 1600;

// One PDF page per painter, A4 portrait with 10 mm margins. false with a
// message in `error` when the file cannot be written; the old file, if any,
// is then left as it was.
bool WritePdf(const QString& path, const std::vector<PagePainter>& pages, QString* error);
// The pages painted as on paper, each scaled to kPngPageWidth pixels wide,
// stacked into one image.
bool WritePng(const QString& path, const std::vector<PagePainter>& pages, QString* error);

// The chart page over the whole page of the device it is painted on.
PagePainter ChartPagePainter(chartpage::ChartPageText page);

// The bytes of `path`, replaced by `data` through a temporary file beside
// it that is renamed over it when complete.
bool ReplaceFile(const QString& path, const QByteArray& data, QString* error);

}  // namespace chartexport
