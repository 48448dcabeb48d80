// One copy per user: a real tu_k holds the lock; a second start is refused without touching
// the store, whatever its session's runtime folder; a copy killed with SIGKILL does not lock
// the user out; a lock that cannot be made is told and the start goes on.
#include "AppTestSupport.h"
#include "app/Run.h"
#include "app/SingleInstance.h"

#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <csignal>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>

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
        // Another session of the same user has a runtime folder of its own.
        QTemporaryDir otherRuntime;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(otherRuntime.path()));
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
        QCOMPARE(third.TryAcquire(), SingleInstance::Lock::Held);
    }

    // Whatever keeps the lock from being made is told with its reason, and tu_k starts; what
    // is no regular file at the lock's place is never opened (a FIFO would hang) nor replaced.
    void lockCannotBeMade_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        const QString lock = SingleInstance::DefaultLockPath();
        QTest::newRow("folder") << "folder" << lock + " is a folder, not a file";
        QTest::newRow("FIFO") << "fifo" << lock + " is not a regular file";
        QTest::newRow("link to /dev/zero") << "zero link" << lock + " is not a regular file";
        QTest::newRow("file at its folder")
            << "blocker" << QFileInfo(lock).path() + " is not a folder";
        QTest::newRow("stale lock on a read-only disk")
            << "stale" << lock + " cannot be written (Read-only file system)";
        QTest::newRow("read-only")
            << "read-only" << lock + " cannot be written (Read-only file system)";
        QTest::newRow("disk full")
            << "full" << lock + " cannot be written (No space left on device)";
    }
    void lockCannotBeMade() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        ClearStore();
        const QString lock = SingleInstance::DefaultLockPath();
        const QString folder = QFileInfo(lock).path();
        std::optional<ScratchMount> disk;
        if (kind == "read-only" || kind == "full" || kind == "stale") {
            disk.emplace(folder, 8);
            if (!disk->Ok())
                QSKIP("no file system can be mounted here");
        }
        if (kind == "stale") {
            // Left by a copy that died; this one cannot replace it.
            const pid_t dead = fork();
            if (dead == 0)
                _exit(0);
            waitpid(dead, nullptr, 0);
            WriteFile(lock, QByteArray::number(dead) + "\ntu_k\n" +
                                QSysInfo::machineHostName().toUtf8() + "\n");
        }
        if (kind == "read-only" || kind == "stale")
            QVERIFY(disk->MakeReadOnly());
        else if (kind == "full")
            WriteFile(folder + "/filler", QByteArray(64 * 1024, 'x')); // all that fits
        else if (kind == "blocker")
            QVERIFY(WriteFile(folder, "x"));
        else
            QVERIFY(MakeFolder(folder) && MakeSpecialFile(lock, kind));
        const mode_t before = FileKind(lock);
        alarm(20); // a hang ends the test as a failure instead of stalling the suite
        ScriptedDialogs dialogs;
        SingleInstance instance;
        QVERIFY(!RefuseSecondInstance(instance, dialogs));
        alarm(0);
        QCOMPARE(dialogs.told, QStringList{NoLockText(reason)});
        QCOMPARE(FileKind(lock), before);
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
