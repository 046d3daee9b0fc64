// The main form's commands for the saved people and the reading as a
// document, through the real form, the shipped database and a people store
// in a temporary folder: save, open, the chart of a person, a store that
// cannot be used, copying and the PDF.
#include <sqlite3.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include "DialogTemplates.h"
#include "PeopleGuiTestSupport.h"
#include "app/KarvutoApp.h"
#include "app/KarvutoDlg.h"
#include "app/MessageBox.h"
#include "app/NameEdit.h"
#include "app/chart/ChartWnd.h"
#include "app/pages/tests/PageTestSupport.h"
#include "app/people/PeopleCommands.h"
#include "app/people/PeopleListModel.h"
#include "app/people/PeopleWnd.h"
#include "app/people/PersonDlg.h"
#include "skin/StateBitmapButton.h"

using namespace res;  // IDC_* control ids
using peopletest::Person;

namespace {

// Types a reading into the form as a user does and asks for it.
void Read(CKarvutoDlg& form, const QString& name, int year, int month, int day, int hour) {
    form.Item<CNameEdit>(IDC_NAME)->setText(name);
    form.Item<QComboBox>(IDC_CALENDAR_KIND)->setCurrentIndex(0);
    form.Item<QComboBox>(IDC_YEAR)->setCurrentText(QString::number(year));
    form.Item<QComboBox>(IDC_MONTH)->setCurrentText(QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0')));
    form.Item<QComboBox>(IDC_DAY)->setCurrentText(QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0')));
    form.Item<QComboBox>(IDC_HOUR)->setCurrentText(QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0')));
    form.OnReading();
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Text without any white space, so that line breaks and alignment do not count.
QString Squeezed(QString text) {
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text;
}

// Runs one SQL statement on a file, outside the store's own code.
void Sql(const QString& path, const char* sql) {
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &error);
    const QString reason = QString::fromUtf8(error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
    QVERIFY2(rc == SQLITE_OK, qPrintable(reason));
}

}  // namespace

class TestPeopleCommands : public QObject {
    Q_OBJECT
    QTemporaryDir m_data;  // $XDG_DATA_HOME of the tests
    CKarvutoApp m_app;
    QStringList m_boxes;
    std::unique_ptr<CKarvutoDlg> m_form;
    CPeopleCommands* m_commands = nullptr;  // owned by the form
    int m_case = 0;

    CPeopleCommands& Commands() { return *m_commands; }
    // A store path of this test case's own.
    QString CaseStore() { return m_data.filePath(QStringLiteral("case%1/people.db").arg(m_case)); }
    people::PeopleStore& Store() { return *Commands().Store(); }

private slots:
    void initTestCase() {
        QVERIFY(m_data.isValid());
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
        // A home of the tests' own, with a documents folder for the PDF's proposal.
        qputenv("HOME", m_data.path().toLocal8Bit());
        QVERIFY(QDir(m_data.path()).mkpath(QStringLiteral("Documents")));
        CKarvutoApp::SetDialogColors();
        SetMessageBoxHook([this](QWidget*, const QString& text, const QString&) { m_boxes << text; });
        m_app.m_szDbPath = CKarvutoApp::DatabasePathIn(QCoreApplication::applicationDirPath().toStdString());
        QVERIFY2(m_app.OpenDatabase(), "the shipped Karvuto.mdb beside the tests");
    }
    void cleanupTestCase() { m_app.CloseDatabase(); }
    void init() {
        m_boxes.clear();
        ++m_case;
        m_form = std::make_unique<CKarvutoDlg>(nullptr, 0, m_app.m_pConnection.get());
        m_commands = new CPeopleCommands(*m_form);
        QDir().mkpath(QFileInfo(CaseStore()).path());
        Commands().SetStorePath(CaseStore().toStdString());
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    void cleanup() { m_form.reset(); }

    // The store is the user's data folder's, and nothing opens it until a
    // command needs it.
    void storeOpenedOnFirstUseOnly() {
        CKarvutoDlg fresh(nullptr, 0, m_app.m_pConnection.get());
        CPeopleCommands& commands = *new CPeopleCommands(fresh);
        const QString expected = m_data.filePath(QStringLiteral("karvuto/people.db"));
        QCOMPARE(QString::fromStdString(commands.StorePath()), expected);
        Read(fresh, QStringLiteral("张三"), 1990, 5, 10, 8);
        QVERIFY(!commands.StoreIsOpen());
        QVERIFY(!QFile::exists(expected));
        commands.OnPeople();
        QVERIFY(commands.StoreIsOpen());
        QVERIFY(QFile::exists(expected));
        QVERIFY(commands.PeopleWindow());
        QCOMPARE(QFile(expected).permissions() & (QFile::ReadOther | QFile::ReadGroup), QFile::Permissions());
    }

    // The commands stand first in the title menu, work from the keyboard and
    // wait for a reading where they need one.
    void commandsInTheMenuAndOnTheKeys() {
        QStringList texts;
        for (QAction* a : m_form->TitleMenu()->actions()) texts << (a->isSeparator() ? "-" : a->text());
        QCOMPARE(texts.mid(0, 5), (QStringList{"保存", "档案", "导出PDF", "复制全文", "-"}));
        QVERIFY(texts.last().startsWith(QStringLiteral("关于")));
        for (QAction* a : {Commands().SaveAction(), Commands().ExportAction(), Commands().CopyAllAction()})
            QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
        QVERIFY(Commands().PeopleAction()->isEnabled());
        QTest::keyClick(m_form.get(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!Commands().SaveDialog());
        Read(*m_form, QStringLiteral("张三"), 1990, 5, 10, 8);
        QTest::keyClick(m_form.get(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(Commands().SaveDialog());
        Commands().SaveDialog()->reject();
        QTest::keyClick(m_form.get(), Qt::Key_O, Qt::ControlModifier);
        QVERIFY(Commands().PeopleWindow());
    }

    // 保存 stores the reading's person with the note and tags typed, and the
    // person is in the 档案 list; saving again updates it, or adds another.
    void saveAppearsInThePeopleList() {
        Read(*m_form, QStringLiteral("张三"), 1990, 5, 10, 8);
        Commands().OnSave();
        CPersonDlg* dialog = Commands().SaveDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->Caption(), QStringLiteral("保存档案"));
        QVERIFY(!dialog->SaveAsNewButton()->isVisibleTo(dialog));
        dialog->NoteEdit()->setPlainText(QStringLiteral("问事业"));
        dialog->TagsEdit()->setText(QStringLiteral("客户 VIP"));
        QTest::mouseClick(dialog->SaveButton(), Qt::LeftButton);
        QCOMPARE(Store().Count(), 1);
        const people::Person stored = Store().Find().front();
        QCOMPARE(stored.name, std::string("张三"));
        QCOMPARE(stored.year, 1990);
        QCOMPARE(stored.month, 5);
        QCOMPARE(stored.day, 10);
        QCOMPARE(stored.hour, 8);
        QCOMPARE(stored.minute, 0);
        QCOMPARE(stored.note, std::string("问事业"));
        QCOMPARE(stored.tags, (std::vector<std::string>{"客户", "VIP"}));
        QCOMPARE(Commands().LinkedPerson()->id, stored.id);

        Commands().OnPeople();
        QCOMPARE(Commands().PeopleWindow()->Model()->rowCount(), 1);
        QCOMPARE(Commands()
                     .PeopleWindow()
                     ->Model()
                     ->data(Commands().PeopleWindow()->Model()->index(0, 0))
                     .toString(),
                 QStringLiteral("张三"));

        // The same person read again (another hour) and saved: one person, updated.
        Read(*m_form, QStringLiteral("张三"), 1990, 5, 10, 9);
        Commands().OnSave();
        dialog = Commands().SaveDialog();
        QVERIFY(dialog->SaveAsNewButton()->isVisibleTo(dialog));
        QCOMPARE(dialog->NoteEdit()->toPlainText(), QStringLiteral("问事业"));
        dialog->OnSave();
        QCOMPARE(Store().Count(), 1);
        QCOMPARE(Store().Get(stored.id)->hour, 9);
        QCOMPARE(Store().Get(stored.id)->created, stored.created);
        QCOMPARE(Commands().PeopleWindow()->Model()->rowCount(), 1);  // the open list follows
        // 另存为新档案 leaves the stored one and adds another.
        Commands().OnSave();
        Commands().SaveDialog()->OnSaveAsNew();
        QCOMPARE(Store().Count(), 2);
        QCOMPARE(Commands().PeopleWindow()->Model()->rowCount(), 2);
    }

    // The minute, birthplace and conventions saved are the chart window's.
    void saveTakesTheChartWindowsSettings() {
        Read(*m_form, QStringLiteral("李四"), 1988, 8, 8, 23);
        m_form->OnChart();
        chart::Conventions conventions;
        conventions.zi = chart::ZiHour::NextDay;
        conventions.longitude = chart::FindCapital("广州")->longitude;
        conventions.dstCorrect = false;
        m_form->ChartWindow()->SetConventions(30, conventions, QStringLiteral("广州"));
        Commands().OnSave();
        Commands().SaveDialog()->OnSave();
        const people::Person p = Store().Find().front();
        QCOMPARE(p.minute, 30);
        QCOMPARE(p.place, std::string("广州"));
        QCOMPARE(p.longitude, conventions.longitude);
        QVERIFY(p.trueSolarTime);
        QCOMPARE(p.zi, chart::ZiHour::NextDay);
        QVERIFY(!p.dstCorrect);
    }

    // 打开 (Enter on the list) fills the form with the person and reads; a
    // name longer than the form's box is kept whole when the person is saved.
    void openFillsTheFormAndReads() {
        people::Person p = Person("欧阳春花雨露", 2020, 4, 1, {"朋友"});
        p.calendar = people::CalendarKind::Lunar;
        p.leap = true;
        p.hour = 23;
        p.minute = 15;
        p.sex = people::Sex::Female;
        p.note = "老客户";
        const people::PersonId id = Store().Add(p);
        Read(*m_form, QStringLiteral("别人"), 1975, 1, 1, 0);
        Commands().OnPeople();
        QPointer<CPeopleWnd> window = Commands().PeopleWindow();
        window->Select(id);
        window->List()->setFocus();
        QTest::keyClick(window->List(), Qt::Key_Return);
        QTRY_VERIFY(window.isNull());  // opening closes the list

        QCOMPARE(m_form->Item<CNameEdit>(IDC_NAME)->text(), QStringLiteral("欧阳春花雨"));
        QCOMPARE(m_form->Item<QComboBox>(IDC_SEX)->currentText(), QStringLiteral("女"));
        QCOMPARE(m_form->Item<QComboBox>(IDC_CALENDAR_KIND)->currentText(), QStringLiteral("按阴历日期"));
        QVERIFY(m_form->Item<QCheckBox>(IDC_LEAP)->isChecked());
        QCOMPARE(m_form->Item<QComboBox>(IDC_YEAR)->currentText(), QStringLiteral("2020"));
        QCOMPARE(m_form->Item<QComboBox>(IDC_MONTH)->currentText(), QStringLiteral("04"));
        QCOMPARE(m_form->Item<QComboBox>(IDC_DAY)->currentText(), QStringLiteral("01"));
        QCOMPARE(m_form->Item<QComboBox>(IDC_HOUR)->currentText(), QStringLiteral("23"));
        const BirthRecord& read = m_form->LastRequest();
        QCOMPARE(read.CalendarKind, kLunarCalendar);
        QCOMPARE(int(read.leap), 1);
        QVERIFY(m_form->ReportView().PlainText().contains(QStringLiteral("欧阳春花雨")));
        QVERIFY(m_boxes.isEmpty());
        QCOMPARE(Commands().LinkedPerson()->id, id);

        Commands().OnSave();
        CPersonDlg* dialog = Commands().SaveDialog();
        QCOMPARE(dialog->NameEdit()->text(), QStringLiteral("欧阳春花雨露"));
        QVERIFY(dialog->ReportNameLabel()->text().contains(QStringLiteral("欧阳春花雨”")));
        QCOMPARE(dialog->NoteEdit()->toPlainText(), QStringLiteral("老客户"));
        dialog->OnSave();
        const people::Person saved = *Store().Get(id);
        QCOMPARE(saved.name, p.name);
        QCOMPARE(saved.minute, 15);
        QVERIFY(saved.leap);
        QCOMPARE(Store().Count(), 1);
    }

    // A reading typed under another name is another person: saving it adds one.
    void readingUnderAnotherNameIsAnotherPerson() {
        const people::PersonId id = Store().Add(Person("张三"));
        Commands().OpenPerson(*Store().Get(id));
        QVERIFY(Commands().LinkedPerson());
        Read(*m_form, QStringLiteral("张三"), 1991, 1, 1, 1);  // the same person, corrected
        QVERIFY(Commands().LinkedPerson());
        Read(*m_form, QStringLiteral("李四"), 1990, 5, 10, 8);
        QVERIFY(!Commands().LinkedPerson());
        Commands().OnSave();
        Commands().SaveDialog()->OnSave();
        QCOMPARE(Store().Count(), 2);
        QCOMPARE(Store().Get(id)->year, 1990);
    }

    // 排盘 in the list opens the chart window for the person's birth, cast
    // with its minute, birthplace and conventions; so does the form's chart
    // button while the reading is the person's.
    void chartOneClickAway() {
        people::Person p = Person("王五", 1990, 5, 10);
        p.minute = 45;
        p.zi = chart::ZiHour::NextDay;
        p.place = "乌鲁木齐";
        p.longitude = chart::FindCapital("乌鲁木齐")->longitude;
        p.trueSolarTime = true;
        p.dstCorrect = false;
        const people::PersonId id = Store().Add(p);
        Commands().OnPeople();
        CPeopleWnd* window = Commands().PeopleWindow();
        window->Select(id);
        QTest::mouseClick(window->ChartButton(), Qt::LeftButton);
        for (int round = 0; round < 2; ++round) {
            CChartWnd* chart = m_form->ChartWindow();
            QVERIFY(chart);
            QCOMPARE(chart->Chart().birth.year, 1990);
            QCOMPARE(chart->Chart().birth.month, 5);
            QCOMPARE(chart->Chart().birth.day, 10);
            QCOMPARE(chart->Chart().birth.hour, 8);
            QCOMPARE(chart->Chart().birth.minute, 45);
            QCOMPARE(chart->Chart().conventions.zi, chart::ZiHour::NextDay);
            QCOMPARE(chart->Chart().conventions.longitude, p.longitude);
            QVERIFY(!chart->Chart().conventions.dstCorrect);
            QCOMPARE(QString::fromStdString(chart->ModelInputNow().place), QStringLiteral("乌鲁木齐"));
            QVERIFY(QString::fromStdString(chart->Model().person).startsWith(QStringLiteral("王五")));
            // Again through the form's own chart button, the window closed first.
            chart->close();
            QTRY_VERIFY(!m_form->ChartWindow());
            m_form->OnChart();
        }
    }

    void unusableStoreIsReportedAndUntouched_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("said");
        QTest::newRow("not an SQLite file") << "garbage"
                                            << "已损坏";
        QTest::newRow("cut short") << "truncated"
                                   << "已损坏";
        QTest::newRow("from a newer version") << "newer"
                                              << "较新的版本";
        QTest::newRow("another program's database") << "foreign"
                                                    << "不是档案库";
    }

    // A store that cannot be used is said so, plainly, once for each command
    // that needs it; its file is left byte for byte, no file is added beside
    // it, and the form reads on.
    void unusableStoreIsReportedAndUntouched() {
        QFETCH(QString, kind);
        QFETCH(QString, said);
        const QString path = CaseStore();
        if (kind == "garbage") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(8192, '\x5a'));
        } else if (kind == "foreign") {
            Sql(path, "CREATE TABLE accounts (id INTEGER PRIMARY KEY, owner TEXT)");
        } else {
            {
                people::PeopleStore store(path.toStdString());
                store.Import(peopletest::Many(200));
            }
            if (kind == "newer") {
                Sql(path, "PRAGMA user_version = 99");
            } else {
                QFile file(path);
                QVERIFY(file.resize(file.size() / 2));
            }
        }
        const QByteArray before = Bytes(path);
        const QStringList filesBefore = QDir(QFileInfo(path).path()).entryList(QDir::Files);

        Commands().OnPeople();
        QCOMPARE(m_boxes.size(), 1);
        QVERIFY2(m_boxes.first().contains(said), qPrintable(m_boxes.first()));
        QVERIFY(m_boxes.first().contains(QStringLiteral("论命照常可用")));
        QVERIFY(!Commands().PeopleWindow());
        QVERIFY(!Commands().StoreIsOpen());

        Read(*m_form, QStringLiteral("张三"), 1990, 5, 10, 8);
        QVERIFY(!m_form->ReportView().PlainText().isEmpty());
        Commands().OnSave();
        QCOMPARE(m_boxes.size(), 2);
        QVERIFY(!Commands().SaveDialog());

        QCOMPARE(Bytes(path), before);
        QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files), filesBefore);
    }

    // Another program holding the store: the write waits, then the dialog
    // says so and keeps what was typed, and a second try stores it.
    void busyStoreKeepsTheDialogOpen() {
        Store().Add(Person("张三"));
        Read(*m_form, QStringLiteral("李四"), 1990, 5, 10, 8);
        Commands().OnSave();
        CPersonDlg* dialog = Commands().SaveDialog();
        dialog->NoteEdit()->setPlainText(QStringLiteral("要紧的备注"));
        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open(CaseStore().toUtf8().constData(), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
        dialog->OnSave();
        QVERIFY(dialog->isVisible());
        QVERIFY2(dialog->MessageLabel()->text().contains(QStringLiteral("另一程序")),
                 qPrintable(dialog->MessageLabel()->text()));
        QCOMPARE(dialog->NoteEdit()->toPlainText(), QStringLiteral("要紧的备注"));
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        dialog->OnSave();
        QCOMPARE(Store().Count(), 2);
        QCOMPARE(Store().Find({.text = "李四"}).front().note, std::string("要紧的备注"));
    }

    // 复制全文 puts the whole report on the clipboard as plain text; the view
    // copies what the mouse selected, and Ctrl+A selects it all.
    void copyingTheReport() {
        Read(*m_form, QStringLiteral("张三"), 1990, 5, 10, 8);
        CReportView& view = m_form->ReportView();
        const ComposedReport& report = view.Report();
        const QString plain = view.PlainText();
        QCOMPARE(plain, view.PageText().header + QStringLiteral("\n\n") + view.PageText().body);
        QVERIFY(plain.contains(QStringLiteral("您的尊姓大名")));
        QVERIFY(!report.body.empty());
        QApplication::clipboard()->clear();
        Commands().CopyAllAction()->trigger();
        QCOMPARE(QApplication::clipboard()->text(), plain);

        // A drag over the header's first line selects from its start.
        QWidget* page = view.viewport();
        QTest::mousePress(page, Qt::LeftButton, {}, QPoint(10, 12));
        QTest::mouseMove(page, QPoint(200, 12));
        QTest::mouseRelease(page, Qt::LeftButton, {}, QPoint(200, 12));
        QVERIFY(view.HasSelection());
        QVERIFY(plain.startsWith(view.SelectedText()));
        QVERIFY(view.SelectedText().contains(QStringLiteral("您的尊姓大名")));
        QVERIFY(view.hasFocus());
        QTest::keyClick(page, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), view.SelectedText());
        QTest::keyClick(page, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(view.SelectedText(), plain);
        // A new reading starts without a selection.
        Read(*m_form, QStringLiteral("李四"), 1990, 5, 10, 8);
        QVERIFY(!view.HasSelection());
    }

    void exportPdf_data() {
        QTest::addColumn<bool>("withChart");
        QTest::addColumn<int>("minimumPages");
        QTest::newRow("the report") << false << 1;
        QTest::newRow("with the chart and the analysis") << true << 2;
    }

    // 导出PDF writes the report page (and the chart and analysis pages when
    // asked) whose text reads back as the report's.
    void exportPdf() {
        QFETCH(bool, withChart);
        QFETCH(int, minimumPages);
        if (!pagetest::HavePoppler()) QSKIP(pagetest::kPopplerMissing);
        Read(*m_form, QStringLiteral("张三"), 1990, 5, 10, 8);
        const QString path = m_data.filePath(QStringLiteral("case%1/报告.pdf").arg(m_case));
        QString error;
        QVERIFY2(Commands().ExportPdf(path, withChart, &error), qPrintable(error));
        const QString text = Squeezed(pagetest::PdfText(path));
        for (const QString& line : m_form->ReportView().PlainText().split(QLatin1Char('\n')))
            QVERIFY2(text.contains(Squeezed(line)), qPrintable(line));
        const int pages = pagetest::PdfInfo(path, QStringLiteral("Pages")).toInt();
        QVERIFY2(pages >= minimumPages, qPrintable(QString::number(pages)));
        if (withChart) QVERIFY(text.count(QStringLiteral("张三")) >= 2);  // the chart names the person too
    }

    void exportFailureHasItsReason() {
        Read(*m_form, QStringLiteral("张三"), 1990, 5, 10, 8);
        QString error;
        const QString path = m_data.filePath(QStringLiteral("no such folder/报告.pdf"));
        QVERIFY(!Commands().ExportPdf(path, false, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(path));
    }

    // The file dialog proposes "<name>-<date>-报告.pdf" in the documents
    // folder and offers the chart and analysis pages.
    void exportThroughTheFileDialog() {
        if (!pagetest::HavePoppler()) QSKIP(pagetest::kPopplerMissing);
        Read(*m_form, QStringLiteral("张/三"), 1990, 5, 10, 8);
        const QString path = m_data.filePath(QStringLiteral("case%1/chosen.pdf").arg(m_case));
        QString proposed;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            proposed = dialog->selectedFiles().value(0);
            auto* pagesBox = dialog->findChild<QCheckBox*>(QStringLiteral("withChartAndAnalysis"));
            QVERIFY(pagesBox);
            pagesBox->setChecked(true);
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        Commands().OnExportPdf();
        QCOMPARE(QFileInfo(proposed).fileName(), QStringLiteral("张_三-19900510-报告.pdf"));
        QCOMPARE(QFileInfo(proposed).path(), m_data.filePath(QStringLiteral("Documents")));
        QVERIFY(QFile::exists(path));
        QVERIFY(pagetest::PdfInfo(path, QStringLiteral("Pages")).toInt() >= 2);
        QVERIFY(m_boxes.isEmpty());
    }
};

QTEST_MAIN(TestPeopleCommands)
#include "tst_PeopleCommands.moc"
