// karvuto: the Four Pillars reading program.
#include <QApplication>
#include <iostream>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/KarvutoApp.h"

int main(int argc, char* argv[]) {
    // --help and --version answer before QApplication, which needs a display.
    switch (const LaunchRequest early = ParseLaunchArguments({argv + 1, argv + argc}); early.kind) {
        case LaunchKind::kHelp:
            std::cout << LaunchUsage();
            return 0;
        case LaunchKind::kVersion:
            std::cout << VersionText();
            return 0;
        case LaunchKind::kRun:
        case LaunchKind::kRefuse:  // may be Qt's own options: asked again below
            break;
    }
    QApplication application(argc, argv);
    if (const LaunchRequest rest = ParseLaunchArguments({argv + 1, argv + argc});
        rest.kind == LaunchKind::kRefuse) {
        std::cerr << "karvuto: " << rest.message << '\n';
        return 2;
    }
    CKarvutoApp& app = theApp();
    app.InitInstance();  // runs the main form; always false: there is no other loop
    return app.ExitInstance();
}
