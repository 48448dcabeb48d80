#include "foldertree/VolumeList.h"

#include "base/PathNames.h"
#include "foldertree/FolderNames.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>

namespace tuk {

namespace {

// File systems that hold kernel state, not user files.
bool IsPseudoFileSystem(const QString& fs) {
    static const QSet<QString> pseudo{
        QStringLiteral("proc"),       QStringLiteral("sysfs"),       QStringLiteral("cgroup"),
        QStringLiteral("cgroup2"),    QStringLiteral("devpts"),      QStringLiteral("devtmpfs"),
        QStringLiteral("mqueue"),     QStringLiteral("debugfs"),     QStringLiteral("tracefs"),
        QStringLiteral("securityfs"), QStringLiteral("pstore"),      QStringLiteral("bpf"),
        QStringLiteral("autofs"),     QStringLiteral("binfmt_misc"), QStringLiteral("configfs"),
        QStringLiteral("fusectl"),    QStringLiteral("hugetlbfs"),   QStringLiteral("squashfs"),
        QStringLiteral("efivarfs"),   QStringLiteral("rpc_pipefs"),  QStringLiteral("nsfs"),
        QStringLiteral("selinuxfs")};
    return pseudo.contains(fs);
}

// Folders where the system keeps kernel interfaces, runtime state and packaged images.
bool IsInSystemFolder(const QString& mountPoint) {
    static const QLatin1String folders[] = {QLatin1String("/proc"), QLatin1String("/sys"),
                                            QLatin1String("/dev"), QLatin1String("/run"),
                                            QLatin1String("/snap")};
    return std::any_of(std::begin(folders), std::end(folders),
                       [&](QLatin1String folder) { return IsSameOrBelow(mountPoint, folder); });
}

bool IsHidden(const MountEntry& mount) {
    if (!mount.mountPoint.startsWith(QLatin1Char('/')))
        return true;
    if (IsPseudoFileSystem(mount.fsType))
        return true;
    // The system folders also hold what the user mounts: sticks and discs that udisks2 puts
    // at /run/media/USER/LABEL, shares that GVFS puts at /run/user/UID/gvfs. A whole volume
    // of a kind the user browses shows there; RAM disks, other FUSE mounts and bind mounts
    // there are the system's own.
    if (IsInSystemFolder(mount.mountPoint)) {
        const VolumeKind kind = VolumeKindOf(mount);
        const bool userVolume = kind == VolumeKind::FixedDisk ||
                                kind == VolumeKind::RemovableDisk || kind == VolumeKind::CdRom ||
                                kind == VolumeKind::RemoteDisk;
        if (!userVolume || mount.root != QLatin1String("/"))
            return true;
    }
    // An overlay anywhere but "/" is the layered root of a container.
    if (mount.fsType == QLatin1String("overlay") && mount.mountPoint != QLatin1String("/"))
        return true;
    // A single file bound over another (containers do it for /etc/hosts) is no folder.
    if (mount.root != QLatin1String("/")) {
        const QFileInfo info(mount.mountPoint);
        if (info.exists() && !info.isDir())
            return true;
    }
    return false;
}

// Where two entries share a mount point, only the later one is visible there.
QList<MountEntry> TopmostAtEachMountPoint(const QList<MountEntry>& mounts) {
    QHash<QString, qsizetype> last;
    for (qsizetype i = 0; i < mounts.size(); ++i)
        last.insert(mounts[i].mountPoint, i);
    QList<MountEntry> result;
    for (qsizetype i = 0; i < mounts.size(); ++i) {
        if (last.value(mounts[i].mountPoint) == i)
            result.append(mounts[i]);
    }
    return result;
}

bool MountPointLess(const MountEntry& a, const MountEntry& b) {
    return a.mountPoint < b.mountPoint;
}

// Leaves out every mount whose content another kept mount of the same file system already
// shows: a bind mount of a folder (its root lies inside the other's root) or the same file
// system mounted twice. Subvolumes mounted side by side (btrfs "/@" and "/@home") both stay.
QList<MountEntry> WithoutRepeats(QList<MountEntry> mounts) {
    std::stable_sort(mounts.begin(), mounts.end(), [](const MountEntry& a, const MountEntry& b) {
        if (a.root.size() != b.root.size())
            return a.root.size() < b.root.size();
        return MountPointLess(a, b);
    });
    QList<MountEntry> kept;
    for (const MountEntry& mount : mounts) {
        const bool repeat =
            !mount.deviceId.isEmpty() &&
            std::any_of(kept.cbegin(), kept.cend(), [&](const MountEntry& other) {
                return other.deviceId == mount.deviceId && IsSameOrBelow(mount.root, other.root);
            });
        if (!repeat)
            kept.append(mount);
    }
    return kept;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

QString DecodeUdevLabel(const QByteArray& linkName) {
    QByteArray out;
    out.reserve(linkName.size());
    for (qsizetype i = 0; i < linkName.size(); ++i) {
        if (linkName[i] == '\\' && i + 3 < linkName.size() && linkName[i + 1] == 'x') {
            const int high = HexDigit(linkName[i + 2]);
            const int low = HexDigit(linkName[i + 3]);
            if (high >= 0 && low >= 0) {
                out.append(static_cast<char>(high * 16 + low));
                i += 3;
                continue;
            }
        }
        out.append(linkName[i]);
    }
    return QString::fromUtf8(out);
}

DiskLabelFolder::DiskLabelFolder(QString folder) : folder_(std::move(folder)) {}

QString DiskLabelFolder::Label(const MountEntry& mount) const {
    if (!mount.source.startsWith(QLatin1Char('/')))
        return {};
    // The source may itself be a link (/dev/mapper/x -> ../dm-0): compare the devices.
    QString device = QFileInfo(mount.source).canonicalFilePath();
    if (device.isEmpty())
        return {};
    QDirIterator links(folder_,
                       QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    while (links.hasNext()) {
        const QFileInfo link(links.next());
        if (link.canonicalFilePath() == device)
            return DecodeUdevLabel(QFile::encodeName(link.fileName()));
    }
    return {};
}

QList<MountEntry> VisibleVolumes(const QList<MountEntry>& mounts) {
    QList<MountEntry> shown;
    for (const MountEntry& mount : TopmostAtEachMountPoint(mounts)) {
        if (!IsHidden(mount))
            shown.append(mount);
    }
    shown = WithoutRepeats(shown);
    std::stable_sort(shown.begin(), shown.end(), MountPointLess);
    return shown;
}

VolumeNode MakeVolumeNode(const MountEntry& mount, const QString& label) {
    VolumeNode node;
    node.key = mount.mountPoint;
    const VolumeKind kind = VolumeKindOf(mount);
    switch (kind) {
    case VolumeKind::FixedDisk:
        node.image = QStringLiteral("hard");
        break;
    case VolumeKind::RemoteDisk:
        node.image = QStringLiteral("net");
        break;
    case VolumeKind::CdRom:
        node.image = QStringLiteral("cdrom");
        break;
    case VolumeKind::RemovableDisk:
        node.image = QStringLiteral("floppy");
        break;
    case VolumeKind::RamDisk:
        node.image = QStringLiteral("ram");
        break;
    case VolumeKind::Unknown:
    case VolumeKind::NotExisting:
        node.image = QStringLiteral("unknown");
        break;
    }
    // Disks, shares and discs show their label. Removable media, RAM disks and volumes of an
    // unknown kind are not probed at start-up but listed again on every click.
    const bool labelled = kind == VolumeKind::FixedDisk || kind == VolumeKind::RemoteDisk ||
                          kind == VolumeKind::CdRom;
    const QString inBrackets = QStringLiteral("(") + mount.mountPoint + QStringLiteral(")");
    if (labelled) {
        node.text = ProperCase(label) + QLatin1Char(' ') + inBrackets;
    } else if (kind == VolumeKind::RemovableDisk) {
        //: A removable volume's node in the folder tree; %1 is where it is mounted.
        node.text = QCoreApplication::translate("frmTu_K", "Floppy (%1)").arg(mount.mountPoint);
    } else {
        node.text = inBrackets;
    }
    node.listedOnClick = !labelled;
    return node;
}

QList<VolumeNode> ListVolumeNodes(const MountTableSource& mounts, const VolumeLabelSource& labels) {
    QList<VolumeNode> nodes;
    for (const MountEntry& mount : VisibleVolumes(mounts.Mounts()))
        nodes.append(MakeVolumeNode(mount, labels.Label(mount)));
    return nodes;
}

} // namespace tuk
