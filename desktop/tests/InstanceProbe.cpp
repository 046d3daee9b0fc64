// A stand-in program for the single-instance tests: takes the guard in the
// runtime directory given as its argument and reports on standard output.
//   first instance:  prints "first", shows a minimised window, then prints
//                    "activated minimized=<0|1>[ token=<token>]" for each later
//                    start (the token it passed on);
//   later instance:  asks the first for its window, prints "second <answer>"
//                    and exits with status 3.
#include <QApplication>
#include <QWidget>
#include <cstdio>

#include "desktop/InstanceChecker.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: instance_probe <runtime-dir>\n");
        return 2;
    }
    CInstanceChecker checker(QStringLiteral("karvuto_probe"), QString::fromLocal8Bit(argv[1]));
    if (checker.IsPreviousInstanceRunning()) {
        const bool restored = checker.ActivatePreviousInstance();
        std::printf("second %s\n", restored ? "restored" : "unanswered");
        return 3;
    }
    QWidget window;
    window.resize(100, 100);
    window.showMinimized();
    CInstanceChecker::RecordMainWindow(&window);
    QObject::connect(&checker, &CInstanceChecker::activated, [&window] {
        // The activation token a later start passed on, if it had one.
        const QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN");
        std::printf("activated minimized=%d%s%s\n", window.isMinimized() ? 1 : 0,
                    token.isEmpty() ? "" : " token=", token.constData());
        std::fflush(stdout);
        qunsetenv("XDG_ACTIVATION_TOKEN");
        window.showMinimized();  // ready for the next start
    });
    std::printf("first\n");
    std::fflush(stdout);
    return app.exec();
}
