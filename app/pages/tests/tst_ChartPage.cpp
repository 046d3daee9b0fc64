// The chart page lays out its model and says nothing of its own: every text
// of the model is found in the PDF the page is written to (read back with
// pdftotext), the current luck pillar and year are marked, and the page keeps
// its proportions in any rectangle.
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include "ChartModel.h"
#include "app/pages/ChartPage.h"
#include "app/pages/ChartPageLayout.h"
#include "app/pages/PageWriter.h"
#include "app/pages/ReplaceFile.h"
#include "app/pages/tests/PageTestSupport.h"

using namespace pagetest;

namespace {

QString U(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// Text without its blanks and line breaks: a wrapped line reads as one.
QString Squeezed(QString text) {
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text;
}

// 1988-07-01 13:10, 晚子时, true solar time at 北京 and the summer time taken
// back: the chart with a cast time, relations and two notes.
chart::ChartModel Model(int currentYear) {
    const chart::Chart c =
        chart::ComputeChart({1988, 7, 1, 13, 10, chart::Sex::Female}, {chart::ZiHour::Late, 116.4, true});
    return chart::MakeChartModel(c, {"王五", "北京", currentYear});
}

}  // namespace

class tst_ChartPage : public QObject {
    Q_OBJECT

private slots:
    void everyTextOfTheModelIsOnThePage() {
        if (!HavePoppler()) QFAIL(kPopplerMissing);
        const chart::ChartModel m = Model(2024);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("chart.pdf"));
        QString error;
        QVERIFY2(pages::WritePdf(pages::NativePath(path), {pages::ChartPagePainter(m)}, &error),
                 qPrintable(error));
        const QString page = Squeezed(PdfText(path));
        QVERIFY2(!HasRadical(page), qPrintable(page));

        QStringList texts = {U(m.person),
                             U(m.solarLine),
                             U(m.lunarLine),
                             U(m.conventions),
                             U(m.castTime),
                             U(m.missing),
                             U(m.luckLine),
                             U(std::string(chart::kRelationsLabel)),
                             U(std::string(chart::kElementsLabel)),
                             U(std::string(chart::kLuckLabel))};
        for (const chart::GridRowLabel& row : chart::kGridRows) texts << U(std::string(row.label));
        for (const chart::PillarColumn& c : m.columns) {
            texts << U(c.heading);
            for (const chart::GridRowLabel& row : chart::kGridRows)
                for (const std::string& line : chart::CellLines(c, row.row)) texts << U(line);
        }
        for (const chart::RelationText& r : m.relations) texts << U(r.text);
        for (const chart::FactLine& f : m.facts) texts << U(f.label) + U(f.text);
        for (const std::string& note : m.notes) texts << U(std::string(chart::kNotePrefix) + note);
        for (const chart::LuckText& l : m.luck) texts << U(l.age) << U(l.yearText) << U(l.tenGod);
        for (const chart::YearText& y : m.luck[static_cast<std::size_t>(m.shownLuck)].years)
            texts << U(y.yearText) << U(y.pillarName);
        for (const QString& text : texts)
            QVERIFY2(page.contains(Squeezed(text)), qPrintable(text + QStringLiteral(" is not on the page")));
    }

    // The current luck pillar and year are ringed in the mark's red; with
    // no current one (a year before the first luck pillar) nothing is.
    void currentLuckAndYearAreMarked() {
        const auto redPixels = [](const chart::ChartModel& m) {
            QImage page = BlankPage(QSize(800, 1131));
            {
                QPainter painter(&page);
                pages::PaintChartPage(painter, QRectF(page.rect()), m);
            }
            // The strips: below the elements, above the footer.
            int red = 0;
            for (int y = 850; y < 1080; ++y)
                for (int x = 40; x < 760; ++x) {
                    const QRgb c = page.pixel(x, y);
                    red += qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 80 && qRed(c) - qBlue(c) > 100;
                }
            return red;
        };
        const int marked = redPixels(Model(2024));
        const int unmarked = redPixels(Model(1990));
        QVERIFY2(marked > unmarked + 200, qPrintable(QStringLiteral("%1 vs %2").arg(marked).arg(unmarked)));
    }

    // In a rectangle of other proportions the page keeps A4's and is centred:
    // its ink lies within a sheet of the rectangle's height, in the middle.
    void pageKeepsItsProportions() {
        QImage wide = BlankPage(QSize(1600, 1131));
        {
            QPainter painter(&wide);
            pages::PaintChartPage(painter, QRectF(wide.rect()), Model(2024));
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
        QVERIFY2(std::abs((first + last) / 2 - 800) <= 4, qPrintable(QString::number((first + last) / 2)));
    }
};

QTEST_MAIN(tst_ChartPage)
#include "tst_ChartPage.moc"
