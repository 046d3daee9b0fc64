// The single-instance guard with real processes.
#include <signal.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestInstanceChecker : public QObject {
    Q_OBJECT
private:
    static QProcess* Start(const QString& runtimeDir, QObject* parent) {
        auto* p = new QProcess(parent);
        p->setProgram(QStringLiteral(INSTANCE_PROBE));
        p->setArguments({runtimeDir});
        p->start();
        return p;
    }
    static QByteArray ReadLine(QProcess* p) {
        for (int i = 0; i < 50 && !p->canReadLine(); ++i) {
            p->waitForReadyRead(200);
        }
        return p->readLine().trimmed();
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
};

QTEST_GUILESS_MAIN(TestInstanceChecker)
#include "tst_InstanceChecker.moc"
