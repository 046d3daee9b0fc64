// Helpers of the printing tests: report views with given texts, printing to a
// PDF file and reading it back with the poppler tools.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <string>

#include "GbkCodec.h"
#include "app/pages/PageGeometry.h"
#include "app/report/ReportView.h"

namespace printtest {

// The pages' resolution in dots per metre (an inch is 0.0254 m): 11811 at 300 dpi.
inline constexpr int kDotsPerMetre = pages::kPageDpi * 10000 / 254;

// Gives the view a report of UTF-8 texts converted to GBK and cut to the
// composer's limits, as a composed reading would be.
inline void SetReport(CReportView& view, const QString& header, const QString& body, bool starSign) {
    const std::string h = platform::Gbk(header.toStdString());
    const std::string b = platform::Gbk(body.toStdString());
    ComposedReport report{};
    report.header = h.substr(0, platform::GbkPrefixLength(h, kHeaderBufferSize - 1));
    report.body = b.substr(0, platform::GbkPrefixLength(b, kBodyBufferSize - 1));
    report.starSign = starSign ? platform::Gbk("白羊座") : std::string();
    view.SetReport(std::move(report));
}

// A white page of w x h device pixels at the pages' resolution, with OnPrint drawn on it.
inline QImage RenderPage(CReportView& view, int w, int h) {
    QImage page(w, h, QImage::Format_RGB32);
    page.setDotsPerMeterX(kDotsPerMetre);
    page.setDotsPerMeterY(kDotsPerMetre);
    page.fill(Qt::white);
    QPainter painter(&page);
    CPrintInfo info;
    info.drawRect = QRect(0, 0, w, h);
    view.OnBeginPrinting(&painter, &info);
    view.OnPrint(&painter, &info);
    view.OnEndPrinting(&painter, &info);
    return page;
}

// Pixels in `area` of `page` that are not white.
inline int InkIn(const QImage& page, const QRect& area) {
    int ink = 0;
    const QRect r = area.intersected(page.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = r.left(); x <= r.right(); ++x) {
            if (qGray(line[x]) < 250) {
                ++ink;
            }
        }
    }
    return ink;
}

// Setup installs poppler-utils; without them the PDF checks fail with this.
inline constexpr char kPopplerMissing[] =
    "pdftotext and pdfinfo (poppler-utils, installed by scripts/setup.sh) are missing";

inline bool HavePoppler() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

// Runs a poppler tool and returns its standard output as UTF-8 text.
inline QString RunTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString PdfText(const QString& pdf) {
    return RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, "-"});
}

// One field of pdfinfo's output ("Pages", "Title", ...), trimmed.
inline QString PdfInfo(const QString& pdf, const QString& field) {
    const QString info = RunTool(QStringLiteral("pdfinfo"), {pdf});
    for (const QString& line : info.split('\n')) {
        if (line.startsWith(field + ':')) {
            return line.mid(field.size() + 1).trimmed();
        }
    }
    return {};
}

}  // namespace printtest
