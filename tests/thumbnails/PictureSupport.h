#pragma once

// Real JPEGs for the tests that make pictures (they link QtGui), and what a run leaves of them.

#include "TestSupport.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

namespace tuktest {

// An APP1 segment: "xmp" an XMP one; "MM6" EXIF in big-endian order with the orientation 6 in
// its first directory, "II6" in little-endian order, "MM/6" only in its second directory (the
// embedded thumbnail's).
inline QByteArray App1Segment(const QString& layout) {
    QByteArray body = "http://ns.adobe.com/xap/1.0/" + QByteArray(1, '\0') + "<x:xmpmeta/>";
    if (layout != "xmp") {
        const bool big = layout.startsWith("MM"), second = layout[2] == '/';
        body = "Exif" + QByteArray(2, '\0') + layout.left(2).toLatin1();
        auto u16 = [&](int v) { body += char(big ? v >> 8 : v), body += char(big ? v : v >> 8); };
        auto u32 = [&](int v) { big ? (u16(0), u16(v)) : (u16(v), u16(0)); }; // below 64 KiB
        auto directory = [&](int tag, int value, int next) {                  // of one SHORT
            u16(1), u16(tag), u16(3), u32(1), u16(value), u16(0), u32(next);
        };
        u16(42), u32(8);
        if (second) // a resolution unit, then the second directory right behind
            directory(0x0128, 2, 26);
        directory(0x0112, layout.mid(second ? 3 : 2).toInt(), 0);
    }
    const int length = int(body.size()) + 2;
    return "\xff\xe1" + QByteArray(1, char(length >> 8)) + char(length) + body;
}

// A JPEG, its left half red with a yellow top, its right half blue, with the APP1 segments the
// layout names ("xmp MM6": see App1Segment) before any other.
inline QByteArray TwoColourJpeg(int width, int height, const QString& exif = {},
                                bool progressive = false) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x)
            image.setPixel(x, y, qRgb(255, y < height / 2 ? 255 : 0, 0));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    QByteArray segments;
    for (const QString& layout : exif.split(' ', Qt::SkipEmptyParts))
        segments += App1Segment(layout);
    return bytes.insert(2, segments);
}

// The colours at a picture's corners, clockwise from the top left: Y yellow, R red, B blue, K
// anything else.
inline QString Corners(const QImage& picture) {
    const int right = picture.width() - 3, bottom = picture.height() - 3;
    QString named;
    for (const QPoint at :
         {QPoint(2, 2), QPoint(right, 2), QPoint(right, bottom), QPoint(2, bottom)}) {
        const QRgb c = picture.pixel(at);
        named += qRed(c) > 127 ? (qGreen(c) > 127 ? 'Y' : 'R') : qBlue(c) > 127 ? 'B' : 'K';
    }
    return named;
}

// A progressive JPEG whose last scan comes `scans` times more: each costs a pass over the
// whole picture, so it takes seconds to decode.
inline QByteArray SlowJpeg(int scans) {
    const QByteArray jpeg = TwoColourJpeg(2000, 2000, {}, true);
    const qsizetype last = jpeg.lastIndexOf("\xff\xda");
    QByteArray slow = jpeg.chopped(2);
    for (int i = 0; i < scans; ++i)
        slow += jpeg.mid(last, jpeg.size() - 2 - last);
    return slow + "\xff\xd9";
}

// Every picture the index page names exists: a stopped or failed run never leaves it lying.
inline bool IndexShowsOnlyWhatExists(const QString& folder) {
    const QByteArray index = ReadFile(folder + "index.html");
    static const QRegularExpression source(QStringLiteral("<img src=\"([^\"]+)\""));
    for (const QRegularExpressionMatch& m : source.globalMatch(QString::fromLatin1(index)))
        if (!QFile::exists(folder + m.captured(1)))
            return false;
    return !index.isEmpty();
}

} // namespace tuktest
