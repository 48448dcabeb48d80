#pragma once

#include "generator/Thumbnails.h"

namespace tuk {

// Makes thumbnails with Qt's image reader on a pool of threads, one per core, each decoding
// one image at a time, so memory grows with the cores, not the folder. Each image is decoded
// once, at the larger size (the JPEG decoder scales while it decodes), with its EXIF
// orientation applied; GIFs give their first frame. Both sizes are written as JPEG through
// PageFileWriter, whole or absent. A pair newer than its image and of the asked size is kept
// without reading the image.
class ImageThumbnails : public ThumbnailMaker {
public:
    // threads: how many images are decoded at once; 0 means one per core.
    explicit ImageThumbnails(int threads = 0) : threads_(threads) {}
    std::vector<ThumbSize> Make(int thumbsFd, const std::vector<ThumbJob>& jobs, int size,
                                const std::function<bool(int, int)>& progress,
                                bool& stopped) override;

private:
    int threads_;
};

} // namespace tuk
