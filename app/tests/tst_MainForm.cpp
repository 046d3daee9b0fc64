// The main form: its controls, defaults and rules, and the road of one
// reading through the real form and the shipped database.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QStyleOptionComboBox>
#include <QtTest>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "Clock.h"
#include "DialogTemplates.h"
#include "GbkCodec.h"
#include "app/KarvutoApp.h"
#include "app/KarvutoDlg.h"
#include "app/MessageBox.h"
#include "app/NameEdit.h"
#include "app/chart/ChartWnd.h"
#include "res/bitmaps/FaceLayout.h"
#include "skin/StateBitmapButton.h"

using namespace res;  // IDC_* control ids
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

CNameEdit* NameEdit(const CKarvutoDlg& form) {
    return form.Item<CNameEdit>(IDC_NAME);
}
QComboBox* Combo(const CKarvutoDlg& form, int id) {
    return form.Item<QComboBox>(id);
}
QCheckBox* LeapBox(const CKarvutoDlg& form) {
    return form.Item<QCheckBox>(IDC_LEAP);
}
CStateBitmapButton* Button(const CKarvutoDlg& form, int id) {
    return form.Item<CStateBitmapButton>(id);
}
QRect FaceRect(const art::PixelRect& r) {
    return QRect(r.x, r.y, r.w, r.h);
}

}  // namespace

class TestMainForm : public QObject {
    Q_OBJECT
    std::vector<Box> m_boxes;
    CKarvutoApp m_app;  // opens the shipped database the way start-up does

    Connection* Db() { return m_app.m_pConnection.get(); }

private slots:
    void initTestCase() {
        CKarvutoApp::SetDialogColors();
        SetMessageBoxHook([this](QWidget*, const QString& text, const QString& caption) {
            m_boxes.push_back({text, caption});
        });
        m_app.m_szDbPath = CKarvutoApp::DatabasePathIn(QCoreApplication::applicationDirPath().toStdString());
        QVERIFY2(m_app.OpenDatabase(), "the shipped Karvuto.mdb beside the tests");
        QVERIFY(m_boxes.empty());
    }
    void cleanupTestCase() {
        m_app.CloseDatabase();
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
        QTest::newRow("year") << int(IDC_YEAR) << 201 << U("1900") << 1900 << U("2100") << 2100 << U("1975");
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
        auto* combo = Combo(form, id);
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
        QCOMPARE(form.ReportView().geometry(), QRect(10, 170, 780, 386));
        QCOMPARE(form.ReportView().geometry(), FaceRect(art::kMainFaceReportArea));
        QCOMPARE(form.ReportView().parentWidget(), &form);
        // Template positions converted at 1.5 px per dialog unit.
        QCOMPARE(NameEdit(form)->geometry().topLeft(), QPoint(230, 62));
        // A label grows around its template cell (32, 68, 138 x 12) to fit its text.
        const QRect solar = form.Controls().Item(IDC_SOLAR_TODAY)->geometry();
        QVERIFY(solar.contains(QRect(32, 68, 138, 12)));
        QVERIFY(qAbs(solar.center().y() - QRect(32, 68, 138, 12).center().y()) <= 1);
    }

    void imageButtonsSitWhereTheArtworkLeavesThemRoom() {
        // The face bitmap is painted with room for each button (FaceLayout.h,
        // shared with the art generator): the buttons must stand exactly there.
        CKarvutoDlg form(nullptr, 0);
        const int titleButtons[] = {IDC_ABOUT, IDC_MINIMIZE, IDC_CLOSE};
        for (std::size_t i = 0; i < std::size(titleButtons); ++i) {
            CStateBitmapButton* button = Button(form, titleButtons[i]);
            QVERIFY(button);
            QCOMPARE(button->geometry(), FaceRect(art::kMainFaceTitleButtons[i]));
            QVERIFY(button->geometry().bottom() < kTitleBandHeight);
            QVERIFY(!button->toolTip().isEmpty());
            QVERIFY(button->text().isEmpty());
        }
        // The five commands, last in the face's control list, in template order.
        const int commands[] = {IDC_READING, IDC_PREVIEW, IDC_PRINT, IDC_CHART, IDC_HELP};
        const std::size_t first = art::kMainFaceControls.size() - std::size(commands);
        const DialogTemplate& dialog = *FindDialogTemplate(IDD_KARVUTO_DIALOG);
        for (std::size_t i = 0; i < std::size(commands); ++i) {
            CStateBitmapButton* button = Button(form, commands[i]);
            QVERIFY(button);
            QCOMPARE(button->geometry(), FaceRect(art::kMainFaceControls[first + i]));
            QCOMPARE(button->text(), U(FindControl(dialog, commands[i])->text));
            QVERIFY(!button->toolTip().isEmpty());
        }
        QCOMPARE(Button(form, IDC_READING)->toolTip(), U("命理分析"));
        QCOMPARE(Button(form, IDC_PRINT)->toolTip(), U("打印"));
        QCOMPARE(Button(form, IDC_CHART)->toolTip(), U("八字排盘与大运"));
    }

    void printingWaitsForTheFirstReading() {
        CKarvutoDlg form(nullptr, 0, Db());
        for (int id : {IDC_READING, IDC_HELP, IDC_ABOUT, IDC_MINIMIZE, IDC_CLOSE}) {
            QVERIFY2(Button(form, id)->isEnabled(), qPrintable(QString::number(id)));
        }
        QVERIFY(!Button(form, IDC_PREVIEW)->isEnabled());
        QVERIFY(!Button(form, IDC_PRINT)->isEnabled());
        QVERIFY(!Button(form, IDC_CHART)->isEnabled());
        TypeText(NameEdit(form), U("王五"));
        QTest::mouseClick(Button(form, IDC_READING), Qt::LeftButton, {}, QPoint(10, 9));
        QVERIFY(m_boxes.empty());
        QVERIFY(Button(form, IDC_PREVIEW)->isEnabled());
        QVERIFY(Button(form, IDC_PRINT)->isEnabled());
        QVERIFY(Button(form, IDC_CHART)->isEnabled());
    }

    // The chart opens for the last request's birth, a lunar date converted;
    // a second press reuses the one window; an invalid date opens nothing.
    void chartButtonOpensOneWindowForTheLastRequest() {
        CKarvutoDlg form(nullptr, 0, Db());
        TypeText(NameEdit(form), U("王五"));
        Combo(form, IDC_MONTH)->setCurrentIndex(1);  // 1975-02-31: no such day
        Combo(form, IDC_DAY)->setCurrentIndex(30);
        form.OnReading();
        QCOMPARE(m_boxes.size(), std::size_t(1));
        QVERIFY(Button(form, IDC_CHART)->isEnabled());
        m_boxes.clear();
        form.OnChart();
        QCOMPARE(m_boxes.size(), std::size_t(1));
        QCOMPARE(m_boxes[0].text, U("无效的日期! 请重新输入!"));
        QVERIFY(!form.ChartWindow());

        m_boxes.clear();
        Combo(form, IDC_DAY)->setCurrentIndex(19);  // 1975-02-20, 08 时
        Combo(form, IDC_HOUR)->setCurrentIndex(8);
        form.OnReading();
        QTest::mouseClick(Button(form, IDC_CHART), Qt::LeftButton, {}, QPoint(10, 9));
        QVERIFY(m_boxes.empty());
        QPointer<CChartWnd> window = form.ChartWindow();
        QVERIFY(window);
        QCOMPARE(window->Chart().birth.month, 2);
        QCOMPARE(window->Chart().birth.day, 20);
        QCOMPARE(window->Chart().birth.hour, 8);
        QCOMPARE(QString::fromStdString(window->Model().person), U("王五  男  属兔"));

        // 1990 lunar 五月初十 is 1990-06-02 on the Gregorian calendar.
        Combo(form, IDC_CALENDAR_KIND)->setCurrentIndex(1);
        Combo(form, IDC_YEAR)->setCurrentIndex(1990 - kFirstYear);
        Combo(form, IDC_MONTH)->setCurrentIndex(4);
        Combo(form, IDC_DAY)->setCurrentIndex(9);
        Combo(form, IDC_SEX)->setCurrentIndex(1);
        form.OnReading();
        form.OnChart();
        QCOMPARE(form.ChartWindow(), window.data());
        QCOMPARE(window->Chart().birth.year, 1990);
        QCOMPARE(window->Chart().birth.month, 6);
        QCOMPARE(window->Chart().birth.day, 2);
        QVERIFY(window->Chart().birth.sex == chart::Sex::Female);
        window->close();
        QTRY_VERIFY(!window);  // deleted on close
        QVERIFY(!form.ChartWindow());
    }

    void leapBoxFollowsTheCalendarKind() {
        CKarvutoDlg form(nullptr, 0, Db());
        QCheckBox* leap = LeapBox(form);
        QComboBox* kind = Combo(form, IDC_CALENDAR_KIND);
        QVERIFY(!leap->isEnabled());
        QVERIFY(!leap->isChecked());
        kind->setCurrentIndex(1);
        QVERIFY(leap->isEnabled());
        leap->setChecked(true);
        kind->setCurrentIndex(0);
        QVERIFY(!leap->isEnabled());
        QVERIFY(!leap->isChecked());
        // Every change clears it, lunar to lunar included.
        kind->setCurrentIndex(1);
        leap->setChecked(true);
        form.OnCalendarKindChange();
        QVERIFY(leap->isEnabled());
        QVERIFY(!leap->isChecked());
        // ... and the next reading asks for the ordinary month.
        TypeText(NameEdit(form), U("赵六"));
        form.OnReading();
        QCOMPARE(int(form.LastRequest().leap), 0);
    }

    // The greyed 是否闰月 reads against the green: a contrast of at least 3.5:1
    // (WCAG's relative luminance), where the default grey gave 1.2:1.
    void greyedLeapLabelIsLegible() {
        CKarvutoDlg form(nullptr, 0);
        QCheckBox* leap = LeapBox(form);
        QVERIFY(!leap->isEnabled());
        const auto luminance = [](const QColor& c) {
            const auto channel = [](double v) {
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
        };
        const QPalette& palette = leap->palette();
        const double text = luminance(palette.color(QPalette::Disabled, QPalette::WindowText));
        const double ground = luminance(palette.color(QPalette::Disabled, QPalette::Window));
        const double contrast = (std::max(text, ground) + 0.05) / (std::min(text, ground) + 0.05);
        QVERIFY2(contrast >= 3.5, qPrintable(QString::number(contrast)));
        // ... and still unlike the blue of an enabled label.
        QVERIFY(palette.color(QPalette::Disabled, QPalette::WindowText) !=
                palette.color(QPalette::Active, QPalette::WindowText));
    }

    void enterEscAndCloseRequestsLeaveTheFormOpen() {
        CKarvutoDlg form(nullptr, 0);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        NameEdit(form)->setFocus();
        QTest::keyClick(&form, Qt::Key_Return);
        QTest::keyClick(&form, Qt::Key_Enter);
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.close());
        QVERIFY(form.isVisible());
        QVERIFY(m_boxes.empty());
        // Only the close button closes it.
        QTest::mouseClick(Button(form, IDC_CLOSE), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!form.isVisible());
    }

    void titleBandMenuOpensAbout() {
        TestableForm form;
        QVERIFY(form.TitleMenu());
        // The About item comes last, after a separator (the commands stand before it).
        const QList<QAction*> actions = form.TitleMenu()->actions();
        QVERIFY(actions.size() >= 2);
        QVERIFY(actions[actions.size() - 2]->isSeparator());
        QCOMPARE(actions.last()->text(), U("关于 Karvuto(&A)..."));
        actions.last()->trigger();
        QTest::mouseClick(Button(form, IDC_ABOUT), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(form.aboutCount, 2);
    }

    void nameBoxTakesTenGbkBytesAndRefusesOtherCharacters() {
        CKarvutoDlg form(nullptr, 0);
        CNameEdit* edit = NameEdit(form);
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

    // Every drop list opens as tall as its template says, however many items
    // it has (the year list runs over a century).
    void dropListsKeepTheTemplatesHeight() {
        CKarvutoDlg form(nullptr, 0);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (const int id : {IDC_YEAR, IDC_MONTH, IDC_DAY, IDC_HOUR}) {
            auto* combo = form.Item<QComboBox>(id);
            QVERIFY(id != IDC_YEAR || combo->count() > combo->maxVisibleItems());
            combo->showPopup();
            QWidget* popup = combo->view()->window();
            QTRY_VERIFY(popup->isVisible());
            const int rows = combo->view()->sizeHintForRow(0);
            QVERIFY2(popup->height() <= (combo->maxVisibleItems() + 1) * rows,
                     QByteArray::number(id) + ": " + QByteArray::number(popup->height()) + " px for " +
                         QByteArray::number(combo->maxVisibleItems()) + " rows of " +
                         QByteArray::number(rows));
            combo->hidePopup();
        }
    }

    // No item of a drop list is cut or elided, closed or open, at any
    // scale (ctest runs this test at 1x and at 2x): the year list shows
    // every year of 1900-2100 whole.
    void noItemIsElided() {
        CKarvutoDlg form(nullptr, 0);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (const int id : {IDC_SEX, IDC_CALENDAR_KIND, IDC_YEAR, IDC_MONTH, IDC_DAY, IDC_HOUR}) {
            auto* combo = form.Item<QComboBox>(id);
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.editable = combo->isEditable();
            const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                               QStyle::SC_ComboBoxEditField, combo);
            const QFontMetrics closed(combo->font());
            combo->showPopup();
            QAbstractItemView* list = combo->view();
            QTRY_VERIFY(list->window()->isVisible());
            for (int row = 0; row < combo->count(); ++row) {
                const QString text = combo->itemText(row);
                // Closed: the field holds the text and the style's one-pixel margins.
                QVERIFY2(closed.horizontalAdvance(text) + 2 <= field.width(),
                         qPrintable(text + QStringLiteral(" in %1 px").arg(field.width())));
                // Open: the list's rows are as wide as their items ask.
                const QModelIndex index = combo->model()->index(row, combo->modelColumn());
                const int wanted = list->sizeHintForIndex(index).width();
                QVERIFY2(wanted <= list->viewport()->width(),
                         qPrintable(text + QStringLiteral(": %1 px wanted, %2 px given")
                                               .arg(wanted)
                                               .arg(list->viewport()->width())));
            }
            combo->hidePopup();
        }
    }

    // A pasted text longer than the room left inserts the whole characters
    // that fit, where the cursor is, and replaces a selection.
    void pastedNameKeepsWhatFits() {
        struct Case {
            const char* before;
            int cursor;  // -1: the whole text selected
            const char* pasted;
            const char* after;
            int cursorAfter;
        } const cases[] = {
            {"", 0, "一二三四五六七", "一二三四五", 5},
            {"王", 1, "abcdefghijkl", "王abcdefgh", 9},
            {"甲乙", 1, "一二三四五", "甲一二三乙", 4},
            {"一二三四", 4, "ab一c", "一二三四ab", 6},
            {"一二三四a", 5, "一a", "一二三四a", 5},  // no room for 一: nothing
            {"一二三四五", -1, "甲乙丙丁戊己庚", "甲乙丙丁戊", 5},
            {"一二三", 3, "a\U0001F600b", "一二三", 3},  // not GBK: refused whole
        };
        for (const Case& c : cases) {
            CKarvutoDlg form(nullptr, 0);
            CNameEdit* edit = NameEdit(form);
            edit->setText(U(c.before));
            if (c.cursor < 0)
                edit->selectAll();
            else
                edit->setCursorPosition(c.cursor);
            QApplication::clipboard()->setText(U(c.pasted));
            edit->paste();
            const QByteArray where = QByteArray(c.before) + " + " + c.pasted;
            QVERIFY2(edit->text() == U(c.after), where + " gave " + edit->text().toUtf8());
            QVERIFY2(edit->cursorPosition() == c.cursorAfter, where);
            QVERIFY(edit->GbkText().size() <= kNameMaxBytes);
        }
    }

    void emptyNameIsRefusedAndSpacesAreAName() {
        CKarvutoDlg form(nullptr, 0, Db());
        TypeText(NameEdit(form), U("钱七"));
        form.OnReading();
        QCOMPARE(form.LastRequest().year, 1975);
        NameEdit(form)->clear();
        m_boxes.clear();
        form.OnReading();
        QCOMPARE(m_boxes.size(), std::size_t(1));
        QCOMPARE(m_boxes[0].text, U("     请输入您的姓名!"));
        QCOMPARE(m_boxes[0].caption, U("弈澜坊之星衡命鉴"));
        QCOMPARE(form.LastRequest().year, 0);  // cleared before the check

        CKarvutoDlg fresh(nullptr, 0, Db());
        m_boxes.clear();
        fresh.OnReading();
        QCOMPARE(m_boxes.size(), std::size_t(1));
        QVERIFY(!Button(fresh, IDC_PREVIEW)->isEnabled());

        m_boxes.clear();
        TypeText(NameEdit(fresh), QStringLiteral("  "));
        fresh.OnReading();
        QVERIFY(m_boxes.empty());
        QCOMPARE(std::string(fresh.LastRequest().name), std::string("  "));
        QVERIFY(!fresh.ReportView().Report().header.empty());
    }

    void calendarPanelShowsTheLocalDate() {
        qputenv("TZ", "Asia/Shanghai");
        tzset();
        // 17:30 UTC on 9 February 2024 is 01:30 on the 10th in Beijing: the
        // first day of the lunar year 甲辰.
        platform::SetClockForTesting([] { return UtcInstant(2024, 2, 9, 17, 30); });
        CKarvutoDlg form(nullptr, 0);
        QCOMPARE(form.Item<QLabel>(IDC_SOLAR_TODAY)->text(), U("2024年02月10日 星期六"));
        QCOMPARE(form.Item<QLabel>(IDC_LUNAR_TODAY)->text(), U("龙(甲辰)年   正月初一"));

        platform::SetClockForTesting([] { return UtcInstant(2101, 3, 1, 4, 0); });
        CKarvutoDlg late(nullptr, 0);
        QCOMPARE(late.Item<QLabel>(IDC_LUNAR_TODAY)->text(), U("无效的日期"));
        QCOMPARE(late.Item<QLabel>(IDC_SOLAR_TODAY)->text(), U("2101年03月01日 星期二"));
        platform::SetClockForTesting({});
        qunsetenv("TZ");
        tzset();
    }

    void oneReadingThroughTheForm() {
        platform::SetClockForTesting([] { return UtcInstant(2024, 6, 1, 4, 0); });
        CKarvutoDlg form(nullptr, 0, Db());
        form.show();
        TypeText(NameEdit(form), U("张&三"));
        Combo(form, IDC_SEX)->setCurrentIndex(1);
        Combo(form, IDC_CALENDAR_KIND)->setCurrentIndex(1);
        Combo(form, IDC_YEAR)->setCurrentText(QStringLiteral("1990"));
        Combo(form, IDC_MONTH)->setCurrentText(QStringLiteral("05"));
        Combo(form, IDC_DAY)->setCurrentText(QStringLiteral("10"));
        Combo(form, IDC_HOUR)->setCurrentText(QStringLiteral("23"));
        LeapBox(form)->setChecked(true);  // 1990 has a leap fifth month
        QTest::mouseClick(Button(form, IDC_READING), Qt::LeftButton, {}, QPoint(10, 9));

        QVERIFY2(m_boxes.empty(), m_boxes.empty() ? "" : qPrintable(m_boxes[0].text));
        const BirthRecord& birth = form.LastRequest();
        QCOMPARE(std::string(birth.name), platform::Gbk("张&三"));
        QCOMPARE(birth.sex, 1);
        QCOMPARE(birth.CalendarKind, kLunarCalendar);
        QCOMPARE(birth.year, 1990);
        QCOMPARE(birth.month, 5);
        QCOMPARE(birth.day, 10);
        QCOMPARE(birth.hour, 23);
        QCOMPARE(int(birth.leap), 1);

        // The view shows the reading of that record: the leap fifth month's
        // tenth day is 2 July 1990, and the pillars of its 子 hour.
        const ComposedReport& shown = form.ReportView().Report();
        const QString header = QString::fromStdString(platform::Utf8(shown.header));
        QVERIFY2(header.contains(U("张&三")), qPrintable(header));
        QVERIFY2(header.contains(U("闰五月初十")), qPrintable(header));
        // 23:00 on the clock was summer time: the reading is cast for 22:00 standard time.
        QVERIFY2(header.contains(U("07月02日 22时")), qPrintable(header));
        QVERIFY2(header.contains(U("庚午  壬午  戊辰  癸亥")), qPrintable(header));
        QVERIFY(QString::fromStdString(platform::Utf8(shown.body)).contains(U("注: 出生于夏令时")));
        QVERIFY2(header.contains(U("2024年06月01日")), qPrintable(header));  // the reading's time
        QVERIFY(!shown.body.empty());
        QVERIFY(!shown.starSign.empty());
        QVERIFY(Button(form, IDC_PREVIEW)->isEnabled());
        QVERIFY(Button(form, IDC_PRINT)->isEnabled());

        // An impossible date: the message, and the previous report stays.
        const std::string before = shown.header;
        Combo(form, IDC_CALENDAR_KIND)->setCurrentIndex(0);
        Combo(form, IDC_MONTH)->setCurrentText(QStringLiteral("02"));
        Combo(form, IDC_DAY)->setCurrentText(QStringLiteral("31"));
        form.OnReading();
        QCOMPARE(m_boxes.size(), std::size_t(1));
        QCOMPARE(m_boxes[0].text, U("无效的日期! 请重新输入!"));
        QCOMPARE(m_boxes[0].caption, U("弈澜坊之星衡命鉴"));
        QCOMPARE(form.ReportView().Report().header, before);
        QVERIFY(Button(form, IDC_PREVIEW)->isEnabled());
        platform::SetClockForTesting({});
    }

    void aDatabaseFailureKeepsThePreviousReport() {
        CKarvutoDlg form(nullptr, 0, Db());
        TypeText(NameEdit(form), U("李四"));
        form.OnReading();
        QVERIFY(m_boxes.empty());
        const std::string header = form.ReportView().Report().header;
        const std::string body = form.ReportView().Report().body;

        form.SetConnection(nullptr);
        Combo(form, IDC_YEAR)->setCurrentText(QStringLiteral("1980"));
        form.OnReading();
        QCOMPARE(m_boxes.size(), std::size_t(1));
        QVERIFY2(m_boxes[0].text.startsWith(U("读取命理数据失败!\n错误信息:")), qPrintable(m_boxes[0].text));
        QCOMPARE(form.ReportView().Report().header, header);
        QCOMPARE(form.ReportView().Report().body, body);
    }
};

QTEST_MAIN(TestMainForm)
#include "tst_MainForm.moc"
