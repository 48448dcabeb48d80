#pragma once

#include <QByteArray>
#include <sys/types.h>

namespace tuk {

// The mounted volume a file is on: the id of its mount, so that a bind mount of the same file
// system is a volume of its own, and the file system's device (mount 0 where the system gives
// no mount id, so the device alone tells).
struct VolumeId {
    quint64 mount = 0;
    dev_t device = 0;
    bool operator==(const VolumeId&) const = default;
};

// The volume of what is at the path, a symbolic link itself rather than what it points to;
// nothing is mounted on the way (an automounted folder is told by its own volume). False,
// with errno, when the path cannot be reached.
bool VolumeIdOf(const QByteArray& path, VolumeId& id);

// The path as an O_PATH folder descriptor (the caller closes it), or where it does not exist
// (yet) the nearest folder above it that does; -1 when not even the start of the path opens.
int OpenNearestFolder(QByteArray path);

// Whether the path (file-system bytes; it need not exist yet) is the folder itself or lies
// inside it, by what is on disk rather than by the text: from the nearest existing folder of
// the path up to the root through "..", each compared by device and inode with the folder, so
// a path through a symbolic link or a bind mount of the folder or of a folder above it counts.
bool IsSameOrInsideFolder(const QByteArray& path, const QByteArray& folder);

} // namespace tuk
