#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace tuk {

// One entry of the mount table.
struct MountEntry {
    QString mountPoint;     // absolute path where the volume is mounted
    QString fsType;         // "ext4", "nfs4", "fuse.sshfs", ...
    QString source;         // device or remote address, e.g. "/dev/sda1", "server:/export"
    QString root;           // folder of the file system mounted there ("/" unless a bind mount)
    QString deviceId;       // "major:minor" of the file system
    bool removable = false; // the block device behind it reports removable media
};

// Where the mount table comes from: this machine's, or a fixture in tests.
class MountTableSource {
public:
    virtual ~MountTableSource() = default;
    virtual QList<MountEntry> Mounts() const = 0;
};

// Reads /proc/self/mountinfo and the removable flags of the block devices under /sys.
class SystemMountTable final : public MountTableSource {
public:
    QList<MountEntry> Mounts() const override;
};

// Whether the block device "major:minor" reports removable media, read below sysRoot (the
// system's /sys, a fixture in tests).
bool IsRemovableDevice(const QString& deviceId, const QString& sysRoot);

// Parses the text of /proc/self/mountinfo (removable flags left false).
QList<MountEntry> ParseMountInfo(const QByteArray& text);

// The kinds of volume.
enum class VolumeKind {
    Unknown,
    NotExisting,
    RemovableDisk,
    FixedDisk,
    RemoteDisk,
    CdRom,
    RamDisk
};

// The kind's name as the program shows it: "Fixed Disk", "Unknown Medium " (with its blank) ...
QString DriveTypeName(VolumeKind kind);

// The kind of one mounted volume.
VolumeKind VolumeKindOf(const MountEntry& mount);

// The entry of the volume that holds the path: the longest mount point containing it after
// symbolic links are resolved; the later entry wins where two share a mount point.
// Null when the path is empty, relative, or on no listed volume.
const MountEntry* VolumeOf(const QString& path, const QList<MountEntry>& mounts);

// The kind of the volume that holds the path, NotExisting when there is none.
VolumeKind VolumeKindOf(const QString& path, const MountTableSource& table);

// The same for this machine.
VolumeKind VolumeKindOf(const QString& path);

} // namespace tuk
