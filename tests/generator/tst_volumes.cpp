#include "FixtureMounts.h"
#include "base/Volumes.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tuk;

namespace {

using FixtureTable = tuktest::FixtureMountTable;

MountEntry Mount(const QString& point, const QString& fs, bool removable = false) {
    MountEntry m;
    m.mountPoint = point;
    m.fsType = fs;
    m.root = QStringLiteral("/");
    m.removable = removable;
    return m;
}

} // namespace

class TestVolumes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void kinds_data() {
        QTest::addColumn<QString>("fs");
        QTest::addColumn<bool>("removable");
        QTest::addColumn<QString>("mountPoint");
        QTest::addColumn<QString>("kind");
        auto row = [](const char* name, const char* fs, bool removable, const char* point,
                      const char* kind) {
            QTest::newRow(name) << QString(fs) << removable << QString(point) << QString(kind);
        };
        for (const char* fs : {"ext4", "xfs", "btrfs", "vfat", "ntfs3"})
            row(fs, fs, false, "/mnt/v", "Fixed Disk");
        row("vfat removable", "vfat", true, "/mnt/v", "Removable Disk");
        row("ext4 removable", "ext4", true, "/mnt/v", "Removable Disk");
        row("overlay root", "overlay", false, "/", "Fixed Disk");
        row("overlay elsewhere", "overlay", false, "/mnt/v", "Unknown Medium ");
        for (const char* fs :
             {"nfs", "nfs4", "cifs", "smb3", "fuse.sshfs", "9p", "fuse.gvfsd-fuse"})
            row(fs, fs, false, "/mnt/v", "Remote Disk");
        row("iso9660", "iso9660", false, "/mnt/v", "CD-ROM");
        row("udf", "udf", true, "/mnt/v", "CD-ROM");
        row("tmpfs", "tmpfs", false, "/mnt/v", "RAM Disk");
        row("ramfs", "ramfs", false, "/mnt/v", "RAM Disk");
        row("proc", "proc", false, "/mnt/v", "Unknown Medium ");
    }
    void kinds() {
        QFETCH(QString, fs);
        QFETCH(bool, removable);
        QFETCH(QString, mountPoint);
        QFETCH(QString, kind);
        const FixtureTable table({Mount("/", "ext4"), Mount(mountPoint, fs, removable)});
        QCOMPARE(DriveTypeName(mountPoint + "/photos/x", table), kind);
    }

    void longestMountPointWins_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("kind");
        auto row = [](const char* name, const char* path, const char* kind) {
            QTest::newRow(name) << QString(path) << QString(kind);
        };
        row("root", "/", "Fixed Disk");
        row("on root", "/home/ann", "Fixed Disk");
        row("mount point itself", "/media/cd", "CD-ROM");
        row("inside", "/media/cd/pics", "CD-ROM");
        row("prefix is not a parent", "/media/cdrom2/pics", "Fixed Disk");
        row("nested mount", "/media/cd/net/x", "Remote Disk");
        row("relative", "media/cd", "Not Existing Drive");
        row("empty", "", "Not Existing Drive");
    }
    void longestMountPointWins() {
        QFETCH(QString, path);
        QFETCH(QString, kind);
        const FixtureTable table(
            {Mount("/", "ext4"), Mount("/media/cd", "iso9660"), Mount("/media/cd/net", "nfs")});
        QCOMPARE(DriveTypeName(path, table), kind);
    }

    void noVolumeAtAll() {
        QCOMPARE(DriveTypeName("/home", FixtureTable()), QStringLiteral("Not Existing Drive"));
    }

    void laterMountShadowsEarlier() {
        const FixtureTable table(
            {Mount("/", "ext4"), Mount("/mnt", "ext4"), Mount("/mnt", "tmpfs")});
        QCOMPARE(DriveTypeName("/mnt/a", table), QStringLiteral("RAM Disk"));
    }

    // A link on the fixed disk that points into another volume counts as that volume.
    void symlinksAreResolved() {
        QTemporaryDir dir;
        const QString target = dir.path() + "/cd";
        QVERIFY(QDir().mkpath(target + "/pics"));
        QVERIFY(QFile::link(target, dir.path() + "/link"));
        const FixtureTable table(
            {Mount("/", "ext4"), Mount(QDir(target).canonicalPath(), "iso9660")});
        QCOMPARE(DriveTypeName(dir.path() + "/link/pics", table), QStringLiteral("CD-ROM"));
        QCOMPARE(DriveTypeName(dir.path() + "/link/not-yet/x", table), QStringLiteral("CD-ROM"));
    }

    void parsesMountInfo() {
        const QByteArray text =
            "27 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n"
            "36 27 0:33 / /media/My\\040Disc ro shared:7 - iso9660 /dev/sr0 ro\n"
            "40 27 8:1 /srv /mnt/bind rw - ext4 /dev/sda1 rw\n"
            "garbage line\n"
            "41 27 0:50 / /net rw - nfs4 server:/export rw,vers=4\n";
        const QList<MountEntry> mounts = ParseMountInfo(text);
        QCOMPARE(mounts.size(), 4);
        QCOMPARE(mounts[0].mountPoint, QStringLiteral("/"));
        QCOMPARE(mounts[0].deviceId, QStringLiteral("254:0"));
        QCOMPARE(mounts[1].mountPoint, QStringLiteral("/media/My Disc"));
        QCOMPARE(mounts[1].fsType, QStringLiteral("iso9660"));
        QCOMPARE(mounts[1].source, QStringLiteral("/dev/sr0"));
        QCOMPARE(mounts[2].root, QStringLiteral("/srv"));
        QCOMPARE(mounts[3].source, QStringLiteral("server:/export"));
    }

    void thisMachineHasARootVolume() {
        QVERIFY(!SystemMountTable().Mounts().isEmpty());
        QVERIFY(DriveTypeName("/") != QStringLiteral("Not Existing Drive"));
    }
};

QTEST_APPLESS_MAIN(TestVolumes)
#include "tst_volumes.moc"
