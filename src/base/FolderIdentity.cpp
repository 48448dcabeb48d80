#include "base/FolderIdentity.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace tuk {

namespace {

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

int OpenNearestFolder(QByteArray path) {
    for (;;) {
        const int fd =
            open(path.isEmpty() ? "." : path.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0 || path.isEmpty() || path == "/")
            return fd;
        while (path.size() > 1 && path.endsWith('/'))
            path.chop(1);
        path.truncate(path.lastIndexOf('/') + 1); // "/a" gives "/", "a" gives "" (".")
    }
}

bool VolumeIdOf(const QByteArray& path, VolumeId& id) {
    struct statx st {};
    if (statx(AT_FDCWD, path.constData(), AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, STATX_MNT_ID,
              &st) != 0)
        return false;
    id.mount = (st.stx_mask & STATX_MNT_ID) != 0 ? st.stx_mnt_id : 0;
    id.device = makedev(st.stx_dev_major, st.stx_dev_minor);
    return true;
}

bool IsSameOrInsideFolder(const QByteArray& path, const QByteArray& folder) {
    struct stat wanted {};
    if (stat(folder.constData(), &wanted) != 0)
        return false;
    int fd = OpenNearestFolder(path);
    struct stat st {
    }, below{};
    bool inside = false;
    for (bool first = true; fd >= 0 && fstat(fd, &st) == 0; first = false) {
        // The root's ".." is the root itself: the walk ends there.
        if ((inside = SameFile(st, wanted)) || (!first && SameFile(st, below)))
            break;
        below = st;
        const int up = openat(fd, "..", O_PATH | O_DIRECTORY | O_CLOEXEC);
        close(fd);
        fd = up;
    }
    if (fd >= 0)
        close(fd);
    return inside;
}

} // namespace tuk
