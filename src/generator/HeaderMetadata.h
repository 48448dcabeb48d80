#pragma once

#include "generator/PhotoFacts.h"

#include <QByteArray>
#include <QByteArrayView>

namespace tuk {

class TiffBlock;
struct TiffField;

// Reads the metadata segments of a JPEG header as they come, in any order. The first EXIF
// block gives the orientation and, when facts are wanted, the camera, the capture time and a
// caption; the first XMP packet and Photoshop block with a caption give theirs. Each field is
// taken or ignored on its own, so a broken block costs only what is broken in it.
class HeaderMetadata {
public:
    explicit HeaderMetadata(bool facts) : facts_(facts) {}

    // Whether a segment's body is read: APP1 (EXIF, XMP) always, APP13 (IPTC) for facts.
    bool Reads(int marker) const { return marker == 0xE1 || (facts_ && marker == 0xED); }
    void Segment(int marker, QByteArrayView body);

    int Orientation() const { return orientation_; }
    // The facts, with the caption of XMP, else of IPTC, else of EXIF.
    PhotoFacts Facts() const;

private:
    enum Source { kXmp, kIptc, kExif, kSources };

    void Exif(QByteArrayView tiff);
    void Take(const TiffBlock& block, const TiffField& field);

    bool facts_;
    bool exifSeen_ = false;
    int orientation_ = 1;
    PhotoFacts found_;
    QString make_, model_;
    QByteArray taken_, offset_;
    QString captions_[kSources];
};

} // namespace tuk
