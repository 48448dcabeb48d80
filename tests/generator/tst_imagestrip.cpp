// Images made ready to publish: what stays of them, their orientation, stamp and picture data.

#include "app/TableRows.h"
#include "generator/ImageStrip.h"
#include "thumbnails/PictureSupport.h"

#include <QColorSpace>
#include <QImageReader>

using namespace tuk;
using namespace tuktest;
using namespace Qt::StringLiterals;

namespace {

const QByteArray kStamp = "tu_k 1f2e3d";

// EXIF with the orientation, a GPS directory and a serial number, in either byte order.
QByteArray Exif(bool big, int orientation) {
    QByteArray tiff = big ? "MM" : "II"; // directories at 8 (orientation, GPS at 38), 38 ("N")
    for (auto [value, bytes] :
         {std::pair(42, 2), {8, 4},      {2, 2}, {0x0112, 2}, {3, 2},  {1, 4}, {orientation, 2},
          {0, 2},           {0x8825, 2}, {4, 2}, {1, 4},      {38, 4}, {0, 4}, {1, 2},
          {1, 2},           {2, 2},      {2, 4}, {'N', 1},    {0, 4},  {0, 3}})
        for (int i = 0; i < bytes; ++i)
            tiff += char(value >> 8 * (big ? bytes - 1 - i : i));
    return Segment(0xE1, "Exif\0\0"_ba + tiff + "private serial 123");
}
// A JPEG with segments after its start, a fill byte before its end marker, bytes after it.
QByteArray Jpeg(const QByteArray& segments, bool progressive = false, const char* after = "") {
    const QByteArray jpeg = TwoColourJpeg(48, 32, {}, progressive);
    return jpeg.left(2) + segments + jpeg.chopped(2).mid(2) + "\xff\xff\xd9" + after;
}
// The markers of the segments before the first scan ("e0 db"), and what follows them.
std::pair<QByteArray, QByteArray> Split(const QByteArray& jpeg) {
    QByteArray markers;
    qsizetype at = 2;
    for (; at + 3 < jpeg.size() && uchar(jpeg[at + 1]) != 0xDA;
         at += 2 + (uchar(jpeg[at + 2]) << 8 | uchar(jpeg[at + 3])))
        markers += QByteArray::number(uchar(jpeg[at + 1]), 16) + ' ';
    return {markers.trimmed(), jpeg.mid(at)};
}
QImage Shown(QByteArray bytes) {
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    return reader.read();
}
// Private data of every kind, then a fill byte.
const QByteArray kPrivate = Segment(0xE1, "http://ns.adobe.com/xap/1.0/\0private"_ba) +
                            Segment(0xED, "Photoshop 3.0\0private"_ba) + Segment(0xFE, "private") +
                            Segment(0xE2, "MPF\0private"_ba) + Segment(0xEE, "private") + '\xff';
// What the picture needs: restart interval, arithmetic coding, colour profile and transform
// (of colours stored as RGB, which would be decoded as YCbCr without it).
const QByteArray kNeeded =
    Segment(0xDD, "\0\0"_ba) + Segment(0xCC, "\0\x10"_ba) +
    Segment(0xE2, "ICC_PROFILE\0\1\1"_ba + QColorSpace(QColorSpace::SRgb).iccProfile()) +
    Segment(0xEE, "Adobe\0\x64\0\0\0\0\0"_ba);
const QByteArray kThumbnails = Segment(0xE0, "JFIF\0\1\2\0\0\1\0\1\7\1privateprivateprivate"_ba) +
                               Segment(0xE0, "JFXX\0\x10private"_ba);
// The GIF's parts: a 1 x 1 picture, red on a table of red and blue, with its timing.
const QByteArray kScreen = "GIF87a\1\0\1\0\x80\0\0\xff\0\0\0\0\xff"_ba;
const QByteArray kFrame = "!\xf9\4\1\x0a\0\1\0,\0\0\0\0\1\0\1\0\0\2\2\x44\1\0"_ba;
const QByteArray kLoop = "!\xff\x0bNETSCAPE2.0\3\1\0\0\0"_ba;
const QByteArray kLocalColours = ",\0\0\0\0\1\0\1\0\x80\0\0\xff\xff\0\0\2\2\x44\1\0"_ba;
const QByteArray kOldLoop = QByteArray(kLoop).replace("NETSCAPE2.0", "ANIMEXTS1.0");
const QByteArray kGifPrivate = "!\xfe\7private\0!\xff\x0bXMP DataXMP\7private\0!\1\x0c"_ba +
                               QByteArray(12, '\1') + "\7private\0"_ba;

} // namespace

class TestImageStrip : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void jpegKeepsOnlyWhatShows_data() {
        Columns<QByteArray, QByteArray, QByteArray, int, QByteArray>("bytes", "stamp", "markers",
                                                                     "orientation", "picture");
        Row("all kinds, turned 6", Jpeg(Exif(true, 6) + kPrivate + kNeeded, false, "video"), kStamp,
            "e0 e1 fe dd cc e2 ee db db c0 c4 c4 c4 c4"_ba, 6, Split(Jpeg({})).second);
        Row("upright, JFIF thumbnail, no stamp", Jpeg(kThumbnails + Exif(false, 1) + kPrivate),
            QByteArray(), "e0 db db c0 c4 c4 c4 c4"_ba, 1, Split(Jpeg({})).second);
        QByteArray progressive = Jpeg(Exif(false, 3), true, "MPF private");
        progressive.insert(progressive.lastIndexOf("\xff\xda"), kPrivate); // between scans
        Row("progressive, metadata between scans, long stamp", progressive, QByteArray(70000, 's'),
            "e0 e1 fe fe db db c2 c4 c4"_ba, 3, Split(Jpeg({}, true)).second);
    }
    // Only what shows the picture stays, with the orientation, the stamp and the picture data.
    void jpegKeepsOnlyWhatShows() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, stamp);
        const QByteArray out = StrippedImage(bytes, ImageFormat::Jpeg, stamp);
        const auto [markers, picture] = Split(out);
        QTEST(markers, "markers");
        QTEST(picture, "picture");
        QTEST(ParseImageHeader(out).orientation, "orientation");
        QCOMPARE(ParseImageHeader(out).comment, stamp);
        QCOMPARE(out.mid(2, 4) + out.mid(18, 2), "\xff\xe0\0\x10\0\0"_ba); // JFIF, no thumbnail
        QVERIFY(!out.contains("private") && !Shown(out).isNull() && Shown(out) == Shown(bytes));
    }
    void gifKeepsOnlyWhatShows_data() {
        Columns<QByteArray, QByteArray, QByteArray>("bytes", "stamp", "stripped");
        Row("two frames, long stamp",
            kScreen + kOldLoop + kFrame + kGifPrivate + kLocalColours + ';', QByteArray(300, 's'),
            "GIF89a" + kScreen.mid(6) + "!\xfe\xff" + QByteArray(255, 's') + '-' +
                QByteArray(45, 's') + '\0' + kOldLoop + kFrame + kLocalColours + ';');
        Row("metadata, looping, no stamp", kScreen + kGifPrivate + kLoop + kFrame + ";private",
            QByteArray(), kScreen + kLoop + kFrame + ';');
    }
    void gifKeepsOnlyWhatShows() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, stamp);
        const QByteArray out = StrippedImage(bytes, ImageFormat::Gif, stamp);
        QTEST(out, "stripped");
        QCOMPARE(Shown(out).pixel(0, 0), qRgb(255, 0, 0));
    }
    void malformedImagesReadNothingPastTheirEnd_data() {
        Columns<QByteArray, ImageFormat>("bytes", "format");
        const QByteArray jpeg = TwoColourJpeg(48, 32);
        const qsizetype scan = jpeg.indexOf("\xff\xda");
        Row("past the end", Jpeg(QByteArray::fromHex("fffeffff")), ImageFormat::Jpeg);
        Row("too short", Jpeg(QByteArray::fromHex("fffe0001")), ImageFormat::Jpeg);
        Row("no frame", QByteArray(jpeg).remove(jpeg.indexOf("\xff\xc0"), 19), ImageFormat::Jpeg);
        Row("end before the scan", QByteArray(jpeg).insert(scan, "\xff\xd9"), ImageFormat::Jpeg);
        Row("start in a scan", QByteArray(jpeg).insert(scan + 40, "\xff\xd8"), ImageFormat::Jpeg);
        Row("JPEG cut short", Jpeg(Exif(true, 6) + kNeeded).chopped(1), ImageFormat::Jpeg);
        Row("GIF cut short", kScreen + kGifPrivate + kLoop + kFrame, ImageFormat::Gif);
        Row("unknown block", kScreen + "\x99\0\0;"_ba, ImageFormat::Gif);
        Row("no kind", jpeg, ImageFormat::Unknown);
    }
    // Nothing of any part of them from their start (the sanitized build tells a read past it).
    void malformedImagesReadNothingPastTheirEnd() {
        QFETCH(QByteArray, bytes);
        QFETCH(ImageFormat, format);
        for (qsizetype cut = 0; cut <= bytes.size(); ++cut)
            QVERIFY2(StrippedImage(bytes.left(cut), format, kStamp).isEmpty(),
                     QByteArray::number(cut).constData());
    }
};

QTEST_GUILESS_MAIN(TestImageStrip)
#include "tst_imagestrip.moc"
