#pragma once

#include "base/FsName.h"
#include "generator/PhotoFacts.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace tuk {

// One folder of a photo tree: an album when it has images, or sub-albums with images.
struct Album {
    FsName folder;              // full path, ending with "/"
    QByteArray relative;        // below the top folder (file-system bytes), ending "/"; top: empty
    QList<FsName> images;       // in list order
    int parent = -1;            // index in the tree; -1 for the top
    std::vector<int> subalbums; // folders below it with images somewhere below, in tree order
    int imagesBelow = 0;        // its images and those of every folder below it
    // The album whose first image is this album's cover: itself, or its first sub-album
    // with images, down the tree; -1 when nothing below it has images.
    int cover = -1;
    std::vector<PhotoFacts> facts{}; // of each image, in list order, when the run shows them
    QDate firstDay{}, lastDay{};     // when its photos and those below it were taken, if known
};

// A photo tree in the order the folder tree shows it: a folder, then each of its subfolders
// with everything below it, subfolders sorted as the image list sorts names. Not taken, and
// named when a user may miss them: hidden folders, symbolic links to folders (no loops, nothing
// outside the tree), folders on another volume and folders that cannot be read. In folders
// named as the program's picture folders ("thumbs", "web"), the program's own pictures are
// not taken either; a user's photos there make an album like any other.
struct AlbumTree {
    std::vector<Album> albums; // the top first; only folders with images somewhere below
    QStringList unreadable;    // folders that could not be read: "path (reason)"
    QStringList otherVolumes;  // folders left out because another volume is mounted there
    QStringList hidden;        // hidden folders that hold images of their own
    QStringList linked;        // symbolic links to folders that hold images of their own

    int TotalImages() const { return albums.empty() ? 0 : albums.front().imagesBelow; }
    int Subfolders() const { return albums.empty() ? 0 : int(albums.size()) - 1; }
};

// Lists the tree below the folder (ending with "/") without recursion, so its depth costs no
// stack. The top is always the first album, even without images.
AlbumTree ListAlbumTree(const FsName& top);

// Whole sentences naming every folder the tree left out, by kind ("2 folder(s) on other
// volumes were left out: /p/a/, /p/b/."); empty when it left none out.
QString LeftOutText(const AlbumTree& tree);

} // namespace tuk
