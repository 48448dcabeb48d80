#include "base/Volumes.h"

#include "base/PathNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace tuk {

namespace {

// mountinfo escapes blanks, tabs, newlines and backslashes in paths as \ooo.
QString UnescapeMountField(const QByteArray& field) {
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const QByteArray digits = field.mid(i + 1, 3);
            bool ok = false;
            const int value = digits.toInt(&ok, 8);
            if (ok && digits.size() == 3) {
                out.append(static_cast<char>(value));
                i += 3;
                continue;
            }
        }
        out.append(field[i]);
    }
    return QFile::decodeName(out);
}

bool ReadFlag(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(8).trimmed() == "1";
}

} // namespace

// <sys>/dev/block/MAJ:MIN points at the device; a partition takes the flag of its disk.
bool IsRemovableDevice(const QString& deviceId, const QString& sysRoot) {
    const QString dev = sysRoot + QStringLiteral("/dev/block/") + deviceId;
    if (!QFileInfo::exists(dev))
        return false;
    if (QFileInfo::exists(dev + QStringLiteral("/partition")))
        return ReadFlag(dev + QStringLiteral("/../removable"));
    return ReadFlag(dev + QStringLiteral("/removable"));
}

namespace {

// The path with symbolic links resolved; for a path that does not exist (yet), its longest
// existing parent resolved and the rest kept as written.
QString ResolvedPath(const QString& path) {
    QString existing = QDir::cleanPath(path);
    QStringList parts;
    for (;;) {
        const QString canonical = QFileInfo(existing).canonicalFilePath();
        if (!canonical.isEmpty()) {
            parts.prepend(canonical);
            return QDir::cleanPath(parts.join(QLatin1Char('/')));
        }
        if (existing == QLatin1String("/"))
            return QDir::cleanPath(path);
        const qsizetype slash = existing.lastIndexOf(QLatin1Char('/'));
        parts.prepend(existing.mid(slash + 1));
        existing = slash <= 0 ? QStringLiteral("/") : existing.left(slash);
    }
}

} // namespace

QList<MountEntry> ParseMountInfo(const QByteArray& text) {
    QList<MountEntry> mounts;
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        // id parent major:minor root mount-point options [optional...] - fstype source super
        const qsizetype dash = fields.indexOf("-");
        if (fields.size() < 7 || dash < 6 || dash + 2 >= fields.size())
            continue;
        MountEntry entry;
        entry.deviceId = QString::fromLatin1(fields[2]);
        entry.root = UnescapeMountField(fields[3]);
        entry.mountPoint = UnescapeMountField(fields[4]);
        entry.fsType = QString::fromLatin1(fields[dash + 1]);
        entry.source = UnescapeMountField(fields[dash + 2]);
        mounts.append(entry);
    }
    return mounts;
}

QList<MountEntry> SystemMountTable::Mounts() const {
    QFile file(QStringLiteral("/proc/self/mountinfo"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<MountEntry> mounts = ParseMountInfo(file.readAll());
    for (MountEntry& entry : mounts) {
        if (entry.source.startsWith(QLatin1String("/dev/")))
            entry.removable = IsRemovableDevice(entry.deviceId, QStringLiteral("/sys"));
    }
    return mounts;
}

QString DriveTypeName(VolumeKind kind) {
    switch (kind) {
    case VolumeKind::NotExisting:
        return QCoreApplication::translate("Volumes", "Not Existing Drive");
    case VolumeKind::RemovableDisk:
        return QCoreApplication::translate("Volumes", "Removable Disk");
    case VolumeKind::FixedDisk:
        return QCoreApplication::translate("Volumes", "Fixed Disk");
    case VolumeKind::RemoteDisk:
        return QCoreApplication::translate("Volumes", "Remote Disk");
    case VolumeKind::CdRom:
        return QCoreApplication::translate("Volumes", "CD-ROM");
    case VolumeKind::RamDisk:
        return QCoreApplication::translate("Volumes", "RAM Disk");
    case VolumeKind::Unknown:
        break;
    }
    //: a kind of drive the system does not tell; ends with a blank, as the other kinds do not
    return QCoreApplication::translate("Volumes", "Unknown Medium ");
}

VolumeKind VolumeKindOf(const MountEntry& mount) {
    static const QSet<QString> blockFs{
        QStringLiteral("ext2"),    QStringLiteral("ext3"),     QStringLiteral("ext4"),
        QStringLiteral("xfs"),     QStringLiteral("btrfs"),    QStringLiteral("f2fs"),
        QStringLiteral("jfs"),     QStringLiteral("reiserfs"), QStringLiteral("vfat"),
        QStringLiteral("exfat"),   QStringLiteral("ntfs"),     QStringLiteral("ntfs3"),
        QStringLiteral("fuseblk"), QStringLiteral("hfsplus"),  QStringLiteral("zfs"),
        QStringLiteral("msdos"),   QStringLiteral("bcachefs")};
    static const QSet<QString> networkFs{
        QStringLiteral("nfs"),        QStringLiteral("nfs4"),
        QStringLiteral("cifs"),       QStringLiteral("smb3"),
        QStringLiteral("smbfs"),      QStringLiteral("9p"),
        QStringLiteral("afs"),        QStringLiteral("ceph"),
        QStringLiteral("glusterfs"),  QStringLiteral("davfs"),
        QStringLiteral("fuse.sshfs"), QStringLiteral("fuse.rclone"),
        QStringLiteral("fuse.s3fs"),  QStringLiteral("fuse.glusterfs"),
        QStringLiteral("fuse.davfs"), QStringLiteral("fuse.gvfsd-fuse")};
    const QString& fs = mount.fsType;
    if (blockFs.contains(fs))
        return mount.removable ? VolumeKind::RemovableDisk : VolumeKind::FixedDisk;
    if (fs == QLatin1String("overlay") && mount.mountPoint == QLatin1String("/"))
        return VolumeKind::FixedDisk;
    if (networkFs.contains(fs))
        return VolumeKind::RemoteDisk;
    if (fs == QLatin1String("iso9660") || fs == QLatin1String("udf"))
        return VolumeKind::CdRom;
    if (fs == QLatin1String("tmpfs") || fs == QLatin1String("ramfs"))
        return VolumeKind::RamDisk;
    return VolumeKind::Unknown;
}

const MountEntry* VolumeOf(const QString& path, const QList<MountEntry>& mounts) {
    if (path.isEmpty() || !path.startsWith(QLatin1Char('/')))
        return nullptr;
    const QString resolved = ResolvedPath(path);
    const MountEntry* best = nullptr;
    for (const MountEntry& entry : mounts) {
        if (!IsSameOrBelow(resolved, entry.mountPoint))
            continue;
        if (!best || entry.mountPoint.size() >= best->mountPoint.size())
            best = &entry;
    }
    return best;
}

VolumeKind VolumeKindOf(const QString& path, const MountTableSource& table) {
    const QList<MountEntry> mounts = table.Mounts();
    const MountEntry* volume = VolumeOf(path, mounts);
    return volume ? VolumeKindOf(*volume) : VolumeKind::NotExisting;
}

VolumeKind VolumeKindOf(const QString& path) {
    return VolumeKindOf(path, SystemMountTable());
}

} // namespace tuk
