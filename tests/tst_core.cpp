#include "TestSupport.h"
#include "app/TableRows.h"
#include "app/start/FolderHistory.h"
#include "app/start/StartArguments.h"
#include "base/FolderIdentity.h"
#include "base/FsName.h"
#include "base/PathNames.h"
#include "foldertree/FolderListing.h"
#include "foldertree/FolderNames.h"
#include "foldertree/VolumeList.h"
#include "generator/NameProbe.h"
#include "generator/PageEncoding.h"
#include "generator/PageNames.h"
#include "generator/Pictures.h"
#include "settings/SettingsStore.h"

#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <sys/fsuid.h>

using namespace tuk;
using namespace tuktest;

namespace {

// A FAT file system of a megabyte over the folder; false where mkfs.vfat, a loop device or the
// right to mount are missing.
bool MountFat(const QString& folder) {
    const auto runs = [](const QString& program, const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments);
        return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    };
    return runs("mkfs.vfat", {"-C", folder + ".img", "1024"}) &&
           runs("mount", {"-o", "loop", folder + ".img", folder});
}

} // namespace

// Base names and volumes, page text and names, folder names, listings and volume lists; the
// window's arguments and the folders chosen before.
class TestCore : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private Q_SLOTS:
    void pathPartsSplitRight() {
        const struct {
            const char *text, *name, *base, *ext;
        } rows[] = {{"", "", "", ""},
                    {"a.b.gif", "a.b.gif", "a.b", "gif"},
                    {"README", "README", "", "README"},
                    {".jpg", ".jpg", "", "jpg"},
                    {"x.", "x.", "x", ""},
                    {"/home/ann/Pics/x.jpeg", "x.jpeg", "/home/ann/Pics/x", "jpeg"},
                    {"/a.b/c", "c", "/a", "b/c"},
                    {"/home/", "", "", "/home/"}};
        for (const auto& r : rows) {
            const QStringList parts{GetFileName(r.text), GetFileBase(r.text), GetFileExt(r.text)};
            QVERIFY2(parts == QStringList({r.name, r.base, r.ext}),
                     qPrintable(r.text + (" -> " + parts.join(" | "))));
        }
        const struct {
            const char *folder, *with, *without;
        } folders[] = {
            {"/", "/", "/"}, {"", "/", ""}, {"/a/b", "/a/b/", "/a/b"}, {"/a/", "/a/", "/a"}};
        for (const auto& f : folders)
            QVERIFY2(WithTrailingSeparator(f.folder) == f.with &&
                         WithoutTrailingSeparator(f.folder) == f.without,
                     f.folder);
        QCOMPARE(JoinPath("/a", "b.jpg"), QStringLiteral("/a/b.jpg"));
        QCOMPARE(JoinPath("/a/", "b.jpg"), QStringLiteral("/a/b.jpg"));
        QCOMPARE(JoinPath("/", "b.jpg"), QStringLiteral("/b.jpg"));
    }

    // The kind of the volume with the longest mount point holding the path; of a tie, the later.
    // The table is one of today: each file system at /v/<type>, a stick's at /stick/<type>.
    void volumeKindOfEachFileSystem_data() {
        Columns<QString, QString>("path", "kind");
        const std::pair<const char*, const char*> kinds[] = {
            {"Fixed Disk", "ext2 ext3 ext4 xfs btrfs f2fs jfs reiserfs vfat exfat ntfs ntfs3 "
                           "fuseblk hfsplus zfs msdos bcachefs"},
            {"Remote Disk", "nfs nfs4 cifs smb3 smbfs 9p afs ceph glusterfs davfs fuse.sshfs "
                            "fuse.rclone fuse.s3fs fuse.glusterfs fuse.davfs fuse.gvfsd-fuse"},
            {"CD-ROM", "iso9660 udf"},
            {"RAM Disk", "tmpfs ramfs"},
            {"Unknown Medium ", "overlay proc fuse.portal squashfs fuse sshfs nfsd"}};
        for (const auto& [kind, types] : kinds)
            for (const QString& type : QString(types).split(' '))
                Row(qPrintable(type), "/v/" + type + "/x", QString(kind));
        for (const char* type : {"vfat", "exfat", "ext4", "btrfs", "ntfs3", "fuseblk"})
            Row(qPrintable(QString("stick ") + type), "/stick/" + QString(type), "Removable Disk");
        for (const auto& [path, kind] : {std::pair{"/", "Fixed Disk"},
                                         {"/media/cd", "CD-ROM"},
                                         {"/media/cdrom2/pics", "Fixed Disk"},
                                         {"/media/cd/net/x", "Remote Disk"},
                                         {"/mnt/a", "RAM Disk"},
                                         {"", "Not Existing Drive"}})
            Row(path, QString(path), QString(kind));
    }
    void volumeKindOfEachFileSystem() {
        QFETCH(QString, path);
        FixtureMountTable table({Mount("/ overlay"), Mount("/media/cd iso9660"),
                                 Mount("/media/cd/net nfs"), Mount("/mnt ext4"),
                                 Mount("/mnt tmpfs")});
        const QString type = path.section('/', 2, 2), volume = path.section('/', 0, 2);
        if (path.startsWith("/v/") || path.startsWith("/stick/"))
            table.mounts << Mount(volume + ' ' + type + (path[1] == 's' ? " / 8:1 removable" : ""));
        QTEST(DriveTypeName(VolumeKindOf(path, table)), "kind");
    }

    // A link on the fixed disk that points into another volume counts as that volume.
    void symlinksAreResolved() {
        QTemporaryDir dir;
        const QString target = dir.path() + "/cd";
        QVERIFY(MakeImages(dir.path() + "/", {"cd/pics/", "link->" + target}));
        const FixtureMountTable table(
            {Mount("/ ext4"), Mount(QDir(target).canonicalPath() + " iso9660")});
        QCOMPARE(VolumeKindOf(dir.path() + "/link/pics", table), VolumeKind::CdRom);
        QCOMPARE(VolumeKindOf(dir.path() + "/link/not-yet/x", table), VolumeKind::CdRom);
    }

    void parsesMountInfo() {
        const QList<MountEntry> mounts =
            ParseMountInfo("27 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n"
                           "36 27 0:33 / /media/My\\040Disc ro shared:7 - iso9660 /dev/sr0 ro\n"
                           "garbage line\n"
                           "40 27 8:1 /srv /mnt/bind rw - nfs4 server:/export rw\n");
        QCOMPARE(mounts.size(), 3);
        QCOMPARE((QStringList{mounts[0].deviceId, mounts[1].mountPoint, mounts[1].fsType,
                              mounts[2].root, mounts[2].source}),
                 (QStringList{"254:0", "/media/My Disc", "iso9660", "/srv", "server:/export"}));
    }

    // Block devices as /sys shows them: a partition's own flag does not count, its disk's does.
    void stickCountsByItsDisksFlag() {
        QTemporaryDir sys;
        const QString block = sys.path() + "/dev/block/", devices = sys.path() + "/devices/";
        QVERIFY(MakeFolder(block));
        for (const auto& [disk, major, flag] : {std::tuple{"sdb", 16, "1\n"}, {"sda", 0, "0\n"}}) {
            const QString at = devices + disk, part = at + "/" + disk + "1";
            QVERIFY(MakeFolder(part));
            QVERIFY(WriteFile(at + "/removable", flag));
            QVERIFY(WriteFile(part + "/partition", "1\n"));
            QVERIFY(WriteFile(part + "/removable", flag[0] == '1' ? "0\n" : "1\n"));
            QVERIFY(QFile::link(at, block + QString("8:%1").arg(major)));
            QVERIFY(QFile::link(part, block + QString("8:%1").arg(major + 1)));
        }
        const std::pair<const char*, bool> deviceRows[] = {
            {"8:16", true}, {"8:17", true}, {"8:0", false}, {"8:1", false}, {"9:9", false}};
        for (const auto& [device, removable] : deviceRows)
            QVERIFY2(IsRemovableDevice(device, sys.path()) == removable, device);
    }

    // Pages are ASCII: everything beyond it is a reference, whatever the reader's charset.
    void pageTextIsAscii() {
        for (const auto& [text, bytes] :
             {std::pair{QString("a&b<c>\"d'"), "a&amp;b&lt;c&gt;&quot;d'"},
              {"caf\u00e9 \u00a9\u00ff", "caf&#233; &#169;&#255;"},
              {"\u20ac\u201c\u2122\u0178", "&#8364;&#8220;&#8482;&#376;"},
              {"\U0001F600", "&#128512;"},
              {"a\r\nb\tc\u007f", "a&#13;&#10;b&#9;c&#127;"},
              {QString(QChar(0xD800)) + "x", "&#65533;x"}}) {
            QByteArray out;
            AppendPageText(out, text);
            QVERIFY2(out == bytes, out + " instead of " + bytes);
        }
        QByteArray values; // an attribute value goes bare only when it is a plain word
        for (const QString value : {"Times-1.b_C", "x onmouseover=alert(1)", "a\"b", ""}) {
            AppendAttributeValue(values, value);
            values += ' ';
        }
        QCOMPARE(values, "Times-1.b_C \"x onmouseover=alert(1)\" \"a&quot;b\" \"\" ");
        QByteArray markup;
        AppendPageMarkup(markup, u"<body bgcolor=#c0c0c0 \"x\" & \u00e9\u4e00>");
        QCOMPARE(markup, QByteArray("<body bgcolor=#c0c0c0 \"x\" & &#233;&#19968;>"));
        // "http:x" would turn a relative link into another scheme; "\" counts as "/".
        for (const auto& [name, link] :
             {std::pair{QByteArray("/mnt/cd/a_b-c~(1)+'!,;=@$*.jpg"),
                        "/mnt/cd/a_b-c~(1)+'!,;=@$*.jpg"},
              {"a b#c?d%e&f\"g.jpg", "a%20b%23c%3Fd%25e%26f%22g.jpg"},
              {"http:x\\y.jpg", "http%3Ax%5Cy.jpg"},
              {"<[{|^`}]>\t\x7f", "%3C%5B%7B%7C%5E%60%7D%5D%3E%09%7F"},
              {QString("caf\u00e9 \u65e5").toUtf8(), "caf%C3%A9%20%E6%97%A5"}}) {
            QByteArray out;
            AppendLink(out, name);
            QVERIFY2(out == link, name + " -> " + out);
        }
    }

    // The later case twin is numbered, never taking another's page; same-looking names differ.
    void pageNamesNeverCollide() {
        using Names = QList<QByteArray>;
        for (const auto& [images, pages] :
             {std::pair{Names{"a.b.GIF", "noext"}, Names{"a.b_gif.html", "_noext.html"}},
              {{"IMG.jpg", "Img.jpg", "img.JPG"},
               {"img_jpg.html", "img_jpg-2.html", "img_jpg-3.html"}},
              {{"IMG.jpg", "img.jpg", "img.jpg-2"},
               {"img_jpg.html", "img_jpg-3.html", "img_jpg-2.html"}},
              {{"\u00c9T\u00c9.JPG"}, {"\u00e9t\u00e9_jpg.html"}},
              {{"\xff\xc3\x41.JPG", "\xfe\xc3\x41.JPG"},
               {"\xff\xc3\x61_jpg.html", "\xfe\xc3\x61_jpg.html"}}}) {
            QList<FsName> list;
            for (const QByteArray& image : images)
                list << FsName(image);
            PageNameTable names;
            QString bad;
            QVERIFY(names.Build(list, bad));
            QList<QByteArray> made;
            for (qsizetype k = 0; k < names.size(); ++k)
                made << names.at(k).toByteArray();
            QVERIFY2(made == pages, made.join(" "));
        }
        for (const QString& name :
             {QString("../up.jpg"), QString(), QString(".."), QString("a") + QChar(0) + ".jpg"}) {
            PageNameTable names;
            QString bad;
            QVERIFY2(!names.Build({FsName(QString("ok.jpg")), FsName(name)}, bad) && bad == name &&
                         names.size() == 0,
                     qPrintable(name));
        }
    }

    // Pictures are named from their pages: "_" and the image's extension, maybe numbered.
    void pictureNames() {
        const std::pair<const char*, bool> nameRows[] = {
            {"beach.day_jpg.jpg", true}, {"img_gif-12@2x.jpg", true},
            {"a_jpeg.jpg", true},        {"t.jpg", false},
            {"a_jpg-@2x.jpg", false},    {"a_png.jpg", false},
            {"beachjpg.jpg", false}};
        for (const auto& [name, picture] : nameRows)
            QVERIFY2(IsPictureFileName(name) == picture, name);
    }

    // By what is on disk: through links, "..", a bind mount, and paths not made yet.
    void sameOrInsideFolder() {
        const QString t = dir_.path() + "/inside/";
        QVERIFY(MakeImages(t, {"Top/Sub/", "TopX/", "ToTop->" + t + "Top", "ToUp->" + t}));
        const ScratchMount bound(t + "Bound", t + "Top");
        for (const auto& [path, inside] : {std::pair{"Top/Sub", true},
                                           {"Top/", true},
                                           {"TopX", false},
                                           {"", false},
                                           {"Top/Sub/../../TopX/new", false},
                                           {"ToTop/Sub", true},
                                           {"ToUp/Top/new", true},
                                           {"ToTop/new/deeper", true},
                                           {"Bound/new", bound.Ok()}}) {
            RowName row(path);
            QCOMPARE(
                IsSameOrInsideFolder(QFile::encodeName(t + path), QFile::encodeName(t + "Top")),
                inside);
        }
        QVERIFY(!IsSameOrInsideFolder("/nonexistent/x", QFile::encodeName(t + "Top")));
    }

    // A file system like FAT: the first name with a refused character, found with few probes.
    void refusedNames_data() {
        Columns<QByteArrayList, int, int, QByteArray, int>("names", "answer", "index", "refused",
                                                           "trials");
        QByteArray many; // more characters than one probe name holds
        for (char16_t c = 0x4e00; c < 0x4e50; ++c)
            many += QString(QChar(c)).toUtf8();
        using L = QByteArrayList;
        Row("plain names", L{"a_jpg.html", "Index-2.html"}, 0, -1, QByteArray(), 0);
        Row("odd but taken", L{"a b.html", "\xc3\xa9t\xc3\xa9.html", "a+b(1)@2x.jpg"}, 0, -1,
            QByteArray(), 1);
        Row("the first refused", L{"ok.html", "a b.html", "x:y?.html", "q?.html"}, 0, 2,
            QByteArray(":?"), 5);
        Row("not UTF-8", L{"\xc3\xa9.html", "b\xc3.html"}, 0, 1, QByteArray("\xc3"), 4);
        Row("bytes of two names", L{"a\xc3.html", "\xa9z.html"}, 0, 0, QByteArray("\xc3"), 4);
        Row("a control byte", L{"tab\t.html"}, 0, 0, QByteArray("\t"), 3);
        Row("many characters", L{many + ".html", "x:y.html"}, 0, 1, QByteArray(":"), -1);
        Row("cannot write", L{"a b"}, int(EACCES), -1, QByteArray(), 1);
        Row("already there", L{"x:y"}, int(EEXIST), 0, QByteArray(":"), 3);
        Row("every name refused", L{"x:y"}, int(EINVAL), -1, QByteArray(), 2);
    }
    void refusedNames() {
        QFETCH(QByteArrayList, names);
        QFETCH(int, answer);
        QFETCH(int, trials);
        int tried = 0;
        const auto fatLike = [&](const QByteArray& name) { // else the row's answer
            ++tried;
            if (name.size() > 255)
                return int(ENAMETOOLONG);
            const bool refused = std::any_of(name.begin(), name.end(), [](char c) {
                return uchar(c) < 0x20 || QByteArrayView(":?*\"<>|\\").contains(c);
            });
            return refused || QString::fromUtf8(name).toUtf8() != name ? int(EINVAL) : answer;
        };
        const RefusedName found = FindRefusedName({names.begin(), names.end()}, fatLike);
        QTEST(int(found.index), "index");
        QTEST(found.characters, "refused");
        QVERIFY(trials < 0 || tried == trials);
    }

    // The disk takes every character and keeps no probe; FAT refuses ":" but takes "é".
    void refusedNamesOnDisk() {
        const QString fat = dir_.path() + "/fat";
        QVERIFY(MakeFolder(fat));
        const bool fatMounted = MountFat(fat);
        const auto unmount = qScopeGuard([&] {
            if (fatMounted)
                umount2(QFile::encodeName(fat).constData(), MNT_DETACH);
        });
        for (const auto& [folder, index] :
             {std::pair{dir_.path() + "/probe", -1}, {fat, fatMounted ? 2 : -1}}) {
            RowName row(folder);
            QVERIFY(MakeFolder(folder));
            const int fd = open(QFile::encodeName(folder), O_PATH | O_DIRECTORY | O_CLOEXEC);
            const RefusedName found =
                FindRefusedName(fd, {"ok.html", "\xc3\xa9t\xc3\xa9 1.html", "x:y.html"});
            close(fd);
            QCOMPARE(found.index, index);
            QCOMPARE(FolderEntries(folder), QStringList());
        }
        if (!fatMounted)
            QSKIP("No FAT file system could be mounted (mkfs.vfat, a loop device, root).");
    }

    // Each byte outside valid UTF-8 shows as U+FFFD and survives the escaped text whole.
    void nonUtf8NamesSurvive() {
        for (const auto& [bytes, shown] :
             {std::pair{QByteArray("\u65e5 \U0001F600"), QString("\u65e5 \U0001F600")},
              {"caf\xe9.jpg", "caf\uFFFD.jpg"},
              {"\xc0\xaf", "\uFFFD\uFFFD"},
              {"\xed\xa0\x80", "\uFFFD\uFFFD\uFFFD"},
              {"a\xe6\x97", "a\uFFFD\uFFFD"},
              {"\xf4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"}}) {
            QVERIFY2(ShownText(bytes) == shown &&
                         EscapedBytes(EscapedText(bytes) + "/x") == bytes + "/x",
                     bytes.toHex());
        }
    }

    void folderNamesInProperCase() {
        const QList<std::pair<QString, QString>> rows{
            {"PROGRAM FILES", "Program Files"},
            {"c:\\windows", "C:\\windows"},
            {"/home/ann", "/home/ann"},
            {"new\tfolder", "New\tFolder"},
            {"a\nb\rc\vd\fe", "A\nB\rC\vD\fE"},
            {QString::fromUtf16(u"my\0pics", 7), QString::fromUtf16(u"My\0Pics", 7)},
            {"hello-WORLD", "Hello-world"},
            {"  a  b ", "  A  B "},
            {"ÉCOLE été", "École Été"}};
        for (const auto& [text, proper] : rows)
            QVERIFY2(ProperCase(text) == proper, qPrintable(text + " -> " + ProperCase(text)));
        QCOMPARE(TrimAtNul(QString::fromUtf16(u"ab\0cd", 5)), QString("ab"));
        QCOMPARE(TrimAtNul(QString::fromUtf16(u"\0cd", 3)), QString(""));
    }

    // By shown text, then real name; hidden entries out, links to folders in, a loop once. The
    // first name in text order can be a file or a broken link: no winner.
    void listingOrderAndHiddenEntries() {
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
            QVERIFY2(ListSubfolders(folder) == subfolders &&
                         FirstSubfolder(folder) == subfolders.value(0) &&
                         FirstSubfolder(folder + "/") == subfolders.value(0),
                     qPrintable(entries.join(' ') + " -> " + ListSubfolders(folder).join(' ')));
        }
        // Unreadable folders list nothing; a name the locale cannot decode could not be reopened.
        QVERIFY(WriteFile(dir_.path() + "/file", "x"));
        for (const QString& folder : {QString(), dir_.path() + "/none", dir_.path() + "/file"})
            QVERIFY2(ListSubfolders(folder).isEmpty() && FirstSubfolder(folder).isEmpty(),
                     qPrintable(folder));
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

    // Hidden: system file systems, container layers, binds, second mounts, subvolumes, over-mounts.
    void systemVolumesStayHidden() {
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
            QVERIFY2(shown == expected, qPrintable(table.join(", ") + " -> " + shown.join(", ")));
        }
    }

    void volumeLabelsDecoded() {
        for (const auto& [link, label] : {std::pair{QByteArray("MY\\x20DISK"), QString("MY DISK")},
                                          {"a\\x2fb\\x5C", "a/b\\"},
                                          {"\xc3\x89t\xc3\xa9", "Été"},
                                          {"\\xc3\\x89t\\xc3\\xa9", "Été"},
                                          {"ab\\x2", "ab\\x2"},
                                          {"\\xzz", "\\xzz"}})
            QVERIFY2(DecodeUdevLabel(link) == label, link);
    }

    // What a volume's node shows, and whether it is read at start-up or on every click.
    void volumeNodeShowsLabelAndKind() {
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
            QVERIFY2(node.text == r.text && node.image == r.image &&
                         node.listedOnClick == r.onClick,
                     r.mount);
        }
    }

    // tu_k [options] [FOLDER]: Qt's own options pass; the first other option is bad usage.
    void badStartOptionIsBadUsage() {
        using K = StartRequest::Kind;
        const std::tuple<const char*, K, const char*> rows[] = {
            {"", K::Start, ""},
            {"-style fusion /a -reverse --platform=xcb", K::Start, "/a"},
            {"-- -h", K::Start, "-h"},
            {"x --help -bad", K::Help, "Usage: tu_k [options] [FOLDER]\n"},
            {"-v", K::Version, "tu_k " TUK_VERSION "\n"},
            {"/a --bogus", K::BadUsage, "tu_k: Unknown option '--bogus'. (see"},
            {"-style", K::BadUsage, "tu_k: -style needs a value."},
            {"/a /b", K::BadUsage, "tu_k: give at most one folder."}};
        for (const auto& [arguments, kind, start] : rows) {
            const StartRequest r =
                ParseStartArguments(QString(arguments).split(' ', Qt::SkipEmptyParts));
            QVERIFY2(r.kind == kind && (r.folder + r.text).left(qstrlen(start)) == start,
                     arguments);
        }
        // In another language the texts of the help change, the options' column does not.
        TestLanguage german("tu_k", {{"Options:", "Optionen:"},
                                     {"Displays version information.", "Zeigt die Version."}});
        QVERIFY(QCoreApplication::installTranslator(&german));
        const QString help = ParseStartArguments({"-h"}).text;
        QVERIFY2(help.contains("\nOptionen:\n  -h, --help     Displays help on commandline "
                               "options.\n  -v, --version  Zeigt die Version.\n"),
                 qPrintable(help));
    }

    // Paths and file:// addresses name full paths; only a folder that can be read is taken.
    void onlyReadableFolderArgumentsTaken() {
        const QString d = dir_.path() + "/args";
        QVERIFY(MakeImages(d + "/", {"my pics/", "a.jpg", "locked/"}));
        QVERIFY(QFile::setPermissions(d + "/locked", {}));
        const QString cannot = "Tu_K cannot open the folder " + d;
        const std::tuple<QString, QString, QString> rows[] = {
            {"my pics/../my pics/", d + "/my pics", ""},
            {"file://" + d + "/my%20pics", d + "/my pics", ""},
            {"file://localhost" + d, d, ""},
            {"file://host/x", "file://host/x", "Tu_K cannot open the folder file://host/x: No"},
            {"a.jpg", d + "/a.jpg", cannot + "/a.jpg: it is not a folder."},
            {"gone", d + "/gone", cannot + "/gone: No such file or directory."},
            {"locked", d + "/locked", cannot + "/locked: Permission denied."}};
        // Root reads every folder: the checks run as another user, with its rights only.
        QCOMPARE(chmod(QFile::encodeName(dir_.path()).constData(), 0755), 0);
        for (const auto& [argument, path, problem] : rows) {
            const int user = setfsuid(65534);
            const QString found = FolderProblem(path);
            setfsuid(user);
            QVERIFY2(FolderFromArgument(argument, d) == path &&
                         found.left(problem.size()) == problem &&
                         found.isEmpty() == problem.isEmpty(),
                     qPrintable(argument + " -> " + found));
        }
        const auto url = [&](const char* name) { return QUrl::fromLocalFile(d + "/" + name); };
        QCOMPARE(DroppedFolder({url("my pics")}), d + "/my pics");
        QCOMPARE(DroppedFolder({url("a.jpg"), url("a.jpg")}), d);
        for (const QList<QUrl>& refused :
             {QList{url("my pics"), url("a.jpg")}, {url("gone.jpg")}, {QUrl("https://x/a.jpg")}})
            QVERIFY2(DroppedFolder(refused).isEmpty(), qPrintable(refused.last().toString()));
    }

    // The latest first, eight at most, a run of keyboard moves as one visit; kept under their keys
    // of section "Window", read back, a shorter list leaving no old entry behind.
    void folderHistoryKeepsTheLatestEight() {
        FolderHistory history;
        const QString file = dir_.path() + "/history.conf";
        const auto written = [&] { // keys spelt apart from the program's
            SettingsStore store(file);
            history.Write(store);
            QSettings ini(file, QSettings::IniFormat);
            QStringList stored{store.Flush().failure().text,
                               ini.value("Window/sLastFolder").toString()};
            for (int n = 1; n <= 8; ++n)
                stored << ini.value("Window/sRecent" + QString::number(n)).toString();
            FolderHistory read;
            read.Read(store);
            return stored.join(' ') + " | " + read.Last() + " " + read.Recent().join(' ');
        };
        for (const char* folder : {"/0/", "/1/", "/2/", "/3/", "/4/", "/5/", "/6/", "/7/", "/8/"})
            history.Chosen(folder, false);
        history.Chosen("/3/", false);
        for (const char* passed : {"/a/", "/b/", "/c/"})
            history.Chosen(passed, true);
        QCOMPARE(written(),
                 " /c/ /c/ /3/ /8/ /7/ /6/ /5/ /4/ /2/ | /c/ /c/ /3/ /8/ /7/ /6/ /5/ /4/ /2/");
        history.DropGone([](const QString& f) { return f != "/8/" && f != "/c/"; });
        history.Chosen("/d/", true);
        QCOMPARE(written(), " /d/ /d/ /3/ /7/ /6/ /5/ /4/ /2/  | /d/ /d/ /3/ /7/ /6/ /5/ /4/ /2/");
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
                                            {dev + "missing", ""}}) {
            MountEntry m = Mount("/mnt/x ext4");
            m.source = source;
            QVERIFY2(labels.Label(m) == label, qPrintable(source));
        }
        QCOMPARE(DiskLabelFolder(dir_.path() + "/none").Label(Mount("/ ext4")), QString());
    }
};

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
