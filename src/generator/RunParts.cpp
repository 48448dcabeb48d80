#include "generator/RunParts.h"

#include "base/Append.h"
#include "base/SystemError.h"
#include "generator/IndexPage.h"
#include "generator/PageEncoding.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tuk {

FolderHandle::FolderHandle(const QByteArray& path)
    : fd_(open(path.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC)) {}

FolderHandle::FolderHandle(int at, const char* name)
    : fd_(openat(at, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)) {}

FolderHandle::~FolderHandle() {
    if (fd_ >= 0)
        close(fd_);
}

FolderHandle& FolderHandle::operator=(FolderHandle&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0)
            close(fd_);
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

QByteArrayView DateTexts::Text(time_t seconds) {
    struct tm local {};
    localtime_r(&seconds, &local);
    return Text(QDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday));
}

QByteArrayView DateTexts::Text(QDate date) {
    if (date != last_ || text_.isEmpty()) {
        last_ = date;
        text_.resize(0);
        AppendPageText(text_, locale_.toString(date, QLocale::ShortFormat));
    }
    return text_;
}

QByteArray DateTexts::Range(QDate first, QDate last) const {
    QByteArray text;
    if (!first.isValid() || !last.isValid())
        return text;
    AppendPageText(text, locale_.toString(first, QLocale::ShortFormat));
    if (last != first) {
        text.append(" - ");
        AppendPageText(text, locale_.toString(last, QLocale::ShortFormat));
    }
    return text;
}

QString MissingPicturesText(const PageRunResult& r) {
    QStringList parts;
    if (r.picturesTooLarge > 0)
        parts << QStringLiteral("%1 too large").arg(r.picturesTooLarge);
    if (r.picturesUndecodable > 0)
        parts << QStringLiteral("%1 could not be decoded").arg(r.picturesUndecodable);
    if (r.picturesTooSlow > 0)
        parts << QStringLiteral("%1 too slow to decode").arg(r.picturesTooSlow);
    if (r.picturesCrashed > 0)
        parts << QStringLiteral("%1 crashed the decoder").arg(r.picturesCrashed);
    return parts.join(QLatin1String(", "));
}

QString CountSentence(const PageRunResult& r, int total) {
    QString text = QStringLiteral("%1 of %2 pages were written").arg(r.pagesWritten).arg(total);
    if (r.pagesUnchanged > 0)
        text += QStringLiteral(" and %1 left unchanged").arg(r.pagesUnchanged);
    return text + QLatin1String(" before the run stopped.");
}

qsizetype NameMax(int folderFd) {
    const long max = folderFd >= 0 ? fpathconf(folderFd, _PC_NAME_MAX) : -1;
    return max > 0 ? max : NAME_MAX;
}

void PageLink(QByteArray& out, const QByteArray& folderPrefix, QByteArrayView pageName) {
    out.resize(0);
    out.append(folderPrefix);
    AppendLink(out, pageName);
}

namespace {

bool IsOwnIndexFile(int outFd) {
    const int fd = openat(outFd, kIndexFileName, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st {};
    char head[512];
    const ssize_t n = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) ? read(fd, head, sizeof head) : 0;
    close(fd);
    return n > 0 && IsOwnIndexPage(QByteArrayView(head, n));
}

bool IsThereButNoFolder(int outFd, const char* name) {
    struct stat st {};
    return fstatat(outFd, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISDIR(st.st_mode);
}

} // namespace

QString PlaceProblem(int outFd, const QString& outFolder, bool index, bool web) {
    if (outFd < 0)
        return QString(); // the folder is yet to be made: nothing of the user's is there
    struct stat st {};
    if (index && fstatat(outFd, kIndexFileName, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
        !IsOwnIndexFile(outFd))
        return QStringLiteral("%1%2 was not made by Tu_K and is left as it is; move it away "
                              "or turn the index page off. No page was written.")
            .arg(outFolder, QLatin1String(kIndexFileName));
    if (index && IsThereButNoFolder(outFd, kThumbsFolderName))
        return QStringLiteral("%1%2 is not a folder, so the thumbnails have no place; move it "
                              "away or turn the index page off. No page was written.")
            .arg(outFolder, QLatin1String(kThumbsFolderName));
    if (web && IsThereButNoFolder(outFd, kWebFolderName))
        return QStringLiteral("%1%2 is not a folder, so the screen-sized copies have no place; "
                              "move it away or turn web-ready pages off. No page was written.")
            .arg(outFolder, QLatin1String(kWebFolderName));
    return QString();
}

FolderHandle MakeChildFolder(int parentFd, const char* name, const QString& shownParent,
                             QString& failure) {
    if (mkdirat(parentFd, name, 0777) != 0 && errno != EEXIST) {
        failure = QStringLiteral("Cannot make the folder %1%2: %3.")
                      .arg(shownParent, QLatin1String(name), ErrorText(errno));
        return FolderHandle();
    }
    FolderHandle folder(parentFd, name);
    if (folder.fd() < 0)
        failure = QStringLiteral("Cannot open the folder %1%2: %3.")
                      .arg(shownParent, QLatin1String(name), ErrorText(errno));
    return folder;
}

} // namespace tuk
