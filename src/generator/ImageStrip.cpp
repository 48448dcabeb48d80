#include "generator/ImageStrip.h"

#include "base/Append.h"

#include <QVarLengthArray>
#include <cstring>
#include <utility>

namespace tuk {

namespace {

int Byte(QByteArrayView b, qsizetype i) {
    return static_cast<unsigned char>(b[i]);
}
int BigEndian16(QByteArrayView b, qsizetype i) {
    return Byte(b, i) << 8 | Byte(b, i + 1);
}

// The parts of the input an output keeps, in order. Touching parts merge, so the picture data
// of a JPEG is one part however many scans it has, unless something between them went.
class KeptParts {
public:
    void Keep(qsizetype from, qsizetype to) {
        if (!parts_.isEmpty() && parts_.back().second == from)
            parts_.back().second = to;
        else
            parts_.append({from, to});
    }
    qsizetype Size() const {
        qsizetype size = 0;
        for (const auto& [from, to] : parts_)
            size += to - from;
        return size;
    }
    void AppendTo(QByteArray& out, QByteArrayView image) const {
        for (const auto& [from, to] : parts_)
            out.append(image.sliced(from, to - from));
    }

private:
    QVarLengthArray<std::pair<qsizetype, qsizetype>, 16> parts_;
};

// ---- JPEG ----

constexpr int kStartOfImage = 0xD8, kEndOfImage = 0xD9, kStartOfScan = 0xDA, kComment = 0xFE;
constexpr qsizetype kMostSegmentBytes = 65533; // a 16-bit length that counts its own two bytes
constexpr qsizetype kJfifBytes = 12;           // "JFIF\0", version, density unit, x and y

// An EXIF segment holding the orientation tag alone: a big-endian TIFF header and one
// directory of one entry, a 16-bit value.
constexpr char kOrientationExif[] = "\xff\xe1\x00\x22"
                                    "Exif\0\0"
                                    "MM\0\x2a\0\0\0\x08"
                                    "\0\x01"
                                    "\x01\x12\0\x03\0\0\0\x01\0\x01\0\0"
                                    "\0\0\0\0";
constexpr qsizetype kOrientationExifBytes = sizeof kOrientationExif - 1;
static_assert(kOrientationExifBytes == 36);
constexpr qsizetype kOrientationAt = 29; // the low byte of the entry's value

// What a JPEG keeps besides the segments written for it.
struct JpegParts {
    KeptParts kept;      // segments as they are, then the scans up to the end marker
    qsizetype jfif = -1; // where the body of the first JFIF segment starts
    qsizetype firstScan = -1;
};

bool IsFrameStart(int marker) {
    // SOF0 to SOF15, but DHT (C4), JPG (C8) and DAC (CC) share the range.
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Markers that no length follows: TEM and the restart markers (and SOI and EOI).
bool StandsAlone(int marker) {
    return marker == 0x01 || (marker >= 0xD0 && marker <= kEndOfImage);
}

// Application segments and comments: where cameras and programs put what they know.
bool IsMetadata(int marker) {
    return (marker >= 0xE0 && marker <= 0xEF) || marker == kComment;
}

// Whether a segment before the first scan is needed to show the picture as it was: the tables
// and the frame, the colour profile (in chunks) and the colour transform that a CMYK or YCCK
// picture needs to be decoded right. JFIF is rewritten without its thumbnail instead.
bool NeededToShow(int marker, QByteArrayView body) {
    switch (marker) {
    case 0xC4: // DHT
    case 0xCC: // DAC
    case 0xDB: // DQT
    case 0xDD: // DRI
        return true;
    case 0xE2:
        return body.startsWith(QByteArrayView("ICC_PROFILE\0", 12));
    case 0xEE:
        return body.startsWith("Adobe");
    default:
        return IsFrameStart(marker);
    }
}

bool IsJfif(QByteArrayView body) {
    return body.size() >= kJfifBytes + 2 && body.startsWith(QByteArrayView("JFIF\0", 5));
}

// The length of the segment at `at`, counting its marker; 0 when it runs past the end.
qsizetype SegmentBytes(QByteArrayView image, qsizetype at) {
    if (at + 4 > image.size())
        return 0;
    const qsizetype length = BigEndian16(image, at + 2);
    return length >= 2 && at + 2 + length <= image.size() ? 2 + length : 0;
}

// Walks the segments up to the first scan, keeping those needed to show the picture; false
// when one runs past the end or the frame or the scan is missing.
bool WalkHeader(QByteArrayView image, JpegParts& parts) {
    bool frame = false;
    qsizetype at = 2;
    while (true) {
        while (at + 1 < image.size() && Byte(image, at) == 0xFF && Byte(image, at + 1) == 0xFF)
            ++at; // fill bytes before a marker
        if (at + 1 >= image.size() || Byte(image, at) != 0xFF)
            return false;
        const int marker = Byte(image, at + 1);
        if (marker == kStartOfImage || marker == kEndOfImage)
            return false;
        if (StandsAlone(marker)) {
            at += 2;
            continue;
        }
        const qsizetype bytes = SegmentBytes(image, at);
        if (bytes == 0)
            return false;
        if (marker == kStartOfScan) {
            parts.firstScan = at;
            return frame;
        }
        const QByteArrayView body = image.sliced(at + 4, bytes - 4);
        frame = frame || IsFrameStart(marker);
        if (marker == 0xE0 && parts.jfif < 0 && IsJfif(body))
            parts.jfif = at + 4;
        else if (NeededToShow(marker, body))
            parts.kept.Keep(at, at + bytes);
        at += bytes;
    }
}

// The next marker at or after `from` in a scan's data, -1 when none comes: 0xFF 0x00 is a data
// byte, 0xFF 0xD0..D7 a restart marker, and 0xFF before another 0xFF fills.
qsizetype NextMarker(QByteArrayView image, qsizetype from) {
    const char* const data = image.data();
    while (from < image.size()) {
        const void* found = std::memchr(data + from, 0xFF, size_t(image.size() - from));
        if (found == nullptr)
            return -1;
        const qsizetype at = static_cast<const char*>(found) - data;
        if (at + 1 >= image.size())
            return -1;
        const int next = Byte(image, at + 1);
        if (next != 0x00 && next != 0xFF && !(next >= 0xD0 && next <= 0xD7))
            return at;
        from = next == 0xFF ? at + 1 : at + 2;
    }
    return -1;
}

// Walks from the first scan to the end marker, keeping the scans and the tables between them
// byte for byte, and dropping application segments and comments found there; false when the
// end never comes (a file cut short). A segment owns what follows it up to the next marker.
bool WalkScans(QByteArrayView image, JpegParts& parts) {
    qsizetype at = parts.firstScan;
    while (true) {
        const int marker = Byte(image, at + 1);
        if (marker == kEndOfImage) {
            parts.kept.Keep(at, at + 2);
            return true; // what follows (a video, a maker's trailer) is not the picture's
        }
        if (marker == kStartOfImage)
            return false;
        const qsizetype bytes = StandsAlone(marker) ? 2 : SegmentBytes(image, at);
        if (bytes == 0)
            return false;
        const qsizetype next = NextMarker(image, at + bytes);
        if (next < 0)
            return false;
        if (!IsMetadata(marker))
            parts.kept.Keep(at, next);
        at = next;
    }
}

void AppendSegmentHead(QByteArray& out, int marker, qsizetype bodyBytes) {
    const qsizetype length = bodyBytes + 2;
    const char head[] = {'\xff', char(marker), char(length >> 8), char(length & 0xFF)};
    out.append(head, sizeof head);
}

// The JFIF segment with its density, without the thumbnail it may carry.
void AppendJfif(QByteArray& out, QByteArrayView body) {
    AppendSegmentHead(out, 0xE0, kJfifBytes + 2);
    out.append(body.first(kJfifBytes));
    AppendLiteral(out, "\0\0"); // a thumbnail of 0 x 0 pixels
}

// Comment segments holding the stamp, as many as its length needs.
void AppendComments(QByteArray& out, QByteArrayView stamp) {
    for (qsizetype from = 0; from < stamp.size(); from += kMostSegmentBytes) {
        const QByteArrayView part =
            stamp.sliced(from, qMin(kMostSegmentBytes, stamp.size() - from));
        AppendSegmentHead(out, kComment, part.size());
        out.append(part);
    }
}

} // namespace

QByteArray StrippedJpeg(QByteArrayView image, QByteArrayView stamp) {
    JpegParts parts;
    if (image.size() < 2 || BigEndian16(image, 0) != 0xFF00 + kStartOfImage ||
        !WalkHeader(image, parts) || !WalkScans(image, parts))
        return {};
    // The orientation as the header reader sees it, so the copy is turned as the original.
    const int orientation = ParseImageHeader(image.first(parts.firstScan)).orientation;
    const qsizetype comments = (stamp.size() + kMostSegmentBytes - 1) / kMostSegmentBytes;
    // JFIF first, where its readers look; then the orientation, the stamp, the kept segments.
    QByteArray out;
    out.reserve(2 + (parts.jfif >= 0 ? kJfifBytes + 6 : 0) +
                (orientation > 1 ? kOrientationExifBytes : 0) + 4 * comments + stamp.size() +
                parts.kept.Size());
    out.append(image.first(2));
    if (parts.jfif >= 0)
        AppendJfif(out, image.sliced(parts.jfif));
    if (orientation > 1) {
        out.append(kOrientationExif, kOrientationExifBytes);
        out[out.size() - kOrientationExifBytes + kOrientationAt] = char(orientation);
    }
    AppendComments(out, stamp);
    parts.kept.AppendTo(out, image);
    return out;
}

// ---- GIF ----

namespace {

constexpr int kImageBlock = 0x2C, kExtension = 0x21, kTrailer = 0x3B;
constexpr int kGraphicControl = 0xF9, kApplication = 0xFF, kGifComment = 0xFE;
constexpr qsizetype kScreenEnd = 13; // the signature and the logical screen descriptor
constexpr qsizetype kMostSubBlockBytes = 255;

qsizetype ColourTableBytes(int flags) {
    return (flags & 0x80) != 0 ? 3 << ((flags & 0x07) + 1) : 0;
}

// Where a run of data sub-blocks starting at `at` ends, after its empty terminator; -1 when it
// runs past the end.
qsizetype SubBlocksEnd(QByteArrayView image, qsizetype at) {
    while (at < image.size()) {
        const int bytes = Byte(image, at);
        at += 1 + bytes;
        if (bytes == 0)
            return at;
    }
    return -1;
}

// The application extension that tells how often an animation plays.
bool IsLooping(QByteArrayView subBlocks) {
    return subBlocks.startsWith("\x0b"
                                "NETSCAPE2.0") ||
           subBlocks.startsWith("\x0b"
                                "ANIMEXTS1.0");
}

// Where the block at `at` ends, -1 when it is malformed; `keep` tells whether the picture needs
// it: an image, its timing and transparency, the looping; not comments, plain text or other
// applications' data.
qsizetype GifBlockEnd(QByteArrayView image, qsizetype at, bool& keep) {
    keep = true;
    if (Byte(image, at) == kImageBlock) {
        if (at + 10 > image.size())
            return -1;
        const qsizetype codeSize = at + 10 + ColourTableBytes(Byte(image, at + 9));
        return codeSize < image.size() ? SubBlocksEnd(image, codeSize + 1) : -1;
    }
    if (Byte(image, at) != kExtension || at + 2 > image.size())
        return -1;
    const int label = Byte(image, at + 1);
    keep = label == kGraphicControl || (label == kApplication && IsLooping(image.sliced(at + 2)));
    return SubBlocksEnd(image, at + 2);
}

// A comment extension holding the stamp in sub-blocks.
void AppendGifComment(QByteArray& out, QByteArrayView stamp) {
    const char head[] = {char(kExtension), char(kGifComment)};
    out.append(head, sizeof head);
    for (qsizetype from = 0; from < stamp.size(); from += kMostSubBlockBytes) {
        const QByteArrayView part =
            stamp.sliced(from, qMin(kMostSubBlockBytes, stamp.size() - from));
        out.append(char(part.size()));
        out.append(part);
    }
    out.append('\0');
}

} // namespace

QByteArray StrippedGif(QByteArrayView image, QByteArrayView stamp) {
    if (image.size() < kScreenEnd || !(image.startsWith("GIF87a") || image.startsWith("GIF89a")))
        return {};
    const qsizetype screenEnd = kScreenEnd + ColourTableBytes(Byte(image, 10));
    KeptParts kept;
    qsizetype at = screenEnd;
    while (at < image.size() && Byte(image, at) != kTrailer) {
        bool keep = false;
        const qsizetype end = GifBlockEnd(image, at, keep);
        if (end < 0)
            return {};
        if (keep)
            kept.Keep(at, end);
        at = end;
    }
    if (at >= image.size())
        return {};
    kept.Keep(at, at + 1); // the trailer; what follows it goes
    const qsizetype subBlocks = (stamp.size() + kMostSubBlockBytes - 1) / kMostSubBlockBytes;
    QByteArray out;
    out.reserve(screenEnd + (stamp.isEmpty() ? 0 : 3 + subBlocks + stamp.size()) + kept.Size());
    // A comment is an extension, which the older version of the format does not know.
    out.append(stamp.isEmpty() ? image.first(6) : QByteArrayView("GIF89a"));
    out.append(image.sliced(6, screenEnd - 6));
    if (!stamp.isEmpty())
        AppendGifComment(out, stamp);
    kept.AppendTo(out, image);
    return out;
}

QByteArray StrippedImage(QByteArrayView image, ImageFormat format, QByteArrayView stamp) {
    const ImageFormatRow* row = FindImageFormat(format);
    return row && row->stripped ? row->stripped(image, stamp) : QByteArray();
}

} // namespace tuk
