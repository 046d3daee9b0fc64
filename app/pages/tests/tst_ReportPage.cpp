// The report page on paper as a function of a painter and the report's
// texts: its layout, the print font and its grid, where lines break, the
// picture, and what is cut at the page's foot. (Whole print jobs and the
// view's page callbacks: app/report/tests.)
#include <QPainter>
#include <QtTest>

#include "app/pages/GridText.h"
#include "app/pages/PageGeometry.h"
#include "app/pages/PrintLayout.h"
#include "app/pages/ReportPage.h"
#include "app/pages/tests/PageTestSupport.h"
#include "res/bitmaps/BitmapIds.h"
#include "skin/SkinBitmaps.h"

using namespace pagetest;

namespace {

// The report page painted on a white page of `size` at the pages' resolution.
QImage Render(const pages::ReportPageText& report, QSize size) {
    QImage page = BlankPage(size);
    QPainter painter(&page);
    pages::PaintReportPage(painter, QRect(QPoint(0, 0), size), report);
    return page;
}

}  // namespace

class tst_ReportPage : public QObject {
    Q_OBJECT

private slots:
    void layout_data() {
        QTest::addColumn<QSize>("page");
        QTest::addColumn<QRect>("picture");
        QTest::addColumn<QRect>("headerText");
        QTest::addColumn<QRect>("bodyText");
        // A4 at 300 dpi inside the usual margins.
        QTest::newRow("A4 300 dpi") << QSize(2480, 3508) << QRect(1780, 60, 640, 480)
                                    << QRect(120, 80, 1640, 440) << QRect(120, 640, 2240, 2748);
        QTest::newRow("841 wide: one column of header")
            << QSize(841, 1000) << QRect(141, 60, 640, 480) << QRect(120, 80, 1, 440)
            << QRect(120, 640, 601, 240);
        QTest::newRow("840 wide: no header text")
            << QSize(840, 1000) << QRect(140, 60, 640, 480) << QRect() << QRect(120, 640, 600, 240);
        QTest::newRow("short page: no body")
            << QSize(2480, 760) << QRect(1780, 60, 640, 480) << QRect(120, 80, 1640, 440) << QRect();
    }
    void layout() {
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

    void fontCellHeight_data() {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("cell");
        QTest::newRow("72 dpi") << 72 << 10;
        QTest::newRow("96 dpi: 13.33 rounds down") << 96 << 13;
        QTest::newRow("300 dpi: 41.67 rounds up") << 300 << 42;
        QTest::newRow("600 dpi") << 600 << 83;
        QTest::newRow("1200 dpi") << 1200 << 167;
    }
    void fontCellHeight() {
        QFETCH(int, dpi);
        QFETCH(int, cell);
        QCOMPARE(pages::paper::PrintFontCellHeight(dpi), cell);
    }

    void printFontFitsItsCell() {
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

    void gridWidthsAndWrapping_data() {
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
    void gridWidthsAndWrapping() {
        QFETCH(QString, line);
        QFETCH(int, halfCells);
        QFETCH(QStringList, pieces);
        QCOMPARE(pages::WrapToGrid(line, halfCells), pieces);
        QCOMPARE(pages::HalfCells(QStringLiteral("出生年月日时:")), 13);
        QCOMPARE(pages::HalfCells(QStringLiteral("             ")), 13);
    }

    void pictureFollowsTheReading_data() {
        QTest::addColumn<bool>("starSign");
        QTest::addColumn<int>("bitmapId");
        QTest::newRow("before a reading: the blank picture") << false << art::kBlankPictureId;
        QTest::newRow("after a reading: the dragon") << true << art::kDragonPictureId;
    }
    void pictureFollowsTheReading() {
        QFETCH(bool, starSign);
        QFETCH(int, bitmapId);
        const QImage bitmap = LoadBitmapResource(bitmapId);
        QVERIFY2(!bitmap.isNull(), "the report pictures are compiled in");
        const pages::ReportPageText report = pages::MakeReportPageText({}, {}, starSign);
        QCOMPARE(report.pictureId, bitmapId);
        const QImage page = Render(report, QSize(1200, 1600));
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
        if (starSign) QVERIFY(ink > 1000);  // the drawing, not the blank picture
    }

    void missingPictureLeavesTheRestOfThePage() {
        QImage page = BlankPage(QSize(1200, 1600));
        QPainter painter(&page);
        const QRect target(500, 60, 640, 480);
        pages::PrintBitmapAsDib(&painter, QImage(), target);
        pages::PrintBitmapAsDib(nullptr, LoadBitmapResource(art::kDragonPictureId), target);
        pages::PrintBitmapAsDib(&painter, LoadBitmapResource(art::kDragonPictureId), QRect());
        painter.end();
        QCOMPARE(InkIn(page, page.rect()), 0);
        // A picture id that does not exist leaves the frame and the texts.
        const QImage report =
            Render({QStringLiteral("HEADER"), QStringLiteral("BODY"), 9999}, QSize(1200, 1600));
        QCOMPARE(InkIn(report, QRect(500, 60, 640, 480)), 0);
        QVERIFY(InkIn(report, QRect(120, 640, 400, 60)) > 0);
    }

    void lineSpacing_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("spacing");
        QTest::addColumn<int>("pitch");
        QTest::addColumn<int>("baseline");
        // The 300-dpi grid: a 42-unit cell, its baseline 36 below the line's top.
        QTest::newRow("room to spare: 1.6 cells") << 30 << 2748 << 1.6 << 67 << 48;
        QTest::newRow("no text: 1.6 cells") << 0 << 2748 << 1.6 << 67 << 48;
        QTest::newRow("a long reading: closer, to fit") << 50 << 2748 << 1.6 << 54 << 42;
        QTest::newRow("exactly fitting 1.6 cells") << 41 << 41 * 67 << 1.6 << 67 << 48;
        QTest::newRow("one line too many: closer") << 42 << 41 * 67 << 1.6 << 65 << 47;
        QTest::newRow("too long even at one cell: one cell") << 100 << 2748 << 1.6 << 42 << 36;
        QTest::newRow("the header's spacing") << 8 << 440 << 1.25 << 53 << 41;
    }
    void lineSpacing() {
        QFETCH(int, lines);
        QFETCH(int, height);
        QFETCH(double, spacing);
        QFETCH(int, pitch);
        QFETCH(int, baseline);
        const pages::TextGrid grid = pages::paper::PrintGrid(pages::kPageDpi);
        QCOMPARE(grid.baseline, 36);
        const pages::TextGrid spaced = pages::paper::SpacedGrid(grid, lines, height, spacing);
        QCOMPARE(spaced.cell, grid.cell);
        QCOMPARE(spaced.pitch, pitch);
        QCOMPARE(spaced.baseline, baseline);
    }

    // A body that fills the page at 1.6 cells a line is drawn closer, and
    // whole: its last line stands above the body's foot.
    void longBodyIsSpacedCloserAndKeptWhole() {
        QString body;
        for (int i = 0; i < 55; ++i) body += QStringLiteral("第%1行正文\n").arg(i);
        const QSize a4(2244, 3272);
        const pages::paper::PageLayout layout = pages::paper::LayoutPage(a4);
        const QImage page = Render({QString(), body, 0}, a4);
        const QRect body0 = layout.bodyText;
        const pages::TextGrid spaced =
            pages::paper::SpacedGrid(pages::paper::PrintGrid(pages::kPageDpi), 55, body0.height(), 1.6);
        QVERIFY(spaced.pitch < 67 && spaced.pitch >= 42);
        const QRect lastLine(body0.left(), body0.top() + 54 * spaced.pitch, 400, spaced.pitch);
        QVERIFY(body0.contains(lastLine));
        QVERIFY(InkIn(page, lastLine) > 0);
        QCOMPARE(
            InkIn(page, QRect(body0.left(), lastLine.bottom() + 1, 400, body0.bottom() - lastLine.bottom())),
            0);
    }

    void longBodyIsCutAboveTheFrame() {
        QString body;
        for (int i = 0; i < 200; ++i) body += QStringLiteral("第%1行正文\n").arg(i);
        const int w = 1200, h = 1600;
        const QImage page = Render({QString(), body, 0}, QSize(w, h));
        // Text down to H - 120, nothing between there and the frame at H - 40.
        QVERIFY(InkIn(page, QRect(120, h - 240, 400, 120)) > 0);
        QCOMPARE(InkIn(page, QRect(41, h - 120, w - 82, 79)), 0);
    }

    // The page is painted where it is asked to be: moved by its rectangle.
    void pageFollowsItsRectangle() {
        const pages::ReportPageText report{QStringLiteral("HEADER"), QStringLiteral("BODY"), 0};
        QImage page = BlankPage(QSize(1400, 1800));
        {
            QPainter painter(&page);
            pages::PaintReportPage(painter, QRect(200, 200, 1200, 1600), report);
        }
        QCOMPARE(InkIn(page, QRect(0, 0, 1400, 239)), 0);
        QCOMPARE(InkIn(page, QRect(0, 0, 239, 1800)), 0);
        QVERIFY(InkIn(page, QRect(240, 240, 2, 1000)) > 900);  // the frame's left edge
    }
};

QTEST_MAIN(tst_ReportPage)
#include "tst_ReportPage.moc"
