#pragma once

#include "thumbnails/DecodeProtocol.h"

namespace tuk {

// How much the decoder process may take: address space in all, and one picture in Qt's reader.
inline constexpr qint64 kDecoderAddressSpace = qint64(3) << 30;
inline constexpr int kDecoderAllocationMiB = 2048;

// Decodes the image of the open file once, with the reader the format table names for the kind
// asked, at the largest size asked (a kind scaled while decoding, as a JPEG, at about that
// size; an animated one gives its first frame), then turns it by the request's orientation and
// lays it on the background colour where transparent, and makes each picture from the one
// before it. Never larger than the image. No pictures when the image is not of the kind asked.
DecodeReply DecodePictures(int fd, const DecodeRequest& request);

} // namespace tuk
