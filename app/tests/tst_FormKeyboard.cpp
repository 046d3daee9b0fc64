// The main form from the keyboard: Tab runs through the controls in reading
// order with the window's buttons last, every control shows when it has the
// focus, Enter in the name box gives the reading, Enter on a command runs it,
// the title band's menu opens from the keyboard, and the skinned buttons have
// names for a screen reader.
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QtTest>
#include <map>

#include "DialogTemplates.h"
#include "app/KarvutoApp.h"
#include "app/KarvutoDlg.h"
#include "app/MessageBox.h"
#include "app/NameEdit.h"
#include "skin/StateBitmapButton.h"

using namespace res;  // IDC_* control ids

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Pixels that differ between two pictures of the same size.
int Differences(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size()) return -1;
    int n = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) n += x.pixel(col, row) != y.pixel(col, row);
    return n;
}

}  // namespace

class TestFormKeyboard : public QObject {
    Q_OBJECT
    CKarvutoApp m_app;
    std::vector<QString> m_boxes;

    // A shown, active form with a reading made (so that every command is
    // enabled) and the lunar calendar chosen (so that the leap box is).
    std::unique_ptr<CKarvutoDlg> ReadyForm() {
        auto form = std::make_unique<CKarvutoDlg>(nullptr, 0, m_app.m_pConnection.get());
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get())) return nullptr;
        form->Item<CNameEdit>(IDC_NAME)->setText(U("王五"));
        form->OnReading();
        form->Item<QComboBox>(IDC_CALENDAR_KIND)->setCurrentIndex(1);
        return form;
    }

private slots:
    void initTestCase() {
        CKarvutoApp::SetDialogColors();
        SetMessageBoxHook([this](QWidget*, const QString& text, const QString&) { m_boxes.push_back(text); });
        m_app.m_szDbPath = CKarvutoApp::DatabasePathIn(QCoreApplication::applicationDirPath().toStdString());
        QVERIFY(m_app.OpenDatabase());
    }
    void cleanupTestCase() { m_app.CloseDatabase(); }
    void init() { m_boxes.clear(); }

    void tabRunsInReadingOrderWithTheWindowButtonsLast() {
        const auto form = ReadyForm();
        QVERIFY(form);
        const int expected[] = {IDC_NAME, IDC_SEX,    IDC_CALENDAR_KIND, IDC_LEAP,     IDC_YEAR,  IDC_MONTH,
                                IDC_DAY,  IDC_HOUR,   IDC_READING,       IDC_PREVIEW,  IDC_PRINT, IDC_CHART,
                                IDC_HELP, IDC_REPORT, IDC_ABOUT,         IDC_MINIMIZE, IDC_CLOSE, IDC_NAME};
        form->Item<CNameEdit>(IDC_NAME)->setFocus();
        QStringList seen{QApplication::focusWidget()->objectName()};
        for (std::size_t i = 1; i < std::size(expected); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget()->objectName();
        }
        QStringList wanted;
        for (const int id : expected) wanted << QString::number(id);
        QCOMPARE(seen, wanted);
        // Backwards from the name box: the close button first.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::number(IDC_CLOSE));
    }

    // Every control looks different when Tab has brought the focus to it:
    // the skinned buttons with their focus ring, the report with its frame.
    void focusShowsOnEveryControl() {
        const auto form = ReadyForm();
        QVERIFY(form);
        const auto area = [&form](QWidget* control) {
            return form->grab(control->geometry().adjusted(-3, -3, 3, 3)).toImage();
        };
        // Each control's picture with the focus elsewhere: on the name box,
        // and for the name box itself on the next control.
        auto* name = form->Item<CNameEdit>(IDC_NAME);
        name->setFocus();
        QTest::keyClick(name, Qt::Key_Tab);
        QWidget* second = QApplication::focusWidget();
        std::map<QWidget*, QImage> without{{name, area(name)}};
        QTest::keyClick(second, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), name);
        for (QWidget* w = name->nextInFocusChain(); w != name; w = w->nextInFocusChain()) {
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) without[w] = area(w);
        }
        QCOMPARE(without.size(), std::size_t(17));
        // Then Tab to each in turn.
        for (std::size_t i = 0; i < without.size(); ++i) {
            QWidget* focused = QApplication::focusWidget();
            QVERIFY(without.count(focused));
            QVERIFY2(Differences(without[focused], area(focused)) > 4, qPrintable(focused->objectName()));
            QTest::keyClick(focused, Qt::Key_Tab);
        }
    }

    void enterInTheNameBoxGivesTheReading() {
        CKarvutoDlg form(nullptr, 0, m_app.m_pConnection.get());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* name = form.Item<CNameEdit>(IDC_NAME);
        // An empty name is refused as the button refuses it.
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(m_boxes.size(), std::size_t(1));
        QCOMPARE(m_boxes[0], U("     请输入您的姓名!"));
        QVERIFY(form.ReportView().Report().header.empty());
        m_boxes.clear();
        name->setText(U("赵六"));
        QTest::keyClick(name, Qt::Key_Enter);  // the keypad's Enter too
        QVERIFY(m_boxes.empty());
        QCOMPARE(std::string(form.LastRequest().name), std::string("\xD5\xD4\xC1\xF9"));  // 赵六 in GBK
        QVERIFY(!form.ReportView().Report().header.empty());
        QVERIFY(form.isVisible());
    }

    void enterOrSpaceOnACommandRunsIt_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void enterOrSpaceOnACommandRunsIt() {
        QFETCH(int, key);
        CKarvutoDlg form(nullptr, 0, m_app.m_pConnection.get());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.Item<CNameEdit>(IDC_NAME)->setText(U("钱七"));
        auto* reading = form.Item<CStateBitmapButton>(IDC_READING);
        reading->setFocus();
        QTest::keyClick(reading, Qt::Key(key));
        QTRY_VERIFY(!form.ReportView().Report().header.empty());
    }

    void titleMenuOpensFromTheKeyboard_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("Alt+Space") << QKeySequence(Qt::ALT | Qt::Key_Space);
        QTest::newRow("F10") << QKeySequence(Qt::Key_F10);
    }
    void titleMenuOpensFromTheKeyboard() {
        QFETCH(QKeySequence, keys);
        const auto form = ReadyForm();
        QVERIFY(form);
        QVERIFY(form->TitleMenu());
        form->Item<CNameEdit>(IDC_NAME)->setFocus();
        QTest::keySequence(form->windowHandle(), keys);
        QTRY_VERIFY(form->TitleMenu()->isVisible());
        form->TitleMenu()->hide();
    }

    void skinnedButtonsHaveAccessibleNames_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("name");
        QTest::newRow("reading") << int(IDC_READING) << U("八字论命");
        QTest::newRow("preview") << int(IDC_PREVIEW) << U("打印预览");
        QTest::newRow("print") << int(IDC_PRINT) << U("打印文件");
        QTest::newRow("chart") << int(IDC_CHART) << U("详细排盘");
        QTest::newRow("help") << int(IDC_HELP) << U("系统帮助");
        QTest::newRow("about") << int(IDC_ABOUT) << U("关于");
        QTest::newRow("minimise") << int(IDC_MINIMIZE) << U("最小化");
        QTest::newRow("close") << int(IDC_CLOSE) << U("关闭");
    }
    void skinnedButtonsHaveAccessibleNames() {
        QFETCH(int, id);
        QFETCH(QString, name);
        CKarvutoDlg form(nullptr, 0);
        QCOMPARE(form.Item<CStateBitmapButton>(id)->accessibleName(), name);
    }
};

QTEST_MAIN(TestFormKeyboard)
#include "tst_FormKeyboard.moc"
