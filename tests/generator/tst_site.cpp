// A site (Pages into Target Folder): self-contained, private, of one folder, and nothing stale.

#include "RunFixture.h"
#include "thumbnails/PictureSupport.h"
#include "thumbnails/PictureWorkers.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tuk;
using namespace tuktest;

namespace {

// What a user would not publish: a comment and an XMP segment saying SECRET.
QByteArray PrivateJpeg() {
    return TwoColourJpeg(600, 400, {"MM|Orientation=6"})
        .insert(2,
                Segment(0xFE, "SECRET") + Segment(0xE1, "http://ns.adobe.com/xap/1.0/\0SECRET"_ba));
}

// A whole one-pixel GIF with a comment saying SECRET.
QByteArray PrivateGif() {
    return QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00"
                      "!\xfe\x06SECRET\x00"
                      "!\xf9\x04\x01\x00\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02"
                      "D\x01\x00;",
                      51);
}

} // namespace

class TestSite : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Made, copied, then the photos deleted, renamed, added and an album removed: every link
    // stays inside the site and leads somewhere, nothing private is published but with the
    // originals, nothing is written among the photos, and the site then holds exactly what a
    // new site of the folder holds, with the user's own files. Another folder's run is refused.
    void siteHoldsWhatTheFolderHolds_data() {
        QTest::addColumn<bool>("webReady");
        QTest::addColumn<bool>("originals");
        QTest::newRow("plain") << false << false;
        QTest::newRow("web-ready") << true << false;
        QTest::newRow("originals") << false << true;
        QTest::newRow("web-ready with originals") << true << true;
    }
    void siteHoldsWhatTheFolderHolds() {
        QFETCH(bool, webReady);
        QFETCH(bool, originals);
        QTemporaryDir dir;
        const QString top = dir.path() + "/Photos/", site = dir.path() + "/Site/Photos/";
        QVERIFY(MakeFolder(top + "Sub dir & co"));
        for (const char* name : {"a b.jpg", "é#1.jpg", "x&y?.jpg", "Sub dir & co/s.jpg"})
            QVERIFY(WriteFile(top + name, PrivateJpeg()));
        QVERIFY(WriteFile(top + "100%.gif", PrivateGif()));
        PictureWorkers maker;
        auto run = [&](const QString& folder, const QString& target) {
            PageRun r = FixedDiskRun(folder);
            r.settings.lIndex = r.settings.lSubfolders = r.settings.lIntoTarget = true;
            r.settings.lWebReady = webReady, r.settings.lOriginals = originals;
            r.settings.nWebSize = 480, r.settings.TargetFolder = target;
            r.pictures = &maker;
            return PageGenerator(r);
        };
        const QStringList photos = Below(top);
        QCOMPARE(run(top, dir.path() + "/Site/").end, RunEnd::Finished);
        QCOMPARE(Below(top), photos);
        const PageRunResult same = run(top, dir.path() + "/Site/"); // nothing changed
        QVERIFY2(same.pagesWritten == 0 && same.removed == 0, qPrintable(same.statusText));
        QVERIFY(QDir().rename(dir.path() + "/Site", dir.path() + "/Moved")); // a site moves whole
        QCOMPARE(BrokenPages(dir.path() + "/Moved/", true), QStringList());
        QVERIFY(QDir().rename(dir.path() + "/Moved", dir.path() + "/Site"));
        QStringList secret = Below(site); // the files that hold it
        secret.removeIf(
            [&](const QString& file) { return !ReadFile(site + file).contains("SECRET"); });
        QVERIFY2(originals ? secret.contains("a b.jpg") : secret.isEmpty(),
                 qPrintable(secret.join(' ')));
        // The photo lies in the site when its page shows it as it is, or as the original.
        struct stat placed = {}, photo = {};
        QVERIFY(stat(QFile::encodeName(top + "a b.jpg"), &photo) == 0);
        QCOMPARE(stat(QFile::encodeName(site + "a b.jpg"), &placed) == 0, originals || !webReady);
        QCOMPARE(placed.st_ino == photo.st_ino, originals); // a hard link on the same disk

        QVERIFY(QFile::remove(top + "é#1.jpg") && QFile::rename(top + "x&y?.jpg", top + "z.jpg"));
        QVERIFY(WriteFile(top + "new.jpg", PrivateJpeg()));
        QVERIFY(QDir(top + "Sub dir & co").removeRecursively());
        QVERIFY(WriteFile(site + "notes.txt", "mine") && WriteFile(site + "mine.jpg", "mine"));
        const PageRunResult again = run(top, dir.path() + "/Site/");
        QVERIFY2(again.end == RunEnd::Finished && again.removed > 0, qPrintable(again.statusText));
        QCOMPARE(run(top, dir.path() + "/Fresh/").end, RunEnd::Finished);
        QStringList fresh = Below(dir.path() + "/Fresh/Photos/");
        fresh << "mine.jpg"
              << "notes.txt";
        fresh.sort();
        QCOMPARE(Below(site).join(' '), fresh.join(' '));

        QVERIFY(MakeFolder(dir.path() + "/Other/Photos") &&
                WriteFile(dir.path() + "/Other/Photos/o.jpg", PrivateJpeg()));
        const PageRunResult other = run(dir.path() + "/Other/Photos/", dir.path() + "/Site/");
        QCOMPARE(other.end, RunEnd::Failed);
        QVERIFY2(other.message.contains(site) && other.message.contains(top),
                 qPrintable(other.message));
    }

    // Next to the photos, a finished run removes the pages and pictures of photos that are gone
    // and the index pages past the last, never a user's file; a stopped run removes nothing.
    void inPlaceRemovesWhatIsGone() {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        for (const QString& name : NumberedImages(202))
            QVERIFY(WriteFile(folder + name, TwoColourJpeg(600, 400)));
        PictureWorkers maker;
        PageRun run = FixedDiskRun(folder);
        run.settings.lIndex = run.settings.lWebReady = true, run.settings.nWebSize = 480;
        run.pictures = &maker;
        QCOMPARE(PageGenerator(run).end, RunEnd::Finished);
        const QStringList users{"notes.html", "x_jpg.html", "thumbs/mine.jpg", "web/x_jpg.jpg"};
        for (const QString& file : users)
            QVERIFY(WriteFile(folder + file, "<html>mine</html>"));
        for (const QString& name : NumberedImages(202).mid(1, 2))
            QVERIFY(QFile::remove(folder + name));
        run.images = ListFolderImages(run.sFolder.bytes).names;
        StopAfter stop(0);
        QCOMPARE(PageGenerator(run, &stop).end, RunEnd::Stopped);
        QVERIFY(QFile::exists(folder + "img001_jpg.html") &&
                QFile::exists(folder + "index-2.html"));
        const PageRunResult result = PageGenerator(run);
        QVERIFY2(result.statusText.endsWith(" -- 9 removed -- OK"), qPrintable(result.statusText));
        for (const char* gone : {"img001_jpg.html", "thumbs/img002_jpg.jpg",
                                 "thumbs/img001_jpg@2x.jpg", "web/img002_jpg.jpg", "index-2.html"})
            QVERIFY2(!QFile::exists(folder + gone), gone);
        for (const QString& kept : users + QStringList{"img000_jpg.html", "web/img003_jpg.jpg"})
            QVERIFY2(QFile::exists(folder + kept), qPrintable(kept));
    }
};

QTEST_GUILESS_MAIN(TestSite)
#include "tst_site.moc"
