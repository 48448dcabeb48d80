#include "generator/StaleFiles.h"

#include "base/FolderReader.h"
#include "generator/ImageFormats.h"
#include "generator/ImageHeader.h"
#include "generator/ImageList.h"
#include "generator/IndexPage.h"
#include "generator/MadePages.h"
#include "generator/PictureStamp.h"
#include "generator/Pictures.h"

#include <QRegularExpression>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tuk {

namespace {

// n bytes of a regular file of the folder, from its start or up to its end, never following a
// link or blocking.
QByteArray Part(int folderFd, const char* name, qsizetype n, bool atEnd) {
    const int fd = openat(folderFd, name, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return {};
    struct stat st {};
    QByteArray part;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        part.resize(qMin<qint64>(n, st.st_size));
        const off_t from = atEnd ? off_t(st.st_size - part.size()) : 0;
        const ssize_t got = pread(fd, part.data(), size_t(part.size()), from);
        part.resize(got > 0 ? got : 0);
    }
    close(fd);
    return part;
}

bool CarriesStamp(int folderFd, const char* name) {
    const int fd = openat(folderFd, name, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st {};
    const bool stamped = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
                         PictureStamp::IsOwn(ReadImageHeader(fd).comment);
    close(fd);
    return stamped;
}

bool IsPageName(QByteArrayView name) {
    return name.endsWith(".html") && IsImageStem(name.chopped(5));
}

// The number of an index page's name, 0 for other names.
int IndexNumber(QByteArrayView name) {
    static const QRegularExpression index(QStringLiteral("^index(?:-([0-9]{1,6}))?\\.html$"));
    const QRegularExpressionMatch m = index.match(QLatin1String(name));
    return !m.hasMatch() ? 0 : m.capturedLength(1) == 0 ? 1 : m.captured(1).toInt();
}

bool Remove(int folderFd, const char* name, int& removed) {
    if (unlinkat(folderFd, name, 0) != 0)
        return false;
    ++removed;
    return true;
}

int RemoveStalePictures(int folderFd, const char* folder, const QSet<QByteArray>& kept) {
    const int fd = openat(folderFd, folder, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return 0;
    FolderReader pictures(fd);
    int removed = 0;
    while (const dirent* entry = pictures.Next()) {
        if (entry->d_name[0] != '.' && !kept.contains(QByteArray(entry->d_name)) &&
            CarriesStamp(fd, entry->d_name))
            Remove(fd, entry->d_name, removed);
    }
    return removed;
}

// A folder of a site that is no album any more: everything of the program's in it goes, then
// the folder itself when nothing else is left.
void RemoveGoneAlbum(int folderFd, const char* name, const QSet<QByteArray>& originals,
                     const QByteArray& relative, int& removed) {
    const int sub = openat(folderFd, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (sub < 0)
        return;
    removed += RemoveStaleFiles(sub, KeptFiles{}, true, originals, relative);
    for (const char* pictures : {kThumbsFolderName, kWebFolderName})
        (void)unlinkat(sub, pictures, AT_REMOVEDIR); // only when empty
    close(sub);
    if (unlinkat(folderFd, name, AT_REMOVEDIR) == 0)
        ++removed;
}

} // namespace

int RemoveStaleFiles(int folderFd, const KeptFiles& kept, bool site,
                     const QSet<QByteArray>& originals, const QByteArray& relative) {
    int removed = RemoveStalePictures(folderFd, kThumbsFolderName, kept.pictures) +
                  RemoveStalePictures(folderFd, kWebFolderName, kept.pictures);
    FolderReader folder(openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    while (const dirent* entry = folder.Next()) {
        const QByteArray name(entry->d_name);
        if (name.startsWith('.'))
            continue;
        if (IsPageName(name)) {
            if (!kept.pages.contains(name) &&
                IsOwnPageEnd(Part(folderFd, entry->d_name, 512, true)))
                Remove(folderFd, entry->d_name, removed);
        } else if (const int number = IndexNumber(name); number > 0) {
            if (number > kept.indexPages &&
                IsOwnIndexPage(Part(folderFd, entry->d_name, 512, false)))
                Remove(folderFd, entry->d_name, removed);
        } else if (!site) {
            continue;
        } else if (HasImageExtension(name)) {
            if (!kept.placed.contains(name) &&
                (originals.contains(relative + name) || CarriesStamp(folderFd, entry->d_name)))
                Remove(folderFd, entry->d_name, removed);
        } else if (name != kThumbsFolderName && name != kWebFolderName &&
                   !kept.albums.contains(name) && folder.IsFolder(entry, false)) {
            RemoveGoneAlbum(folderFd, entry->d_name, originals, relative + name + '/', removed);
        }
    }
    return removed;
}

} // namespace tuk
