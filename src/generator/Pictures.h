#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <vector>

namespace tuk {

// The pictures an image can get besides its page: the index page's thumbnail and its sharp twin
// of twice the size, and a web-ready page's screen-sized copy. Each is a JPEG in a folder of
// the pages, never larger than the image: an image no larger than a picture's size serves as
// that picture itself.
enum class PictureKind { Thumb, Thumb2x, Web };
inline constexpr int kPictureKinds = 3;
inline constexpr PictureKind kPictureKindList[] = {PictureKind::Thumb, PictureKind::Thumb2x,
                                                   PictureKind::Web};

// What a run asks of every image's pictures.
struct PictureSizes {
    int thumb = 0;                 // longest edge of the thumbnail; 0: no thumbnails
    int web = 0;                   // longest edge of the screen-sized copy; 0: no copies
    quint32 background = 0xffffff; // a transparent image's pixels are laid on this colour

    int Longest(PictureKind kind) const;
    // Whether an image of this upright size gets a picture of the kind made for it: an animated
    // kind gets no screen-sized copy (it would lose its motion).
    bool Needs(PictureKind kind, QSize image, bool animated) const;
};

// The size of a picture whose longest edge is `longest`, in the image's proportions; the
// image's own size when it is no larger. The decoder and the pages compute it alike.
QSize PictureSize(QSize image, int longest);

// One image whose pictures a run wants. Descriptors are the caller's and stay open.
struct PictureSource {
    int imageFolderFd = -1;
    QByteArray name;     // the image's file name in that folder (file-system bytes)
    QString shown;       // the image's full path as messages show it
    int thumbsFd = -1;   // where its thumbnails go
    int webFd = -1;      // where its screen-sized copy goes
    QString shownFolder; // the pages' folder as messages show it, ending with "/"
    QByteArray stem;     // picture names: stem + ".jpg", stem + "@2x.jpg"

    int FolderOf(PictureKind kind) const { return kind == PictureKind::Web ? webFd : thumbsFd; }
};

// The file name of a picture of the kind, and its path below the pages' folder.
QByteArray PictureFileName(const QByteArray& stem, PictureKind kind);
QByteArray PicturePath(const QByteArray& stem, PictureKind kind);
inline constexpr char kThumbsFolderName[] = "thumbs";
inline constexpr char kWebFolderName[] = "web";

// Whether a name has the form the program gives pictures: a page's name without ".html"
// ("beach_jpg", "img_gif-2") followed by ".jpg" or "@2x.jpg".
bool IsPictureFileName(QByteArrayView name);

// What the JPEG comment of every picture the program makes holds (see PictureStamp), so that
// a folder of them is told from a user's folder of the same name.
inline constexpr char kPictureStampTag[] = "tu_k-picture";
inline bool IsPictureStamp(QByteArrayView comment) {
    return comment.contains(QByteArrayView(kPictureStampTag));
}

enum class PictureState {
    Pending,     // to be made
    Ready,       // every picture the image gets exists for the image as it is now
    TooLarge,    // more pixels, or more memory to decode, than a run allows
    Undecodable, // not the kind of image its name says, or broken
    TooSlow,     // decoding took longer than an image may take
    Crashed,     // the image made two decoders end without answering, while one still works
    Failed,      // the image could not be read or a picture not written: the run fails
};

struct PicturePlan {
    PictureState state = PictureState::Pending;
    QSize image;                             // upright size, when known
    int orientation = 1;                     // EXIF orientation the header gives (Pending)
    std::array<QSize, kPictureKinds> size{}; // each picture's size; empty: the image serves
    qint64 decodeBytes = 0;                  // what decoding it may take (Pending)
    QString failure;     // Failed: "Cannot write the thumbnail /a/thumbs/b_jpg.jpg: Disk full."
    QByteArray identity; // TooSlow: the image as the maker found it, for its record of them

    bool Ready() const { return state == PictureState::Ready; }
};

// Makes the pictures of a run. The page generator decodes no image itself: the program plugs
// in an implementation (thumbnails/), tests may plug in their own.
class PictureMaker {
public:
    virtual ~PictureMaker() = default;
    // Before the first page: which pictures each image gets, and which of them already exist
    // for the image as it is now (told by the pictures' own headers; an image is read only
    // when it has no such pictures). Never decodes.
    virtual std::vector<PicturePlan> Plan(const std::vector<PictureSource>& sources,
                                          const PictureSizes& sizes) = 0;
    // Makes the pictures of every Pending plan. `progress(done, total)` is called on the
    // calling thread while the work goes on; when it returns false no further image is
    // started, decoding under way is abandoned at once and Make returns false: stopped.
    // A Failed plan stops the other images too.
    [[nodiscard]] virtual bool Make(const std::vector<PictureSource>& sources,
                                    const PictureSizes& sizes, std::vector<PicturePlan>& plans,
                                    const std::function<bool(int, int)>& progress) = 0;
};

} // namespace tuk
