#include "generator/ImageList.h"

#include <QFile>
#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace tuk {

bool HasImageExtension(const QString& name) {
    return name.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive) ||
           name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) ||
           name.endsWith(QLatin1String(".jpeg"), Qt::CaseInsensitive);
}

bool ImageNameLess(const QString& a, const QString& b) {
    const int folded = a.compare(b, Qt::CaseInsensitive);
    if (folded != 0)
        return folded < 0;
    return a < b;
}

namespace {

// Whether the entry is a regular file, following symbolic links; d_type saves a stat call
// for everything but links and file systems that do not fill it in.
bool IsRegularFile(int dirFd, const dirent* entry) {
    if (entry->d_type == DT_REG)
        return true;
    if (entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN)
        return false;
    struct stat st {};
    return fstatat(dirFd, entry->d_name, &st, 0) == 0 && S_ISREG(st.st_mode);
}

} // namespace

FolderImages ListFolderImages(const QString& folder) {
    FolderImages result;
    if (folder.isEmpty())
        return result;
    DIR* dir = opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return result;
    result.readable = true;
    const int dirFd = dirfd(dir);
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        const QString name = QFile::decodeName(entry->d_name);
        if (!HasImageExtension(name) || !IsRegularFile(dirFd, entry))
            continue;
        // A name that does not survive the round trip through the locale's encoding could
        // not be opened again by its decoded form; leave it out rather than fail later.
        if (QFile::encodeName(name) != QByteArray(entry->d_name))
            continue;
        result.names.append(name);
    }
    closedir(dir);
    std::sort(result.names.begin(), result.names.end(), ImageNameLess);
    return result;
}

} // namespace tuk
