// The pages' one line breaker: the Chinese rules as a table of cases on the
// report's grid, the same rules held over many random lines, and the chart
// page's wrapped text drawn through it.
#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

#include "app/pages/GridText.h"
#include "app/pages/LineBreak.h"
#include "app/pages/tests/PageTestSupport.h"

namespace {

char32_t FirstCodePoint(const QString& s) {
    return s.isEmpty() ? 0 : s.toUcs4().front();
}
char32_t LastCodePoint(const QString& s) {
    return s.isEmpty() ? 0 : s.toUcs4().back();
}

// Grid widths: ASCII half a cell (1), anything else a whole one (2).
double GridWidth(QStringView c) {
    return c.front().unicode() < 0x80 ? 1.0 : 2.0;
}

// Grid width of a piece without its trailing spaces.
double GridWidthOf(const QString& piece) {
    qsizetype length = piece.size();
    while (length > 0 && (piece[length - 1] == u' ' || piece[length - 1] == u'\u3000')) --length;
    double width = 0;
    for (qsizetype i = 0; i < length; i += pages::CharLength(piece, i)) {
        width += GridWidth(QStringView(piece).mid(i, pages::CharLength(piece, i)));
    }
    return width;
}

}  // namespace

class tst_LineBreak : public QObject {
    Q_OBJECT

private slots:
    void breaksByTheChineseRules_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("halfCells");
        QTest::addColumn<QStringList>("pieces");
        const auto row = [](const char* name, const char* line, int halfCells, QStringList pieces) {
            QTest::newRow(name) << QString::fromUtf8(line) << halfCells << pieces;
        };
        const auto u = [](const char* s) { return QString::fromUtf8(s); };
        row("fits", "(阳历) 2000年", 13, {u("(阳历) 2000年")});
        row("Chinese breaks anywhere", "命理正文", 5, {u("命理"), u("正文")});
        row("a comma pulls the character before it down", "一二三，四", 6, {u("一二"), u("三，四")});
        row("a full stop too", "甲乙丙。丁", 6, {u("甲乙"), u("丙。丁")});
        row("two closing marks go down with one character", "一二三）。", 6, {u("一二"), u("三）。")});
        row("an ellipsis is never split nor opens a line", "一二三……", 8, {u("一二"), u("三……")});
        row("a dash pair is never split", "一二三——四", 8, {u("一二三"), u("——四")});
        row("opening punctuation goes down with what it opens", "一二（三）", 6, {u("一二"), u("（三）")});
        row("a corner bracket too", "一二「三」", 6, {u("一二"), u("「三」")});
        row("ASCII closing marks", "一二三, 四", 6, {u("一二"), u("三, 四")});
        row("a word moves whole to the next line", "ab cdef", 5, {u("ab "), u("cdef")});
        row("a date is a word", "时间1990-09-16 01:00", 12, {u("时间"), u("1990-09-16 "), u("01:00")});
        row("spaces stay at the end of a line", "一二   三", 4, {u("一二   "), u("三")});
        row("an ideographic space too", "一二\u3000\u3000三四", 4, {u("一二\u3000\u3000"), u("三四")});
        row("non-breaking spaces keep an item whole", "半会  自刑\u00a0亥亥\u00a0日时", 14,
            {u("半会  "), u("自刑\u00a0亥亥\u00a0日时")});
        row("a joined item wider than the line is cut", "自刑\u00a0亥亥\u00a0日时", 8,
            {u("自刑\u00a0亥"), u("亥\u00a0日时")});
        row("a joiner holds a date and its time", "至 1990-09-16\u00a001:00", 16,
            {u("至 "), u("1990-09-16\u00a001:00")});
        row("a joiner reaches no further than the Chinese punctuation", "出生于（1990-09-16\u00a001:00）", 20,
            {u("出生于"), u("（1990-09-16\u00a001:00）")});
        row("a word joiner keeps two characters together", "一二三日\u2060时", 8,
            {u("一二三"), u("日\u2060时")});
        row("a word longer than the line is cut", "abcdefg", 3, {u("abc"), u("def"), u("g")});
        row("with nowhere to break, closing marks hang", "一，，，", 2, {u("一，，，")});
        row("with nowhere to break, an opening mark goes down", "abc(def", 4, {u("abc"), u("(def")});
        row("a character never splits", "a\U0001F600b", 2, {u("a"), u("\U0001F600"), u("b")});
        row("empty", "", 4, {QString()});
    }
    void breaksByTheChineseRules() {
        QFETCH(QString, line);
        QFETCH(int, halfCells);
        QFETCH(QStringList, pieces);
        QCOMPARE(pages::WrapToGrid(line, halfCells), pieces);
    }

    // Random lines of Chinese text, punctuation, ASCII words, spaces and
    // joiners, at random widths: the pieces give the line back, no piece but
    // the first opens with closing punctuation, none but the last ends with
    // opening punctuation, every piece ends where the rules allow a break or
    // at a cut of a line that had nowhere to break, and a piece is wider than
    // the line only where it had to be.
    void randomLinesKeepTheRules() {
        const QStringList alphabet{
            QStringLiteral("命"), QStringLiteral("理"), QStringLiteral("运"),     QStringLiteral("，"),
            QStringLiteral("。"), QStringLiteral("、"), QStringLiteral("；"),     QStringLiteral("："),
            QStringLiteral("！"), QStringLiteral("？"), QStringLiteral("（"),     QStringLiteral("）"),
            QStringLiteral("「"), QStringLiteral("」"), QStringLiteral("《"),     QStringLiteral("》"),
            QStringLiteral("…"),  QStringLiteral("—"),  QStringLiteral("a"),      QStringLiteral("7"),
            QStringLiteral("-"),  QStringLiteral(":"),  QStringLiteral(","),      QStringLiteral("("),
            QStringLiteral(")"),  QStringLiteral(" "),  QStringLiteral("\u00a0"), QStringLiteral("\u3000"),
        };
        QRandomGenerator random(20240315);
        for (int round = 0; round < 1000; ++round) {
            QString line;
            const int length = random.bounded(1, 60);
            for (int k = 0; k < length; ++k) line += alphabet[random.bounded(int(alphabet.size()))];
            const int halfCells = random.bounded(2, 24);
            const QStringList pieces = pages::BreakLine(line, halfCells, GridWidth);
            const QByteArray where = line.toUtf8() + " at " + QByteArray::number(halfCells);
            QCOMPARE(pieces.join(QString()), line);
            qsizetype at = 0;
            for (qsizetype p = 0; p < pieces.size(); ++p) {
                const QString& piece = pieces[p];
                QVERIFY2(!piece.isEmpty(), where);
                if (p > 0) {
                    QVERIFY2(!pages::IsClosingPunctuation(FirstCodePoint(piece)), where);
                }
                at += piece.size();
                if (p + 1 == pieces.size()) break;
                QVERIFY2(!pages::IsOpeningPunctuation(LastCodePoint(piece)), where);
                // Inside the piece there was no break to take, or it ends at one.
                bool hadBreak = false;
                for (qsizetype k = at - piece.size() + 1; k < at; ++k) {
                    hadBreak = hadBreak || pages::MayBreakBefore(line, k);
                }
                QVERIFY2(pages::MayBreakBefore(line, at) || !hadBreak, where);
                if (GridWidthOf(piece) > halfCells) {
                    QVERIFY2(!hadBreak, where + " piece " + piece.toUtf8());
                }
            }
        }
    }

    // The chart page's wrapped texts go through the same rule: a text drawn
    // in a narrow box puts its comma on the line of the character before it.
    void wrappedTextKeepsCommasOffTheLineStart() {
        QImage page = pagetest::BlankPage(QSize(400, 400));
        QFont font(QStringLiteral("Noto Sans CJK SC"));
        font.setPixelSize(20);
        const double cell = QFontMetricsF(font).horizontalAdvance(QStringLiteral("命"));
        const double lineSpacing = QFontMetricsF(font).lineSpacing();
        {
            QPainter painter(&page);
            painter.setFont(font);
            painter.setPen(Qt::black);
            // Three characters a line: "一二三，" would open the second line with "，".
            pages::DrawWrappedText(painter, QRectF(10, 10, 3 * cell + 1, 300), Qt::AlignLeft,
                                   QStringLiteral("一二三，四"));
        }
        // The first line holds two characters, the second three ("三，四").
        const auto inkInCell = [&](int line, int column) {
            return pagetest::InkIn(
                page, QRectF(10 + column * cell + 2, 10 + line * lineSpacing + 2, cell - 4, lineSpacing - 4)
                          .toRect());
        };
        QVERIFY(inkInCell(0, 0) > 0);
        QVERIFY(inkInCell(0, 1) > 0);
        QCOMPARE(inkInCell(0, 2), 0);
        QVERIFY(inkInCell(1, 0) > 0);
        QVERIFY(inkInCell(1, 1) > 0);  // the comma's ink sits in its cell's lower left
        QVERIFY(inkInCell(1, 2) > 0);
        // Nothing is drawn outside the box.
        QCOMPARE(pagetest::InkIn(page, QRect(int(10 + 3 * cell + 2), 0, 400, 400)), 0);
    }
};

QTEST_MAIN(tst_LineBreak)
#include "tst_LineBreak.moc"
