#include "foldertree/TreeSources.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tuk {

TreeSources TreeSources::System() {
    TreeSources sources;
    sources.mounts = std::make_shared<SystemMountTable>();
    sources.labels = std::make_shared<DiskLabelFolder>();
    sources.folders = std::make_shared<DiskFolders>();
    sources.desktopFolder = DesktopFolder();
    sources.homeFolder = HomeFolder();
    return sources;
}

QString DesktopFolder() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const QFileInfo info(desktop);
    if (desktop.isEmpty() || !info.isDir())
        return {};
    if (info.canonicalFilePath() == QFileInfo(QDir::homePath()).canonicalFilePath())
        return {};
    return QDir::cleanPath(desktop);
}

QString HomeFolder() {
    const QFileInfo info(QDir::homePath());
    const QString home = info.canonicalFilePath();
    return !info.isDir() || home == QLatin1String("/") ? QString() : home;
}

} // namespace tuk
