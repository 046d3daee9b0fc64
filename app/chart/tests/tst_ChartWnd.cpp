// The chart window: the conventions' controls recasting the chart (the texts
// of a chart are the model's, tested in chart/tests), the luck, years and
// months to click, 八字反推 from the window, the analysis tab, the window on
// a laptop's screen and beside a form near a screen's edge, the form's new
// reading, the keyboard, and the document as PDF and PNG. The tests run on
// two offscreen screens, a 1366 x 768 laptop and a 1280 x 1024 one to its
// right (screens.json).
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>
#include <ctime>
#include <numeric>

#include "Clock.h"
#include "DatabaseTextSource.h"
#include "DialogTemplates.h"
#include "app/KarvutoApp.h"
#include "app/KarvutoDlg.h"
#include "app/MessageBox.h"
#include "app/NameEdit.h"
#include "app/chart/ChartWnd.h"
#include "app/chart/LuckPanel.h"
#include "app/chart/PillarSearchPanel.h"
#include "app/chart/PillarStrip.h"
#include "app/report/tests/PrintTestSupport.h"
#include "skin/StateBitmapButton.h"

using chart::GridRow;

namespace {

constexpr int kPinnedYear = 2024;

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
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

std::array<int, 4> Pillars(const chart::Chart& c) {
    return {c.pillars[0].pillar, c.pillars[1].pillar, c.pillars[2].pillar, c.pillars[3].pillar};
}

// Selects an item of a combo by its text.
void Choose(QComboBox* combo, const char* text) {
    const int index = combo->findText(U(text));
    QVERIFY2(index >= 0, text);
    combo->setCurrentIndex(index);
}

void ClickCell(CPillarStrip* strip, int cell) {
    QTest::mouseClick(strip->viewport(), Qt::LeftButton, {}, strip->CellRect(cell).center());
}

// Types text as key events (QTest's own key clicks take Latin-1 only).
void TypeText(QWidget* w, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &release);
    }
}

// The widget among `named` that holds the focus (the focus may sit on an
// inner part, such as a spin box's line edit or a tab widget's bar).
QWidget* FocusAmong(const std::vector<QWidget*>& named) {
    for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget())
        if (std::find(named.begin(), named.end(), w) != named.end()) return w;
    return nullptr;
}

// A source whose tables cannot be read, as a damaged database would answer.
class UnreadableTexts : public analysis::TextSource {
public:
    std::optional<std::string> Text(analysis::TextTable, const analysis::TextKey&) const override {
        throw std::runtime_error("数据表无法读取");
    }
};

}  // namespace

class tst_ChartWnd : public QObject {
    Q_OBJECT
    std::vector<QString> m_boxes;
    CKarvutoApp m_app;  // opens the shipped database the way start-up does
    std::unique_ptr<DatabaseTextSource> m_texts;

    const analysis::TextSource& Texts() const { return *m_texts; }

private slots:
    void initTestCase() {
        CKarvutoApp::SetDialogColors();
        SetMessageBoxHook([this](QWidget*, const QString& text, const QString&) { m_boxes.push_back(text); });
        m_app.m_szDbPath = CKarvutoApp::DatabasePathIn(QCoreApplication::applicationDirPath().toStdString());
        QVERIFY2(m_app.OpenDatabase(), "the shipped Karvuto.mdb beside the tests");
        m_texts = std::make_unique<DatabaseTextSource>(m_app.m_pConnection.get());
        QCOMPARE(QGuiApplication::screens().size(), 2);
    }
    void init() {
        m_boxes.clear();
        PinYear(kPinnedYear);
    }
    void cleanupTestCase() {
        platform::SetClockForTesting({});
        m_texts.reset();
        m_app.CloseDatabase();
    }

    void conventionsRecastTheChart() {
        CChartWnd w(chart::BirthMoment{1988, 7, 1, 23, 30, chart::Sex::Male}, U("王五"), Texts());
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

        // Conventions set from outside (a saved person's) show in the controls;
        // a capital's longitude under another name is 自定经度.
        chart::Conventions saved;
        saved.zi = chart::ZiHour::NextDay;
        saved.longitude = chart::FindCapital("广州")->longitude;
        w.SetConventions(5, saved, U("广州"));
        QCOMPARE(w.PlaceCombo()->currentText(), U("广州"));
        QCOMPARE(w.BasisCombo()->currentIndex(), 1);
        QCOMPARE(w.MinuteSpin()->value(), 5);
        QCOMPARE(w.Chart().birth.minute, 5);
        QVERIFY(w.ConventionsNow().zi == chart::ZiHour::NextDay);
        QCOMPARE(*w.Chart().conventions.longitude, *saved.longitude);
        QCOMPARE(w.ModelInputNow().place, std::string("广州"));
        w.SetConventions(5, saved, U("佛山"));
        QCOMPARE(w.PlaceCombo()->currentText(), U("自定经度"));
        QCOMPARE(*w.Chart().conventions.longitude, *saved.longitude);
        QVERIFY(m_boxes.empty());
    }

    // A new birth into an open window keeps its conventions, takes the new
    // minute and names the new person in the title.
    void newBirthKeepsTheConventions() {
        CChartWnd w(chart::BirthMoment{1988, 7, 1, 23, 30, chart::Sex::Male}, U("王五"), Texts());
        QCOMPARE(w.windowTitle(), U("八字排盘与大运 — 王五"));
        Choose(w.ZiCombo(), "子初换日");
        w.SetBirth({2000, 1, 1, 23, 0, chart::Sex::Female}, U("赵六"));
        QCOMPARE(w.MinuteSpin()->value(), 0);
        QCOMPARE(w.ZiCombo()->currentText(), U("子初换日"));
        QCOMPARE(Row(w, GridRow::Branch), U("卯|子|未|子"));  // 2000-01-02 is 己未
        QVERIFY(Text(w.Model().person).startsWith(U("赵六  女")));
        QCOMPARE(w.windowTitle(), U("八字排盘与大运 — 赵六"));
    }

    // The form's chart window follows each new reading, its title naming the
    // person; a reading of an impossible date leaves it as it was, titled
    // with the person it shows.
    void newReadingRefreshesTheWindow() {
        CKarvutoDlg form(nullptr, 0, m_app.m_pConnection.get());
        auto* name = form.Item<CNameEdit>(res::IDC_NAME);
        TypeText(name, U("王五"));
        form.OnReading();
        form.OnChart();
        QPointer<CChartWnd> window = form.ChartWindow();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), U("八字排盘与大运 — 王五"));
        const int firstYear = window->Chart().birth.year;

        name->clear();
        TypeText(name, U("赵六"));
        auto* year = form.Item<QComboBox>(res::IDC_YEAR);
        year->setCurrentIndex(year->findData(1990));
        form.OnReading();
        QCOMPARE(form.ChartWindow(), window.data());
        QCOMPARE(window->windowTitle(), U("八字排盘与大运 — 赵六"));
        QCOMPARE(window->Chart().birth.year, 1990);
        QVERIFY(firstYear != 1990);
        QVERIFY(Text(window->Model().person).startsWith(U("赵六")));

        auto* month = form.Item<QComboBox>(res::IDC_MONTH);
        auto* day = form.Item<QComboBox>(res::IDC_DAY);
        month->setCurrentIndex(1);  // 1990-02-31: no such day
        day->setCurrentIndex(30);
        m_boxes.clear();
        form.OnReading();
        QCOMPARE(m_boxes.size(), std::size_t(1));  // the reading's own refusal, not a second box
        QCOMPARE(window->Chart().birth.year, 1990);
        QCOMPARE(window->windowTitle(), U("八字排盘与大运 — 赵六"));
    }

    void luckClickShowsItsYears_data() {
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("mouse") << false;
        QTest::newRow("keyboard") << true;
    }
    void luckClickShowsItsYears() {
        QFETCH(bool, byKeyboard);
        CChartWnd w(chart::BirthMoment{1988, 7, 1, 13, 10, chart::Sex::Female}, U("李四"), Texts());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        CLuckPanel* panel = w.LuckPanel();
        CPillarStrip* strip = panel->LuckStrip();
        const chart::Luck& luck = w.Chart().luck;
        const int offset = luck.xiaoyun.empty() ? 0 : 1;  // 小运 leads the strip
        QCOMPARE(strip->count(), static_cast<int>(luck.pillars.size()) + offset);
        // The present (2024) is picked at first, in its luck pillar.
        QCOMPARE(w.PickedYear(), kPinnedYear);
        QCOMPARE(w.PickedLuck(), w.Model().currentLuck);

        for (const int target : {6, 2, 9}) {
            const int cell = target + offset;
            if (byKeyboard) {
                strip->setFocus();
                const Qt::Key key = cell > strip->currentRow() ? Qt::Key_Right : Qt::Key_Left;
                while (strip->currentRow() != cell) QTest::keyClick(strip, key);
            } else {
                ClickCell(strip, cell);
            }
            QCOMPARE(w.PickedLuck(), target);
            QCOMPARE(w.Model().shownLuck, target);  // the page shows its years too
            const chart::LuckPillar& picked = luck.pillars[static_cast<std::size_t>(target)];
            std::vector<int> years(10);
            std::iota(years.begin(), years.end(), picked.startYear);
            QCOMPARE(panel->ShownYears(), years);
            // Each year cell names the year and the engine's pillar of it.
            for (int y = 0; y < 10; ++y) {
                const QString cellText = panel->YearStrip()->item(y)->text();
                QVERIFY2(cellText.contains(QString::number(years[y])) &&
                             cellText.contains(Text(chart::PillarName(chart::YearPillarOfYear(years[y])))),
                         qPrintable(cellText));
            }
            // The present year is picked where the luck pillar holds it, else its first.
            const bool present = kPinnedYear >= years.front() && kPinnedYear <= years.back();
            QCOMPARE(w.PickedYear(), present ? kPinnedYear : picked.startYear);
            QCOMPARE(panel->YearStrip()->currentRow(), present ? kPinnedYear - years.front() : 0);
        }
    }

    // Years before the first luck pillar are 小运: the strip leads with them.
    void xiaoyunYearsAreTheFirstCell() {
        // A 庚 year, a boy: forward, the day after 惊蛰, about ten years to the first.
        CChartWnd w(chart::BirthMoment{2020, 3, 6, 10, 0, chart::Sex::Male}, U("小孩"), Texts());
        const chart::Luck& luck = w.Chart().luck;
        QVERIFY2(luck.xiaoyun.size() > 4, "born 2020, the first luck pillar after 2024");
        CLuckPanel* panel = w.LuckPanel();
        QCOMPARE(panel->LuckStrip()->item(0)->text(), U("1岁 2020 小运"));
        // The present lies among them and is picked.
        QCOMPARE(w.PickedLuck(), kXiaoYunLuck);
        QCOMPARE(w.PickedYear(), kPinnedYear);
        std::vector<int> years;
        for (const chart::XiaoYun& x : luck.xiaoyun) years.push_back(x.year);
        QCOMPARE(panel->ShownYears(), years);
        // Each year names its 小运 pillar.
        for (std::size_t i = 0; i < years.size(); ++i)
            QVERIFY(panel->YearStrip()
                        ->item(static_cast<int>(i))
                        ->text()
                        .endsWith(U("运") + Text(chart::PillarName(luck.xiaoyun[i].pillar))));
        w.PickLuck(0);
        QCOMPARE(panel->ShownYears().front(), luck.pillars[0].startYear);
    }

    // A year picked shows its twelve months (their pillars and 节 as the
    // engine casts a birth in each) and its judgement.
    void yearClickShowsItsMonthsAndJudgement() {
        CChartWnd w(chart::BirthMoment{1988, 7, 1, 13, 10, chart::Sex::Female}, U("李四"), Texts());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        CLuckPanel* panel = w.LuckPanel();
        const int cell = 2;
        const int year = panel->ShownYears()[cell];
        QVERIFY(year < kPinnedYear);
        ClickCell(panel->YearStrip(), cell);
        QCOMPARE(w.PickedYear(), year);

        QTableWidget* months = panel->MonthTable();
        QCOMPARE(months->rowCount(), 12);
        for (int row = 0; row < 12; ++row) {
            // A birth on the 20th of the month, well inside it by its 节.
            const int month = 2 + row;
            const chart::BirthMoment inside{
                month > 12 ? year + 1 : year, (month - 1) % 12 + 1, 20, 12, 0, chart::Sex::Male};
            const chart::Chart c = chart::ComputeChart(inside);
            QCOMPARE(months->item(row, 1)->text(), Text(chart::PillarName(c.pillars[1].pillar)));
            QCOMPARE(months->item(row, 2)->text(),
                     QString::fromUtf8(chart::TermName(c.previousTerm.term).data()));
            QCOMPARE(months->item(row, 3)->text(), Text(chart::FormatMinutes(c.previousTerm.time)));
        }
        QVERIFY(panel->MonthsHeading()->text().contains(QString::number(year)));

        // The judgement is the analysis's finding for that year, which the
        // analysis tab lists with this year and the next two.
        const analysis::Analysis* a = w.AnalysisShown();
        QVERIFY(a != nullptr);
        std::vector<int> judged;
        for (const analysis::FortuneFinding& f : a->years) judged.push_back(f.year);
        QCOMPARE(judged, (std::vector<int>{year, kPinnedYear, kPinnedYear + 1, kPinnedYear + 2}));
        const QString judgement = panel->Judgement()->toPlainText();
        QVERIFY2(judgement.contains(QStringLiteral("%1年").arg(year)), qPrintable(judgement));
        QVERIFY(judgement.contains(Text(chart::PillarName(chart::YearPillarOfYear(year)))));
        QVERIFY(w.AnalysisView()->toPlainText().contains(QStringLiteral("%1年").arg(year)));

        // Another convention keeps the year picked.
        Choose(w.ZiCombo(), "子初换日");
        QCOMPARE(w.PickedYear(), year);
    }

    void yearOutsideTheCalendarHasNoMonths() {
        CChartWnd w(chart::BirthMoment{2090, 7, 1, 13, 10, chart::Sex::Female}, U("远孙"), Texts());
        w.PickLuck(5);  // years past 2100
        const int year = w.LuckPanel()->ShownYears().back();
        QVERIFY(year > chart::kLastChartYear);
        w.PickYear(year);
        QCOMPARE(w.LuckPanel()->MonthTable()->rowCount(), 0);
        QVERIFY(w.LuckPanel()->MonthsHeading()->text().contains(U("不在历法范围")));
        QVERIFY(w.AnalysisShown() != nullptr);
    }

    // 八字反推 round trip: a chart's pillars typed into the field find a
    // window holding its birth; picking it casts the same pillars again.
    void searchRoundTrip_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<int>("zi");
        QTest::addColumn<QString>("school");
        const int late = static_cast<int>(chart::ZiHour::Late),
                  next = static_cast<int>(chart::ZiHour::NextDay);
        QTest::newRow("an ordinary hour") << 1975 << 5 << 20 << 8 << 30 << late << U("各派皆同");
        QTest::newRow("晚子时") << 2000 << 1 << 1 << 23 << 20 << late << U("晚子时");
        QTest::newRow("子初换日") << 2000 << 1 << 1 << 23 << 20 << next << U("子初换日");
        QTest::newRow("summer time") << 1988 << 7 << 1 << 13 << 10 << late << U("各派皆同");
        // 立春 2024-02-04 16:26:53: the window starts with the 节, mid-minute.
        QTest::newRow("the minute after 立春") << 2024 << 2 << 4 << 16 << 27 << late << U("各派皆同");
    }
    void searchRoundTrip() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(int, zi);
        QFETCH(QString, school);
        CChartWnd w(chart::BirthMoment{year, month, day, hour, minute, chart::Sex::Female}, U("李四"),
                    Texts());
        w.ZiCombo()->setCurrentIndex(w.ZiCombo()->findData(zi));
        const chart::Chart original = w.Chart();
        QStringList names;
        for (const chart::Pillar& p : original.pillars) names << Text(chart::PillarName(p.pillar));

        w.Tabs()->setCurrentIndex(CChartWnd::kSearchTab);
        CPillarSearchPanel* search = w.SearchPanel();
        QCOMPARE(search->SexCombo()->currentText(), U("女"));
        search->PillarsEdit()->setText(names.join(QChar(0x3000)));  // full-width blanks between
        QTest::keyClick(search->PillarsEdit(), Qt::Key_Return);
        const std::vector<calendar::BirthWindow>& windows = search->Windows();
        const std::int64_t birth = chart::ToSeconds(original.standardTime);
        int row = -1;
        for (std::size_t i = 0; i < windows.size(); ++i)
            if (chart::ToSeconds(windows[i].start) <= birth && birth <= chart::ToSeconds(windows[i].end))
                row = static_cast<int>(i);
        QVERIFY2(row >= 0, qPrintable(search->Status()->text()));
        QTreeWidget* results = search->Results();
        QCOMPARE(results->topLevelItemCount(), static_cast<int>(windows.size()));
        QCOMPARE(results->topLevelItem(row)->text(2), school);

        search->SexCombo()->setCurrentIndex(1);
        results->setCurrentItem(results->topLevelItem(row));
        QTest::keyClick(results, Qt::Key_Return);
        QCOMPARE(w.Tabs()->currentIndex(), static_cast<int>(CChartWnd::kChartTab));
        QCOMPARE(Pillars(w.Chart()), Pillars(original));
        QVERIFY(w.Chart().birth.sex == chart::Sex::Female);
        QVERIFY(w.Chart().conventions.zi == original.conventions.zi || school == U("各派皆同"));
        const std::int64_t cast = chart::ToSeconds(w.Chart().standardTime);
        QVERIFY(chart::ToSeconds(windows[static_cast<std::size_t>(row)].start) <= cast);
        QVERIFY(cast <= chart::ToSeconds(windows[static_cast<std::size_t>(row)].end));
        // No saved person's chart: the title names the pillars instead.
        QCOMPARE(w.windowTitle(), U("八字排盘与大运 — 反推 ") + names.join(QLatin1Char(' ')));
        QVERIFY(!Text(w.Model().person).contains(U("李四")));
        QVERIFY(m_boxes.empty());
    }

    // A window found is cast for clock time even where true solar time was on.
    void searchResultIsCastForClockTime() {
        CChartWnd w(chart::BirthMoment{1975, 5, 20, 8, 30, chart::Sex::Male}, U("王五"), Texts());
        Choose(w.BasisCombo(), "真太阳时");
        w.SearchPanel()->PillarsEdit()->setText(U("乙卯辛巳庚辰庚辰"));
        w.SearchPanel()->Search();
        QVERIFY(!w.SearchPanel()->Windows().empty());
        w.SearchPanel()->CastButton()->click();
        QCOMPARE(w.BasisCombo()->currentIndex(), 0);
        QCOMPARE(Text(chart::PillarName(w.Chart().pillars[3].pillar)), U("庚辰"));
    }

    void invalidPillarsAreRefusedWithTheRule_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("rule");
        QTest::newRow("six characters") << U("甲子丙寅戊辰") << 1900 << 2100 << U("八个字");
        QTest::newRow("no branch") << U("甲子丙寅戊辰壬x") << 1900 << 2100 << U("第8字「x」不是地支");
        QTest::newRow("no stem") << U("甲子丙寅午辰壬子") << 1900 << 2100 << U("第5字「午」不是天干");
        QTest::newRow("unlike parity") << U("甲丑丙寅戊辰壬子") << 1900 << 2100 << U("「甲丑」不成干支");
        QTest::newRow("五虎遁") << U("甲子戊寅戊辰壬子") << 1900 << 2100
                                << U("月柱戊寅不合五虎遁：甲年寅月为丙寅");
        QTest::newRow("五鼠遁") << U("甲子丙寅戊辰丙寅") << 1900 << 2100
                                << U("时柱丙寅不合五鼠遁：戊日寅时为甲寅");
        QTest::newRow("五鼠遁 at 子")
            << U("甲子丙寅戊辰丙子") << 1900 << 2100 << U("戊日子时为壬子，晚子时为甲子");
        QTest::newRow("years reversed")
            << U("甲子丙寅戊辰壬子") << 2000 << 1990 << U("2000 在终止年份 1990 之后");
    }
    void invalidPillarsAreRefusedWithTheRule() {
        QFETCH(QString, typed);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, rule);
        CChartWnd w(chart::BirthMoment{1975, 5, 20, 8, 0, chart::Sex::Male}, U("王五"), Texts());
        const auto before = Pillars(w.Chart());
        CPillarSearchPanel* search = w.SearchPanel();
        search->PillarsEdit()->setText(U("甲子丙寅戊辰壬子"));
        search->Search();
        QVERIFY(search->Results()->topLevelItemCount() > 0);
        search->PillarsEdit()->setText(typed);
        search->FromSpin()->setValue(from);
        search->ToSpin()->setValue(to);
        QTest::mouseClick(search->SearchButton(), Qt::LeftButton);
        QVERIFY2(search->Status()->text().contains(rule), qPrintable(search->Status()->text()));
        QCOMPARE(search->Results()->topLevelItemCount(), 0);
        QVERIFY(!search->CastButton()->isEnabled());
        QCOMPARE(Pillars(w.Chart()), before);
        QVERIFY(m_boxes.empty());
    }

    // The analysis tab lays out every section with its method, and follows
    // every new birth and convention.
    void analysisTabShowsTheSections() {
        CChartWnd w(chart::BirthMoment{2000, 1, 1, 23, 20, chart::Sex::Male}, U("王五"), Texts());
        QCOMPARE(w.Tabs()->tabText(CChartWnd::kAnalysisTab), U("命局分析"));
        const QString text = w.AnalysisView()->toPlainText();
        for (analysis::Section s :
             {analysis::Section::Strength, analysis::Section::Pattern, analysis::Section::Useful,
              analysis::Section::Month, analysis::Section::Luck, analysis::Section::Years,
              analysis::Section::Summary, analysis::Section::Shensha})
            QVERIFY2(text.contains(QString::fromUtf8(analysis::SectionName(s).data())),
                     analysis::SectionName(s).data());
        const analysis::Analysis* a = w.AnalysisShown();
        QVERIFY(a != nullptr);
        QVERIFY(text.count(U("方法：")) >= 8);
        QVERIFY(text.contains(Text(a->strength.method)));
        for (const std::string& line : a->strength.evidence) QVERIFY(text.contains(Text(line)));
        QVERIFY(text.contains(Text(a->pattern.text.substr(0, 30))));
        QVERIFY(text.startsWith(U("命局分析")));
        QVERIFY(text.contains(U("己卯 丙子 戊午 甲子")));

        Choose(w.ZiCombo(), "子初换日");  // the day and hour become 己未 甲子
        QVERIFY(w.AnalysisView()->toPlainText().contains(U("己卯 丙子 己未 甲子")));
        w.SetBirth({1975, 5, 20, 8, 0, chart::Sex::Male}, U("李四"));
        QVERIFY(w.AnalysisView()->toPlainText().contains(
            Text(chart::PillarName(w.Chart().pillars[0].pillar) + " " +
                 chart::PillarName(w.Chart().pillars[1].pillar))));
    }

    // Tables that cannot be read leave the chart standing and say why in
    // the analysis tab.
    void unreadableTextsAreReportedInTheTab() {
        const UnreadableTexts unreadable;
        CChartWnd w(chart::BirthMoment{1975, 5, 20, 8, 0, chart::Sex::Male}, U("王五"), unreadable);
        QVERIFY(w.AnalysisShown() == nullptr);
        QVERIFY(w.AnalysisError().contains(U("数据表无法读取")));
        QVERIFY(w.AnalysisView()->toPlainText().contains(U("命局分析未能完成")));
        QCOMPARE(Pillars(w.Chart()), Pillars(chart::ComputeChart({1975, 5, 20, 8, 0, chart::Sex::Male})));
        w.SetTextSource(Texts());
        QVERIFY(w.AnalysisShown() != nullptr);
        QVERIFY(w.AnalysisError().isEmpty());
    }

    // The window opens on the form's screen, whole, sized to it, resizable.
    void windowFitsTheScreenBesideTheForm_data() {
        QTest::addColumn<QRect>("form");
        QTest::addColumn<int>("screen");
        QTest::newRow("laptop, form at its corner") << QRect(0, 0, 800, 580) << 0;
        QTest::newRow("laptop, form at the bottom right") << QRect(900, 500, 800, 580) << 0;
        QTest::newRow("laptop, form half off the left") << QRect(-400, 100, 800, 580) << 0;
        QTest::newRow("second screen, form at 450,422") << QRect(1366 + 450, 422, 800, 580) << 1;
        QTest::newRow("second screen, form at its top") << QRect(1366 + 100, 0, 800, 580) << 1;
    }
    void windowFitsTheScreenBesideTheForm() {
        QFETCH(QRect, form);
        QFETCH(int, screen);
        QWidget owner;
        owner.setGeometry(form);
        auto* w = new CChartWnd(chart::BirthMoment{1988, 7, 1, 13, 10, chart::Sex::Female}, U("李四"),
                                Texts(), &owner);
        const QRect available = QGuiApplication::screens()[screen]->availableGeometry();
        QVERIFY2(available.contains(w->frameGeometry()),
                 qPrintable(
                     QStringLiteral("%1,%2 %3x%4").arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height())));
        QVERIFY(w->width() >= 1200 && w->height() >= qMin(760, available.height()));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->screen(), QGuiApplication::screens()[screen]);
        // Resizable, and the whole frame follows: the close button stays at
        // the right end of the title band, the tabs fill the page area.
        QVERIFY(w->minimumSize() != w->maximumSize());
        w->resize(900, 600);
        QCOMPARE(w->size(), QSize(900, 600));
        QVERIFY(w->mask().contains(QPoint(450, 300)));
        QVERIFY(!w->mask().contains(QPoint(0, 0)));  // the rounded corners are cut
        QVERIFY(!w->mask().contains(QPoint(899, 599)));
        QVERIFY(w->Tabs()->geometry().right() < 900 && w->Tabs()->geometry().bottom() < 600);
        QVERIFY(w->Tabs()->width() > 800);
        // As narrow as a 2x laptop screen allows, the control band scrolls
        // sideways, and its scroll bar covers none of the commands.
        const QSize halfLaptop(683, 384);
        w->setMinimumSize(halfLaptop);
        w->resize(halfLaptop);
        QTRY_COMPARE(w->size(), halfLaptop);
        QTest::qWait(100);  // the band lays itself out and shows its scroll bar
        for (CStateBitmapButton* b : w->CommandButtons()) {
            const QWidget* viewport = b->parentWidget()->parentWidget();
            QVERIFY(b->mapTo(viewport, QPoint(0, b->height())).y() <= viewport->height());
        }
        delete w;
    }

    // Tab runs in reading order and every stop shows its focus; Esc closes.
    void keyboardReachesEverything() {
        auto* w =
            new CChartWnd(chart::BirthMoment{1988, 7, 1, 13, 10, chart::Sex::Female}, U("李四"), Texts());
        QPointer<CChartWnd> alive(w);
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        CLuckPanel* panel = w->LuckPanel();
        std::vector<QWidget*> order = {w->ZiCombo(), w->BasisCombo(), w->SummerBox(), w->MinuteSpin()};
        for (CStateBitmapButton* b : w->CommandButtons()) order.push_back(b);
        order.insert(order.end(),
                     {w->Tabs(), w->PageView()->parentWidget()->parentWidget(), panel->LuckStrip(),
                      panel->YearStrip(), panel->MonthTable(), panel->Judgement()});
        w->ZiCombo()->setFocus();
        QCOMPARE(FocusAmong(order), order.front());
        for (std::size_t i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY2(FocusAmong(order) == order[i], qPrintable(QStringLiteral("stop %1").arg(i)));
        }

        // The focus shows on the commands and on the strips (the picked cell is framed).
        CStateBitmapButton* print = w->CommandButtons().front();
        print->setFocus();
        const QImage printFocused = print->grab().toImage();
        w->ZiCombo()->setFocus();
        QVERIFY(printFocused != print->grab().toImage());
        CPillarStrip* strip = panel->LuckStrip();
        strip->setFocus();
        const QImage focused = strip->grab().toImage();
        w->ZiCombo()->setFocus();
        QVERIFY(focused != strip->grab().toImage());

        // Shortcuts switch the tabs; Esc closes the window.
        QTest::keyClick(w, Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(w->Tabs()->currentIndex(), static_cast<int>(CChartWnd::kSearchTab));
        QTest::keyClick(w, Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(w->Tabs()->currentIndex(), static_cast<int>(CChartWnd::kAnalysisTab));
        for (CStateBitmapButton* b : w->CommandButtons()) QVERIFY(!b->accessibleName().isEmpty());
        QTest::keyClick(w->AnalysisView(), Qt::Key_Escape);
        QTRY_VERIFY(!alive);
    }

    // The birthplace list opens as a list of a dozen, not the screen's height.
    void birthplaceListShowsADozen() {
        CChartWnd w(chart::BirthMoment{1988, 7, 1, 13, 10, chart::Sex::Female}, U("李四"), Texts());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Choose(w.BasisCombo(), "真太阳时");
        QComboBox* places = w.PlaceCombo();
        QCOMPARE(places->count(), 35);
        places->showPopup();
        QWidget* popup = places->view()->window();
        QTRY_VERIFY(popup->isVisible());
        const int row = places->view()->sizeHintForRow(0);
        QVERIFY2(popup->height() <= 13 * row + 12, qPrintable(QString::number(popup->height())));
        places->hidePopup();
    }

    void suggestedFileNames() {
        CChartWnd w(chart::BirthMoment{1975, 5, 20, 8, 0, chart::Sex::Male}, U("李/明"), Texts());
        QCOMPARE(w.SuggestedFileName("pdf"), U("李／明-1975-05-20-排盘.pdf"));
        w.SetBirth({1975, 5, 20, 8, 0, chart::Sex::Male}, U(" 王\t五 "));
        QCOMPARE(w.SuggestedFileName("pdf"), U("王 五-1975-05-20-排盘.pdf"));
        w.SetBirth({1975, 5, 20, 8, 0, chart::Sex::Male}, QString());
        QCOMPARE(w.SuggestedFileName("png"), U("未命名-1975-05-20-排盘.png"));
    }

    void pdfExportReadsBackAsText() {
        if (!printtest::HavePoppler()) QFAIL(printtest::kPopplerMissing);
        QTemporaryDir dir;
        CChartWnd w(chart::BirthMoment{1988, 7, 1, 13, 10, chart::Sex::Female}, U("李四"), Texts());
        const QString path = dir.filePath(QStringLiteral("chart.pdf"));
        QString error;
        QVERIFY2(w.ExportPdf(path, &error), qPrintable(error));
        QVERIFY(printtest::PdfInfo(path, QStringLiteral("Pages")).toInt() >= 1);
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
        CChartWnd w(chart::BirthMoment{1988, 7, 1, 13, 10, chart::Sex::Female}, U("李四"), Texts());
        const QString path = dir.filePath(QStringLiteral("chart.png"));
        QString error;
        QVERIFY2(w.ExportPng(path, &error), qPrintable(error));
        const QImage image(path);
        QCOMPARE(image.width(), 1600);
        QVERIFY(image.height() > 2200);  // at least one page of A4's proportions
        // The stem of the day pillar is painted in fire's red somewhere.
        bool red = false;
        for (int y = 0; y < 1100 && !red; y += 2)
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
        CChartWnd w(chart::BirthMoment{1988, 7, 1, 13, 10, chart::Sex::Female}, U("李四"), Texts());
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

    // A print job prints the chart page first, as the window shows it.
    void printsTheChartDocument() {
        CChartWnd w(chart::BirthMoment{1988, 7, 1, 13, 10, chart::Sex::Female}, U("李四"), Texts());
        QVERIFY(w.windowFlags().testFlag(Qt::FramelessWindowHint));
        QImage page(2244, 3272, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        CPrintInfo info;
        info.drawRect = page.rect();
        w.OnBeginPrinting(&painter, &info);
        QVERIFY(info.maxPage >= 1);
        info.currentPage = 1;
        w.OnPrint(&painter, &info);
        w.OnEndPrinting(&painter, &info);
        painter.end();
        QVERIFY(printtest::InkIn(page, QRect(0, 0, 2244, 400)) > 1000);     // the title and the person
        QVERIFY(printtest::InkIn(page, QRect(0, 2400, 2244, 800)) > 1000);  // the luck strip
    }
};

QTEST_MAIN(tst_ChartWnd)
#include "tst_ChartWnd.moc"
