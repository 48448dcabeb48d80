#include "generator/ImageHeader.h"

#include "generator/ByteOrder.h"
#include "generator/HeaderBytes.h"
#include "generator/HeaderMetadata.h"

#include <QDeadlineTimer>

namespace tuk {

namespace {

bool IsFrameStart(int marker) {
    // SOF0 to SOF15, but DHT (C4), JPG (C8) and DAC (CC) share the range.
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// How far and how long the segments before the frame are followed: far beyond what cameras and
// editors write, yet a file made of nothing but segments costs little.
constexpr qint64 kMaxScanned = qint64(32) << 20;
constexpr int kMaxScanMs = 2000;

ImageHeader ParseJpeg(HeaderBytes& bytes, bool facts) {
    ImageHeader header;
    HeaderMetadata metadata(facts);
    const QDeadlineTimer deadline(kMaxScanMs);
    for (qint64 at = 2; at < kMaxScanned && !deadline.hasExpired();) {
        QByteArrayView mark = bytes.At(at, 4);
        while (at < kMaxScanned && mark.size() >= 2 && Byte(mark, 0) == 0xFF &&
               Byte(mark, 1) == 0xFF) // fill bytes
            mark = bytes.At(++at, 4);
        if (mark.size() < 2 || Byte(mark, 0) != 0xFF)
            return {};
        const int marker = Byte(mark, 1);
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) { // no length follows
            at += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA || mark.size() < 4) // end, or the pixels start
            return {};
        const int length = BigEndian16(mark, 2);
        if (length < 2)
            return {};
        if (IsFrameStart(marker)) {
            const QByteArrayView frame = bytes.At(at + 4, 6);
            if (frame.size() < 6)
                return {};
            header.format = ImageFormat::Jpeg;
            header.stored = QSize(BigEndian16(frame, 3), BigEndian16(frame, 1));
            header.components = Byte(frame, 5);
            header.progressive = (marker & 0x03) == 0x02; // SOF2, SOF6, SOF10, SOF14
            header.orientation = metadata.Orientation();
            if (facts)
                header.facts = metadata.Facts();
            return header;
        }
        if (marker == 0xFE || metadata.Reads(marker)) {
            const QByteArrayView body = bytes.At(at + 4, length - 2);
            if (marker == 0xFE)
                header.comment += body;
            else
                metadata.Segment(marker, body);
        }
        at += 2 + length;
    }
    return {};
}

// A comment extension right behind the GIF's screen descriptor and colour table: where the
// program puts its own.
QByteArray GifComment(HeaderBytes& bytes) {
    const QByteArrayView screen = bytes.At(10, 1);
    if (screen.isEmpty())
        return {};
    qint64 at = 13 + ((Byte(screen, 0) & 0x80) ? 3 << ((Byte(screen, 0) & 7) + 1) : 0);
    const QByteArrayView introducer = bytes.At(at, 2);
    if (introducer.size() < 2 || Byte(introducer, 0) != 0x21 || Byte(introducer, 1) != 0xFE)
        return {};
    QByteArray comment;
    for (at += 2;;) {
        const QByteArrayView length = bytes.At(at, 1);
        if (length.isEmpty() || Byte(length, 0) == 0 || comment.size() > (1 << 16))
            return comment;
        comment += bytes.At(at + 1, Byte(length, 0));
        at += 1 + Byte(length, 0);
    }
}

} // namespace

ImageHeader ReadJpegHeader(HeaderBytes& bytes, bool facts) {
    const QByteArrayView start = bytes.At(0, 2);
    if (start.size() < 2 || Byte(start, 0) != 0xFF || Byte(start, 1) != 0xD8)
        return {};
    return ParseJpeg(bytes, facts);
}

ImageHeader ReadGifHeader(HeaderBytes& bytes, bool /*facts*/) {
    const QByteArrayView start = bytes.At(0, 10);
    ImageHeader header;
    if (start.size() == 10 && (start.startsWith("GIF87a") || start.startsWith("GIF89a"))) {
        header.format = ImageFormat::Gif;
        header.stored =
            QSize(Byte(start, 6) | Byte(start, 7) << 8, Byte(start, 8) | Byte(start, 9) << 8);
        header.comment = GifComment(bytes);
    }
    return header;
}

namespace {

// The header of the first kind whose start the bytes show.
ImageHeader Parse(HeaderBytes& bytes, bool facts) {
    for (const ImageFormatRow& row : ImageFormats())
        if (ImageHeader header = row.readHeader(bytes, facts);
            header.format != ImageFormat::Unknown)
            return header;
    return {};
}

} // namespace

qint64 ImageHeader::DecodeBytes(int longest) const {
    const qint64 pixels = static_cast<qint64>(stored.width()) * stored.height();
    const ImageFormatRow* row = FindImageFormat(format);
    if (row && !row->scaledWhileDecoding)
        return pixels * 8; // the frame and the picture it is drawn on
    if (progressive)
        return pixels * 2 * qMax(components, 1); // a 16-bit coefficient per pixel and component
    // Scaled while decoding to no less than an eighth: the picture at the asked size, twice.
    const qint64 side = qMax<qint64>(longest, qMax(stored.width(), stored.height()) / 8);
    return side * side * 4 * 2;
}

ImageHeader ReadImageHeader(int fd, bool facts) {
    HeaderBytes bytes(fd);
    return Parse(bytes, facts);
}

ImageHeader ParseImageHeader(QByteArrayView memory, bool facts) {
    HeaderBytes bytes(memory);
    return Parse(bytes, facts);
}

} // namespace tuk
