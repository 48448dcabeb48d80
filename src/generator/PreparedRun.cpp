#include "generator/PreparedRun.h"

#include "base/Append.h"
#include "base/FolderIdentity.h"
#include "base/PathNames.h"
#include "generator/FolderRun.h"
#include "generator/ImageFormats.h"
#include "generator/IndexPage.h"
#include "generator/PageEncoding.h"
#include "generator/RunState.h"
#include "generator/SiteSteps.h"

#include <QCoreApplication>
#include <sys/resource.h>

namespace tuk {

namespace {

QString NoImagesText(const RunState& s) {
    //: %1 the folder, %2 the names' endings of images: ".gif, .jpg, .jpeg"
    QString text = s.run.settings.lSubfolders
                       ? QCoreApplication::translate(
                             "Run", "There are no images (%2) in %1 or its subfolders.")
                       //: %1 the folder, %2 the names' endings of images: ".gif, .jpg, .jpeg"
                       : QCoreApplication::translate("Run", "There are no images (%2) in %1.");
    text = text.arg(s.tree.albums.front().folder.text, ImageExtensionList());
    if (const QString leftOut = LeftOutText(s.tree); !leftOut.isEmpty())
        text += QLatin1Char(' ') + leftOut;
    return text;
}

// Every check that can refuse the run, before anything is written.
Done Check(RunState& s) {
    qint64 images = 0;
    for (const Album& album : s.tree.albums)
        images += album.images.size();
    if (images > INT_MAX)
        return Failure{QCoreApplication::translate(
                           "Run", "A run of more than %1 images is too large. No page was written.")
                           .arg(INT_MAX)};
    const Album& top = s.tree.albums.front();
    // Pages written inside the tree they are made of would become part of it: told by what is
    // on disk, so a link or a bind mount to the tree counts.
    if (s.output.lRemote && (s.run.settings.lSubfolders || s.run.settings.lIntoTarget) &&
        IsSameOrInsideFolder(s.output.sOutFolder.bytes, top.folder.bytes))
        //: %1 the target folder, %2 the folder whose pages are made
        return Failure{QCoreApplication::translate(
                           "Run", "The target folder %1 lies inside %2, whose pages it would hold; "
                                  "choose a folder outside it. No page was written.")
                           .arg(s.output.sOutFolder.text, top.folder.text)};
    for (const Album& album : s.tree.albums) {
        OutputChoice output = s.output;
        output.sOutFolder =
            output.lRemote ? FsName(s.output.sOutFolder.bytes + album.relative) : album.folder;
        s.folders.push_back(std::make_unique<FolderRun>(s, album, output));
        if (Done checked = s.folders.back()->Check(); !checked)
            return checked;
    }
    return CheckSiteSource(s);
}

// Every album's index leads up to its parent's: one folder up, or by full path.
QByteArray UpLink(const RunState& s, const Album& album) {
    QByteArray up;
    if (album.parent >= 0 && s.output.FullPaths()) {
        AppendLink(up, s.output.sOutFolder.bytes + s.tree.albums[size_t(album.parent)].relative);
        up += kIndexFileName;
    } else if (album.parent >= 0) {
        up = QByteArray("../") + kIndexFileName;
    }
    return up;
}

// Above first, so an album's index links up to one that is there, and an album is listed only
// once its own index is there: whenever the run ends, even killed, no index links one that is
// not.
Done WriteIndexes(RunState& s, const std::vector<bool>& inPlace) {
    for (const std::unique_ptr<FolderRun>& folder : s.folders) {
        Done written = folder->WriteIndex([&](int album) {
            return inPlace[size_t(album)] && s.folders[size_t(album)]->HasIndex();
        });
        if (!written)
            return written;
    }
    return {};
}

// Output folders made, pictures planned, and every index page as it can be now.
Done Open(RunState& s) {
    s.Enter(RunPhase::Opened);
    // Every folder keeps its descriptors until the run ends: a large tree needs more than the
    // usual soft limit of open files.
    rlimit files{};
    if (s.folders.size() > 64 && getrlimit(RLIMIT_NOFILE, &files) == 0 &&
        files.rlim_cur < files.rlim_max) {
        files.rlim_cur = files.rlim_max;
        (void)setrlimit(RLIMIT_NOFILE, &files); // else the usual limit: a large tree may fail
    }
    for (size_t i = 0; i < s.folders.size(); ++i) {
        if (Done opened = s.folders[i]->Open(UpLink(s, s.tree.albums[i])); !opened)
            return opened;
    }
    if (Done recorded = RecordSite(s, false); !recorded)
        return recorded;
    s.pictures.Plan();
    for (size_t i = 1; i < s.tree.albums.size() && s.run.settings.lIndex; ++i) {
        const Album& album = s.tree.albums[i];
        FolderRun& parent = *s.folders[size_t(album.parent)];
        s.folders[i]->AddAlbumEntry(*parent.Index(), s.tree.albums[size_t(album.parent)].relative,
                                    int(i), *s.folders[size_t(album.cover)]);
    }
    for (const std::unique_ptr<FolderRun>& folder : s.folders) {
        if (folder->PageCount() > 0 && s.result.firstPagePath.isEmpty()) {
            s.result.firstPagePath = folder->FirstPageLink();
            s.result.sFirstPage =
                s.output.FullPaths() ? s.result.firstPagePath : GetFileName(s.result.firstPagePath);
        }
    }
    return WriteIndexes(s, std::vector<bool>(s.folders.size(), true));
}

RunEnd WritePages(RunState& s, PageRunListener& events, QString& failure) {
    s.Enter(RunPhase::Pages);
    for (const std::unique_ptr<FolderRun>& folder : s.folders) {
        if (folder->PageCount() == 0)
            continue;
        if (const RunEnd end = folder->Pages(events, failure); end != RunEnd::Finished)
            return end;
    }
    return RunEnd::Finished;
}

RunEnd MakePictures(RunState& s, PageRunListener& events, QString& failure) {
    s.Enter(RunPhase::Pictures);
    if (!s.pictures.Active())
        return RunEnd::Finished;
    QString status;
    auto progress = [&](int k, int n) {
        //: the status line while the pictures are made: %1 of %2 images done
        status = QCoreApplication::translate("Run", "Thumbnails: %1 / %2").arg(k).arg(n);
        events.ThumbProgress(k, n, status);
        events.Yield();
        return !events.StopRequested();
    };
    const RunEnd end = s.pictures.Make(progress, failure);
    if (end != RunEnd::Stopped)
        return end;
    if (s.pictures.Sizes().web <= 0)
        failure = QCoreApplication::translate("Run", "Stopped on request while making thumbnails; "
                                                     "the index page shows those made so far.");
    else
        failure = QCoreApplication::translate(
            "Run", "Stopped on request while making pictures; pages whose screen-sized copy was "
                   "not made show the image itself.");
    return end;
}

// Once no page and no picture will come any more: pages show the copies that exist and link
// the pages that exist, every index page lists the pages that exist, and an album whose folder
// moved during the run is left out of the index above it. After a finished run, what the
// program wrote for images and albums that are gone goes. Settles everything it can; returns
// the first failure.
Done Settle(RunState& s, bool finished) {
    s.Enter(RunPhase::Settled);
    Done first;
    std::vector<bool> inPlace(s.folders.size(), true);
    for (size_t i = 0; i < s.folders.size(); ++i) {
        FolderRun& folder = *s.folders[i];
        QString moved;
        inPlace[i] = folder.StillInPlace(moved);
        Done settled = inPlace[i] ? folder.Settle() : Done(Failure{moved});
        if (first)
            first = std::move(settled);
    }
    if (Done indexes = WriteIndexes(s, inPlace); first)
        first = std::move(indexes);
    if (finished && first) {
        QSet<QByteArray> originals;
        if (s.siteRecord)
            originals =
                QSet<QByteArray>(s.siteRecord->originals.begin(), s.siteRecord->originals.end());
        for (const std::unique_ptr<FolderRun>& folder : s.folders)
            s.result.removed += folder->RemoveStale(originals);
        first = RecordSite(s, true);
    }
    for (const std::unique_ptr<FolderRun>& folder : s.folders)
        folder->RemoveEmptyPictureFolders();
    return first;
}

QString SkippedFolders(const RunState& s) {
    QStringList parts;
    if (const QString leftOut = LeftOutText(s.tree); !leftOut.isEmpty())
        parts << leftOut;
    if (!s.result.picturesMissing.isEmpty())
        //: %1 the images, each with why it has none
        parts << QCoreApplication::translate("Run", "No thumbnail for %1.")
                     .arg(s.result.picturesMissing);
    if (s.result.notPlaced > 0)
        //: %1 the images' names
        parts << QCoreApplication::translate("Run",
                                             "%n image(s) are not whole and were left out of the "
                                             "site, their pages showing no picture: %1.",
                                             nullptr, s.result.notPlaced)
                     .arg(AndMore(s.result.notPlacedNames.join(QLatin1String(", ")),
                                  s.result.notPlaced - int(s.result.notPlacedNames.size())));
    return parts.join(QLatin1Char(' '));
}

// The status line's last item.
QString EndWord(RunEnd end) {
    switch (end) {
    case RunEnd::Finished:
        //: the status line's end: the run made everything
        return QCoreApplication::translate("Run", "OK");
    case RunEnd::Stopped:
        //: the status line's end: the run was stopped
        return QCoreApplication::translate("Run", "Stopped");
    default:
        //: the status line's end: the run failed
        return QCoreApplication::translate("Run", "Failed");
    }
}

PageRunResult Report(RunState& s, RunEnd end, const QString& message) {
    s.Enter(RunPhase::Reported);
    s.pictures.Report(s.result);
    PageRunResult& r = s.result;
    r.end = end;
    r.message = end == RunEnd::Finished ? SkippedFolders(s) : message;
    if (end == RunEnd::Finished && s.run.settings.lIndex)
        r.indexPath = s.output.sOutFolder.text + QLatin1String(kIndexFileName);
    r.elapsedSeconds = static_cast<double>(s.clock.nsecsElapsed()) / 1e9;
    // The status line's items, each after " -- ": the images, the pictures missing, the
    // seconds, the files removed, how the run ended.
    const QLatin1String between(" -- ");
    r.statusText = ImageStatusText(s.position, s.total) + between;
    if (const QString missing = MissingPicturesText(r); !missing.isEmpty())
        r.statusText += missing + between;
    r.statusText += FormatElapsed(r.elapsedSeconds, s.run.locale);
    if (r.removed > 0)
        //: the status line: files of an earlier run that were removed
        r.statusText +=
            between + QCoreApplication::translate("Run", "%n removed", nullptr, r.removed);
    r.statusText += between + EndWord(end);
    return r;
}

} // namespace

PreparedRun PreparedRun::Prepare(PageRun run) {
    PreparedRun prepared;
    prepared.state_ = std::make_unique<RunState>(std::move(run));
    RunState& s = *prepared.state_;
    if (s.total == 0) {
        prepared.refused_ = RunEnd::NoImages;
        prepared.refusal_ = NoImagesText(s);
    } else if (const Done checked = Check(s); !checked) {
        prepared.refused_ = RunEnd::Failed;
        prepared.refusal_ = checked.failure().text;
    }
    return prepared;
}

PreparedRun::PreparedRun(PreparedRun&&) noexcept = default;
PreparedRun& PreparedRun::operator=(PreparedRun&&) noexcept = default;
PreparedRun::~PreparedRun() = default;

QString PreparedRun::Question() const {
    return MakeQuestion(state_->output.sOutFolder.text, state_->total,
                        state_->tree.albums.front().folder.text, state_->tree.Subfolders(),
                        state_->output.site);
}

int PreparedRun::Images() const {
    return state_->total;
}

const OutputChoice& PreparedRun::Output() const {
    return state_->output;
}

PageRunResult PreparedRun::Make(PageRunListener& events) {
    RunState& s = *state_;
    s.clock.start(); // the time the run takes, not the time its question waited
    if (refused_ == RunEnd::NoImages) {
        s.Enter(RunPhase::Reported);
        s.result.end = RunEnd::NoImages;
        s.result.message = refusal_;
        return s.result;
    }
    if (refused_ == RunEnd::Failed)
        return Report(s, RunEnd::Failed, refusal_);
    if (const Done opened = Open(s); !opened)
        return Report(s, RunEnd::Failed, opened.failure().text);
    events.Planned(s.total, s.pictures.ToMake());
    QString failure;
    RunEnd end = WritePages(s, events, failure);
    if (end == RunEnd::Finished)
        end = MakePictures(s, events, failure);
    if (const Done settled = Settle(s, end == RunEnd::Finished); !settled) {
        const QString& notSettled = settled.failure().text;
        end = RunEnd::Failed;
        failure = failure.isEmpty() ? notSettled : failure + QLatin1Char(' ') + notSettled;
    }
    return Report(s, end, failure);
}

} // namespace tuk
