// The printed report page: its layout, the print font, and whole jobs printed
// to PDF files and read back with the poppler tools.
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
#include "app/pages/PrintLayout.h"
#include "app/pages/ReportPage.h"
#include "app/print/PrintJob.h"
#include "app/report/ReportView.h"
#include "res/bitmaps/BitmapIds.h"
#include "skin/SkinBitmaps.h"

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

    void layout_data();
    void layout();
    void fontCellHeight_data();
    void fontCellHeight();
    void printFontFitsItsCell();
    void gridWidthsAndWrapping_data();
    void gridWidthsAndWrapping();

    void pdfHasOnePageWithAllTexts_data();
    void pdfHasOnePageWithAllTexts();
    void narrowPagePrintsNoHeader();
    void pictureFollowsTheReading_data();
    void pictureFollowsTheReading();
    void missingPictureLeavesTheRestOfThePage();
    void longBodyIsCutAboveTheFrame();
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

void tst_PrintPage::layout_data() {
    QTest::addColumn<QSize>("page");
    QTest::addColumn<QRect>("picture");
    QTest::addColumn<QRect>("headerText");
    QTest::addColumn<QRect>("bodyText");
    // A4 at 300 dpi inside the usual margins.
    QTest::newRow("A4 300 dpi") << QSize(2480, 3508) << QRect(1780, 60, 640, 480) << QRect(80, 80, 1680, 420)
                                << QRect(80, 580, 2320, 2848);
    QTest::newRow("801 wide: one column of header")
        << QSize(801, 1000) << QRect(101, 60, 640, 480) << QRect(80, 80, 1, 420) << QRect(80, 580, 641, 340);
    QTest::newRow("800 wide: no header text")
        << QSize(800, 1000) << QRect(100, 60, 640, 480) << QRect() << QRect(80, 580, 640, 340);
    QTest::newRow("short page: no body")
        << QSize(2480, 660) << QRect(1780, 60, 640, 480) << QRect(80, 80, 1680, 420) << QRect();
}

void tst_PrintPage::layout() {
    QFETCH(QSize, page);
    QFETCH(QRect, picture);
    QFETCH(QRect, headerText);
    QFETCH(QRect, bodyText);
    const pages::paper::PageLayout l = pages::paper::LayoutPage(page);
    QCOMPARE(l.outerFrame, QRect(40, 40, page.width() - 80, page.height() - 80));
    QCOMPARE(l.headerBox, QRect(40, 40, page.width() - 80, 520));
    QCOMPARE(l.picture, picture);
    QCOMPARE(l.headerText, headerText);
    QCOMPARE(l.bodyText, bodyText);
}

void tst_PrintPage::fontCellHeight_data() {
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("cell");
    QTest::newRow("72 dpi") << 72 << 10;
    QTest::newRow("96 dpi: 13.33 rounds down") << 96 << 13;
    QTest::newRow("300 dpi: 41.67 rounds up") << 300 << 42;
    QTest::newRow("600 dpi") << 600 << 83;
    QTest::newRow("1200 dpi") << 1200 << 167;
}

void tst_PrintPage::fontCellHeight() {
    QFETCH(int, dpi);
    QFETCH(int, cell);
    QCOMPARE(pages::paper::PrintFontCellHeight(dpi), cell);
}

void tst_PrintPage::printFontFitsItsCell() {
    // The characters are 10 points: a Chinese character as wide as the
    // 42-unit cell at 300 dpi, an ASCII one half of it; eight header lines,
    // one per cell, still fit the 420 units of the header rectangle.
    const QFont font = pages::paper::MakePrintFont(pages::kPageDpi);
    const QFontMetricsF metrics(font);
    const pages::TextGrid grid = pages::paper::PrintGrid(pages::kPageDpi);
    QCOMPARE(grid.cell, 42);
    QCOMPARE(grid.pitch, 42);
    QVERIFY2(qAbs(metrics.horizontalAdvance(QStringLiteral("命")) - grid.cell) <= 1,
             qPrintable(QString::number(metrics.horizontalAdvance(QStringLiteral("命")))));
    const QFontMetricsF half(pages::HalfWidthFont(font));
    QVERIFY2(qAbs(half.horizontalAdvance(QStringLiteral("W")) - grid.cell / 2.0) <= 0.5,
             qPrintable(QString::number(half.horizontalAdvance(QStringLiteral("W")))));
    QVERIFY(8 * grid.pitch <= 420);
    // A Chinese character's ink stays within its line.
    const QRectF ink = metrics.tightBoundingRect(QStringLiteral("命"));
    QVERIFY2(ink.top() >= -grid.baseline - 2 && ink.bottom() <= grid.pitch - grid.baseline + 2,
             qPrintable(QStringLiteral("%1 .. %2").arg(ink.top()).arg(ink.bottom())));
}

void tst_PrintPage::gridWidthsAndWrapping_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("halfCells");
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("fits") << QStringLiteral("(阳历) 2000年") << 13
                          << QStringList{QStringLiteral("(阳历) 2000年")};
    QTest::newRow("Chinese breaks anywhere")
        << QStringLiteral("命理正文") << 5 << QStringList{QStringLiteral("命理"), QStringLiteral("正文")};
    QTest::newRow("a word moves whole to the next line")
        << QStringLiteral("ab cdef") << 5 << QStringList{QStringLiteral("ab "), QStringLiteral("cdef")};
    QTest::newRow("a word longer than the line is cut")
        << QStringLiteral("abcdefg") << 3
        << QStringList{QStringLiteral("abc"), QStringLiteral("def"), QStringLiteral("g")};
    QTest::newRow("a character never splits")
        << QStringLiteral("a\U0001F600b") << 2
        << QStringList{QStringLiteral("a"), QStringLiteral("\U0001F600"), QStringLiteral("b")};
    QTest::newRow("empty") << QString() << 4 << QStringList{QString()};
}

void tst_PrintPage::gridWidthsAndWrapping() {
    QFETCH(QString, line);
    QFETCH(int, halfCells);
    QFETCH(QStringList, pieces);
    QCOMPARE(pages::WrapToGrid(line, halfCells), pieces);
    QCOMPARE(pages::HalfCells(QStringLiteral("出生年月日时:")), 13);
    QCOMPARE(pages::HalfCells(QStringLiteral("             ")), 13);
}

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

void tst_PrintPage::pictureFollowsTheReading_data() {
    QTest::addColumn<bool>("starSign");
    QTest::addColumn<int>("bitmapId");
    QTest::newRow("before a reading: the blank picture") << false << art::kBlankPictureId;
    QTest::newRow("after a reading: the dragon") << true << art::kDragonPictureId;
}

void tst_PrintPage::pictureFollowsTheReading() {
    QFETCH(bool, starSign);
    QFETCH(int, bitmapId);
    const QImage bitmap = LoadBitmapResource(bitmapId);
    QVERIFY2(!bitmap.isNull(), "the report pictures are compiled in");
    CReportView view;
    SetReport(view, QString(), QString(), starSign);
    const QImage page = RenderPage(view, 1200, 1600);
    const QRect picture(1200 - 700, 60, 640, 480);
    // The picture is the bitmap scaled to 640 x 480: compare the ink in it.
    QImage expected(640, 480, QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
        QPainter p(&expected);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(expected.rect(), bitmap);
    }
    const int ink = InkIn(page, picture);
    const int expectedInk = InkIn(expected, expected.rect());
    QVERIFY2(qAbs(ink - expectedInk) <= expectedInk / 50 + 10,
             qPrintable(QStringLiteral("%1 vs %2").arg(ink).arg(expectedInk)));
    if (starSign) {
        QVERIFY(ink > 1000);  // the drawing, not the blank picture
    }
}

void tst_PrintPage::missingPictureLeavesTheRestOfThePage() {
    QImage page(1200, 1600, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    const QRect target(500, 60, 640, 480);
    pages::PrintBitmapAsDib(&painter, QImage(), target);
    pages::PrintBitmapAsDib(nullptr, LoadBitmapResource(art::kDragonPictureId), target);
    painter.end();
    QCOMPARE(InkIn(page, page.rect()), 0);
}

void tst_PrintPage::longBodyIsCutAboveTheFrame() {
    CReportView view;
    QString body;
    for (int i = 0; i < 200; ++i) {
        body += QStringLiteral("第%1行正文\n").arg(i);
    }
    SetReport(view, QString(), body, false);
    const int w = 1200, h = 1600;
    const QImage page = RenderPage(view, w, h);
    // Text down to H - 80, nothing between there and the frame at H - 40.
    QVERIFY(InkIn(page, QRect(80, h - 200, 400, 120)) > 0);
    QCOMPARE(InkIn(page, QRect(41, h - 80, w - 82, 39)), 0);
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
