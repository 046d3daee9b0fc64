// The person dialog: what it shows, how it reads its fields, and that a
// failing write keeps it open with the reason while a good one closes it.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

#include "app/people/PersonDlg.h"
#include "skin/StateBitmapButton.h"

using people::Person;

namespace {

Person Sample() {
    Person p;
    p.id = 3;
    p.name = "张三";
    p.year = 1990;
    p.month = 5;
    p.day = 10;
    p.hour = 8;
    p.minute = 30;
    p.note = "旧备注";
    p.tags = {"客户", "VIP"};
    return p;
}

// A writer that records what it was given and answers as told.
struct Recorder {
    int calls = 0;
    bool lastAsNew = false;
    Person last;
    QString refuse;  // non-empty: fail with this reason
    CPersonDlg::Writer Writer() {
        return [this](Person& p, bool asNew, QString* error) {
            ++calls;
            lastAsNew = asNew;
            last = p;
            if (!refuse.isEmpty()) {
                *error = refuse;
                return false;
            }
            p.changed = 999;
            return true;
        };
    }
};

}  // namespace

class TestPersonDlg : public QObject {
    Q_OBJECT
private slots:
    void parseTags_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("tags");
        QTest::newRow("blanks") << "客户  VIP" << QStringList{"客户", "VIP"};
        QTest::newRow("half- and full-width commas and 、") << "a,b，c、d" << QStringList{"a", "b", "c", "d"};
        QTest::newRow("semicolons, which a tag may not hold") << "a;b；c" << QStringList{"a", "b", "c"};
        QTest::newRow("ideographic space and line feed") << "甲\u3000乙\n丙" << QStringList{"甲", "乙", "丙"};
        QTest::newRow("nothing but separators") << " ,， ;" << QStringList{};
    }

    void parseTags() {
        QFETCH(QString, text);
        QFETCH(QStringList, tags);
        QStringList got;
        for (const std::string& tag : CPersonDlg::ParseTags(text)) got << QString::fromStdString(tag);
        QCOMPARE(got, tags);
    }

    void reportNameNotice_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("notice");
        QTest::newRow("fits") << "张三"
                              << "";
        QTest::newRow("five hanzi fit exactly") << "欧阳春花雨"
                                                << "";
        QTest::newRow("cut to ten bytes") << "欧阳春花雨露"
                                          << "报告中印作“欧阳春花雨”，报告姓名限10个字节（5个汉字）";
        QTest::newRow("an emoji") << "李😀"
                                  << "报告中印作“李?”，无法印出的字以“?”代替";
        QTest::newRow("blanks are dropped") << " 张三 "
                                            << "报告中印作“张三”";
        QTest::newRow("blank: the store refuses it") << "  "
                                                     << "";
    }

    void reportNameNotice() {
        QFETCH(QString, name);
        QFETCH(QString, notice);
        QCOMPARE(CPersonDlg::ReportNameNotice(name), notice);
    }

    // The notice follows the name as it is typed.
    void noticeFollowsTheName() {
        CPersonDlg dialog(CPersonDlg::Mode::Edit, Sample(), {});
        QVERIFY(dialog.ReportNameLabel()->text().isEmpty());
        dialog.NameEdit()->setText(QStringLiteral("欧阳春花雨露"));
        QVERIFY(dialog.ReportNameLabel()->text().contains(QStringLiteral("欧阳春花雨”")));
    }

    void birthSummary_data() {
        QTest::addColumn<int>("variant");
        QTest::addColumn<QString>("summary");
        QTest::newRow("defaults") << 0 << "男　1990-05-10 08:30";
        QTest::newRow("true solar time at a place") << 1 << "男　1990-05-10 08:30　广州　真太阳时";
        QTest::newRow("typed longitude, other school, clock kept")
            << 2 << "男　1990-05-10 08:30　真太阳时（东经 87.62°）　子初换日　夏令时不拨回";
    }

    void birthSummary() {
        QFETCH(int, variant);
        QFETCH(QString, summary);
        Person p = Sample();
        if (variant == 1) {
            p.place = "广州";
            p.longitude = 113.26;
            p.trueSolarTime = true;
        } else if (variant == 2) {
            p.longitude = 87.6177;
            p.trueSolarTime = true;
            p.zi = chart::ZiHour::NextDay;
            p.dstCorrect = false;
        }
        QCOMPARE(CPersonDlg::BirthSummary(p), summary);
    }

    // The fields become the person; what they do not show is kept.
    void fieldsMakeThePerson() {
        CPersonDlg dialog(CPersonDlg::Mode::Edit, Sample(), {});
        QCOMPARE(dialog.TagsEdit()->text(), QStringLiteral("客户 VIP"));
        dialog.NameEdit()->setText(QStringLiteral("张三丰"));
        dialog.NoteEdit()->setPlainText(QStringLiteral("第一行\n第二行"));
        dialog.TagsEdit()->setText(QStringLiteral("道士，武当"));
        const Person p = dialog.PersonNow();
        QCOMPARE(p.name, std::string("张三丰"));
        QCOMPARE(p.note, std::string("第一行\n第二行"));
        QCOMPARE(p.tags, (std::vector<std::string>{"道士", "武当"}));
        QCOMPARE(p.id, 3);
        QCOMPARE(p.minute, 30);
    }

    // Updating a stored person offers saving it anew instead; a new person
    // and an edit do not.
    void saveAsNewOfferedOnlyForAStoredReading_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("offered");
        QTest::newRow("reading of a stored person") << int(CPersonDlg::Mode::Save) << 3 << true;
        QTest::newRow("new person") << int(CPersonDlg::Mode::Save) << 0 << false;
        QTest::newRow("edit") << int(CPersonDlg::Mode::Edit) << 3 << false;
    }

    void saveAsNewOfferedOnlyForAStoredReading() {
        QFETCH(int, mode);
        QFETCH(int, id);
        QFETCH(bool, offered);
        Person p = Sample();
        p.id = id;
        CPersonDlg dialog(static_cast<CPersonDlg::Mode>(mode), p, {});
        QCOMPARE(dialog.SaveAsNewButton()->isVisibleTo(&dialog), offered);
    }

    void failedWriteKeepsTheDialogOpen() {
        Recorder recorder;
        recorder.refuse = QStringLiteral("档案库正被另一程序写入");
        CPersonDlg dialog(CPersonDlg::Mode::Save, Sample(), recorder.Writer());
        dialog.show();
        dialog.NoteEdit()->setPlainText(QStringLiteral("新备注"));
        QTest::mouseClick(dialog.SaveButton(), Qt::LeftButton);
        QCOMPARE(recorder.calls, 1);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.MessageLabel()->text(), recorder.refuse);
        QCOMPARE(dialog.NoteEdit()->toPlainText(), QStringLiteral("新备注"));  // nothing typed is lost
        // Once the store answers, the same dialog stores it.
        recorder.refuse.clear();
        dialog.OnSaveAsNew();
        QCOMPARE(recorder.calls, 2);
        QVERIFY(recorder.lastAsNew);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Stored().note, std::string("新备注"));
        QCOMPARE(dialog.Stored().changed, 999);
    }

    void keys_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("writes");
        QTest::addColumn<int>("result");
        QTest::newRow("Enter in the name saves")
            << "name" << int(Qt::Key_Return) << 1 << int(QDialog::Accepted);
        QTest::newRow("Enter on 取消 cancels")
            << "cancel" << int(Qt::Key_Return) << 0 << int(QDialog::Rejected);
        QTest::newRow("Enter in the note is a new line") << "note" << int(Qt::Key_Return) << 0 << -1;
        QTest::newRow("Esc cancels") << "name" << int(Qt::Key_Escape) << 0 << int(QDialog::Rejected);
    }

    void keys() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, writes);
        QFETCH(int, result);
        Recorder recorder;
        CPersonDlg dialog(CPersonDlg::Mode::Save, Sample(), recorder.Writer());
        int finished = -1;
        connect(&dialog, &QDialog::finished, this, [&finished](int r) { finished = r; });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QWidget* target = focus == "name"     ? static_cast<QWidget*>(dialog.NameEdit())
                          : focus == "cancel" ? static_cast<QWidget*>(dialog.CancelButton())
                                              : dialog.NoteEdit();
        target->setFocus();
        QTest::keyClick(target, static_cast<Qt::Key>(key));
        // Enter on a focused button clicks it as a press would, shown for a moment first.
        QTRY_COMPARE(finished, result);
        QCOMPARE(recorder.calls, writes);
    }

    // Tab walks the fields in reading order, then the buttons.
    void tabOrder() {
        Person p = Sample();
        CPersonDlg dialog(CPersonDlg::Mode::Save, p, {});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(QApplication::focusWidget(), dialog.NoteEdit());  // saving after a reading: the note first
        const QList<QWidget*> order{dialog.TagsEdit(),     dialog.SaveButton(), dialog.SaveAsNewButton(),
                                    dialog.CancelButton(), dialog.NameEdit(),   dialog.NoteEdit()};
        for (QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }
};

QTEST_MAIN(TestPersonDlg)
#include "tst_PersonDlg.moc"
