#include "thumbnails/decoder/Decode.h"

#include "generator/ImageFormats.h"
#include "generator/Pictures.h"

#include <QBuffer>
#include <QColorSpace>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QTransform>
#include <cstring>
#include <unistd.h>

namespace tuk {

namespace {

constexpr int kJpegQuality = 85;

// The pixels and colour space alone, sharing the image's memory: the reader keeps an image's
// comments as its texts, and the writer would write them into the picture, publishing what the
// photo's owner wrote there.
QImage Bare(const QImage& image) {
    QImage bare(image.constBits(), image.width(), image.height(), image.bytesPerLine(),
                image.format());
    bare.setColorTable(image.colorTable());
    bare.setColorSpace(image.colorSpace());
    return bare;
}

QByteArray Jpeg(const QImage& image, const QByteArray& comment) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(kJpegQuality);
    writer.setText(QStringLiteral("tu_k"), QString::fromLatin1(comment));
    return writer.write(Bare(image)) ? bytes : QByteArray();
}

// A transparent picture laid on the colour, so its clear pixels show the page's background.
QImage Flattened(const QImage& image, QRgb background) {
    if (!image.hasAlphaChannel())
        return image;
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QImage flat(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        QRgb* out = reinterpret_cast<QRgb*>(flat.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const int a = qAlpha(in[x]);
            auto mix = [a](int top, int under) {
                return (top * a + under * (255 - a) + 127) / 255;
            };
            out[x] =
                qRgb(mix(qRed(in[x]), qRed(background)), mix(qGreen(in[x]), qGreen(background)),
                     mix(qBlue(in[x]), qBlue(background)));
        }
    }
    return flat;
}

// The picture as the EXIF orientation says it stands: mirrored across and upside down as the
// value asks, then turned a quarter clockwise. Any other value leaves it as stored.
QImage Upright(const QImage& picture, int orientation) {
    struct Turn {
        bool across, upsideDown, quarter;
    };
    static constexpr Turn kTurns[] = {
        {false, false, false}, // 1: as stored
        {true, false, false},  // 2: mirrored
        {true, true, false},   // 3: half a turn
        {false, true, false},  // 4: upside down
        {false, true, true},   // 5: mirrored along the falling diagonal
        {false, false, true},  // 6: a quarter clockwise
        {true, false, true},   // 7: mirrored along the rising diagonal
        {true, true, true},    // 8: a quarter counter-clockwise
    };
    if (orientation < 1 || orientation > 8)
        return picture;
    const Turn& turn = kTurns[orientation - 1];
    const QImage mirrored = picture.mirrored(turn.across, turn.upsideDown);
    return turn.quarter ? mirrored.transformed(QTransform().rotate(90)) : mirrored;
}

} // namespace

DecodeReply DecodePictures(int fd, const DecodeRequest& request) {
    const ImageFormatRow* format = FindImageFormat(request.format);
    QFile file;
    // From the start, whatever a decoder that ended on this image read before.
    if (!format || request.longest.empty() || lseek(fd, 0, SEEK_SET) != 0 ||
        !file.open(fd, QIODevice::ReadOnly))
        return {};
    QImageReader reader(&file, format->decoder);
    reader.setAutoDetectImageFormat(false); // the kind the name says, never one the bytes suggest
    reader.setAutoTransform(false);         // the header reader's orientation is the one used
    const QSize stored = reader.size();
    if (!stored.isValid())
        return {};
    // Scaled in the stored orientation; the request's orientation turns the result afterwards.
    if (format->scaledWhileDecoding)
        reader.setScaledSize(PictureSize(stored, request.longest.front()));
    QImage picture = reader.read();
    if (picture.isNull())
        return {};
    picture = Flattened(Upright(picture, request.orientation), request.background);
    // Every size from the upright picture as a whole, as the pages compute it; each picture is
    // scaled from the one before it, which is faster.
    const QSize upright = request.upright.isEmpty() ? picture.size() : request.upright;
    DecodeReply reply;
    for (size_t i = 0; i < request.longest.size(); ++i) {
        const QSize size = PictureSize(upright, request.longest[i]);
        if (size != picture.size())
            picture = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QByteArray jpeg = Jpeg(picture, request.comments.at(i));
        if (jpeg.isEmpty())
            return {};
        reply.sizes.push_back(picture.size());
        reply.jpegs.push_back(std::move(jpeg));
    }
    return reply;
}

} // namespace tuk
