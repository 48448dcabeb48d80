#include "TestSupport.h"
#include "app/TableRows.h"
#include "base/PathNames.h"
#include "foldertree/widgets/FolderTree.h"

#include <QGuiApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <numeric>

using namespace tuk;
using namespace tuktest;

namespace {

struct FixtureLabels : VolumeLabelSource {
    QHash<QString, QString> labels;
    QString Label(const MountEntry& m) const override { return labels.value(m.mountPoint); }
};

// The disk, with every read counted and chosen folders made unreadable.
struct CountingFolders : FolderSource {
    mutable QHash<QString, int> listed;
    mutable QHash<QString, int> probed;
    QSet<QString> unreadable;
    QStringList Subfolders(const QString& folder) const override {
        ++listed[folder];
        return unreadable.contains(folder) ? QStringList() : ListSubfolders(folder);
    }
    QString FirstSubfolder(const QString& folder) const override {
        ++probed[folder];
        return unreadable.contains(folder) ? QString() : tuk::FirstSubfolder(folder);
    }
    int Reads() const {
        return std::accumulate(listed.begin(), listed.end(), 0) +
               std::accumulate(probed.begin(), probed.end(), 0);
    }
};

QStringList ChildTexts(const QTreeWidgetItem* node) {
    QStringList texts;
    for (int i = 0; node && i < node->childCount(); ++i)
        texts.append(node->child(i)->text(0));
    return texts;
}

} // namespace

class TestFolderTree : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    std::shared_ptr<FixtureMountTable> table_;
    std::shared_ptr<FixtureLabels> labels_;
    std::shared_ptr<CountingFolders> folders_;
    QString desktop_, home_;

    QString Path(const QString& relative) const { return dir_.path() + "/" + relative; }

    // Adds a volume at dir/name holding the given entries (as MakeImages makes them).
    QString AddVolume(const QString& name, const QString& fs, const QStringList& entries = {},
                      const QString& label = {}, bool removable = false) {
        const QString point = Path(name);
        table_->mounts.append(Mount(point + " " + fs + (removable ? " / 0:0 removable" : "")));
        labels_->labels.insert(point, label);
        return entries.isEmpty() || MakeImages(point + "/", entries) ? point : QString();
    }

    std::unique_ptr<FolderTree> Build() {
        TreeSources sources{table_, labels_, folders_, desktop_, home_};
        auto tree = std::make_unique<FolderTree>(sources);
        tree->BuildFolderTree();
        return tree;
    }

private Q_SLOTS:
    void init() {
        QVERIFY(dir_.isValid());
        QDir(dir_.path()).removeRecursively();
        QVERIFY(MakeFolder(dir_.path()));
        table_ = std::make_shared<FixtureMountTable>();
        labels_ = std::make_shared<FixtureLabels>();
        folders_ = std::make_shared<CountingFolders>();
        desktop_.clear();
        home_.clear();
    }
    void cleanup() { QCOMPARE(QGuiApplication::overrideCursor(), nullptr); }

    // Desktop > computer > volumes by mount point; unreadable ones childless, system ones hidden.
    void treeTopShowsEveryUsableVolume() {
        const QString b = AddVolume("b", "ext4", {}, "data");
        const QString a = AddVolume("a", "iso9660", {}, "");
        QDir().rmdir(a); // the disc is out: nothing to read
        for (const char* line :
             {"/proc proc", "/run/user/1000 tmpfs", "/run/user/1000/gvfs fuse.gvfsd-fuse",
              "/run/media/ann/STICK vfat / 8:17 removable"})
            table_->mounts << Mount(line);
        const auto tree = Build();
        QCOMPARE(tree->topLevelItemCount(), 1);
        const QTreeWidgetItem* desk = tree->topLevelItem(0);
        QCOMPARE(desk->text(0), QStringLiteral("Desktop"));
        const QTreeWidgetItem* computer = desk->child(0);
        const bool themed = !QIcon::fromTheme("computer").isNull();
        QCOMPARE(FolderTree::NodeImage(computer), themed ? "desktop" : "open");
        QCOMPARE(ChildTexts(computer),
                 (QStringList{"Floppy (/run/media/ann/STICK)", " (/run/user/1000/gvfs)",
                              " (" + a + ")", "Data (" + b + ")"}));
        QCOMPARE(FolderTree::NodeImage(computer->child(0)), QStringLiteral("floppy"));
        QCOMPARE(computer->child(2)->childCount(), 0);
        QVERIFY(computer->isExpanded());
        QCOMPARE(tree->FilledKeys(), QStringList{QString()});
    }

    // The home folder follows the computer, with its first subfolder: two clicks to Pictures.
    void picturesTwoClicksFromHome() {
        AddVolume("v", "ext4");
        desktop_ = Path("Desktop");
        home_ = Path("ann");
        QVERIFY(MakeImages(desktop_ + "/", {"NEW FOLDER/", "MY PICS/inside/", ".hidden/"}));
        QVERIFY(MakeImages(home_ + "/", {"Pictures/2024/", "music/"}));
        const auto tree = Build();
        const QTreeWidgetItem* desk = tree->Node("desk");
        QCOMPARE(ChildTexts(desk), (QStringList{"Local PC", "Ann", "My Pics", "New Folder"}));
        QTreeWidgetItem* home = desk->child(1);
        QCOMPARE(FolderTree::NodeKey(home), home_);
        QCOMPARE(ChildTexts(home), QStringList{"Music"});
        tree->expandItem(home);
        QCOMPARE(ChildTexts(home), (QStringList{"Music", "Pictures"}));
        QCOMPARE(FolderTree::NodeKey(home->child(1)), home_ + "/Pictures");
        QTreeWidgetItem* pics = desk->child(2);
        QCOMPARE(FolderTree::NodeKey(pics), desktop_ + "/MY PICS");
        QCOMPARE(pics->childCount(), 0); // desktop folders are not probed
    }

    // The first volume opens filled; a folder that cannot be read keeps the child it showed.
    // Expanding adds the other folders once, sorted, each with its first subfolder; once only.
    void expandingAddsFoldersOnce() {
        const QString a = AddVolume("a", "ext4", {"zeta/", "ALPHA/"});
        const QString b = AddVolume("b", "ext4", {"locked/inside/"});
        const QString v = AddVolume("v", "ext4",
                                    {"zeta/", "ALPHA/", "Mid Folder/inner/", "Mid Folder/Deeper/",
                                     ".h/", "a.jpg", "beta->zeta"});
        const auto tree = Build();
        QVERIFY(tree->Node(a)->isExpanded());
        QCOMPARE(ChildTexts(tree->Node(a)), (QStringList{"Alpha", "Zeta"}));
        QCOMPARE(tree->FilledKeys(), (QStringList{QString(), a}));
        folders_->unreadable.insert(b);
        tree->expandItem(tree->Node(b));
        QCOMPARE(ChildTexts(tree->Node(b)), QStringList{"Locked"});
        QVERIFY(tree->FilledKeys().contains(b));
        QTreeWidgetItem* node = tree->Node(v);
        QCOMPARE(ChildTexts(node), QStringList{"Alpha"});
        tree->expandItem(node);
        QCOMPARE(ChildTexts(node), (QStringList{"Alpha", "Beta", "Mid Folder", "Zeta"}));
        const QTreeWidgetItem* mid = tree->Node(v + "/Mid Folder");
        QCOMPARE(ChildTexts(mid), QStringList{"Deeper"});
        QCOMPARE(tree->Node(v + "/zeta")->childCount(), 0);
        const int reads = folders_->Reads();
        tree->collapseItem(node);
        tree->expandItem(node);
        tree->tv_Expand(node);
        QCOMPARE(folders_->Reads(), reads);
        QCOMPARE(node->childCount(), 4);
        // The top nodes are never filled.
        tree->tv_Expand(tree->Node("root"));
        tree->tv_Expand(tree->Node("desk"));
        QCOMPARE(folders_->Reads(), reads);
    }

    // What the user's mouse and keys choose, once each, and select; "@" stands for the volume
    // v. Key 0: the mouse on the node, 1: on the node that is current, -1: on its arrow; a key
    // acts on the node made current first.
    void clickOrKeyChoosesTheFolder_data() {
        Columns<QString, int, QString>("node", "key", "chosen");
        Row("mouse on a folder", "@/Sub", 0, "@/Sub/");
        Row("mouse on the current folder", "@/Sub", 1, "@/Sub/");
        Row("mouse on the computer", "root", 0, "top");
        Row("mouse on the current desktop", "desk", 1, "top");
        Row("Return on a volume", "@", int(Qt::Key_Return), "@/");
        Row("Enter on the root volume", "/", int(Qt::Key_Enter), "/");
        Row("Space on a folder", "@/Sub", int(Qt::Key_Space), "@/Sub/");
        Row("Down to the next folder", "@", int(Qt::Key_Down), "@/Sub/");
        Row("Left collapses and chooses", "@", int(Qt::Key_Left), "@/");
        Row("mouse on an open folder's arrow", "@", -1, "@/");
    }
    void clickOrKeyChoosesTheFolder() {
        QFETCH(QString, node);
        QFETCH(int, key);
        const QString v = AddVolume("v", "ext4", {"Sub/deeper/"});
        table_->mounts.append(Mount("/ ext4"));
        const auto tree = Build();
        tree->resize(300, 600);
        tree->show();
        QVERIFY(QTest::qWaitForWindowExposed(tree.get()));
        tree->expandItem(tree->Node(v));
        QTreeWidgetItem* item = tree->Node(node.replace('@', v));
        tree->setCurrentItem(key > 0 ? item : tree->Node("desk"));
        QSignalSpy chosen(tree.get(), &FolderTree::FolderChosen);
        QSignalSpy top(tree.get(), &FolderTree::TopNodeClicked);
        const QRect rect = tree->visualItemRect(item);
        if (key <= 1)
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                              key < 0 ? QPoint(rect.left() - 8, rect.center().y()) : rect.center());
        else
            QTest::keyClick(tree.get(), Qt::Key(key));
        QStringList seen(top.size(), "top");
        for (const QList<QVariant>& signal : chosen)
            seen << signal[0].toString();
        QTEST(seen.join(' ').replace(v, "@"), "chosen");
        QCOMPARE(tree->currentItem(),
                 top.size() ? item : tree->Node(WithoutTrailingSeparator(seen[0])));
    }

    // Every click on a removable volume lists it again, adding new folders only.
    void removableVolume() {
        const QString usb = AddVolume("usb", "vfat", {"photos/"}, "STICK", true);
        const auto tree = Build();
        QTreeWidgetItem* node = tree->Node(usb);
        QCOMPARE(node->childCount(), 0);
        tree->tv_NodeClick(node);
        QCOMPARE(ChildTexts(node), QStringList{"Photos"});
        QVERIFY(MakeImages(usb + "/", {"music/rock/", "Zebra/"}));
        tree->tv_NodeClick(node);
        QCOMPARE(ChildTexts(node), (QStringList{"Music", "Photos", "Zebra"}));
        QCOMPARE(tree->Node(usb + "/music")->childCount(), 1);
        QCOMPARE(folders_->listed.value(usb), 2);
    }

    // A deep folder is opened down to from the deepest node above it, selected and chosen; one
    // the tree does not show (hidden) is chosen with no node selected.
    void deepFolderIsOpenedDownTo() {
        const QString v = AddVolume("v", "ext4", {"a/b/c/d/", ".h/x/"});
        const QString usb = AddVolume("usb", "vfat", {"DCIM/100/"}, "", true);
        const auto tree = Build();
        QSignalSpy chosen(tree.get(), &FolderTree::FolderChosen);
        for (const QString& folder : {v + "/a/b/c/", usb + "/DCIM/100", v + "/.h/x"}) {
            const RowName row(folder);
            tree->ChooseFolder(folder);
            QCOMPARE(chosen.takeLast()[0].toString(), WithTrailingSeparator(folder));
            const QTreeWidgetItem* node = tree->currentItem();
            QCOMPARE(FolderTree::NodeKey(node),
                     folder.contains(".h") ? "" : WithoutTrailingSeparator(folder));
            for (; node && node->parent(); node = node->parent())
                QVERIFY2(node->parent()->isExpanded(), qPrintable(folder));
        }
        QCOMPARE(ChildTexts(tree->Node(v + "/a/b/c")), QStringList{"D"});
    }

    // Folders made, renamed or removed (the first one too) in an expanded folder show within a
    // second.
    void treeFollowsTheDisk() {
        const QString v = AddVolume("v", "ext4", {"old/in/deeper/", "z/"});
        const auto tree = Build();
        tree->ChooseFolder(v + "/old/in/deeper");
        QTreeWidgetItem* node = tree->Node(v);
        QVERIFY(MakeFolder(v + "/new/sub"));
        QTRY_COMPARE_WITH_TIMEOUT(ChildTexts(node), (QStringList{"New", "Old", "Z"}), 1000);
        QVERIFY(QDir(v).rename("old", "Renamed") && QDir(v + "/new").removeRecursively());
        QTRY_COMPARE_WITH_TIMEOUT(ChildTexts(node), (QStringList{"Renamed", "Z"}), 1000);
        // The selection moved up out of the folder that went, choosing nothing.
        QCOMPARE(tree->currentItem(), node);
        QVERIFY(!tree->Node(v + "/old/in") && tree->FilledKeys().filter("/old").isEmpty());
        // Ctrl+R's reading again, without a watch: a collapsed node.
        tree->collapseItem(node);
        QVERIFY(MakeFolder(v + "/later"));
        tree->Reread(v);
        QCOMPARE(ChildTexts(node), (QStringList{"Later", "Renamed", "Z"}));
    }

    void linkLoopDoesNotHangTheTree() {
        AddVolume("a", "ext4");
        const QString v = AddVolume("v", "ext4", {"top/", "top/loop->" + Path("v/top")});
        const auto tree = Build();
        tree->expandItem(tree->Node(v));
        QTreeWidgetItem* top = tree->Node(v + "/top");
        for (QString key = v + "/top"; key.size() < v.size() + 30; key += "/loop") {
            QTreeWidgetItem* node = tree->Node(key);
            QVERIFY2(node, qPrintable(key));
            QCOMPARE(ChildTexts(node), QStringList{"Loop"});
            const int reads = folders_->Reads();
            tree->expandItem(node);
            QCOMPARE(folders_->Reads(), reads + 2); // one listing, one probe
        }
        QCOMPARE(top->childCount(), 1);
        // "*" opens one level only: a whole branch would never end.
        QTreeWidgetItem* deepest = top;
        while (deepest->isExpanded())
            deepest = deepest->child(0);
        tree->setCurrentItem(deepest);
        QTest::keyClick(tree.get(), Qt::Key_Asterisk);
        QVERIFY(deepest->isExpanded());
        QVERIFY(!deepest->child(0)->isExpanded());
    }

    // A folder that is also a volume or a desktop folder shows once, where it was put first.
    void duplicateKeysSkipped() {
        const QString outer = AddVolume("outer", "ext4", {"inner/", "other/", "Desktop/NEW/sub/"});
        const QString inner = AddVolume("outer/inner", "vfat", {"x/"}, {}, true);
        desktop_ = outer + "/Desktop";
        const auto tree = Build();
        QCOMPARE(tree->Node(inner)->parent(), tree->Node("root"));
        QCOMPARE(tree->Node(inner)->childCount(), 0);
        QCOMPARE(folders_->probed.value(inner), 0);
        QCOMPARE(ChildTexts(tree->Node(outer)), (QStringList{"Desktop", "Other"}));
        QCOMPARE(tree->Node(desktop_ + "/NEW")->parent(), tree->Node("desk"));
        // Everything in it shows under "Desktop": nothing left to expand here.
        QCOMPARE(tree->Node(desktop_)->childCount(), 0);
    }
};

QTEST_MAIN(TestFolderTree)
#include "tst_foldertree.moc"
