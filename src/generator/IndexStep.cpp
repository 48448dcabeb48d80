#include "generator/IndexStep.h"

#include "base/SystemError.h"
#include "generator/PageFile.h"
#include "generator/PageGenerator.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tuk {

namespace {

// Names shown in a finished run's message before "and N more".
constexpr int kNamesShown = 20;

const char* MissingReason(PictureState state) {
    switch (state) {
    case PictureState::TooLarge:
        return "too large";
    case PictureState::Undecodable:
        return "could not be decoded";
    case PictureState::TooSlow:
        return "too slow to decode";
    default:
        return nullptr;
    }
}

} // namespace

IndexStep::IndexStep(const PageRun& run, int outFd, const QString& outFolder)
    : run_(run), outFd_(outFd), outFolder_(outFolder) {
    sizes_.thumb = run.thumbSize;
    auto channel = [](qint16 value) { return quint32(qBound(0, int(value), 255)); };
    sizes_.background = channel(run.settings.BackR) << 16 | channel(run.settings.BackG) << 8 |
                        channel(run.settings.BackB);
}

IndexStep::~IndexStep() {
    if (thumbsFd_ >= 0)
        close(thumbsFd_);
}

void IndexStep::Add(IndexEntry entry, PictureSource source, QByteArray imageRef) {
    source.folderFd = thumbsFd_;
    source.shownFolder = outFolder_ + QLatin1String(kThumbsFolderName) + QLatin1Char('/');
    entries_.push_back(std::move(entry));
    sources_.push_back(std::move(source));
    imageRefs_.push_back(std::move(imageRef));
}

int IndexStep::OpenThumbsFolder(QString& failure) {
    if (!run_.pictures)
        return -1;
    if (mkdirat(outFd_, kThumbsFolderName, 0777) != 0 && errno != EEXIST) {
        failure = QStringLiteral("Cannot make the folder %1%2: %3. No page was written.")
                      .arg(outFolder_, QLatin1String(kThumbsFolderName), ErrorText(errno));
        return -1;
    }
    thumbsFd_ = openat(outFd_, kThumbsFolderName, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (thumbsFd_ < 0)
        failure = QStringLiteral("Cannot open the folder %1%2: %3. No page was written.")
                      .arg(outFolder_, QLatin1String(kThumbsFolderName), ErrorText(errno));
    return thumbsFd_;
}

QString IndexStep::Prepare(PageFileWriter& writer) {
    if (run_.pictures)
        plans_ = run_.pictures->Plan(sources_, sizes_);
    else
        plans_.assign(entries_.size(), PicturePlan{}); // no pictures, none counted missing
    return Write(writer, entries_.size());
}

int IndexStep::PicturesToMake() const {
    int count = 0;
    for (const PicturePlan& plan : plans_)
        count += plan.state == PictureState::Pending ? 1 : 0;
    return count;
}

IndexStep::End IndexStep::MakePictures(const std::function<bool(int, int)>& progress,
                                       QString& failure) {
    if (!run_.pictures)
        return End::Finished;
    bool stopped = false;
    run_.pictures->Make(sources_, sizes_, plans_, progress, stopped);
    for (const PicturePlan& plan : plans_) {
        if (plan.state == PictureState::Failed) {
            failure = plan.failure + QLatin1Char('.');
            return End::Failed;
        }
    }
    return stopped ? End::Stopped : End::Finished;
}

QString IndexStep::Write(PageFileWriter& writer, size_t count) {
    std::vector<IndexEntry> shown(entries_.begin(), entries_.begin() + qsizetype(count));
    for (size_t k = 0; k < shown.size(); ++k) {
        IndexEntry& entry = shown[k];
        const PicturePlan& plan = plans_[k];
        const QSize thumb = plan.size[size_t(PictureKind::Thumb)];
        if (!plan.Ready()) {
            entry.thumb = QSize();
        } else if (thumb.isEmpty()) { // the image is as small as a thumbnail: it serves itself
            entry.thumb = plan.image;
            entry.thumbLink = imageRefs_[k];
            entry.thumb2xLink.clear();
        } else {
            entry.thumb = thumb;
            if (plan.size[size_t(PictureKind::Thumb2x)].isEmpty())
                entry.thumb2xLink.clear();
        }
    }
    IndexLayout layout;
    layout.title = PageFolderName(run_.sFolder.text);
    layout.thumbSize = run_.thumbSize;
    const QByteArray page = ComposeIndexPages(run_.settings, run_.body, layout, shown).front();
    if (writer.Write(QByteArrayView(kIndexFileName), page) != PageFileWriter::Outcome::Failed)
        return QString();
    return QStringLiteral("Cannot write the index page %1%2: %3.")
        .arg(outFolder_, QLatin1String(kIndexFileName), ErrorText(writer.error()));
}

void IndexStep::Report(PageRunResult& result) const {
    int named = 0;
    for (size_t k = 0; k < plans_.size(); ++k) {
        const char* reason = MissingReason(plans_[k].state);
        if (!reason)
            continue;
        int& count = plans_[k].state == PictureState::TooLarge      ? result.picturesTooLarge
                     : plans_[k].state == PictureState::Undecodable ? result.picturesUndecodable
                                                                    : result.picturesTooSlow;
        ++count;
        if (named++ < kNamesShown)
            result.picturesMissing +=
                QStringLiteral("%1%2 (%3)")
                    .arg(result.picturesMissing.isEmpty() ? QString() : QStringLiteral(", "),
                         sources_[k].shown, QLatin1String(reason));
    }
    if (named > kNamesShown)
        result.picturesMissing += QStringLiteral(" and %1 more").arg(named - kNamesShown);
}

} // namespace tuk
