// karvuto: the Four Pillars reading program.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "FdOutputBuffer.h"
#include "RuntimeDirectory.h"
#include "TerminalText.h"
#include "app/CommandLine.h"
#include "app/KarvutoApp.h"

namespace {

constexpr char kProgram[] = "karvuto";

// While QApplication is being made, Qt's messages are held back: if no
// platform can be started, Qt ends the process with a fatal message (and
// advice to reinstall); the user is told plainly instead that there is no
// display, and the program ends with its own status. Once the application
// exists, what was held back is passed on to Qt's own handler.
class StartupMessages {
public:
    StartupMessages() { s_previous = qInstallMessageHandler(&StartupMessages::Handle); }
    ~StartupMessages() {
        qInstallMessageHandler(s_previous);
        if (s_previous != nullptr)
            for (const auto& [type, text] : s_held) s_previous(type, QMessageLogContext(), text);
        s_held.clear();
    }
    StartupMessages(const StartupMessages&) = delete;
    StartupMessages& operator=(const StartupMessages&) = delete;

private:
    static void Handle(QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtFatalMsg) {
            s_held.emplace_back(type, text);
            return;
        }
        const std::string message = NoDisplayMessage(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"),
                                                     std::getenv("QT_QPA_PLATFORM"));
        std::fputs(message.c_str(), stderr);
        std::fflush(stderr);
        std::_Exit(kExitNoDisplay);  // Qt is half made: nothing may run after this
    }

    static inline QtMessageHandler s_previous = nullptr;
    static inline std::vector<std::pair<QtMsgType, QString>> s_held;
};

}  // namespace

int main(int argc, char* argv[]) {
    platform::UseCheckedStandardOutput();
    // Everything on the command line is checked before QApplication, which
    // needs a display.
    const LaunchRequest request = ParseLaunchArguments({argv + 1, argv + argc});
    switch (request.kind) {
        case LaunchKind::kHelp:
            std::cout << LaunchUsage();
            return platform::FlushOrReport(std::cout, std::cerr, kProgram, "the help") ? 0 : kExitOutputLost;
        case LaunchKind::kVersion:
            std::cout << VersionText();
            return platform::FlushOrReport(std::cout, std::cerr, kProgram, "the version") ? 0
                                                                                          : kExitOutputLost;
        case LaunchKind::kRefuse:
            std::cerr << kProgram << ": " << request.message << '\n';
            return kExitBadArguments;
        case LaunchKind::kRun:
            break;
    }
    // A scale factor that would give a window of no size, or none a screen
    // holds, is dropped with a note; the runtime folder is settled with one
    // note instead of Qt's warning at every look-up.
    if (const auto note = ScaleFactorNote(std::getenv("QT_SCALE_FACTOR"))) {
        std::cerr << kProgram << ": " << *note << '\n';
        unsetenv("QT_SCALE_FACTOR");
    }
    if (const auto folder = platform::ProvideRuntimeDirectory())
        std::cerr << kProgram << ": " << RuntimeFolderNote(*folder) << '\n';

    std::optional<StartupMessages> held(std::in_place);
    QApplication application(argc, argv);
    held.reset();
    // Whatever Qt left is no option of Qt's after all.
    if (const LaunchRequest rest = ParseLaunchArguments({argv + 1, argv + argc});
        rest.kind == LaunchKind::kRefuse) {
        std::cerr << kProgram << ": " << rest.message << '\n';
        return kExitBadArguments;
    }
    CKarvutoApp& app = theApp();
    app.InitInstance();  // runs the main form; always false: there is no other loop
    return app.ExitInstance();
}
