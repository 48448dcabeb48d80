#pragma once

#include <QString>
#include <QStringList>

namespace tuk {

// The subfolders of a folder by their real names: hidden ones (names starting with ".") left
// out, symbolic links to folders included, sorted as the tree shows them (see TreeOrderLess).
// A folder that cannot be read, or no longer exists, has none.
QStringList ListSubfolders(const QString& folder);

// The subfolder that ListSubfolders would give first, or the empty text. Only entries that
// could come first are examined closely, so a folder full of files costs one pass over it.
QString FirstSubfolder(const QString& folder);

// Where the tree reads its folders: the disk, or a fixture in tests.
class FolderSource {
public:
    virtual ~FolderSource() = default;
    virtual QStringList Subfolders(const QString& folder) const = 0;
    virtual QString FirstSubfolder(const QString& folder) const = 0;
};

class DiskFolders final : public FolderSource {
public:
    QStringList Subfolders(const QString& folder) const override;
    QString FirstSubfolder(const QString& folder) const override;
};

} // namespace tuk
