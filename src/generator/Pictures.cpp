#include "generator/Pictures.h"

namespace tuk {

bool PictureSizes::Needs(PictureKind kind, QSize image) const {
    const int longest = qMax(image.width(), image.height());
    if (thumb <= 0)
        return false;
    // The twin is made when the image has its pixels, the thumbnail when it is smaller.
    return kind == PictureKind::Thumb2x ? longest >= Longest(kind) : longest > Longest(kind);
}

QByteArray PictureFileName(const QByteArray& stem, PictureKind kind) {
    return stem + (kind == PictureKind::Thumb2x ? "@2x.jpg" : ".jpg");
}

} // namespace tuk
