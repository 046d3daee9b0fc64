// Painting a document's pages into a file without a display.
#include "ReadExport.h"

#include <QGuiApplication>
#include <QPainter>
#include <memory>
#include <optional>
#include <ostream>

#include "ReadExitStatus.h"
#include "RuntimeDirectory.h"
#include "TerminalText.h"
#include "app/pages/PageWriter.h"

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

int ExportPages(const std::string& path, const std::function<std::vector<pages::PagePainter>()>& document,
                std::ostream& err) {
    ApplicationScope scope;
    const std::vector<pages::PagePainter> painters = document();
    QString error;
    const std::filesystem::path file = path;
    const bool ok =
        EndsWithPng(path) ? pages::WritePng(file, painters, &error) : pages::WritePdf(file, painters, &error);
    if (!ok) {
        err << "karvuto-read: cannot write " << platform::Echo(path) << ": "
            << platform::EscapeForTerminal(error.toStdString()) << "\n";
        return kExitOutputLost;
    }
    return kExitReading;
}
