// The 档案 window over a store of its own: the list fetched lazily, search as
// you type, sorting, the keys, delete and undo, edit, and the requests it
// sends its owner.
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

#include "PeopleGuiTestSupport.h"
#include "app/people/PeopleListModel.h"
#include "app/people/PeopleWnd.h"
#include "app/people/PersonDlg.h"
#include "skin/StateBitmapButton.h"

using peopletest::Person;
using peopletest::TempStore;

Q_DECLARE_METATYPE(people::Person)

namespace {

// The names the list shows, top to bottom.
QStringList Names(const CPeopleWnd& window) {
    QStringList names;
    const CPeopleListModel* model = window.Model();
    for (int row = 0; row < model->rowCount(); ++row)
        names << model->data(model->index(row, CPeopleListModel::kName)).toString();
    return names;
}

void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

}  // namespace

class TestPeopleWnd : public QObject {
    Q_OBJECT
    std::unique_ptr<TempStore> m_store;

    // Stores 张三 (客户), 李四 (朋友, lunar), 王五 (客户 VIP) and Zoe, added in that order.
    void AddFour() {
        people::Person li = Person("李四", 1985, 3, 1, {"朋友"});
        li.calendar = people::CalendarKind::Lunar;
        (*m_store)->Import({Person("张三", 1990, 5, 10, {"客户"}), li,
                            Person("王五", 1975, 1, 1, {"客户", "VIP"}), Person("Zoe", 2001, 12, 31)});
    }

private slots:
    void init() { m_store = std::make_unique<TempStore>(); }
    void cleanup() { m_store.reset(); }

    // Opening the list reads the ids and only the rows the view shows.
    void fetchesOnlyTheVisibleRows() {
        (*m_store)->Import(peopletest::Many(3000));
        CPeopleWnd window(**m_store);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.Model()->rowCount(), 3000);
        QVERIFY2(window.Model()->FetchedCount() <= 2 * CPeopleListModel::kBlockRows,
                 qPrintable(QString::number(window.Model()->FetchedCount())));
        QCOMPARE(window.CountLabel()->text(), QStringLiteral("共 3000 人"));
        // The end of the list costs the rows shown there, not the ones between.
        window.List()->scrollToBottom();
        QApplication::processEvents();
        window.List()->grab();
        QVERIFY(window.Model()->FetchedCount() <= 4 * CPeopleListModel::kBlockRows);
        QCOMPARE(window.Model()->data(window.Model()->index(2999, 0)).toString().isEmpty(), false);
    }

    void searchAsYouType_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("a character of the name") << "张" << QStringList{"张三"};
        QTest::newRow("pinyin initials") << "ls" << QStringList{"李四"};
        QTest::newRow("Latin name, any case") << "zOE" << QStringList{"Zoe"};
        QTest::newRow("date as entered") << "1990-05" << QStringList{"张三"};
        QTest::newRow("a lunar person's Gregorian date") << "1985-04" << QStringList{"李四"};
        QTest::newRow("tag") << "客户" << QStringList{"王五", "张三"};
        QTest::newRow("two words, both must match") << "客户 vip" << QStringList{"王五"};
        QTest::newRow("nobody") << "赵" << QStringList{};
    }

    // The list follows the typing once it pauses; sorted by name here.
    void searchAsYouType() {
        QFETCH(QString, typed);
        QFETCH(QStringList, names);
        AddFour();
        CPeopleWnd window(**m_store);
        window.SortBy(people::SortKey::Name, false);
        window.show();
        QCOMPARE(window.Model()->rowCount(), 4);
        Type(window.SearchEdit(), typed);
        QCOMPARE(window.SearchEdit()->text(), typed);
        QTRY_COMPARE(Names(window), names);
        QCOMPARE(window.CountLabel()->text(), QStringLiteral("找到 %1 人，共 4 人").arg(names.size()));
        QCOMPARE(window.OpenButton()->isEnabled(), !names.isEmpty());
    }

    // The header and the sort controls sort by the store's keys; the column
    // sorted by turns its direction when clicked again.
    void sorting() {
        AddFour();
        CPeopleWnd window(**m_store);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // At first the most recently changed first: the last added.
        QCOMPARE(Names(window).first(), QStringLiteral("Zoe"));
        QHeaderView* header = window.List()->horizontalHeader();
        const auto click = [header](int column) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
        };
        click(CPeopleListModel::kName);
        // GBK order is pinyin order for the common hanzi; Latin letters first.
        QCOMPARE(Names(window), (QStringList{"Zoe", "李四", "王五", "张三"}));
        QCOMPARE(window.SortCombo()->currentText(), QStringLiteral("姓名"));
        QVERIFY(!window.DescendingBox()->isChecked());
        click(CPeopleListModel::kName);
        QCOMPARE(Names(window), (QStringList{"张三", "王五", "李四", "Zoe"}));
        QVERIFY(window.DescendingBox()->isChecked());
        click(CPeopleListModel::kBirth);  // by the Gregorian birth, the lunar one converted
        QCOMPARE(Names(window), (QStringList{"王五", "李四", "张三", "Zoe"}));
        click(CPeopleListModel::kSex);  // not a key of the store: nothing changes
        QCOMPARE(Names(window), (QStringList{"王五", "李四", "张三", "Zoe"}));
        QCOMPARE(header->sortIndicatorSection(), int(CPeopleListModel::kBirth));
        window.DescendingBox()->setChecked(true);
        QCOMPARE(Names(window), (QStringList{"Zoe", "张三", "李四", "王五"}));
    }

    void deleteAndUndo() {
        AddFour();
        CPeopleWnd window(**m_store);
        window.SortBy(people::SortKey::Name, false);
        QSignalSpy removed(&window, &CPeopleWnd::PersonRemoved);
        QSignalSpy restored(&window, &CPeopleWnd::PersonRestored);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.Select((*m_store)->FindIds({.text = "王五"}).front());
        const people::Person before = *window.CurrentPerson();
        window.List()->setFocus();
        QTest::keyClick(window.List(), Qt::Key_Delete);
        QCOMPARE((*m_store)->Count(), 3);
        QCOMPARE(Names(window), (QStringList{"Zoe", "李四", "张三"}));
        QCOMPARE(removed.count(), 1);
        QVERIFY(window.UndoOffer()->isVisible());
        QCOMPARE(window.CurrentPerson()->name, std::string("张三"));  // the next row is current
        // Ctrl+Z puts the person back whole, under the same id.
        QTest::keyClick(window.List(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE((*m_store)->Count(), 4);
        QCOMPARE(*(*m_store)->Get(before.id), before);
        QCOMPARE(window.CurrentPerson()->id, before.id);
        QVERIFY(!window.UndoOffer()->isVisible());
        QCOMPARE(restored.count(), 1);
        QVERIFY(!window.OnUndo());  // nothing more to undo
        // The visible 撤销 does the same.
        window.OnDelete();
        QVERIFY(window.UndoOffer()->isVisible());
        QTest::mouseClick(window.UndoButton(), Qt::LeftButton);
        QCOMPARE((*m_store)->Count(), 4);
    }

    // A deletion undone after another program took the id is refused and said.
    void undoRefusedIsReported() {
        AddFour();
        CPeopleWnd window(**m_store);
        QSignalSpy failed(&window, &CPeopleWnd::StoreFailed);
        window.OnDelete();
        const people::Person gone = window.Removed().back();
        (*m_store)->Restore(gone);  // someone else put it back
        QVERIFY(!window.OnUndo());
        QTRY_COMPARE(failed.count(), 1);
        QVERIFY(failed.first().first().toString().contains(QString::number(gone.id)));
        QCOMPARE(window.Removed().size(), std::size_t(1));  // still on offer
    }

    void keys() {
        qRegisterMetaType<people::Person>();
        AddFour();
        auto* window = new CPeopleWnd(**m_store);
        QPointer<CPeopleWnd> alive(window);
        QSignalSpy opened(window, &CPeopleWnd::OpenRequested);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(QApplication::focusWidget(), window->SearchEdit());
        // Tab runs search, sort, direction, list, then the commands.
        const QList<QWidget*> order{window->SortCombo(),  window->DescendingBox(), window->List(),
                                    window->OpenButton(), window->EditButton(),    window->DeleteButton(),
                                    window->ChartButton()};
        for (QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        // Down from the search walks the list; Enter there opens the person and closes the window.
        window->SearchEdit()->setFocus();
        const people::PersonId first = window->CurrentPerson()->id;
        QTest::keyClick(window->SearchEdit(), Qt::Key_Down);
        QVERIFY(window->CurrentPerson()->id != first);
        const people::PersonId second = window->CurrentPerson()->id;
        QTest::keyClick(window->SearchEdit(), Qt::Key_Return);
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened.first().first().value<people::Person>().id, second);
        QTRY_VERIFY(alive.isNull());  // closed, and deleted on close
    }

    void escapeCloses() {
        auto* window = new CPeopleWnd(**m_store);
        QPointer<CPeopleWnd> alive(window);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window->List(), Qt::Key_Escape);
        QTRY_VERIFY(alive.isNull());
    }

    void chartAndOpenRequests() {
        qRegisterMetaType<people::Person>();
        AddFour();
        CPeopleWnd window(**m_store);
        QSignalSpy chart(&window, &CPeopleWnd::ChartRequested);
        const people::Person current = *window.CurrentPerson();
        QTest::mouseClick(window.ChartButton(), Qt::LeftButton);
        QCOMPARE(chart.count(), 1);
        QCOMPARE(chart.first().first().value<people::Person>(), current);
    }

    // 编辑 opens the person dialog; what it stores shows in the list.
    void edit() {
        qRegisterMetaType<people::Person>();
        AddFour();
        CPeopleWnd window(**m_store);
        window.SortBy(people::SortKey::Name, false);
        window.show();
        QSignalSpy changed(&window, &CPeopleWnd::PersonChanged);
        window.Select((*m_store)->FindIds({.text = "张三"}).front());
        window.OnEdit();
        auto* dialog = window.findChild<CPersonDlg*>();
        QVERIFY(dialog);
        QCOMPARE(dialog->Caption(), QStringLiteral("编辑档案"));
        dialog->NameEdit()->setText(QStringLiteral("张三丰"));
        dialog->NoteEdit()->setPlainText(QStringLiteral("太极"));
        dialog->OnSave();
        QCOMPARE(changed.count(), 1);
        const people::Person stored = *(*m_store)->Get(window.CurrentPerson()->id);
        QCOMPARE(stored.name, std::string("张三丰"));
        QCOMPARE(stored.note, std::string("太极"));
        QCOMPARE(stored.tags, std::vector<std::string>{"客户"});
        QVERIFY(Names(window).contains(QStringLiteral("张三丰")));
        QCOMPARE(window.CurrentPerson()->id, stored.id);
    }
};

QTEST_MAIN(TestPeopleWnd)
#include "tst_PeopleWnd.moc"
