// Painting a reading's pages into a file without a display.
#include "ReadExport.h"

#include <QGuiApplication>
#include <QPainter>
#include <memory>
#include <optional>
#include <ostream>

#include "ReadExitStatus.h"
#include "RuntimeDirectory.h"
#include "TerminalText.h"
#include "app/pages/ChartPage.h"
#include "app/pages/PageWriter.h"
#include "app/pages/ReportPage.h"

namespace {

// Painting text needs a GUI application object; one is made for the export
// when the caller has none, on the offscreen platform unless one is chosen,
// with a runtime folder of its own for the moment it lives when the user has
// none (Qt would warn and make one in /tmp).
class ApplicationScope {
public:
    ApplicationScope() {
        if (QCoreApplication::instance() != nullptr) return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        m_runtime.emplace();
        m_app = std::make_unique<QGuiApplication>(m_argc, m_argv);
    }

private:
    int m_argc = 1;
    char m_name[13] = "karvuto-read";
    char* m_argv[2] = {m_name, nullptr};
    std::optional<platform::PrivateRuntimeDirectory> m_runtime;  // outlives the application
    std::unique_ptr<QGuiApplication> m_app;
};

bool EndsWithPng(const std::string& path) {
    if (path.size() < 4) return false;
    std::string suffix = path.substr(path.size() - 4);
    for (char& c : suffix)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return suffix == ".png";
}

}  // namespace

int ExportReading(const ReadArguments& a, const ComposedReport& report, const chart::ChartModel& chart,
                  std::ostream& err) {
    ApplicationScope scope;
    const pages::ReportPageText reportText =
        pages::MakeReportPageText(report.header, report.body, !report.starSign.empty());
    const pages::PagePainter reportPage = [&reportText](QPainter& painter, QPaintDevice& device) {
        pages::PaintReportPage(painter, QRect(0, 0, device.width(), device.height()), reportText);
    };
    std::vector<pages::PagePainter> painters = {reportPage};
    for (pages::PagePainter& page : pages::ChartPagePainters(chart)) painters.push_back(std::move(page));

    const std::filesystem::path path = a.exportPath;
    QString error;
    const bool ok = EndsWithPng(a.exportPath) ? pages::WritePng(path, painters, &error)
                                              : pages::WritePdf(path, painters, &error);
    if (!ok) {
        err << "karvuto-read: cannot write " << platform::Echo(a.exportPath) << ": "
            << platform::EscapeForTerminal(error.toStdString()) << "\n";
        return kExitOutputLost;
    }
    return kExitReading;
}
