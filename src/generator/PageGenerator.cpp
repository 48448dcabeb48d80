#include "generator/PageGenerator.h"

#include "base/Append.h"
#include "base/PathNames.h"
#include "base/SystemError.h"
#include "base/Volumes.h"
#include "generator/FolderRun.h"
#include "generator/IndexPage.h"
#include "generator/PageComposer.h"
#include "generator/PageEncoding.h"
#include "generator/PageFile.h"
#include "generator/PageNames.h"
#include "generator/PictureStep.h"

#include <QDate>
#include <QElapsedTimer>
#include <cerrno>
#include <climits>
#include <cmath>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tuk {

void PageRunListener::Planned(int, int) {}
void PageRunListener::Progress(int, int, const QString&) {}
void PageRunListener::Yield() {}
bool PageRunListener::StopRequested() {
    return false;
}
void PageRunListener::ThumbProgress(int, int, const QString&) {}

OutputChoice ChooseOutputFolder(const FsName& sFolder, VolumeKind driveType,
                                const QString& targetFolder, bool intoTarget) {
    OutputChoice choice;
    choice.lRemote = intoTarget || driveType != VolumeKind::FixedDisk;
    choice.sOutFolder = choice.lRemote ? FsName(WithTrailingSeparator(targetFolder))
                                       : WithTrailingSeparator(sFolder);
    const QByteArray name = WithTrailingSeparator(sFolder).bytes.chopped(1);
    if (intoTarget && name.lastIndexOf('/') < name.size() - 1) // the root folder has no name
        choice.sOutFolder = WithTrailingSeparator(
            FsName(choice.sOutFolder.bytes + name.mid(name.lastIndexOf('/') + 1)));
    return choice;
}

QString MakeQuestion(const QString& sOutFolder, int nImages, const QString& sFolder,
                     int subfolders) {
    QString question = QLatin1String("Make HTML's in ") + sOutFolder + QLatin1String(" for ") +
                       QString::number(nImages) + QLatin1String(" Image(s) in ") + sFolder;
    if (subfolders > 0)
        question += QStringLiteral(" and %1 subfolder(s)").arg(subfolders);
    return question + QLatin1Char('?');
}

QString ImageStatusText(int k, int n) {
    return QLatin1String("Image: ") + QString::number(k) + QLatin1String(" / ") +
           QString::number(n);
}

QString FormatElapsed(double seconds, const QLocale& locale) {
    if (!(seconds > 0)) // also catches NaN
        seconds = 0;
    const auto thousandths = static_cast<qint64>(std::llround(seconds * 1000.0));
    const QString whole = QString::number(thousandths / 1000);
    QString text;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            text += locale.groupSeparator();
        text += whole[i];
    }
    QString decimals = QString::number(thousandths % 1000 + 1000).mid(1);
    while (decimals.size() > 1 && decimals.endsWith(QLatin1Char('0')))
        decimals.chop(1);
    return text + locale.decimalPoint() + decimals;
}

QString PageFolderName(const QString& sFolder) {
    const QString name = GetFileName(WithTrailingSeparator(sFolder).chopped(1)).toLower();
    return name.isEmpty() ? QStringLiteral("/") : name;
}

namespace {

// A run over one folder, or over a tree of them: every check first, then every folder's
// index page as it can be now, the pages of every folder in tree order, the pictures of all of
// them at once, on every core, and every index page again. Every check that can refuse the
// run comes before anything is written.
class Runner {
public:
    explicit Runner(const PageRun& run);
    PageRunResult Run(PageRunListener& events);

private:
    QString Check();
    QString Open();
    RunEnd MakePictures(PageRunListener& events, QString& failure);
    // Once no page and no picture will come any more: pages show only copies that exist, and
    // every index page the pages that exist.
    QString Settle();
    QString WriteIndexes(bool allImages);
    QString SkippedFolders() const;
    PageRunResult Finish(RunEnd end, const QString& message);

    const PageRun run_; // its own copy: see PageGenerator
    AlbumTree tree_;
    const OutputChoice output_;
    QElapsedTimer clock_;
    PageRunResult result_;
    PictureStep pictures_;
    RunShared shared_;
    std::vector<std::unique_ptr<FolderRun>> folders_;
};

AlbumTree TreeOf(const PageRun& run) {
    if (run.settings.lSubfolders && !run.tree.albums.empty())
        return run.tree;
    AlbumTree tree;
    const FsName folder = WithTrailingSeparator(run.sFolder);
    tree.albums.push_back({folder,
                           QByteArray(),
                           run.images,
                           -1,
                           {},
                           int(qMin<qsizetype>(run.images.size(), INT_MAX)),
                           0});
    return tree;
}

Runner::Runner(const PageRun& run)
    : run_(run), tree_(TreeOf(run)),
      output_(ChooseOutputFolder(tree_.albums.front().folder, run.driveType,
                                 run.settings.TargetFolder, run.settings.lIntoTarget)),
      pictures_(run_), shared_(run_, pictures_, result_) {
    clock_.start();
    result_.lRemote = output_.lRemote;
    result_.sOutFolder = output_.sOutFolder.text;
    qint64 total = 0;
    for (const Album& album : tree_.albums)
        total += album.images.size();
    shared_.total = int(qMin<qint64>(total, INT_MAX));
}

PageRunResult Runner::Finish(RunEnd end, const QString& message) {
    result_.end = end;
    result_.message = message;
    result_.elapsedSeconds = static_cast<double>(clock_.nsecsElapsed()) / 1e9;
    const char* word = end == RunEnd::Finished  ? " -- OK"
                       : end == RunEnd::Stopped ? " -- Stopped"
                                                : " -- Failed";
    result_.statusText = ImageStatusText(shared_.position, shared_.total) + QLatin1String(" -- ");
    const QString missing = MissingPicturesText(result_);
    if (!missing.isEmpty())
        result_.statusText += missing + QLatin1String(" -- ");
    result_.statusText += FormatElapsed(result_.elapsedSeconds, run_.locale) + QLatin1String(word);
    return result_;
}

QString Runner::Check() {
    qint64 images = 0;
    for (const Album& album : tree_.albums)
        images += album.images.size();
    if (images > INT_MAX)
        return QStringLiteral("A run of more than %1 images is too large. No page was written.")
            .arg(INT_MAX);
    const Album& top = tree_.albums.front();
    // Pages written inside the tree they are made of would become part of it.
    if (output_.lRemote && (run_.settings.lSubfolders || run_.settings.lIntoTarget) &&
        IsSameOrBelow(WithoutTrailingSeparator(output_.sOutFolder.text),
                      WithoutTrailingSeparator(top.folder.text)))
        return QStringLiteral("The target folder %1 lies inside %2, whose pages it would hold; "
                              "choose a folder outside it. No page was written.")
            .arg(output_.sOutFolder.text, top.folder.text);
    for (const Album& album : tree_.albums) {
        OutputChoice output = output_;
        if (output.lRemote)
            output.sOutFolder = FsName(output_.sOutFolder.bytes + album.relative);
        else
            output.sOutFolder = album.folder;
        folders_.push_back(std::make_unique<FolderRun>(shared_, album, output));
        if (QString failure = folders_.back()->Check(); !failure.isEmpty())
            return failure;
    }
    return QString();
}

QString Runner::Open() {
    // Every folder keeps its descriptors until the pictures are made: a large tree needs more
    // than the usual soft limit of open files.
    rlimit files{};
    if (folders_.size() > 64 && getrlimit(RLIMIT_NOFILE, &files) == 0 &&
        files.rlim_cur < files.rlim_max) {
        files.rlim_cur = files.rlim_max;
        (void)setrlimit(RLIMIT_NOFILE, &files); // else the usual limit: a large tree may fail
    }
    for (size_t i = 0; i < folders_.size(); ++i) {
        // An album's index leads up to its parent's: one folder up, or by full path.
        QByteArray up;
        if (const int parent = tree_.albums[i].parent; parent >= 0 && output_.lRemote) {
            AppendLink(up, output_.sOutFolder.bytes + tree_.albums[size_t(parent)].relative);
            up += kIndexFileName;
        } else if (parent >= 0) {
            up = QByteArray("../") + kIndexFileName;
        }
        if (QString failure = folders_[i]->Open(up); !failure.isEmpty())
            return failure;
    }
    pictures_.Plan();
    for (size_t i = 1; i < tree_.albums.size() && run_.settings.lIndex; ++i) {
        const Album& album = tree_.albums[i];
        FolderRun& parent = *folders_[size_t(album.parent)];
        folders_[i]->AddAlbumEntry(*parent.Index(), tree_.albums[size_t(album.parent)].relative,
                                   int(i), *folders_[size_t(album.cover)]);
    }
    for (const std::unique_ptr<FolderRun>& folder : folders_) {
        if (folder->PageCount() > 0 && result_.firstPagePath.isEmpty()) {
            result_.firstPagePath = folder->FirstPageLink();
            result_.sFirstPage =
                output_.lRemote ? result_.firstPagePath : GetFileName(result_.firstPagePath);
        }
    }
    return WriteIndexes(true);
}

QString Runner::WriteIndexes(bool allImages) {
    for (const std::unique_ptr<FolderRun>& folder : folders_) {
        const QString failure = folder->WriteIndex(
            allImages ? folder->PageCount() : folder->PagesMade(), [](int) { return true; });
        if (!failure.isEmpty())
            return failure;
    }
    return QString();
}

QString Runner::Settle() {
    pictures_.Settle();
    for (const std::unique_ptr<FolderRun>& folder : folders_) {
        folder->RemoveEmptyPictureFolders();
        if (QString failure = folder->ShowMissingCopiesAsImages(); !failure.isEmpty())
            return failure;
    }
    return WriteIndexes(false);
}

RunEnd Runner::MakePictures(PageRunListener& events, QString& failure) {
    QString status;
    auto progress = [&](int k, int n) {
        status = QStringLiteral("Thumbnails: %1 / %2").arg(k).arg(n);
        events.ThumbProgress(k, n, status);
        events.Yield();
        return !events.StopRequested();
    };
    const RunEnd end = pictures_.Make(progress, failure);
    if (end == RunEnd::Stopped)
        failure = QStringLiteral("Stopped on request while making thumbnails; the index page "
                                 "shows those made so far.");
    return end;
}

QString Runner::SkippedFolders() const {
    QStringList parts;
    if (!tree_.unreadable.isEmpty())
        parts << QStringLiteral("%1 folder(s) could not be read and were left out: %2.")
                     .arg(tree_.unreadable.size())
                     .arg(tree_.unreadable.join(QLatin1String(", ")));
    if (!tree_.otherVolumes.isEmpty())
        parts << QStringLiteral("%1 folder(s) on other volumes were left out: %2.")
                     .arg(tree_.otherVolumes.size())
                     .arg(tree_.otherVolumes.join(QLatin1String(", ")));
    if (!result_.picturesMissing.isEmpty())
        parts << QStringLiteral("No thumbnail for %1.").arg(result_.picturesMissing);
    return parts.join(QLatin1Char(' '));
}

PageRunResult Runner::Run(PageRunListener& events) {
    if (shared_.total == 0 && !(run_.settings.lSubfolders && tree_.TotalImages() > 0))
        return result_;
    QString failure = Check();
    if (failure.isEmpty())
        failure = Open();
    if (!failure.isEmpty())
        return Finish(RunEnd::Failed, failure);
    events.Planned(shared_.total, pictures_.ToMake());
    RunEnd end = RunEnd::Finished;
    for (const std::unique_ptr<FolderRun>& folder : folders_) {
        if (folder->PageCount() > 0 && (end = folder->Pages(events, failure)) != RunEnd::Finished)
            break;
    }
    if (end == RunEnd::Finished && pictures_.Active())
        end = MakePictures(events, failure);
    const QString notSettled = Settle();
    pictures_.Report(result_);
    if (end != RunEnd::Finished)
        return Finish(end, failure);
    if (!notSettled.isEmpty())
        return Finish(RunEnd::Failed, notSettled);
    if (run_.settings.lIndex)
        result_.indexPath = output_.sOutFolder.text + QLatin1String(kIndexFileName);
    return Finish(RunEnd::Finished, SkippedFolders());
}

} // namespace

PageRunResult PageGenerator(const PageRun& input, PageRunListener* listener) {
    // The run works on its own copy (cheap: Qt's containers share until written), so that
    // handlers that run while it yields cannot change the list or the options under it.
    PageRunListener quiet;
    return Runner(input).Run(listener ? *listener : quiet);
}

} // namespace tuk
