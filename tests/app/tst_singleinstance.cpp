// One copy per user: a real tu_k holds the lock; a second start is refused without touching
// the store; a copy killed with SIGKILL does not lock the user out.
#include "AppTestSupport.h"
#include "app/Run.h"
#include "app/SingleInstance.h"

#include <QLockFile>
#include <QProcess>
#include <csignal>

using namespace tuk;
using namespace tuktest;

class TestSingleInstance : public QObject {
    Q_OBJECT

    // Starts a real tu_k and waits until it holds the lock.
    bool StartTuK(QProcess& process) {
        process.setProgram(QStringLiteral(TUK_EXECUTABLE));
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start();
        if (!process.waitForStarted(10000))
            return false;
        for (int i = 0; i < 200; ++i) {
            qint64 pid = 0;
            QString host, app;
            if (QLockFile(SingleInstance::DefaultLockPath()).getLockInfo(&pid, &host, &app) &&
                pid == process.processId())
                return true;
            QTest::qWait(50);
        }
        return false;
    }

    static void Kill(QProcess& process) {
        ::kill(static_cast<pid_t>(process.processId()), SIGKILL);
        process.waitForFinished(10000);
    }

private Q_SLOTS:
    void secondStartIsRefused() {
        WriteStore("[Colors]\nBackR=5\n");
        QProcess first;
        QVERIFY(StartTuK(first));
        const QByteArray store = ReadFile(StorePath());
        ScriptedDialogs dialogs;
        SingleInstance second;
        QVERIFY(RefuseSecondInstance(second, dialogs));
        QCOMPARE(dialogs.told,
                 QStringList{AlreadyRunningText(QCoreApplication::applicationFilePath())});
        QCOMPARE(dialogs.told[0], QString("tst_singleinstance is already running!"));
        // However old the lock file is, a running owner keeps it.
        QFile lock(SingleInstance::DefaultLockPath());
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                 QFileDevice::FileModificationTime));
        lock.close();
        QVERIFY(RefuseSecondInstance(second, dialogs));
        QCOMPARE(ReadFile(StorePath()), store);
        QVERIFY(first.state() == QProcess::Running);
        Kill(first);
    }

    void killedCopyDoesNotLockOut() {
        ClearStore();
        QProcess first;
        QVERIFY(StartTuK(first));
        Kill(first);
        QVERIFY(QFile::exists(SingleInstance::DefaultLockPath())); // left behind
        QProcess next;
        QVERIFY(StartTuK(next));
        QTest::qWait(200);
        QCOMPARE(next.state(), QProcess::Running);
        ScriptedDialogs dialogs;
        SingleInstance third;
        QVERIFY(RefuseSecondInstance(third, dialogs));
        Kill(next);
        QVERIFY(third.TryAcquire());
    }

    void message_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("text");
        QTest::newRow("installed") << "/usr/bin/tu_k" << QString("tu_k is already running!");
        QTest::newRow("with extension")
            << "/opt/x.y/Tu_K.exe" << QString("Tu_K is already running!");
    }
    void message() {
        QFETCH(QString, program);
        QFETCH(QString, text);
        QCOMPARE(AlreadyRunningText(program), text);
    }
};

TUK_GUI_TEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
