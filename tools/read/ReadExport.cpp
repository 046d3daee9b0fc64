// Painting a reading's pages into a file without a display.
#include "ReadExport.h"

#include <QApplication>
#include <QPainter>
#include <memory>
#include <optional>
#include <ostream>

#include "Clock.h"
#include "ReadCommand.h"
#include "RuntimeDirectory.h"
#include "TerminalText.h"
#include "app/chart/ChartExport.h"
#include "app/chart/ChartPage.h"
#include "app/report/ReportView.h"

namespace {

// The widgets the pages are painted with need an application object; one
// is made for the export when the caller has none, on the offscreen
// platform unless one is chosen, with a runtime folder of its own for the
// moment it lives when the user has none (Qt would warn and make one in /tmp).
class ApplicationScope {
public:
    ApplicationScope() {
        if (QCoreApplication::instance() != nullptr) return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        m_runtime.emplace();
        m_app = std::make_unique<QApplication>(m_argc, m_argv);
    }

private:
    int m_argc = 1;
    char m_name[13] = "karvuto-read";
    char* m_argv[2] = {m_name, nullptr};
    std::optional<platform::PrivateRuntimeDirectory> m_runtime;  // outlives the application
    std::unique_ptr<QApplication> m_app;
};

bool EndsWithPng(const std::string& path) {
    if (path.size() < 4) return false;
    std::string suffix = path.substr(path.size() - 4);
    for (char& c : suffix)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return suffix == ".png";
}

}  // namespace

int ExportReading(const ReadArguments& a, const ComposedReport& report, const chart::Chart& chart,
                  std::ostream& err) {
    ApplicationScope scope;
    CReportView view;
    view.SetReport(report);
    const chartexport::PagePainter reportPage = [&view](QPainter& painter, QPaintDevice& device) {
        CPrintInfo info;
        info.drawRect = QRect(0, 0, device.width(), device.height());
        view.OnBeginPrinting(&painter, &info);
        view.OnPrint(&painter, &info);
        view.OnEndPrinting(&painter, &info);
    };
    SYSTEMTIME now;
    GetLocalTime(&now);
    chartpage::PageInput input;
    input.name = QString::fromStdString(a.nameUtf8);
    input.currentYear = now.wYear;
    const std::vector<chartexport::PagePainter> pages = {
        reportPage, chartexport::ChartPagePainter(chartpage::MakeChartPageText(chart, input))};

    const QString path = QString::fromLocal8Bit(a.exportPath.c_str());
    QString error;
    const bool ok = EndsWithPng(a.exportPath) ? chartexport::WritePng(path, pages, &error)
                                              : chartexport::WritePdf(path, pages, &error);
    if (!ok) {
        err << "karvuto-read: cannot write " << platform::Echo(a.exportPath) << ": "
            << platform::EscapeForTerminal(error.toStdString()) << "\n";
        return kExitOutputLost;
    }
    return kExitReading;
}
