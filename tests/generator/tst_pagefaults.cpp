// A fault stops the run at its page: earlier pages whole, no temporary file, nothing else touched.

#include "RunFixture.h"
#include "app/TableRows.h"
#include "base/SystemError.h"
#include "generator/IndexPage.h"
#include "thumbnails/PictureWorkers.h"

#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tuk;
using namespace tuktest;

// While set, closing a file of this size fails with EIO after it is closed, as a network file
// system's close can report a write that did not reach the server.
static std::atomic<qint64> failingCloseSize{-1};

extern "C" int close(int fd) {
    struct stat st {};
    const bool fail =
        failingCloseSize >= 0 && fstat(fd, &st) == 0 && st.st_size == failingCloseSize;
    const int rc = static_cast<int>(syscall(SYS_close, fd));
    errno = fail ? EIO : errno;
    return fail ? -1 : rc;
}

namespace {

struct SaysEachPage : PageRunListener { // through a pipe
    explicit SaysEachPage(int to) : fd(to) {}
    void Yield() override { (void)!write(fd, "p", 1); }
    int fd;
};

// Kills runs into an empty folder somewhere after their first page: the pages left are whole.
void KillMidRun(const PageRun& run, const QString& out) {
    for (int round = 0; round < 3; ++round) {
        for (const QString& name : PagesIn(out))
            QVERIFY(QFile::remove(out + name));
        int written[2];
        QCOMPARE(pipe2(written, O_CLOEXEC), 0);
        SaysEachPage listener(written[1]);
        const pid_t child = fork();
        if (child == 0)
            _exit(PageGenerator(run, &listener).end == RunEnd::Finished ? 0 : 1);
        pollfd first{written[0], POLLIN, 0}; // the first page, 10 s at most
        QVERIFY(close(written[1]) == 0 && poll(&first, 1, 10000) == 1);
        QVERIFY(kill(child, SIGKILL) == 0 && waitpid(child, nullptr, 0) == child);
        close(written[0]);
        for (const QString& name : PagesIn(out))
            QVERIFY2(ReadFile(out + name).endsWith("</html>\r\n"), qPrintable(name));
    }
}

} // namespace

class TestPageFaults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // "%1" in a message stands for the image folder. Every page name is checked before the
    // first page is written.
    void failedRunSaysWhichPageAndWhy_data() {
        Columns<QString, QString, QString>("fault", "message", "status");
        auto row = [](const char* fault, const QString& message, const char* status) {
            Row(fault, QString(fault), message, QString(status));
        };
        const QString written = " of 3 pages were written before the run stopped.";
        const QString image = "Cannot make a page for the image \"";
        const QString tooLong = ".jpg\": its %2 name would be %1 bytes long, longer than the "
                                "255 bytes a file name can have. No page was written.";
        row("target", "Cannot open the output folder %1a.jpg/sub/: Not a directory. 0" + written,
            "Image: 1 / 3 -- ");
        row("parent",
            "Cannot make the output folder /sys/tuk/pages/: the folder /sys/tuk cannot be made "
            "(%2). No page was written.",
            "Image: 1 / 3 -- ");
        row("vanished",
            "Cannot read the date and size of the image %1b.jpg: No such file or directory. 1" +
                written,
            "Image: 2 / 3 -- ");
        row("folder", "Cannot write the page %1b_jpg.html: Is a directory. 1" + written,
            "Image: 2 / 3 -- ");
        row("name", image + "../up.jpg\": it is not a plain file name. No page was written.", "");
        row("long", image + QString(247, 'x') + tooLong.arg(256).arg("page"), "Image: 1 / 4 -- ");
        row("twins", image + QString(246, 'x') + tooLong.arg(257).arg("page"), "Image: 1 / 5 -- ");
        row("thumbnail", image + QString(245, 'x') + tooLong.arg(256).arg("thumbnail"),
            "Image: 1 / 4 -- ");
        row("refused",
            image + "b:c.jpg\": the file system of %1 does not take : in a file name. "
                    "Rename the image, or choose another target folder. No page was "
                    "written.",
            "Image: 1 / 4 -- ");
    }
    void failedRunSaysWhichPageAndWhy() {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        QFETCH(QString, status);
        QStringList pages;
        if (status.startsWith("Image: 2"))
            pages << "a_jpg.html";
        QTemporaryDir dir;
        const QString folder = dir.path() + "/in/";
        QVERIFY(MakeImages(folder, {"a.jpg", "b.jpg", "c.jpg"}));
        PageRun run = FixedDiskRun(folder);
        PictureWorkers maker;
        if (fault == "target") {
            run.driveType = VolumeKind::CdRom;
            run.settings.TargetFolder = folder + "a.jpg/sub/";
        } else if (fault == "parent") {
            run.driveType = VolumeKind::CdRom;
            run.settings.TargetFolder = "/sys/tuk/pages/";
            QVERIFY(mkdir("/sys/tuk", 0777) != 0); // the system's reason differs for root
            message.replace("%2", ErrorText(errno));
        } else if (fault == "long" || fault == "twins" || fault == "thumbnail") {
            const int length = fault == "twins" ? 246 : fault == "long" ? 247 : 245;
            const QString x = QString(length, 'x') + ".jpg";
            QVERIFY(MakeImages(folder,
                               fault == "twins" ? QStringList{x, x.toUpper()} : QStringList{x}));
            run.images = FixedDiskRun(folder).images;
            run.settings.lIndex = fault == "thumbnail"; // its twin's name is the longest
            run.pictures = &maker;
        } else if (fault == "refused") { // as FAT refuses ":" in names
            QVERIFY(MakeImages(folder, {"b:c.jpg"}));
            run.images = FixedDiskRun(folder).images;
            run.tryName = [](const QByteArray& name) { return name.contains(':') ? EINVAL : 0; };
        } else if (fault == "vanished") {
            QVERIFY(QFile::remove(folder + "b.jpg"));
        } else if (fault == "folder") {
            QVERIFY(MakeFolder(folder + "b_jpg.html"));
        } else {
            QVERIFY(WriteFile(dir.path() + "/up.jpg", "x"));
            run.images.insert(1, FsName(QString("../up.jpg")));
        }
        const PageRunResult result = PageGenerator(run);
        QCOMPARE(result.end, RunEnd::Failed);
        QVERIFY2(result.statusText.startsWith(status) && result.statusText.endsWith(" -- Failed"),
                 qPrintable(result.statusText));
        QCOMPARE(result.message, QString(message).replace("%1", folder));
        QCOMPARE(result.pagesWritten, pages.size());
        if (fault == "folder")
            pages << "b_jpg.html"; // the folder itself, left alone
        QCOMPARE(PagesIn(folder), pages);
        QVERIFY(PagesIn(dir.path()).isEmpty());
        QVERIFY(!HasTemporaryFiles(folder));
    }

    // With the index page on, a user's index.html, or a "thumbs" or (web-ready) "web" that is no
    // folder, stops the run before anything is written and stays as it was; the program's own
    // index is replaced.
    void usersFilesKeptWherePicturesGo_data() {
        Columns<QString, QString, QString>("name", "kind", "problem");
        Row("a user's index page", "index.html", "file", " was not made by Tu_K");
        Row("a folder at the index page", "index.html", "folder", " was not made by");
        Row("a file at thumbs", "thumbs", "file", " is not a folder");
        Row("a link at thumbs", "thumbs", "link", " is not a folder");
        Row("a file at web, web-ready", "web", "file", " is not a folder");
        Row("the program's own index page", "index.html", "own", "");
    }
    void usersFilesKeptWherePicturesGo() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const QString folder = dir.path() + "/in/";
        QVERIFY(MakeImages(folder, {"a.jpg", "b.jpg"}));
        const QByteArray user = kind != "own" ? "<html><body>mine</body></html>"
                                              : QByteArray("<html>\r\n") + kIndexMarker;
        const QByteArray path = QFile::encodeName(folder + name);
        if (kind == "folder")
            QVERIFY(MakeFolder(folder + name));
        else if (kind == "link")
            QCOMPARE(symlink(QFile::encodeName(dir.path()).constData(), path.constData()), 0);
        else
            QVERIFY(WriteFile(path, user));
        PageRun run = FixedDiskRun(folder);
        PictureWorkers maker;
        run.settings.lIndex = true, run.settings.lWebReady = name == "web";
        run.pictures = run.settings.lWebReady ? &maker : nullptr;
        const PageRunResult result = PageGenerator(run);
        if (problem.isEmpty()) {
            QCOMPARE(result.end, RunEnd::Finished);
            QVERIFY(ReadFile(path).contains(kIndexMarker));
            QCOMPARE(result.indexPath, folder + "index.html");
            return;
        }
        QCOMPARE(result.end, RunEnd::Failed);
        QCOMPARE(result.message.left(result.message.indexOf(' ')), folder + name);
        QVERIFY2(result.message.contains(problem), qPrintable(result.message));
        QCOMPARE(PagesIn(folder).size(), name == "index.html" ? 1 : 0); // only the user's
        QCOMPARE(ReadFile(path), kind == "file" ? user : QByteArray());
    }

    // Whatever sits at a page name is replaced by the page, never written through, with the
    // permissions of a new file or of the page it replaces; a page that does not fit on the
    // disk, or whose close fails, stays absent or old; a killed run leaves whole pages. Both
    // with unnamed files and as on a file system without them.
    void pageIsOldOrNewNeverHalf_data() {
        Columns<QString, bool>("kind", "unnamed");
        for (const QString kind : {"new", "longer", "same", "link", "dangling", "fifo", "full",
                                   "full, old", "killed", "close fails", "close fails, old"})
            for (const bool unnamed : {true, false})
                Row(qPrintable(kind + (unnamed ? "" : ", no unnamed files")), kind, unnamed);
    }
    void pageIsOldOrNewNeverHalf() {
        QFETCH(QString, kind);
        QFETCH(bool, unnamed);
        QTemporaryDir dir;
        const QString out = dir.path() + "/out/", outside = dir.path() + "/outside.html";
        const QString page = out + "img000_jpg.html";
        umask(S_IWGRP | S_IWOTH); // a new page: 0644
        QVERIFY(MakeImages(dir.path() + "/in/", NumberedImages(kind == "killed" ? 300 : 1)));
        PageRun run = FixedDiskRun(dir.path() + "/in/");
        run.driveType = VolumeKind::CdRom;
        run.settings.TargetFolder = out;
        run.settings.sFontFace = QString(10000, 'x'); // pages of more than 10 KB
        run.unnamedFiles = unnamed ? UnnamedFiles::WhereOffered : UnnamedFiles::Never;
        QCOMPARE(PageGenerator(run).end, RunEnd::Finished);
        const QByteArray expected = ReadFile(page), precious = kind == "same" ? expected : "x";
        QVERIFY(QFile::remove(page));
        std::optional<ScratchMount> disk;
        if (kind.startsWith("full") && !disk.emplace(out, 8).Ok()) // less than one page
            QSKIP("no file system can be mounted here");
        if (kind == "longer" || kind.endsWith("old"))
            QVERIFY(WriteFile(page, kind == "longer" ? expected + "more" : precious));
        else if (kind == "fifo")
            QCOMPARE(mkfifo(QFile::encodeName(page).constData(), 0644), 0);
        else if (kind == "link" || kind == "same" || kind == "dangling")
            QVERIFY((kind == "dangling" || WriteFile(outside, precious)) &&
                    QFile::link(outside, page));
        for (const QString& path : {outside, page}) // a mode no new file gets
            chmod(QFile::encodeName(path).constData(), 0640);
        if (kind == "killed")
            KillMidRun(run, out);
        const bool fails = disk || kind.startsWith("close"), gone = fails && !kind.endsWith("old");
        failingCloseSize = kind.startsWith("close") ? expected.size() : -1;
        const PageRunResult result = PageGenerator(run);
        failingCloseSize = -1;
        QCOMPARE(result.end, fails ? RunEnd::Failed : RunEnd::Finished);
        QVERIFY2(!fails || result.message.contains(QString("img000_jpg.html: ") +
                                                   (disk ? "No space" : "Input/output error")),
                 qPrintable(result.message));
        QCOMPARE(PagesIn(out).size(), gone ? 0 : run.images.size());
        struct stat st {};
        lstat(QFile::encodeName(page).constData(), &st);
        QCOMPARE(st.st_mode,
                 gone ? 0 : S_IFREG | (kind == "longer" || kind.endsWith("old") ? 0640 : 0644));
        QCOMPARE(ReadFile(page), fails ? (gone ? QByteArray() : precious) : expected);
        QCOMPARE(ReadFile(outside), kind == "link" || kind == "same" ? precious : QByteArray());
        QVERIFY(!HasTemporaryFiles(out));
    }

    // A run removes the temporary files that killed runs left, never those of a live process
    // (another run in the same folder), nor anything that only looks like one.
    void leftoversOfKilledRunsGo() {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        const QStringList kept{QString(".tu_k-%1-1.tmp").arg(getpid()), ".tu_k-1-.tmp",
                               ".tu_k-2147483648-1.tmp", "x.tu_k-2147483647-1.tmp"};
        // No process has the number 2147483647.
        QVERIFY(MakeImages(folder, kept + QStringList{"a.jpg", ".tu_k-2147483647-1.tmp",
                                                      ".tu_k-2147483647-2.tmp/"}));
        QCOMPARE(PageGenerator(FixedDiskRun(folder)).end, RunEnd::Finished);
        QStringList left = kept + QStringList{".tu_k-2147483647-2.tmp", "a.jpg", "a_jpg.html"};
        left.sort();
        QCOMPARE(FolderEntries(folder), left);
    }

    void stopRequestInTheMiddle() {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        QVERIFY(MakeImages(folder, {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"}));
        const PageRun run = FixedDiskRun(folder);
        StopAfter stop(2);
        const PageRunResult result = PageGenerator(run, &stop);
        QCOMPARE(result.end, RunEnd::Stopped);
        QCOMPARE(result.message, QString("Stopped on request. 2 of 5 pages were written before "
                                         "the run stopped."));
        QVERIFY2(result.statusText.startsWith("Image: 2 / 5 -- ") &&
                     result.statusText.endsWith(" -- Stopped"),
                 qPrintable(result.statusText));
        QCOMPARE(PagesIn(folder), QStringList({"a_jpg.html", "b_jpg.html"}));
        StopAfter atTheEnd(5); // a request after the last page changes nothing
        QCOMPARE(PageGenerator(run, &atTheEnd).end, RunEnd::Finished);
        StopAfter again(2); // the pages are there from the runs before
        QCOMPARE(PageGenerator(run, &again).message,
                 QString("Stopped on request. 0 of 5 pages were written and 2 left unchanged "
                         "before the run stopped."));
    }
};

QTEST_GUILESS_MAIN(TestPageFaults)
#include "tst_pagefaults.moc"
