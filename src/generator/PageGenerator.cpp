#include "generator/PageGenerator.h"

#include "base/Append.h"
#include "base/PathNames.h"
#include "base/SystemError.h"
#include "base/Volumes.h"
#include "generator/IndexPage.h"
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
                                const QString& targetFolder) {
    OutputChoice choice;
    choice.lRemote = driveType != QLatin1String(kFixedDisk);
    choice.sOutFolder = choice.lRemote ? FsName(WithTrailingSeparator(targetFolder))
                                       : WithTrailingSeparator(sFolder);
    return choice;
}

QString MakeQuestion(const QString& sOutFolder, int nImages, const QString& sFolder) {
    return QLatin1String("Make HTML's in ") + sOutFolder + QLatin1String(" for ") +
           QString::number(nImages) + QLatin1String(" Image(s) in ") + sFolder + QLatin1Char('?');
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

// What the index page needs of every image, gathered while its page is made.
struct IndexParts {
    std::vector<IndexEntry> entries;
    std::vector<ThumbJob> jobs;
    QByteArray link; // of the index page itself, as the pages link it

    void Add(const QByteArray& outPrefix, const QByteArray& imagePath, QByteArrayView pageName,
             const QString& image, QByteArrayView date, qint64 kiloBytes) {
        const QByteArrayView stem = pageName.chopped(5); // without ".html"
        ThumbJob job{imagePath, stem.toByteArray() + ".jpg", stem.toByteArray() + "@2x.jpg"};
        IndexEntry entry;
        entry.image = image;
        PageLink(entry.pageLink, outPrefix, pageName);
        entry.thumbLink = outPrefix + kThumbsFolderName + '/';
        entry.thumb2xLink = entry.thumbLink;
        AppendLink(entry.thumbLink, job.name);
        AppendLink(entry.thumb2xLink, job.name2x);
        entry.date = date.toByteArray();
        entry.kiloBytes = kiloBytes;
        entries.push_back(std::move(entry));
        jobs.push_back(std::move(job));
    }
};

// Makes the thumbnails (when the run has a maker) and writes the index page. Returns the
// end of the run; message says why when it is not Finished.
RunEnd MakeIndexPage(const PageRun& run, const QString& outFolder, int outFd,
                     PageFileWriter& writer, IndexParts& parts, PageRunListener& events,
                     PageRunResult& result, QString& message) {
    if (run.thumbnails) {
        if (mkdirat(outFd, kThumbsFolderName, 0777) != 0 && errno != EEXIST) {
            message = QStringLiteral("Cannot make the folder %1%2: %3.")
                          .arg(outFolder, QLatin1String(kThumbsFolderName), ErrorText(errno));
            return RunEnd::Failed;
        }
        const int thumbsFd =
            openat(outFd, kThumbsFolderName, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (thumbsFd < 0) {
            message = QStringLiteral("Cannot open the folder %1%2: %3.")
                          .arg(outFolder, QLatin1String(kThumbsFolderName), ErrorText(errno));
            return RunEnd::Failed;
        }
        QString status;
        auto progress = [&](int k, int n) {
            status = QStringLiteral("Thumbnails: %1 / %2").arg(k).arg(n);
            events.ThumbProgress(k, n, status);
            events.Yield();
            return !events.StopRequested();
        };
        bool stopped = false;
        const std::vector<ThumbSize> sizes =
            run.thumbnails->Make(thumbsFd, parts.jobs, run.thumbSize, progress, stopped);
        close(thumbsFd);
        if (stopped) {
            message = QStringLiteral("Stopped on request while making thumbnails; the index "
                                     "page was not written.");
            return RunEnd::Stopped;
        }
        for (size_t k = 0; k < parts.entries.size() && k < sizes.size(); ++k)
            parts.entries[k].thumb = sizes[k];
    }
    for (const IndexEntry& entry : parts.entries)
        result.thumbsMissing += entry.thumb.Made() ? 0 : 1;
    const QByteArray page = ComposeIndexPage(
        run.settings, run.body, PageFolderName(run.sFolder.text), run.thumbSize, parts.entries);
    QByteArray name(kIndexFileName); // NUL-terminated, as the writer needs
    if (writer.Write(name, page) == PageFileWriter::Outcome::Failed) {
        message = QStringLiteral("Cannot write the index page %1%2: %3.")
                      .arg(outFolder, QLatin1String(kIndexFileName), ErrorText(writer.error()));
        return RunEnd::Failed;
    }
    result.indexPath = outFolder + QLatin1String(kIndexFileName);
    return RunEnd::Finished;
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
    IndexParts index_; // what the index page needs, when the run makes one
};

PageRunResult PageRunner::Finish(RunEnd end, const QString& message) {
    result_.end = end;
    result_.message = message;
    result_.elapsedSeconds = static_cast<double>(clock_.nsecsElapsed()) / 1e9;
    const char* word = end == RunEnd::Finished  ? " -- OK"
                       : end == RunEnd::Stopped ? " -- Stopped"
                                                : " -- Failed";
    result_.statusText = ImageStatusText(position_, count_) + QLatin1String(" -- ");
    if (result_.thumbsMissing > 0)
        result_.statusText += QStringLiteral("%1 without thumbnail -- ").arg(result_.thumbsMissing);
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
    for (qsizetype k = 0; k < pageNames_.size(); ++k) {
        if (pageNames_.at(k).size() > nameMax)
            return QStringLiteral("Cannot make a page for the image \"%1\": its page name would "
                                  "be %2 bytes long, longer than the %3 bytes a file name can "
                                  "have. No page was written.")
                .arg(run_.images.at(k).text)
                .arg(pageNames_.at(k).size())
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
        PageLink(index_.link, outPrefix_, kIndexFileName);
    PageLink(firstLink_, outPrefix_, pageNames_.at(0));
    PageLink(lastLink_, outPrefix_, pageNames_.at(count_ - 1));
    page_.reserve(8192);
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
    events.Planned(count_, run_.settings.lIndex ? count_ : 0);

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
            return Finish(RunEnd::Failed, failure);
        events.Yield();
        if (k + 1 < count_ && events.StopRequested())
            return Finish(
                RunEnd::Stopped,
                QStringLiteral("Stopped on request. %1").arg(CountSentence(result_, count_)));
    }
    if (run_.settings.lIndex) {
        const RunEnd end = MakeIndexPage(run_, output_.sOutFolder.text, outFolder_->fd(), writer,
                                         index_, events, result_, failure);
        if (end != RunEnd::Finished)
            return Finish(end, failure);
    }
    return Finish(RunEnd::Finished, QString());
}

QString PageRunner::WritePage(int k, const PageComposer& composer, PageFileWriter& writer) {
    const FsName& image = run_.images.at(k);
    struct stat st {};
    const bool found = fstatat(imageFolder_->fd(), image.bytes.constData(), &st, 0) == 0;
    if (!found || !S_ISREG(st.st_mode))
        return Failure(QStringLiteral("read the date and size of the image"),
                       sFolder_.text + image.text,
                       found ? QStringLiteral("not a regular file") : ErrorText(errno));

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
    facts.indexLink = index_.link;
    composer.Compose(page_, facts);
    if (run_.settings.lIndex)
        index_.Add(outPrefix_, sFolder_.bytes + image.bytes, pageNames_.at(k), lowerName_,
                   facts.date, facts.kiloBytes);

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
