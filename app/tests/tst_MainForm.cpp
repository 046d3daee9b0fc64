// The main form: its controls, defaults and rules, and the road of one
// reading through the real form and the shipped database.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QtTest>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "Clock.h"
#include "GbkCodec.h"
#include "KarvutoApp.h"
#include "KarvutoDlg.h"
#include "MessageBox.h"
#include "NameEdit.h"
#include "skin/StateBitmapButton.h"

namespace {

struct Box {
    QString text;
    QString caption;
};

platform::Clock::time_point UtcInstant(int y, int mo, int d, int h, int mi) {
    std::tm tm{};
    tm.tm_year = y - 1900;
    tm.tm_mon = mo - 1;
    tm.tm_mday = d;
    tm.tm_hour = h;
    tm.tm_min = mi;
    return platform::Clock::from_time_t(timegm(&tm));
}

class TestableForm : public CKarvutoDlg {
public:
    TestableForm() : CKarvutoDlg(nullptr, 0) {}
    void OnAbout() override { ++aboutCount; }
    int aboutCount = 0;
};

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Types text character by character as key events (QTest's own key clicks
// take Latin-1 only).
void TypeText(QWidget* w, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &release);
    }
}

}  // namespace

class TestMainForm : public QObject {
    Q_OBJECT
    std::vector<Box> m_boxes;

private slots:
    void initTestCase() {
        CKarvutoApp::SetDialogColors();
        SetMessageBoxHook([this](QWidget*, const QString& text, const QString& caption) {
            m_boxes.push_back({text, caption});
        });
        CKarvutoApp& app = theApp();
        app.m_szDbPath = CKarvutoApp::DatabasePathIn(QCoreApplication::applicationDirPath().toStdString());
        QVERIFY2(app.OpenDatabase(), "the shipped Karvuto.mdb beside the tests");
        QVERIFY(m_boxes.empty());
    }
    void cleanupTestCase() {
        theApp().CloseDatabase();
        platform::SetClockForTesting({});
    }
    void init() { m_boxes.clear(); }

    void combosHaveTheirItemsAndDefaults_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("firstText");
        QTest::addColumn<int>("firstData");
        QTest::addColumn<QString>("lastText");
        QTest::addColumn<int>("lastData");
        QTest::addColumn<QString>("current");
        QTest::newRow("sex") << int(IDC_SEX) << 2 << U("男") << 0 << U("女") << 1 << U("男");
        QTest::newRow("kind") << int(IDC_CALENDAR_KIND) << 2 << U("按阳历日期") << 0 << U("按阴历日期") << 1
                              << U("按阳历日期");
        QTest::newRow("year") << int(IDC_YEAR) << 125 << U("1925") << 1925 << U("2049") << 2049 << U("1975");
        QTest::newRow("month") << int(IDC_MONTH) << 12 << U("01") << 1 << U("12") << 12 << U("01");
        QTest::newRow("day") << int(IDC_DAY) << 31 << U("01") << 1 << U("31") << 31 << U("01");
        QTest::newRow("hour") << int(IDC_HOUR) << 24 << U("00") << 0 << U("23") << 23 << U("00");
    }
    void combosHaveTheirItemsAndDefaults() {
        QFETCH(int, id);
        QFETCH(int, count);
        QFETCH(QString, firstText);
        QFETCH(int, firstData);
        QFETCH(QString, lastText);
        QFETCH(int, lastData);
        QFETCH(QString, current);
        CKarvutoDlg form(nullptr, 0);
        auto* combo = form.m_controls.ItemAs<QComboBox>(id);
        QVERIFY(combo);
        QCOMPARE(combo->count(), count);
        QCOMPARE(combo->itemText(0), firstText);
        QCOMPARE(combo->itemData(0).toInt(), firstData);
        QCOMPARE(combo->itemText(count - 1), lastText);
        QCOMPARE(combo->itemData(count - 1).toInt(), lastData);
        QCOMPARE(combo->currentText(), current);
    }

    void formIsShapedSizedAndPlaced() {
        CKarvutoDlg form(nullptr, 0);
        QCOMPARE(form.size(), QSize(800, 580));
        QCOMPARE(form.windowTitle(), U("弈澜坊-星衡命鉴"));
        QVERIFY(!form.windowIcon().isNull());
        QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(!form.mask().isEmpty());
        QVERIFY(!form.mask().contains(QPoint(0, 0)));  // red corner cut away
        QCOMPARE(form.m_reportView.geometry(), QRect(10, 170, 780, 386));
        QCOMPARE(form.m_reportView.parentWidget(), &form);
        // Template positions converted at 1.5 px per dialog unit.
        QCOMPARE(form.m_pNameEdit->geometry().topLeft(), QPoint(230, 62));
        // A label grows around its template cell (32, 68, 138 x 12) to fit its text.
        const QRect solar = form.m_controls.Item(IDC_SOLAR_TODAY)->geometry();
        QVERIFY(solar.contains(QRect(32, 68, 138, 12)));
        QVERIFY(qAbs(solar.center().y() - QRect(32, 68, 138, 12).center().y()) <= 1);
    }

    void imageButtonsArePlacedTippedAndEnabled_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("caption");
        QTest::newRow("close") << int(IDC_CLOSE) << QRect(784, 6, 11, 10) << U("关闭") << true << QString();
        QTest::newRow("minimise") << int(IDC_MINIMIZE) << QRect(769, 6, 11, 10) << U("最小化") << true
                                  << QString();
        QTest::newRow("about") << int(IDC_ABOUT) << QRect(6, 6, 11, 10) << U("关于") << true << QString();
        QTest::newRow("reading") << int(IDC_READING) << QRect(460, 35, 82, 18) << U("命理分析") << true
                                 << U("八字论命");
        QTest::newRow("preview") << int(IDC_PREVIEW) << QRect(460, 60, 82, 18) << U("打印预览") << false
                                 << U("打印预览");
        QTest::newRow("print") << int(IDC_PRINT) << QRect(460, 85, 82, 18) << U("打印") << false
                               << U("打印文件");
        QTest::newRow("help") << int(IDC_HELP) << QRect(460, 135, 82, 18) << U("系统帮助") << true
                              << U("系统帮助");
    }
    void imageButtonsArePlacedTippedAndEnabled() {
        QFETCH(int, id);
        QFETCH(QRect, rect);
        QFETCH(QString, tip);
        QFETCH(bool, enabled);
        QFETCH(QString, caption);
        CKarvutoDlg form(nullptr, 0);
        auto* button = form.m_controls.ItemAs<CStateBitmapButton>(id);
        QVERIFY(button);
        QCOMPARE(button->geometry(), rect);
        QCOMPARE(button->toolTip(), tip);
        QCOMPARE(button->isEnabled(), enabled);
        QCOMPARE(button->text(), caption);
    }

    void leapBoxFollowsTheCalendarKind() {
        CKarvutoDlg form(nullptr, 0);
        QVERIFY(!form.m_pLeapBox->isEnabled());
        QVERIFY(!form.m_pLeapBox->isChecked());
        form.m_pCalendarKindCombo->setCurrentIndex(1);
        QVERIFY(form.m_pLeapBox->isEnabled());
        form.m_pLeapBox->setChecked(true);
        form.m_pCalendarKindCombo->setCurrentIndex(0);
        QVERIFY(!form.m_pLeapBox->isEnabled());
        QVERIFY(!form.m_pLeapBox->isChecked());
        // Every change clears it, lunar to lunar included.
        form.m_pCalendarKindCombo->setCurrentIndex(1);
        form.m_pLeapBox->setChecked(true);
        form.OnCalendarKindChange();
        QVERIFY(form.m_pLeapBox->isEnabled());
        QVERIFY(!form.m_pLeapBox->isChecked());
        QVERIFY(!form.m_bLeap);
    }

    void enterEscAndCloseRequestsLeaveTheFormOpen() {
        CKarvutoDlg form(nullptr, 0);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.m_pNameEdit->setFocus();
        QTest::keyClick(&form, Qt::Key_Return);
        QTest::keyClick(&form, Qt::Key_Enter);
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.close());
        QVERIFY(form.isVisible());
        QVERIFY(m_boxes.empty());
        // Only the close button closes it.
        QTest::mouseClick(form.m_pCloseButton, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!form.isVisible());
    }

    void titleBandMenuOpensAbout() {
        TestableForm form;
        QVERIFY(form.TitleMenu());
        const QList<QAction*> actions = form.TitleMenu()->actions();
        QCOMPARE(actions.size(), 2);
        QVERIFY(actions[0]->isSeparator());
        QCOMPARE(actions[1]->text(), U("关于 Karvuto(&A)..."));
        actions[1]->trigger();
        QTest::mouseClick(form.m_pAboutButton, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(form.aboutCount, 2);
    }

    void nameBoxTakesTenGbkBytesAndRefusesOtherCharacters() {
        CKarvutoDlg form(nullptr, 0);
        CNameEdit* edit = form.m_pNameEdit;
        TypeText(edit, U("一二三四五六"));
        QCOMPARE(edit->text(), U("一二三四五"));
        QCOMPARE(edit->LastRefusal(), U(kNameTooLong));
        edit->clear();
        TypeText(edit, U("王a小b明cdefg"));
        QCOMPARE(edit->text(), U("王a小b明cd"));  // 10 bytes: never half of 明
        edit->clear();
        TypeText(edit, U("李\u00e9\u0e01"));  // é is in GBK, Thai ko kai is not
        QCOMPARE(edit->text(), U("李\u00e9"));
        QCOMPARE(edit->LastRefusal(), U(kNameNotGbk));
        edit->clear();
        TypeText(edit, U("A&B"));
        QCOMPARE(edit->GbkText(), std::string("A&B"));
    }

    void emptyNameIsRefusedAndSpacesAreAName() {
        CKarvutoDlg form(nullptr, 0);
        theApp().m_birth.year = 1234;
        form.OnReading();
        QCOMPARE(m_boxes.size(), std::size_t(1));
        QCOMPARE(m_boxes[0].text, U("     请输入您的姓名!"));
        QCOMPARE(m_boxes[0].caption, U("弈澜坊之星衡命鉴"));
        QCOMPARE(theApp().m_birth.year, 0);  // cleared before the check
        QVERIFY(!form.m_pPreviewButton->isEnabled());

        m_boxes.clear();
        TypeText(form.m_pNameEdit, QStringLiteral("  "));
        form.OnReading();
        QVERIFY(m_boxes.empty());
        QCOMPARE(std::string(theApp().m_birth.name), std::string("  "));
        QVERIFY(form.m_reportView.m_szHeader[0] != '\0');
    }

    void calendarPanelShowsTheLocalDate() {
        qputenv("TZ", "Asia/Shanghai");
        tzset();
        // 17:30 UTC on 9 February 2024 is 01:30 on the 10th in Beijing: the
        // first day of the lunar year 甲辰.
        platform::SetClockForTesting([] { return UtcInstant(2024, 2, 9, 17, 30); });
        CKarvutoDlg form(nullptr, 0);
        QCOMPARE(form.m_controls.ItemAs<QLabel>(IDC_SOLAR_TODAY)->text(), U("2024年02月10日 星期六"));
        SYSTEMTIME lunar{};
        lunar.wYear = 2024;
        lunar.wMonth = 1;
        lunar.wDay = 1;
        const QString expected =
            QString::fromStdString(platform::Utf8(form.m_calendar.FormatLunarDate(lunar, 0)));
        QCOMPARE(form.m_controls.ItemAs<QLabel>(IDC_LUNAR_TODAY)->text(), expected);

        platform::SetClockForTesting([] { return UtcInstant(2051, 3, 1, 4, 0); });
        CKarvutoDlg late(nullptr, 0);
        QCOMPARE(late.m_controls.ItemAs<QLabel>(IDC_LUNAR_TODAY)->text(), U("无效的日期"));
        QCOMPARE(late.m_controls.ItemAs<QLabel>(IDC_SOLAR_TODAY)->text(), U("2051年03月01日 星期三"));
        platform::SetClockForTesting({});
        qunsetenv("TZ");
        tzset();
    }

    void oneReadingThroughTheForm() {
        platform::SetClockForTesting([] { return UtcInstant(2024, 6, 1, 4, 0); });
        CKarvutoDlg form(nullptr, 0);
        form.show();
        TypeText(form.m_pNameEdit, U("张&三"));
        form.m_pSexCombo->setCurrentIndex(1);
        form.m_pCalendarKindCombo->setCurrentIndex(1);
        form.m_pYearCombo->setCurrentText(QStringLiteral("1990"));
        form.m_pMonthCombo->setCurrentText(QStringLiteral("05"));
        form.m_pDayCombo->setCurrentText(QStringLiteral("10"));
        form.m_pHourCombo->setCurrentText(QStringLiteral("23"));
        form.m_pLeapBox->setChecked(true);  // 1990 has a leap fifth month
        QTest::mouseClick(form.m_pReadingButton, Qt::LeftButton, {}, QPoint(10, 9));

        QVERIFY2(m_boxes.empty(), m_boxes.empty() ? "" : qPrintable(m_boxes[0].text));
        const BirthRecord& birth = theApp().m_birth;
        QCOMPARE(std::string(birth.name), platform::Gbk("张&三"));
        QCOMPARE(birth.sex, 1);
        QCOMPARE(birth.CalendarKind, kLunarCalendar);
        QCOMPARE(birth.year, 1990);
        QCOMPARE(birth.month, 5);
        QCOMPARE(birth.day, 10);
        QCOMPARE(birth.hour, 23);
        QCOMPARE(int(birth.leap), 1);

        // The view holds exactly what the composer makes of that record.
        SYSTEMTIME now;
        GetLocalTime(&now);
        const auto expected = ComposeReport(birth, theApp().m_pConnection.get(), now);
        QVERIFY(expected);
        QCOMPARE(std::string(form.m_reportView.m_szHeader), expected->header);
        QCOMPARE(std::string(form.m_reportView.m_szBody), expected->body);
        QCOMPARE(form.m_reportView.m_strStarSign, expected->starSign);
        QVERIFY(!expected->body.empty());
        QVERIFY(std::string(form.m_reportView.m_szHeader).find(platform::Gbk("张&三")) != std::string::npos);
        QVERIFY(form.m_pPreviewButton->isEnabled());
        QVERIFY(form.m_pPrintButton->isEnabled());

        // An impossible date: the message, and the previous report stays.
        const std::string header = form.m_reportView.m_szHeader;
        form.m_pCalendarKindCombo->setCurrentIndex(0);
        form.m_pMonthCombo->setCurrentText(QStringLiteral("02"));
        form.m_pDayCombo->setCurrentText(QStringLiteral("31"));
        form.OnReading();
        QCOMPARE(m_boxes.size(), std::size_t(1));
        QCOMPARE(m_boxes[0].text, U("无效的日期! 请重新输入!"));
        QCOMPARE(m_boxes[0].caption, U("弈澜坊之星衡命鉴"));
        QCOMPARE(std::string(form.m_reportView.m_szHeader), header);
        QVERIFY(form.m_pPreviewButton->isEnabled());
        platform::SetClockForTesting({});
    }

    void aDatabaseFailureKeepsThePreviousReport() {
        CKarvutoDlg form(nullptr, 0);
        TypeText(form.m_pNameEdit, U("李四"));
        form.OnReading();
        QVERIFY(m_boxes.empty());
        const std::string header = form.m_reportView.m_szHeader;
        const std::string body = form.m_reportView.m_szBody;

        std::unique_ptr<Connection> saved = std::move(theApp().m_pConnection);
        form.m_pYearCombo->setCurrentText(QStringLiteral("1980"));
        form.OnReading();
        theApp().m_pConnection = std::move(saved);
        QCOMPARE(m_boxes.size(), std::size_t(1));
        QVERIFY2(m_boxes[0].text.startsWith(U("读取命理数据失败!\n错误信息:")), qPrintable(m_boxes[0].text));
        QCOMPARE(std::string(form.m_reportView.m_szHeader), header);
        QCOMPARE(std::string(form.m_reportView.m_szBody), body);
    }
};

QTEST_MAIN(TestMainForm)
#include "tst_MainForm.moc"
