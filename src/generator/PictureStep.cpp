#include "generator/PictureStep.h"

#include "generator/ImageFormats.h"
#include "generator/PageGenerator.h"
#include "generator/RunParts.h"

#include <QCoreApplication>

#include <optional>

namespace tuk {

namespace {

// Names shown in a finished run's message before "and N more".
constexpr int kNamesShown = 20;

// Why an image is shown without its pictures, and where the result counts it; none when it
// has them or the run ends before they are made. The reason follows the image's name.
struct Missing {
    const char* reason;
    int PageRunResult::*count;
};

std::optional<Missing> MissingReason(PictureState state) {
    switch (state) {
    case PictureState::TooLarge:
        //: why an image has no thumbnail, after its name
        return Missing{QT_TRANSLATE_NOOP("Run", "too large"), &PageRunResult::picturesTooLarge};
    case PictureState::Undecodable:
        //: why an image has no thumbnail, after its name
        return Missing{QT_TRANSLATE_NOOP("Run", "could not be decoded"),
                       &PageRunResult::picturesUndecodable};
    case PictureState::TooSlow:
        //: why an image has no thumbnail, after its name
        return Missing{QT_TRANSLATE_NOOP("Run", "too slow to decode"),
                       &PageRunResult::picturesTooSlow};
    case PictureState::Crashed:
        //: why an image has no thumbnail, after its name
        return Missing{QT_TRANSLATE_NOOP("Run", "crashed the decoder"),
                       &PageRunResult::picturesCrashed};
    default:
        return std::nullopt;
    }
}

} // namespace

PictureStep::PictureStep(const PageRun& run) : run_(run) {
    if (run.pictures && run.settings.lIndex)
        sizes_.thumb = run.thumbSize;
    if (run.pictures && run.settings.lWebReady)
        sizes_.web = run.settings.nWebSize;
    auto channel = [](qint16 value) { return quint32(qBound(0, int(value), 255)); };
    sizes_.background = channel(run.settings.BackR) << 16 | channel(run.settings.BackG) << 8 |
                        channel(run.settings.BackB);
}

int PictureStep::Add(PictureSource source) {
    sources_.push_back(std::move(source));
    return int(sources_.size()) - 1;
}

void PictureStep::Plan() {
    if (!Active() || plans_.size() == sources_.size())
        return;
    const std::vector<PictureSource> added(sources_.begin() + qsizetype(plans_.size()),
                                           sources_.end());
    for (PicturePlan& plan : run_.pictures->Plan(added, sizes_))
        plans_.push_back(std::move(plan));
}

int PictureStep::ToMake() const {
    int count = 0;
    for (const PicturePlan& plan : plans_)
        count += plan.state == PictureState::Pending ? 1 : 0;
    return count;
}

RunEnd PictureStep::Make(const std::function<bool(int, int)>& progress, QString& failure) {
    if (!Active())
        return RunEnd::Finished;
    const bool finished = run_.pictures->Make(sources_, sizes_, plans_, progress);
    for (const PicturePlan& plan : plans_) {
        if (plan.state == PictureState::Failed) {
            failure = plan.failure;
            return RunEnd::Failed;
        }
    }
    return finished ? RunEnd::Finished : RunEnd::Stopped;
}

void PictureStep::SetUnplaced(int image, bool unplaced) {
    if (image < 0)
        return;
    if (unplaced_.size() <= size_t(image))
        unplaced_.resize(size_t(image) + 1);
    unplaced_[size_t(image)] = unplaced;
}

bool PictureStep::Unplaced(int image) const {
    return size_t(image) < unplaced_.size() && unplaced_[size_t(image)];
}

bool PictureStep::Needs(int image, PictureKind kind) const {
    if (size_t(image) >= plans_.size())
        return false;
    const PicturePlan& plan = plans_[size_t(image)];
    const ImageFormatRow* format = FindImageFormat(FormatOfName(sources_[size_t(image)].name));
    return sizes_.Needs(kind, plan.image, format && format->animated);
}

QSize PictureStep::SizeOf(int image, PictureKind kind) const {
    if (size_t(image) >= plans_.size() || !Needs(image, kind))
        return {};
    const PicturePlan& plan = plans_[size_t(image)];
    return plan.Ready() ? plan.size[size_t(kind)] : QSize();
}

void PictureStep::Report(PageRunResult& result) const {
    int named = 0;
    for (size_t k = 0; k < plans_.size(); ++k) {
        const std::optional<Missing> missing = MissingReason(plans_[k].state);
        if (!missing)
            continue;
        ++(result.*missing->count);
        if (named++ < kNamesShown)
            result.picturesMissing +=
                QStringLiteral("%1%2 (%3)")
                    .arg(result.picturesMissing.isEmpty() ? QString() : QStringLiteral(", "),
                         sources_[k].shown, QCoreApplication::translate("Run", missing->reason));
    }
    result.picturesMissing = AndMore(result.picturesMissing, named - kNamesShown);
}

} // namespace tuk
