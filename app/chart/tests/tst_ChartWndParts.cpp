// The chart window's parts that need no window: the pillars typed for
// 八字反推 and the windows' casts (every window of many charts' pillars
// casts back to them, summer time and the repeated hour included), where the
// window opens beside its owner, and the face composed at any size.
#include <QtTest>

#include "app/chart/ChartFace.h"
#include "app/chart/PillarQuery.h"
#include "app/chart/WindowPlace.h"
#include "res/bitmaps/BitmapIds.h"
#include "res/bitmaps/FaceLayout.h"
#include "skin/FrameSkin.h"
#include "skin/SkinBitmaps.h"

namespace {

QString U(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

calendar::PillarIndices PillarsOf(const chart::Chart& c) {
    return {c.pillars[0].pillar, c.pillars[1].pillar, c.pillars[2].pillar, c.pillars[3].pillar};
}

// Casts every window of `pillars` in the years given and checks the cast.
void CastEveryWindow(const calendar::PillarIndices& pillars, int from, int to,
                     const chart::Conventions& current) {
    for (const calendar::BirthWindow& w : calendar::FindBirthWindows(pillars, from, to)) {
        const auto cast = chartwnd::CastOfWindow(w, pillars, chart::Sex::Male, current);
        QVERIFY2(cast, chart::FormatSeconds(w.start).c_str());
        const chart::Chart c = chart::ComputeChart(cast->birth, cast->conventions);
        QVERIFY(PillarsOf(c) == pillars);
        QVERIFY(chart::ToSeconds(w.start) <= chart::ToSeconds(c.standardTime));
        QVERIFY(chart::ToSeconds(c.standardTime) <= chart::ToSeconds(w.end));
    }
}

}  // namespace

class tst_ChartWndParts : public QObject {
    Q_OBJECT

private slots:
    void readPillars_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pillars");  // "" when refused
        QTest::addColumn<QString>("refusal");
        QTest::newRow("compact") << "甲子丙寅戊辰壬子"
                                 << "甲子丙寅戊辰壬子"
                                 << "";
        QTest::newRow("blanks, full-width too") << " 甲子\u3000丙寅 戊辰\t壬子 "
                                                << "甲子丙寅戊辰壬子"
                                                << "";
        QTest::newRow("晚子时 hour") << "己卯丙子戊午甲子"
                                     << "己卯丙子戊午甲子"
                                     << "";
        QTest::newRow("empty") << ""
                               << ""
                               << "所输为 0 个字";
        QTest::newRow("nine characters") << "甲子丙寅戊辰壬子子"
                                         << ""
                                         << "所输为 9 个字";
        QTest::newRow("a Latin letter") << "甲子丙寅戊辰壬z"
                                        << ""
                                        << "第8字「z」不是地支";
        QTest::newRow("a branch for a stem") << "子子丙寅戊辰壬子"
                                             << ""
                                             << "第1字「子」不是天干";
        QTest::newRow("unlike parity") << "甲子丙寅戊辰壬丑"
                                       << ""
                                       << "「壬丑」不成干支";
        QTest::newRow("五虎遁") << "乙丑丙寅戊辰壬子"
                                << ""
                                << "月柱丙寅不合五虎遁：乙年寅月为戊寅";
        QTest::newRow("五鼠遁, 子 hour") << "甲子丙寅戊辰丙子"
                                         << ""
                                         << "时柱丙子不合五鼠遁：戊日子时为壬子，晚子时为甲子";
        QTest::newRow("五鼠遁, 亥 hour") << "甲子丙寅戊辰乙亥"
                                         << ""
                                         << "时柱乙亥不合五鼠遁：戊日亥时为癸亥";
    }
    void readPillars() {
        QFETCH(QString, typed);
        QFETCH(QString, pillars);
        QFETCH(QString, refusal);
        const chartwnd::PillarQuery q = chartwnd::ReadPillars(typed.toStdString());
        QCOMPARE(q.pillars.has_value(), !pillars.isEmpty());
        if (q.pillars) {
            QString names;
            for (int p : *q.pillars) names += U(chart::PillarName(p));
            QCOMPARE(names, pillars);
            QVERIFY(q.refusal.empty());
        } else {
            QVERIFY2(U(q.refusal).contains(refusal), q.refusal.c_str());
        }
    }

    void windowTexts() {
        const calendar::BirthWindow whole{
            {2000, 1, 1, 23, 0, 0}, {2000, 1, 1, 23, 59, 59}, calendar::ZiSchoolNeeded::Late};
        QCOMPARE(U(chartwnd::WindowSpanText(whole)), QStringLiteral("23:00–23:59"));
        const calendar::BirthWindow cut{
            {2024, 2, 4, 16, 26, 53}, {2024, 2, 4, 16, 59, 59}, calendar::ZiSchoolNeeded::Any};
        QCOMPARE(U(chartwnd::WindowSpanText(cut)), QStringLiteral("16:26:53–16:59:59"));
        QCOMPARE(U(chartwnd::ZiSchoolText(calendar::ZiSchoolNeeded::Any)), QStringLiteral("各派皆同"));
        QCOMPARE(U(chartwnd::ZiSchoolText(calendar::ZiSchoolNeeded::NextDay)), QStringLiteral("子初换日"));
        QCOMPARE(U(chartwnd::ZiSchoolText(calendar::ZiSchoolNeeded::SameDay)),
                 QStringLiteral("子时取当日干"));
    }

    // Every window of the pillars of births spread over the whole span casts
    // back to those pillars, under each school and with or without summer
    // time taken back.
    void everyWindowCastsItsPillars_data() {
        QTest::addColumn<int>("zi");
        QTest::addColumn<bool>("dstCorrect");
        QTest::newRow("晚子时, summer time taken back") << static_cast<int>(chart::ZiHour::Late) << true;
        QTest::newRow("子初换日, clock time kept") << static_cast<int>(chart::ZiHour::NextDay) << false;
        QTest::newRow("same day's 子 stem") << static_cast<int>(chart::ZiHour::SameDay) << true;
    }
    void everyWindowCastsItsPillars() {
        QFETCH(int, zi);
        QFETCH(bool, dstCorrect);
        chart::Conventions current;
        current.zi = static_cast<chart::ZiHour>(zi);
        current.dstCorrect = dstCorrect;
        current.longitude = 87.6;  // true solar time is set aside for the cast
        // A birth every 61 days and 7 hours or so, every clock hour in turn.
        std::int64_t t = chart::ToSeconds({1900, 3, 1, 0, 0, 0});
        const std::int64_t last = chart::ToSeconds({2100, 11, 1, 0, 0, 0});
        int births = 0;
        for (; t < last; t += 61 * chart::kSecondsPerDay + 7 * chart::kSecondsPerHour + 13 * 60, ++births) {
            const chart::DateTime d = chart::FromSeconds(t);
            const chart::Chart c =
                chart::ComputeChart({d.year, d.month, d.day, d.hour, d.minute, chart::Sex::Male});
            CastEveryWindow(PillarsOf(c), d.year, d.year, current);
        }
        QVERIFY(births > 1000);
    }

    // Summer time: a window inside it is cast for the clock an hour ahead;
    // in the hour the clocks repeated the clock reading would be taken for
    // summer time, so that window is cast with the clock time kept.
    void summerTimeWindows() {
        for (const chart::SummerPeriod& period : chart::ChinaSummerPeriods()) {
            for (const std::int64_t moment :
                 {period.forward + 1800, period.back - 1800, period.back + 1800}) {
                const chart::DateTime d = chart::FromSeconds(moment);
                chart::Conventions clock;
                clock.dstCorrect = false;  // d is standard time as it is
                const chart::Chart c =
                    chart::ComputeChart({d.year, d.month, d.day, d.hour, d.minute, chart::Sex::Male}, clock);
                CastEveryWindow(PillarsOf(c), d.year, d.year, chart::Conventions{});
            }
        }
        // 1988-09-11 01:00-01:59 standard time: the clocks went back at 02:00 summer time.
        chart::Conventions clock;
        clock.dstCorrect = false;
        const chart::Chart c = chart::ComputeChart({1988, 9, 11, 1, 30, chart::Sex::Male}, clock);
        for (const calendar::BirthWindow& w : calendar::FindBirthWindows(PillarsOf(c), 1988, 1988)) {
            if (w.start.month != 9 || w.start.day != 11) continue;
            const auto cast = chartwnd::CastOfWindow(w, PillarsOf(c), chart::Sex::Male, chart::Conventions{});
            QVERIFY(cast);
            QCOMPARE(cast->birth.hour, 1);
            QVERIFY(!cast->conventions.dstCorrect);
        }
    }

    void aWindowWithoutAWholeMinuteIsNotCast() {
        const chart::Chart c = chart::ComputeChart({2024, 2, 4, 16, 27, chart::Sex::Male});
        const calendar::BirthWindow slice{
            {2024, 2, 4, 16, 26, 53}, {2024, 2, 4, 16, 26, 59}, calendar::ZiSchoolNeeded::Any};
        QVERIFY(!chartwnd::CastOfWindow(slice, PillarsOf(c), chart::Sex::Male, {}));
        // Pillars the window does not have are never claimed.
        const calendar::BirthWindow other{
            {2024, 2, 4, 13, 0, 0}, {2024, 2, 4, 14, 59, 59}, calendar::ZiSchoolNeeded::Any};
        QVERIFY(!chartwnd::CastOfWindow(other, PillarsOf(c), chart::Sex::Male, {}));
    }

    void placeOnScreen_data() {
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("placed");
        const QRect laptop(0, 0, 1366, 768), side(1366, 0, 1280, 1024), panel(0, 0, 1366, 740);
        QTest::newRow("offset from the owner") << QRect(10, 10, 800, 580) << QSize(800, 600)
                                               << side.translated(-1366, 0) << QRect(50, 40, 800, 600);
        QTest::newRow("cut to a laptop, pushed up")
            << QRect(0, 0, 800, 580) << QSize(1280, 860) << laptop << QRect(40, 0, 1280, 768);
        QTest::newRow("a panel's height off")
            << QRect(0, 0, 800, 580) << QSize(1280, 860) << panel << QRect(40, 0, 1280, 740);
        QTest::newRow("owner at the bottom right")
            << QRect(900, 500, 800, 580) << QSize(1280, 860) << laptop << QRect(86, 0, 1280, 768);
        QTest::newRow("owner off the left edge")
            << QRect(-600, 300, 800, 580) << QSize(1000, 400) << laptop << QRect(0, 330, 1000, 400);
        QTest::newRow("second screen near its edge")
            << QRect(1366 + 450, 422, 800, 580) << QSize(1280, 860) << side << QRect(1366, 164, 1280, 860);
        QTest::newRow("no owner: centred")
            << QRect() << QSize(1000, 600) << side << QRect(1505, 211, 1000, 600);
    }
    void placeOnScreen() {
        QFETCH(QRect, owner);
        QFETCH(QSize, wanted);
        QFETCH(QRect, available);
        QFETCH(QRect, placed);
        const QRect got = chartwnd::PlaceOnScreen(owner, wanted, available);
        QCOMPARE(got, placed);
        QVERIFY(available.contains(got));
    }

    // The face at other sizes keeps its outline cut at the new corners, its
    // close button's corner and its fret repeated, at 1x and 2x alike.
    void faceAtAnySize_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1x") << qreal(1);
        QTest::newRow("2x") << qreal(2);
    }
    void faceAtAnySize() {
        QFETCH(qreal, ratio);
        const QImage skin = LoadBitmapResource(art::kChartFaceId, ratio);
        QVERIFY(!skin.isNull());
        for (const QSize size : {QSize(1280, 768), QSize(720, 520), QSize(860, 760)}) {
            const QImage face = chartwnd::ComposeChartFace(skin, size);
            QCOMPARE(face.devicePixelRatio(), ratio);
            QCOMPARE(face.size(), size * ratio);
            const QRegion shape = FrameRegionFromBitmap(face, size);
            QVERIFY(!shape.contains(QPoint(0, 0)) && !shape.contains(QPoint(size.width() - 1, 0)));
            QVERIFY(!shape.contains(QPoint(0, size.height() - 1)));
            QVERIFY(!shape.contains(QPoint(size.width() - 1, size.height() - 1)));
            QVERIFY(shape.contains(QPoint(size.width() / 2, size.height() / 2)));
            QVERIFY(shape.contains(QPoint(size.width() - 6, 6)));
            // The page frame's right line keeps its place at the right edge.
            const QRgb frameRight = skin.pixel(int((art::kChartFaceWidth - 9) * ratio), int(400 * ratio));
            QCOMPARE(face.pixel(int((size.width() - 9) * ratio), int(size.height() / 2 * ratio)), frameRight);
        }
        // The same size gives the skin back.
        QCOMPARE(chartwnd::ComposeChartFace(skin, QSize(860, 760)).convertToFormat(QImage::Format_RGB32),
                 skin.convertToFormat(QImage::Format_RGB32));
        QVERIFY(chartwnd::ComposeChartFace(skin, chartwnd::kSmallestFace - QSize(1, 0)).isNull());
        QVERIFY(chartwnd::ComposeChartFace(QImage(), QSize(900, 700)).isNull());
    }
};

QTEST_MAIN(tst_ChartWndParts)
#include "tst_ChartWndParts.moc"
