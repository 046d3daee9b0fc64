// Helpers of the report's printing tests: report views with given texts and
// their printed page rendered; the page tests' helpers (PageTestSupport.h)
// come with them.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <string>

#include "GbkCodec.h"
#include "app/pages/tests/PageTestSupport.h"
#include "app/report/ReportView.h"

namespace printtest {

using namespace pagetest;

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
    QImage page = pagetest::BlankPage(QSize(w, h));
    QPainter painter(&page);
    CPrintInfo info;
    info.drawRect = QRect(0, 0, w, h);
    view.OnBeginPrinting(&painter, &info);
    view.OnPrint(&painter, &info);
    view.OnEndPrinting(&painter, &info);
    return page;
}

}  // namespace printtest
