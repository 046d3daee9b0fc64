// The report view: its place in the form, its scroll sizes and the page it draws.
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QtTest>
#include <string>

#include "GbkCodec.h"
#include "app/pages/ReportLayout.h"
#include "app/report/ReportView.h"

namespace {

QImage DrawPage(CReportView& view) {
    QImage page(780, 1020, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    view.OnDraw(&p);
    return page;
}

bool IsDark(QRgb c) {
    return qGray(c) < 128;
}

int DarkPixels(const QImage& img, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            n += IsDark(img.pixel(x, y)) ? 1 : 0;
        }
    }
    return n;
}

// Gives the view a report with these UTF-8 texts.
void SetTexts(CReportView& view, const std::string& header, const std::string& body = {},
              const char* starSign = "") {
    ComposedReport report{};
    report.header = platform::Gbk(header);
    report.body = platform::Gbk(body);
    report.starSign = platform::Gbk(starSign);
    view.SetReport(std::move(report));
}

}  // namespace

class TestReportView : public QObject {
    Q_OBJECT
private slots:
    void takesThePlaceOfItsPlaceholder() {
        QWidget parent;
        auto* placeholder = new QLabel(&parent);
        placeholder->setObjectName(QStringLiteral("1054"));
        placeholder->setGeometry(11, 170, 721, 309);
        CReportView view(&parent);
        QVERIFY(view.CreateReportView(1054, &parent));
        QCOMPARE(view.geometry(), QRect(11, 170, 721, 309));
        QCOMPARE(view.objectName(), QStringLiteral("1054"));
        QCOMPARE(parent.findChildren<QLabel*>().size(), 0);

        CReportView other(&parent);
        QVERIFY(!other.CreateReportView(9999, &parent));
    }

    void scrollsOverTheExtentOfThePage() {
        CReportView view;
        view.resize(780, 386);
        view.show();
        view.SetScrollSizes();
        QScrollBar* v = view.verticalScrollBar();
        QCOMPARE(v->maximum(), pages::screen::kScrollHeight - view.viewport()->height());
        QCOMPARE(v->singleStep(), 10);
        QCOMPARE(v->pageStep(), 1020);
        // 600 wide fits the view: no horizontal scrolling.
        QCOMPARE(view.horizontalScrollBar()->maximum(), 0);
    }

    void keepsThePicturesAspectRatio_data() {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("160x120 unscaled") << 160 << 120 << QRect(597, 6, 160, 120);
        QTest::newRow("wide 320x100") << 320 << 100 << QRect(597, 66 - 25, 160, 50);
        QTest::newRow("wide odd height") << 161 << 121 << QRect(597, 66 - 60, 160, 120);
        QTest::newRow("square") << 50 << 50 << QRect(597, 6, 120, 120);
        QTest::newRow("tall 100x200") << 100 << 200 << QRect(597, 6, 60, 120);
        QTest::newRow("no pixels") << 0 << 120 << QRect();
    }
    void keepsThePicturesAspectRatio() {
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(QRect, expected);
        QCOMPARE(pages::screen::PictureRect(QSize(w, h)), expected);
    }

    void emptyViewDrawsTheThreeRectanglesAndNoText() {
        CReportView view;
        const QImage page = DrawPage(view);
        // frame edges
        QVERIFY(IsDark(page.pixel(2, 500)));
        QVERIFY(IsDark(page.pixel(759, 500)));
        QVERIFY(IsDark(page.pixel(400, 999)));
        QVERIFY(!IsDark(page.pixel(400, 1000)));
        // header box bottom and its right edge over the picture box's left
        QVERIFY(IsDark(page.pixel(300, 129)));
        QVERIFY(IsDark(page.pixel(594, 60)));
        // nothing inside: no text, blank picture
        QCOMPARE(DarkPixels(page, QRect(3, 3, 590, 126)), 0);
        QCOMPARE(DarkPixels(page, QRect(597, 6, 160, 120)), 0);
        QCOMPARE(DarkPixels(page, QRect(3, 131, 755, 867)), 0);
    }

    void aStarSignBringsTheDragon() {
        CReportView view;
        SetTexts(view, {}, {}, "白羊座");
        const QImage page = DrawPage(view);
        QVERIFY(DarkPixels(page, QRect(597, 6, 160, 120)) > 0);
    }

    void anAmpersandIsDrawnLiterally() {
        CReportView view;
        SetTexts(view, "&");
        const QImage page = DrawPage(view);
        QVERIFY(DarkPixels(page, QRect(20, 6, 100, 30)) > 0);
    }

    void headerIsClippedAtItsBoxAndNotWrapped() {
        CReportView view;
        SetTexts(view, std::string(300, 'W'));
        const QImage page = DrawPage(view);
        QVERIFY(DarkPixels(page, QRect(20, 6, 570, 15)) > 0);
        // the blank picture stays blank and there is no second line
        QCOMPARE(DarkPixels(page, QRect(597, 6, 160, 120)), 0);
        QCOMPARE(DarkPixels(page, QRect(3, 40, 590, 88)), 0);
    }

    void bodyWrapsWithinItsBox() {
        CReportView view;
        std::string body;
        for (int i = 0; i < 200; ++i) {
            body += "命理 ";
        }
        SetTexts(view, {}, body);
        const QImage page = DrawPage(view);
        QVERIFY(DarkPixels(page, QRect(20, 140, 680, 15)) > 0);
        QVERIFY(DarkPixels(page, QRect(20, 170, 680, 20)) > 0);   // wrapped onto more lines
        QCOMPARE(DarkPixels(page, QRect(708, 131, 50, 860)), 0);  // never past the right edge
        QCOMPARE(DarkPixels(page, QRect(3, 131, 16, 860)), 0);
    }
    // The header aligns by spaces on a grid of half cells for ASCII: "(阳历)"
    // starts in the same column as "(阴历)", the date under the lunar date,
    // and a centred body title sits where its spaces put it.
    void headerColumnsLineUp() {
        CReportView view;
        SetTexts(view,
                 "出生年月日时:(阴历) 兔(己卯)年   十一月廿五 子时\n"
                 "             (阳历) 2000年       01月01日 00时",
                 "                                 ☆☆☆ 八字命理分析 ☆☆☆");
        const QImage page = DrawPage(view);
        // The leftmost ink of a column range of one text line.
        const auto firstInk = [&page](int top, int left, int right) {
            for (int x = left; x < right; ++x)
                if (DarkPixels(page, QRect(x, top, 1, pages::screen::kReportLineHeight)) > 0) return x;
            return -1;
        };
        const int cell = pages::screen::kReportEmPixels;
        const int left = pages::screen::kHeaderText.left;
        const int line2 = pages::screen::kHeaderText.top + pages::screen::kReportLineHeight;
        // Column 13 (half cells) holds "(" on both lines: no ink before it on line 2.
        const int lunarParen =
            firstInk(pages::screen::kHeaderText.top, left + 13 * cell / 2 - 1, left + 14 * cell / 2);
        const int solarParen = firstInk(line2, left, left + 14 * cell / 2);
        QVERIFY2(lunarParen >= 0 && lunarParen == solarParen,
                 qPrintable(QStringLiteral("(阴历) at %1, (阳历) at %2").arg(lunarParen).arg(solarParen)));
        // "兔" (column 20) over "2" (column 20), "十" (column 33) over "0" of "01月" (column 33).
        for (const int column : {20, 33}) {
            const int x = left + column * cell / 2;
            QVERIFY2(firstInk(line2, x - cell / 2, x + cell / 2) >= x, qPrintable(QString::number(column)));
            QVERIFY(firstInk(pages::screen::kHeaderText.top, x - cell / 2, x + cell) >= x);
        }
        // The title's first ☆ is in column 33 of the body.
        const int titleX = pages::screen::kBodyText.left + 33 * cell / 2;
        QCOMPARE(
            DarkPixels(page, QRect(pages::screen::kBodyText.left, pages::screen::kBodyText.top,
                                   titleX - pages::screen::kBodyText.left, pages::screen::kReportLineHeight)),
            0);
        QVERIFY(DarkPixels(page, QRect(titleX, pages::screen::kBodyText.top, cell,
                                       pages::screen::kReportLineHeight)) > 0);
    }
};

QTEST_MAIN(TestReportView)
#include "tst_ReportView.moc"
