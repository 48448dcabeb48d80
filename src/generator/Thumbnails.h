#pragma once

#include <QByteArray>
#include <functional>
#include <vector>

namespace tuk {

// One image whose thumbnails the index page shows.
struct ThumbJob {
    QByteArray image;  // full path of the image, file-system bytes
    QByteArray name;   // file name of the thumbnail in the thumbs folder ("a_jpg.jpg")
    QByteArray name2x; // its twin at twice the size ("a_jpg@2x.jpg")
};

// The size of a made (or kept) thumbnail; 0 x 0 when the image could not be decoded.
struct ThumbSize {
    int width = 0;
    int height = 0;
    bool Made() const { return width > 0 && height > 0; }
};

// Makes the thumbnails of the index page. The page generator decodes no image itself: the
// program plugs in an implementation (thumbnails/), tests may plug in their own.
class ThumbnailMaker {
public:
    virtual ~ThumbnailMaker() = default;
    // Makes, or keeps when they are newer than the image and of this size, both thumbnails of
    // every job inside the folder thumbsFd; longest edge `size` and 2 x `size`. Returns one
    // ThumbSize per job, in job order. `progress(done, total)` is called on the calling
    // thread while the work goes on; when it returns false no further image is started and
    // Make returns at once with what was done (the rest stay 0 x 0), stopped set.
    virtual std::vector<ThumbSize> Make(int thumbsFd, const std::vector<ThumbJob>& jobs, int size,
                                        const std::function<bool(int, int)>& progress,
                                        bool& stopped) = 0;
};

} // namespace tuk
