#include "thumbnails/PictureWorkers.h"

#include "base/FsName.h"
#include "base/SystemError.h"
#include "generator/ImageHeader.h"
#include "generator/PageFile.h"
#include "thumbnails/DecodeProtocol.h"
#include "thumbnails/DecoderProcess.h"
#include "generator/PictureStamp.h"

#include <QFileInfo>
#include <QThread>
#include <algorithm>
#include <condition_variable>
#include <fcntl.h>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace tuk {

namespace {

constexpr auto kProgressPace = std::chrono::milliseconds(40);

// A descriptor closed when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0)
            close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Opens a file of a folder for reading without ever blocking (a FIFO opens at once) and keeps
// it only when it is a regular file; `why` tells otherwise.
int OpenRegular(int folderFd, const QByteArray& name, bool followLinks, struct stat& st,
                QString& why) {
    const int fd =
        openat(folderFd, name.constData(),
               O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (followLinks ? 0 : O_NOFOLLOW));
    if (fd < 0) {
        why = ErrorText(errno);
        return -1;
    }
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        why = QStringLiteral("not a regular file");
        close(fd);
        return -1;
    }
    return fd;
}

// A picture as it lies in its folder: its size and stamp, read from its header alone.
struct PictureOnDisk {
    QSize size;
    std::optional<PictureStamp> stamp;
};

PictureOnDisk ReadPicture(int folderFd, const QByteArray& name) {
    struct stat st {};
    QString why;
    const Fd fd(OpenRegular(folderFd, name, false, st, why));
    if (fd.get() < 0)
        return {};
    const ImageHeader header = ReadImageHeader(fd.get());
    if (header.format != ImageFormat::Jpeg)
        return {};
    return {header.stored, PictureStamp::Find(header.comment)};
}

bool IsGif(const PictureSource& source) {
    return FormatOfName(source.name) == ImageFormat::Gif;
}

// The pictures an image of this size gets made, largest first: each is scaled from the one
// before it.
std::vector<PictureKind> NeededKinds(const PictureSizes& sizes, QSize image, bool gif) {
    std::vector<PictureKind> kinds;
    for (PictureKind kind : kPictureKindList)
        if (sizes.Needs(kind, image, gif))
            kinds.push_back(kind);
    std::stable_sort(kinds.begin(), kinds.end(), [&](PictureKind a, PictureKind b) {
        return sizes.Longest(a) > sizes.Longest(b);
    });
    return kinds;
}

std::optional<quint32> StampBackground(const PictureSource& source, const PictureSizes& sizes) {
    if (IsGif(source))
        return sizes.background;
    return std::nullopt;
}

// Memory reserved by the images being decoded; an image waits until its share is free.
class MemoryBudget {
public:
    explicit MemoryBudget(qint64 bytes) : free_(bytes) {}
    bool Take(qint64 bytes, const std::atomic<bool>& stop) {
        std::unique_lock<std::mutex> lock(mutex_);
        while (free_ < bytes && !stop)
            changed_.wait_for(lock, std::chrono::milliseconds(50));
        if (stop)
            return false;
        free_ -= bytes;
        return true;
    }
    void Give(qint64 bytes) {
        const std::lock_guard<std::mutex> lock(mutex_);
        free_ += bytes;
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    qint64 free_;
};

// The work of one Make call, shared by its threads.
class Batch {
public:
    Batch(const std::vector<PictureSource>& sources, const PictureSizes& sizes,
          std::vector<PicturePlan>& plans, const DecodeLimits& limits, const QString& decoder)
        : sources_(sources), sizes_(sizes), plans_(plans), limits_(limits), decoder_(decoder),
          budget_(limits.memoryBytes) {
        for (size_t i = 0; i < plans.size(); ++i)
            if (plans[i].state == PictureState::Pending)
                pending_.push_back(i);
    }

    int Total() const { return static_cast<int>(pending_.size()); }
    int Done() const { return done_; }
    void Stop() { stop_ = true; }

    // Takes images until none is left or the work stops.
    void Work() {
        DecoderProcess process(decoder_);
        for (size_t k; !stop_ && (k = next_++) < pending_.size(); ++done_)
            One(process, sources_[pending_[k]], plans_[pending_[k]]);
        process.Kill();
        const std::lock_guard<std::mutex> lock(finishing_);
        ++finished_;
        finishedChanged_.notify_all();
    }

    // Waits one progress pace, or less when every thread has finished.
    bool WaitFinished(int threads) {
        std::unique_lock<std::mutex> lock(finishing_);
        return finishedChanged_.wait_for(lock, kProgressPace, [&] { return finished_ == threads; });
    }

private:
    void Fail(PicturePlan& plan, const QString& failure) {
        plan.state = PictureState::Failed;
        plan.failure = failure;
        stop_ = true; // the run fails: no other image is started
    }

    void One(DecoderProcess& process, const PictureSource& source, PicturePlan& plan) {
        struct stat st {};
        QString why;
        const Fd image(OpenRegular(source.imageFolderFd, source.name, true, st, why));
        if (image.get() < 0)
            return Fail(plan,
                        QStringLiteral("Cannot read the image %1: %2").arg(source.shown, why));
        DecodeRequest request;
        request.format = FormatOfName(source.name);
        request.upright = plan.image;
        request.background = sizes_.background;
        const std::vector<PictureKind> kinds = NeededKinds(sizes_, plan.image, IsGif(source));
        for (PictureKind kind : kinds) {
            request.longest.push_back(sizes_.Longest(kind));
            request.comments.push_back(PictureStamp::Of(st, plan.image, sizes_.Longest(kind),
                                                        StampBackground(source, sizes_))
                                           .Text());
        }
        if (!budget_.Take(plan.decodeBytes, stop_))
            return;
        QByteArray answer;
        const DecoderProcess::Answer got =
            process.Ask(request.Encode(), image.get(),
                        std::chrono::steady_clock::now() + limits_.perImage, stop_, answer);
        const int error = errno;
        budget_.Give(plan.decodeBytes);
        DecodeReply reply;
        switch (got) {
        case DecoderProcess::Answer::Reply:
            if (DecodeReply::Decode(answer, reply) && reply.jpegs.size() == kinds.size())
                return Keep(source, kinds, reply, plan);
            plan.state = PictureState::Undecodable;
            return;
        case DecoderProcess::Answer::TimedOut:
            plan.state = PictureState::TooSlow;
            return;
        case DecoderProcess::Answer::Died:
            plan.state = PictureState::Undecodable;
            return;
        case DecoderProcess::Answer::Stopped:
            return;
        case DecoderProcess::Answer::CannotStart:
            return Fail(plan, QStringLiteral("Cannot start the image decoder %1: %2")
                                  .arg(decoder_, ErrorText(error)));
        }
    }

    void Keep(const PictureSource& source, const std::vector<PictureKind>& kinds,
              const DecodeReply& reply, PicturePlan& plan) {
        const std::lock_guard<std::mutex> lock(writing_);
        for (size_t i = 0; i < kinds.size(); ++i) {
            std::unique_ptr<PageFileWriter>& writer = writers_[source.FolderOf(kinds[i])];
            if (!writer) {
                writer = std::make_unique<PageFileWriter>(source.FolderOf(kinds[i]));
                writer->ReadFolder();
            }
            const QByteArray name = PictureFileName(source.stem, kinds[i]);
            if (writer->Write(name, reply.jpegs[i]) == PageFileWriter::Outcome::Failed)
                return Fail(
                    plan,
                    QStringLiteral("Cannot write the %1 %2: %3")
                        .arg(kinds[i] == PictureKind::Web ? QStringLiteral("screen-sized copy")
                                                          : QStringLiteral("thumbnail"),
                             source.shownFolder + ShownText(PicturePath(source.stem, kinds[i])),
                             ErrorText(writer->error())));
            plan.size[static_cast<size_t>(kinds[i])] = reply.sizes[i];
        }
        plan.state = PictureState::Ready;
    }

    const std::vector<PictureSource>& sources_;
    const PictureSizes& sizes_;
    std::vector<PicturePlan>& plans_;
    const DecodeLimits& limits_;
    const QString& decoder_;
    std::vector<size_t> pending_;
    std::atomic<size_t> next_{0};
    std::atomic<int> done_{0};
    std::atomic<bool> stop_{false};
    MemoryBudget budget_;
    std::mutex writing_;
    std::map<int, std::unique_ptr<PageFileWriter>> writers_;
    std::mutex finishing_;
    std::condition_variable finishedChanged_;
    int finished_ = 0;
};

} // namespace

PictureWorkers::PictureWorkers(DecodeLimits limits, QString decoder)
    : limits_(limits), decoder_(std::move(decoder)) {}

QString PictureWorkers::DefaultDecoder() {
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath() +
           QStringLiteral("/../libexec/tu_k/tu_k-decode");
}

namespace {

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
    for (PictureKind kind : NeededKinds(sizes, plan.image, IsGif(source))) {
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

PicturePlan PictureWorkers::PlanOne(const PictureSource& source, const PictureSizes& sizes) const {
    struct stat st {};
    QString why;
    const Fd image(OpenRegular(source.imageFolderFd, source.name, true, st, why));
    if (image.get() < 0)
        return {}; // making it tells why
    PicturePlan plan = KeptPictures(source, sizes, st, StampBackground(source, sizes));
    if (plan.Ready())
        return plan;
    const ImageHeader header = ReadImageHeader(image.get());
    if (!header.Valid() || header.format != FormatOfName(source.name)) {
        plan.state = PictureState::Undecodable;
        return plan;
    }
    plan.image = header.Upright();
    const std::vector<PictureKind> kinds = NeededKinds(sizes, plan.image, IsGif(source));
    if (kinds.empty()) { // the image serves as its own pictures
        plan.state = PictureState::Ready;
        return plan;
    }
    plan.decodeBytes = header.DecodeBytes(sizes.Longest(kinds.front()));
    const qint64 pixels = qint64(header.stored.width()) * header.stored.height();
    if (pixels > limits_.maxPixels || plan.decodeBytes > limits_.memoryBytes)
        plan.state = PictureState::TooLarge;
    return plan;
}

std::vector<PicturePlan> PictureWorkers::Plan(const std::vector<PictureSource>& sources,
                                              const PictureSizes& sizes) {
    std::vector<PicturePlan> plans;
    plans.reserve(sources.size());
    for (const PictureSource& source : sources)
        plans.push_back(PlanOne(source, sizes));
    return plans;
}

void PictureWorkers::Make(const std::vector<PictureSource>& sources, const PictureSizes& sizes,
                          std::vector<PicturePlan>& plans,
                          const std::function<bool(int, int)>& progress, bool& stopped) {
    stopped = false;
    Batch batch(sources, sizes, plans, limits_, decoder_);
    const int total = batch.Total();
    if (total == 0) {
        (void)progress(0, 0);
        return;
    }
    const int count =
        qBound(1, limits_.processes > 0 ? limits_.processes : QThread::idealThreadCount(), total);
    std::vector<std::thread> threads;
    for (int i = 0; i < count; ++i)
        threads.emplace_back([&batch] { batch.Work(); });
    // The calling thread reports and listens for a stop, which ends every decoder at once.
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
    if (!stopped)
        (void)progress(batch.Done(), total);
}

} // namespace tuk
