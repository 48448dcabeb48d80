#pragma once

#include "generator/PageGenerator.h"
#include "generator/Pictures.h"

#include <QString>
#include <functional>
#include <vector>

namespace tuk {

struct PageRun;
struct PageRunResult;

// The pictures of a whole run (thumbnails and screen-sized copies of every folder), planned
// before the first page and made after the last one in one go, on every core.
class PictureStep {
public:
    explicit PictureStep(const PageRun& run);

    const PictureSizes& Sizes() const { return sizes_; }
    bool Active() const { return sizes_.thumb > 0 || sizes_.web > 0; }

    // Registers an image (its folders' descriptors stay open until the run ends); its index.
    int Add(PictureSource source);
    // Plans the images added since the last call.
    void Plan();
    int ToMake() const;
    // Makes the planned pictures: Finished, Stopped when `progress` says so, or Failed with
    // `failure` saying why one could not be written.
    RunEnd Make(const std::function<bool(int, int)>& progress, QString& failure);

    const PicturePlan& PlanOf(int image) const { return plans_[size_t(image)]; }
    // The size of the image's picture of the kind, when the picture exists; empty otherwise.
    QSize SizeOf(int image, PictureKind kind) const;
    // Whether the image gets a picture of the kind made for it at all (it is larger).
    bool Needs(int image, PictureKind kind) const;

    // The image is not in the site (not placed yet, or not a whole image): it cannot serve as
    // its own picture there.
    void SetUnplaced(int image, bool unplaced);
    bool Unplaced(int image) const;

    // The images without picture, counted and named in the result.
    void Report(PageRunResult& result) const;

private:
    const PageRun& run_;
    PictureSizes sizes_;
    std::vector<PictureSource> sources_;
    std::vector<PicturePlan> plans_;
    std::vector<bool> unplaced_;
};

} // namespace tuk
