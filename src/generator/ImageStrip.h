#pragma once

#include "generator/ImageHeader.h"

#include <QByteArray>
#include <QByteArrayView>

namespace tuk {

// The image's bytes without its metadata, carrying `stamp` as its only comment; empty when the
// bytes are not a well-formed image of that kind (the caller then does not place it), and for
// a kind the site holds as it is.
//
// The picture data is copied byte for byte, never decoded. A JPEG keeps what it needs to be
// shown as before: its tables and frame, its JFIF density (without a thumbnail), its ICC colour
// profile and Adobe colour transform, and its EXIF orientation, rewritten as an EXIF segment of
// that one tag; what follows its end (an appended video) goes. A GIF keeps its pictures with
// their colour tables and timing, and the looping of an animation.
QByteArray StrippedImage(QByteArrayView image, ImageFormat format, QByteArrayView stamp);

// The strippers of each kind that the format table names.
QByteArray StrippedJpeg(QByteArrayView image, QByteArrayView stamp);
QByteArray StrippedGif(QByteArrayView image, QByteArrayView stamp);

} // namespace tuk
