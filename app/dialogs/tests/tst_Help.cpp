// The help text: its punctuation, and that it names what the program does
// in the program's own words and figures, so that a renamed option, a moved
// score edge or a new summer-time year shows up here as a help gone stale.
#include <QDateTime>
#include <QScreen>
#include <QTextBrowser>
#include <QtTest>
#include <algorithm>
#include <string_view>

#include "Analysis.h"
#include "CalendarTables.h"
#include "Chart.h"
#include "Conventions.h"
#include "DialogTemplates.h"
#include "LuckPillars.h"
#include "StoreLocation.h"
#include "Strength.h"
#include "app/dialogs/HelpDlg.h"

namespace {

QString U(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

bool IsChinese(QChar c) {
    return (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF) ||
           (c.unicode() >= 0x3000 && c.unicode() <= 0x303F) ||
           (c.unicode() >= 0xFF00 && c.unicode() <= 0xFFEF) || c == QChar(0x201C) || c == QChar(0x201D);
}

// "1919年", "1940至1949年": the years of China's summer time as runs.
QStringList SummerYearRuns() {
    QList<int> years;
    for (const chart::SummerPeriod& p : chart::ChinaSummerPeriods()) {
        const int first = QDateTime::fromSecsSinceEpoch(p.forward, Qt::UTC).date().year();
        const int last = QDateTime::fromSecsSinceEpoch(p.back, Qt::UTC).date().year();
        for (int year = first; year <= last; ++year)  // 1942-1945 was one long period
            if (!years.contains(year)) years.append(year);
    }
    std::sort(years.begin(), years.end());
    QStringList runs;
    for (qsizetype i = 0; i < years.size();) {
        qsizetype j = i;
        while (j + 1 < years.size() && years[j + 1] == years[j] + 1) ++j;
        runs << (i == j ? QStringLiteral("%1年").arg(years[i])
                        : QStringLiteral("%1至%2年").arg(years[i]).arg(years[j]));
        i = j + 1;
    }
    return runs;
}

}  // namespace

class tst_Help : public QObject {
    Q_OBJECT

private slots:
    void chinesePunctuationBetweenChineseWords();
    void namesWhatTheProgramDoes_data();
    void namesWhatTheProgramDoes();
    void namesTheFormsInputsAndCommands();
    void ziSchoolsWithTheDefaultFirst();
    void summerTimeYearsAreTheTable();
    void peopleStoreFileIsWhereTheStoreKeepsIt();
    void windowFitsTheScreen();
};

// Chinese sentences end and pause with full-width marks; an ASCII mark is
// left only where it leads into a Latin word (a file's ".pdf", ".local").
void tst_Help::chinesePunctuationBetweenChineseWords() {
    const QString text = CHelpDlg::HelpText();
    const auto latin = [](QChar c) { return c.unicode() < 0x80 && c.isLetterOrNumber(); };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!QStringLiteral(",.:;()\"!?").contains(text[i])) continue;
        const QChar before = i > 0 ? text[i - 1] : QChar(' ');
        const QChar after = i + 1 < text.size() ? text[i + 1] : QChar(' ');
        const bool besideChinese = IsChinese(before) || IsChinese(after);
        QVERIFY2(!besideChinese || latin(after), qPrintable(text.mid(std::max<qsizetype>(0, i - 8), 16)));
    }
    for (const char* mark : {"，", "：", "（", "“", "。"}) QVERIFY(text.contains(QString::fromUtf8(mark)));
}

void tst_Help::namesWhatTheProgramDoes_data() {
    QTest::addColumn<QStringList>("phrases");
    QTest::newRow("the chart window's controls") << QStringList{
        QStringLiteral("八字排盘与大运"), QStringLiteral("钟表时间"),   QStringLiteral("真太阳时"),
        QStringLiteral("自定经度"),       QStringLiteral("夏令时拨回"), QStringLiteral("出生分钟")};
    QTest::newRow("the span of the calendar")
        << QStringList{QStringLiteral("公历%1年%2月%3日")
                           .arg(calendar::kFirstSpanDate.year)
                           .arg(calendar::kFirstSpanDate.month)
                           .arg(calendar::kFirstSpanDate.day),
                       QStringLiteral("%1年%2月%3日")
                           .arg(calendar::kLastSpanDate.year)
                           .arg(calendar::kLastSpanDate.month)
                           .arg(calendar::kLastSpanDate.day),
                       QStringLiteral("%1至%2年").arg(chart::kFirstChartYear).arg(chart::kLastChartYear)};
    // The rule after the note's colon: "公历年份减出生年份加一".
    const QString ageRule = U(chart::kAgeRuleNote).section(QStringLiteral("："), 1);
    QTest::newRow("nominal ages") << QStringList{QStringLiteral("虚岁"), ageRule};
    QTest::newRow("luck and years") << QStringList{QStringLiteral("起运"), QStringLiteral("小运"),
                                                   QStringLiteral("流月"), QStringLiteral("交节")};
    QTest::newRow("export") << QStringList{QStringLiteral("导出PDF"), QStringLiteral("导出图片"),
                                           QStringLiteral("复制全文"), QStringLiteral("打印预览")};

    QStringList sections;
    for (analysis::Section s :
         {analysis::Section::Strength, analysis::Section::Pattern, analysis::Section::Useful,
          analysis::Section::Month, analysis::Section::Luck, analysis::Section::Years,
          analysis::Section::Summary, analysis::Section::Shensha})
        sections << U(analysis::SectionName(s));
    QTest::newRow("the analysis's sections") << sections;
    // The score's three parts at their maxima, and the band edges.
    const double stems = analysis::kStemPoints[0] + analysis::kStemPoints[1] + analysis::kStemPoints[3];
    QTest::newRow("the strength score")
        << QStringList{QStringLiteral("得令"),
                       QStringLiteral("至多%1分").arg(analysis::kSeasonPoints[0]),
                       QStringLiteral("得地"),
                       QStringLiteral("至多%1分").arg(analysis::kRootPoints),
                       QStringLiteral("得势"),
                       QStringLiteral("至多%1分").arg(stems),
                       QStringLiteral("不足%1分").arg(analysis::kWeakBelow),
                       QStringLiteral("%1分以上").arg(analysis::kStrongFrom)};
    QStringList bands;
    for (analysis::Band b : {analysis::Band::FollowWeak, analysis::Band::Weak, analysis::Band::Balanced,
                             analysis::Band::Strong, analysis::Band::FollowStrong, analysis::Band::Dominant})
        bands << U(analysis::BandName(b));
    QTest::newRow("the strength bands") << bands;
    QTest::newRow("the pattern") << QStringList{QStringLiteral("月令"), QStringLiteral("正格"),
                                                QStringLiteral("透出"), QStringLiteral("本气")};
    QStringList methods;
    for (analysis::UsefulMethod m :
         {analysis::UsefulMethod::Support, analysis::UsefulMethod::Climate, analysis::UsefulMethod::Follow,
          analysis::UsefulMethod::Mediate, analysis::UsefulMethod::Remedy})
        methods << U(analysis::UsefulMethodName(m));
    QTest::newRow("the useful god's methods") << methods;
    QStringList verdicts;
    for (analysis::Verdict v :
         {analysis::Verdict::Advance, analysis::Verdict::Steady, analysis::Verdict::Guard})
        verdicts << U(analysis::VerdictName(v));
    QTest::newRow("the verdicts of luck and years") << verdicts;
    QTest::newRow("the saved people")
        << QStringList{QStringLiteral("保存"),   QStringLiteral("Ctrl+S"),       QStringLiteral("档案"),
                       QStringLiteral("Ctrl+O"), QStringLiteral("另存为新档案"), QStringLiteral("撤销删除")};
}

void tst_Help::namesWhatTheProgramDoes() {
    QFETCH(QStringList, phrases);
    const QString text = CHelpDlg::HelpText();
    for (const QString& phrase : phrases) QVERIFY2(text.contains(phrase), qPrintable(phrase));
}

// The form's labels and command buttons by the texts they show.
void tst_Help::namesTheFormsInputsAndCommands() {
    const res::DialogTemplate* form = res::FindDialogTemplate(res::IDD_KARVUTO_DIALOG);
    QVERIFY(form != nullptr);
    const QString text = CHelpDlg::HelpText();
    for (int id : {res::IDC_LEAP, res::IDC_READING, res::IDC_PREVIEW, res::IDC_PRINT, res::IDC_CHART}) {
        const res::ControlTemplate* control = res::FindControl(*form, id);
        QVERIFY(control != nullptr);
        const QString shown = QString::fromUtf8(control->text);
        QVERIFY2(text.contains(QStringLiteral("“") + shown + QStringLiteral("”")) ||
                     text.contains(shown + QStringLiteral("：")),
                 qPrintable(shown));
    }
}

// Every school of the 子 hour by the name the chart window lists it under,
// 晚子时 said to be the default, as the engine's conventions have it.
void tst_Help::ziSchoolsWithTheDefaultFirst() {
    const QString text = CHelpDlg::HelpText();
    const chart::ZiHour byDefault = chart::Conventions{}.zi;
    for (chart::ZiHour zi : {chart::ZiHour::Late, chart::ZiHour::NextDay, chart::ZiHour::SameDay}) {
        const QString quoted = QStringLiteral("“") + U(chart::ZiHourName(zi)) + QStringLiteral("”");
        QVERIFY2(text.contains(quoted), qPrintable(quoted));
        QCOMPARE(text.contains(quoted + QStringLiteral("（默认）")), zi == byDefault);
    }
    QVERIFY(chart::Conventions{}.dstCorrect);
    QVERIFY(text.contains(QStringLiteral("默认勾选：夏令时内的钟点拨回一小时")));
}

// The help lists the years of China's summer time as the engine's table has them.
void tst_Help::summerTimeYearsAreTheTable() {
    const QString text = CHelpDlg::HelpText();
    const QStringList runs = SummerYearRuns();
    QVERIFY(!runs.isEmpty());
    for (const QString& run : runs) QVERIFY2(text.contains(run), qPrintable(run));
}

// Without XDG_DATA_HOME the store is in the home folder under the path the help names.
void tst_Help::peopleStoreFileIsWhereTheStoreKeepsIt() {
    const QByteArray savedData = qgetenv("XDG_DATA_HOME");
    const QByteArray savedHome = qgetenv("HOME");
    qunsetenv("XDG_DATA_HOME");
    qputenv("HOME", "/home/tester");
    const QString store = QString::fromStdString(people::DefaultStorePath().string());
    if (!savedData.isNull()) qputenv("XDG_DATA_HOME", savedData);
    qputenv("HOME", savedHome);
    QVERIFY(store.startsWith(QStringLiteral("/home/tester/")));
    const QString underHome = store.mid(QStringLiteral("/home/tester/").size());
    QVERIFY2(CHelpDlg::HelpText().contains(underHome), qPrintable(underHome));
}

// On a screen smaller than the window is meant to be (the test screen is
// 800 x 600) the window keeps inside it, and the text shown is the help's.
void tst_Help::windowFitsTheScreen() {
    CHelpDlg help;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(help.width() <= screen.width() && help.height() <= screen.height(),
             qPrintable(QStringLiteral("%1 x %2").arg(help.width()).arg(help.height())));
    auto* browser = help.findChild<QTextBrowser*>(QStringLiteral("helpText"));
    QVERIFY(browser != nullptr);
    QCOMPARE(browser->toPlainText().remove(QLatin1Char('\n')),
             CHelpDlg::HelpText().remove(QLatin1Char('\n')));
}

QTEST_MAIN(tst_Help)
#include "tst_Help.moc"
