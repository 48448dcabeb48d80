#include "generator/Pictures.h"

#include "generator/ImageFormats.h"

namespace tuk {

int PictureSizes::Longest(PictureKind kind) const {
    switch (kind) {
    case PictureKind::Thumb:
        return thumb;
    case PictureKind::Thumb2x:
        return 2 * thumb;
    case PictureKind::Web:
        return web;
    }
    return 0;
}

bool PictureSizes::Needs(PictureKind kind, QSize image, bool animated) const {
    const int longest = qMax(image.width(), image.height());
    if (Longest(kind) <= 0 || (kind == PictureKind::Web && animated))
        return false;
    // The twin is made when the image has its pixels, the others when it is larger.
    return kind == PictureKind::Thumb2x ? longest >= Longest(kind) : longest > Longest(kind);
}

QSize PictureSize(QSize image, int longest) {
    if (qMax(image.width(), image.height()) <= longest)
        return image;
    return image.scaled(longest, longest, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

QByteArray PictureFileName(const QByteArray& stem, PictureKind kind) {
    return stem + (kind == PictureKind::Thumb2x ? "@2x.jpg" : ".jpg");
}

bool IsPictureFileName(QByteArrayView name) {
    if (!name.endsWith(".jpg"))
        return false;
    name.chop(4);
    if (name.endsWith("@2x"))
        name.chop(3);
    return IsImageStem(name);
}

QByteArray PicturePath(const QByteArray& stem, PictureKind kind) {
    return QByteArray(kind == PictureKind::Web ? kWebFolderName : kThumbsFolderName) + '/' +
           PictureFileName(stem, kind);
}

} // namespace tuk
