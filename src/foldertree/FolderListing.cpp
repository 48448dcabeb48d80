#include "foldertree/FolderListing.h"

#include "foldertree/FolderNames.h"

#include <QFile>
#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <utility>

namespace tuk {

namespace {

// Closes the listing on every path.
class DirHandle {
public:
    explicit DirHandle(const QString& folder)
        : dir_(folder.isEmpty() ? nullptr : opendir(QFile::encodeName(folder).constData())) {}
    ~DirHandle() {
        if (dir_)
            closedir(dir_);
    }
    DirHandle(const DirHandle&) = delete;
    DirHandle& operator=(const DirHandle&) = delete;
    DIR* get() const { return dir_; }

private:
    DIR* dir_;
};

// Hidden names and "." and ".." all start with a dot.
bool IsShown(const dirent* entry) {
    return entry->d_name[0] != '.';
}

// Whether the entry could be a folder without asking the file system again.
bool MayBeFolder(const dirent* entry) {
    return entry->d_type == DT_DIR || entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN;
}

// Whether the entry is a folder, following a symbolic link; d_type saves a stat call for all
// but links and file systems that do not fill it in.
bool IsFolder(int dirFd, const dirent* entry) {
    if (entry->d_type == DT_DIR)
        return true;
    struct stat st {};
    return fstatat(dirFd, entry->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
}

// The name as text, or empty when it would not survive the round trip through the locale's
// encoding: such a folder could not be opened again by its decoded name.
QString DecodedName(const char* raw) {
    const QString name = QFile::decodeName(raw);
    return QFile::encodeName(name) == QByteArray(raw) ? name : QString();
}

bool TextThenNameLess(const std::pair<QString, QString>& a, const std::pair<QString, QString>& b) {
    const int byText = QString::compare(a.first, b.first, Qt::CaseSensitive);
    return byText != 0 ? byText < 0 : a.second < b.second;
}

} // namespace

bool SubfolderLess(const QString& a, const QString& b) {
    return TextThenNameLess({ProperCase(a), a}, {ProperCase(b), b});
}

QStringList ListSubfolders(const QString& folder) {
    DirHandle dir(folder);
    if (!dir.get())
        return {};
    const int dirFd = dirfd(dir.get());
    QList<std::pair<QString, QString>> found; // proper-case text, real name
    while (const dirent* entry = readdir(dir.get())) {
        if (!IsShown(entry) || !MayBeFolder(entry) || !IsFolder(dirFd, entry))
            continue;
        QString name = DecodedName(entry->d_name);
        if (!name.isEmpty())
            found.append({ProperCase(name), std::move(name)});
    }
    std::sort(found.begin(), found.end(), TextThenNameLess);
    QStringList names;
    names.reserve(found.size());
    for (auto& [text, name] : found)
        names.append(std::move(name));
    return names;
}

QString FirstSubfolder(const QString& folder) {
    DirHandle dir(folder);
    if (!dir.get())
        return {};
    const int dirFd = dirfd(dir.get());
    std::pair<QString, QString> best;
    while (const dirent* entry = readdir(dir.get())) {
        if (!IsShown(entry) || !MayBeFolder(entry))
            continue;
        QString name = DecodedName(entry->d_name);
        if (name.isEmpty())
            continue;
        std::pair<QString, QString> candidate{ProperCase(name), std::move(name)};
        // Only a name that would come first is worth a stat call.
        if (!best.second.isEmpty() && !TextThenNameLess(candidate, best))
            continue;
        if (IsFolder(dirFd, entry))
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
