#include "../RunFixture.h"
#include "thumbnails/ImageThumbnails.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

using namespace tuk;
using namespace tuktest;

namespace {

// A JPEG, left half red and right half blue, with an EXIF orientation (6: quarter turn right).
QByteArray TwoColourJpeg(int width, int height, int orientation = 0) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "jpeg", 95);
    if (orientation > 0) {
        QByteArray exif("\xff\xe1\x00\x22"
                        "Exif\x00\x00MM\x00\x2a\x00\x00\x00\x08\x00\x01"
                        "\x01\x12\x00\x03\x00\x00\x00\x01\x00\x06\x00\x00\x00\x00\x00\x00",
                        36);
        exif[31] = char(orientation);
        bytes.insert(2, exif);
    }
    return bytes;
}

} // namespace

class TestThumbnails : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Sizes of the small thumbnail (none for a corrupt image); a small image grows, and an EXIF
    // quarter turn shows the stored 400 x 200 upright, the red half on top.
    void pictures() {
        for (const auto& [bytes, expected] : {std::pair{TwoColourJpeg(400, 200), QSize(60, 30)},
                                              {TwoColourJpeg(20, 40), QSize(30, 60)},
                                              {TwoColourJpeg(400, 200, 6), QSize(30, 60)},
                                              {"\xff\xd8\xff garbage", QSize(0, 0)}}) {
            QTemporaryDir dir;
            const QString folder = dir.path() + "/in/";
            QVERIFY(MakeFolder(folder) && WriteFile(folder + "a.jpg", bytes));
            QVERIFY(WriteFile(folder + "z.jpg", TwoColourJpeg(100, 100)));
            PageRun run = FixedDiskRun(folder);
            run.settings.lIndex = true;
            run.thumbSize = 60;
            ImageThumbnails maker(2);
            run.thumbnails = &maker;
            const PageRunResult result = PageGenerator(run);
            QCOMPARE(result.end, RunEnd::Finished); // the run goes on past an undecodable image
            QCOMPARE(result.thumbsMissing, expected.isEmpty() ? 1 : 0);
            QCOMPARE(result.statusText.contains(" -- 1 without thumbnail -- "), expected.isEmpty());
            QCOMPARE(QImage(folder + "thumbs/z_jpg.jpg", "jpeg").size(),
                     QSize(60, 60)); // the next one
            const QImage small(folder + "thumbs/a_jpg.jpg", "jpeg");
            QCOMPARE(small.size(), expected);
            QCOMPARE(QFile::exists(folder + "thumbs/a_jpg@2x.jpg"), !expected.isEmpty());
            if (expected.isEmpty())
                continue;
            QCOMPARE(QImage(folder + "thumbs/a_jpg@2x.jpg", "jpeg").size(), expected * 2);
            // The stored top-left stays, or turns to the top right: red either way.
            const QRgb seen = small.pixel(2, 2);
            QVERIFY2(qRed(seen) > 200 && qBlue(seen) < 60, qPrintable(QString::number(seen, 16)));
        }
    }

    // A pair newer than its image and of the asked size is kept without reading the image (which
    // gets other proportions and its old date); a newer image, another size, a missing twin or
    // one of the two older or of another size remakes it.
    void keptPairs() {
        for (const auto& [change, expected] : {std::pair{QString(), QSize(240, 160)},
                                               {"image", QSize(240, 120)},
                                               {"size", QSize(100, 50)},
                                               {"twin", QSize(240, 120)},
                                               {"small one older", QSize(240, 120)},
                                               {"small one of another size", QSize(240, 120)}}) {
            QTemporaryDir dir;
            const QString folder = dir.path() + "/in/";
            const QByteArray image = QFile::encodeName(folder + "a.jpg");
            QVERIFY(MakeFolder(folder) && WriteFile(image, TwoColourJpeg(300, 200)));
            QVERIFY(SetFileTime(image, 1000000000));
            PageRun run = FixedDiskRun(folder);
            run.settings.lIndex = true;
            ImageThumbnails maker;
            run.thumbnails = &maker;
            QCOMPARE(PageGenerator(run).end, RunEnd::Finished);

            QVERIFY(WriteFile(image, TwoColourJpeg(300, 150)));
            QVERIFY(SetFileTime(image, change == "image" ? time(nullptr) + 60 : 1000000000));
            if (change == "size")
                run.thumbSize = 100;
            else if (change == "twin")
                QVERIFY(QFile::remove(folder + "thumbs/a_jpg@2x.jpg"));
            else if (change == "small one older")
                QVERIFY(SetFileTime(QFile::encodeName(folder + "thumbs/a_jpg.jpg"), 1));
            else if (change == "small one of another size")
                QVERIFY(WriteFile(folder + "thumbs/a_jpg.jpg", TwoColourJpeg(100, 50)));
            QCOMPARE(PageGenerator(run).end, RunEnd::Finished);
            QCOMPARE(QImage(folder + "thumbs/a_jpg.jpg", "jpeg").size(), expected);
            QCOMPARE(QImage(folder + "thumbs/a_jpg@2x.jpg", "jpeg").size(), expected * 2);
        }
    }

    // A stop asked for at the first report lets the thread finish the image it is on and start
    // no other.
    void stopBetweenImages() {
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(dir.path()) + '/';
        const QByteArray jpeg = TwoColourJpeg(1000, 750);
        std::vector<ThumbJob> jobs;
        for (int i = 0; i < 50; ++i) {
            const QByteArray name = QByteArray::number(i);
            QVERIFY(WriteFile(folder + name + ".jpg", jpeg));
            jobs.push_back({folder + name + ".jpg", name + ".jpg", name + "@2x.jpg"});
        }
        const int fd = open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        QVERIFY(fd >= 0);
        bool stopped = false;
        const std::vector<ThumbSize> sizes = ImageThumbnails(1).Make(
            fd, jobs, 60, [](int, int) { return false; }, stopped);
        close(fd);
        QVERIFY(stopped);
        QVERIFY(std::count_if(sizes.begin(), sizes.end(), [](ThumbSize s) { return s.Made(); }) <
                25);
    }
};

QTEST_GUILESS_MAIN(TestThumbnails)
#include "tst_thumbnails.moc"
