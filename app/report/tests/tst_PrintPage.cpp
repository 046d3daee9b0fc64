// The report view's page callbacks in whole print jobs: printed to PDF files
// and read back with the poppler tools, and the print dialog. (The page's
// layout, font and picture: app/pages/tests.)
#include <QApplication>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "PrintTestSupport.h"
#include "app/pages/PageGeometry.h"
#include "app/print/PrintJob.h"
#include "app/report/ReportView.h"

using namespace printtest;

namespace {

// One word for each of the eight header lines (pdftotext reads Latin words
// back reliably; some CJK glyphs come back as radicals).
QStringList HeaderWords() {
    return {"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf", "Hotel"};
}

// A header of eight lines and a body with a marker at both ends.
QString EightLineHeader() {
    QStringList lines;
    for (const QString& word : HeaderWords()) {
        lines << QStringLiteral("表头 %1 命主").arg(word);
    }
    return lines.join('\n');
}

}  // namespace

class tst_PrintPage : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void pdfHasOnePageWithAllTexts_data();
    void pdfHasOnePageWithAllTexts();
    void narrowPagePrintsNoHeader();
    void printDialogCancelPrintsNothing();
    void printDialogAcceptPrintsOneJob();

private:
    QString PrintToPdf(CReportView& view, const QString& name, const QPageSize* size = nullptr) {
        const QString path = m_dir.filePath(name);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        if (size != nullptr) {
            printer.setFullPage(true);
            printer.setPageLayout(QPageLayout(*size, QPageLayout::Portrait, QMarginsF()));
        }
        if (!print::RunPrintJob(view, printer)) {
            return {};
        }
        m_lastWidth = printer.width();
        m_lastResolution = printer.resolution();
        return path;
    }

    QTemporaryDir m_dir;
    int m_lastWidth = 0;
    int m_lastResolution = 0;
};

void tst_PrintPage::pdfHasOnePageWithAllTexts_data() {
    QTest::addColumn<QString>("body");
    QTest::newRow("short body") << QStringLiteral("命理正文 BODYSTART Q&A BODYEND");
    QString longBody = QStringLiteral("BODYSTART ");
    while (longBody.toUtf8().size() < 14000) {
        longBody += QStringLiteral("长篇正文用于测试截断与分页。");
    }
    QTest::newRow("body longer than its buffer") << longBody;
}

void tst_PrintPage::pdfHasOnePageWithAllTexts() {
    QVERIFY2(HavePoppler(), kPopplerMissing);
    QFETCH(QString, body);
    CReportView view;
    SetReport(view, EightLineHeader() + QStringLiteral(" A&B"), body, true);
    const QString pdf = PrintToPdf(view, QStringLiteral("page.pdf"));
    QVERIFY(!pdf.isEmpty());
    QCOMPARE(m_lastResolution, pages::kPageDpi);

    QCOMPARE(PdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("1"));
    QCOMPARE(PdfInfo(pdf, QStringLiteral("Title")), QString::fromUtf8(print::kDocumentName));
    const QString text = PdfText(pdf);
    for (const QString& word : HeaderWords()) {
        QVERIFY2(text.contains(word), qPrintable(word + QStringLiteral(" missing from: ") + text));
    }
    QVERIFY2(text.contains(QStringLiteral("A&B")), "an & is printed as itself");
    QVERIFY(text.contains(QStringLiteral("BODYSTART")));
    if (body.contains(QStringLiteral("BODYEND"))) {
        QVERIFY(text.contains(QStringLiteral("Q&A")));
    }
}

void tst_PrintPage::narrowPagePrintsNoHeader() {
    QVERIFY2(HavePoppler(), kPopplerMissing);
    CReportView view;
    SetReport(view, EightLineHeader(), QStringLiteral("BODYSTART 正文"), true);
    const QPageSize narrow(QSizeF(8.0 / 3.0, 5.0), QPageSize::Inch);  // 800 x 1500 at 300 dpi
    const QString pdf = PrintToPdf(view, QStringLiteral("narrow.pdf"), &narrow);
    QVERIFY(!pdf.isEmpty());
    QCOMPARE(m_lastWidth, 800);
    QCOMPARE(PdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("1"));
    const QString text = PdfText(pdf);
    for (const QString& word : HeaderWords()) {
        QVERIFY2(!text.contains(word), qPrintable(text));
    }
    QVERIFY(text.contains(QStringLiteral("BODYSTART")));
}

void tst_PrintPage::printDialogCancelPrintsNothing() {
    CReportView view;
    SetReport(view, EightLineHeader(), QStringLiteral("BODY"), true);
    const QStringList before = QDir(m_dir.path()).entryList(QDir::Files);
    bool seen = false;
    QTimer::singleShot(0, [&seen] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        seen = true;
        QVERIFY(!dialog->testOption(QAbstractPrintDialog::PrintSelection));
        QVERIFY(!dialog->testOption(QAbstractPrintDialog::PrintPageRange));
        QVERIFY(!dialog->testOption(QAbstractPrintDialog::PrintCurrentPage));
        QVERIFY(dialog->testOption(QAbstractPrintDialog::PrintToFile));
        QCOMPARE(dialog->printRange(), QAbstractPrintDialog::AllPages);
        dialog->printer()->setOutputFileName(QString());
        dialog->reject();
    });
    view.PrintReport();
    QVERIFY(seen);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), before);
}

void tst_PrintPage::printDialogAcceptPrintsOneJob() {
    QVERIFY2(HavePoppler(), kPopplerMissing);
    CReportView view;
    SetReport(view, EightLineHeader(), QStringLiteral("BODYSTART"), true);
    const QString path = m_dir.filePath(QStringLiteral("dialog.pdf"));
    bool seen = false;
    QTimer::singleShot(0, [&seen, path] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        seen = true;
        // The dialog takes the file name from its own field when accepted.
        if (auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"))) {
            file->setText(path);
        }
        dialog->accept();
    });
    view.PrintReport();
    QVERIFY(seen);
    if (!QFile::exists(path)) {
        QSKIP("this platform's print dialog chose another printer than the file");
    }
    QCOMPARE(PdfInfo(path, QStringLiteral("Pages")), QStringLiteral("1"));
    QVERIFY(PdfText(path).contains(QStringLiteral("Hotel")));
}

QTEST_MAIN(tst_PrintPage)
#include "tst_PrintPage.moc"
