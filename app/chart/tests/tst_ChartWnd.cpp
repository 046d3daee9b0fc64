// The chart window: the conventions' controls recasting the chart (the texts
// of a chart are the model's, tested in chart/tests), a new birth into an
// open window, and the page as PDF and PNG.
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>
#include <ctime>

#include "Clock.h"
#include "app/KarvutoApp.h"
#include "app/MessageBox.h"
#include "app/chart/ChartWnd.h"
#include "app/report/tests/PrintTestSupport.h"

using chart::GridRow;

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

void PinYear(int year) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = 5;
    tm.tm_mday = 1;
    tm.tm_hour = 12;
    const auto instant = platform::Clock::from_time_t(timegm(&tm));
    platform::SetClockForTesting([instant] { return instant; });
}

// The four cells of a one-line grid row joined by "|".
QString Row(const CChartWnd& w, GridRow row) {
    QStringList cells;
    for (const chart::PillarColumn& c : w.Model().columns)
        cells << QString::fromStdString(chart::CellLines(c, row).front());
    return cells.join(QLatin1Char('|'));
}

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// Selects an item of a combo by its text.
void Choose(QComboBox* combo, const char* text) {
    const int index = combo->findText(U(text));
    QVERIFY2(index >= 0, text);
    combo->setCurrentIndex(index);
}

}  // namespace

class tst_ChartWnd : public QObject {
    Q_OBJECT
    std::vector<QString> m_boxes;

private slots:
    void initTestCase() {
        CKarvutoApp::SetDialogColors();
        SetMessageBoxHook([this](QWidget*, const QString& text, const QString&) { m_boxes.push_back(text); });
    }
    void init() {
        m_boxes.clear();
        PinYear(2024);
    }
    void cleanupTestCase() { platform::SetClockForTesting({}); }

    void conventionsRecastTheChart() {
        CChartWnd w(chart::BirthMoment{1988, 7, 1, 23, 30, chart::Sex::Male}, U("王五"));
        QCOMPARE(w.MinuteSpin()->value(), 30);
        // By default 晚子时 and summer time taken back: 22:30 standard time, the 亥 hour.
        QCOMPARE(Row(w, GridRow::Branch), U("辰|午|巳|亥"));
        w.SummerBox()->setChecked(false);
        // 晚子时: the same day, the next day's 子 hour; 子初换日: the next day.
        QCOMPARE(Row(w, GridRow::Stem), U("戊|戊|丁|壬"));
        QCOMPARE(Row(w, GridRow::Branch), U("辰|午|巳|子"));
        QVERIFY(Text(w.Model().conventions).startsWith(U("子时：晚子时")));
        Choose(w.ZiCombo(), "子初换日");
        QCOMPARE(Row(w, GridRow::Stem), U("戊|戊|戊|壬"));
        QCOMPARE(Row(w, GridRow::Branch), U("辰|午|午|子"));
        Choose(w.ZiCombo(), "子时取当日干");
        QCOMPARE(Row(w, GridRow::Stem), U("戊|戊|丁|庚"));

        // Summer time taken back: 22:30 standard time, the 亥 hour.
        w.SummerBox()->setChecked(true);
        QCOMPARE(Row(w, GridRow::Branch), U("辰|午|巳|亥"));
        QVERIFY(Text(w.Model().conventions).endsWith(U("夏令时：拨回标准时间")));
        QCOMPARE(Text(w.Model().castTime), U("按 1988-07-01 22:30 排盘"));
        w.SummerBox()->setChecked(false);

        // True solar time at 乌鲁木齐 (87.6°E): about two hours and 14 minutes
        // earlier, 21:16, the 亥 hour.
        QVERIFY(!w.PlaceCombo()->isEnabled());
        Choose(w.BasisCombo(), "真太阳时");
        QVERIFY(w.PlaceCombo()->isEnabled());
        Choose(w.PlaceCombo(), "乌鲁木齐");
        QCOMPARE(w.LongitudeSpin()->value(), chart::FindCapital("乌鲁木齐")->longitude);
        QCOMPARE(Row(w, GridRow::Branch), U("辰|午|巳|亥"));
        QVERIFY2(Text(w.Model().conventions).contains(U("真太阳时（乌鲁木齐 87.")),
                 qPrintable(Text(w.Model().conventions)));
        // A longitude typed in is no capital: the place turns to 自定经度.
        w.LongitudeSpin()->setValue(120.0);
        QCOMPARE(w.PlaceCombo()->currentText(), U("自定经度"));
        QVERIFY(!Text(w.Model().conventions).contains(U("乌鲁木齐")));
        QCOMPARE(Row(w, GridRow::Branch), U("辰|午|巳|子"));
        // The minute moves the birth by itself.
        Choose(w.BasisCombo(), "钟表时间");
        w.MinuteSpin()->setValue(59);
        QCOMPARE(Text(w.Model().solarLine), U("阳历 1988年07月01日 23:59"));
        QVERIFY(m_boxes.empty());
    }

    // A new birth into an open window keeps its conventions, takes the new minute.
    void newBirthKeepsTheConventions() {
        CChartWnd w(chart::BirthMoment{1988, 7, 1, 23, 30, chart::Sex::Male}, U("王五"));
        Choose(w.ZiCombo(), "子初换日");
        w.SetBirth({2000, 1, 1, 23, 0, chart::Sex::Female}, U("赵六"));
        QCOMPARE(w.MinuteSpin()->value(), 0);
        QCOMPARE(w.ZiCombo()->currentText(), U("子初换日"));
        QCOMPARE(Row(w, GridRow::Branch), U("卯|子|未|子"));  // 2000-01-02 is 己未
        QVERIFY(Text(w.Model().person).startsWith(U("赵六  女")));
    }

    void suggestedFileNames() {
        CChartWnd w(chart::BirthMoment{1975, 5, 20, 8, 0, chart::Sex::Male}, U("李/明"));
        QCOMPARE(w.SuggestedFileName("pdf"), U("李明-19750520-排盘.pdf"));
        w.SetBirth({1975, 5, 20, 8, 0, chart::Sex::Male}, QString());
        QCOMPARE(w.SuggestedFileName("png"), U("八字-19750520-排盘.png"));
    }

    void pdfExportReadsBackAsText() {
        if (!printtest::HavePoppler()) QFAIL(printtest::kPopplerMissing);
        QTemporaryDir dir;
        CChartWnd w(chart::BirthMoment{1988, 7, 1, 13, 10, chart::Sex::Female}, U("李四"));
        const QString path = dir.filePath(QStringLiteral("chart.pdf"));
        QString error;
        QVERIFY2(w.ExportPdf(path, &error), qPrintable(error));
        QCOMPARE(printtest::PdfInfo(path, QStringLiteral("Pages")), QStringLiteral("2"));
        const QString text = printtest::PdfText(path);
        QVERIFY2(!printtest::HasRadical(text), qPrintable(text));
        for (const char* word : {"八字排盘", "李四", "年柱", "时柱", "伤官", "劫财", "日主", "大运", "丁巳",
                                 "乙卯", "比肩", "偏印", "大林木", "缺：木金水"})
            QVERIFY2(text.contains(U(word)), word);
        // The stems and branches of the grid, one big character each.
        for (const char* ch : {"戊", "丁", "丙", "辰", "午", "巳"}) QVERIFY2(text.contains(U(ch)), ch);
    }

    void pngExportIsTwiceTheScreenWidth() {
        QTemporaryDir dir;
        CChartWnd w(chart::BirthMoment{1988, 7, 1, 13, 10, chart::Sex::Female}, U("李四"));
        const QString path = dir.filePath(QStringLiteral("chart.png"));
        QString error;
        QVERIFY2(w.ExportPng(path, &error), qPrintable(error));
        const QImage image(path);
        QCOMPARE(image.width(), 1600);
        QVERIFY(image.height() > 2 * 2200 && image.height() < 2 * 2400);  // two pages of A4's proportions
        // The stem of the day pillar is painted in fire's red somewhere.
        bool red = false;
        for (int y = 0; y < image.height() / 2 && !red; y += 2)
            for (int x = 0; x < image.width() && !red; x += 2) {
                const QRgb c = image.pixel(x, y);
                red = qRed(c) > 180 && qGreen(c) < 80 && qBlue(c) < 80;
            }
        QVERIFY(red);
    }

    // A file that cannot be written is an error, and an existing file stays
    // as it was until a new one is complete.
    void exportToAnUnwritablePlaceFails() {
        QTemporaryDir dir;
        CChartWnd w(chart::BirthMoment{1988, 7, 1, 13, 10, chart::Sex::Female}, U("李四"));
        QString error;
        QVERIFY(!w.ExportPdf(dir.filePath(QStringLiteral("missing/chart.pdf")), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!w.ExportPng(dir.filePath(QStringLiteral("missing/chart.png")), &error));

        const QString kept = dir.filePath(QStringLiteral("kept.pdf"));
        QFile old(kept);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        const bool wrote = w.ExportPdf(kept, &error);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (::geteuid() != 0) {  // root writes anywhere
            QVERIFY(!wrote);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), QByteArray("old"));
        }
    }

    void windowIsSkinnedAndPrintsItsPages() {
        CChartWnd w(chart::BirthMoment{1988, 7, 1, 13, 10, chart::Sex::Female}, U("李四"));
        QCOMPARE(w.size(), QSize(860, 760));
        QVERIFY(w.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(w.windowTitle(), U("八字排盘与大运"));
        QImage page(2244, 3272, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        CPrintInfo info;
        info.drawRect = page.rect();
        w.OnBeginPrinting(&painter, &info);
        QCOMPARE(info.maxPage, 2);
        w.OnPrint(&painter, &info);
        painter.end();
        QVERIFY(printtest::InkIn(page, QRect(0, 0, 2244, 400)) > 1000);     // the title and the person
        QVERIFY(printtest::InkIn(page, QRect(0, 2600, 2244, 400)) > 1000);  // the notes at the foot
    }
};

QTEST_MAIN(tst_ChartWnd)
#include "tst_ChartWnd.moc"
