#include "TestSupport.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tuk;
using tuktest::FixtureMountTable;
using tuktest::Mount;

class TestVolumes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void kinds_data() {
        QTest::addColumn<QString>("fs");
        QTest::addColumn<bool>("removable");
        QTest::addColumn<QString>("mountPoint");
        QTest::addColumn<QString>("kind");
        auto row = [](const char* fs, bool removable, const char* point, const char* kind) {
            QTest::addRow("%s%s at %s", fs, removable ? " removable" : "", point)
                << QString(fs) << removable << QString(point) << QString(kind);
        };
        for (const char* fs : {"ext4", "btrfs", "vfat"})
            row(fs, false, "/mnt/v", "Fixed Disk");
        row("vfat", true, "/mnt/v", "Removable Disk");
        row("overlay", false, "/", "Fixed Disk");
        row("overlay", false, "/mnt/v", "Unknown Medium ");
        for (const char* fs : {"nfs4", "cifs", "fuse.sshfs"})
            row(fs, false, "/mnt/v", "Remote Disk");
        row("iso9660", false, "/mnt/v", "CD-ROM");
        row("udf", true, "/mnt/v", "CD-ROM");
        row("tmpfs", false, "/mnt/v", "RAM Disk");
        row("proc", false, "/mnt/v", "Unknown Medium ");
    }
    void kinds() {
        QFETCH(QString, fs);
        QFETCH(bool, removable);
        QFETCH(QString, mountPoint);
        const FixtureMountTable table({Mount("/", "ext4"), Mount(mountPoint, fs, removable)});
        QTEST(DriveTypeName(mountPoint + "/photos/x", table), "kind");
    }

    // The longest mount point that holds the path wins; of two at one point, the later.
    void volumeOfPath_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("kind");
        QTest::newRow("root") << "/"
                              << "Fixed Disk";
        QTest::newRow("mount point itself") << "/media/cd"
                                            << "CD-ROM";
        QTest::newRow("prefix is not a parent") << "/media/cdrom2/pics"
                                                << "Fixed Disk";
        QTest::newRow("nested mount") << "/media/cd/net/x"
                                      << "Remote Disk";
        QTest::newRow("later mount shadows earlier") << "/mnt/a"
                                                     << "RAM Disk";
        QTest::newRow("relative") << "media/cd"
                                  << "Not Existing Drive";
        QTest::newRow("empty") << ""
                               << "Not Existing Drive";
    }
    void volumeOfPath() {
        QFETCH(QString, path);
        const FixtureMountTable table({Mount("/", "ext4"), Mount("/media/cd", "iso9660"),
                                       Mount("/media/cd/net", "nfs"), Mount("/mnt", "ext4"),
                                       Mount("/mnt", "tmpfs")});
        QTEST(DriveTypeName(path, table), "kind");
    }

    // A link on the fixed disk that points into another volume counts as that volume.
    void symlinksAreResolved() {
        QTemporaryDir dir;
        const QString target = dir.path() + "/cd";
        QVERIFY(QDir().mkpath(target + "/pics"));
        QVERIFY(QFile::link(target, dir.path() + "/link"));
        const FixtureMountTable table(
            {Mount("/", "ext4"), Mount(QDir(target).canonicalPath(), "iso9660")});
        QCOMPARE(DriveTypeName(dir.path() + "/link/pics", table), QStringLiteral("CD-ROM"));
        QCOMPARE(DriveTypeName(dir.path() + "/link/not-yet/x", table), QStringLiteral("CD-ROM"));
    }

    void parsesMountInfo() {
        const QList<MountEntry> mounts =
            ParseMountInfo("27 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n"
                           "36 27 0:33 / /media/My\\040Disc ro shared:7 - iso9660 /dev/sr0 ro\n"
                           "garbage line\n"
                           "40 27 8:1 /srv /mnt/bind rw - nfs4 server:/export rw\n");
        QCOMPARE(mounts.size(), 3);
        QCOMPARE(mounts[0].deviceId, QStringLiteral("254:0"));
        QCOMPARE(mounts[1].mountPoint, QStringLiteral("/media/My Disc"));
        QCOMPARE(mounts[1].fsType, QStringLiteral("iso9660"));
        QCOMPARE(mounts[2].root, QStringLiteral("/srv"));
        QCOMPARE(mounts[2].source, QStringLiteral("server:/export"));
    }

    // The block devices as /sys shows them: a partition's entry has no flag of its own that
    // counts, its disk's does.
    void removableFlag_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("removable");
        QTest::newRow("removable disk") << "8:16" << true;
        QTest::newRow("its partition") << "8:17" << true;
        QTest::newRow("fixed disk") << "8:0" << false;
        QTest::newRow("its partition") << "8:1" << false;
        QTest::newRow("no such device") << "9:9" << false;
    }
    void removableFlag() {
        QFETCH(QString, device);
        QTemporaryDir sys;
        const QString devices = sys.path() + "/devices/";
        const auto disk = [&](const char* name, const char* major, const char* flag,
                              const char* partition, const char* partFlag) {
            const QString at = devices + name;
            QVERIFY(tuktest::MakeFolder(at + "/" + partition));
            QVERIFY(tuktest::WriteFile(at + "/removable", flag));
            QVERIFY(tuktest::WriteFile(at + "/" + partition + "/partition", "1\n"));
            QVERIFY(tuktest::WriteFile(at + "/" + partition + "/removable", partFlag));
            QVERIFY(QFile::link(at, sys.path() + "/dev/block/" + major));
            QVERIFY(QFile::link(at + "/" + partition,
                                sys.path() + "/dev/block/" + QString(major).chopped(1) +
                                    QString::number(QString(major).right(1).toInt() + 1)));
        };
        QVERIFY(tuktest::MakeFolder(sys.path() + "/dev/block"));
        disk("sdb", "8:16", "1\n", "sdb1", "0\n");
        disk("sda", "8:0", "0\n", "sda1", "1\n");
        QTEST(IsRemovableDevice(device, sys.path()), "removable");
    }

    void thisMachineHasARootVolume() {
        QVERIFY(DriveTypeName("/") != QStringLiteral("Not Existing Drive"));
    }
};

QTEST_APPLESS_MAIN(TestVolumes)
#include "tst_volumes.moc"
