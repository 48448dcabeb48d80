#pragma once

#include "base/FsName.h"

#include <QList>
#include <QString>

namespace tuk {

// The images of one folder, in list order, and whether the folder could be read at all, so
// that callers can tell an empty folder from an unreadable one.
struct FolderImages {
    QList<FsName> names;
    bool readable = false;
    int error = 0; // why the folder could not be read (errno)
};

// True for names ending as an image of a kind in the format table does, in any letter case.
bool HasImageExtension(QByteArrayView name);

// Lists the regular files (or links to regular files) of the folder (its file-system bytes)
// whose names end as an image's do (HasImageExtension), hidden names (starting with ".") left out,
// sorted by name without regard to case and then by exact name, so the order never depends on the
// file system. Every name is listed, UTF-8 or not.
FolderImages ListFolderImages(const QByteArray& folder);

// The order of the list: the shown text without regard to case first, then the exact text,
// then the bytes (names that are not UTF-8 can show the same text).
bool ImageNameLess(const FsName& a, const FsName& b);

// The shown texts of names, in their order.
QStringList ShownTexts(const QList<FsName>& names);

} // namespace tuk
