// The single-instance guard with real processes.
#include <signal.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "desktop/InstanceChecker.h"

class TestInstanceChecker : public QObject {
    Q_OBJECT
private:
    // Starts the probe; `token` non-empty: as a launcher with an activation token would.
    static QProcess* Start(const QString& runtimeDir, QObject* parent, const QString& token = {}) {
        auto* p = new QProcess(parent);
        p->setProgram(QStringLiteral(INSTANCE_PROBE));
        p->setArguments({runtimeDir});
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("XDG_ACTIVATION_TOKEN"));
        if (!token.isEmpty()) env.insert(QStringLiteral("XDG_ACTIVATION_TOKEN"), token);
        p->setProcessEnvironment(env);
        p->start();
        return p;
    }
    static QByteArray ReadLine(QProcess* p) {
        for (int i = 0; i < 50 && !p->canReadLine(); ++i) {
            p->waitForReadyRead(200);
        }
        return p->readLine().trimmed();
    }
    static QString LockPath(const QString& runtimeDir) {
        return CInstanceChecker(QStringLiteral("karvuto_probe"), runtimeDir).LockFilePath();
    }

private slots:
    void secondStartRestoresTheFirstAndEnds() {
        QTemporaryDir dir;
        QProcess* first = Start(dir.path(), this);
        QCOMPARE(ReadLine(first), QByteArray("first"));
        QProcess* second = Start(dir.path(), this);
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitCode(), 3);
        QCOMPARE(second->readAllStandardOutput().trimmed(), QByteArray("second restored"));
        // The first was minimised and is shown again.
        QCOMPARE(ReadLine(first), QByteArray("activated minimized=0"));
        QCOMPARE(first->state(), QProcess::Running);
        first->kill();
        first->waitForFinished();
    }

    // A later start's activation token reaches the first instance, which needs it to
    // come forward on Wayland.
    void theSecondStartsActivationTokenIsPassedOn() {
        QTemporaryDir dir;
        QProcess* first = Start(dir.path(), this);
        QCOMPARE(ReadLine(first), QByteArray("first"));
        QProcess* second = Start(dir.path(), this, QStringLiteral("sway-token_42"));
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitCode(), 3);
        QCOMPARE(ReadLine(first), QByteArray("activated minimized=0 token=sway-token_42"));
        first->kill();
        first->waitForFinished();
    }

    void activationRequestLines_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("isRequest");
        QTest::addColumn<QByteArray>("token");
        QTest::newRow("plain") << QByteArray("activate\n") << true << QByteArray();
        QTest::newRow("with a token") << QByteArray("activate ab-1_c\n") << true << QByteArray("ab-1_c");
        QTest::newRow("no line end") << QByteArray("activate ab") << false << QByteArray();
        QTest::newRow("empty token") << QByteArray("activate \n") << false << QByteArray();
        QTest::newRow("blank in the token") << QByteArray("activate a b\n") << false << QByteArray();
        QTest::newRow("control character") << QByteArray("activate a\x01\n") << false << QByteArray();
        QTest::newRow("another word") << QByteArray("activated\n") << false << QByteArray();
        QTest::newRow("nothing") << QByteArray() << false << QByteArray();
    }

    // Only well-formed requests are answered, and only clean tokens are taken.
    void activationRequestLines() {
        QFETCH(QByteArray, line);
        QFETCH(bool, isRequest);
        QFETCH(QByteArray, token);
        QByteArray got = "stale";
        QCOMPARE(ParseActivateRequest(line, &got), isRequest);
        QCOMPARE(got, token);
        if (isRequest) QCOMPARE(ActivateRequestLine(token), line);  // the sender writes the same line
    }

    void unusableTokensAreNotSent() {
        for (const QByteArray& token : {QByteArray(), QByteArray("a b"), QByteArray("x\ny")})
            QCOMPARE(ActivateRequestLine(token), QByteArray(kActivateRequest));
    }

    void aKilledFirstInstanceLocksNobodyOut() {
        QTemporaryDir dir;
        QProcess* first = Start(dir.path(), this);
        QCOMPARE(ReadLine(first), QByteArray("first"));
        ::kill(static_cast<pid_t>(first->processId()), SIGKILL);
        QVERIFY(first->waitForFinished(5000));
        // Lock file and socket are left behind, yet the next start is the first.
        QProcess* next = Start(dir.path(), this);
        QCOMPARE(ReadLine(next), QByteArray("first"));
        QProcess* third = Start(dir.path(), this);
        QVERIFY(third->waitForFinished(10000));
        QCOMPARE(third->exitCode(), 3);
        QCOMPARE(third->readAllStandardOutput().trimmed(), QByteArray("second restored"));
        next->terminate();
        next->waitForFinished();
    }

    void anOrderlyEndFreesTheGuardToo() {
        QTemporaryDir dir;
        QProcess* first = Start(dir.path(), this);
        QCOMPARE(ReadLine(first), QByteArray("first"));
        first->terminate();
        QVERIFY(first->waitForFinished(5000));
        QProcess* next = Start(dir.path(), this);
        QCOMPARE(ReadLine(next), QByteArray("first"));
        next->kill();
        next->waitForFinished();
    }

    void usersWithOtherRuntimeDirectoriesDoNotMeet() {
        QTemporaryDir dirA;
        QTemporaryDir dirB;
        QProcess* a = Start(dirA.path(), this);
        QProcess* b = Start(dirB.path(), this);
        QCOMPARE(ReadLine(a), QByteArray("first"));
        QCOMPARE(ReadLine(b), QByteArray("first"));
        a->kill();
        b->kill();
        a->waitForFinished();
        b->waitForFinished();
    }

    // Lock files that no running instance answers for: each start takes the
    // guard over, and the guard works again for the starts after it.
    void staleLockFilesAreTakenOver_data() {
        QTest::addColumn<QByteArray>("contents");
        const QByteArray self = QByteArray::number(QCoreApplication::applicationPid());
        const QByteArray selfName = QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8();
        const QByteArray host = QSysInfo::machineHostName().toUtf8();
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\0\xff\xfe not a lock\n\n", 17);
        QTest::newRow("another host") << self + "\ninstance_probe\nelsewhere.invalid\n";
        // As after a reboot: the id now belongs to a running program of that name.
        QTest::newRow("a live process of this host") << self + "\n" + selfName + "\n" + host + "\n";
    }
    void staleLockFilesAreTakenOver() {
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        QFile lock(LockPath(dir.path()));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        QCOMPARE(lock.write(contents), contents.size());
        lock.close();

        QProcess* first = Start(dir.path(), this);
        QCOMPARE(ReadLine(first), QByteArray("first"));
        QProcess* second = Start(dir.path(), this);
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitCode(), 3);
        QCOMPARE(second->readAllStandardOutput().trimmed(), QByteArray("second restored"));
        QCOMPARE(ReadLine(first), QByteArray("activated minimized=0"));
        first->kill();
        first->waitForFinished();
    }

    void twoStartsOnAStaleLockMakeOneFirstInstance() {
        QTemporaryDir dir;
        QFile lock(LockPath(dir.path()));
        QVERIFY(lock.open(QIODevice::WriteOnly));  // empty
        lock.close();
        QProcess* a = Start(dir.path(), this);
        QProcess* b = Start(dir.path(), this);
        // One ends as the second start; the other is the first and was asked.
        QProcess* ended = nullptr;
        for (int i = 0; i < 100 && !ended; ++i) {
            for (QProcess* p : {a, b}) {
                if (!ended && p->waitForFinished(50)) ended = p;
            }
        }
        QVERIFY(ended);
        QProcess* first = ended == a ? b : a;
        QCOMPARE(ended->exitCode(), 3);
        QCOMPARE(ended->readAllStandardOutput().trimmed(), QByteArray("second restored"));
        QCOMPARE(ReadLine(first), QByteArray("first"));
        QCOMPARE(ReadLine(first), QByteArray("activated minimized=0"));
        first->kill();
        first->waitForFinished();
    }

    void aHolderThatNeverAnswersKeepsItsLockAndTheStartStillRuns() {
        QTemporaryDir dir;
        QLockFile held(LockPath(dir.path()));  // held by this live process, which never listens
        QVERIFY(held.tryLock(0));
        QProcess* start = Start(dir.path(), this);
        QCOMPARE(ReadLine(start), QByteArray("first"));  // its window, without the guard
        qint64 pid = 0;
        QString host;
        QString app;
        QVERIFY(held.getLockInfo(&pid, &host, &app));
        QCOMPARE(pid, QCoreApplication::applicationPid());
        start->kill();
        start->waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestInstanceChecker)
#include "tst_InstanceChecker.moc"
