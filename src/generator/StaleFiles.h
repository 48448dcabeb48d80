#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

namespace tuk {

// What a finished run keeps in one output folder: the names of its pages, of the pictures in
// its "thumbs" and "web" folders, of the images placed beside the pages (a site), the number of
// its index pages, and its sub-albums' folders (a site).
struct KeptFiles {
    QSet<QByteArray> pages, pictures, placed, albums;
    int indexPages = 0;
};

// Removes from the output folder what the program wrote there and no run keeps any more: pages
// it tells as its own (by their name and their ending) that are not kept, index pages past
// the last, pictures in "thumbs" and "web" that carry its stamp and are not kept, and in a
// site, placed images that carry its stamp or are named among `originals` (paths below the
// site's top folder, the folder's own path in front being `relative`) and the folders of
// albums that are gone, with everything of the program's in them; such a folder goes only
// when it is empty afterwards. Never another file. Returns how many files and folders went.
int RemoveStaleFiles(int folderFd, const KeptFiles& kept, bool site,
                     const QSet<QByteArray>& originals, const QByteArray& relative);

} // namespace tuk
