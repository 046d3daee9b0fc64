// Link label geometry, colours, hover with the timed leave check, the open fallback and
// the error texts; nothing is ever launched (the desktop services are replaced).
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "desktop/LinkOpener.h"
#include "skin/LinkLabel.h"

namespace {

// Records what would have been started or opened.
struct FakeDesktop {
    bool openerWorks = false;
    std::optional<QString> htmlExec;
    QString program;
    QStringList arguments;
    QList<QUrl> opened;
    LinkOpenerHooks previous;
    FakeDesktop() {
        previous =
            SetLinkOpenerHooksForTesting(LinkOpenerHooks{[this](const QUrl& url) {
                                                             opened << url;
                                                             return openerWorks;
                                                         },
                                                         [this] { return htmlExec; },
                                                         [this](const QString& p, const QStringList& a) {
                                                             program = p;
                                                             arguments = a;
                                                             return true;
                                                         }});
    }
    ~FakeDesktop() { SetLinkOpenerHooksForTesting(previous); }
};

// A label whose open result is fixed and whose error box is only recorded.
class ScriptedLabel : public CLinkLabel {
public:
    using CLinkLabel::CLinkLabel;
    int result = kOpenSuccess;
    QList<int> shownErrors;
    QStringList openedTargets;
    int OpenLinkTarget(const QString& target) override {
        openedTargets << target;
        return result;
    }
    void ShowOpenError(int code) override { shownErrors << code; }
};

// A label that opens for real but only records its error box.
class RecordingLabel : public CLinkLabel {
public:
    using CLinkLabel::CLinkLabel;
    QList<int> shownErrors;
    void ShowOpenError(int code) override { shownErrors << code; }
};

// Writes an executable shell script `name` into `dir`.
QString WriteScript(const QTemporaryDir& dir, const QString& name, const QByteArray& body) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write("#!/bin/sh\n" + body + "\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

}  // namespace

class tst_LinkLabel : public QObject {
    Q_OBJECT

private slots:
    void fittedRect_data();
    void fittedRect();
    void fitToTextKeepsCentre();
    void targetAndTextFillEachOther();
    void colours();
    void hoverUnderlineAndLeaveCheck();
    void underlineModes();
    void clickSuccessMarksVisited();
    void clickFailureShowsError();
    void errorTexts_data();
    void errorTexts();
    void cutCommand_data();
    void cutCommand();
    void splitExec_data();
    void splitExec();
    void openerFirst();
    void fallbackToHtmlHandler();
    void noHandlerGives31();
    void missingFileGives2();
    void startCommandCodes();
    void desktopOpenerVerdict();
    void noBrowserShowsTheErrorAndClearsVisited();
};

void tst_LinkLabel::fittedRect_data() {
    QTest::addColumn<unsigned>("style");
    QTest::addColumn<QRect>("expected");
    // Old rectangle (100, 50) 60 x 20, text 40 x 12, frame extra 2 x 2: new size 42 x 14.
    QTest::newRow("left, top") << kSsLeft << QRect(100, 50, 42, 14);
    QTest::newRow("SS_CENTER") << kSsCenter << QRect(109, 50, 42, 14);
    QTest::newRow("SS_RIGHT") << kSsRight << QRect(118, 50, 42, 14);
    QTest::newRow("SS_CENTERIMAGE") << kSsCenterImage << QRect(100, 53, 42, 14);
    QTest::newRow("centred both ways") << (kSsCenter | kSsCenterImage) << QRect(109, 53, 42, 14);
}

void tst_LinkLabel::fittedRect() {
    QFETCH(unsigned, style);
    QFETCH(QRect, expected);
    QCOMPARE(CLinkLabel::FittedRect(QRect(100, 50, 60, 20), QSize(40, 12), QSize(2, 2), style), expected);
}

void tst_LinkLabel::fitToTextKeepsCentre() {
    // An odd difference: the halves truncate toward zero on both sides, growing or shrinking.
    QCOMPARE(
        CLinkLabel::FittedRect(QRect(0, 0, 61, 21), QSize(40, 12), QSize(0, 0), kSsCenter | kSsCenterImage),
        QRect(10, 4, 41, 13));
    QCOMPARE(
        CLinkLabel::FittedRect(QRect(0, 0, 10, 10), QSize(15, 15), QSize(0, 0), kSsCenter | kSsCenterImage),
        QRect(-2, -2, 14, 14));
    QWidget parent;
    CLinkLabel label(QStringLiteral("点击进入-> 弈澜坊-官方网站"), &parent);
    label.setGeometry(20, 30, 300, 16);
    const int centre = label.geometry().center().x();
    label.PreSubclassWindow(kSsCenter);
    QVERIFY(qAbs(label.geometry().center().x() - centre) <= 1);
    QVERIFY(label.width() < 300);
    // Measured in the underline font; centring keeps the odd pixel of an odd difference.
    QFont underline = label.font();
    underline.setUnderline(true);
    const int advance = QFontMetrics(underline).horizontalAdvance(label.text());
    QCOMPARE(label.width(), advance + (300 - advance) % 2);
}

void tst_LinkLabel::targetAndTextFillEachOther() {
    CLinkLabel fromText(QStringLiteral("https://example.com/"));
    fromText.PreSubclassWindow();
    QCOMPARE(fromText.LinkTarget(), QStringLiteral("https://example.com/"));
    QCOMPARE(fromText.toolTip(), QStringLiteral("https://example.com/"));

    CLinkLabel fromTarget;
    fromTarget.SetLinkTarget(QStringLiteral("mailto:support@example.com"));
    fromTarget.PreSubclassWindow();
    QCOMPARE(fromTarget.text(), QStringLiteral("mailto:support@example.com"));
    fromTarget.SetLinkTarget(QStringLiteral("https://example.org/"));
    QCOMPARE(fromTarget.toolTip(), QStringLiteral("https://example.org/"));
    QCOMPARE(fromTarget.cursor().shape(), Qt::PointingHandCursor);
}

void tst_LinkLabel::colours() {
    CLinkLabel label(QStringLiteral("link"));
    label.PreSubclassWindow();
    QCOMPARE(label.CurrentTextColour(), QColor(255, 0, 0));
    label.MarkVisited(true);
    QCOMPARE(label.CurrentTextColour(), QColor(85, 26, 139));
    // The ground is the dialog green.
    const QImage image = label.grab().toImage();
    QCOMPARE(image.pixel(0, 0), qRgb(191, 215, 107));
}

void tst_LinkLabel::hoverUnderlineAndLeaveCheck() {
    QWidget parent;
    parent.resize(300, 100);
    auto* label = new CLinkLabel(QStringLiteral("https://example.com/"), &parent);
    label->move(20, 20);
    QFont dialogFont = label->font();
    dialogFont.setPixelSize(13);
    label->setFont(dialogFont);
    label->PreSubclassWindow();
    parent.show();
    QVERIFY(QTest::qWaitForWindowActive(&parent));
    QCursor::setPos(parent.mapToGlobal(QPoint(250, 80)));
    QVERIFY(!label->font().underline());
    QCOMPARE(label->font().pixelSize(), 13);  // the dialog's own font until the mouse enters

    QCursor::setPos(label->mapToGlobal(QPoint(3, 3)));
    QTRY_VERIFY(label->IsHovering());
    QVERIFY(label->font().underline());
    QCOMPARE(label->CurrentTextColour(), QColor(255, 0, 0));
    // Still inside after several checks.
    QTest::qWait(3 * kLinkLeaveCheckMs);
    QVERIFY(label->IsHovering());
    // Out: the timer notices without any event reaching the label.
    QCursor::setPos(parent.mapToGlobal(QPoint(250, 80)));
    QTRY_VERIFY(!label->IsHovering());
    QVERIFY(!label->font().underline());
    QCOMPARE(label->font().pixelSize(), 13);
}

void tst_LinkLabel::underlineModes() {
    CLinkLabel label(QStringLiteral("x"));
    label.PreSubclassWindow();
    label.ApplyUnderlineMode(CLinkLabel::UnderlineAlways);
    QVERIFY(label.font().underline());
    label.ApplyUnderlineMode(CLinkLabel::UnderlineNever);
    QVERIFY(!label.font().underline());
}

void tst_LinkLabel::clickSuccessMarksVisited() {
    ScriptedLabel label(QStringLiteral("https://example.com/"));
    label.PreSubclassWindow();
    label.resize(100, 20);
    QSignalSpy clicks(&label, &CLinkLabel::linkClicked);
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(label.openedTargets, QStringList{QStringLiteral("https://example.com/")});
    QVERIFY(label.IsVisited());
    QVERIFY(label.shownErrors.isEmpty());
    QCOMPARE(clicks.count(), 1);
}

void tst_LinkLabel::clickFailureShowsError() {
    ScriptedLabel label(QStringLiteral("https://example.com/"));
    label.PreSubclassWindow();
    label.resize(100, 20);
    label.MarkVisited(true);
    label.result = kOpenNoAssociation;
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!label.IsVisited());  // a failed click clears the visited state
    QCOMPARE(label.shownErrors, QList<int>{31});
    // 32 is still a failure; 33 a success.
    label.result = 32;
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!label.IsVisited());
    label.result = 33;
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(label.IsVisited());
}

// The codes this desktop's opener gives, and what is not a code at all.
void tst_LinkLabel::errorTexts_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("2") << 2 << QString::fromUtf8("找不到指定的文件。");
    QTest::newRow("3") << 3 << QString::fromUtf8("找不到指定的路径。");
    QTest::newRow("5") << 5 << QString::fromUtf8("系统拒绝访问指定的文件。");
    QTest::newRow("8") << 8 << QString::fromUtf8("内存不足，无法完成此操作。");
    QTest::newRow("31: nothing opens it")
        << 31 << QString::fromUtf8("本机没有可以打开此链接的程序（网页浏览器或电子邮件程序）。");
    QTest::newRow("1 is unknown") << 1 << QString::fromUtf8("未知错误（1）。");
    QTest::newRow("negative") << -7 << QString::fromUtf8("未知错误（-7）。");
}

void tst_LinkLabel::errorTexts() {
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(CLinkLabel::OpenErrorText(code), QString::fromUtf8("无法打开链接：\n\n") + text);
    // Every code's text is Chinese: no English word is left for a user to meet.
    for (int any = -1; any <= 40; ++any) {
        QVERIFY2(!CLinkLabel::OpenErrorText(any).contains(QRegularExpression(QStringLiteral("[A-Za-z]{2,}"))),
                 qPrintable(CLinkLabel::OpenErrorText(any)));
    }
}

void tst_LinkLabel::cutCommand_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("line");
    const QString target = QStringLiteral("http://x/");
    QTest::newRow("quoted %1 after a space: two spaces")
        << QStringLiteral("\"C:\\b.exe\" -nohome \"%1\"")
        << QStringLiteral("\"C:\\b.exe\" -nohome  http://x/");
    QTest::newRow("bare %1") << QStringLiteral("b.exe %1 -x") << QStringLiteral("b.exe  http://x/");
    QTest::newRow("quoted wins over an earlier bare one")
        << QStringLiteral("b %1 \"%1\"") << QStringLiteral("b %1  http://x/");
    QTest::newRow("no placeholder: appended")
        << QStringLiteral("b.exe -new") << QStringLiteral("b.exe -new http://x/");
    QTest::newRow("desktop %u") << QStringLiteral("firefox-esr %u")
                                << QStringLiteral("firefox-esr  http://x/");
    QTest::newRow("desktop quoted %U")
        << QStringLiteral("chromium \"%U\"") << QStringLiteral("chromium  http://x/");
    QTest::newRow("desktop %F") << QStringLiteral("viewer --new %F")
                                << QStringLiteral("viewer --new  http://x/");
    QTest::newRow("empty") << QString() << QStringLiteral(" http://x/");
}

void tst_LinkLabel::cutCommand() {
    QFETCH(QString, command);
    QFETCH(QString, line);
    QCOMPARE(FallbackCommandLine(command, QStringLiteral("http://x/")), line);
}

void tst_LinkLabel::splitExec_data() {
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("valid");
    QTest::newRow("plain") << "firefox-esr --new-window " << QStringList{"firefox-esr", "--new-window"}
                           << true;
    QTest::newRow("quoted with spaces")
        << "\"/opt/my browser/run\" -x" << QStringList{"/opt/my browser/run", "-x"} << true;
    QTest::newRow("escapes inside quotes")
        << R"("a\"b" "c\\d" "\$e")" << QStringList{"a\"b", "c\\d", "$e"} << true;
    QTest::newRow("field codes dropped, %% kept")
        << "app %i --name=%c 100%%" << QStringList{"app", "--name=", "100%"} << true;
    QTest::newRow("unterminated quote") << "\"app -x" << QStringList{} << false;
    QTest::newRow("explicit empty argument") << "app \"\" x" << QStringList{"app", "", "x"} << true;
    QTest::newRow("empty") << "" << QStringList{} << true;
}

void tst_LinkLabel::splitExec() {
    QFETCH(QString, exec);
    QFETCH(QStringList, arguments);
    QFETCH(bool, valid);
    const std::optional<QStringList> got = SplitExecLine(exec);
    QCOMPARE(got.has_value(), valid);
    if (valid) QCOMPARE(*got, arguments);
}

void tst_LinkLabel::openerFirst() {
    FakeDesktop desktop;
    desktop.openerWorks = true;
    desktop.htmlExec = QStringLiteral("sh %u");
    CLinkLabel label;
    QCOMPARE(label.OpenLinkTarget(QStringLiteral("https://example.com/")), kOpenSuccess);
    QCOMPARE(desktop.opened, QList<QUrl>{QUrl(QStringLiteral("https://example.com/"))});
    QVERIFY(desktop.program.isEmpty());  // no fallback
}

void tst_LinkLabel::fallbackToHtmlHandler() {
    FakeDesktop desktop;
    desktop.htmlExec = QStringLiteral("sh -c \"%u\"");  // a program that surely exists
    CLinkLabel label;
    const QString target = QStringLiteral("https://example.com/a b?c=\"d\"");
    QCOMPARE(label.OpenLinkTarget(target), kOpenSuccess);
    QVERIFY(desktop.program.endsWith(QStringLiteral("/sh")));
    // The target is one argument of its own, never split or interpreted.
    QCOMPARE(desktop.arguments, (QStringList{QStringLiteral("-c"), target}));
}

void tst_LinkLabel::noHandlerGives31() {
    FakeDesktop desktop;
    CLinkLabel label;
    QCOMPARE(label.OpenLinkTarget(QStringLiteral("https://example.com/")), kOpenNoAssociation);
    desktop.htmlExec = QStringLiteral("\"unterminated %u");
    QCOMPARE(label.OpenLinkTarget(QStringLiteral("https://example.com/")), kOpenNoAssociation);
    QVERIFY(desktop.program.isEmpty());
}

void tst_LinkLabel::missingFileGives2() {
    FakeDesktop desktop;
    desktop.htmlExec = QStringLiteral("sh %u");
    CLinkLabel label;
    QCOMPARE(label.OpenLinkTarget(QStringLiteral("/nonexistent/karvuto/help.html")), kOpenFileNotFound);
    QVERIFY(desktop.opened.isEmpty());
    QVERIFY(desktop.program.isEmpty());  // a missing file is not handed to the browser
}

void tst_LinkLabel::startCommandCodes() {
    FakeDesktop desktop;
    QTemporaryDir dir;
    QFile plain(dir.filePath(QStringLiteral("notexec")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QCOMPARE(StartCommand({QStringLiteral("karvuto-no-such-program-xyz")}), kOpenFileNotFound);
    QCOMPARE(StartCommand({dir.filePath(QStringLiteral("missing"))}), kOpenFileNotFound);
    QCOMPARE(StartCommand({plain.fileName()}), kOpenAccessDenied);
    QCOMPARE(StartCommand({}), kOpenFileNotFound);
    QCOMPARE(StartCommand({QStringLiteral("sh"), QStringLiteral("x")}), kOpenSuccess);
}

// The opener's exit status is its answer: xdg-open exits 3 when no program
// takes the target; one still running has handed it on.
void tst_LinkLabel::desktopOpenerVerdict() {
    QTemporaryDir dir;
    const QUrl url(QStringLiteral("https://example.com/a b"));
    QVERIFY(!RunDesktopOpener(WriteScript(dir, "refuses", "exit 3"), url, 5000));
    QVERIFY(RunDesktopOpener(WriteScript(dir, "opens", "[ \"$1\" = 'https://example.com/a%20b' ] || exit 9"),
                             url, 5000));
    QVERIFY(RunDesktopOpener(WriteScript(dir, "runs", "sleep 1"), url, 100));
    QVERIFY(!RunDesktopOpener(dir.filePath("missing"), url, 5000));
    // The running one is reaped when it ends.
    QTRY_COMPARE_WITH_TIMEOUT(QCoreApplication::instance()->findChildren<QProcess*>().size(), 0, 5000);
}

// With no browser, clicking a link beeps, shows the error and leaves the link unvisited.
void tst_LinkLabel::noBrowserShowsTheErrorAndClearsVisited() {
    QTemporaryDir dir;
    WriteScript(dir, "xdg-open", "exit 3");
    WriteScript(dir, "xdg-mime", "exit 1");
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", dir.path().toLocal8Bit());
    RecordingLabel label(QStringLiteral("https://example.com/"));
    label.PreSubclassWindow();
    label.resize(100, 20);
    label.MarkVisited(true);
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    qputenv("PATH", oldPath);
    QCOMPARE(label.shownErrors, QList<int>{kOpenNoAssociation});
    QVERIFY(!label.IsVisited());
    QVERIFY(
        CLinkLabel::OpenErrorText(kOpenNoAssociation).startsWith(QString::fromUtf8("无法打开链接：\n\n")));
}

QTEST_MAIN(tst_LinkLabel)
#include "tst_LinkLabel.moc"
