#pragma once

// Real JPEGs for the tests that make pictures (they link QtGui), and what a run leaves of them.

#include "TestSupport.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

namespace tuktest {

// A JPEG, left half red and right half blue, with an EXIF orientation (6: quarter turn right).
inline QByteArray TwoColourJpeg(int width, int height, int orientation = 0,
                                bool progressive = false) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
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

// A progressive JPEG whose last scan comes `scans` times more: each costs a pass over the
// whole picture, so it takes seconds to decode.
inline QByteArray SlowJpeg(int scans) {
    const QByteArray jpeg = TwoColourJpeg(2000, 2000, 0, true);
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
