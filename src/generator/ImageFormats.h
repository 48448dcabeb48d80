#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <span>

namespace tuk {

struct ImageHeader;
class HeaderBytes;

// The kinds of image the program makes pages for; which one a file is comes from its name,
// and a file whose bytes show another kind is not decoded at all.
enum class ImageFormat { Unknown, Jpeg, Gif };

// Everything the program does differently for one kind of image. The listing, the header
// reader, the pictures, the decoder process, the copies a site holds and the texts that name
// the kinds all read the table of these rows, so a new kind is one row and its readers.
struct ImageFormatRow {
    ImageFormat format = ImageFormat::Unknown;
    // The names' endings, lower case with the dot; a name ending in any of them in any letter
    // case is an image of this kind. Unused places stay empty.
    std::array<QByteArrayView, 2> extensions;
    // The header without decoding a pixel; its format stays Unknown unless the bytes start
    // as this kind's do.
    ImageHeader (*readHeader)(HeaderBytes& bytes, bool facts) = nullptr;
    // The name of Qt's image reader that tu_k-decode uses, and whether it decodes at about the
    // asked size rather than at full size.
    const char* decoder = nullptr;
    bool scaledWhileDecoding = false;
    bool animated = false;    // pages show the image itself, never a still screen-sized copy
    bool transparent = false; // its pictures lay clear pixels on the page's background colour
    // The copy a site holds without the image's metadata, stamped; empty when the bytes are
    // not a whole image of the kind. Null: the site holds the image as it is.
    QByteArray (*stripped)(QByteArrayView image, QByteArrayView stamp) = nullptr;
};

std::span<const ImageFormatRow> ImageFormats();

// The row of a kind; null for Unknown.
const ImageFormatRow* FindImageFormat(ImageFormat format);

// By the name's ending, in any letter case.
ImageFormat FormatOfName(QByteArrayView name);

// Whether a page's or a picture's stem ends as an image's name does once lower-cased with its
// dot made "_" ("beach_jpg"), or as the numbered stem of a letter-case twin ("img_jpg-2").
bool IsImageStem(QByteArrayView stem);

// The endings in table order, as the texts that name the kinds show them: ".gif, .jpg, .jpeg".
QString ImageExtensionList();

} // namespace tuk
