#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSize>
#include <optional>
#include <sys/stat.h>

namespace tuk {

// What a picture says of the image it was made from, in its JPEG comment: the image's upright
// size and its identity on disk (length, modification and change times, inode), the picture's
// asked longest edge and, for a GIF, the colour its transparent pixels were laid on. A picture
// is kept only while every field equals what the image and the run ask for now, so a photo
// replaced, touched, turned or copied over with an older date gets new pictures.
struct PictureStamp {
    QSize image;
    qint64 bytes = 0;
    qint64 mtimeNs = 0;
    qint64 ctimeNs = 0;
    quint64 inode = 0;
    int longest = 0;
    std::optional<quint32> background;

    static PictureStamp Of(const struct stat& image, QSize upright, int longest,
                           std::optional<quint32> background);
    // Whether a picture with this stamp was made from that image as it is now.
    bool SameImage(const PictureStamp& other) const;
    // The image's identity alone, the fields SameImage compares, as one line of text.
    static QByteArray Identity(const struct stat& image);
    bool operator==(const PictureStamp&) const = default;

    QByteArray Text() const;
    // The stamp inside a comment, if it holds one.
    static std::optional<PictureStamp> Find(QByteArrayView comment);

    // The comment of an image a site holds without its metadata: the identity of the image it
    // was made from.
    static QByteArray PlacedText(const struct stat& image);
    // Whether a comment shows its file as one the program wrote: a picture or a placed image.
    static bool IsOwn(QByteArrayView comment);
};

} // namespace tuk
