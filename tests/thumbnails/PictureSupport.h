#pragma once

// Real JPEGs for the tests that make pictures (they link QtGui), and what a run leaves of them.

#include "TestSupport.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <ranges>

namespace tuktest {

using namespace Qt::StringLiterals;

// A number's bytes, big-endian or little-endian.
inline QByteArray Unsigned(qint64 value, int size, bool big = true) {
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes += char(value >> 8 * (big ? size - 1 - i : i));
    return bytes;
}

// A JPEG segment: its marker, its length, its body.
inline QByteArray Segment(int marker, const QByteArray& body) {
    return "\xff" + Unsigned(marker, 1) + Unsigned(body.size() + 2, 2) + body;
}

// The TIFF structure of an EXIF segment: "MM" (big-endian) or "II", then fields, each
// "|NAME[:TYPE][#COUNT][@OFFSET]=VALUE". NAME is one of `tags`, which give the tag and the
// TYPE when none is named: A ASCII with its NUL, a without, S SHORT, L LONG, R RATIONAL
// ("1/250"). #COUNT and @OFFSET are written in place of the true ones. The tags from 0x8000 go
// to the Exif directory, a NAME after "/" to the directory that follows the first; "Pad=N"
// puts N bytes before the Exif directory, "Exif=N" points the first directory at N instead.
inline QByteArray ExifBody(const QByteArray& layout) {
    static const QHash<QByteArray, std::pair<int, char>> tags{
        {"Description", {0x010E, 'A'}}, {"Make", {0x010F, 'A'}},       {"Model", {0x0110, 'A'}},
        {"Orientation", {0x0112, 'S'}}, {"Resolution", {0x0128, 'S'}}, {"Exposure", {0x829A, 'R'}},
        {"FNumber", {0x829D, 'R'}},     {"Exif", {0x8769, 'L'}},       {"ISO", {0x8827, 'S'}},
        {"Taken", {0x9003, 'A'}},       {"Offset", {0x9011, 'A'}},     {"Focal", {0x920A, 'R'}},
        {"Lens", {0xA434, 'A'}}};
    static const QRegularExpression form(R"(^/?(\w+)(?::(\w))?(?:#(\d+))?(?:@(\d+))?=(.*)$)",
                                         QRegularExpression::DotMatchesEverythingOption);
    QList<QByteArray> fields = layout.split('|'), directories[3];
    const bool big = fields.takeFirst() == "MM";
    auto write = [&](const QList<QByteArray>& entries, qint64 start, qint64 next) {
        QByteArray directory = Unsigned(entries.size(), 2, big), values;
        for (const QByteArray& entry : entries) {
            const QRegularExpressionMatch m = form.match(QString::fromLatin1(entry));
            const auto [tag, natural] = tags.value(m.captured(1).toLatin1());
            const char type = m.hasCaptured(2) ? m.captured(2)[0].toLatin1() : natural;
            const QByteArray text = m.captured(5).toLatin1();
            QByteArray value = type == 'A' ? text + '\0' : type == 'a' ? text : QByteArray();
            for (const QByteArray& n :
                 QString("SLR").contains(type) ? text.split('/') : QList<QByteArray>())
                value += Unsigned(n.toLongLong(), type == 'S' ? 2 : 4, big);
            const qint64 count = QString("Aa").contains(type) ? value.size() : 1;
            const int code = type == 'S' ? 3 : type == 'L' ? 4 : type == 'R' ? 5 : 2;
            directory += Unsigned(tag, 2, big) + Unsigned(code, 2, big) +
                         Unsigned(m.hasCaptured(3) ? m.captured(3).toLongLong() : count, 4, big);
            const qint64 at = start + 6 + 12 * entries.size() + values.size();
            directory += value.size() <= 4
                             ? value.leftJustified(4, '\0')
                             : Unsigned(m.hasCaptured(4) ? m.captured(4).toLongLong() : at, 4, big);
            values += value.size() > 4 ? value : QByteArray();
        }
        return directory + Unsigned(next, 4, big) + values;
    };
    qint64 pad = 0;
    for (const QByteArray& field : fields) {
        const int tag =
            tags.value(form.match(QString::fromLatin1(field)).captured(1).toLatin1()).first;
        pad += field.startsWith("Pad=") ? field.mid(4).toLongLong() : 0;
        if (tag != 0)
            directories[field.startsWith('/') ? 2 : int(tag >= 0x8000 && tag != 0x8769)] << field;
    }
    const bool point = !directories[1].isEmpty() && !layout.contains("|Exif");
    auto first = [&](qint64 exif, qint64 next) {
        return write(directories[0] + QList<QByteArray>(point, "Exif=" + QByteArray::number(exif)),
                     8, next);
    };
    const qint64 second = 8 + first(0, 0).size();
    const QByteArray after =
        directories[2].isEmpty() ? QByteArray() : write(directories[2], second, 0);
    const qint64 exif = second + after.size() + pad;
    return (big ? "MM" : "II") + Unsigned(42, 2, big) + Unsigned(8, 4, big) +
           first(exif, after.isEmpty() ? 0 : second) + after + QByteArray(pad, '\0') +
           (directories[1].isEmpty() ? QByteArray() : write(directories[1], exif, 0));
}

// A metadata segment: "xmp" an XMP packet without a description, "xmp|ITEMS" one whose
// description holds the rdf:li ITEMS; "iptc|TEXT" a Photoshop block with the IPTC caption TEXT,
// "iptc8|TEXT" the same declared UTF-8; anything else EXIF (see ExifBody).
inline QByteArray MetadataSegment(const QByteArray& layout) {
    const QByteArray kind = layout.split('|').constFirst(), text = layout.mid(kind.size() + 1);
    const bool iptc = kind.startsWith("iptc");
    QByteArray body;
    if (kind == "xmp") {
        const QByteArray description =
            text.isEmpty() ? ""
                           : "<dc:description><rdf:Alt>" + text + "</rdf:Alt></dc:description>";
        body = "http://ns.adobe.com/xap/1.0/\0<x:xmpmeta><rdf:RDF><rdf:Description>"_ba +
               description + "</rdf:Description></rdf:RDF></x:xmpmeta>";
    } else if (iptc) {
        const QByteArray iim = (kind == "iptc8" ? "\x1c\x01\x5a\0\x03\x1b%G"_ba : "") +
                               "\x1c\x02\x78" + Unsigned(text.size(), 2) + text;
        body = "Photoshop 3.0\0"
               "8BIM\x04\x04\0\0"_ba +
               Unsigned(iim.size(), 4) + iim;
    } else {
        body = "Exif\0\0"_ba + ExifBody(layout);
    }
    return Segment(iptc ? 0xED : 0xE1, body);
}

// A JPEG, its left half red with a yellow top, its right half blue, with the metadata segments
// (see MetadataSegment) before any other.
inline QByteArray TwoColourJpeg(int width, int height, const QByteArrayList& segments = {},
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
    for (const QByteArray& layout : segments | std::views::reverse)
        bytes.insert(2, MetadataSegment(layout));
    return bytes;
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

// Each picture made in the folder is shown: its thumbnails on the index page, its copy on its
// page.
inline QString PicturesNotShown(const QString& folder) {
    const QByteArray index = ReadFile(folder + "index.html");
    QStringList hidden;
    for (const QString& thumb : FolderEntries(folder + "thumbs"))
        if (!index.contains(("thumbs/" + thumb).toUtf8()) && !thumb.startsWith('.'))
            hidden << folder + "thumbs/" + thumb;
    for (const QString& copy : FolderEntries(folder + "web"))
        if (!ReadFile(folder + copy.chopped(4) + ".html").contains(("web/" + copy).toUtf8()))
            hidden << folder + "web/" + copy;
    return hidden.join(' ');
}

} // namespace tuktest
