#include "app/TableRows.h"
#include "generator/ImageFormats.h"
#include "generator/ImageHeader.h"
#include "generator/RunFixture.h"
#include "thumbnails/PictureSupport.h"
#include "thumbnails/PictureWorkers.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include <csignal>
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

// Kills the first decoder it finds at work, a child of the test, as the system might.
struct KillDecoder : PageRunListener {
    void ThumbProgress(int, int, const QString&) override {
        const QString tasks = QStringLiteral("/proc/self/task/");
        for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            for (const QByteArray& child : ReadFile(tasks + task + "/children").split(' '))
                killed = killed || (child.toInt() > 0 && ::kill(child.toInt(), SIGKILL) == 0);
    }
    bool killed = false;
};

// A decoder that answers a request without an image and crashes on any other, which is longer.
constexpr char kCrashesOnImages[] =
    "while size=$(head -c 4 <&3 | od -An -tu4) && [ \"$size\" ]; do head -c $size <&3 >/dev/null\n"
    "  [ $size -gt 40 ] && kill -SEGV $$; printf '\\010\\0\\0\\0\\0\\0\\0\\002\\0\\0\\0\\0' >&3; "
    "done";

// A run with the index page over the folder, thumbnails of `size`, and with `web` > 0
// screen-sized copies of that size.
PageRun IndexRun(const QString& folder, PictureMaker& maker, int size = 60, int web = 0) {
    PageRun run = FixedDiskRun(folder);
    run.settings.lIndex = true;
    run.thumbSize = size;
    run.settings.lWebReady = web > 0, run.settings.nWebSize = quint16(web);
    run.pictures = &maker;
    return run;
}

// When the file was last written or replaced, in nanoseconds.
qint64 Changed(const QString& path) {
    const struct stat st = StatOf(path);
    return qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
}

} // namespace

class TestThumbnails : public QObject {
    Q_OBJECT
    std::optional<QTemporaryDir> dir_;
    QString folder; // a fresh one for each test

private Q_SLOTS:
    void init() {
        dir_.emplace();
        folder = dir_->path() + "/";
    }
    void headerTellsSizeWithoutDecoding_data() {
        Columns<QByteArray, int, QSize, bool>("bytes", "format", "upright", "progressive");
        const QByteArray jpeg = TwoColourJpeg(40, 20);
        Row("jpeg", jpeg, int(ImageFormat::Jpeg), QSize(40, 20), false);
        Row("progressive", TwoColourJpeg(40, 20, {}, true), int(ImageFormat::Jpeg), QSize(40, 20),
            true);
        Row("10,000 segments before its frame",
            jpeg.left(2) + QByteArray::fromHex("ffef0002").repeated(10000) + jpeg.mid(2),
            int(ImageFormat::Jpeg), QSize(40, 20), false);
        Row("frame beyond 32 MiB",
            jpeg.left(2) + (QByteArray::fromHex("ffefffff") + QByteArray(65533, 0)).repeated(520) +
                jpeg.mid(2),
            0, QSize(), false);
        Row("gif", HalfTransparentGif(), int(ImageFormat::Gif), QSize(16, 16), false);
        Row("cut before its frame", jpeg.left(30), 0, QSize(), false);
        Row("svg", QByteArray("<svg width='9' height='9'/>"), 0, QSize(), false);
        QByteArray loop = jpeg.left(2) + QByteArray::fromHex("fffe0001"); // shorter than its length
        Row("bad length", loop, 0, QSize(), false);
    }
    // What a header says, read without decoding.
    void headerTellsSizeWithoutDecoding() {
        QFETCH(QByteArray, bytes);
        const ImageHeader header = ParseImageHeader(bytes);
        QTEST(int(header.Valid() ? header.format : ImageFormat::Unknown), "format");
        QTEST(header.Upright(), "upright");
        QTEST(header.progressive, "progressive");
    }

    void picturesStandAsTheHeaderSays_data() {
        // exif: the segments (see MetadataSegment) between blanks; corners: the thumbnail's (see
        // Corners).
        Columns<QString, int, QString>("exif", "orientation", "corners");
        Row("2: mirrored", "MM|Orientation=2", 2, "BYRB");
        Row("3: half a turn", "MM|Orientation=3", 3, "BRYB");
        Row("4: upside down", "MM|Orientation=4", 4, "RBBY");
        Row("5: mirrored along the falling diagonal", "MM|Orientation=5", 5, "YRBB");
        Row("6: a quarter clockwise", "MM|Orientation=6", 6, "RYBB");
        Row("7: mirrored along the rising diagonal", "MM|Orientation=7", 7, "BBYR");
        Row("8: a quarter counter-clockwise", "MM|Orientation=8", 8, "BBRY");
        Row("only in the embedded thumbnail's directory", "MM|Resolution=2|/Orientation=6", 1,
            "YBBR");
        Row("XMP before EXIF", "xmp II|Orientation=8", 8, "BBRY");
        Row("1, then 6", "MM|Orientation=1 MM|Orientation=6", 1, "YBBR");
        Row("6, then 3", "MM|Orientation=6 II|Orientation=3", 6, "RYBB");
        Row("0", "MM|Orientation=0", 1, "YBBR");
        Row("9", "II|Orientation=9", 1, "YBBR");
        Row("255", "MM|Orientation=255", 1, "YBBR");
    }
    // The header's orientation is the one pages and pictures follow: the thumbnail and the
    // screen-sized copy have the upright size the header gives and stand as it says.
    void picturesStandAsTheHeaderSays() {
        QFETCH(QString, exif);
        QFETCH(int, orientation);
        const QByteArray jpeg = TwoColourJpeg(400, 200, exif.toLatin1().split(' '));
        QCOMPARE(ParseImageHeader(jpeg).orientation, orientation);
        const QSize upright = orientation >= 5 ? QSize(200, 400) : QSize(400, 200); // its pictures
        QVERIFY(WriteFile(folder + "a.jpg", jpeg));
        PictureWorkers maker;
        QCOMPARE(PageGenerator(IndexRun(folder, maker, 100, 200)).end, RunEnd::Finished);
        for (const auto& [path, scale] : {std::pair("thumbs/a_jpg.jpg", 4), {"web/a_jpg.jpg", 2}}) {
            const RowName row(path);
            const QImage picture(folder + path, "jpeg");
            QCOMPARE(picture.size(), upright / scale);
            QTEST(Corners(picture), "corners");
        }
    }

    void picturesOfEachImage_data() {
        // web: the copies' longest edge; thumb, twin (the 2x one), copy: the pictures made, 0 x 0
        // for none; itself: the image serves as its own thumbnail.
        Columns<QByteArray, QString, int, QSize, QSize, bool, QSize, QString>(
            "bytes", "name", "web", "thumb", "twin", "itself", "copy", "missing");
        const QSize none(0, 0);
        Row("large", TwoColourJpeg(400, 200), "a.jpg", 100, QSize(60, 30), QSize(120, 60), false,
            QSize(100, 50), "");
        Row("no twin's pixels, a copy's exactly", TwoColourJpeg(100, 50), "a.jpg", 100,
            QSize(60, 30), none, false, none, "");
        Row("small", TwoColourJpeg(20, 40), "a.jpg", 100, QSize(20, 40), none, true, none, "");
        Row("gif: no copy", HalfTransparentGif(), "a.gif", 8, QSize(16, 16), none, true, none, "");
        Row("broken", QByteArray("\xff\xd8\xff garbage"), "a.jpg", 2, none, none, false, none,
            "1 could not be decoded");
        Row("svg named jpg",
            QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='300' height='300'>"
                       "<rect width='300' height='300' fill='red'/></svg>"),
            "a.jpg", 100, none, none, false, none, "1 could not be decoded");
        Row("gif named jpg", HalfTransparentGif(), "a.jpg", 100, none, none, false, none,
            "1 could not be decoded");
        Row("bomb", Claiming(TwoColourJpeg(64, 64, {}, true), 16000, 16000), "a.jpg", 100, none,
            none, false, none, "1 too large");
    }
    // Which pictures an image gets, and of what size; the run goes on past those it cannot make.
    void picturesOfEachImage() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(QSize, thumb);
        QFETCH(QSize, twin);
        QFETCH(bool, itself);
        QVERIFY(WriteFile(folder + name, bytes));
        QVERIFY(WriteFile(folder + "z.jpg", TwoColourJpeg(100, 100)));
        PictureWorkers maker;
        QFETCH(int, web);
        const PageRunResult result = PageGenerator(IndexRun(folder, maker, 60, web));
        QCOMPARE(result.end, RunEnd::Finished);
        QFETCH(QString, missing);
        QCOMPARE(result.statusText.contains(" -- " + missing + " -- "), !missing.isEmpty());
        QCOMPARE(result.message.contains(folder + name), !missing.isEmpty());
        QCOMPARE(QImage(folder + "thumbs/z_jpg.jpg", "jpeg").size(), QSize(60, 60));
        QCOMPARE(QImage(folder + "thumbs/a_jpg.jpg", "jpeg").size(), itself ? QSize(0, 0) : thumb);
        QCOMPARE(QImage(folder + "thumbs/a_jpg@2x.jpg", "jpeg").size(), twin);
        QTEST(QImage(folder + "web/" + QString(name).replace('.', '_') + ".jpg", "jpeg").size(),
              "copy");
        const QByteArray index = ReadFile(folder + "index.html");
        const QByteArray picture = "<img src=\"" +
                                   (itself ? name.toLatin1() : QByteArray("thumbs/a_jpg.jpg")) +
                                   (twin.isEmpty() ? "\" width=" : "\" srcset");
        QCOMPARE(index.contains(picture), !thumb.isEmpty());
    }

    void everyKind_data() {
        // decodeBytes: what decoding it for pictures of 60 pixels may take; transparent: a new
        // page background remakes its thumbnail; corners: the thumbnail's on a yellow background,
        // then on a blue one.
        Columns<QByteArray, QString, int, qint64, bool, QString>(
            "bytes", "name", "format", "decodeBytes", "transparent", "corners");
        Row("gif", HalfTransparentGif(), "A.GIF", int(ImageFormat::Gif), qint64{16 * 16 * 8}, true,
            "RYYR RBBR");
        Row("jpeg", TwoColourJpeg(400, 200), "A.JPEG", int(ImageFormat::Jpeg), qint64{60 * 60 * 8},
            false, "");
        for (const ImageFormatRow& kind : ImageFormats()) // a new kind gets its row here
            QVERIFY2(kind.format == ImageFormat::Gif || kind.format == ImageFormat::Jpeg,
                     kind.decoder);
    }
    // Every kind of the format table, named in capitals: read by its header, its decoding
    // budgeted as its reader decodes, and its thumbnail remade for a new background only when
    // its clear pixels show it, in the page's background colour rather than black.
    void everyKind() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(int, format);
        const ImageHeader header = ParseImageHeader(bytes);
        QCOMPARE(int(header.format), format);
        QCOMPARE(int(FormatOfName(name.toLatin1())), format);
        QTEST(header.DecodeBytes(60), "decodeBytes");
        QVERIFY(WriteFile(folder + name, bytes));
        PictureWorkers maker;
        PageRun run = IndexRun(folder, maker, 8);
        run.settings.BackR = 200, run.settings.BackG = 200, run.settings.BackB = 0;
        QCOMPARE(PageGenerator(run).end, RunEnd::Finished);
        const QString thumb = folder + "thumbs/" + name.toLower().replace('.', '_') + ".jpg";
        const qint64 before = Changed(thumb);
        const QString yellow = Corners(QImage(thumb, "jpeg"));
        QVERIFY(before > 0);
        run.settings.BackR = 0, run.settings.BackG = 0, run.settings.BackB = 200;
        QCOMPARE(PageGenerator(run).end, RunEnd::Finished);
        QTEST(Changed(thumb) != before, "transparent");
        QFETCH(QString, corners);
        QVERIFY(corners.isEmpty() || yellow + ' ' + Corners(QImage(thumb, "jpeg")) == corners);
    }
    // An image is refused unread when it declares more pixels than one may have, or needs
    // more memory than the whole budget; one at both limits is made.
    void tooLargeImageRefusedUnread() {
        QVERIFY(WriteFile(folder + "a.jpg", TwoColourJpeg(400, 200)));
        const qint64 pixels = 400 * 200, bytes = 120 * 120 * 8; // its 2x thumbnail, twice
        const std::tuple<qint64, qint64, bool> limits[] = {
            {pixels - 1, bytes, true}, {pixels, bytes - 1, true}, {pixels, bytes, false}};
        for (const auto& [most, budget, refused] : limits) {
            const RowName row(most, budget);
            PictureWorkers maker({most, budget});
            QCOMPARE(PageGenerator(IndexRun(folder, maker)).picturesMissing,
                     refused ? folder + "a.jpg (too large)" : QString());
            QCOMPARE(QFile::exists(folder + "thumbs/a_jpg.jpg"), !refused);
        }
    }

    void picturesKeptWhileImageUnchanged_data() {
        Columns<QString, int, int, QString>("change", "thumbSize", "webSize", "remade");
        Row("nothing", "", 60, 150, "");
        Row("touched, same bytes", "touch", 60, 150, "thumb twin copy");
        Row("replaced by an older copy", "older", 60, 150, "thumb twin copy");
        Row("another size asked", "", 50, 150, "thumb twin");
        Row("twin gone", "twin", 60, 150, "twin");
        Row("twin of another size", "twin size", 60, 150, "twin");
        Row("huge file at its name", "huge", 60, 150, "thumb");
        Row("another copy size asked", "", 60, 140, "thumb twin copy");
        Row("copy gone", "copy", 60, 150, "copy");
    }
    // A picture is kept only while it belongs to the image as it is now, and only its header is
    // read to tell.
    void picturesKeptWhileImageUnchanged() {
        QFETCH(QString, change);
        const QByteArray image = QFile::encodeName(folder + "a.jpg");
        QVERIFY(WriteFile(image, TwoColourJpeg(300, 200)) && SetFileTime(image, 1000000000));
        PictureWorkers maker;
        PageRun run = IndexRun(folder, maker, 60, 150);
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

    // An image that takes longer than its time is ended, counted and remembered in its picture
    // folder: tried again only once it changed. A decoder killed from outside is replaced and
    // costs the image nothing. An image replaced by a FIFO fails the run instead of hanging it
    // (a stop: tu_k-make's signal test).
    void slowImageEndedAndRemembered() {
        const QByteArray slow = QFile::encodeName(folder + "slow.jpg"), jpeg = SlowJpeg(200);
        QVERIFY(WriteFile(slow, jpeg));
        QVERIFY(WriteFile(folder + "zz.jpg", TwoColourJpeg(100, 100)));
        // What changed, each image's time, whether the run takes the time of decoding the slow
        // image, whether it ends too slow to decode.
        const struct {
            const char* change;
            int limitMs;
            bool decodes, missing;
        } steps[] = {{"first run", 300, true, true},
                     {"unchanged", 300, false, true},
                     {"touched", 300, true, true},
                     {"gone", 300, false, false},
                     {"back, its decoder killed", 15000, true, false}};
        for (const auto& step : steps) {
            const RowName row(step.change);
            const QByteArray change(step.change);
            QVERIFY(change != "touched" || SetFileTime(slow, time(nullptr)));
            QVERIFY(change != "gone" || QFile::remove(folder + "slow.jpg"));
            QVERIFY(!change.startsWith("back") || WriteFile(slow, jpeg));
            DecodeLimits limits;
            limits.perImage = std::chrono::milliseconds(step.limitMs);
            PictureWorkers maker(limits);
            KillDecoder kill;
            QElapsedTimer clock;
            clock.start();
            const PageRunResult result =
                PageGenerator(IndexRun(folder, maker), change.endsWith("killed") ? &kill : nullptr);
            QCOMPARE(clock.elapsed() >= 300, step.decodes);
            QCOMPARE(kill.killed, change.endsWith("killed"));
            QCOMPARE(result.picturesMissing,
                     step.missing ? folder + "slow.jpg (too slow to decode)" : QString());
            QCOMPARE(result.statusText.contains(" -- 1 too slow to decode -- "), step.missing);
            QCOMPARE(FolderEntries(folder + "thumbs").contains(".tu_k-too-slow"), step.missing);
        }

        QVERIFY(SetFileTime(slow, time(nullptr))); // its thumbnail no longer counts
        struct FifoInstead : PageRunListener {     // after the last page
            void Yield() override {
                if (++pages == 2)
                    done = QFile::remove(path) && mkfifo(QFile::encodeName(path), 0600) == 0;
            }
            QString path;
            int pages = 0;
            bool done = false;
        } fifo;
        fifo.path = folder + "slow.jpg";
        PictureWorkers patient;
        QElapsedTimer clock;
        clock.start();
        const PageRunResult result = PageGenerator(IndexRun(folder, patient), &fifo);
        QVERIFY(fifo.done);
        QCOMPARE(result.end, RunEnd::Failed);
        QVERIFY2(result.message.contains(folder + "slow.jpg: not a regular file"),
                 qPrintable(result.message));
        QVERIFY(clock.elapsed() < 5000);
        QVERIFY(IndexShowsOnlyWhatExists(folder));
    }

    void brokenDecoderTold_data() {
        // decoder: a program, or the body of a shell script (empty: the real one); said: in the
        // run's message, "^" for the decoder, "#" for the images' folder.
        Columns<QString, int, QString>("decoder", "end", "said");
        const QString broken = "The image decoder ^ does not work: it ended without answering (";
        const int failed = int(RunEnd::Failed);
        Row("decoder ends at once", "/bin/true", failed, broken + "exit status 0).");
        Row("decoder fails at once", "exit 1", failed, broken + "exit status 1).");
        Row("decoder crashes at once", "kill -SEGV $$", failed,
            broken + "killed by signal 11, Segmentation fault).");
        Row("images crash the decoder", kCrashesOnImages, int(RunEnd::Finished),
            "#a.jpg (crashed the decoder), #b.jpg (crashed the decoder)");
        Row("no decoder", "/nonexistent/tu_k-decode", failed,
            "Cannot start the image decoder ^: No such file or directory.");
        Row("a picture cannot be written", "", failed,
            "Cannot write the thumbnail #thumbs/b_jpg@2x.jpg: ");
    }
    // A decoder that does not work, or a picture that cannot be written, fails the run, saying
    // why; images that crash a decoder that works are shown without pictures, and named. The
    // index page names only pictures that exist.
    void brokenDecoderTold() {
        QFETCH(QString, decoder);
        QVERIFY(WriteFile(folder + "a.jpg", TwoColourJpeg(300, 200)));
        QVERIFY(WriteFile(folder + "b.jpg", TwoColourJpeg(300, 200)));
        QVERIFY(MakeFolder(folder + "thumbs/b_jpg@2x.jpg/x")); // a folder is not replaced
        if (!decoder.isEmpty() && !decoder.startsWith('/')) {
            QVERIFY(WriteFile(folder + "decode", "#!/bin/sh\n" + decoder.toLatin1()));
            QVERIFY(chmod(QFile::encodeName(decoder = folder + "decode"), 0700) == 0);
        }
        PictureWorkers maker(DecodeLimits(), decoder.isEmpty() ? TUK_DECODER : decoder);
        const PageRunResult result = PageGenerator(IndexRun(folder, maker));
        QTEST(int(result.end), "end");
        QFETCH(QString, said);
        QVERIFY2(result.message.contains(said.replace('^', decoder).replace('#', folder)),
                 qPrintable(result.message));
        QCOMPARE(result.statusText.endsWith(" -- Failed"), result.end == RunEnd::Failed);
        QCOMPARE(result.statusText.contains(" -- 2 crashed the decoder -- "),
                 result.end == RunEnd::Finished);
        QVERIFY(IndexShowsOnlyWhatExists(folder));
    }

    // A run stopped among its pages leaves an index page of the pages made, and no picture.
    void stopAmongPagesLeavesNoPicture() {
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
            QVERIFY(WriteFile(folder + name, TwoColourJpeg(300, 200)));
        StopAfter stop(0);
        PictureWorkers maker;
        QCOMPARE(PageGenerator(IndexRun(folder, maker), &stop).end, RunEnd::Stopped);
        const QByteArray index = ReadFile(folder + "index.html");
        QVERIFY(index.contains("href=\"a_jpg.html\"") && !index.contains("b_jpg.html"));
        QVERIFY(!index.contains("<img") && FolderEntries(folder + "thumbs").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestThumbnails)
#include "tst_thumbnails.moc"
