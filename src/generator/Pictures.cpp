#include "generator/Pictures.h"

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

bool PictureSizes::Needs(PictureKind kind, QSize image, bool gif) const {
    const int longest = qMax(image.width(), image.height());
    if (Longest(kind) <= 0 || (kind == PictureKind::Web && gif))
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
    qsizetype digits = 0;
    while (digits < name.size() && name[name.size() - 1 - digits] >= '0' &&
           name[name.size() - 1 - digits] <= '9')
        ++digits;
    if (digits > 0 && digits < name.size() && name[name.size() - 1 - digits] == '-')
        name.chop(digits + 1); // the numbered page of a letter-case twin
    return name.endsWith("_jpg") || name.endsWith("_jpeg") || name.endsWith("_gif");
}

QByteArray PicturePath(const QByteArray& stem, PictureKind kind) {
    return QByteArray(kind == PictureKind::Web ? kWebFolderName : kThumbsFolderName) + '/' +
           PictureFileName(stem, kind);
}

} // namespace tuk
