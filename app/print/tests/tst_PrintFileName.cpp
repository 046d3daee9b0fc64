// The file a print proposes: its name made from the person and the date, its
// folder, and the print dialog that opens on it (offscreen, where Qt itself
// would propose only a folder, as it does on Wayland).
#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QTimer>
#include <QtTest>

#include "app/print/PrintFileName.h"
#include "app/report/ReportView.h"
#include "app/report/tests/PrintTestSupport.h"

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

class tst_PrintFileName : public QObject {
    Q_OBJECT
    QTemporaryDir m_home;

private slots:
    void initTestCase() {
        // A home of our own, with a documents folder under a Chinese name.
        QVERIFY(m_home.isValid());
        qputenv("HOME", m_home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (m_home.path() + QStringLiteral("/.config")).toUtf8());
        QVERIFY(QDir(m_home.path()).mkpath(QStringLiteral(".config")));
        QFile dirs(m_home.filePath(QStringLiteral(".config/user-dirs.dirs")));
        QVERIFY(dirs.open(QIODevice::WriteOnly));
        dirs.write("XDG_DOCUMENTS_DIR=\"$HOME/\xe6\x96\x87\xe6\xa1\xa3\"\n");  // $HOME/文档
    }

    void fileName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("file");
        QTest::newRow("report") << U("张三") << QDate(1990, 7, 2) << U("报告")
                                << U("张三-1990-07-02-报告.pdf");
        QTest::newRow("chart") << U("张三") << QDate(1990, 7, 2) << U("排盘")
                               << U("张三-1990-07-02-排盘.pdf");
        QTest::newRow("a slash is replaced, not dropped")
            << U("张/三") << QDate(2000, 1, 1) << U("报告") << U("张／三-2000-01-01-报告.pdf");
        QTest::newRow("a name of slashes only")
            << U("//") << QDate(2000, 1, 1) << U("报告") << U("／／-2000-01-01-报告.pdf");
        QTest::newRow("control characters become spaces")
            << U("李\t四\n") << QDate(1975, 1, 1) << U("报告") << U("李 四-1975-01-01-报告.pdf");
        QTest::newRow("spaces around the name go")
            << U("  王五 ") << QDate(1975, 1, 1) << U("报告") << U("王五-1975-01-01-报告.pdf");
        QTest::newRow("a name of spaces is unnamed")
            << U("  ") << QDate(1975, 1, 1) << U("报告") << U("未命名-1975-01-01-报告.pdf");
        QTest::newRow("no date") << U("赵六") << QDate() << U("报告") << U("赵六-报告.pdf");
        QTest::newRow("a dot name stays a name, not a folder")
            << U("..") << QDate(1975, 1, 1) << U("报告") << U("..-1975-01-01-报告.pdf");
        QTest::newRow("a long name is cut at 40 characters")
            << QString(45, QChar(u'甲')) << QDate(1975, 1, 1) << U("报告")
            << QString(40, QChar(u'甲')) + U("-1975-01-01-报告.pdf");
        QTest::newRow("never half a character")
            << QString(39, QChar(u'a')) + U("\U0001F600b") << QDate(1975, 1, 1) << U("报告")
            << QString(39, QChar(u'a')) + U("-1975-01-01-报告.pdf");
    }
    void fileName() {
        QFETCH(QString, name);
        QFETCH(QDate, date);
        QFETCH(QString, kind);
        QFETCH(QString, file);
        QCOMPARE(print::PdfFileName(name, date, kind), file);
        QVERIFY(!print::PdfFileName(name, date, kind).contains(QLatin1Char('/')));
    }

    void folderIsTheDocumentsFolderWhereThereIsOne() {
        const QString documents = m_home.filePath(U("文档"));
        QCOMPARE(print::PrintFolder(), m_home.path());  // not made yet: home
        QVERIFY(QDir().mkpath(documents));
        QCOMPARE(print::PrintFolder(), documents);
        QCOMPARE(print::ProposedPdfPath(U("张/三"), QDate(1990, 7, 2), U(print::kChartFileKind)),
                 documents + U("/张／三-1990-07-02-排盘.pdf"));
    }

    // The report's print dialog opens on the file, named for the person of
    // the last reading and the date given, in the documents folder.
    void printDialogProposesTheReportsFile() {
        QVERIFY(QDir().mkpath(m_home.filePath(U("文档"))));
        CReportView view;
        printtest::SetReport(view, U("表头"), U("正文"), true);
        ComposedReport report = view.Report();
        report.clockSolar.wYear = 1990;
        report.clockSolar.wMonth = 7;
        report.clockSolar.wDay = 2;
        view.SetReport(report);
        view.SetPersonName(U("张/三"));
        const QString expected = m_home.filePath(U("文档/张／三-1990-07-02-报告.pdf"));
        QCOMPARE(view.ProposedPdfFile(), expected);
        QString shown;
        bool fileChosen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            if (auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"))) shown = file->text();
            fileChosen = dialog->printer()->outputFormat() == QPrinter::PdfFormat;
            dialog->reject();
        });
        view.PrintReport();
        QCOMPARE(shown, expected);
        QVERIFY(fileChosen);
    }
};

QTEST_MAIN(tst_PrintFileName)
#include "tst_PrintFileName.moc"
