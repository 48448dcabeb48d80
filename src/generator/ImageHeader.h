#pragma once

#include "generator/ImageFormats.h"
#include "generator/PhotoFacts.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QSize>

namespace tuk {

// What the first bytes of a JPEG or GIF say, read without decoding a pixel.
struct ImageHeader {
    ImageFormat format = ImageFormat::Unknown; // Unknown: neither kind, or no size found
    QSize stored;                              // the pixels as stored
    int orientation = 1;                       // EXIF orientation, 1 to 8 (see below)
    bool progressive = false;                  // a progressive JPEG
    int components = 0;                        // colour components of a JPEG
    // The JPEG's comment segments, joined; a GIF's comment right after its colour table.
    QByteArray comment;
    // What a JPEG's EXIF, XMP and IPTC blocks say of the photo; read only when asked for.
    PhotoFacts facts;

    bool Valid() const { return format != ImageFormat::Unknown && !stored.isEmpty(); }
    // The size as shown: the EXIF orientations 5 to 8 turn the picture a quarter.
    QSize Upright() const { return orientation >= 5 ? stored.transposed() : stored; }
    // The most memory decoding it may take, in bytes: a progressive JPEG keeps every
    // coefficient of the picture, a baseline JPEG scales while it decodes, the other kinds
    // decode at full size whatever is asked of them.
    qint64 DecodeBytes(int longest) const;
};

// Reads the header from an open file with positioned reads: only the segments' lengths are read
// of what lies between the start and the picture data, so a file of any size costs a few reads;
// a frame further than tens of MiB into the file, or not found within two seconds, is none.
// The orientation comes from the first directory of the first EXIF segment alone; the decoder
// turns the picture by it, so the pages and the pictures agree on the upright size. With
// `facts`, the metadata segments on the way are read too, each in one read at most, and a block
// that is broken is ignored, never a failure.
ImageHeader ReadImageHeader(int fd, bool facts = false);
// The same from bytes in memory (the file's first bytes, or all of it).
ImageHeader ParseImageHeader(QByteArrayView bytes, bool facts = false);

// The readers of each kind that the format table names.
ImageHeader ReadJpegHeader(HeaderBytes& bytes, bool facts);
ImageHeader ReadGifHeader(HeaderBytes& bytes, bool facts);

} // namespace tuk
