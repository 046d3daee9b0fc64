// The analysis pages: every text of the analysis is on them (the PDF read
// back with pdftotext), for cast charts and for four pillars alone; a page
// breaks only between lines, never below its body, and never right after a
// section's title or an item's head; the stars are set as secondary.
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>
#include <random>

#include "Analyze.h"
#include "Database.h"
#include "DatabaseTextSource.h"
#include "SqlConnectionString.h"
#include "app/pages/AnalysisPage.h"
#include "app/pages/AnalysisPageLayout.h"
#include "app/pages/PageWriter.h"
#include "app/pages/ReplaceFile.h"
#include "app/pages/tests/DocumentTexts.h"
#include "app/pages/tests/PageTestSupport.h"

using namespace pagetest;

class tst_AnalysisPage : public QObject {
    Q_OBJECT

    Connection m_connection;
    std::unique_ptr<DatabaseTextSource> m_texts;

    analysis::Analysis Cast(const chart::BirthMoment& birth) {
        return analysis::Analyze(chart::ComputeChart(birth), {2024, 2025, 2026}, *m_texts);
    }

    // The analysis's pages written to a PDF, read back as text.
    QString Exported(const analysis::Analysis& a, const pages::AnalysisHeading& heading, int* pages) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("analysis.pdf"));
        QString error;
        if (!pages::WritePdf(pages::NativePath(path), pages::AnalysisPagePainters(a, heading), &error))
            return error;
        *pages = PdfInfo(path, QStringLiteral("Pages")).toInt();
        return BodyText(PdfText(path));
    }

private slots:
    void initTestCase() {
        m_connection.Open(FormatConnectionString(KARVUTO_SHIPPED_DB), "", "", 0);
        m_texts = std::make_unique<DatabaseTextSource>(&m_connection);
    }

    void everyTextIsOnThePages_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("hour");
        QTest::newRow("1988 summer") << 1988 << 7 << 1 << 13;
        QTest::newRow("1975 winter") << 1975 << 1 << 1 << 12;
        QTest::newRow("2024 on 立春") << 2024 << 2 << 4 << 16;
        QTest::newRow("1900, the span's start") << 1900 << 2 << 1 << 23;
    }
    void everyTextIsOnThePages() {
        if (!HavePoppler()) QFAIL(kPopplerMissing);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, hour);
        const analysis::Analysis a = Cast({year, month, day, hour, 0, chart::Sex::Female});
        const pages::AnalysisHeading heading{"王五  女  属龙", "阳历 1988年07月01日 13:10"};
        int pages = 0;
        const QString all = Squeezed(Exported(a, heading, &pages));
        QCOMPARE(pages, pages::LayOutAnalysis(a, heading).PageCount());
        QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));
        QVERIFY2(!HasRadical(all), qPrintable(all));
        const QStringList texts = AnalysisTexts(a) << U(heading.person) << U(heading.birth);
        for (const QString& text : texts)
            QVERIFY2(all.contains(Squeezed(text)), qPrintable(text + QStringLiteral(" is not on the pages")));
    }

    void fourPillarsAloneHaveSectionsOneToFourAndTheStars() {
        if (!HavePoppler()) QFAIL(kPopplerMissing);
        const analysis::Analysis a =
            analysis::AnalyzePillars({0, 2, 4, 48}, *m_texts);  // 甲子 丙寅 戊辰 壬子
        int pages = 0;
        const QString all = Squeezed(Exported(a, {}, &pages));
        for (const QString& text : AnalysisTexts(a))
            QVERIFY2(all.contains(Squeezed(text)), qPrintable(text + QStringLiteral(" is not on the pages")));
        QVERIFY(all.contains(QStringLiteral("四柱甲子丙寅戊辰壬子")));
        QVERIFY(!all.contains(QStringLiteral("大运")));
        QVERIFY(all.contains(QStringLiteral("五、神煞（参考）")));
    }

    // Over many charts: each text's lines, read across the pages in order,
    // give the text back whole; every line lies in its page's body; a
    // section's title or an item's head is never a page's last line.
    void pagesBreakOnlyBetweenLines() {
        using namespace pages::analysislayout;
        std::mt19937 rng(7);
        std::uniform_int_distribution<int> year(1901, 2099), month(1, 12), day(1, 28), hour(0, 23);
        for (int i = 0; i < 40; ++i) {
            const chart::BirthMoment birth{
                year(rng), month(rng), day(rng), hour(rng), 0, i % 2 ? chart::Sex::Male : chart::Sex::Female};
            const analysis::Analysis a = Cast(birth);
            const pages::AnalysisSheets sheets = pages::LayOutAnalysis(a, {});
            QString set;
            for (std::size_t p = 0; p < sheets.pages.size(); ++p) {
                const auto& lines = sheets.pages[p];
                QVERIFY(!lines.empty());
                const double top = p == 0 ? kFirstBodyTop : kLaterBodyTop;
                double last = top;
                for (const pages::SetLine& l : lines) {
                    QVERIFY2(l.top >= last - 0.01 && l.top + l.height <= kBodyBottom + 0.01,
                             qPrintable(l.text + QStringLiteral(" at %1").arg(l.top)));
                    last = l.top + l.height;
                    if (l.kind != pages::SetLine::Kind::Score) set += l.text + l.detail;
                }
                if (p + 1 < sheets.pages.size()) {
                    const pages::SetLine& end = lines.back();
                    QVERIFY2(end.kind != pages::SetLine::Kind::Section && !end.type.bold,
                             qPrintable(end.text + QStringLiteral(" ends page %1").arg(p + 1)));
                }
            }
            QString wanted;
            for (const QString& text : AnalysisTexts(a).mid(1)) wanted += text;
            set.remove(QStringLiteral("· "));
            QCOMPARE(Squeezed(set), Squeezed(wanted));
        }
    }

    // The stars' section is set in the quiet colour, the others in ink and red.
    void theStarsAreSecondary() {
        const pages::AnalysisSheets sheets = pages::LayOutAnalysis(Cast({1988, 7, 1, 13, 0}), {});
        bool inStars = false;
        int starLines = 0;
        for (const auto& page : sheets.pages)
            for (const pages::SetLine& l : page) {
                if (l.kind == pages::SetLine::Kind::Section)
                    inStars = l.text.contains(QStringLiteral("神煞"));
                QCOMPARE(l.secondary, inStars);
                if (inStars) {
                    ++starLines;
                    QCOMPARE(l.type.colour, pages::sheet::kQuiet);
                }
            }
        QVERIFY(starLines > 10);
    }
};

QTEST_MAIN(tst_AnalysisPage)
#include "tst_AnalysisPage.moc"
