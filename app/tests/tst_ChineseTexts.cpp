// The standard dialogs a user meets speak Chinese: the print dialog, the
// preview and the file dialog, with Qt's own translations and ours for what
// they leave in English.
#include <QAbstractButton>
#include <QAction>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTreeView>
#include <QtTest>

#include "app/KarvutoApp.h"
#include "app/print/ViewPrintPreview.h"

namespace {

// The texts of a window a user reads: its title, its labels, buttons, group
// titles and tool tips, and its actions.
QStringList ShownTexts(const QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (const auto* label = qobject_cast<const QLabel*>(w)) texts << label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(w)) texts << button->text();
        if (const auto* group = qobject_cast<const QGroupBox*>(w)) texts << group->title();
        texts << w->toolTip();
        for (const QAction* action : w->actions()) texts << action->text() << action->toolTip();
    }
    return texts;
}

// The texts with an English word in them; "PDF" is a name, and a menu item's
// key ("\tCtrl+P") a key's name, not English.
QStringList English(const QStringList& texts) {
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    QStringList english;
    for (QString text : texts) {
        text = text.section(QLatin1Char('\t'), 0, 0);
        text.remove(QStringLiteral("PDF"));
        if (word.match(text).hasMatch()) english << text;
    }
    return english;
}

}  // namespace

class TestChineseTexts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(CKarvutoApp::LoadQtTranslations(), "qt6-translations-l10n is not installed");
    }

    void printDialogSpeaksChinese() {
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(English(ShownTexts(dialog)), QStringList());
    }

    void previewSpeaksChinese() {
        QWidget form;
        CViewPrintPreview preview(&form);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        QCOMPARE(English(ShownTexts(preview)), QStringList());
    }

    // The non-native file dialog (the print dialog's "…" opens one) names
    // the type of each entry in Chinese: a folder "文件夹", a PDF file by its
    // Chinese description.
    void fileDialogNamesFileTypesInChinese() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("子目录")));
        QFile pdf(dir.filePath(QStringLiteral("报告.pdf")));
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.write("%PDF-1.4\n");
        pdf.close();
        QFileDialog dialog(nullptr, QString(), dir.path());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setViewMode(QFileDialog::Detail);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* model = dialog.findChild<QFileSystemModel*>();
        QVERIFY(model);
        const QModelIndex folder = model->index(dir.filePath(QStringLiteral("子目录")), 2);
        const QModelIndex file = model->index(dir.filePath(QStringLiteral("报告.pdf")), 2);
        QTRY_COMPARE(model->data(folder).toString(), QString::fromUtf8("文件夹"));
        QTRY_VERIFY2(!model->data(file).toString().isEmpty(), "the file's type");
        QCOMPARE(English(QStringList{model->data(file).toString()}), QStringList());
        QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QString::fromUtf8("类型"));
    }
};

QTEST_MAIN(TestChineseTexts)
#include "tst_ChineseTexts.moc"
