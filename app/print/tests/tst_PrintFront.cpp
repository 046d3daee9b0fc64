// The print front of every window: the preview (one at a time, covering the
// screen, in Chinese, the owner back in front when it ends) for the report
// and the chart alike, and print jobs to a PDF file that replace the file
// only when whole and say why when they cannot.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>
#include <functional>
#include <memory>

#include "MemoryTextSource.h"
#include "app/MessageBox.h"
#include "app/chart/ChartWnd.h"
#include "app/pages/Documents.h"
#include "app/pages/tests/PageTestSupport.h"
#include "app/print/PrintFront.h"
#include "app/print/PrintJob.h"
#include "app/print/ViewPrintPreview.h"
#include "app/report/ReportView.h"
#include "app/report/tests/PrintTestSupport.h"

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A window that previews and prints a page: the main form with its report
// view, or the chart window. `owner` is the window the preview stands over.
struct Face {
    std::unique_ptr<QWidget> owner;
    std::function<void()> openPreview;
    std::function<QPrintPreviewDialog*()> preview;
    QString pageWord;  // a word its page prints
    int pages = 1;     // the report's one page; the chart's document
};

Face MakeFace(const QString& which) {
    Face face;
    if (which == QLatin1String("report")) {
        auto form = std::make_unique<QWidget>();
        form->resize(800, 580);
        auto* view = new CReportView(form.get());
        printtest::SetReport(*view, QStringLiteral("表头 HEADER"), QStringLiteral("正文 BODY"), true);
        face.openPreview = [view] { view->StartPrintPreview(); };
        face.preview = [view] { return view->Preview(); };
        face.pageWord = QStringLiteral("HEADER");
        face.owner = std::move(form);
    } else {
        // The preview prints the chart; the analysis needs no texts here.
        static const analysis::MemoryTextSource noTexts;
        auto chart = std::make_unique<CChartWnd>(chart::BirthMoment{1988, 7, 1, 13, 10, chart::Sex::Female},
                                                 U("李四"), noTexts);
        CChartWnd* w = chart.get();
        w->setAttribute(Qt::WA_DeleteOnClose, false);  // the test owns it
        face.openPreview = [w] { w->OnPreview(); };
        face.preview = [w] { return w->Preview(); };
        face.pageWord = U("八字排盘");
        face.pages = static_cast<int>(pages::ChartDocument(w->Model(), w->AnalysisShown()).size());
        face.owner = std::move(chart);
    }
    return face;
}

QList<CViewPrintPreview*> VisiblePreviews() {
    QList<CViewPrintPreview*> found;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* p = qobject_cast<CViewPrintPreview*>(w); p != nullptr && p->isVisible()) found << p;
    }
    return found;
}

// The report page as a page source of its own, for the jobs below.
struct ReportSource : CPrintPageSource {
    CReportView view;
    ReportSource() { printtest::SetReport(view, QStringLiteral("HEADER"), QStringLiteral("BODY"), true); }
    void OnBeginPrinting(QPainter* pDC, CPrintInfo* pInfo) override { view.OnBeginPrinting(pDC, pInfo); }
    void OnPrint(QPainter* pDC, CPrintInfo* pInfo) override { view.OnPrint(pDC, pInfo); }
    void OnEndPrinting(QPainter* pDC, CPrintInfo* pInfo) override { view.OnEndPrinting(pDC, pInfo); }
};

QPrinter* PdfPrinter(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return &printer;
}

}  // namespace

class tst_PrintFront : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        SetMessageBoxHook([this](QWidget*, const QString& text, const QString&) { m_boxes << text; });
    }
    void init() { m_boxes.clear(); }

    void faces_data() {
        QTest::addColumn<QString>("face");
        QTest::newRow("report") << QStringLiteral("report");
        QTest::newRow("chart") << QStringLiteral("chart");
    }

    void twoPressesOpenOneWindow_data() { faces_data(); }
    void twoPressesOpenOneWindow() {
        QFETCH(QString, face);
        Face f = MakeFace(face);
        f.owner->show();
        f.openPreview();
        QPointer<QPrintPreviewDialog> first = f.preview();
        f.openPreview();
        QVERIFY(first);
        QCOMPARE(f.preview(), first.data());
        QCOMPARE(VisiblePreviews().size(), 1);
        QCOMPARE(first->windowTitle(), U("打印预览"));
        QVERIFY(first->windowState() & Qt::WindowMaximized);
        QCOMPARE(first->parentWidget(), f.owner.get());
    }

    void closingBringsTheOwnerBackAndAllowsANewPreview_data() {
        QTest::addColumn<QString>("face");
        QTest::addColumn<int>("way");
        for (const char* face : {"report", "chart"}) {
            QTest::addRow("%s, window closed", face) << QString::fromLatin1(face) << 0;
            QTest::addRow("%s, Esc", face) << QString::fromLatin1(face) << 1;
            QTest::addRow("%s, 文件 > 退出", face) << QString::fromLatin1(face) << 2;
        }
    }
    void closingBringsTheOwnerBackAndAllowsANewPreview() {
        QFETCH(QString, face);
        QFETCH(int, way);
        Face f = MakeFace(face);
        f.owner->show();
        f.openPreview();
        QPointer<QPrintPreviewDialog> first = f.preview();
        auto* preview = qobject_cast<CViewPrintPreview*>(first.data());
        QVERIFY(preview);
        f.owner->hide();  // as a window manager may when the preview covers it
        switch (way) {
            case 0:
                preview->close();
                break;
            case 1:
                QTest::keyClick(preview, Qt::Key_Escape);
                break;
            default:
                preview->ExitAction()->trigger();
                break;
        }
        QTRY_VERIFY(first.isNull());  // destroyed, not just hidden
        QVERIFY(f.preview() == nullptr);
        QVERIFY(f.owner->isVisible());

        f.openPreview();
        QVERIFY(f.preview());
        QVERIFY(f.preview() != first);
        QCOMPARE(VisiblePreviews().size(), 1);
    }

    // Without a window manager the maximise request is refused; the preview's
    // own (normal) geometry is then the screen's available area, not a strip.
    void previewCoversTheScreenEvenWhenNotMaximised_data() { faces_data(); }
    void previewCoversTheScreenEvenWhenNotMaximised() {
        QFETCH(QString, face);
        Face f = MakeFace(face);
        f.owner->show();
        f.openPreview();
        QVERIFY(f.preview());
        QCOMPARE(f.preview()->normalGeometry(), f.owner->screen()->availableGeometry());
    }

    void previewShowsEveryPage_data() { faces_data(); }
    void previewShowsEveryPage() {
        QFETCH(QString, face);
        Face f = MakeFace(face);
        f.owner->show();
        f.openPreview();
        auto* widget = f.preview()->findChild<QPrintPreviewWidget*>();
        QVERIFY(widget);
        QTRY_COMPARE(widget->pageCount(), f.pages);
    }

    void menuIsChinese() {
        Face f = MakeFace(QStringLiteral("chart"));
        f.openPreview();
        auto* preview = qobject_cast<CViewPrintPreview*>(f.preview());
        QVERIFY(preview);
        QStringList titles;
        for (QAction* a : preview->MenuBar()->actions()) titles << a->text();
        QCOMPARE(titles, (QStringList{U("文件(&F)"), U("帮助(&H)")}));
        QCOMPARE(preview->PrintAction()->text(), U("打印(&P)...\tCtrl+P"));
        QCOMPARE(preview->PrintAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        QCOMPARE(preview->ExitAction()->text(), U("退出(&X)"));
        QCOMPARE(preview->AboutAction()->text(), U("关于(&A)..."));
    }

    void closingTheOwnerTakesThePreviewWithIt_data() { faces_data(); }
    void closingTheOwnerTakesThePreviewWithIt() {
        QFETCH(QString, face);
        Face f = MakeFace(face);
        f.openPreview();
        QPointer<QPrintPreviewDialog> preview = f.preview();
        QVERIFY(preview);
        f.owner.reset();
        QVERIFY(preview.isNull());
    }

    // 文件 > 打印 opens the print dialog over the preview; the job prints the page.
    void menuPrintPrintsThePageFromADialogOverThePreview_data() { faces_data(); }
    void menuPrintPrintsThePageFromADialogOverThePreview() {
        QVERIFY2(printtest::HavePoppler(), printtest::kPopplerMissing);
        QFETCH(QString, face);
        Face f = MakeFace(face);
        f.openPreview();
        auto* preview = qobject_cast<CViewPrintPreview*>(f.preview());
        QVERIFY(preview);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("menu.pdf"));
        QWidget* dialogParent = nullptr;
        QTimer::singleShot(0, [&dialogParent, path] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            dialogParent = dialog->parentWidget();
            if (auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"))) file->setText(path);
            dialog->accept();
        });
        preview->PrintAction()->trigger();
        QCOMPARE(dialogParent, preview);
        if (!QFile::exists(path)) QSKIP("this platform's print dialog chose another printer than the file");
        QCOMPARE(printtest::PdfInfo(path, QStringLiteral("Pages")), QString::number(f.pages));
        QVERIFY(printtest::PdfText(path).contains(f.pageWord));
    }

    // Qt's own print button of the preview asks for a file and prints the same page.
    void previewPrintButtonPrintsThePage_data() { faces_data(); }
    void previewPrintButtonPrintsThePage() {
        QVERIFY2(printtest::HavePoppler(), printtest::kPopplerMissing);
        QFETCH(QString, face);
        Face f = MakeFace(face);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("preview.pdf"));
        f.openPreview();
        QPointer<QPrintPreviewDialog> preview = f.preview();
        QVERIFY(preview);
        QAction* print = nullptr;
        for (QToolBar* bar : preview->findChildren<QToolBar*>()) {
            for (QAction* a : bar->actions()) {
                if (a->text() == QStringLiteral("Print")) print = a;
            }
        }
        QVERIFY(print);
        // Qt asks for a printer or, when printing to PDF, for a file name.
        QTimer::singleShot(0, [path] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                files->selectFile(path);
                static_cast<QDialog*>(files)->accept();
            } else if (auto* printDialog = qobject_cast<QPrintDialog*>(modal)) {
                if (auto* file = printDialog->findChild<QLineEdit*>(QStringLiteral("filename"))) {
                    file->setText(path);
                }
                printDialog->accept();
            }
        });
        print->trigger();
        QTRY_VERIFY(QFile::exists(path));
        QTRY_VERIFY(preview.isNull());  // printing ends the preview
        QVERIFY(f.preview() == nullptr);
        QCOMPARE(printtest::PdfInfo(path, QStringLiteral("Pages")), QString::number(f.pages));
        QVERIFY(printtest::PdfText(path).contains(f.pageWord));
    }

    void previewTakesInputWhileTheFormIsModal() {
        // The program's form runs as an application-modal dialog; the preview
        // opened from it must still receive the window system's input.
        QDialog form;
        auto* view = new CReportView(&form);
        bool closedByKey = false;
        QTimer::singleShot(0, [&] {
            view->StartPrintPreview();
            QPointer<QPrintPreviewDialog> preview = view->Preview();
            if (preview && QTest::qWaitForWindowExposed(preview)) {
                QTest::keyClick(preview->windowHandle(), Qt::Key_Escape);  // through the window system
                closedByKey = QTest::qWaitFor([&] { return preview.isNull(); }, 2000);
            }
            form.reject();
        });
        form.exec();
        QVERIFY(closedByKey);
    }

    // A job printed to a PDF file: the whole file or none, and the reason.
    void printingToAFileThatCannotBeWrittenLeavesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("existing");
        QTest::addColumn<bool>("fillsUp");
        QTest::newRow("new file, the disk fills up mid-write") << "report.pdf" << false << true;
        QTest::newRow("old file kept when the disk fills up") << "report.pdf" << true << true;
        QTest::newRow("folder that does not exist") << "missing/report.pdf" << false << false;
    }
    void printingToAFileThatCannotBeWrittenLeavesNothing() {
        QFETCH(QString, name);
        QFETCH(bool, existing);
        QFETCH(bool, fillsUp);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (existing) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        ReportSource source;
        QPrinter printer(QPrinter::HighResolution);
        QString error;
        bool ok = true;
        {
            const auto limit = fillsUp ? std::make_unique<pagetest::FileSizeLimit>(8 * 1024) : nullptr;
            ok = print::RunPrintJob(source, *PdfPrinter(printer, path), &error);
        }
        QVERIFY(!ok);
        QVERIFY2(!error.isEmpty(), "the reason is given");
        QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        if (existing) {
            QCOMPARE(left, QStringList{QStringLiteral("report.pdf")});
            QFile old(path);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), QByteArray("old"));
        } else {
            QVERIFY2(left.isEmpty(), qPrintable(left.join(' ')));
        }
    }

    // The file named is the one written: a link to another file is refused.
    void printingToALinkIsRefused() {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("target.txt"));
        QFile someone(target);
        QVERIFY(someone.open(QIODevice::WriteOnly));
        someone.write("someone else's");
        someone.close();
        const QString link = dir.filePath(QStringLiteral("link.pdf"));
        QVERIFY(QFile::link(target, link));
        ReportSource source;
        QPrinter printer(QPrinter::HighResolution);
        QString error;
        QVERIFY(!print::RunPrintJob(source, *PdfPrinter(printer, link), &error));
        QVERIFY2(error.contains(QStringLiteral("symbolic link")), qPrintable(error));
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(someone.open(QIODevice::ReadOnly));
        QCOMPARE(someone.readAll(), QByteArray("someone else's"));
    }

    void printingToAFileReplacesItWhole() {
        QVERIFY2(printtest::HavePoppler(), printtest::kPopplerMissing);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(200000, 'x'));  // longer than the new file
        old.close();
        ReportSource source;
        QPrinter printer(QPrinter::HighResolution);
        QString error;
        QVERIFY2(print::RunPrintJob(source, *PdfPrinter(printer, path), &error), qPrintable(error));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("report.pdf")});
        QCOMPARE(printtest::PdfInfo(path, QStringLiteral("Pages")), QStringLiteral("1"));
        QCOMPARE(printtest::PdfInfo(path, QStringLiteral("Title")), QString::fromUtf8(print::kDocumentName));
        QVERIFY(printtest::PdfText(path).contains(QStringLiteral("HEADER")));
    }

    // The print command says what went wrong, over the window it stands over.
    void aFailedFileJobIsReportedWithItsReason() {
        ReportSource source;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing/report.pdf"));
        QTimer::singleShot(0, [path] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            if (auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"))) file->setText(path);
            dialog->accept();
        });
        const bool printed = print::PrintWithDialog(&source.view, source);
        if (m_boxes.isEmpty() && printed)
            QSKIP("this platform's print dialog chose another printer than the file");
        QVERIFY(!printed);
        QCOMPARE(m_boxes.size(), 1);
        QVERIFY2(m_boxes.first().startsWith(U("无法写入文件：") + path + QLatin1Char('\n')),
                 qPrintable(m_boxes.first()));
        QVERIFY(m_boxes.first().size() > (U("无法写入文件：") + path + QLatin1Char('\n')).size());
    }

private:
    QStringList m_boxes;
};

QTEST_MAIN(tst_PrintFront)
#include "tst_PrintFront.moc"
