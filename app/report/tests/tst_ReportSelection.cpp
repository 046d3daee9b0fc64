// Selecting and copying the report's text: the layout the selection rests on
// agrees with the painted page character for character, points map to the
// places between characters, and the view selects and copies with the mouse
// and the keys.
#include <QClipboard>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QtTest>
#include <string>

#include "GbkCodec.h"
#include "app/pages/ReportLayout.h"
#include "app/report/ReportTextLayout.h"
#include "app/report/ReportView.h"

namespace {

using namespace pages::screen;

constexpr int kHalf = kReportEmPixels / 2;
// How far left of its cell a half-width character's ink may begin.
constexpr int kInkSlack = kHalf / 2 + 1;
const int kLeft = kHeaderText.left;
const int kHeaderTop = kHeaderText.top;
const int kBodyTop = kBodyText.top;

pages::ReportPageText Texts(const QString& header, const QString& body) {
    return {header, body, 0};
}

void SetTexts(CReportView& view, const QString& header, const QString& body) {
    ComposedReport report{};
    report.header = platform::Gbk(header.toStdString());
    report.body = platform::Gbk(body.toStdString());
    view.SetReport(std::move(report));
}

int Ink(const QImage& page, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += qGray(page.pixel(x, y)) < 128;
    return n;
}

// A body of many short paragraphs and one that wraps, with ASCII and hanzi.
QString LongBody() {
    QString body = QStringLiteral("◆称骨论命\n骨重: 总命重3两4钱 [ 年0.9 月0.6 日1.0 时0.9 ]\n");
    for (int i = 0; i < 12; ++i) body += QStringLiteral("一生衣禄无亏，ABC 123 命中。");
    return body + QStringLiteral("\n\n末段");
}

}  // namespace

class TestReportSelection : public QObject {
    Q_OBJECT
private slots:
    // Under every character the selection would cover, the page has ink, and
    // under every blank it has none: the layout is where the page paints.
    void layoutMatchesThePaintedPage() {
        CReportView view;
        SetTexts(view,
                 QStringLiteral("您的尊姓大名: 张三\n出生年月日时:(阴历) 兔(己卯)年   十一月廿五 子时\n"
                                "             (阳历) 2000年       01月01日 00时"),
                 LongBody());
        QImage page(780, 1020, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        view.OnDraw(&painter);
        painter.end();
        const ReportTextLayout layout(view.PageText());
        const QString text = layout.Text();
        int checked = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('\n')) continue;
            const QVector<QRect> boxes = layout.Boxes(i, i + 1);
            QCOMPARE(boxes.size(), 1);
            // A blank's box less its edge pixels stays clean (a neighbour's glyph may touch
            // the edge); a character inks its box, a narrow one such as ":" perhaps a few
            // pixels to the left, where its half-width font's side bearing puts it.
            const QString where = QStringLiteral("“%1” at %2").arg(text[i]).arg(i);
            if (text[i] == QLatin1Char(' ')) {
                QVERIFY2(Ink(page, boxes.first().adjusted(1, 1, -1, -1)) == 0,
                         qPrintable(where + " is blank but inked"));
            } else {
                QVERIFY2(Ink(page, boxes.first().adjusted(-kInkSlack, 0, 0, 0)) > 0,
                         qPrintable(where + " has no ink"));
            }
            ++checked;
        }
        QVERIFY2(checked > 300, qPrintable(QString::number(checked)));  // the whole sample
    }

    void positionAt_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("position");
        // Header "ab张\nx", body "甲乙" then a line that wraps.
        QTest::newRow("above the text") << QPoint(300, 0) << 0;
        QTest::newRow("left of the first line") << QPoint(0, kHeaderTop + 5) << 0;
        QTest::newRow("left half of a") << QPoint(kLeft + 2, kHeaderTop + 5) << 0;
        QTest::newRow("right half of a") << QPoint(kLeft + 4, kHeaderTop + 5) << 1;
        QTest::newRow("left half of 张") << QPoint(kLeft + 2 * kHalf + 5, kHeaderTop + 5) << 2;
        QTest::newRow("right half of 张") << QPoint(kLeft + 2 * kHalf + 7, kHeaderTop + 5) << 3;
        QTest::newRow("right of the first line") << QPoint(500, kHeaderTop + 5) << 3;
        QTest::newRow("second header line") << QPoint(kLeft + 4, kHeaderTop + kReportLineHeight + 2) << 5;
        QTest::newRow("between header and body: the header's end") << QPoint(100, kBodyTop - 3) << 5;
        QTest::newRow("body's first character") << QPoint(kLeft + 1, kBodyTop + 2) << 7;
        QTest::newRow("body's second line, wrapped: its first character")
            << QPoint(kLeft + 1, kBodyTop + 2 * kReportLineHeight + 2) << 10 + 114 / 2;
        QTest::newRow("below the text: the end") << QPoint(100, 990) << 10 + 60;
    }

    void positionAt() {
        QFETCH(QPoint, point);
        QFETCH(int, position);
        // The body's second paragraph is 60 hanzi, 120 half cells: 57 on the first line.
        const ReportTextLayout layout(
            Texts(QStringLiteral("ab张\nx"), QStringLiteral("甲乙\n") + QString(60, QChar(0x4E00))));
        QCOMPARE(layout.Text().size(), 10 + 60);
        QCOMPARE(layout.PositionAt(point), qsizetype(position));
    }

    // A stretch over a line end shows the line feed as half a cell; one box a line.
    void boxesOfAStretch() {
        const ReportTextLayout layout(Texts(QStringLiteral("ab张\nx"), QStringLiteral("甲乙")));
        QCOMPARE(layout.Boxes(1, 3),
                 (QVector<QRect>{QRect(kLeft + kHalf, kHeaderTop, 3 * kHalf, kReportLineHeight)}));
        QCOMPARE(layout.Boxes(3, 1), layout.Boxes(1, 3));
        const QVector<QRect> over = layout.Boxes(2, 8);  // 张, line feed, x, the part break, 甲
        QCOMPARE(over.size(), 3);
        QCOMPARE(over[0], QRect(kLeft + 2 * kHalf, kHeaderTop, 3 * kHalf, kReportLineHeight));
        QCOMPARE(over[1], QRect(kLeft, kHeaderTop + kReportLineHeight, 2 * kHalf, kReportLineHeight));
        QCOMPARE(over[2], QRect(kLeft, kBodyTop, 2 * kHalf, kReportLineHeight));
        QVERIFY(layout.Boxes(4, 4).isEmpty());
    }

    void emptyReportHasNoText() {
        const ReportTextLayout layout(Texts({}, {}));
        QVERIFY(layout.Text().isEmpty());
        QCOMPARE(layout.PositionAt(QPoint(100, 100)), qsizetype(0));
        CReportView view;
        view.SelectAll();
        QVERIFY(!view.HasSelection());
        QApplication::clipboard()->setText(QStringLiteral("before"));
        view.CopyAll();
        view.CopySelection();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    }

    // The mouse selects (a drag, Shift+click, a double click for a paragraph)
    // and the keys copy and select all, the page scrolled or not.
    void mouseAndKeys() {
        CReportView view;
        view.resize(780, 386);
        SetTexts(view, QStringLiteral("ab张\nx"), QStringLiteral("甲乙丙\n丁"));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QWidget* page = view.viewport();
        QTest::mousePress(page, Qt::LeftButton, {}, QPoint(kLeft + 4, kHeaderTop + 5));
        QTest::mouseMove(page, QPoint(kLeft + 2 * kHalf + 7, kHeaderTop + 5));
        QTest::mouseRelease(page, Qt::LeftButton, {}, QPoint(kLeft + 2 * kHalf + 7, kHeaderTop + 5));
        QCOMPARE(view.SelectedText(), QStringLiteral("b张"));
        QTest::mouseClick(page, Qt::LeftButton, Qt::ShiftModifier,
                          QPoint(kLeft + 5 * kHalf - 2, kBodyTop + 5));
        QCOMPARE(view.SelectedText(), QStringLiteral("b张\nx\n\n甲乙"));
        QVERIFY(view.hasFocus());
        QTest::keyClick(page, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("b张\nx\n\n甲乙"));
        QTest::mouseDClick(page, Qt::LeftButton, {}, QPoint(kLeft + 3, kBodyTop + 5));
        QCOMPARE(view.SelectedText(), QStringLiteral("甲乙丙"));
        QTest::keyClick(page, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(view.SelectedText(), QStringLiteral("ab张\nx\n\n甲乙丙\n丁"));
        // Scrolled down, a point of the view is further down the page.
        view.SetScrollSizes();
        view.verticalScrollBar()->setValue(kBodyTop - kHeaderTop);
        QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(kLeft + 1, kHeaderTop + 5));
        QTest::mouseClick(page, Qt::LeftButton, Qt::ShiftModifier,
                          QPoint(kLeft + 4 * kHalf + 1, kHeaderTop + 5));
        QCOMPARE(view.SelectedText(), QStringLiteral("甲乙"));
    }
};

QTEST_MAIN(TestReportSelection)
#include "tst_ReportSelection.moc"
