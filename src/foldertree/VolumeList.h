#pragma once

#include "base/Volumes.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace tuk {

// Where volume labels come from: this machine's udev links, or a fixture in tests.
class VolumeLabelSource {
public:
    virtual ~VolumeLabelSource() = default;
    // The label of the volume as stored on it, empty when it has none.
    virtual QString Label(const MountEntry& mount) const = 0;
};

// Reads the labels from a folder of symbolic links named after the labels and pointing at the
// labelled devices, as udev keeps them in /dev/disk/by-label.
class DiskLabelFolder final : public VolumeLabelSource {
public:
    explicit DiskLabelFolder(QString folder = QStringLiteral("/dev/disk/by-label"));
    QString Label(const MountEntry& mount) const override;

private:
    QString folder_;
};

// A link name of /dev/disk/by-label turned back into the label: udev writes blanks, slashes
// and other unsafe bytes as \xHH; the rest is UTF-8.
QString DecodeUdevLabel(const QByteArray& linkName);

// The volumes a user picks folders from, in mount-point order: pseudo and system file
// systems, the system's own mounts below /proc, /sys, /dev, /run and /snap (all but whole
// disks, discs and network shares), over-mounted entries, mounted files and bind mounts that
// only repeat part of another shown volume are left out.
QList<MountEntry> VisibleVolumes(const QList<MountEntry>& mounts);

// One volume as the folder tree shows it.
struct VolumeNode {
    QString key;   // the mount point, "/" for the root volume
    QString text;  // "Data (/mnt/data)", " (/mnt/data)", "Floppy (/media/usb)", "(/tmp)"
    QString image; // "hard", "floppy", "net", "cdrom", "ram" or "unknown"
    // Volumes that may be slow, changing or of unknown make are not read at start-up; every
    // click on them lists their folders instead (removable media, RAM disks, unknown kinds).
    bool listedOnClick = false;
};

// The node of one volume; the label is taken as stored and shown in proper case.
VolumeNode MakeVolumeNode(const MountEntry& mount, const QString& label);

// The nodes of all visible volumes of the table, in mount-point order.
QList<VolumeNode> ListVolumeNodes(const MountTableSource& mounts, const VolumeLabelSource& labels);

} // namespace tuk
