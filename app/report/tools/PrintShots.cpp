// karvuto-print-shots: composes one reading and writes what printing shows
// a user: the page as a PDF file, and pictures of the preview, the About box
// and the splash screen. Usage: karvuto-print-shots <Karvuto.mdb> <out dir>
#include <QApplication>
#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "GbkCodec.h"
#include "app/KarvutoApp.h"
#include "app/dialogs/AboutDlg.h"
#include "app/dialogs/SplashWnd.h"
#include "app/print/PrintJob.h"
#include "app/report/ReportView.h"

namespace {

bool Save(QWidget& widget, const QDir& out, const char* name) {
    const QString path = out.filePath(QString::fromLatin1(name));
    const bool ok = widget.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: karvuto-print-shots <Karvuto.mdb> <out dir>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    CKarvutoApp karvuto;  // only its database opening; the program's own object is not involved
    CKarvutoApp::SetDialogColors();
    karvuto.m_szDbPath = argv[1];
    if (!karvuto.OpenDatabase()) {
        return 1;
    }

    QWidget form;
    form.resize(800, 580);
    CReportView view(&form);
    form.show();
    BirthRecord birth{};
    const std::string name = platform::Gbk("李明");
    std::memcpy(birth.name, name.data(), name.size());
    birth.sex = 0;
    birth.CalendarKind = kGregorianCalendar;
    birth.year = 1975;
    birth.month = 5;
    birth.day = 20;
    birth.hour = 8;
    if (!view.ComposeReading(birth, karvuto.m_pConnection.get())) {
        return 1;
    }

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out.filePath(QStringLiteral("print-reading.pdf")));
    if (!print::RunPrintJob(view, printer)) {
        std::fprintf(stderr, "the print job failed\n");
        return 1;
    }
    std::printf("wrote %s\n", qPrintable(printer.outputFileName()));

    CAboutDlg about(&form);
    about.show();
    CSplashWnd splash;
    splash.Create(CSplashWnd::kBitmapId);
    view.StartPrintPreview();
    // Without a window manager (a bare X server) nothing maximises the
    // preview; give it the screen as a window manager would.
    if (view.Preview() && view.Preview()->screen() != nullptr) {
        view.Preview()->setGeometry(view.Preview()->screen()->availableGeometry());
    }
    int status = 0;
    QTimer::singleShot(1500, [&] {
        status |= Save(about, out, "about.png") ? 0 : 1;
        status |= Save(splash, out, "splash.png") ? 0 : 1;
        if (view.Preview()) {
            status |= Save(*view.Preview(), out, "print-preview.png") ? 0 : 1;
        }
        QApplication::quit();
    });
    QApplication::exec();
    karvuto.CloseDatabase();
    return status;
}
