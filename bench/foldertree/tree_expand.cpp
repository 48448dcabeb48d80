// Expanding a folder of many subfolders in the folder tree, against a floor: a bare POSIX
// loop that lists the folder and looks into each subfolder for its first subfolder.
//
//   bench_tree_expand [count...]      (default 2500 5000 10000)
//
// Prints the median of several runs per count, in milliseconds.

#include "foldertree/widgets/FolderTree.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <vector>

using namespace tuk;

namespace {

constexpr int kRuns = 7;

class BenchTable : public MountTableSource {
public:
    QList<MountEntry> mounts;
    QList<MountEntry> Mounts() const override { return mounts; }
};

class NoLabels : public VolumeLabelSource {
public:
    QString Label(const MountEntry&) const override { return {}; }
};

MountEntry Volume(const QString& path) {
    MountEntry m;
    m.mountPoint = path;
    m.fsType = QStringLiteral("ext4");
    m.root = QStringLiteral("/");
    return m;
}

// count subfolders d00000..., each holding one subfolder "s" and `files` files.
bool MakeFolders(const QString& top, int count, int files) {
    const std::string base = QFile::encodeName(top).toStdString();
    if (mkdir(base.c_str(), 0755) != 0)
        return false;
    char name[32];
    for (int i = 0; i < count; ++i) {
        std::snprintf(name, sizeof name, "/d%05d", i);
        const std::string sub = base + name;
        if (mkdir(sub.c_str(), 0755) != 0 || mkdir((sub + "/s").c_str(), 0755) != 0)
            return false;
        for (int f = 0; f < files; ++f) {
            std::snprintf(name, sizeof name, "/f%03d.jpg", f);
            FILE* file = std::fopen((sub + name).c_str(), "w");
            if (!file)
                return false;
            std::fclose(file);
        }
    }
    return true;
}

bool IsDot(const char* name) {
    return name[0] == '.';
}

// The first subfolder in directory order: the cheapest possible probe.
std::string FirstDirEntry(const std::string& folder) {
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return {};
    std::string first;
    while (const dirent* e = readdir(dir)) {
        if (!IsDot(e->d_name) && e->d_type == DT_DIR) {
            first = e->d_name;
            break;
        }
    }
    closedir(dir);
    return first;
}

// The floor: list the folder, probe every subfolder. Returns the number of probe hits.
size_t Floor(const std::string& top) {
    std::vector<std::pair<std::string, std::string>> found;
    DIR* dir = opendir(top.c_str());
    if (!dir)
        return 0;
    while (const dirent* e = readdir(dir)) {
        if (!IsDot(e->d_name) && e->d_type == DT_DIR)
            found.emplace_back(e->d_name, FirstDirEntry(top + "/" + e->d_name));
    }
    closedir(dir);
    return static_cast<size_t>(
        std::count_if(found.begin(), found.end(), [](const auto& p) { return !p.second.empty(); }));
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Ms(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// One expansion in a fresh, visible tree, painted once after it.
double TreeExpand(const QString& empty, const QString& top, int count) {
    auto table = std::make_shared<BenchTable>();
    // An empty first volume, so building the tree does not open the measured one.
    table->mounts = {Volume(empty), Volume(top)};
    FolderTree tree(TreeSources{table, std::make_shared<NoLabels>(),
                                std::make_shared<DiskFolders>(), QString(), QString()});
    tree.resize(300, 600);
    tree.show();
    tree.BuildFolderTree();
    QApplication::processEvents();
    QTreeWidgetItem* node = tree.Node(top);
    QElapsedTimer timer;
    timer.start();
    tree.expandItem(node);
    QApplication::processEvents();
    const double ms = Ms(timer);
    if (node->childCount() != count || tree.Node(top + "/d00000")->childCount() != 1)
        std::fprintf(stderr, "wrong tree: %d children\n", node->childCount());
    return ms;
}

// The core's listing and probes alone, without nodes.
double CoreListing(const QString& top) {
    QElapsedTimer timer;
    timer.start();
    int hits = 0;
    for (const QString& name : ListSubfolders(top))
        hits += FirstSubfolder(top + QLatin1Char('/') + name).isEmpty() ? 0 : 1;
    const double ms = Ms(timer);
    if (hits == 0)
        std::fprintf(stderr, "no probe hits\n");
    return ms;
}

void ExpandSeries(const QTemporaryDir& dir, const QList<int>& counts) {
    const QString empty = dir.path() + QStringLiteral("/empty");
    QDir().mkpath(empty);
    std::printf("Expanding a folder (median of %d runs, ms)\n", kRuns);
    std::printf("%8s %10s %10s %10s %8s %12s\n", "folders", "floor", "listing", "tree", "tree/fl",
                "tree us/dir");
    for (int count : counts) {
        const QString top = dir.path() + QStringLiteral("/n%1").arg(count);
        if (!MakeFolders(top, count, 0)) {
            std::fprintf(stderr, "cannot make %s\n", qPrintable(top));
            return;
        }
        const std::string topPath = QFile::encodeName(top).toStdString();
        Floor(topPath); // warm the caches
        std::vector<double> floor, core, tree;
        for (int run = 0; run < kRuns; ++run) {
            QElapsedTimer timer;
            timer.start();
            if (Floor(topPath) != static_cast<size_t>(count))
                std::fprintf(stderr, "floor missed folders\n");
            floor.push_back(Ms(timer));
            core.push_back(CoreListing(top));
            tree.push_back(TreeExpand(empty, top, count));
        }
        const double f = Median(floor);
        const double t = Median(tree);
        std::printf("%8d %10.1f %10.1f %10.1f %8.2f %12.2f\n", count, f, Median(core), t, t / f,
                    t * 1000.0 / count);
    }
}

// The probe reads a whole subfolder to find the first one in sorted order; stopping at the
// first folder in directory order would be cheaper but would depend on the file system.
void ProbeSeries(const QTemporaryDir& dir) {
    constexpr int kFolders = 1000;
    std::printf("\nProbing %d subfolders holding 1 folder and N files (median of %d runs, ms)\n",
                kFolders, kRuns);
    std::printf("%8s %12s %12s %8s\n", "files", "first-found", "sorted-first", "ratio");
    for (int files : {0, 20, 200}) {
        const QString top = dir.path() + QStringLiteral("/p%1").arg(files);
        if (!MakeFolders(top, kFolders, files)) {
            std::fprintf(stderr, "cannot make %s\n", qPrintable(top));
            return;
        }
        QStringList paths;
        std::vector<std::string> raw;
        for (const QString& name : ListSubfolders(top)) {
            paths.append(top + QLatin1Char('/') + name);
            raw.push_back(QFile::encodeName(paths.last()).toStdString());
        }
        std::vector<double> early, sorted;
        for (int run = 0; run < kRuns + 1; ++run) {
            QElapsedTimer timer;
            timer.start();
            for (const std::string& p : raw)
                FirstDirEntry(p);
            const double e = Ms(timer);
            timer.restart();
            for (const QString& p : paths)
                FirstSubfolder(p);
            const double s = Ms(timer);
            if (run > 0) { // the first run warms the caches
                early.push_back(e);
                sorted.push_back(s);
            }
        }
        std::printf("%8d %12.1f %12.1f %8.2f\n", files, Median(early), Median(sorted),
                    Median(sorted) / Median(early));
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QList<int> counts;
    for (int i = 1; i < argc; ++i)
        counts.append(QString::fromLocal8Bit(argv[i]).toInt());
    if (counts.isEmpty())
        counts = {2500, 5000, 10000};
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    ExpandSeries(dir, counts);
    ProbeSeries(dir);
    return 0;
}
