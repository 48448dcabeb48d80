#include "generator/PageFile.h"

#include "base/FolderReader.h"
#include "base/SystemError.h"
#include "base/UniqueFd.h"

#include <QHashFunctions>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tuk {

namespace {

constexpr char kTempPrefix[] = ".tu_k-";
constexpr char kTempSuffix[] = ".tmp";

bool ReadExactly(int fd, char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t n = read(fd, data, static_cast<size_t>(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

// errno tells why on failure.
bool WriteAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype size = bytes.size();
    while (size > 0) {
        const ssize_t n = write(fd, data, static_cast<size_t>(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

// Writes everything and closes the file; close() also reports late write errors of network
// file systems. errno tells why on failure.
bool WriteAndClose(UniqueFd fd, const QByteArray& bytes) {
    return WriteAll(fd.get(), bytes) && fd.Close() == 0;
}

// The process that made a temporary file of this name (".tu_k-<pid>-<n>.tmp"), or 0 when the
// name is not one of them.
pid_t TemporaryFileOwner(const char* name) {
    const size_t prefix = sizeof kTempPrefix - 1, suffix = sizeof kTempSuffix - 1;
    const size_t length = std::strlen(name);
    if (length <= prefix + suffix || std::strncmp(name, kTempPrefix, prefix) != 0 ||
        std::strcmp(name + length - suffix, kTempSuffix) != 0)
        return 0;
    long long pid = 0;
    const char* p = name + prefix;
    for (; *p >= '0' && *p <= '9' && pid < INT_MAX; ++p)
        pid = pid * 10 + (*p - '0');
    const char* counter = p + 1;
    if (p == name + prefix || *p != '-' || pid > INT_MAX)
        return 0;
    for (p = counter; *p >= '0' && *p <= '9'; ++p) {
    }
    return p > counter && p == name + length - suffix ? static_cast<pid_t>(pid) : 0;
}

bool ProcessIsAlive(pid_t pid) {
    return kill(pid, 0) == 0 || errno == EPERM;
}

} // namespace

PageFileWriter::PageFileWriter(int folderFd, UnnamedFiles unnamed)
    : folderFd_(folderFd), refuseUnnamed_(unnamed == UnnamedFiles::Never),
      // The writing process: a child forked after another writer names its files as its own.
      tempPrefix_(kTempPrefix + QByteArray::number(getpid()) + '-') {}

PageFileWriter::Found PageFileWriter::Inspect(QByteArrayView name, const QByteArray& bytes) {
    // O_NOFOLLOW: a link is never read through (and gets replaced); O_NONBLOCK: a FIFO at the
    // page name cannot stall the run.
    const UniqueFd fd(
        openat(folderFd_, name.data(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.IsOpen())
        return fd.error() == ENOENT ? Found::Nothing : Found::Other;
    struct stat st {};
    bool same = false;
    if (fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode)) {
        keepMode_ = static_cast<int>(st.st_mode & 0777);
        if (st.st_size == bytes.size()) {
            existing_.resize(bytes.size());
            same = ReadExactly(fd.get(), existing_.data(), existing_.size()) && existing_ == bytes;
        }
    }
    return same ? Found::SameBytes : Found::Other;
}

int PageFileWriter::OpenUnnamed() {
    int fd = -1;
    if (refuseUnnamed_)
        errno = EOPNOTSUPP; // the answer of a file system without unnamed files
    else
        fd = openat(folderFd_, ".", O_TMPFILE | O_WRONLY | O_NOCTTY | O_CLOEXEC, 0666);
    // Kernels without O_TMPFILE read it as O_DIRECTORY and fail with EISDIR.
    if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL))
        unnamed_ = false;
    return fd;
}

bool PageFileWriter::LinkUnnamed(int fd, const char* name) {
    // AT_EMPTY_PATH needs no path walk; where the kernel refuses it to this process (ENOENT),
    // the descriptor's entry in /proc does the same.
    if (!linkByProc_) {
        if (linkat(fd, "", folderFd_, name, AT_EMPTY_PATH) == 0)
            return true;
        if (errno != ENOENT)
            return false;
        linkByProc_ = true;
    }
    char path[32];
    const int length = std::snprintf(path, sizeof path, "/proc/self/fd/%d", fd);
    if (length < 0 || length >= static_cast<int>(sizeof path))
        return false;
    if (linkat(AT_FDCWD, path, folderFd_, name, AT_SYMLINK_FOLLOW) == 0)
        return true;
    if (errno == ENOENT) // no /proc either
        unnamed_ = false;
    return false;
}

int PageFileWriter::CreateTemporary() {
    for (int attempt = 0; attempt < 1000; ++attempt) {
        tempName_ = tempPrefix_ + QByteArray::number(++counter_) + kTempSuffix;
        const int fd =
            openat(folderFd_, tempName_.constData(),
                   O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

Failure PageFileWriter::Fail(int error) {
    return {ErrorText(error), error};
}

bool PageFileWriter::MayBeTaken(QByteArrayView name) const {
    return !folderRead_ || std::binary_search(taken_.begin(), taken_.end(), qHash(name));
}

Result<PageFileWriter::Outcome> PageFileWriter::Write(QByteArrayView name,
                                                      const QByteArray& bytes) {
    keepMode_ = -1;
    const Found found = MayBeTaken(name) ? Inspect(name, bytes) : Found::Nothing;
    if (found == Found::SameBytes)
        return Outcome::Unchanged;

    if (found == Found::Nothing && unnamed_) {
        // The page gets its name only once it is whole; linkat never replaces anything.
        UniqueFd fd(OpenUnnamed());
        if (fd.IsOpen()) {
            if (!WriteAll(fd.get(), bytes))
                return Fail(errno);
            if (LinkUnnamed(fd.get(), name.data())) {
                if (fd.Close() == 0)
                    return Outcome::Written;
                const int error = errno;
                unlinkat(folderFd_, name.data(), 0); // no half-written page stays
                return Fail(error);
            }
            const int error = errno;
            fd = UniqueFd();
            // EEXIST: something took the name meanwhile, and is replaced below.
            if (error != EEXIST && unnamed_)
                return Fail(error);
        } else if (unnamed_) {
            return Fail(fd.error());
        }
    }

    // Replace what is there (or, without unnamed files, make the page) by renaming a complete
    // temporary file over the name.
    UniqueFd fd(CreateTemporary());
    if (!fd.IsOpen())
        return Fail(fd.error());
    if (keepMode_ >= 0 && !KeepMode(fd.get())) {
        const int error = errno;
        unlinkat(folderFd_, tempName_.constData(), 0);
        return Fail(error);
    }
    if (WriteAndClose(std::move(fd), bytes) &&
        renameat(folderFd_, tempName_.constData(), folderFd_, name.data()) == 0)
        return Outcome::Written;
    const int error = errno;
    unlinkat(folderFd_, tempName_.constData(), 0);
    return Fail(error);
}

bool PageFileWriter::KeepMode(int fd) const {
    struct stat st {};
    if (fstat(fd, &st) != 0)
        return false;
    return static_cast<int>(st.st_mode & 0777) == keepMode_ ||
           fchmod(fd, static_cast<mode_t>(keepMode_)) == 0;
}

void PageFileWriter::ReadFolder() {
    FolderReader dir(openat(folderFd_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.IsOpen())
        return;
    taken_.clear();
    while (const dirent* entry = dir.Next()) {
        taken_.push_back(qHash(QByteArrayView(entry->d_name)));
        const pid_t owner = TemporaryFileOwner(entry->d_name);
        if (owner <= 0 || ProcessIsAlive(owner))
            continue;
        // Only regular files: the writer never makes anything else under such a name.
        if (dir.IsRegularFile(entry, false))
            unlinkat(folderFd_, entry->d_name, 0);
    }
    // Only a folder read to its end tells which names are free.
    folderRead_ = dir.Error() == 0;
    std::sort(taken_.begin(), taken_.end());
}

} // namespace tuk
