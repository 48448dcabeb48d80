#include "thumbnails/PictureWorkers.h"

#include "generator/ImageHeader.h"
#include "generator/PictureStamp.h"
#include "thumbnails/DecodeBatch.h"
#include "thumbnails/ImageFiles.h"

#include <QFileInfo>
#include <QThread>
#include <map>
#include <optional>
#include <sys/stat.h>
#include <thread>

namespace tuk {

namespace {

// A picture as it lies in its folder: its size and stamp, read from its header alone.
struct PictureOnDisk {
    QSize size;
    std::optional<PictureStamp> stamp;
};

PictureOnDisk ReadPicture(int folderFd, const QByteArray& name) {
    struct stat st {};
    const Result<UniqueFd> fd = OpenRegular(folderFd, name, false, st);
    if (!fd)
        return {};
    const ImageHeader header = ReadImageHeader(fd->get());
    if (header.format != ImageFormat::Jpeg)
        return {};
    return {header.stored, PictureStamp::Find(header.comment)};
}

// Ready when a picture tells the image's size and every picture that size needs is there,
// made from the image as it is now and of the size asked now.
PicturePlan KeptPictures(const PictureSource& source, const PictureSizes& sizes,
                         const struct stat& st, std::optional<quint32> background) {
    PicturePlan plan;
    std::optional<PictureStamp> told;
    for (PictureKind kind : {PictureKind::Thumb, PictureKind::Web}) {
        if (told || sizes.Longest(kind) <= 0 || source.FolderOf(kind) < 0)
            continue;
        const PictureOnDisk picture =
            ReadPicture(source.FolderOf(kind), PictureFileName(source.stem, kind));
        if (picture.stamp && picture.stamp->SameImage(PictureStamp::Of(st, {}, 0, background)))
            told = picture.stamp;
    }
    if (!told)
        return plan;
    plan.image = told->image;
    for (PictureKind kind : NeededKinds(sizes, plan.image, IsAnimated(source))) {
        const PictureOnDisk picture =
            ReadPicture(source.FolderOf(kind), PictureFileName(source.stem, kind));
        if (picture.size.isEmpty() ||
            picture.stamp != PictureStamp::Of(st, plan.image, sizes.Longest(kind), background))
            return {};
        plan.size[static_cast<size_t>(kind)] = picture.size;
    }
    plan.state = PictureState::Ready;
    return plan;
}

} // namespace

PictureWorkers::PictureWorkers(DecodeLimits limits, QString decoder)
    : limits_(limits), decoder_(std::move(decoder)) {}

QString PictureWorkers::DefaultDecoder() {
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath() +
           QStringLiteral("/../libexec/tu_k/tu_k-decode");
}

PicturePlan PictureWorkers::PlanOne(const PictureSource& source, const PictureSizes& sizes,
                                    const SlowImages& slow) const {
    struct stat st {};
    const Result<UniqueFd> image = OpenRegular(source.imageFolderFd, source.name, true, st);
    if (!image)
        return {}; // making it tells why
    PicturePlan plan = KeptPictures(source, sizes, st, StampBackground(source, sizes));
    if (plan.Ready())
        return plan;
    const ImageHeader header = ReadImageHeader(image->get());
    if (!header.Valid() || header.format != FormatOfName(source.name)) {
        plan.state = PictureState::Undecodable;
        return plan;
    }
    plan.image = header.Upright();
    plan.orientation = header.orientation;
    const std::vector<PictureKind> kinds = NeededKinds(sizes, plan.image, IsAnimated(source));
    if (kinds.empty()) { // the image serves as its own pictures
        plan.state = PictureState::Ready;
        return plan;
    }
    plan.decodeBytes = header.DecodeBytes(sizes.Longest(kinds.front()));
    const qint64 pixels = qint64(header.stored.width()) * header.stored.height();
    if (pixels > limits_.maxPixels || plan.decodeBytes > limits_.memoryBytes) {
        plan.state = PictureState::TooLarge;
    } else if (QByteArray identity = PictureStamp::Identity(st); slow.count(identity) > 0) {
        plan.state = PictureState::TooSlow; // ran out of its time before, and is unchanged
        plan.identity = std::move(identity);
    }
    return plan;
}

std::vector<PicturePlan> PictureWorkers::Plan(const std::vector<PictureSource>& sources,
                                              const PictureSizes& sizes) {
    std::vector<PicturePlan> plans;
    plans.reserve(sources.size());
    std::map<int, SlowImages> records; // each read once
    for (const PictureSource& source : sources) {
        const int folder = SlowRecordFolder(source, sizes);
        auto record = records.find(folder);
        if (record == records.end())
            record =
                records.emplace(folder, folder >= 0 ? ReadSlowImages(folder) : SlowImages()).first;
        plans.push_back(PlanOne(source, sizes, record->second));
    }
    return plans;
}

bool PictureWorkers::Make(const std::vector<PictureSource>& sources, const PictureSizes& sizes,
                          std::vector<PicturePlan>& plans,
                          const std::function<bool(int, int)>& progress) {
    DecodeBatch batch(sources, sizes, plans, limits_, decoder_);
    const int total = batch.Total();
    if (total == 0) {
        WriteSlowRecords(sources, sizes, plans);
        (void)progress(0, 0);
        return true;
    }
    const int count =
        qBound(1, limits_.processes > 0 ? limits_.processes : QThread::idealThreadCount(), total);
    std::vector<std::thread> threads;
    for (int i = 0; i < count; ++i)
        threads.emplace_back([&batch] { batch.Work(); });
    // The calling thread reports and listens for a stop, which ends every decoder at once.
    bool stopped = false;
    for (;;) {
        if (!progress(batch.Done(), total)) {
            batch.Stop();
            stopped = true;
            break;
        }
        if (batch.WaitFinished(count))
            break;
    }
    for (std::thread& thread : threads)
        thread.join();
    WriteSlowRecords(sources, sizes, plans);
    if (!stopped)
        (void)progress(batch.Done(), total);
    return !stopped;
}

} // namespace tuk
