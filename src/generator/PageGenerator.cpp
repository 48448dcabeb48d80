#include "generator/PageGenerator.h"

#include "base/Append.h"
#include "base/PathNames.h"
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
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tuk {

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

QString Reason(int error) {
    return QString::fromLocal8Bit(strerror(error));
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

// Makes the folder and any parents it lacks; errno tells why when that fails.
bool MakeFolderPath(const QByteArray& folder) {
    for (qsizetype slash = folder.indexOf('/', 1); slash >= 0;
         slash = folder.indexOf('/', slash + 1)) {
        if (mkdir(folder.left(slash).constData(), 0777) != 0 && errno != EEXIST)
            return false;
    }
    return folder.endsWith('/') || mkdir(folder.constData(), 0777) == 0 || errno == EEXIST;
}

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
                          .arg(outFolder, QLatin1String(kThumbsFolderName), Reason(errno));
            return RunEnd::Failed;
        }
        const int thumbsFd =
            openat(outFd, kThumbsFolderName, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (thumbsFd < 0) {
            message = QStringLiteral("Cannot open the folder %1%2: %3.")
                          .arg(outFolder, QLatin1String(kThumbsFolderName), Reason(errno));
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
                      .arg(outFolder, QLatin1String(kIndexFileName), Reason(writer.error()));
        return RunEnd::Failed;
    }
    result.indexPath = outFolder + QLatin1String(kIndexFileName);
    return RunEnd::Finished;
}

} // namespace

PageRunResult PageGenerator(const PageRun& input, PageRunListener* listener) {
    // The run works on its own copy (cheap: Qt's containers share until written), so that
    // handlers that run while it yields cannot change the list or the options under it.
    const PageRun run = input;
    QElapsedTimer clock;
    clock.start();
    PageRunListener quiet;
    PageRunListener& events = listener ? *listener : quiet;

    PageRunResult result;
    const FsName sFolder = WithTrailingSeparator(run.sFolder);
    const OutputChoice output =
        ChooseOutputFolder(sFolder, run.driveType, run.settings.TargetFolder);
    const FsName& outFolderName = output.sOutFolder;
    result.lRemote = output.lRemote;
    result.sOutFolder = outFolderName.text;
    if (run.images.isEmpty())
        return result;

    const int count = static_cast<int>(qMin<qsizetype>(run.images.size(), INT_MAX));
    int position = 1; // the page being made
    auto finish = [&](RunEnd end, const QString& message) {
        result.end = end;
        result.message = message;
        result.elapsedSeconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        const char* word = end == RunEnd::Finished  ? " -- OK"
                           : end == RunEnd::Stopped ? " -- Stopped"
                                                    : " -- Failed";
        result.statusText = ImageStatusText(position, count) + QLatin1String(" -- ");
        if (result.thumbsMissing > 0)
            result.statusText +=
                QStringLiteral("%1 without thumbnail -- ").arg(result.thumbsMissing);
        result.statusText += FormatElapsed(result.elapsedSeconds, run.locale) + QLatin1String(word);
        return result;
    };
    if (run.images.size() > INT_MAX)
        return finish(RunEnd::Failed, QStringLiteral("A folder of more than %1 images is too "
                                                     "large for one run. No page was written.")
                                          .arg(INT_MAX));

    PageNameTable pageNames;
    QString badImage;
    if (!pageNames.Build(run.images, badImage))
        return finish(RunEnd::Failed,
                      QStringLiteral("Cannot make a page for the image \"%1\": it is not a plain "
                                     "file name. No page was written.")
                          .arg(badImage));

    // Full paths in links when the pages are not next to the images.
    QByteArray outPrefix, imagePrefix;
    if (output.lRemote) {
        AppendLink(outPrefix, outFolderName.bytes);
        AppendLink(imagePrefix, sFolder.bytes);
    }

    const QString firstName = ShownText(pageNames.at(0));
    result.firstPagePath = outFolderName.text + firstName;
    result.sFirstPage = output.lRemote ? result.firstPagePath : firstName;

    const FolderHandle imageFolder(sFolder.bytes);
    if (imageFolder.fd() < 0)
        return finish(RunEnd::Failed,
                      QStringLiteral("Cannot open the image folder %1: %2. %3")
                          .arg(sFolder.text, Reason(errno), CountSentence(result, count)));
    // A target folder that does not exist yet is made, parents included.
    if (output.lRemote && access(outFolderName.bytes.constData(), F_OK) != 0 && errno == ENOENT)
        MakeFolderPath(outFolderName.bytes);
    const FolderHandle outFolder(outFolderName.bytes);
    if (outFolder.fd() < 0)
        return finish(RunEnd::Failed,
                      QStringLiteral("Cannot open the output folder %1: %2. %3")
                          .arg(outFolderName.text, Reason(errno), CountSentence(result, count)));

    // A page name the file system cannot take would stop the run half way, with the pages
    // written so far linking to pages that never come: refuse the run before the first page.
    const qsizetype nameMax = NameMax(outFolder.fd());
    for (qsizetype k = 0; k < pageNames.size(); ++k) {
        if (pageNames.at(k).size() > nameMax)
            return finish(RunEnd::Failed,
                          QStringLiteral("Cannot make a page for the image \"%1\": its page name "
                                         "would be %2 bytes long, longer than the %3 bytes a "
                                         "file name can have. No page was written.")
                              .arg(run.images.at(k).text)
                              .arg(pageNames.at(k).size())
                              .arg(nameMax));
    }

    if (run.settings.lIndex) {
        const QString problem = IndexPlaceProblem(outFolder.fd(), outFolderName.text);
        if (!problem.isEmpty())
            return finish(RunEnd::Failed, problem);
    }
    IndexParts index;
    if (run.settings.lIndex)
        PageLink(index.link, outPrefix, kIndexFileName);

    const PageComposer composer(run.settings, run.body, PageFolderName(sFolder.text));
    PageFileWriter writer(outFolder.fd());
    writer.ReadFolder();
    DateTexts dates(run.locale);

    QByteArray firstLink, lastLink, prevLink, nextLink, imageRef, page;
    PageLink(firstLink, outPrefix, pageNames.at(0));
    PageLink(lastLink, outPrefix, pageNames.at(count - 1));
    page.reserve(8192);

    // "Image: k / n", rebuilt in place for every page.
    const QString ofCount = QLatin1String(" / ") + QString::number(count);
    QString status;

    for (int k = 0; k < count; ++k) {
        position = k + 1;
        status.resize(0);
        status.append(QLatin1String("Image: "));
        AppendDecimal(status, position);
        status.append(ofCount);
        events.Progress(position, count, status);

        const FsName& image = run.images.at(k);
        struct stat st {};
        const bool found = fstatat(imageFolder.fd(), image.bytes.constData(), &st, 0) == 0;
        if (!found || !S_ISREG(st.st_mode)) {
            const QString reason = found ? QStringLiteral("not a regular file") : Reason(errno);
            return finish(
                RunEnd::Failed,
                QStringLiteral("Cannot read the date and size of the image %1: %2. %3")
                    .arg(sFolder.text + image.text, reason, CountSentence(result, count)));
        }

        PageLink(prevLink, outPrefix, pageNames.at(k == 0 ? 0 : k - 1));
        PageLink(nextLink, outPrefix, pageNames.at(k == count - 1 ? k : k + 1));
        imageRef.resize(0);
        imageRef.append(imagePrefix);
        AppendLink(imageRef, image.bytes);
        const QString lowerName = image.text.toLower();

        PageFacts facts;
        facts.image = lowerName;
        facts.imageRef = imageRef;
        facts.firstLink = firstLink;
        facts.prevLink = prevLink;
        facts.nextLink = nextLink;
        facts.lastLink = lastLink;
        facts.date = dates.Text(st.st_mtim.tv_sec);
        facts.kiloBytes = PageKiloBytes(st.st_size);
        facts.position = position;
        facts.count = count;
        facts.indexLink = index.link;
        composer.Compose(page, facts);
        if (run.settings.lIndex)
            index.Add(outPrefix, sFolder.bytes + image.bytes, pageNames.at(k), lowerName,
                      facts.date, facts.kiloBytes);

        switch (writer.Write(pageNames.at(k), page)) {
        case PageFileWriter::Outcome::Written:
            ++result.pagesWritten;
            break;
        case PageFileWriter::Outcome::Unchanged:
            ++result.pagesUnchanged;
            break;
        case PageFileWriter::Outcome::Failed:
            return finish(RunEnd::Failed,
                          QStringLiteral("Cannot write the page %1: %2. %3")
                              .arg(outFolderName.text + ShownText(pageNames.at(k)),
                                   Reason(writer.error()), CountSentence(result, count)));
        }

        events.Yield();
        if (k + 1 < count && events.StopRequested())
            return finish(
                RunEnd::Stopped,
                QStringLiteral("Stopped on request. %1").arg(CountSentence(result, count)));
    }
    if (run.settings.lIndex) {
        QString message;
        const RunEnd end = MakeIndexPage(run, outFolderName.text, outFolder.fd(), writer, index,
                                         events, result, message);
        if (end != RunEnd::Finished)
            return finish(end, message);
    }
    return finish(RunEnd::Finished, QString());
}

} // namespace tuk
