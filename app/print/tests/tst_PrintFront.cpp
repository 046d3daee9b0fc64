// The print preview window: one at a time, maximised, drawing the report's
// page, and the form is the main window again once it closes.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "PrintTestSupport.h"
#include "app/report/ReportView.h"
#include "app/report/ViewPrintPreview.h"

class tst_PrintPreview : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void twoPressesOpenOneWindow();
    void closingRestoresTheFormAndAllowsANewPreview_data();
    void closingRestoresTheFormAndAllowsANewPreview();
    void previewShowsTheOnePage();
    void previewCoversTheScreenEvenWhenNotMaximised();
    void menuCarriesTheFrameCommands();
    void closingTheFormTakesThePreviewWithIt();
    void previewPrintButtonPrintsThePage();
    void previewTakesInputWhileTheFormIsModal();

private:
    QList<CViewPrintPreview*> Previews() const {
        QList<CViewPrintPreview*> found;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* p = qobject_cast<CViewPrintPreview*>(w); p != nullptr && p->isVisible()) {
                found << p;
            }
        }
        return found;
    }

    QWidget* m_form = nullptr;
    CReportView* m_view = nullptr;
};

void tst_PrintPreview::init() {
    m_form = new QWidget;
    m_form->resize(800, 580);
    m_view = new CReportView(m_form);
    printtest::SetReport(*m_view, QStringLiteral("表头 HEADER"), QStringLiteral("正文 BODY"), true);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    QCOMPARE(m_view->DialogOwner(), m_form);
}

void tst_PrintPreview::cleanup() {
    delete m_form;  // takes an open preview with it
    m_form = nullptr;
}

void tst_PrintPreview::twoPressesOpenOneWindow() {
    m_view->StartPrintPreview();
    QPointer<QPrintPreviewDialog> first = m_view->Preview();
    m_view->StartPrintPreview();
    QVERIFY(first);
    QCOMPARE(m_view->Preview(), first.data());
    QCOMPARE(Previews().size(), 1);
    QVERIFY(m_view->Preview() != nullptr);
    CViewPrintPreview* preview = Previews().first();
    QCOMPARE(preview->windowTitle(), QStringLiteral("打印预览"));
    QVERIFY(preview->windowState() & Qt::WindowMaximized);
    // Dialogs of the print command stand over the preview while it is open.
    QCOMPARE(m_view->DialogOwner(), preview);
    QCOMPARE(m_view->Preview(), preview);
    QCOMPARE(preview->parentWidget(), m_form);
}

void tst_PrintPreview::closingRestoresTheFormAndAllowsANewPreview_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("window closed") << 0;
    QTest::newRow("Esc") << 1;
    QTest::newRow("File > Exit") << 2;
}

void tst_PrintPreview::closingRestoresTheFormAndAllowsANewPreview() {
    QFETCH(int, way);
    m_view->StartPrintPreview();
    QPointer<QPrintPreviewDialog> first = m_view->Preview();
    QVERIFY(first);
    auto* preview = qobject_cast<CViewPrintPreview*>(first.data());
    QVERIFY(preview);
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
    QVERIFY(m_view->Preview() == nullptr);
    QCOMPARE(m_view->DialogOwner(), m_form);
    QVERIFY(m_form->isVisible());

    m_view->StartPrintPreview();
    QVERIFY(m_view->Preview());
    QVERIFY(m_view->Preview() != first);
    QCOMPARE(Previews().size(), 1);
}

// Without a window manager the maximise request is refused; the preview's
// own (normal) geometry is then the screen's available area, not a strip.
void tst_PrintPreview::previewCoversTheScreenEvenWhenNotMaximised() {
    m_view->StartPrintPreview();
    QVERIFY(m_view->Preview());
    const QRect available = m_form->screen()->availableGeometry();
    QCOMPARE(m_view->Preview()->normalGeometry(), available);
}

void tst_PrintPreview::previewShowsTheOnePage() {
    m_view->StartPrintPreview();
    QVERIFY(m_view->Preview());
    auto* widget = m_view->Preview()->findChild<QPrintPreviewWidget*>();
    QVERIFY(widget);
    QTRY_COMPARE(widget->pageCount(), 1);
}

void tst_PrintPreview::menuCarriesTheFrameCommands() {
    m_view->StartPrintPreview();
    auto* preview = qobject_cast<CViewPrintPreview*>(m_view->Preview());
    QVERIFY(preview);
    QStringList titles;
    for (QAction* a : preview->MenuBar()->actions()) {
        titles << a->text();
    }
    QCOMPARE(titles, (QStringList{"&File", "&Edit", "&Help"}));
    QCOMPARE(preview->PrintAction()->text(), QStringLiteral("&Print...\tCtrl+P"));
    QCOMPARE(preview->ExitAction()->text(), QStringLiteral("E&xit"));
    QCOMPARE(preview->AboutAction()->text(), QStringLiteral("&About ..."));
    QMenu* edit = preview->MenuBar()->actions().at(1)->menu();
    QVERIFY(edit);
    int items = 0;
    for (QAction* a : edit->actions()) {
        if (!a->isSeparator()) {
            ++items;
            QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
        }
    }
    QCOMPARE(items, 4);
}

void tst_PrintPreview::closingTheFormTakesThePreviewWithIt() {
    m_view->StartPrintPreview();
    QPointer<QPrintPreviewDialog> preview = m_view->Preview();
    QVERIFY(preview);
    delete m_form;
    m_form = nullptr;
    QVERIFY(preview.isNull());
}

void tst_PrintPreview::previewPrintButtonPrintsThePage() {
    QVERIFY2(printtest::HavePoppler(), printtest::kPopplerMissing);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("preview.pdf"));
    m_view->StartPrintPreview();
    QPointer<QPrintPreviewDialog> preview = m_view->Preview();
    QVERIFY(preview);
    QAction* print = nullptr;
    for (QToolBar* bar : preview->findChildren<QToolBar*>()) {
        for (QAction* a : bar->actions()) {
            if (a->text() == QStringLiteral("Print")) {
                print = a;
            }
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
    QVERIFY(m_view->Preview() == nullptr);
    QCOMPARE(printtest::PdfInfo(path, QStringLiteral("Pages")), QStringLiteral("1"));
    QVERIFY(printtest::PdfText(path).contains(QStringLiteral("HEADER")));
}

void tst_PrintPreview::previewTakesInputWhileTheFormIsModal() {
    // The program's form runs as an application-modal dialog; the preview
    // opened from it must still receive the window system's input.
    QDialog form;
    CReportView* view = new CReportView(&form);
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

QTEST_MAIN(tst_PrintPreview)
#include "tst_PrintPreview.moc"
