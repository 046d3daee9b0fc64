// The PDF and PNG writers of the pages.
#include "app/pages/PageWriter.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "app/pages/PageGeometry.h"
#include "app/pages/PdfText.h"
#include "app/pages/ReplaceFile.h"

namespace pages {
namespace {

constexpr double kMarginMillimetres = 10.0;

// The printable area of the exports' page (A4 within the margins), in pixels at kPageDpi.
QSize PrintableSize() {
    const QSizeF page = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const double scale = kPageDpi / kMillimetresPerInch;
    return QSize(qRound((page.width() - 2 * kMarginMillimetres) * scale),
                 qRound((page.height() - 2 * kMarginMillimetres) * scale));
}

}  // namespace

PdfSetup ExportPdfSetup() {
    return {
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                    QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
                    QPageLayout::Millimeter),
        kPageDpi, QStringLiteral("八字排盘"), QStringLiteral("弈澜坊-星衡命鉴")};
}

bool WritePdf(const std::filesystem::path& path, const PdfSetup& setup, CPrintPageSource& source,
              QString* error) {
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(setup.resolution);
        writer.setPageLayout(setup.layout);
        writer.setTitle(setup.title);
        writer.setCreator(setup.creator);
        QPainter painter;
        if (!painter.begin(&writer)) {
            if (error) *error = QStringLiteral("the PDF could not be started");
            return false;
        }
        if (!PaintPages(source, writer, painter)) {
            if (error) *error = QStringLiteral("the PDF could not take another page");
            return false;
        }
        painter.end();
    }
    return ReplaceFile(path, FixToUnicodeMaps(pdf), error);
}

bool WritePdf(const std::filesystem::path& path, const std::vector<PagePainter>& pages, QString* error) {
    PageList source(pages);
    return WritePdf(path, ExportPdfSetup(), source, error);
}

bool WritePng(const std::filesystem::path& path, const std::vector<PagePainter>& pages, QString* error) {
    const QSize printable = PrintableSize();
    const int pageHeight = qRound(double(kPngPageWidth) * printable.height() / printable.width());
    QImage sheet(kPngPageWidth, pageHeight * static_cast<int>(pages.size()), QImage::Format_RGB32);
    if (sheet.isNull()) {
        if (error) *error = QStringLiteral("out of memory for the picture");
        return false;
    }
    sheet.fill(Qt::white);
    QPainter out(&sheet);
    out.setRenderHint(QPainter::SmoothPixmapTransform);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        // Each page is painted as on paper, at the PDF's resolution, then scaled.
        QImage page(printable, QImage::Format_RGB32);
        const int dotsPerMetre = qRound(kPageDpi / kMillimetresPerInch * 1000.0);
        page.setDotsPerMeterX(dotsPerMetre);
        page.setDotsPerMeterY(dotsPerMetre);
        page.fill(Qt::white);
        {
            QPainter painter(&page);
            pages[i](painter, page);
        }
        out.drawImage(QRect(0, pageHeight * static_cast<int>(i), kPngPageWidth, pageHeight), page);
        if (i > 0) {
            out.setPen(QColor(200, 200, 200));
            out.drawLine(0, pageHeight * static_cast<int>(i), kPngPageWidth,
                         pageHeight * static_cast<int>(i));
        }
    }
    out.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(sheet)) {
        if (error) *error = writer.errorString();
        return false;
    }
    return ReplaceFile(path, png, error);
}

}  // namespace pages
