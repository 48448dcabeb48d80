#include "generator/HeaderMetadata.h"

#include "generator/CaptionBlocks.h"
#include "generator/PhotoTexts.h"
#include "generator/TiffBlock.h"

namespace tuk {

namespace {

const QByteArrayView kExifSignature("Exif\0\0", 6);
const QByteArrayView kXmpSignature("http://ns.adobe.com/xap/1.0/\0", 29);
const QByteArrayView kPhotoshopSignature("Photoshop 3.0\0", 14);

enum Tag {
    kDescription = 0x010E,
    kMake = 0x010F,
    kModel = 0x0110,
    kOrientation = 0x0112,
    kExposureTime = 0x829A,
    kFNumber = 0x829D,
    kExifDirectory = 0x8769,
    kIsoSpeed = 0x8827,
    kTakenAt = 0x9003,
    kTakenOffset = 0x9011,
    kFocalLength = 0x920A,
    kLensModel = 0xA434,
};

QString FactText(QByteArrayView ascii) {
    return CleanText(TextOfBytes(ascii, kLongestFact), kLongestFact);
}

} // namespace

void HeaderMetadata::Segment(int marker, QByteArrayView body) {
    if (marker == 0xE1 && body.startsWith(kExifSignature)) {
        if (!exifSeen_)
            Exif(body.sliced(kExifSignature.size()));
        exifSeen_ = true;
    } else if (!facts_) {
        return;
    } else if (marker == 0xE1 && body.startsWith(kXmpSignature) && captions_[kXmp].isEmpty()) {
        captions_[kXmp] = CaptionText(XmpDescription(body.sliced(kXmpSignature.size())));
    } else if (marker == 0xED && body.startsWith(kPhotoshopSignature) &&
               captions_[kIptc].isEmpty()) {
        captions_[kIptc] = CaptionText(IptcCaption(body.sliced(kPhotoshopSignature.size())));
    }
}

// The first directory holds the orientation and leads to the Exif directory; only these two
// are read, each once, so no chain of offsets can loop.
void HeaderMetadata::Exif(QByteArrayView tiff) {
    const TiffBlock block(tiff);
    const qint64 first = block.FirstDirectory();
    qint64 exif = 0;
    for (int k = 0, n = block.FieldCount(first); k < n; ++k) {
        const TiffField field = block.Field(first, k);
        if (field.tag == kOrientation) {
            const quint32 value = block.Number(field).value_or(1);
            orientation_ = value >= 1 && value <= 8 ? int(value) : 1;
            if (!facts_)
                return;
        } else if (facts_ && field.tag == kExifDirectory) {
            exif = block.Number(field).value_or(0);
        } else if (facts_) {
            Take(block, field);
        }
    }
    if (exif == first)
        return;
    for (int k = 0, n = block.FieldCount(exif); k < n; ++k)
        Take(block, block.Field(exif, k));
}

void HeaderMetadata::Take(const TiffBlock& block, const TiffField& field) {
    quint32 numerator = 0, denominator = 0;
    const bool ratio = block.Ratio(field, numerator, denominator);
    const QByteArrayView ascii = TiffBlock::Ascii(field);
    switch (field.tag) {
    case kDescription:
        captions_[kExif] = CaptionText(TextOfBytes(ascii, kLongestCaption));
        break;
    case kMake:
        make_ = FactText(ascii);
        break;
    case kModel:
        model_ = FactText(ascii);
        break;
    case kLensModel:
        found_.lens = FactText(ascii);
        break;
    case kTakenAt:
        taken_ = ascii.toByteArray();
        break;
    case kTakenOffset:
        offset_ = ascii.toByteArray();
        break;
    case kExposureTime:
        found_.exposure = ratio ? ExposureText(numerator, denominator) : QString();
        break;
    case kFNumber:
        found_.aperture = ratio ? ApertureText(numerator, denominator) : QString();
        break;
    case kFocalLength:
        found_.focalLength = ratio ? FocalText(numerator, denominator) : QString();
        break;
    case kIsoSpeed:
        found_.iso = IsoText(block.Number(field).value_or(0));
        break;
    default:
        break;
    }
}

PhotoFacts HeaderMetadata::Facts() const {
    PhotoFacts facts = found_;
    facts.camera = CameraName(make_, model_);
    facts.taken = CaptureTime(taken_, offset_);
    for (const QString& caption : captions_) {
        if (!caption.isEmpty()) {
            facts.caption = caption;
            break;
        }
    }
    return facts;
}

} // namespace tuk
