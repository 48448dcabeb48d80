#include "RunFixture.h"
#include "generator/MadePages.h"
#include "generator/PreparedRun.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tuk;
using namespace tuktest;

namespace {

struct Recorder : PageRunListener {
    void Progress(int k, int n, const QString& text) override {
        positions << k;
        texts << text;
        total = n;
    }
    void Yield() override { ++yields; }

    QList<int> positions;
    QStringList texts;
    int total = 0, yields = 0;
};

} // namespace

class TestPageGenerator : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listsImagesOnly() {
        QTemporaryDir dir;
        const QString d = dir.path() + '/';
        QVERIFY(MakeImages(d, {"a.GIF", "b.jpeg", "c.JPG", "d.png", ".hidden.jpg", "e.jpg.txt",
                               "B.jpeg", "noext", "f.Jpeg", "x.jpg/", "link.gif->" + d + "a.GIF",
                               "dirlink.jpg->" + d + "x.jpg", "dangling.jpg->" + d + "none.jpg"}));
        for (const char* notUtf8 : {"x\xff.jpg", "x\xfe.jpg"})
            QVERIFY(WriteFile(QFile::encodeName(d) + notUtf8, "x"));
        const FolderImages images = ListFolderImages(d.toUtf8());
        QVERIFY(images.readable);
        // Case-insensitive order, exact name breaking the tie (capitals first), then bytes.
        QCOMPARE(ShownTexts(images.names),
                 QStringList({"a.GIF", "B.jpeg", "b.jpeg", "c.JPG", "f.Jpeg", "link.gif",
                              "x\uFFFD.jpg", "x\uFFFD.jpg"}));
        QCOMPARE(images.names.last().bytes, QByteArray("x\xff.jpg"));

        QVERIFY(MakeFolder(d + "empty"));
        QVERIFY(ListFolderImages(QFile::encodeName(d + "empty")).readable);
        for (const auto& [path, error] :
             {std::pair{d + "missing", ENOENT}, {d + "a.GIF", ENOTDIR}, {QString(), ENOENT}}) {
            const FolderImages none = ListFolderImages(QFile::encodeName(path));
            QVERIFY2(!none.readable && none.names.isEmpty() && none.error == error,
                     qPrintable(path));
        }
    }

    void elapsedTimeShownReadably() {
        const QLocale en(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(FormatElapsed(3.4609375, en), QString("3.461"));
        QCOMPARE(FormatElapsed(1234.5, en), QString("1,234.5"));
        QCOMPARE(FormatElapsed(9.9996, en), QString("10.0"));
        QCOMPARE(FormatElapsed(1234.5, QLocale(QLocale::German, QLocale::Germany)),
                 QString("1.234,5"));
    }

    void reportsProgressAndResult() {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/f/";
        QVERIFY(MakeImages(folder, {"B.jpg", "a.gif", "c.jpeg"}));
        Recorder recorder;
        const PageRunResult result = PageGenerator(FixedDiskRun(folder), &recorder);
        QCOMPARE(result.end, RunEnd::Finished);
        QCOMPARE(result.pagesWritten, 3);
        QCOMPARE(recorder.positions, QList<int>({1, 2, 3}));
        QCOMPARE(recorder.texts.first(), QString("Image: 1 / 3"));
        QCOMPARE(recorder.total, 3);
        QCOMPARE(recorder.yields, 3);
        QVERIFY2(result.statusText.contains(
                     QRegularExpression("^Image: 3 / 3 -- \\d+\\.\\d{1,3} -- OK$")),
                 qPrintable(result.statusText));
        QCOMPARE(result.sFirstPage, QString("a_gif.html"));
        QCOMPARE(result.firstPagePath, folder + "a_gif.html");
        QCOMPARE(PagesIn(folder), QStringList({"a_gif.html", "b_jpg.html", "c_jpeg.html"}));

        const QString empty = dir.path() + "/empty/";
        QVERIFY(MakeFolder(empty));
        QCOMPARE(PageGenerator(FixedDiskRun(empty)).end, RunEnd::NoImages);
        QVERIFY(FolderEntries(empty).isEmpty());

        // The time shown is the run's own, not the time its question waited for an answer.
        PreparedRun asked = PreparedRun::Prepare(FixedDiskRun(folder));
        QTest::qSleep(1000);
        PageRunListener quiet;
        QVERIFY(asked.Make(quiet).elapsedSeconds < 1.0);
    }

    // IMG.jpg and img.JPG lower-case to one page name: the later one is numbered, links follow.
    // A size beyond 32 bits shows whole.
    void caseTwinsAndHugeFiles() {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        QVERIFY(MakeImages(folder, {"img.JPG", "IMG.jpg"}));
        QFile image(folder + "x.jpg");
        QVERIFY(image.open(QIODevice::WriteOnly) && image.resize(qint64(5) << 30)); // sparse
        image.close();
        QCOMPARE(PageGenerator(FixedDiskRun(folder)).pagesWritten, 3);
        QVERIFY(ReadFile(folder + "x_jpg.html").contains("\r\n :: 5242880k\r\n")); // no grouping
        const QByteArray first = ReadFile(folder + "img_jpg.html");
        QVERIFY(first.contains("[<a href=\"img_jpg-2.html\">next</a>]"));
        QVERIFY(first.contains("<img src=\"IMG.jpg\">"));
        QVERIFY(ReadFile(folder + "img_jpg-2.html").contains("<img src=\"img.JPG\">"));
    }

    // View's page from an earlier run: the first page or the index, of this very folder, ours.
    void viewFindsOnlyOurEarlierPages() {
        QTemporaryDir dir;
        const QString d = dir.path() + "/pics/", other = dir.path() + "/other/";
        QVERIFY(MakeImages(d, {"b.jpg", "A.jpg"}) && MakeImages(other, {"a.jpg"}));
        PageRun run = FixedDiskRun(d), elsewhere = FixedDiskRun(other);
        const auto made = [&] {
            return PageMadeBefore(run.sFolder, run.images[0], run.settings, run.driveType);
        };
        run.settings.lCopyr = false; // the credit line in a comment
        QCOMPARE(PageGenerator(run).end, RunEnd::Finished);
        QCOMPARE(made(), d + "a_jpg.html");
        run.settings.lIndex = true;
        QCOMPARE(made(), QString());
        QCOMPARE(PageGenerator(run).end, RunEnd::Finished);
        QCOMPARE(made(), d + "index.html");
        // In a target folder shared by several folders, the page must show this folder's image.
        for (PageRun* r : {&run, &elsewhere}) {
            r->driveType = VolumeKind::RemovableDisk;
            r->settings.TargetFolder = dir.path() + "/web/";
            r->settings.lIndex = true;
        }
        QCOMPARE(PageGenerator(elsewhere).end, RunEnd::Finished);
        QCOMPARE(made(), QString());
        QCOMPARE(PageGenerator(run).end, RunEnd::Finished);
        QCOMPARE(made(), dir.path() + "/web/index.html");
        run.driveType = VolumeKind::FixedDisk;
        QVERIFY(WriteFile(d + "a_jpg.html", "<html><img src=\"A.jpg\"></html>\r\n"));
        QCOMPARE(made(), QString());
    }

    // A re-run leaves pages that hold the right bytes alone, date included; a changed option
    // rewrites every page, also when it keeps their length.
    void rerunLeavesRightPagesAlone_data() {
        QTest::addColumn<QString>("change");
        QTest::newRow("nothing") << "";
        QTest::newRow("bold") << "bold";
        QTest::newRow("text colour of the same length") << "colour";
    }
    void rerunLeavesRightPagesAlone() {
        QFETCH(QString, change);
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        QVERIFY(MakeImages(folder, {"a.jpg", "b.jpg"}));
        PageRun run = FixedDiskRun(folder);
        QCOMPARE(PageGenerator(run).pagesWritten, 2);
        const QMap<QByteArray, QByteArray> before = PageContents(folder);
        for (const QByteArray& page : before.keys())
            QVERIFY(SetFileTime(QFile::encodeName(folder) + page, 1000000000));
        run.settings.lBold = change == "bold";
        run.settings.TextG = change == "colour" ? 128 : 0;
        run.body = MakeBodyString(run.settings);
        QCOMPARE(PageGenerator(run).pagesWritten, change.isEmpty() ? 0 : 2);
        for (auto page = before.cbegin(); page != before.cend(); ++page) {
            const QByteArray now = ReadFile(folder + page.key());
            QVERIFY2((now == *page) == change.isEmpty() &&
                         (now.size() == page->size()) == (change != "bold") &&
                         (StatOf(folder + page.key()).st_mtime == 1000000000) == change.isEmpty(),
                     page.key());
        }
    }

    // Counts are not 16-bit: a folder of more than 32,767 images gets every page.
    void moreImagesThanA16BitCount() {
        if (!qEnvironmentVariableIsSet("TUK_SLOW_TESTS"))
            QSKIP("slow: runs as tst_pagegenerator_slow (ctest -L slow)");
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        const int count = 32769;
        QVERIFY(MakeImages(folder, NumberedImages(count, 5), 0));
        PageRun run = FixedDiskRun(folder);
        run.settings.lFDate = run.settings.lFSize = false;
        const PageRunResult result = PageGenerator(run);
        QCOMPARE(result.end, RunEnd::Finished);
        QCOMPARE(result.pagesWritten, count);
        QVERIFY(result.statusText.startsWith("Image: 32769 / 32769 -- "));
        const QByteArray last = ReadFile(folder + "img32768_jpg.html");
        QVERIFY(last.contains("\r\n :: [" + QFileInfo(dir.path()).fileName().toLower().toUtf8() +
                              " 32769/32769]\r\n"));
        QVERIFY(last.contains("[<a href=\"img32767_jpg.html\">prev</a>]"));
    }
};

QTEST_GUILESS_MAIN(TestPageGenerator)
#include "tst_pagegenerator.moc"
