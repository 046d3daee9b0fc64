// The chart pages lay out their model and say nothing of their own: every
// text of the model is found in the PDF the pages are written to (read back
// with pdftotext), for charts with every kind of note; an item of a list
// (a relation, a date and time) is never broken across lines; the current
// luck pillar and year are marked; a page keeps its proportions in any
// rectangle.
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include "ChartModel.h"
#include "app/pages/ChartPage.h"
#include "app/pages/ChartPageLayout.h"
#include "app/pages/LineBreak.h"
#include "app/pages/PageWriter.h"
#include "app/pages/ReplaceFile.h"
#include "app/pages/tests/DocumentTexts.h"
#include "app/pages/tests/PageTestSupport.h"

// The data rows carry a birth and its conventions.
Q_DECLARE_METATYPE(chart::BirthMoment)
Q_DECLARE_METATYPE(chart::Conventions)

using namespace pagetest;

namespace {

chart::ChartModel Cast(const chart::BirthMoment& birth, const chart::Conventions& conventions,
                       const std::string& place = "", int currentYear = 2024) {
    return chart::MakeChartModel(chart::ComputeChart(birth, conventions), {"王五", place, currentYear});
}

// 1988-07-01 13:10, 晚子时, true solar time at 北京 and the summer time taken
// back: the chart with a cast time, relations and three notes.
chart::ChartModel Model(int currentYear) {
    return Cast({1988, 7, 1, 13, 10, chart::Sex::Female}, {chart::ZiHour::Late, 116.4, true}, "北京",
                currentYear);
}

// The chart's pages written to a PDF; its text as pdftotext gives it, in
// reading order or (`layout`) line by line as the lines stand on the page.
QString ExportedText(const chart::ChartModel& m, bool layout, int* pages = nullptr) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.pdf"));
    QString error;
    if (!pages::WritePdf(pages::NativePath(path), pages::ChartPagePainters(m), &error)) return error;
    if (pages) *pages = PdfInfo(path, QStringLiteral("Pages")).toInt();
    QStringList arguments = {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")};
    if (layout) arguments.prepend(QStringLiteral("-layout"));
    return RunTool(QStringLiteral("pdftotext"), arguments);
}

}  // namespace

class tst_ChartPage : public QObject {
    Q_OBJECT

private slots:
    void everyTextOfTheModelIsOnThePages_data() {
        QTest::addColumn<chart::BirthMoment>("birth");
        QTest::addColumn<chart::Conventions>("conventions");
        QTest::addColumn<QString>("place");
        const chart::Conventions plain;
        QTest::newRow("summer time taken back, true solar time")
            << chart::BirthMoment{1988, 7, 1, 13, 10, chart::Sex::Female}
            << chart::Conventions{chart::ZiHour::Late, 116.4, true} << QStringLiteral("北京");
        QTest::newRow("the hour the clocks repeated, far west: every note at once")
            << chart::BirthMoment{1991, 9, 15, 0, 30, chart::Sex::Male}
            << chart::Conventions{chart::ZiHour::NextDay, 75.98, true} << QStringLiteral("喀什");
        QTest::newRow("a 节 inside the hour")
            << chart::BirthMoment{2024, 2, 4, 16, 0, chart::Sex::Male} << plain << QString();
        QTest::newRow("晚子时, summer time kept")
            << chart::BirthMoment{1990, 7, 2, 23, 30, chart::Sex::Female}
            << chart::Conventions{chart::ZiHour::Late, std::nullopt, false} << QString();
        QTest::newRow("the span's first day")
            << chart::BirthMoment{1900, 1, 31, 0, 0, chart::Sex::Female} << plain << QString();
        QTest::newRow("the span's last day")
            << chart::BirthMoment{2100, 12, 31, 22, 59, chart::Sex::Male} << plain << QString();
    }
    void everyTextOfTheModelIsOnThePages() {
        if (!HavePoppler()) QFAIL(kPopplerMissing);
        QFETCH(chart::BirthMoment, birth);
        QFETCH(chart::Conventions, conventions);
        QFETCH(QString, place);
        const chart::ChartModel m = Cast(birth, conventions, place.toStdString());
        int pages = 0;
        const QString all = Squeezed(ExportedText(m, false, &pages));
        QCOMPARE(pages, pages::ChartPageCount(m));
        QCOMPARE(pages, 2);
        QVERIFY2(!HasRadical(all), qPrintable(all));
        for (const QString& t : ChartTexts(m))
            QVERIFY2(all.contains(Squeezed(t)), qPrintable(t + QStringLiteral(" is not on the pages")));
        // Each relation and each date and time stands whole on one line.
        const QStringList lines = ExportedText(m, true).split(QLatin1Char('\n'));
        QStringList items;
        for (const chart::RelationText& r : m.relations) items << U(r.text);
        for (const std::string& note : m.notes) {
            QRegularExpressionMatchIterator it =
                QRegularExpression(QStringLiteral("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d")).globalMatch(U(note));
            while (it.hasNext()) items << it.next().captured();
        }
        for (const QString& item : items) {
            const QString squeezed = Squeezed(item);
            QVERIFY2(std::any_of(lines.begin(), lines.end(),
                                 [&](const QString& line) { return Squeezed(line).contains(squeezed); }),
                     qPrintable(item + QStringLiteral(" is broken across lines")));
        }
    }

    // Facts and notes that page 1 cannot hold continue on the pages after it,
    // whole and in order; none is lost however many there are.
    void overflowingNotesContinueOnFurtherPages() {
        if (!HavePoppler()) QFAIL(kPopplerMissing);
        chart::ChartModel m = Model(2024);
        for (int i = 0; i < 60; ++i)
            m.notes.push_back("第" + std::to_string(i) +
                              "条：出生于 1990-09-16 01:00 之后，此句较长以占一行之地");
        const int pages = pages::ChartPageCount(m);
        QVERIFY2(pages > 2, qPrintable(QString::number(pages)));
        int written = 0;
        const QString all = Squeezed(ExportedText(m, false, &written));
        QCOMPARE(written, pages);
        qsizetype at = 0;
        for (const std::string& note : m.notes) {
            const qsizetype found = all.indexOf(Squeezed(U(std::string(chart::kNotePrefix) + note)), at);
            QVERIFY2(found >= 0, qPrintable(U(note)));
            at = found;
        }
    }

    // The line breaker keeps an item whole: a run between blanks holding a
    // no-break space goes to the next line entire, unless it is wider than
    // the line itself.
    void itemsAreNeverBrokenInside_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("pieces");
        const QString nb(pages::kNoBreakSpace);
        QTest::newRow("relations break between items")
            << QStringLiteral("半会%1午巳(火)%1月日 自刑%1亥亥%1日时").arg(nb) << 15
            << QStringList{QStringLiteral("半会%1午巳(火)%1月日 ").arg(nb),
                           QStringLiteral("自刑%1亥亥%1日时").arg(nb)};
        QTest::newRow("a date and time go on together")
            << QStringLiteral("按标准时间 1990-09-16%101:00 排盘").arg(nb) << 20
            << QStringList{QStringLiteral("按标准时间 "), QStringLiteral("1990-09-16%101:00 排盘").arg(nb)};
        QTest::newRow("without items, any character may end a line")
            << QStringLiteral("自刑 亥亥 日时") << 7
            << QStringList{QStringLiteral("自刑 亥亥 日"), QStringLiteral("时")};
        QTest::newRow("an item wider than the line is broken where it must be")
            << QStringLiteral("自刑%1亥亥%1日时").arg(nb) << 6
            << QStringList{QStringLiteral("自刑%1亥亥%1").arg(nb), QStringLiteral("日时")};
    }
    void itemsAreNeverBrokenInside() {
        QFETCH(QString, line);
        QFETCH(int, width);
        QFETCH(QStringList, pieces);
        // Every character one unit wide.
        QCOMPARE(pages::BreakLine(line, width, [](QStringView) { return 1.0; }), pieces);
    }

    // The current luck pillar and year are ringed in the mark's red on the
    // luck page; with no current one (a year before the first luck pillar)
    // nothing is.
    void currentLuckAndYearAreMarked() {
        const auto redPixels = [](const chart::ChartModel& m) {
            QImage page = BlankPage(QSize(800, 1131));
            {
                QPainter painter(&page);
                pages::PaintChartPage(painter, QRectF(page.rect()), m, 1);
            }
            // The luck strip and the years, below the title.
            int red = 0;
            for (int y = 140; y < 1080; ++y)
                for (int x = 40; x < 760; ++x) {
                    const QRgb c = page.pixel(x, y);
                    red += qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 80 && qRed(c) - qBlue(c) > 100;
                }
            return red;
        };
        const int marked = redPixels(Model(2024));
        const int unmarked = redPixels(Model(1980));
        QVERIFY2(marked > unmarked + 200, qPrintable(QStringLiteral("%1 vs %2").arg(marked).arg(unmarked)));
    }

    // In a rectangle of other proportions a page keeps A4's and is centred:
    // its ink lies within a sheet of the rectangle's height, in the middle.
    void pageKeepsItsProportions() {
        for (int index = 0; index < 2; ++index) {
            QImage wide = BlankPage(QSize(1600, 1131));
            {
                QPainter painter(&wide);
                pages::PaintChartPage(painter, QRectF(wide.rect()), Model(2024), index);
            }
            int first = wide.width(), last = -1;
            for (int x = 0; x < wide.width(); ++x)
                if (InkIn(wide, QRect(x, 0, 1, wide.height())) > 0) {
                    first = std::min(first, x);
                    last = x;
                }
            const int sheet = static_cast<int>(pages::chartlayout::kSheetWidth);
            QVERIFY2(first >= (1600 - sheet) / 2 && last < (1600 + sheet) / 2,
                     qPrintable(QStringLiteral("ink from %1 to %2").arg(first).arg(last)));
            QVERIFY2(std::abs((first + last) / 2 - 800) <= 4,
                     qPrintable(QString::number((first + last) / 2)));
        }
    }
};

QTEST_MAIN(tst_ChartPage)
#include "tst_ChartPage.moc"
