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

QByteArray PicturePath(const QByteArray& stem, PictureKind kind) {
    return QByteArray(kind == PictureKind::Web ? kWebFolderName : kThumbsFolderName) + '/' +
           PictureFileName(stem, kind);
}

} // namespace tuk
