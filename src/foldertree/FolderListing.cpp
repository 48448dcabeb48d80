#include "foldertree/FolderListing.h"

#include "base/FolderReader.h"
#include "foldertree/FolderNames.h"

#include <QFile>
#include <algorithm>
#include <utility>

namespace tuk {

namespace {

// Hidden names and "." and ".." all start with a dot.
bool IsShown(const dirent* entry) {
    return entry->d_name[0] != '.';
}

// Whether the entry could be a folder without asking the file system again.
bool MayBeFolder(const dirent* entry) {
    return entry->d_type == DT_DIR || entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN;
}

// The name as text, or empty when it would not survive the round trip through the locale's
// encoding: such a folder could not be opened again by its decoded name.
QString DecodedName(const char* raw) {
    const QString name = QFile::decodeName(raw);
    return QFile::encodeName(name) == QByteArray(raw) ? name : QString();
}

bool TextThenNameLess(const std::pair<QString, QString>& a, const std::pair<QString, QString>& b) {
    return TreeOrderLess(a.first, a.second, b.first, b.second);
}

} // namespace

QStringList ListSubfolders(const QString& folder) {
    FolderReader dir(QFile::encodeName(folder));
    QList<std::pair<QString, QString>> found; // proper-case text, real name
    while (const dirent* entry = dir.Next()) {
        if (!IsShown(entry) || !MayBeFolder(entry) || !dir.IsFolder(entry))
            continue;
        QString name = DecodedName(entry->d_name);
        if (!name.isEmpty())
            found.append({FolderText(name), std::move(name)});
    }
    std::sort(found.begin(), found.end(), TextThenNameLess);
    QStringList names;
    names.reserve(found.size());
    for (auto& [text, name] : found)
        names.append(std::move(name));
    return names;
}

QString FirstSubfolder(const QString& folder) {
    FolderReader dir(QFile::encodeName(folder));
    std::pair<QString, QString> best;
    while (const dirent* entry = dir.Next()) {
        if (!IsShown(entry) || !MayBeFolder(entry))
            continue;
        QString name = DecodedName(entry->d_name);
        if (name.isEmpty())
            continue;
        std::pair<QString, QString> candidate{FolderText(name), std::move(name)};
        // Only a name that would come first is worth a stat call.
        if (!best.second.isEmpty() && !TextThenNameLess(candidate, best))
            continue;
        if (dir.IsFolder(entry))
            best = std::move(candidate);
    }
    return best.second;
}

QStringList DiskFolders::Subfolders(const QString& folder) const {
    return ListSubfolders(folder);
}

QString DiskFolders::FirstSubfolder(const QString& folder) const {
    return tuk::FirstSubfolder(folder);
}

} // namespace tuk
