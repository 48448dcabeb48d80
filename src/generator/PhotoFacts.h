#pragma once

#include <QDateTime>
#include <QString>

namespace tuk {

// What a photo says of itself in the metadata of its header, each part empty when the photo
// does not say it or says something impossible. The texts are plain: whoever puts them on a
// page escapes them.
struct PhotoFacts {
    // When the photo was taken: with its offset from UTC when the camera wrote one, else as a
    // local time; invalid when unknown.
    QDateTime taken;
    QString caption;
    QString camera;      // "Canon EOS R5": the make only where the model does not name it
    QString lens;        // "RF24-105mm F4 L IS USM"
    QString focalLength; // "50 mm"
    QString exposure;    // "1/250 s", "0.5 s", "2 s"
    QString aperture;    // "f/4"
    QString iso;         // "ISO 400"

    // The camera facts a page shows in one line, those present in this order:
    // "Canon EOS R5, RF24-105mm F4 L IS USM, 50 mm, 1/250 s, f/4, ISO 400".
    QString CameraLine() const;

    friend bool operator==(const PhotoFacts&, const PhotoFacts&) = default;
};

} // namespace tuk
