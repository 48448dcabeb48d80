#pragma once

#include "generator/Pictures.h"
#include "thumbnails/SlowImages.h"

#include <QString>
#include <chrono>

namespace tuk {

// What one run may spend on decoding.
struct DecodeLimits {
    qint64 maxPixels = 150'000'000;             // declared pixels of one image
    qint64 memoryBytes = qint64(1) << 30;       // shared by the images being decoded at once
    std::chrono::milliseconds perImage{15'000}; // time for one image
    int processes = 0;                          // images decoded at once; 0: one per core
};

// The pictures of a run, decoded by tu_k-decode processes (one per core), each sent one image
// at a time as a descriptor the program opened itself: without following it to a FIFO or a
// device, only when it is a regular file. Memory is reserved from the limits' budget before an
// image is sent, an image declaring more is refused unread, an image over its time is ended
// and remembered in its picture folder until it changes, a decoder that ends without answering
// is replaced, and a stop ends the processes at once. The pictures are written through
// PageFileWriter, whole or absent.
class PictureWorkers : public PictureMaker {
public:
    explicit PictureWorkers(DecodeLimits limits = {}, QString decoder = DefaultDecoder());

    // tu_k-decode in ../libexec/tu_k beside the running program, as installed and as built.
    static QString DefaultDecoder();

    std::vector<PicturePlan> Plan(const std::vector<PictureSource>& sources,
                                  const PictureSizes& sizes) override;
    bool Make(const std::vector<PictureSource>& sources, const PictureSizes& sizes,
              std::vector<PicturePlan>& plans,
              const std::function<bool(int, int)>& progress) override;

private:
    PicturePlan PlanOne(const PictureSource& source, const PictureSizes& sizes,
                        const SlowImages& slow) const;

    DecodeLimits limits_;
    QString decoder_;
};

} // namespace tuk
