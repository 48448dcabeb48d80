// Building the top of the folder tree over this machine's volumes and desktop.
//
//   bench_tree_build [runs]     (default 7)
//
// Prints each volume node and the median time of BuildFolderTree in milliseconds.

#include "foldertree/widgets/FolderTree.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tuk;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 7;

    std::vector<double> build, sources;
    int nodes = 0;
    for (int run = 0; run < runs + 1; ++run) {
        QElapsedTimer timer;
        timer.start();
        TreeSources system = TreeSources::System();
        const double s = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        FolderTree tree(system);
        timer.restart();
        tree.BuildFolderTree();
        const double b = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        if (run == 0) { // the first run warms the caches and shows what was built
            const QTreeWidgetItem* computer = tree.Node(QStringLiteral("root"));
            for (int i = 0; computer && i < computer->childCount(); ++i)
                std::printf("volume: \"%s\" (%d children)\n",
                            qPrintable(computer->child(i)->text(0)),
                            computer->child(i)->childCount());
            std::printf("desktop: \"%s\"\n", qPrintable(system.desktopFolder));
            continue;
        }
        nodes = 0;
        for (QTreeWidgetItemIterator it(&tree); *it; ++it)
            ++nodes;
        sources.push_back(s);
        build.push_back(b);
    }
    std::sort(build.begin(), build.end());
    std::sort(sources.begin(), sources.end());
    std::printf("nodes after building: %d\n", nodes);
    std::printf("finding desktop folder: median %.2f ms\n", sources[sources.size() / 2]);
    std::printf("BuildFolderTree: median %.2f ms, min %.2f ms, max %.2f ms (%d runs)\n",
                build[build.size() / 2], build.front(), build.back(), runs);
    return 0;
}
