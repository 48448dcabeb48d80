#include "app/TableRows.h"
#include "generator/ImageHeader.h"
#include "generator/RunFixture.h"
#include "thumbnails/PictureSupport.h"
#include "thumbnails/PictureWorkers.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace tuk;
using namespace tuktest;

namespace {

// The JPEG claiming another size in its frame header: a few hundred bytes that declare a
// picture of any size.
QByteArray Claiming(QByteArray jpeg, int width, int height) {
    for (qsizetype i = 2; i + 9 < jpeg.size(); ++i) {
        const uchar m = uchar(jpeg[i + 1]);
        if (uchar(jpeg[i]) == 0xFF && (m == 0xC0 || m == 0xC2)) {
            jpeg[i + 5] = char(height >> 8), jpeg[i + 6] = char(height);
            jpeg[i + 7] = char(width >> 8), jpeg[i + 8] = char(width);
            break;
        }
    }
    return jpeg;
}

// A 16 x 16 GIF: colour 0 red, colour 1 transparent, the left half red. Its LZW data sends a
// clear code before every pixel, so the codes stay three bits wide.
QByteArray HalfTransparentGif() {
    QByteArray gif("GIF89a\x10\x00\x10\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00"
                   "!\xf9\x04\x01\x00\x00\x01\x00,\x00\x00\x00\x00\x10\x00\x10\x00\x00\x02",
                   38);
    QByteArray data;
    quint32 bits = 0;
    int count = 0;
    auto code = [&](int c) {
        bits |= quint32(c) << count;
        for (count += 3; count >= 8; count -= 8, bits >>= 8)
            data += char(bits & 0xff);
    };
    for (int pixel = 0; pixel < 256; ++pixel)
        code(4), code(pixel % 16 < 8 ? 0 : 1);
    code(5);
    if (count > 0)
        data += char(bits & 0xff);
    return gif + char(data.size()) + data + QByteArray("\x00;", 2);
}

PictureWorkers Maker(DecodeLimits limits = {}) {
    return PictureWorkers(limits, QStringLiteral(TUK_DECODER));
}

// A run with the index page over the folder, thumbnails of `size`.
PageRun IndexRun(const QString& folder, PictureMaker& maker, int size = 60) {
    PageRun run = FixedDiskRun(folder);
    run.settings.lIndex = true;
    run.thumbSize = size;
    run.pictures = &maker;
    return run;
}

// When the file was last written or replaced, in nanoseconds.
qint64 Changed(const QString& path) {
    struct stat st {};
    if (stat(QFile::encodeName(path).constData(), &st) != 0)
        return 0;
    return qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
}

} // namespace

class TestThumbnails : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void headers_data() {
        Columns<QByteArray, int, QSize, bool>("bytes", "format", "upright", "progressive");
        const QByteArray jpeg = TwoColourJpeg(40, 20);
        QTest::newRow("jpeg") << jpeg << int(ImageFormat::Jpeg) << QSize(40, 20) << false;
        QTest::newRow("turned") << TwoColourJpeg(40, 20, 6) << int(ImageFormat::Jpeg)
                                << QSize(20, 40) << false;
        QTest::newRow("progressive")
            << TwoColourJpeg(40, 20, 0, true) << int(ImageFormat::Jpeg) << QSize(40, 20) << true;
        QTest::newRow("gif") << HalfTransparentGif() << int(ImageFormat::Gif) << QSize(16, 16)
                             << false;
        QTest::newRow("cut before its frame") << jpeg.left(30) << 0 << QSize() << false;
        QTest::newRow("svg") << QByteArray("<svg width='9' height='9'/>") << 0 << QSize() << false;
        QByteArray loop = jpeg.left(2) + QByteArray::fromHex("fffe0001"); // shorter than its length
        QTest::newRow("bad length") << loop << 0 << QSize() << false;
    }
    // What a header says, read without decoding.
    void headers() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, format);
        const ImageHeader header = ParseImageHeader(bytes);
        QCOMPARE(int(header.Valid() ? header.format : ImageFormat::Unknown), format);
        QTEST(header.Upright(), "upright");
        QTEST(header.progressive, "progressive");
    }

    void pictures_data() {
        // thumb: the picture on the index page, twin: the 2x one (empty: none); itself: the
        // image serves as its own thumbnail.
        Columns<QByteArray, QString, QSize, QSize, bool, QString>("bytes", "name", "thumb", "twin",
                                                                  "itself", "missing");
        QTest::newRow("large") << TwoColourJpeg(400, 200) << "a.jpg" << QSize(60, 30)
                               << QSize(120, 60) << false << "";
        QTest::newRow("no twin's pixels")
            << TwoColourJpeg(100, 50) << "a.jpg" << QSize(60, 30) << QSize(0, 0) << false << "";
        QTest::newRow("small") << TwoColourJpeg(20, 40) << "a.jpg" << QSize(20, 40) << QSize(0, 0)
                               << true << "";
        QTest::newRow("turned") << TwoColourJpeg(400, 200, 6) << "a.jpg" << QSize(30, 60)
                                << QSize(60, 120) << false << "";
        QTest::newRow("broken") << QByteArray("\xff\xd8\xff garbage") << "a.jpg" << QSize(0, 0)
                                << QSize(0, 0) << false << "1 could not be decoded";
        QTest::newRow("svg named jpg")
            << QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='300' height='300'>"
                          "<rect width='300' height='300' fill='red'/></svg>")
            << "a.jpg" << QSize(0, 0) << QSize(0, 0) << false << "1 could not be decoded";
        QTest::newRow("gif named jpg") << HalfTransparentGif() << "a.jpg" << QSize(0, 0)
                                       << QSize(0, 0) << false << "1 could not be decoded";
        QTest::newRow("bomb") << Claiming(TwoColourJpeg(64, 64, 0, true), 16000, 16000) << "a.jpg"
                              << QSize(0, 0) << QSize(0, 0) << false << "1 too large";
    }
    // Which pictures an image gets, and of what size; the run goes on past those it cannot make.
    void pictures() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(QSize, thumb);
        QFETCH(QSize, twin);
        QFETCH(bool, itself);
        QTemporaryDir dir;
        const QString folder = dir.path() + "/in/";
        QVERIFY(MakeFolder(folder) && WriteFile(folder + name, bytes));
        QVERIFY(WriteFile(folder + "z.jpg", TwoColourJpeg(100, 100)));
        PictureWorkers maker = Maker();
        const PageRunResult result = PageGenerator(IndexRun(folder, maker));
        QCOMPARE(result.end, RunEnd::Finished);
        QFETCH(QString, missing);
        QCOMPARE(result.statusText.contains(" -- " + missing + " -- "), !missing.isEmpty());
        QCOMPARE(result.message.contains(folder + name), !missing.isEmpty());
        QCOMPARE(QImage(folder + "thumbs/z_jpg.jpg", "jpeg").size(), QSize(60, 60));
        const QString made = folder + "thumbs/a_jpg.jpg";
        QCOMPARE(QImage(made, "jpeg").size(), itself ? QSize(0, 0) : thumb);
        QCOMPARE(QImage(folder + "thumbs/a_jpg@2x.jpg", "jpeg").size(), twin);
        const QByteArray index = ReadFile(folder + "index.html");
        const QByteArray picture = QByteArray("<img src=\"") +
                                   (itself ? "a.jpg" : "thumbs/a_jpg.jpg") +
                                   (twin.isEmpty() ? "\" width=" : "\" srcset");
        QCOMPARE(index.contains(picture), !thumb.isEmpty());
        if (!thumb.isEmpty() && !itself) { // the red left half turns to the top when turned
            const QRgb seen = QImage(made, "jpeg").pixel(thumb.width() - 3, 2); // top right
            QVERIFY2((qRed(seen) > 200) == (thumb.height() > thumb.width()), qPrintable(made));
        }
    }

    void webCopies_data() {
        // size: the longest edge asked; copy: 0 x 0 for none.
        Columns<QByteArray, QString, int, QSize>("bytes", "name", "size", "copy");
        QTest::newRow("over") << TwoColourJpeg(400, 200) << "a.jpg" << 100 << QSize(100, 50);
        QTest::newRow("exactly") << TwoColourJpeg(100, 50) << "a.jpg" << 100 << QSize(0, 0);
        QTest::newRow("under") << TwoColourJpeg(80, 40) << "a.jpg" << 100 << QSize(0, 0);
        QTest::newRow("turned") << TwoColourJpeg(400, 200, 6) << "a.jpg" << 100 << QSize(50, 100);
        QTest::newRow("gif") << HalfTransparentGif() << "a.gif" << 8 << QSize(0, 0);
        QTest::newRow("broken") << QByteArray("\xff\xd8\xff garbage") << "a.jpg" << 2
                                << QSize(0, 0);
    }
    // Which images get a screen-sized copy, upright and of the asked size; the others keep
    // showing themselves.
    void webCopies() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(QSize, copy);
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        QVERIFY(WriteFile(folder + name, bytes));
        PictureWorkers maker = Maker();
        PageRun run = FixedDiskRun(folder);
        run.settings.lWebReady = true;
        QFETCH(int, size);
        run.settings.nWebSize = quint16(size);
        run.pictures = &maker;
        QCOMPARE(PageGenerator(run).end, RunEnd::Finished);
        const QString path = folder + "web/" + name.replace('.', '_') + ".jpg";
        QCOMPARE(QImage(path, "jpeg").size(), copy);
        if (!copy.isEmpty()) { // the red left half turns to the top when turned
            const QRgb seen = QImage(path, "jpeg").pixel(copy.width() - 3, 2); // top right
            QVERIFY2((qRed(seen) > 200) == (copy.height() > copy.width()), qPrintable(path));
        }
    }

    // A transparent GIF's clear pixels show the page's background, not black.
    void transparentGif() {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        QVERIFY(WriteFile(folder + "a.gif", HalfTransparentGif()));
        PictureWorkers maker = Maker();
        PageRun run = IndexRun(folder, maker, 8);
        run.settings.BackR = 0, run.settings.BackG = 200, run.settings.BackB = 0;
        QCOMPARE(PageGenerator(run).end, RunEnd::Finished);
        const QImage thumb(folder + "thumbs/a_gif.jpg", "jpeg");
        QCOMPARE(thumb.size(), QSize(8, 8));
        const QRgb left = thumb.pixel(1, 4), right = thumb.pixel(6, 4);
        QVERIFY2(qRed(left) > 150 && qGreen(left) < 100 && qGreen(right) > 150 && qRed(right) < 100,
                 qPrintable(QString::number(left, 16) + ' ' + QString::number(right, 16)));
    }

    void kept_data() {
        Columns<QString, int, int, QString>("change", "thumbSize", "webSize", "remade");
        Row("nothing", "", 60, 150, "");
        Row("touched, same bytes", "touch", 60, 150, "thumb twin copy");
        Row("replaced by an older copy", "older", 60, 150, "thumb twin copy");
        Row("another size asked", "", 50, 150, "thumb twin");
        Row("twin gone", "twin", 60, 150, "twin");
        Row("twin of another size", "twin size", 60, 150, "twin");
        Row("huge file at its name", "huge", 60, 150, "thumb");
        Row("another copy size asked", "", 60, 140, "twin copy");
        Row("copy gone", "copy", 60, 150, "copy");
    }
    // A picture is kept only while it belongs to the image as it is now, and only its header is
    // read to tell.
    void kept() {
        QFETCH(QString, change);
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        const QByteArray image = QFile::encodeName(folder + "a.jpg");
        QVERIFY(WriteFile(image, TwoColourJpeg(300, 200)) && SetFileTime(image, 1000000000));
        PictureWorkers maker = Maker();
        PageRun run = IndexRun(folder, maker);
        run.settings.lWebReady = true;
        run.settings.nWebSize = 150;
        QCOMPARE(PageGenerator(run).end, RunEnd::Finished);
        const QString thumb = folder + "thumbs/a_jpg.jpg", twin = folder + "thumbs/a_jpg@2x.jpg",
                      copy = folder + "web/a_jpg.jpg";
        qint64 before = Changed(thumb), twinBefore = Changed(twin), copyBefore = Changed(copy);
        if (change == "touch") {
            QVERIFY(SetFileTime(image, 1000000000)); // same bytes, same date, a new change time
        } else if (change == "older") {
            QVERIFY(WriteFile(image + ".new", TwoColourJpeg(300, 150)));
            QVERIFY(SetFileTime(image + ".new", 900000000) && rename(image + ".new", image) == 0);
        } else if (change.startsWith("twin")) { // gone, or of another size
            QVERIFY(QFile::remove(twin) && (change == "twin" || QFile::copy(thumb, twin)));
        } else if (change == "copy") {
            QVERIFY(QFile::remove(copy));
        } else if (change == "huge") {
            QFile file(thumb); // 3 GB of nothing
            QVERIFY(file.open(QIODevice::ReadWrite) && file.resize(0) &&
                    file.resize(qint64(3) << 30));
        }
        QFETCH(int, thumbSize);
        QFETCH(int, webSize);
        run.thumbSize = thumbSize;
        run.settings.nWebSize = quint16(webSize);
        const QDeadlineTimer deadline(5000);
        QCOMPARE(PageGenerator(run).end, RunEnd::Finished);
        QVERIFY(!deadline.hasExpired());
        const auto remade = [&] { // the pictures written again
            return QStringList{Changed(thumb) != before ? "thumb" : "",
                               Changed(twin) != twinBefore ? "twin" : "",
                               Changed(copy) != copyBefore ? "copy" : ""}
                .join(' ')
                .simplified();
        };
        QTEST(remade(), "remade");
        const auto upright = [&](int w) { return QSize(w, change == "older" ? w / 2 : w * 2 / 3); };
        QCOMPARE(QImage(thumb, "jpeg").size(), upright(thumbSize));
        QCOMPARE(QImage(twin, "jpeg").size(), upright(thumbSize) * 2);
        QCOMPARE(QImage(copy, "jpeg").size(), upright(webSize));
        before = Changed(thumb), twinBefore = Changed(twin), copyBefore = Changed(copy);
        QCOMPARE(PageGenerator(run).end, RunEnd::Finished);
        QCOMPARE(remade(), QString()); // once made again, kept
    }

    // An image that takes longer than its time is ended and counted; an image replaced by a
    // FIFO fails the run instead of hanging it (a stop: tu_k-make's signal test).
    void slowAndStopped() {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        QVERIFY(WriteFile(folder + "slow.jpg", SlowJpeg(2000)));
        QVERIFY(WriteFile(folder + "zz.jpg", TwoColourJpeg(100, 100)));
        DecodeLimits limits;
        limits.perImage = std::chrono::milliseconds(300);
        PictureWorkers quick = Maker(limits);
        QElapsedTimer clock;
        clock.start();
        PageRunResult result = PageGenerator(IndexRun(folder, quick));
        QCOMPARE(result.end, RunEnd::Finished);
        QVERIFY(result.statusText.contains(" -- 1 too slow to decode -- "));
        QVERIFY(clock.elapsed() < 5000);

        struct FifoInstead : PageRunListener { // after the last page
            void Yield() override {
                if (++pages == 2)
                    done = QFile::remove(path) && mkfifo(QFile::encodeName(path), 0600) == 0;
            }
            QString path;
            int pages = 0;
            bool done = false;
        } fifo;
        fifo.path = folder + "slow.jpg";
        PictureWorkers patient = Maker();
        clock.restart();
        result = PageGenerator(IndexRun(folder, patient), &fifo);
        QVERIFY(fifo.done);
        QCOMPARE(result.end, RunEnd::Failed);
        QVERIFY2(result.message.contains(folder + "slow.jpg: not a regular file"),
                 qPrintable(result.message));
        QVERIFY(clock.elapsed() < 5000);
        QVERIFY(IndexShowsOnlyWhatExists(folder));
    }

    // A run stopped among its pages leaves an index page of the pages made, and no picture.
    void stopAmongPages() {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
            QVERIFY(WriteFile(folder + name, TwoColourJpeg(300, 200)));
        struct StopAfterOne : PageRunListener {
            bool StopRequested() override { return true; }
        } stop;
        PictureWorkers maker = Maker();
        QCOMPARE(PageGenerator(IndexRun(folder, maker), &stop).end, RunEnd::Stopped);
        const QByteArray index = ReadFile(folder + "index.html");
        QVERIFY(index.contains("href=\"a_jpg.html\"") && !index.contains("b_jpg.html"));
        QVERIFY(!index.contains("<img") && FolderEntries(folder + "thumbs").isEmpty());
    }

    // A thumbnail that cannot be written fails the run with its name and reason; the index
    // page then names only pictures that exist.
    void cannotWrite() {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        QVERIFY(WriteFile(folder + "a.jpg", TwoColourJpeg(300, 200)));
        QVERIFY(WriteFile(folder + "b.jpg", TwoColourJpeg(300, 200)));
        QVERIFY(MakeFolder(folder + "thumbs/b_jpg@2x.jpg/x")); // a folder is not replaced
        PictureWorkers maker = Maker();
        const PageRunResult result = PageGenerator(IndexRun(folder, maker));
        QCOMPARE(result.end, RunEnd::Failed);
        QVERIFY2(result.message.startsWith("Cannot write the thumbnail " + folder +
                                           "thumbs/b_jpg@2x.jpg: "),
                 qPrintable(result.message));
        QVERIFY(result.statusText.endsWith(" -- Failed"));
        QVERIFY(IndexShowsOnlyWhatExists(folder));
    }
};

QTEST_GUILESS_MAIN(TestThumbnails)
#include "tst_thumbnails.moc"
