// One copy per user: a second start is refused; a killed copy or a failed lock locks no one out.
#include "AppTestSupport.h"
#include "app/Run.h"
#include "app/SingleInstance.h"
#include "app/start/HandOver.h"

#include <QLocalSocket>
#include <csignal>
#include <optional>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tuk;
using namespace tuktest;

class TestSingleInstance : public QObject {
    Q_OBJECT

    // Starts a real tu_k and waits until it holds the lock and listens for later starts (a
    // socket file left by a killed copy refuses connections).
    bool StartTuK(QProcess& process, const QStringList& arguments = {}) {
        process.setProgram(QStringLiteral(TUK_EXECUTABLE));
        process.setArguments(arguments);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start();
        const QString lock = SingleInstance::DefaultLockPath();
        const auto listening = [&] {
            qint64 pid = 0;
            QString host, app;
            QLocalSocket probe;
            if (QLockFile(lock).getLockInfo(&pid, &host, &app) && pid == process.processId())
                probe.connectToServer(HandOverSocketPath(lock));
            return probe.waitForConnected(1000);
        };
        return process.waitForStarted(10000) && QTest::qWaitFor(listening, 30000);
    }

    static void Kill(QProcess& process, int signal = SIGKILL) {
        ::kill(static_cast<pid_t>(process.processId()), signal);
        process.waitForFinished(10000);
    }

    // A second start with a folder: its exit status, -1 when it did not end by itself.
    static int SecondStart(const QString& folder) {
        QProcess second;
        second.start(QStringLiteral(TUK_EXECUTABLE), {folder});
        if (second.waitForFinished(20000))
            return second.exitCode();
        Kill(second);
        return -1;
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

    // A second start hands its folder to the running copy and ends; the socket of a copy that
    // was killed, or another user's, is never used.
    void secondStartHandsItsFolderOver() {
        ClearStore();
        QTemporaryDir dir;
        const QString a = dir.path() + "/a", b = dir.path() + "/b", c = dir.path() + "/c";
        QVERIFY(MakeFolder(a) && MakeFolder(b) && MakeFolder(c));
        const QString socket = HandOverSocketPath(SingleInstance::DefaultLockPath());
        QProcess first;
        QVERIFY(StartTuK(first, {a}));
        QCOMPARE(SecondStart("file://" + b), 0);
        if (geteuid() == 0) {
            QCOMPARE(lchown(QFile::encodeName(socket).constData(), 65534, 65534), 0);
            ScriptedDialogs dialogs;
            SingleInstance other;
            QCOMPARE(RefuseSecondInstance(other, dialogs, c), 1);
            QCOMPARE(dialogs.told, QStringList{"tst_singleinstance is already running!"});
            QCOMPARE(lchown(QFile::encodeName(socket).constData(), 0, 0), 0);
        }
        Kill(first, SIGTERM);
        QCOMPARE(Stored("Window/sLastFolder"), b + '/');
        QCOMPARE(Stored("Window/sRecent2"), a + '/');
        QProcess killed, next;
        QVERIFY(StartTuK(killed));
        Kill(killed);
        QVERIFY(IsOwnSocketFile(socket));
        QVERIFY(StartTuK(next, {a}));
        QCOMPARE(SecondStart(c), 0);
        Kill(next, SIGTERM);
        QCOMPARE(Stored("Window/sLastFolder"), c + '/');
    }

    // The running copy hears no one but its own user.
    void otherUserNotHeard() {
        if (geteuid() != 0)
            QSKIP("only root can connect as another user");
        QTemporaryDir dir;
        sockaddr_un address{AF_UNIX, {}};
        qstrcpy(address.sun_path, QFile::encodeName(dir.path() + "/s").constData());
        HandOverServer server(QFile::decodeName(address.sun_path));
        QCOMPARE(server.Listen(), QString());
        QVERIFY(chmod(QFile::encodeName(dir.path()).constData(), 0777) == 0 &&
                chmod(address.sun_path, 0777) == 0);
        QSignalSpy heard(&server, &HandOverServer::Requested);
        const pid_t child = fork();
        if (child == 0) { // asks for "/" as nobody: 1 when it is answered
            const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
            char answer = 0;
            _exit(setuid(65534) ||
                          ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) ||
                          write(fd, "/", 2) != 2
                      ? 2
                      : read(fd, &answer, 1) == 1);
        }
        int status = -1;
        bool ended = false; // QTRY evaluates the condition once more at the end
        QTRY_VERIFY_WITH_TIMEOUT(ended || (ended = waitpid(child, &status, WNOHANG) == child),
                                 10000);
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(heard.size(), 0);
    }

    // Later starts reach the lock's holder; a listen that fails is told once the window's event
    // loop runs, never while start-up goes on.
    void laterStartsReachTheWindowOrTheUserIsTold() {
        const std::tuple<const char*, bool, bool> rows[] = {
            {"listens", true, false}, {"place taken", true, true}, {"no lock", false, false}};
        for (const auto& [name, holds, taken] : rows) {
            const RowName row(name);
            QTemporaryDir dir;
            const QString lock = dir.path() + "/Tu_K.lock", socket = HandOverSocketPath(lock);
            QVERIFY(!taken || MakeFolder(socket));
            SingleInstance instance(lock);
            QVERIFY(!holds || instance.TryAcquire() == SingleInstance::Lock::Held);
            HandOverServer server(socket);
            ScriptedDialogs dialogs;
            QObject window;
            ListenForLaterStarts(server, instance, dialogs, window);
            QCOMPARE(dialogs.told, QStringList());
            QCoreApplication::processEvents();
            QCOMPARE(dialogs.told.size(), taken ? 1 : 0);
            const QString told = "Later starts of Tu_K cannot hand their folders to this window: ";
            QCOMPARE(dialogs.told.value(0).startsWith(told + socket + ": "), taken);
            QCOMPARE(IsOwnSocketFile(socket), holds && !taken);
        }
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
            QVERIFY(disk->MakeReadOnly());
        } else if (kind == "full")
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
