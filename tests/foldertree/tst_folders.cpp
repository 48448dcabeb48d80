#include "TestSupport.h"
#include "foldertree/FolderListing.h"
#include "foldertree/FolderNames.h"
#include "foldertree/VolumeList.h"

#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace tuk;
using namespace tuktest;

class TestFolders : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private Q_SLOTS:
    void properCase() {
        const QList<std::pair<QString, QString>> rows{
            {"PROGRAM FILES", "Program Files"},
            {"MyPics", "Mypics"},
            {"c:\\windows", "C:\\windows"},
            {"/home/ann", "/home/ann"},
            {"new\tfolder", "New\tFolder"},
            {"a\nb\rc\vd\fe", "A\nB\rC\vD\fE"},
            {QString::fromUtf16(u"my\0pics", 7), QString::fromUtf16(u"My\0Pics", 7)},
            {"hello-WORLD", "Hello-world"},
            {"  a  b ", "  A  B "},
            {"ÉCOLE été", "École Été"}};
        for (const auto& [text, proper] : rows)
            QCOMPARE(ProperCase(text), proper);
        QCOMPARE(TrimAtNul(QString::fromUtf16(u"ab\0cd", 5)), QString("ab"));
        QCOMPARE(TrimAtNul(QString::fromUtf16(u"\0cd", 3)), QString(""));
        QCOMPARE(TrimAtNul("abc"), QString("abc"));
    }

    // Entries: "name/" a folder, "name->target" a symbolic link, others files.
    // Sorted by shown text, then real name; hidden folders and files left out, links to folders
    // in, a loop once. The first name in text order can be a file or a broken link: no winner.
    void listing() {
        int n = 0;
        for (const auto& [entries, subfolders] :
             {std::pair{QStringList{"b/", "A/", "NEW FOLDER/", "apple/", "Apple/", "my pics/"},
                        QStringList{"A", "Apple", "apple", "b", "my pics", "NEW FOLDER"}},
              {{".hidden/", ".git/", "file.jpg", "x/"}, {"x"}},
              {{"real/", "a-link->real", "to-file->f", "f", "broken->nowhere"}, {"a-link", "real"}},
              {{"loop->.", "up->.."}, {"loop", "up"}},
              {{"0file", "00broken->nowhere", "1link->z", "z/"}, {"1link", "z"}},
              {{"a.jpg", "b.gif"}, {}}}) {
            const QString folder = dir_.path() + "/listing" + QString::number(++n);
            QVERIFY(MakeImages(folder + "/", entries));
            QCOMPARE(ListSubfolders(folder), subfolders);
            QCOMPARE(FirstSubfolder(folder), subfolders.value(0));
            QCOMPARE(FirstSubfolder(folder + "/"), subfolders.value(0));
            QCOMPARE(DiskFolders().Subfolders(folder), subfolders);
        }
    }

    // Unreadable folders list nothing; a name not valid in the locale's encoding could not be
    // opened again by its decoded text, so it is left out.
    void unreadableAndUndecodable() {
        for (const QString& folder : {QString(), dir_.path() + "/none", dir_.path() + "/file"}) {
            QVERIFY(WriteFile(dir_.path() + "/file", "x"));
            QCOMPARE(ListSubfolders(folder), QStringList());
            QCOMPARE(FirstSubfolder(folder), QString());
        }
        const QString folder = dir_.path() + "/undecodable";
        QVERIFY(MakeImages(folder + "/", {"ok/"}));
        const QByteArray bad = QFile::encodeName(folder) + "/bad\xff";
        QCOMPARE(::mkdir(bad.constData(), 0755), 0);
        const QStringList listed = ListSubfolders(folder);
        const QString first = FirstSubfolder(folder);
        ::rmdir(bad.constData()); // QTemporaryDir cannot remove it by its decoded name
        QCOMPARE(listed, QStringList{"ok"});
        QCOMPARE(first, QStringLiteral("ok"));
    }

    // Hidden: kernel and system file systems, container layers, a bind of a shown volume, a
    // volume's second mount, subvolumes, over-mounted points and mounted files (/etc/hosts).
    void visibleVolumes() {
        QVERIFY(WriteFile(dir_.path() + "/file", "x"));
        const QString root = QStringLiteral("/ ext4 / 8:1");
        QStringList kernel{root, "/proc proc", "/sys sysfs", "/dev/pts devpts"};
        for (const char* fs : {"cgroup2", "devtmpfs", "mqueue", "debugfs", "securityfs", "bpf",
                               "autofs", "binfmt_misc", "configfs", "fusectl", "hugetlbfs"})
            kernel << QString("/mnt/%1 %1").arg(fs);
        const QList<std::pair<QStringList, QStringList>> rows{
            {kernel, {"/ ext4"}},
            {{root, "/run tmpfs", "/run/user/1000 tmpfs", "/dev/shm tmpfs",
              "/run/user/1000/doc fuse.portal", "/run/secrets ext4 /var/lib/s 8:5",
              "/snap/core/1 squashfs", "/sysadmin ext4 / 8:2", "/runner ext4 / 8:3"},
             {"/ ext4", "/runner ext4", "/sysadmin ext4"}},
            {{"/tmp tmpfs", root, "/run/media/ann/STICK vfat / 8:17 removable",
              "/run/user/1000/gvfs fuse.gvfsd-fuse", "/mnt/odd fuse.odd"},
             {"/ ext4", "/mnt/odd fuse.odd", "/run/media/ann/STICK vfat",
              "/run/user/1000/gvfs fuse.gvfsd-fuse", "/tmp tmpfs"}},
            {{"/ overlay / 0:40", "/var/lib/docker/overlay2/a/merged overlay / 0:41"},
             {"/ overlay"}},
            {{root, "/srv/pics ext4 /home/ann/pics 8:1", "/mnt/pics ext4 /pics 8:33"},
             {"/ ext4", "/mnt/pics ext4"}},
            {{"/mnt/b vfat / 8:17", "/mnt/a vfat / 8:17"}, {"/mnt/a vfat"}},
            {{"/ btrfs /@ 0:30", "/home btrfs /@home 0:30",
              "/home/ann/pics btrfs /@home/ann/pics 0:30"},
             {"/ btrfs", "/home btrfs"}},
            {{root, "/mnt/nas autofs", "/mnt/nas nfs4 / 0:50", "/mnt/x nfs4 / 0:51",
              "/mnt/x autofs"},
             {"/ ext4", "/mnt/nas nfs4"}},
            {{"mnt ext4"}, {}},
            {{"/ overlay / 0:40", dir_.path() + "/file ext4 /h 8:1",
              dir_.path() + "/gone ext4 /gone 8:1"},
             {"/ overlay", dir_.path() + "/gone ext4"}}};
        for (const auto& [table, expected] : rows) {
            QList<MountEntry> mounts;
            for (const QString& line : table)
                mounts.append(Mount(line));
            QStringList shown;
            for (const MountEntry& m : VisibleVolumes(mounts))
                shown.append(m.mountPoint + QLatin1Char(' ') + m.fsType);
            QCOMPARE(shown, expected);
        }
    }

    void decodeUdevLabel() {
        for (const auto& [link, label] : {std::pair{QByteArray("MY\\x20DISK"), QString("MY DISK")},
                                          {"a\\x2fb\\x5C", "a/b\\"},
                                          {"\xc3\x89t\xc3\xa9", "Été"},
                                          {"\\xc3\\x89t\\xc3\\xa9", "Été"},
                                          {"ab\\x2", "ab\\x2"},
                                          {"\\xzz", "\\xzz"}})
            QCOMPARE(DecodeUdevLabel(link), label);
    }

    // What a volume's node shows, and whether it is read at start-up or on every click.
    void nodes() {
        const struct {
            const char *mount, *label, *text, *image;
            bool onClick;
        } rows[] = {{"/v ext4", "SYSTEM", "System (/v)", "hard", false},
                    {"/v nfs4", "", " (/v)", "net", false},
                    {"/v iso9660", "MY DISC", "My Disc (/v)", "cdrom", false},
                    {"/v vfat / 8:1 removable", "STICK", "Floppy (/v)", "floppy", true},
                    {"/v tmpfs", "RAM", "(/v)", "ram", true},
                    {"/v fuse.odd", "ODD", "(/v)", "unknown", true}};
        for (const auto& r : rows) {
            const VolumeNode node = MakeVolumeNode(Mount(r.mount), r.label);
            QCOMPARE(node.key, QStringLiteral("/v"));
            QCOMPARE(node.text, QString(r.text));
            QCOMPARE(node.image, QString(r.image));
            QCOMPARE(node.listedOnClick, r.onClick);
        }
    }

    // Labels come from links to the device, also when the mount names it through another link.
    void labelsFromLinkFolder() {
        const QString dev = dir_.path() + "/dev/", byLabel = dir_.path() + "/by-label/";
        QVERIFY(MakeImages(dev, {"sda1", "sdb1", "dm-0", "mapper/", "mapper/vg-root->../dm-0"}));
        QVERIFY(MakeImages(
            byLabel, {"MY\\x20DISK->../dev/sda1", "root->../dev/dm-0", "GONE->../dev/missing"}));
        const DiskLabelFolder labels(byLabel.chopped(1));
        for (const auto& [source, label] : {std::pair{dev + "sda1", QString("MY DISK")},
                                            {dev + "mapper/vg-root", "root"},
                                            {dev + "sdb1", ""},
                                            {dev + "missing", ""},
                                            {"server:/export", ""}}) {
            MountEntry m = Mount("/mnt/x ext4");
            m.source = source;
            QCOMPARE(labels.Label(m), label);
        }
        QCOMPARE(DiskLabelFolder(dir_.path() + "/none").Label(Mount("/ ext4")), QString());
    }
};

QTEST_APPLESS_MAIN(TestFolders)
#include "tst_folders.moc"
