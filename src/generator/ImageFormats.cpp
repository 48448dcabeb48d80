#include "generator/ImageFormats.h"

#include "generator/ImageHeader.h"
#include "generator/ImageStrip.h"

namespace tuk {

namespace {

// In the order the texts list them.
constexpr ImageFormatRow kImageFormats[] = {
    {.format = ImageFormat::Gif,
     .extensions = {".gif"},
     .readHeader = ReadGifHeader,
     .decoder = "gif",
     .animated = true,
     .transparent = true,
     .stripped = StrippedGif},
    {.format = ImageFormat::Jpeg,
     .extensions = {".jpg", ".jpeg"},
     .readHeader = ReadJpegHeader,
     .decoder = "jpeg",
     .scaledWhileDecoding = true,
     .stripped = StrippedJpeg},
};

bool EndsWithNoCase(QByteArrayView name, QByteArrayView ending) {
    return name.size() >= ending.size() &&
           qstrnicmp(name.data() + name.size() - ending.size(), ending.data(),
                     static_cast<size_t>(ending.size())) == 0;
}

} // namespace

std::span<const ImageFormatRow> ImageFormats() {
    return kImageFormats;
}

const ImageFormatRow* FindImageFormat(ImageFormat format) {
    for (const ImageFormatRow& row : kImageFormats)
        if (row.format == format)
            return &row;
    return nullptr;
}

ImageFormat FormatOfName(QByteArrayView name) {
    for (const ImageFormatRow& row : kImageFormats)
        for (QByteArrayView extension : row.extensions)
            if (!extension.isEmpty() && EndsWithNoCase(name, extension))
                return row.format;
    return ImageFormat::Unknown;
}

bool IsImageStem(QByteArrayView stem) {
    qsizetype digits = 0;
    while (digits < stem.size() && stem[stem.size() - 1 - digits] >= '0' &&
           stem[stem.size() - 1 - digits] <= '9')
        ++digits;
    if (digits > 0 && digits < stem.size() && stem[stem.size() - 1 - digits] == '-')
        stem.chop(digits + 1); // the numbered page of a letter-case twin
    for (const ImageFormatRow& row : kImageFormats)
        for (QByteArrayView extension : row.extensions)
            if (!extension.isEmpty() && stem.size() > extension.size() &&
                stem.endsWith(extension.sliced(1)) && stem[stem.size() - extension.size()] == '_')
                return true;
    return false;
}

QString ImageExtensionList() {
    QStringList endings;
    for (const ImageFormatRow& row : kImageFormats)
        for (QByteArrayView extension : row.extensions)
            if (!extension.isEmpty())
                endings << QString::fromLatin1(extension);
    return endings.join(QStringLiteral(", "));
}

} // namespace tuk
