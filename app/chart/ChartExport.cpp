// The PDF and PNG writers of the chart window and karvuto-read --export.
#include "app/chart/ChartExport.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "app/report/PdfText.h"

namespace chartexport {
namespace {

constexpr double kMarginMillimetres = 10.0;
constexpr double kMillimetresPerInch = 25.4;

// The printable area of an A4 page with the PDF's margins, in pixels at kPageDpi.
QSize PrintableSize() {
    const QSizeF page = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const double scale = kPageDpi / kMillimetresPerInch;
    return QSize(qRound((page.width() - 2 * kMarginMillimetres) * scale),
                 qRound((page.height() - 2 * kMarginMillimetres) * scale));
}

}  // namespace

PagePainter ChartPagePainter(chartpage::ChartPageText page) {
    return [page = std::move(page)](QPainter& painter, QPaintDevice& device) {
        chartpage::PaintChartPage(painter, QRectF(0, 0, device.width(), device.height()), page);
    };
}

bool ReplaceFile(const QString& path, const QByteArray& data, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    // A short write is no error to Qt: the disk filled part way, and only
    // writing the rest says why (asking at once gives "Unknown error"). The
    // file is flushed before the commit, which would close it first, and
    // closing forgets the reason too. An uncommitted file is discarded with
    // its object.
    for (qsizetype written = 0; written < data.size();) {
        const qint64 count = file.write(data.constData() + written, data.size() - written);
        if (count <= 0) {
            if (error) *error = file.errorString();
            return false;
        }
        written += count;
    }
    if (!file.flush() || !file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

bool WritePdf(const QString& path, const std::vector<PagePainter>& pages, QString* error) {
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(kPageDpi);
        writer.setPageLayout(QPageLayout(
            QPageSize(QPageSize::A4), QPageLayout::Portrait,
            QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
            QPageLayout::Millimeter));
        writer.setTitle(QStringLiteral("八字排盘"));
        writer.setCreator(QStringLiteral("弈澜坊-星衡命鉴"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            if (error) *error = QStringLiteral("the PDF could not be started");
            return false;
        }
        for (std::size_t i = 0; i < pages.size(); ++i) {
            if (i > 0 && !writer.newPage()) {
                if (error) *error = QStringLiteral("the PDF could not take another page");
                return false;
            }
            painter.save();
            pages[i](painter, writer);
            painter.restore();
        }
        painter.end();
    }
    return ReplaceFile(path, pdftext::FixToUnicodeMaps(pdf), error);
}

bool WritePng(const QString& path, const std::vector<PagePainter>& pages, QString* error) {
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

}  // namespace chartexport
