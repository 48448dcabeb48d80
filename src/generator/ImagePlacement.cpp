#include "generator/ImagePlacement.h"

#include "generator/ImageHeader.h"
#include "generator/ImageStrip.h"
#include "generator/PageFile.h"
#include "generator/PictureStamp.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tuk {

namespace {

// The whole of a regular file of the folder, never following a link or blocking.
bool ReadWhole(int folderFd, const QByteArray& name, QByteArray& bytes) {
    const int fd = openat(folderFd, name.constData(),
                          O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return false;
    struct stat st {};
    bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (ok) {
        bytes.resize(qsizetype(st.st_size));
        qsizetype done = 0;
        while (ok && done < bytes.size()) {
            const ssize_t got = read(fd, bytes.data() + done, size_t(bytes.size() - done));
            ok = got > 0 || (got < 0 && errno == EINTR);
            done += got > 0 ? got : 0;
        }
    } else {
        errno = EINVAL;
    }
    const int error = errno;
    close(fd);
    errno = error;
    return ok;
}

// The comment of what the site holds at the name, and its identity.
bool Placed(int siteFd, const QByteArray& name, struct stat& st, QByteArray& comment) {
    const int fd = openat(siteFd, name.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return false;
    const bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (regular)
        comment = ReadImageHeader(fd).comment;
    close(fd);
    return regular;
}

bool SameOriginal(const struct stat& placed, const struct stat& image) {
    return (placed.st_dev == image.st_dev && placed.st_ino == image.st_ino) ||
           (placed.st_size == image.st_size && placed.st_mtim.tv_sec == image.st_mtim.tv_sec &&
            placed.st_mtim.tv_nsec == image.st_mtim.tv_nsec);
}

// A hard link to the original under a temporary name, renamed over the name: never half there.
bool LinkOriginal(int imageFolderFd, const QByteArray& name, int siteFd) {
    const QByteArray temporary = ".tu_k-" + QByteArray::number(getpid()) + "-link.tmp";
    (void)unlinkat(siteFd, temporary.constData(), 0);
    if (linkat(imageFolderFd, name.constData(), siteFd, temporary.constData(), 0) != 0)
        return false;
    if (renameat(siteFd, temporary.constData(), siteFd, name.constData()) == 0)
        return true;
    const int error = errno;
    (void)unlinkat(siteFd, temporary.constData(), 0);
    errno = error;
    return false;
}

Placement CopyOriginal(int imageFolderFd, const QByteArray& name, const struct stat& image,
                       PageFileWriter& site, int siteFd, int& error) {
    QByteArray bytes;
    if (!ReadWhole(imageFolderFd, name, bytes)) {
        error = errno;
        return Placement::Failed;
    }
    if (const auto written = site.Write(name, bytes); !written) {
        error = written.failure().error;
        return Placement::Failed;
    }
    const timespec times[2] = {image.st_atim, image.st_mtim};
    (void)utimensat(siteFd, name.constData(), times, AT_SYMLINK_NOFOLLOW); // a copy all the same
    return Placement::Written;
}

} // namespace

Placement PlaceImage(int imageFolderFd, const QByteArray& name, const struct stat& image,
                     PageFileWriter& site, int siteFd, bool original, int& error) {
    const ImageFormat format = FormatOfName(name);
    if (const ImageFormatRow* row = FindImageFormat(format); row && !row->stripped)
        original = true; // a kind the site holds as it is
    struct stat placed {};
    QByteArray comment;
    const QByteArray stamp = PictureStamp::PlacedText(image);
    if (Placed(siteFd, name, placed, comment) &&
        (original ? SameOriginal(placed, image) && !PictureStamp::IsOwn(comment)
                  : comment == stamp))
        return Placement::Kept;
    if (original) {
        if (LinkOriginal(imageFolderFd, name, siteFd))
            return Placement::Written;
        return CopyOriginal(imageFolderFd, name, image, site, siteFd, error);
    }
    QByteArray bytes;
    if (!ReadWhole(imageFolderFd, name, bytes)) {
        error = errno;
        return Placement::Failed;
    }
    const QByteArray stripped = StrippedImage(bytes, format, stamp);
    if (stripped.isEmpty())
        return Placement::Broken;
    if (const auto written = site.Write(name, stripped); !written) {
        error = written.failure().error;
        return Placement::Failed;
    }
    return Placement::Written;
}

} // namespace tuk
