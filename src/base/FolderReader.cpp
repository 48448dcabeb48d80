#include "base/FolderReader.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tuk {

FolderReader::FolderReader(const QByteArray& folder) {
    if (folder.isEmpty()) {
        error_ = ENOENT;
        return;
    }
    dir_ = opendir(folder.constData());
    if (!dir_)
        error_ = errno;
}

FolderReader::FolderReader(int folderFd) {
    if (folderFd < 0) {
        error_ = EBADF;
        return;
    }
    dir_ = fdopendir(folderFd);
    if (!dir_) {
        error_ = errno;
        close(folderFd);
    }
}

FolderReader::~FolderReader() {
    if (dir_)
        closedir(dir_);
}

const dirent* FolderReader::Next() {
    if (!dir_)
        return nullptr;
    errno = 0;
    const dirent* entry = readdir(dir_);
    if (!entry)
        error_ = errno;
    return entry;
}

bool FolderReader::IsOfType(const dirent* entry, unsigned char type, bool followLinks) const {
    if (entry->d_type == type)
        return true;
    if (entry->d_type != DT_UNKNOWN && !(followLinks && entry->d_type == DT_LNK))
        return false;
    struct stat st {};
    if (fstatat(dirfd(dir_), entry->d_name, &st, followLinks ? 0 : AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    return type == DT_DIR ? S_ISDIR(st.st_mode) : S_ISREG(st.st_mode);
}

bool FolderReader::IsRegularFile(const dirent* entry, bool followLinks) const {
    return IsOfType(entry, DT_REG, followLinks);
}

bool FolderReader::IsFolder(const dirent* entry, bool followLinks) const {
    return IsOfType(entry, DT_DIR, followLinks);
}

} // namespace tuk
