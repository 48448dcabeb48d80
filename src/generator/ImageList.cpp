#include "generator/ImageList.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace tuk {

bool HasImageExtension(QByteArrayView name) {
    const auto endsWith = [name](QByteArrayView ext) {
        return name.size() >= ext.size() &&
               qstrnicmp(name.data() + name.size() - ext.size(), ext.data(),
                         static_cast<size_t>(ext.size())) == 0;
    };
    return endsWith(".gif") || endsWith(".jpg") || endsWith(".jpeg");
}

bool ImageNameLess(const FsName& a, const FsName& b) {
    const int folded = a.text.compare(b.text, Qt::CaseInsensitive);
    if (folded != 0)
        return folded < 0;
    const int exact = a.text.compare(b.text);
    return exact != 0 ? exact < 0 : a.bytes < b.bytes;
}

QStringList ShownTexts(const QList<FsName>& names) {
    QStringList texts;
    texts.reserve(names.size());
    for (const FsName& name : names)
        texts << name.text;
    return texts;
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

FolderImages ListFolderImages(const QByteArray& folder) {
    FolderImages result;
    if (folder.isEmpty()) {
        result.error = ENOENT;
        return result;
    }
    DIR* dir = opendir(folder.constData());
    if (!dir) {
        result.error = errno;
        return result;
    }
    result.readable = true;
    const int dirFd = dirfd(dir);
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        const QByteArrayView name(entry->d_name);
        if (!HasImageExtension(name) || !IsRegularFile(dirFd, entry))
            continue;
        result.names.append(FsName(name.toByteArray()));
    }
    closedir(dir);
    std::sort(result.names.begin(), result.names.end(), ImageNameLess);
    return result;
}

} // namespace tuk
