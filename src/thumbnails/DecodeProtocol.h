#pragma once

#include "generator/ImageHeader.h"

#include <QByteArray>
#include <QSize>
#include <vector>

namespace tuk {

// What the program asks of its decoder process for one image, whose descriptor travels beside
// the request: the kind its name says (the only one tried), the EXIF orientation its header
// gives, the colour a GIF's transparent pixels are laid on, and the pictures wanted, largest
// first, each with the comment it carries. A request without an image is answered with no
// pictures: it tells whether the decoder works at all.
struct DecodeRequest {
    ImageFormat format = ImageFormat::Unknown;
    QSize upright;       // the image's size as its header says, turned upright
    int orientation = 1; // how the decoded picture is turned and mirrored to stand upright
    quint32 background = 0xffffff;
    std::vector<int> longest;
    std::vector<QByteArray> comments;

    QByteArray Encode() const;
    static bool Decode(const QByteArray& bytes, DecodeRequest& request);
};

// The answer: the pictures as JPEG files with their sizes, in the order asked; none when the
// image could not be decoded.
struct DecodeReply {
    std::vector<QSize> sizes;
    std::vector<QByteArray> jpegs;

    QByteArray Encode() const;
    static bool Decode(const QByteArray& bytes, DecodeReply& reply);
};

// Frames on a stream socket: the payload's length, then the payload; a descriptor, when one is
// passed, goes with the first byte. Both block; errno tells why on failure.
bool SendFrame(int socket, const QByteArray& payload, int fd = -1);
// Sets *fd to a received descriptor (or -1). False at the end of the stream and on errors.
bool ReceiveFrame(int socket, QByteArray& payload, int* fd);

// Collects one frame from a non-blocking socket, as much as is there at each call.
class FrameCollector {
public:
    enum class Got { More, Frame, Closed };
    Got Read(int socket);
    QByteArray Take();

private:
    QByteArray bytes_;
};

} // namespace tuk
