// One copy per user: a second start is refused; a killed copy or a failed lock locks no one out.
#include "AppTestSupport.h"
#include "app/Run.h"
#include "app/SingleInstance.h"

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
        qint64 pid = 0;
        QString host, app;
        for (int i = 0; i < 200 && process.waitForStarted(10000); ++i) {
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
    void secondStartIsRefused() { // from any session, however old the lock
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
        QCOMPARE(dialogs.told, QStringList{"tst_singleinstance is already running!"});
        QCOMPARE(AlreadyRunningText("/opt/x.y/Tu_K.exe"), QString("Tu_K is already running!"));
        // However old the lock file is, a running owner keeps it.
        QVERIFY(SetFileTime(QFile::encodeName(SingleInstance::DefaultLockPath()),
                            time(nullptr) - 86400));
        QVERIFY(RefuseSecondInstance(second, dialogs));
        QCOMPARE(ReadFile(StorePath()), store);
        // A copy killed with SIGKILL leaves its lock behind, and locks no one out.
        Kill(first);
        QVERIFY(QFile::exists(SingleInstance::DefaultLockPath()));
        QProcess next;
        QVERIFY(StartTuK(next));
        SingleInstance third;
        QVERIFY(RefuseSecondInstance(third, dialogs));
        Kill(next);
        QCOMPARE(third.TryAcquire(), SingleInstance::Lock::Held);
    }

    // What keeps the lock from being made is told and tu_k starts; no odd file is opened.
    void lockCannotBeMade_data() {
        Columns<QString, QString>("kind", "reason");
        const QString lock = SingleInstance::DefaultLockPath();
        Row("FIFO", "fifo", lock + " is not a regular file");
        Row("file at its folder", "blocker", QFileInfo(lock).path() + " is not a folder");
        Row("stale lock, read-only", "stale", lock + " cannot be written (Read-only file system)");
        Row("disk full", "full", lock + " cannot be written (No space left on device)");
    }
    void lockCannotBeMade() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        ClearStore();
        const QString lock = SingleInstance::DefaultLockPath();
        const QString folder = QFileInfo(lock).path();
        std::optional<ScratchMount> disk;
        if (kind == "full" || kind == "stale") {
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
        if (kind == "stale")
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
};

TUK_GUI_TEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
