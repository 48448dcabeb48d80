#include "foldertree/VolumeList.h"

#include "TestSupport.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tuk;

namespace {

// "mount-point fs-type [root [device [removable]]]"
MountEntry Mount(const QString& line) {
    const QStringList f = line.split(QLatin1Char(' '));
    MountEntry m;
    m.mountPoint = f.value(0);
    m.fsType = f.value(1);
    m.root = f.value(2, QStringLiteral("/"));
    m.deviceId = f.value(3);
    m.removable = f.value(4) == QLatin1String("removable");
    return m;
}

QStringList MountPoints(const QList<MountEntry>& mounts) {
    QStringList points;
    for (const MountEntry& m : mounts)
        points.append(m.mountPoint + QLatin1Char(' ') + m.fsType);
    return points;
}

} // namespace

class TestVolumeList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void visibleVolumes_data() {
        QTest::addColumn<QStringList>("table");
        QTest::addColumn<QStringList>("shown");
        const QString root = QStringLiteral("/ ext4 / 8:1");
        QStringList kernel{root};
        for (const char* fs : {"proc", "sysfs", "cgroup2", "cgroup", "devtmpfs", "devpts", "mqueue",
                               "debugfs", "tracefs", "securityfs", "pstore", "bpf", "autofs",
                               "binfmt_misc", "configfs", "fusectl", "hugetlbfs"})
            kernel << QString("/mnt/%1 %1").arg(fs);
        kernel << "/proc proc"
               << "/sys sysfs"
               << "/dev/pts devpts";
        QTest::newRow("kernel file systems") << kernel << QStringList{"/ ext4"};
        QTest::newRow("system folders") << QStringList{root,
                                                       "/run tmpfs",
                                                       "/run/user/1000 tmpfs",
                                                       "/dev/shm tmpfs",
                                                       "/run/user/1000/doc fuse.portal",
                                                       "/run/secrets ext4 /var/lib/s 8:5",
                                                       "/snap/core/1 squashfs",
                                                       "/media/img.sqfs squashfs",
                                                       "/sysadmin ext4 / 8:2",
                                                       "/runner ext4 / 8:3"}
                                        << QStringList{"/ ext4", "/runner ext4", "/sysadmin ext4"};
        QTest::newRow("user mounts in system folders")
            << QStringList{root, "/run/media/ann/STICK vfat / 8:17 removable",
                           "/run/media/ann/DISC iso9660 / 11:0",
                           "/run/user/1000/gvfs fuse.gvfsd-fuse", "/run/user/1000/box fuse.sshfs"}
            << QStringList{"/ ext4", "/run/media/ann/DISC iso9660", "/run/media/ann/STICK vfat",
                           "/run/user/1000/box fuse.sshfs", "/run/user/1000/gvfs fuse.gvfsd-fuse"};
        QTest::newRow("ram disks and others stay")
            << QStringList{"/tmp tmpfs", root, "/mnt/cd iso9660", "/mnt/odd fuse.odd"}
            << QStringList{"/ ext4", "/mnt/cd iso9660", "/mnt/odd fuse.odd", "/tmp tmpfs"};
        QTest::newRow("container layers")
            << QStringList{"/ overlay / 0:40", "/var/lib/docker/overlay2/a/merged overlay / 0:41"}
            << QStringList{"/ overlay"};
        QTest::newRow("bind mount of a folder")
            << QStringList{root, "/srv/pics ext4 /home/ann/pics 8:1"} << QStringList{"/ ext4"};
        QTest::newRow("same volume twice")
            << QStringList{"/mnt/b vfat / 8:17", "/mnt/a vfat / 8:17"}
            << QStringList{"/mnt/a vfat"};
        QTest::newRow("bind of a volume not shown otherwise")
            << QStringList{root, "/mnt/pics ext4 /pics 8:33"}
            << QStringList{"/ ext4", "/mnt/pics ext4"};
        QTest::newRow("subvolumes side by side")
            << QStringList{"/ btrfs /@ 0:30", "/home btrfs /@home 0:30",
                           "/home/ann/pics btrfs /@home/ann/pics 0:30"}
            << QStringList{"/ btrfs", "/home btrfs"};
        QTest::newRow("over-mounted mount point")
            << QStringList{root, "/mnt/nas autofs", "/mnt/nas nfs4 / 0:50", "/mnt/x nfs4 / 0:51",
                           "/mnt/x autofs"}
            << QStringList{"/ ext4", "/mnt/nas nfs4"};
        QTest::newRow("relative mount point") << QStringList{"mnt ext4"} << QStringList{};
    }
    void visibleVolumes() {
        QFETCH(QStringList, table);
        QFETCH(QStringList, shown);
        QList<MountEntry> mounts;
        for (const QString& line : table)
            mounts.append(Mount(line));
        QCOMPARE(MountPoints(VisibleVolumes(mounts)), shown);
    }

    // Containers bind single files such as /etc/hosts: a file is no folder to browse.
    void mountedFileIsHidden() {
        QTemporaryDir dir;
        const QString file = dir.path() + "/hosts";
        QVERIFY(tuktest::WriteFile(file, "x"));
        const QList<MountEntry> mounts{Mount("/ overlay / 0:40"),
                                       Mount(file + " ext4 /containers/hosts 8:1"),
                                       Mount(dir.path() + "/gone ext4 /gone 8:1")};
        QCOMPARE(MountPoints(VisibleVolumes(mounts)),
                 (QStringList{"/ overlay", dir.path() + "/gone ext4"}));
    }

    void decodeUdevLabel_data() {
        QTest::addColumn<QByteArray>("link");
        QTest::addColumn<QString>("label");
        QTest::newRow("blank") << QByteArray("MY\\x20DISK") << "MY DISK";
        QTest::newRow("slash and backslash") << QByteArray("a\\x2fb\\x5C") << "a/b\\";
        QTest::newRow("utf-8") << QByteArray("\xc3\x89t\xc3\xa9") << "Été";
        QTest::newRow("escaped utf-8") << QByteArray("\\xc3\\x89t\\xc3\\xa9") << "Été";
        QTest::newRow("short escape") << QByteArray("ab\\x2") << "ab\\x2";
        QTest::newRow("not hex") << QByteArray("\\xzz") << "\\xzz";
        QTest::newRow("empty") << QByteArray() << "";
    }
    void decodeUdevLabel() {
        QFETCH(QByteArray, link);
        QTEST(DecodeUdevLabel(link), "label");
    }

    // What a volume's node shows, and whether it is read at start-up or on every click.
    void nodes_data() {
        QTest::addColumn<QString>("mount");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("image");
        QTest::addColumn<bool>("onClick");
        auto row = [](const char* mount, const char* label, const char* text, const char* image,
                      bool onClick) {
            QTest::newRow(mount) << QString(mount) << QString(label) << QString(text)
                                 << QString(image) << onClick;
        };
        row("/v ext4", "SYSTEM", "System (/v)", "hard", false);
        row("/v nfs4", "", " (/v)", "net", false);
        row("/v iso9660", "MY DISC", "My Disc (/v)", "cdrom", false);
        row("/v vfat / 8:1 removable", "STICK", "Floppy (/v)", "floppy", true);
        row("/v tmpfs", "RAM", "(/v)", "ram", true);
        row("/v fuse.odd", "ODD", "(/v)", "unknown", true);
    }
    void nodes() {
        QFETCH(QString, mount);
        QFETCH(QString, label);
        const VolumeNode node = MakeVolumeNode(Mount(mount), label);
        QCOMPARE(node.key, QStringLiteral("/v"));
        QTEST(node.text, "text");
        QTEST(node.image, "image");
        QTEST(node.listedOnClick, "onClick");
    }

    // Labels come from links to the device, also when the mount names it through another link.
    void labelsFromLinkFolder() {
        QTemporaryDir dir;
        const QString dev = dir.path() + "/dev";
        const QString byLabel = dir.path() + "/by-label";
        QVERIFY(tuktest::MakeFolder(dev + "/mapper"));
        QVERIFY(tuktest::MakeFolder(byLabel));
        for (const char* name : {"/sda1", "/sdb1", "/dm-0"})
            QVERIFY(tuktest::WriteFile(dev + name, ""));
        QVERIFY(QFile::link("../dm-0", dev + "/mapper/vg-root"));
        QVERIFY(QFile::link("../dev/sda1", byLabel + "/MY\\x20DISK"));
        QVERIFY(QFile::link("../dev/dm-0", byLabel + "/root"));
        QVERIFY(QFile::link("../dev/missing", byLabel + "/GONE"));

        const DiskLabelFolder labels(byLabel);
        auto labelOf = [&](const QString& source) {
            MountEntry m = Mount("/mnt/x ext4");
            m.source = source;
            return labels.Label(m);
        };
        QCOMPARE(labelOf(dev + "/sda1"), QStringLiteral("MY DISK"));
        QCOMPARE(labelOf(dev + "/mapper/vg-root"), QStringLiteral("root"));
        QCOMPARE(labelOf(dev + "/sdb1"), QString());
        QCOMPARE(labelOf(dev + "/missing"), QString());
        QCOMPARE(labelOf("server:/export"), QString());
        QCOMPARE(DiskLabelFolder(dir.path() + "/none").Label(Mount("/ ext4")), QString());
    }
};

QTEST_APPLESS_MAIN(TestVolumeList)
#include "tst_volumelist.moc"
