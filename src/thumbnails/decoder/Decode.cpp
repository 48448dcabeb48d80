#include "thumbnails/decoder/Decode.h"

#include "generator/Pictures.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

namespace tuk {

namespace {

constexpr int kJpegQuality = 85;

QByteArray Jpeg(const QImage& image, const QByteArray& comment) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(kJpegQuality);
    writer.setText(QStringLiteral("tu_k"), QString::fromLatin1(comment));
    return writer.write(image) ? bytes : QByteArray();
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

} // namespace

DecodeReply DecodePictures(int fd, const DecodeRequest& request) {
    const char* format = request.format == ImageFormat::Jpeg  ? "jpeg"
                         : request.format == ImageFormat::Gif ? "gif"
                                                              : nullptr;
    QFile file;
    if (!format || request.longest.empty() || !file.open(fd, QIODevice::ReadOnly))
        return {};
    QImageReader reader(&file, format);
    reader.setAutoDetectImageFormat(false); // the kind the name says, never one the bytes suggest
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (!stored.isValid())
        return {};
    // Scaled in the stored orientation; the EXIF orientation turns the result afterwards.
    if (request.format == ImageFormat::Jpeg)
        reader.setScaledSize(PictureSize(stored, request.longest.front()));
    QImage picture = reader.read();
    if (picture.isNull())
        return {};
    picture = Flattened(picture, request.background);
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
