#include "generator/PageGenerator.h"

#include "base/Append.h"
#include "base/PathNames.h"
#include "base/SystemError.h"
#include "base/Volumes.h"
#include "generator/IndexPage.h"
#include "generator/IndexStep.h"
#include "generator/PageComposer.h"
#include "generator/PageEncoding.h"
#include "generator/PageFile.h"
#include "generator/PageNames.h"

#include <QDate>
#include <QElapsedTimer>
#include <cerrno>
#include <climits>
#include <cmath>
#include <ctime>
#include <fcntl.h>
#include <optional>
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

OutputChoice ChooseOutputFolder(const FsName& sFolder, const QString& driveType,
                                const QString& targetFolder, bool intoTarget) {
    OutputChoice choice;
    choice.lRemote = intoTarget || driveType != QLatin1String(kFixedDisk);
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

// A descriptor closed when it goes out of scope.
class FolderHandle {
public:
    explicit FolderHandle(const QByteArray& path)
        : fd_(open(path.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC)) {}
    ~FolderHandle() {
        if (fd_ >= 0)
            close(fd_);
    }
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

// "1 too large, 2 could not be decoded": the images the index shows without a picture.
QString MissingPicturesText(const PageRunResult& r) {
    QStringList parts;
    if (r.picturesTooLarge > 0)
        parts << QStringLiteral("%1 too large").arg(r.picturesTooLarge);
    if (r.picturesUndecodable > 0)
        parts << QStringLiteral("%1 could not be decoded").arg(r.picturesUndecodable);
    if (r.picturesTooSlow > 0)
        parts << QStringLiteral("%1 too slow to decode").arg(r.picturesTooSlow);
    return parts.join(QLatin1String(", "));
}

QString CountSentence(const PageRunResult& r, int total) {
    QString text = QStringLiteral("%1 of %2 pages were written").arg(r.pagesWritten).arg(total);
    if (r.pagesUnchanged > 0)
        text += QStringLiteral(" and %1 left unchanged").arg(r.pagesUnchanged);
    return text + QLatin1String(" before the run stopped.");
}

// The date part of a file time in local time, as page text; dates repeat, so the last one
// is kept.
class DateTexts {
public:
    explicit DateTexts(const QLocale& locale) : locale_(locale) {}
    QByteArrayView Text(time_t seconds) {
        struct tm local {};
        localtime_r(&seconds, &local);
        const QDate date(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
        if (date != last_ || text_.isEmpty()) {
            last_ = date;
            text_.resize(0);
            AppendPageText(text_, locale_.toString(date, QLocale::ShortFormat));
        }
        return text_;
    }

private:
    QLocale locale_;
    QDate last_;
    QByteArray text_;
};

// The longest file name the folder takes.
qsizetype NameMax(int folderFd) {
    const long max = fpathconf(folderFd, _PC_NAME_MAX);
    return max > 0 ? max : NAME_MAX;
}

// Link bytes of a page: its file name, behind the output folder when links are full paths.
void PageLink(QByteArray& out, const QByteArray& folderPrefix, QByteArrayView pageName) {
    out.resize(0);
    out.append(folderPrefix);
    AppendLink(out, pageName);
}

// Why the index page and its thumbnails cannot go into the output folder without writing over
// something of the user's: an index.html without the program's marker, or a "thumbs" that is
// no folder (a link to one included). Empty when they can.
QString IndexPlaceProblem(int outFd, const QString& outFolder) {
    struct stat st {};
    if (fstatat(outFd, kIndexFileName, &st, AT_SYMLINK_NOFOLLOW) == 0) {
        bool own = false;
        const int fd = S_ISREG(st.st_mode) ? openat(outFd, kIndexFileName,
                                                    O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK)
                                           : -1;
        if (fd >= 0) {
            char head[512];
            const ssize_t n = read(fd, head, sizeof head);
            close(fd);
            own = n > 0 && IsOwnIndexPage(QByteArrayView(head, n));
        }
        if (!own)
            return QStringLiteral("%1%2 was not made by Tu_K and is left as it is; move it away "
                                  "or turn the index page off. No page was written.")
                .arg(outFolder, QLatin1String(kIndexFileName));
    }
    if (fstatat(outFd, kThumbsFolderName, &st, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISDIR(st.st_mode))
        return QStringLiteral("%1%2 is not a folder, so the thumbnails have no place; move it "
                              "away or turn the index page off. No page was written.")
            .arg(outFolder, QLatin1String(kThumbsFolderName));
    return QString();
}

// One run, from its checks to its last page. Every check that can refuse the run comes before
// the first page, so a refused run writes nothing.
class PageRunner {
public:
    explicit PageRunner(const PageRun& run)
        : run_(run), sFolder_(WithTrailingSeparator(run.sFolder)),
          output_(ChooseOutputFolder(sFolder_, run.driveType, run.settings.TargetFolder)),
          count_(static_cast<int>(qMin<qsizetype>(run.images.size(), INT_MAX))),
          dates_(run.locale) {
        clock_.start();
        result_.lRemote = output_.lRemote;
        result_.sOutFolder = output_.sOutFolder.text;
    }

    PageRunResult Run(PageRunListener& events);

private:
    QString CheckNames();
    QString OpenFolders();
    QString CheckNameLengths() const;
    QString Checks();
    void PrepareLinks();
    QString WritePage(int k, const PageComposer& composer, PageFileWriter& writer);
    QString ImageFailure(const FsName& image) const;
    QString PrepareIndex(PageFileWriter& writer);
    PageRunResult MakePictures(PageRunListener& events, PageFileWriter& writer);
    PageRunResult EndEarly(RunEnd end, const QString& message, int pagesMade,
                           PageFileWriter& writer);
    PageRunResult Finish(RunEnd end, const QString& message);
    QString Failure(const QString& what, const QString& name, const QString& reason) const {
        return QStringLiteral("Cannot %1 %2: %3. %4")
            .arg(what, name, reason, CountSentence(result_, count_));
    }

    const PageRun run_; // its own copy: see PageGenerator
    const FsName sFolder_;
    const OutputChoice output_;
    const int count_;
    int position_ = 1; // the page being made
    QElapsedTimer clock_;
    PageRunResult result_;
    PageNameTable pageNames_;
    QByteArray outPrefix_, imagePrefix_; // full paths in links when pages are elsewhere
    std::optional<FolderHandle> imageFolder_, outFolder_;
    DateTexts dates_;
    QString lowerName_;
    QByteArray firstLink_, lastLink_, prevLink_, nextLink_, imageRef_, page_;
    QByteArray indexLink_;           // of the index page, as the pages link it
    std::optional<IndexStep> index_; // when the run makes an index page
};

PageRunResult PageRunner::Finish(RunEnd end, const QString& message) {
    result_.end = end;
    result_.message = message;
    result_.elapsedSeconds = static_cast<double>(clock_.nsecsElapsed()) / 1e9;
    const char* word = end == RunEnd::Finished  ? " -- OK"
                       : end == RunEnd::Stopped ? " -- Stopped"
                                                : " -- Failed";
    result_.statusText = ImageStatusText(position_, count_) + QLatin1String(" -- ");
    const QString missing = MissingPicturesText(result_);
    if (!missing.isEmpty())
        result_.statusText += missing + QLatin1String(" -- ");
    result_.statusText += FormatElapsed(result_.elapsedSeconds, run_.locale) + QLatin1String(word);
    return result_;
}

QString PageRunner::CheckNames() {
    if (run_.images.size() > INT_MAX)
        return QStringLiteral("A folder of more than %1 images is too large for one run. No "
                              "page was written.")
            .arg(INT_MAX);
    QString badImage;
    if (!pageNames_.Build(run_.images, badImage))
        return QStringLiteral("Cannot make a page for the image \"%1\": it is not a plain file "
                              "name. No page was written.")
            .arg(badImage);
    const QString firstName = ShownText(pageNames_.at(0));
    result_.firstPagePath = output_.sOutFolder.text + firstName;
    result_.sFirstPage = output_.lRemote ? result_.firstPagePath : firstName;
    return QString();
}

QString PageRunner::OpenFolders() {
    imageFolder_.emplace(sFolder_.bytes);
    if (imageFolder_->fd() < 0)
        return Failure(QStringLiteral("open the image folder"), sFolder_.text, ErrorText(errno));
    const QByteArray& out = output_.sOutFolder.bytes;
    // A target folder that does not exist yet is made, parents included.
    if (output_.lRemote && access(out.constData(), F_OK) != 0 && errno == ENOENT) {
        const QString problem = MakeFolderPath(out, 0777);
        if (!problem.isEmpty())
            return QStringLiteral("Cannot make the output folder %1: %2. No page was written.")
                .arg(output_.sOutFolder.text, problem);
    }
    outFolder_.emplace(out);
    if (outFolder_->fd() < 0)
        return Failure(QStringLiteral("open the output folder"), output_.sOutFolder.text,
                       ErrorText(errno));
    return QString();
}

// A page name the file system cannot take would stop the run half way, with the pages
// written so far linking to pages that never come: the run is refused before the first page.
QString PageRunner::CheckNameLengths() const {
    const qsizetype nameMax = NameMax(outFolder_->fd());
    // The thumbnail's twin has the longest name of what a page brings: "@2x.jpg" for ".html".
    const qsizetype longest =
        run_.settings.lIndex && run_.pictures ? qsizetype(sizeof "@2x.jpg" - sizeof ".html") : 0;
    for (qsizetype k = 0; k < pageNames_.size(); ++k) {
        const qsizetype page = pageNames_.at(k).size();
        if (page + longest <= nameMax)
            continue;
        const bool pageFits = page <= nameMax;
        return QStringLiteral("Cannot make a page for the image \"%1\": its %2 name would be %3 "
                              "bytes long, longer than the %4 bytes a file name can have. No "
                              "page was written.")
            .arg(run_.images.at(k).text,
                 pageFits ? QStringLiteral("thumbnail") : QStringLiteral("page"))
            .arg(pageFits ? page + longest : page)
            .arg(nameMax);
    }
    return QString();
}

QString PageRunner::Checks() {
    QString failure = CheckNames();
    if (failure.isEmpty())
        failure = OpenFolders();
    if (failure.isEmpty())
        failure = CheckNameLengths();
    if (failure.isEmpty() && run_.settings.lIndex)
        failure = IndexPlaceProblem(outFolder_->fd(), output_.sOutFolder.text);
    return failure;
}

// The link texts every page shares.
void PageRunner::PrepareLinks() {
    if (output_.lRemote) {
        AppendLink(outPrefix_, output_.sOutFolder.bytes);
        AppendLink(imagePrefix_, sFolder_.bytes);
    }
    if (run_.settings.lIndex)
        PageLink(indexLink_, outPrefix_, kIndexFileName);
    PageLink(firstLink_, outPrefix_, pageNames_.at(0));
    PageLink(lastLink_, outPrefix_, pageNames_.at(count_ - 1));
    page_.reserve(8192);
}

// Every image's index entry and pictures, planned before the first page; the index page then
// written shows only pictures that exist, so the pages' index links lead somewhere from the
// first page on.
QString PageRunner::PrepareIndex(PageFileWriter& writer) {
    index_.emplace(run_, outFolder_->fd(), output_.sOutFolder.text);
    QString failure;
    if (run_.pictures && index_->OpenThumbsFolder(failure) < 0)
        return failure;
    for (int k = 0; k < count_; ++k) {
        const FsName& image = run_.images.at(k);
        struct stat st {};
        if (fstatat(imageFolder_->fd(), image.bytes.constData(), &st, 0) != 0 ||
            !S_ISREG(st.st_mode))
            return ImageFailure(image);
        const QByteArrayView pageName = pageNames_.at(k);
        const QByteArray stem = pageName.chopped(5).toByteArray(); // without ".html"
        IndexEntry entry;
        entry.image = image.text.toLower();
        PageLink(entry.pageLink, outPrefix_, pageName);
        const QByteArray thumbs = outPrefix_ + kThumbsFolderName + '/';
        entry.thumbLink = entry.thumb2xLink = thumbs;
        AppendLink(entry.thumbLink, PictureFileName(stem, PictureKind::Thumb));
        AppendLink(entry.thumb2xLink, PictureFileName(stem, PictureKind::Thumb2x));
        entry.date = dates_.Text(st.st_mtim.tv_sec).toByteArray();
        entry.kiloBytes = PageKiloBytes(st.st_size);
        QByteArray imageRef = imagePrefix_;
        AppendLink(imageRef, image.bytes);
        index_->Add(std::move(entry),
                    PictureSource{imageFolder_->fd(), image.bytes, sFolder_.text + image.text, -1,
                                  QString(), stem},
                    std::move(imageRef));
    }
    return index_->Prepare(writer);
}

// A run that ends before its last page: the index page then lists the pages that were made.
PageRunResult PageRunner::EndEarly(RunEnd end, const QString& message, int pagesMade,
                                   PageFileWriter& writer) {
    if (index_)
        (void)index_->Write(writer, static_cast<size_t>(pagesMade)); // else the earlier one stays
    return Finish(end, message);
}

PageRunResult PageRunner::MakePictures(PageRunListener& events, PageFileWriter& writer) {
    QString status, failure;
    auto progress = [&](int k, int n) {
        status = QStringLiteral("Thumbnails: %1 / %2").arg(k).arg(n);
        events.ThumbProgress(k, n, status);
        events.Yield();
        return !events.StopRequested();
    };
    const IndexStep::End end = index_->MakePictures(progress, failure);
    const QString notWritten = index_->Write(writer, static_cast<size_t>(count_));
    index_->Report(result_);
    if (end == IndexStep::End::Stopped)
        return Finish(RunEnd::Stopped, QStringLiteral("Stopped on request while making thumbnails; "
                                                      "the index page shows those made so far."));
    if (end == IndexStep::End::Failed)
        return Finish(RunEnd::Failed, failure);
    if (!notWritten.isEmpty())
        return Finish(RunEnd::Failed, notWritten);
    result_.indexPath = output_.sOutFolder.text + QLatin1String(kIndexFileName);
    if (!result_.picturesMissing.isEmpty())
        result_.message = QStringLiteral("No thumbnail for %1.").arg(result_.picturesMissing);
    return Finish(RunEnd::Finished, result_.message);
}

PageRunResult PageRunner::Run(PageRunListener& events) {
    if (run_.images.isEmpty())
        return result_;
    QString failure = Checks();
    if (!failure.isEmpty())
        return Finish(RunEnd::Failed, failure);
    PrepareLinks();
    const PageComposer composer(run_.settings, run_.body, PageFolderName(sFolder_.text));
    PageFileWriter writer(outFolder_->fd(), run_.unnamedFiles);
    writer.ReadFolder();
    if (run_.settings.lIndex && !(failure = PrepareIndex(writer)).isEmpty())
        return Finish(RunEnd::Failed, failure);
    events.Planned(count_, index_ ? index_->PicturesToMake() : 0);

    // "Image: k / n", rebuilt in place for every page.
    const QString ofCount = QLatin1String(" / ") + QString::number(count_);
    QString status;
    for (int k = 0; k < count_; ++k) {
        position_ = k + 1;
        status.resize(0);
        status.append(QLatin1String("Image: "));
        AppendDecimal(status, position_);
        status.append(ofCount);
        events.Progress(position_, count_, status);
        failure = WritePage(k, composer, writer);
        if (!failure.isEmpty())
            return EndEarly(RunEnd::Failed, failure, k, writer);
        events.Yield();
        if (k + 1 < count_ && events.StopRequested())
            return EndEarly(
                RunEnd::Stopped,
                QStringLiteral("Stopped on request. %1").arg(CountSentence(result_, count_)),
                position_, writer);
    }
    if (index_)
        return MakePictures(events, writer);
    return Finish(RunEnd::Finished, QString());
}

// Why the image's date and size cannot be read, right after the fstatat that failed or found
// something else than a file.
QString PageRunner::ImageFailure(const FsName& image) const {
    const int error = errno;
    struct stat st {};
    const bool found = fstatat(imageFolder_->fd(), image.bytes.constData(), &st, 0) == 0;
    return Failure(QStringLiteral("read the date and size of the image"),
                   sFolder_.text + image.text,
                   found ? QStringLiteral("not a regular file") : ErrorText(error));
}

QString PageRunner::WritePage(int k, const PageComposer& composer, PageFileWriter& writer) {
    const FsName& image = run_.images.at(k);
    struct stat st {};
    if (fstatat(imageFolder_->fd(), image.bytes.constData(), &st, 0) != 0 || !S_ISREG(st.st_mode))
        return ImageFailure(image);

    PageLink(prevLink_, outPrefix_, pageNames_.at(k == 0 ? 0 : k - 1));
    PageLink(nextLink_, outPrefix_, pageNames_.at(k == count_ - 1 ? k : k + 1));
    imageRef_.resize(0);
    imageRef_.append(imagePrefix_);
    AppendLink(imageRef_, image.bytes);

    PageFacts facts;
    lowerName_ = image.text.toLower(); // the facts only point at their texts
    facts.image = lowerName_;
    facts.imageRef = imageRef_;
    facts.firstLink = firstLink_;
    facts.prevLink = prevLink_;
    facts.nextLink = nextLink_;
    facts.lastLink = lastLink_;
    facts.date = dates_.Text(st.st_mtim.tv_sec);
    facts.kiloBytes = PageKiloBytes(st.st_size);
    facts.position = position_;
    facts.count = count_;
    facts.indexLink = indexLink_;
    composer.Compose(page_, facts);

    switch (writer.Write(pageNames_.at(k), page_)) {
    case PageFileWriter::Outcome::Written:
        ++result_.pagesWritten;
        break;
    case PageFileWriter::Outcome::Unchanged:
        ++result_.pagesUnchanged;
        break;
    case PageFileWriter::Outcome::Failed:
        return Failure(QStringLiteral("write the page"),
                       output_.sOutFolder.text + ShownText(pageNames_.at(k)),
                       ErrorText(writer.error()));
    }
    return QString();
}

} // namespace

PageRunResult PageGenerator(const PageRun& input, PageRunListener* listener) {
    // The run works on its own copy (cheap: Qt's containers share until written), so that
    // handlers that run while it yields cannot change the list or the options under it.
    PageRunListener quiet;
    return PageRunner(input).Run(listener ? *listener : quiet);
}

} // namespace tuk
