// The documents every face prints: over many readings, the exported PDF
// holds the report page, then the chart's pages, then the analysis pages,
// and every text of the chart's model and of the analysis is on them (read
// back with pdftotext, each page's footer and running head left out).
#include <QTemporaryDir>
#include <QtTest>
#include <random>

#include "Analyze.h"
#include "Database.h"
#include "DatabaseTextSource.h"
#include "SqlConnectionString.h"
#include "app/pages/AnalysisPage.h"
#include "app/pages/ChartPage.h"
#include "app/pages/Documents.h"
#include "app/pages/PageWriter.h"
#include "app/pages/ReplaceFile.h"
#include "app/pages/tests/DocumentTexts.h"
#include "app/pages/tests/PageTestSupport.h"

using namespace pagetest;

namespace {

constexpr int kReadings = 10;
constexpr int kThisYear = 2026;

const pages::ReportPageText kReport{QStringLiteral("表头 REPORTHEADER"), QStringLiteral("正文 REPORTBODY"),
                                    0};

struct Written {
    int pages = 0;
    QStringList pageTexts;  // each page's text, furniture left in
    QString body;           // all pages' text, furniture left out
};

Written Export(const std::vector<pages::PagePainter>& document) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("document.pdf"));
    QString error;
    if (!pages::WritePdf(pages::NativePath(path), document, &error)) return {0, {error}, error};
    const QString text = PdfText(path);
    return {PdfInfo(path, QStringLiteral("Pages")).toInt(), text.split(QLatin1Char('\f')), BodyText(text)};
}

}  // namespace

class tst_Documents : public QObject {
    Q_OBJECT

    Connection m_connection;
    std::unique_ptr<DatabaseTextSource> m_texts;

private slots:
    void initTestCase() {
        QVERIFY2(HavePoppler(), kPopplerMissing);
        m_connection.Open(FormatConnectionString(KARVUTO_SHIPPED_DB), "", "", 0);
        m_texts = std::make_unique<DatabaseTextSource>(&m_connection);
    }

    // Births across the calendar's span under every convention.
    void readingDocumentsHoldEveryText() {
        std::mt19937 rng(2026);
        std::uniform_int_distribution<int> year(1901, 2099), month(1, 12), day(1, 28), hour(0, 23),
            minute(0, 59);
        const chart::ZiHour schools[] = {chart::ZiHour::Late, chart::ZiHour::NextDay, chart::ZiHour::SameDay};
        for (int i = 0; i < kReadings; ++i) {
            const chart::BirthMoment birth{year(rng),   month(rng),
                                           day(rng),    hour(rng),
                                           minute(rng), i % 2 ? chart::Sex::Male : chart::Sex::Female};
            chart::Conventions conventions;
            conventions.zi = schools[i % 3];
            if (i % 4 == 1) conventions.longitude = 87.6;
            conventions.dstCorrect = i % 5 != 2;
            const chart::Chart cast = chart::ComputeChart(birth, conventions);
            const chart::ChartModel model =
                chart::MakeChartModel(cast, {"王五", conventions.longitude ? "乌鲁木齐" : "", kThisYear});
            const analysis::Analysis a =
                analysis::Analyze(cast, {kThisYear, kThisYear + 1, kThisYear + 2}, *m_texts);
            const QString which = QStringLiteral("%1-%2-%3 %4:%5")
                                      .arg(birth.year)
                                      .arg(birth.month)
                                      .arg(birth.day)
                                      .arg(birth.hour)
                                      .arg(birth.minute);

            const Written w = Export(pages::ReadingDocument(kReport, &model, &a));
            const int chartPages = pages::ChartPageCount(model);
            const int analysisPages = pages::LayOutAnalysis(a, {model.person, model.solarLine}).PageCount();
            QCOMPARE(w.pages, 1 + chartPages + analysisPages);
            QVERIFY2(w.pageTexts.value(0).contains(QStringLiteral("REPORTHEADER")), qPrintable(which));
            QVERIFY2(w.pageTexts.value(1).contains(QStringLiteral("八字排盘")), qPrintable(which));
            for (int p = 1 + chartPages; p < w.pages; ++p)
                QVERIFY2(w.pageTexts.value(p).contains(QStringLiteral("命局分析")), qPrintable(which));
            const QString all = Squeezed(w.body);
            QVERIFY2(!HasRadical(all), qPrintable(which));
            for (const QString& text : ChartTexts(model) + AnalysisTexts(a))
                QVERIFY2(all.contains(Squeezed(text)), qPrintable(which + QStringLiteral(": ") + text));
        }
    }

    // The chart's document: the chart's pages alone, or with the analysis
    // after them; four pillars alone make an analysis-only reading.
    void partsThatAreNotWantedAreLeftOut() {
        const chart::Chart cast = chart::ComputeChart({1975, 1, 1, 12, 0}, {});
        const chart::ChartModel model = chart::MakeChartModel(cast, {"王五", "", kThisYear});
        const analysis::Analysis a = analysis::Analyze(cast, {kThisYear}, *m_texts);
        const int chartPages = pages::ChartPageCount(model);
        const int analysisPages = pages::LayOutAnalysis(a, {}).PageCount();
        QCOMPARE(int(pages::ChartDocument(model, nullptr).size()), chartPages);
        QCOMPARE(int(pages::ChartDocument(model, &a).size()), chartPages + analysisPages);
        QCOMPARE(int(pages::ReadingDocument(kReport, nullptr, nullptr).size()), 1);

        const analysis::Analysis alone =
            analysis::AnalyzePillars({0, 2, 4, 48}, *m_texts);  // 甲子丙寅戊辰壬子
        const Written w = Export(pages::ReadingDocument(kReport, nullptr, &alone));
        QCOMPARE(w.pages, 1 + pages::LayOutAnalysis(alone, {}).PageCount());
        QVERIFY(!w.body.contains(QStringLiteral("八字排盘")));
        const QString all = Squeezed(w.body);
        for (const QString& text : AnalysisTexts(alone))
            QVERIFY2(all.contains(Squeezed(text)), qPrintable(text));
    }
};

QTEST_MAIN(tst_Documents)
#include "tst_Documents.moc"
