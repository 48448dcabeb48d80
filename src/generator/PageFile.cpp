#include "generator/PageFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tuk {

namespace {

int CloseKeepingErrno(int fd) {
    const int saved = errno;
    const int rc = close(fd);
    errno = saved;
    return rc;
}

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

// Writes everything and closes the file; close() also reports late write errors of network
// file systems. errno tells why on failure.
bool WriteAndClose(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype size = bytes.size();
    while (size > 0) {
        const ssize_t n = write(fd, data, static_cast<size_t>(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            CloseKeepingErrno(fd);
            return false;
        }
        data += n;
        size -= n;
    }
    return close(fd) == 0;
}

} // namespace

PageFileWriter::PageFileWriter(int folderFd) : folderFd_(folderFd) {}

bool PageFileWriter::HoldsSameBytes(QByteArrayView name, const QByteArray& bytes) {
    keepMode_ = -1;
    // O_NOFOLLOW: a link is never read through (and gets replaced); O_NONBLOCK: a FIFO at the
    // page name cannot stall the run.
    const int fd =
        openat(folderFd_, name.data(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    bool same = false;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        keepMode_ = static_cast<int>(st.st_mode & 0777);
        if (st.st_size == bytes.size()) {
            existing_.resize(bytes.size());
            same = ReadExactly(fd, existing_.data(), existing_.size()) && existing_ == bytes;
        }
    }
    close(fd);
    return same;
}

int PageFileWriter::CreateTemporary() {
    static const QByteArray prefix = ".tu_k-" + QByteArray::number(getpid()) + '-';
    for (int attempt = 0; attempt < 1000; ++attempt) {
        tempName_ = prefix + QByteArray::number(++counter_) + ".tmp";
        const int fd =
            openat(folderFd_, tempName_.constData(),
                   O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

PageFileWriter::Outcome PageFileWriter::Fail(int error) {
    error_ = error;
    return Outcome::Failed;
}

PageFileWriter::Outcome PageFileWriter::Write(QByteArrayView name, const QByteArray& bytes) {
    // A page that does not exist yet is created under its own name, exclusively: there is no
    // good page to protect, so the rename is not needed (it would nearly double the cost of a
    // first run). O_EXCL fails for anything already there, a symbolic link included.
    int fd = openat(folderFd_, name.data(),
                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd >= 0) {
        if (WriteAndClose(fd, bytes))
            return Outcome::Written;
        const int error = errno;
        unlinkat(folderFd_, name.data(), 0); // no half-written page stays
        return Fail(error);
    }
    if (errno != EEXIST)
        return Fail(errno);

    if (HoldsSameBytes(name, bytes))
        return Outcome::Unchanged;

    // Replace what is there by renaming a complete temporary file over it.
    fd = CreateTemporary();
    if (fd < 0)
        return Fail(errno);
    if (keepMode_ >= 0 && !KeepMode(fd)) {
        const int error = errno;
        close(fd);
        unlinkat(folderFd_, tempName_.constData(), 0);
        return Fail(error);
    }
    if (WriteAndClose(fd, bytes) &&
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

} // namespace tuk
