#include "generator/RunParts.h"

#include "base/Append.h"
#include "base/SystemError.h"
#include "generator/IndexPage.h"
#include "generator/PageEncoding.h"

#include <QCoreApplication>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tuk {

UniqueFd OpenFolder(const QByteArray& path) {
    return UniqueFd(open(path.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
}

UniqueFd OpenFolder(int at, const char* name) {
    return UniqueFd(openat(at, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
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
    const std::pair<int, const char*> kinds[] = {
        //: the status line: images shown without their pictures
        {r.picturesTooLarge, QT_TRANSLATE_N_NOOP("Run", "%n too large")},
        //: the status line: images shown without their pictures
        {r.picturesUndecodable, QT_TRANSLATE_N_NOOP("Run", "%n could not be decoded")},
        //: the status line: images shown without their pictures
        {r.picturesTooSlow, QT_TRANSLATE_N_NOOP("Run", "%n too slow to decode")},
        //: the status line: images shown without their pictures
        {r.picturesCrashed, QT_TRANSLATE_N_NOOP("Run", "%n crashed the decoder")}};
    QStringList parts;
    for (const auto& [count, text] : kinds) {
        if (count > 0)
            parts << QCoreApplication::translate("Run", text, nullptr, count);
    }
    return parts.join(QLatin1String(", "));
}

QString CountSentence(const PageRunResult& r, int total) {
    if (r.pagesUnchanged > 0)
        //: %n the pages written, %1 the pages of the whole run, %2 the pages left as they were
        return QCoreApplication::translate("Run",
                                           "%n of %1 pages were written and %2 left unchanged "
                                           "before the run stopped.",
                                           nullptr, r.pagesWritten)
            .arg(QString::number(total), QString::number(r.pagesUnchanged));
    //: %n the pages written, %1 the pages of the whole run
    return QCoreApplication::translate("Run", "%n of %1 pages were written before the run stopped.",
                                       nullptr, r.pagesWritten)
        .arg(total);
}

QString AndMore(const QString& shown, int more) {
    if (more <= 0)
        return shown;
    //: %1 the names shown, %n how many more there are
    return QCoreApplication::translate("Run", "%1 and %n more", nullptr, more).arg(shown);
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
    const UniqueFd fd(
        openat(outFd, kIndexFileName, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    if (!fd.IsOpen())
        return false;
    struct stat st {};
    char head[512];
    const ssize_t n =
        fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode) ? read(fd.get(), head, sizeof head) : 0;
    return n > 0 && IsOwnIndexPage(QByteArrayView(head, n));
}

bool IsThereButNoFolder(int outFd, const char* name) {
    struct stat st {};
    return fstatat(outFd, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISDIR(st.st_mode);
}

} // namespace

Done PlaceProblem(int outFd, const QString& outFolder, bool index, bool web) {
    if (outFd < 0)
        return {}; // the folder is yet to be made: nothing of the user's is there
    struct stat st {};
    if (index && fstatat(outFd, kIndexFileName, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
        !IsOwnIndexFile(outFd))
        //: %1 the output folder, %2 the index page's file name
        return Failure{QCoreApplication::translate("Run",
                                                   "%1%2 was not made by Tu_K and is left as it "
                                                   "is; move it away or turn the index page off. "
                                                   "No page was written.")
                           .arg(outFolder, QLatin1String(kIndexFileName))};
    if (index && IsThereButNoFolder(outFd, kThumbsFolderName))
        //: %1 the output folder, %2 the thumbnails' folder name
        return Failure{QCoreApplication::translate("Run",
                                                   "%1%2 is not a folder, so the thumbnails have "
                                                   "no place; move it away or turn the index page "
                                                   "off. No page was written.")
                           .arg(outFolder, QLatin1String(kThumbsFolderName))};
    if (web && IsThereButNoFolder(outFd, kWebFolderName))
        //: %1 the output folder, %2 the copies' folder name
        return Failure{QCoreApplication::translate("Run",
                                                   "%1%2 is not a folder, so the screen-sized "
                                                   "copies have no place; move it away or turn "
                                                   "web-ready pages off. No page was written.")
                           .arg(outFolder, QLatin1String(kWebFolderName))};
    return {};
}

Result<UniqueFd> MakeChildFolder(int parentFd, const char* name, const QString& shownParent) {
    if (mkdirat(parentFd, name, 0777) != 0 && errno != EEXIST) {
        const int error = errno;
        //: %1%2 the folder, %3 the system's reason
        return Failure{QCoreApplication::translate("Run", "Cannot make the folder %1%2: %3.")
                           .arg(shownParent, QLatin1String(name), ErrorText(error)),
                       error};
    }
    UniqueFd folder = OpenFolder(parentFd, name);
    if (!folder.IsOpen())
        //: %1%2 the folder, %3 the system's reason
        return Failure{QCoreApplication::translate("Run", "Cannot open the folder %1%2: %3.")
                           .arg(shownParent, QLatin1String(name), ErrorText(folder.error())),
                       folder.error()};
    return folder;
}

} // namespace tuk
