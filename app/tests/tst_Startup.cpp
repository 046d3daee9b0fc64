// Start-up and shutdown: the database path, the failed open and the whole
// run of the main form as the only main loop.
#include <sqlite3.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <vector>

#include "DialogTemplates.h"
#include "app/KarvutoApp.h"
#include "app/KarvutoDlg.h"
#include "app/MessageBox.h"
#include "desktop/InstanceChecker.h"
#include "skin/CaptionFit.h"
#include "skin/StateBitmapButton.h"

class TestStartup : public QObject {
    Q_OBJECT
    std::vector<QString> m_boxes;
    std::vector<QString> m_captions;
    QTemporaryDir m_runtime;

    static std::string BinDir() { return QCoreApplication::applicationDirPath().toStdString(); }

private slots:
    void initTestCase() {
        SetMessageBoxHook([this](QWidget*, const QString& text, const QString& caption) {
            m_boxes.push_back(text);
            m_captions.push_back(caption);
        });
        theApp().m_options.runtimeDirectory = m_runtime.path();
        theApp().m_options.splashMilliseconds = 0;
    }
    void init() {
        m_boxes.clear();
        m_captions.clear();
    }

    void databaseLiesBesideTheExecutable_data() {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "/opt/karvuto/bin"
                               << "/opt/karvuto/bin/Karvuto.mdb";
        QTest::newRow("root") << "/"
                              << "/Karvuto.mdb";
        QTest::newRow("trailing slash") << "/opt/k/"
                                        << "/opt/k/Karvuto.mdb";
        QTest::newRow("spaces and Chinese") << "/home/u/我的 程序"
                                            << "/home/u/我的 程序/Karvuto.mdb";
    }
    void databaseLiesBesideTheExecutable() {
        QFETCH(QString, dir);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(CKarvutoApp::DatabasePathIn(dir.toStdString())), expected);
    }

    void aDatabaseInAFolderWithSpacesAndChineseOpens() {
        QTemporaryDir root;
        const QString dir = root.filePath(QString::fromUtf8("我的 程序"));
        QVERIFY(QDir().mkpath(dir));
        QVERIFY(QFile::copy(QString::fromStdString(BinDir()) + QStringLiteral("/Karvuto.mdb"),
                            dir + QStringLiteral("/Karvuto.mdb")));
        CKarvutoApp& app = theApp();
        app.m_szDbPath = CKarvutoApp::DatabasePathIn(QFile::encodeName(dir).toStdString());
        QVERIFY(app.OpenDatabase());
        QVERIFY(m_boxes.empty());
        QCOMPARE(app.m_pConnection->State(), adStateOpen);
        app.CloseDatabase();
        QVERIFY(!app.m_pConnection);
    }

    void dialogColoursApplyToTheWholeProgram() {
        CKarvutoApp::SetDialogColors();
        const QPalette p = QApplication::palette();
        QCOMPARE(p.color(QPalette::Window), QColor(191, 215, 107));
        QCOMPARE(p.color(QPalette::WindowText), QColor(0, 0, 255));
    }

    // The standard dialogs speak the program's language: Qt's own texts
    // are loaded, and a message box is wide enough for its whole caption.
    void standardDialogsSpeakChineseAndShowTheirCaption() {
        QVERIFY2(CKarvutoApp::LoadQtTranslations(), "qt6-translations-l10n is not installed");
        QVERIFY(CKarvutoApp::LoadQtTranslations());  // a second call changes nothing
        QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kMessageCaption), QStringLiteral("x"),
                        QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Ok)->text(), QString::fromUtf8("确定"));
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QString::fromUtf8("取消"));

        FitToCaption(box);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QFontMetrics title(QApplication::font("QMdiSubWindowTitleBar"));
        QVERIFY2(box.width() >= title.horizontalAdvance(box.windowTitle()) + kTitleBarExtra,
                 QByteArray::number(box.width()));
    }

    void aMissingDatabaseEndsTheStartWithItsMessage() {
        QTemporaryDir empty;
        CKarvutoApp& app = theApp();
        app.m_options.databaseDirectory = empty.path().toStdString();
        bool formSeen = false;
        QTimer probe;
        connect(&probe, &QTimer::timeout, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (qobject_cast<CKarvutoDlg*>(w)) {
                    formSeen = true;
                    w->close();
                }
            }
        });
        probe.start(10);
        QVERIFY(!app.InitInstance());
        QCOMPARE(app.m_szDbPath, app.m_options.databaseDirectory + "/Karvuto.mdb");
        QCOMPARE(m_boxes.size(), std::size_t(1));
        QVERIFY2(m_boxes[0].startsWith(QString::fromUtf8("连接数据库失败!\n错误信息:")),
                 qPrintable(m_boxes[0]));
        QVERIFY(m_boxes[0].size() > QString::fromUtf8("连接数据库失败!\n错误信息:").size());
        // The missing file is named, so the user knows where it should be.
        QVERIFY2(m_boxes[0].contains(QString::fromStdString(app.m_szDbPath)), qPrintable(m_boxes[0]));
        // Under the caption every box of the program has.
        QCOMPARE(m_captions[0], QString::fromUtf8(kMessageCaption));
        QVERIFY(!formSeen);
        QCOMPARE(app.ExitInstance(), 0);
        QVERIFY(!app.m_pConnection);
        app.m_options.databaseDirectory.clear();
    }

    // A database that lacks a row a reading can look up ends the start like
    // a damaged one, its message naming the table.
    void anIncompleteDatabaseEndsTheStartNamingTheTable() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Karvuto.mdb"));
        QVERIFY(QFile::copy(QString::fromStdString(BinDir()) + QStringLiteral("/Karvuto.mdb"), file));
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(file).constData(), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db, "DELETE FROM bazi6", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);

        CKarvutoApp& app = theApp();
        app.m_options.databaseDirectory = QFile::encodeName(dir.path()).toStdString();
        QVERIFY(!app.InitInstance());
        QCOMPARE(m_boxes.size(), std::size_t(1));
        QCOMPARE(
            m_boxes[0],
            QString::fromUtf8("连接数据库失败!\n错误信息:数据无效。\n表 bazi6 是空的，应有 12 个键的记录"));
        QVERIFY(!CInstanceChecker::MainWindow());
        QCOMPARE(app.ExitInstance(), 0);
        app.m_options.databaseDirectory.clear();
    }

    void theFormRunsUntilItsCloseButton() {
        CKarvutoApp& app = theApp();
        app.m_options.databaseDirectory.clear();  // found from the executable: bin/ holds it
        bool connectedWhileRunning = false;
        QTimer::singleShot(50, [&] {
            auto* form = qobject_cast<CKarvutoDlg*>(CInstanceChecker::MainWindow());
            QVERIFY(form);
            connectedWhileRunning = app.m_pConnection && app.m_pConnection->State() == adStateOpen;
            QTest::keyClick(form, Qt::Key_Escape);  // does nothing
            QTimer::singleShot(20, [form] { form->Item<CStateBitmapButton>(res::IDC_CLOSE)->click(); });
        });
        QVERIFY(!app.InitInstance());
        QVERIFY(m_boxes.empty());
        QCOMPARE(app.m_szDbPath, BinDir() + "/Karvuto.mdb");
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.karvuto.Karvuto"));
        QVERIFY(connectedWhileRunning);
        QVERIFY(!CInstanceChecker::MainWindow());
        app.ExitInstance();
        QVERIFY(!app.m_pConnection);
        app.ExitInstance();  // twice is harmless
        app.m_options.databaseDirectory.clear();
    }
};

QTEST_MAIN(TestStartup)
#include "tst_Startup.moc"
