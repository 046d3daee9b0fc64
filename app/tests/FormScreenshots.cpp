// Shows the main form, waits, fills it in, makes a reading and waits again,
// then opens the help window, so that a screen grab can be taken of each
// state. With a file name it also saves the pictures of the windows:
// <name>-empty.png, <name>-reading.png, <name>-chart.png and <name>-help.png.
//   form_screenshots [basename] [seconds per state]
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "DialogTemplates.h"
#include "app/KarvutoApp.h"
#include "app/KarvutoDlg.h"
#include "app/NameEdit.h"
#include "app/chart/ChartWnd.h"
#include "skin/StateBitmapButton.h"

using namespace res;  // IDC_* control ids

namespace {

// Milliseconds since this process started (the kernel's start time).
double MillisecondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22; ++i) {
        fields >> field;  // field 22 is the start time in clock ticks after boot
    }
    const double startSeconds = std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
    std::ifstream uptimeFile("/proc/uptime");
    double uptime = 0;
    uptimeFile >> uptime;
    return (uptime - startSeconds) * 1000.0;
}

std::string ResidentSet() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return line;
        }
    }
    return {};
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const int waitMs = argc > 2 ? std::atoi(argv[2]) * 1000 : 2000;
    CKarvutoApp app;
    CKarvutoApp::SetDialogColors();
    app.m_szDbPath = CKarvutoApp::DatabasePathIn(QCoreApplication::applicationDirPath().toStdString());
    if (!app.OpenDatabase()) {
        return 1;
    }
    CKarvutoDlg form(nullptr, 0, app.m_pConnection.get());
    form.show();
    QTimer::singleShot(0, [] { std::printf("form shown after %.0f ms\n", MillisecondsSinceProcessStart()); });
    QTimer::singleShot(waitMs, [&] {
        if (!base.isEmpty()) {
            form.grab().save(base + QStringLiteral("-empty.png"));
        }
        form.Item<CNameEdit>(IDC_NAME)->setText(QStringLiteral("张&三"));
        form.Item<QComboBox>(IDC_SEX)->setCurrentIndex(1);
        form.Item<QComboBox>(IDC_CALENDAR_KIND)->setCurrentIndex(1);
        form.Item<QComboBox>(IDC_YEAR)->setCurrentText(QStringLiteral("1990"));
        form.Item<QComboBox>(IDC_MONTH)->setCurrentText(QStringLiteral("05"));
        form.Item<QComboBox>(IDC_DAY)->setCurrentText(QStringLiteral("10"));
        form.Item<QComboBox>(IDC_HOUR)->setCurrentText(QStringLiteral("23"));
        form.Item<QCheckBox>(IDC_LEAP)->setChecked(true);
        form.Item<CStateBitmapButton>(IDC_READING)->click();
        std::printf("after one reading: %s\n", ResidentSet().c_str());
        std::fflush(stdout);
        QTimer::singleShot(waitMs, [&] {
            if (!base.isEmpty()) {
                form.grab().save(base + QStringLiteral("-reading.png"));
            }
            // The chart window of the same birth, over the form.
            form.Item<CStateBitmapButton>(IDC_CHART)->click();
            if (CChartWnd* chart = form.ChartWindow(); chart && !base.isEmpty()) {
                QApplication::processEvents();
                chart->grab().save(base + QStringLiteral("-chart.png"));
            }
            // Then the help window, grabbed from inside its own modal loop.
            QTimer::singleShot(waitMs, [&] {
                if (QWidget* help = QApplication::activeModalWidget(); help && help != &form) {
                    if (!base.isEmpty()) {
                        help->grab().save(base + QStringLiteral("-help.png"));
                    }
                    help->close();
                }
                form.OnClose();
            });
            form.OnHelp();
        });
    });
    form.exec();
    return app.ExitInstance();
}
