#pragma once

#include <QString>
#include <QStringList>

namespace tuk {

// The images of one folder, in list order, and whether the folder could be read at all, so
// that callers can tell an empty folder from an unreadable one.
struct FolderImages {
    QStringList names;
    bool readable = false;
};

// True for names ending in .gif, .jpg or .jpeg, in any letter case.
bool HasImageExtension(const QString& name);

// Lists the regular files (or links to regular files) of the folder whose names end in .gif,
// .jpg or .jpeg, hidden names (starting with ".") left out, sorted by name without regard to
// case and then by exact name, so the order never depends on the file system.
FolderImages ListFolderImages(const QString& folder);

// The order of the list: case-insensitive first, exact name as the tie-break.
bool ImageNameLess(const QString& a, const QString& b);

} // namespace tuk
