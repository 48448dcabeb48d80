#include "RunFixture.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace tuk;
using namespace tuktest;

namespace {

// Records what a run reports.
class Recorder : public PageRunListener {
public:
    void Progress(int k, int n, const QString& text) override {
        positions << k;
        texts << text;
        total = n;
    }
    void Yield() override { ++yields; }

    QList<int> positions;
    QStringList texts;
    int total = 0;
    int yields = 0;
};

struct stat StatOf(const QString& path) {
    struct stat st {};
    stat(QFile::encodeName(path).constData(), &st);
    return st;
}

} // namespace

class TestPageGenerator : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void elapsedText_data() {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        const QLocale en(QLocale::English, QLocale::UnitedStates);
        const QLocale de(QLocale::German, QLocale::Germany);
        QTest::newRow("half") << 0.5 << en << "0.5";
        QTest::newRow("rounded") << 3.4609375 << en << "3.461";
        QTest::newRow("grouped") << 1234.5 << en << "1,234.5";
        QTest::newRow("zero") << 0.0 << en << "0.0";
        QTest::newRow("rounds up a digit") << 9.9996 << en << "10.0";
        QTest::newRow("German marks") << 1234.5 << de << "1.234,5";
    }
    void elapsedText() {
        QFETCH(double, seconds);
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QCOMPARE(FormatElapsed(seconds, locale), text);
    }

    void outputFolder() {
        const FsName photos(QByteArray("/m/Photos"));
        const OutputChoice fixed = ChooseOutputFolder(photos, "Fixed Disk", "/home/u/Web");
        QVERIFY(!fixed.lRemote);
        QCOMPARE(fixed.sOutFolder.bytes, QByteArray("/m/Photos/"));
        const OutputChoice other = ChooseOutputFolder(photos, "Unknown Medium ", "/u/Web");
        QVERIFY(other.lRemote);
        QCOMPARE(other.sOutFolder.bytes, QByteArray("/u/Web/"));
        QCOMPARE(PageFolderName("/"), QString("/")); // a page line names the root as it is
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
        QCOMPARE(recorder.texts.last(), QString("Image: 3 / 3"));
        QCOMPARE(recorder.total, 3);
        QCOMPARE(recorder.yields, 3);
        QVERIFY(!Program().lMaking);
        QVERIFY2(QRegularExpression("^Image: 3 / 3 -- \\d+\\.\\d{1,3} -- OK$")
                     .match(result.statusText)
                     .hasMatch(),
                 qPrintable(result.statusText));
        QVERIFY(!result.lRemote);
        QCOMPARE(result.sOutFolder, folder);
        QCOMPARE(result.sFirstPage, QString("a_gif.html"));
        QCOMPARE(result.firstPagePath, folder + "a_gif.html");
        QCOMPARE(PagesIn(folder), QStringList({"a_gif.html", "b_jpg.html", "c_jpeg.html"}));
    }

    void nothingToDoWithoutImages() {
        QTemporaryDir dir;
        PageRun run = FixedDiskRun(dir.path() + "/");
        QVERIFY(run.images.isEmpty());
        const PageRunResult result = PageGenerator(run);
        QCOMPARE(result.end, RunEnd::NoImages);
        QVERIFY(FolderEntries(dir.path()).isEmpty());
    }

    void kiloBytes_data() {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("empty") << qint64(0) << QByteArray(" :: 1k");
        QTest::newRow("1024") << qint64(1024) << QByteArray(" :: 1k");
        QTest::newRow("2047") << qint64(2047) << QByteArray(" :: 1k");
        QTest::newRow("2048") << qint64(2048) << QByteArray(" :: 2k");
        QTest::newRow("1 MiB") << qint64(1048576) << QByteArray(" :: 1024k");
        QTest::newRow("5 GiB, no grouping")
            << qint64(5) * 1024 * 1024 * 1024 << QByteArray(" :: 5242880k");
    }
    void kiloBytes() {
        QFETCH(qint64, size);
        QFETCH(QByteArray, line);
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        QFile image(folder + "x.jpg");
        QVERIFY(image.open(QIODevice::WriteOnly));
        QVERIFY(image.resize(size)); // sparse: no disk space taken
        image.close();
        QCOMPARE(PageGenerator(FixedDiskRun(folder)).end, RunEnd::Finished);
        QVERIFY(ReadFile(folder + "x_jpg.html").contains("\r\n" + line + "\r\n"));
    }

    // IMG.jpg and img.JPG lower-case to one page name: each gets a page of its own and the
    // links follow the numbered one.
    void caseTwinsGetPagesOfTheirOwn() {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        QVERIFY(MakeImages(folder, {"img.JPG", "IMG.jpg"}));
        const PageRunResult result = PageGenerator(FixedDiskRun(folder));
        QCOMPARE(result.pagesWritten, 2);
        QCOMPARE(PagesIn(folder), QStringList({"img_jpg-2.html", "img_jpg.html"}));
        const QByteArray first = ReadFile(folder + "img_jpg.html");
        const QByteArray second = ReadFile(folder + "img_jpg-2.html");
        QVERIFY(first.contains("[<a href=\"img_jpg-2.html\">next</a>]"));
        QVERIFY(first.contains("<img src=\"IMG.jpg\">"));
        QVERIFY(second.contains("[<a href=\"img_jpg.html\">prev</a>]"));
        QVERIFY(second.contains("[<a href=\"img_jpg-2.html\">last</a>]"));
        QVERIFY(second.contains("<img src=\"img.JPG\">"));
    }

    // A re-run over pages that already hold the right bytes leaves them alone; a changed
    // option rewrites them and keeps the permissions their owner gave them.
    void unchangedPagesAreLeftAlone() {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        QVERIFY(MakeImages(folder, {"a.jpg", "b.jpg"}));
        PageRun run = FixedDiskRun(folder);
        QCOMPARE(PageGenerator(run).pagesWritten, 2);
        const QString page = folder + "a_jpg.html";
        QVERIFY(SetFileTime(page.toUtf8(), 1000000000));
        QCOMPARE(chmod(QFile::encodeName(page).constData(), 0640), 0);
        const struct stat before = StatOf(page);

        const PageRunResult again = PageGenerator(run);
        QCOMPARE(again.end, RunEnd::Finished);
        QCOMPARE(again.pagesUnchanged, 2);
        QCOMPARE(again.pagesWritten, 0);
        const struct stat same = StatOf(page);
        QCOMPARE(same.st_mtime, before.st_mtime);
        QCOMPARE(same.st_ino, before.st_ino);

        run.settings.lBold = true;
        const PageRunResult changed = PageGenerator(run);
        QCOMPARE(changed.pagesWritten, 2);
        const struct stat after = StatOf(page);
        QVERIFY(after.st_mtime != before.st_mtime);
        QCOMPARE(after.st_mode & 0777, mode_t(0640));
        QVERIFY(ReadFile(page).contains("<b>\r\n"));
        QVERIFY(!HasTemporaryFiles(folder));
    }

    // Counts are not 16-bit: a folder of more than 32,767 images gets every page.
    void moreImagesThanA16BitCount() {
        if (!qEnvironmentVariableIsSet("TUK_SLOW_TESTS"))
            QSKIP("slow: runs as tst_pagegenerator_slow (ctest -L slow)");
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        const int count = 32769;
        QStringList names;
        for (int i = 0; i < count; ++i)
            names << QString::asprintf("p%05d.jpg", i);
        QVERIFY(MakeImages(folder, names, 0));
        PageRun run = FixedDiskRun(folder);
        run.settings.lFDate = run.settings.lFSize = false;
        const PageRunResult result = PageGenerator(run);
        QCOMPARE(result.end, RunEnd::Finished);
        QCOMPARE(result.pagesWritten, count);
        QVERIFY(result.statusText.startsWith("Image: 32769 / 32769 -- "));
        const QByteArray last = ReadFile(folder + "p32768_jpg.html");
        QVERIFY(last.contains("\r\n :: [" + QFileInfo(dir.path()).fileName().toLower().toUtf8() +
                              " 32769/32769]\r\n"));
        QVERIFY(last.contains("[<a href=\"p32767_jpg.html\">prev</a>]"));
    }
};

QTEST_GUILESS_MAIN(TestPageGenerator)
#include "tst_pagegenerator.moc"
