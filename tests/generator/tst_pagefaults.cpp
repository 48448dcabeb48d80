// Runs that meet a fault end with the truth: the run stops at the page concerned, the pages
// before it are complete, no temporary file stays, nothing outside the output folder changes,
// and the run flag is down again.

#include "RunFixture.h"
#include "generator/IndexPage.h"

#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace tuk;
using namespace tuktest;

namespace {

// Asks to stop once a number of pages is done.
class StopAfter : public PageRunListener {
public:
    explicit StopAfter(int pages) : pages_(pages) {}
    void Yield() override { ++done_; }
    bool StopRequested() override { return done_ >= pages_; }

private:
    int pages_;
    int done_ = 0;
};

} // namespace

class TestPageFaults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A fault stops the run at its page with a message that names it; the pages before it
    // stay, the ones after it are not made. "%1" stands for the image folder.
    void failedRun_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QStringList>("pages");
        // A missing target folder is made, but never through a file.
        QTest::newRow("target folder under a file")
            << "target"
            << "Cannot open the output folder %1a.jpg/sub/: Not a directory. 0 of 3 pages "
               "were written before the run stopped."
            << "Image: 1 / 3 -- " << QStringList{};
        QTest::newRow("read-only output folder")
            << "read-only"
            << "Cannot write the page %1a_jpg.html: Permission denied. 0 of 3 "
               "pages were written before the run stopped."
            << "Image: 1 / 3 -- " << QStringList{};
        // An image deleted between listing and writing.
        QTest::newRow("vanished image")
            << "vanished"
            << "Cannot read the date and size of the image %1b.jpg: No such file "
               "or directory. 1 of 3 pages were written before the run stopped."
            << "Image: 2 / 3 -- " << QStringList{"a_jpg.html"};
        // A folder at a page name cannot be replaced; its temporary file goes again.
        QTest::newRow("folder at a page name")
            << "folder"
            << "Cannot write the page %1b_jpg.html: Is a directory. 1 of 3 pages "
               "were written before the run stopped."
            << "Image: 2 / 3 -- " << QStringList{"a_jpg.html"};
        // A name from a caller that is no plain file name could point outside the folder.
        QTest::newRow("name that is no file name")
            << "name"
            << "Cannot make a page for the image \"../up.jpg\": it is not a plain file "
               "name. No page was written."
            << "" << QStringList{};
        // Every page name is checked before the first page: none would link to a page that
        // is never made. 250 bytes of image name give 255 bytes of page name.
        QTest::newRow("page name over 255 bytes")
            << "long"
            << "Cannot make a page for the image \"" + QString(247, 'x') +
                   ".jpg\": its page name would be 256 bytes long, longer than the 255 bytes "
                   "a file name can have. No page was written."
            << "Image: 1 / 4 -- " << QStringList{};
        QTest::newRow("numbered case twin over 255 bytes")
            << "twins"
            << "Cannot make a page for the image \"" + QString(246, 'x') +
                   ".jpg\": its page name would be 257 bytes long, longer than the 255 bytes "
                   "a file name can have. No page was written."
            << "Image: 1 / 5 -- " << QStringList{};
    }
    void failedRun() {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        QFETCH(QString, status);
        QFETCH(QStringList, pages);
        if (fault == "read-only" && geteuid() == 0)
            QSKIP("root writes into read-only folders; tst_make covers this as another user");
        QTemporaryDir dir;
        const QString folder = dir.path() + "/in/";
        QVERIFY(MakeImages(folder, {"a.jpg", "b.jpg", "c.jpg"}));
        PageRun run = FixedDiskRun(folder);
        if (fault == "target") {
            run.driveType = kCdRom;
            run.settings.TargetFolder = folder + "a.jpg/sub/";
        } else if (fault == "long" || fault == "twins") {
            const QString x = QString(fault == "long" ? 247 : 246, 'x') + ".jpg";
            QVERIFY(
                MakeImages(folder, fault == "long" ? QStringList{x} : QStringList{x, x.toUpper()}));
            run.images = FixedDiskRun(folder).images;
        } else if (fault == "read-only") {
            QCOMPARE(chmod(QFile::encodeName(folder).constData(), 0555), 0);
        } else if (fault == "vanished") {
            QVERIFY(QFile::remove(folder + "b.jpg"));
        } else if (fault == "folder") {
            QVERIFY(MakeFolder(folder + "b_jpg.html"));
        } else {
            QVERIFY(WriteFile(dir.path() + "/up.jpg", "x"));
            run.images.insert(1, FsName(QString("../up.jpg")));
        }
        const PageRunResult result = PageGenerator(run);
        chmod(QFile::encodeName(folder).constData(), 0755);
        QCOMPARE(result.end, RunEnd::Failed);
        QVERIFY(!Program().lMaking);
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

    // A page that does not fit on the disk is never left half written, neither as a new page
    // nor over the page it replaces.
    void diskFull_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::newRow("new page") << QByteArray();
        QTest::newRow("page replaced") << QByteArray("old page");
    }
    void diskFull() {
        QFETCH(QByteArray, before);
        QTemporaryDir dir;
        const QString folder = dir.path() + "/in/", target = dir.path() + "/out/";
        ScratchMount disk(target, 8); // two blocks: less than one page
        if (!disk.Ok())
            QSKIP("no file system can be mounted here");
        QVERIFY(MakeImages(folder, {"a.jpg", "b.jpg"}));
        if (!before.isNull())
            QVERIFY(WriteFile(target + "a_jpg.html", before));
        PageRun run = FixedDiskRun(folder);
        run.driveType = kCdRom;
        run.settings.TargetFolder = target;
        run.settings.sFontFace = QString(10000, 'x'); // pages of more than 10 KB
        const PageRunResult result = PageGenerator(run);
        QCOMPARE(result.end, RunEnd::Failed);
        QVERIFY2(result.message.contains("a_jpg.html: No space left on device"),
                 qPrintable(result.message));
        QCOMPARE(PagesIn(target), before.isNull() ? QStringList() : QStringList{"a_jpg.html"});
        QCOMPARE(ReadFile(target + "a_jpg.html"), before);
        QVERIFY(!HasTemporaryFiles(target));
    }

    // With the index page on, a user's own index.html or a "thumbs" that is no folder stops
    // the run before anything is written and stays as it was; the program's own index goes.
    void usersFilesAtTheIndex_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("problem");
        QTest::newRow("user's index.html") << "index.html"
                                           << "file"
                                           << " was not made by Tu_K";
        QTest::newRow("folder at index.html") << "index.html"
                                              << "folder"
                                              << " was not made by";
        QTest::newRow("thumbs is a file") << "thumbs"
                                          << "file"
                                          << " is not a folder";
        QTest::newRow("thumbs links to a folder") << "thumbs"
                                                  << "link"
                                                  << " is not a folder";
        QTest::newRow("own index replaced") << "index.html"
                                            << "own"
                                            << "";
    }
    void usersFilesAtTheIndex() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const QString folder = dir.path() + "/in/";
        QVERIFY(MakeImages(folder, {"a.jpg", "b.jpg"}));
        const QByteArray user = kind == "own" ? QByteArray("<html>\r\n") + kIndexMarker : "mine";
        const QByteArray path = QFile::encodeName(folder + name);
        if (kind == "folder")
            QVERIFY(MakeFolder(folder + name));
        else if (kind == "link")
            QCOMPARE(symlink(QFile::encodeName(dir.path()).constData(), path.constData()), 0);
        else
            QVERIFY(WriteFile(path, user));
        PageRun run = FixedDiskRun(folder);
        run.settings.lIndex = true;
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
        QVERIFY(PagesIn(folder).size() == (name == "index.html" ? 1 : 0)); // only the user's
        if (kind == "file")
            QCOMPARE(ReadFile(path), user);
    }

    // Whatever sits at a page name is replaced by the page, and never written through.
    void somethingAtThePageName_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("old page") << "file";
        QTest::newRow("the page and more") << "longer";
        QTest::newRow("link to a file outside") << "link";
        QTest::newRow("link to the very bytes outside") << "same";
        QTest::newRow("dangling link") << "dangling";
        QTest::newRow("FIFO") << "fifo";
    }
    void somethingAtThePageName() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString folder = dir.path() + "/pics/";
        const QString outside = dir.path() + "/outside.html";
        QVERIFY(MakeImages(folder, {"a.jpg"}));
        const PageRun run = FixedDiskRun(folder);
        const QString page = folder + "a_jpg.html";

        QVERIFY(PageGenerator(run).end == RunEnd::Finished);
        const QByteArray expected = ReadFile(page);
        QVERIFY(QFile::remove(page));
        QByteArray precious = "precious";
        if (kind == "file" || kind == "longer") {
            QVERIFY(WriteFile(page, kind == "file" ? "old page" : expected + "more"));
        } else if (kind == "link" || kind == "same") {
            if (kind == "same")
                precious = expected;
            QVERIFY(WriteFile(outside, precious));
            QVERIFY(QFile::link(outside, page));
        } else if (kind == "dangling") {
            QVERIFY(QFile::link(outside, page));
        } else {
            QCOMPARE(mkfifo(QFile::encodeName(page).constData(), 0644), 0);
        }

        const PageRunResult result = PageGenerator(run);
        QCOMPARE(result.end, RunEnd::Finished);
        QCOMPARE(result.pagesWritten, 1);
        QVERIFY(!QFileInfo(page).isSymLink());
        QVERIFY(QFileInfo(page).isFile());
        QCOMPARE(ReadFile(page), expected);
        if (kind == "dangling")
            QVERIFY(!QFileInfo::exists(outside));
        else if (kind != "file" && kind != "longer" && kind != "fifo")
            QCOMPARE(ReadFile(outside), precious);
        QVERIFY(!HasTemporaryFiles(folder));
    }

    // A run removes the temporary files that killed runs left, never those of a live process
    // (another run in the same folder), nor anything that only looks like one.
    void leftoversOfKilledRunsGo() {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        QVERIFY(MakeImages(folder, {"a.jpg"}));
        const QString dead = ".tu_k-2147483647-1.tmp"; // no process has this number
        const QStringList kept{QString(".tu_k-%1-1.tmp").arg(getpid()), ".tu_k-1-.tmp",
                               ".tu_k-2147483648-1.tmp", "x.tu_k-2147483647-1.tmp"};
        for (const QString& name : kept + QStringList{dead})
            QVERIFY(WriteFile(folder + name, "x"));
        QVERIFY(MakeFolder(folder + ".tu_k-2147483647-2.tmp"));
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
        QVERIFY(!Program().lMaking);
        QCOMPARE(result.pagesWritten, 2);
        QCOMPARE(result.message, QString("Stopped on request. 2 of 5 pages were written before "
                                         "the run stopped."));
        QVERIFY2(result.statusText.startsWith("Image: 2 / 5 -- ") &&
                     result.statusText.endsWith(" -- Stopped"),
                 qPrintable(result.statusText));
        QCOMPARE(PagesIn(folder), QStringList({"a_jpg.html", "b_jpg.html"}));
        // The pages made are whole: a full run writes the same bytes and leaves them alone.
        StopAfter atTheEnd(5); // a request after the last page changes nothing
        const PageRunResult full = PageGenerator(run, &atTheEnd);
        QCOMPARE(full.end, RunEnd::Finished);
        QCOMPARE(full.pagesUnchanged, 2);
        QCOMPARE(full.pagesWritten, 3);
    }
};

QTEST_GUILESS_MAIN(TestPageFaults)
#include "tst_pagefaults.moc"
