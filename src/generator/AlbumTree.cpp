#include "generator/AlbumTree.h"

#include "base/FolderIdentity.h"
#include "base/FolderReader.h"
#include "base/SystemError.h"
#include "generator/ImageHeader.h"
#include "generator/ImageList.h"
#include "generator/Pictures.h"

#include <QCoreApplication>
#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

namespace tuk {

namespace {

struct Listing {
    QList<FsName> images, folders;
};

// The name of the first image the folder holds, hidden ones left out; empty when it holds
// none or cannot be read.
QByteArray FirstImage(const QByteArray& folder) {
    FolderReader dir(folder);
    while (const dirent* entry = dir.Next()) {
        const QByteArrayView name(entry->d_name);
        if (!name.startsWith('.') && HasImageExtension(name) && dir.IsRegularFile(entry, true))
            return name.toByteArray();
    }
    return QByteArray();
}

// Names a folder left out when it holds images of its own.
void NoteWithImages(const QByteArray& folder, QStringList& leftOut) {
    if (!FirstImage(folder).isEmpty())
        leftOut << ShownText(folder);
}

bool IsStampedPicture(const QByteArray& path) {
    const int fd = open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool stamped = IsPictureStamp(ReadImageHeader(fd).comment);
    close(fd);
    return stamped;
}

// In a folder named as a picture folder of the program, the images named as its pictures are
// its own when the first of them carries its stamp: one picture is read, however many there
// are. They are left out; a user's photos beside them stay.
void LeaveOutOwnPictures(const QByteArray& folder, QList<FsName>& images) {
    const QByteArray name = folder.chopped(1).mid(folder.chopped(1).lastIndexOf('/') + 1);
    if (name != kThumbsFolderName && name != kWebFolderName)
        return;
    const auto own = [](const FsName& image) { return IsPictureFileName(image.bytes); };
    const auto first = std::find_if(images.cbegin(), images.cend(), own);
    if (first != images.cend() && IsStampedPicture(folder + first->bytes))
        images.removeIf(own);
}

// Sorts one entry of a folder (ending with "/") into the listing, or into the tree's folders
// left out.
void ListEntry(const FolderReader& dir, const dirent* entry, const QByteArray& path,
               const VolumeId& volume, Listing& listing, AlbumTree& tree) {
    const QByteArrayView name(entry->d_name);
    const auto folder = [&] { return path + name.toByteArray() + '/'; };
    VolumeId id;
    if (name.startsWith('.')) {
        if (name != "." && name != ".." && dir.IsFolder(entry, true))
            NoteWithImages(folder(), tree.hidden);
    } else if (HasImageExtension(name) && dir.IsRegularFile(entry, true)) {
        listing.images.append(FsName(name.toByteArray()));
    } else if (!dir.IsFolder(entry, false)) {
        if (dir.IsFolder(entry, true))
            NoteWithImages(folder(), tree.linked);
    } else if (VolumeIdOf(folder(), id) && id != volume) {
        tree.otherVolumes << ShownText(folder());
    } else {
        listing.folders.append(FsName(name.toByteArray()));
    }
}

// The images and the subfolders worth walking of one folder; false with the reason when it
// cannot be read.
bool ListFolder(const QByteArray& path, const VolumeId& volume, Listing& listing, int& error,
                AlbumTree& tree) {
    FolderReader dir(path);
    while (const dirent* entry = dir.Next())
        ListEntry(dir, entry, path, volume, listing, tree);
    if (dir.Error() != 0) {
        error = dir.Error();
        return false;
    }
    std::sort(listing.images.begin(), listing.images.end(), ImageNameLess);
    std::sort(listing.folders.begin(), listing.folders.end(), ImageNameLess);
    LeaveOutOwnPictures(path, listing.images);
    return true;
}

// Every folder below the top, parents before children (children of one folder in reverse
// order); the folders left out go to the tree's lists.
std::vector<Album> ReadFolders(const FsName& root, AlbumTree& tree) {
    std::vector<Album> all;
    VolumeId volume;
    (void)VolumeIdOf(root.bytes, volume); // when it fails, the top cannot be read either
    all.push_back({root, QByteArray(), {}, -1, {}, 0, -1});
    // Depth first, in tree order: folders still to read, the next one at the back.
    std::vector<int> pending{0};
    while (!pending.empty()) {
        const int index = pending.back();
        pending.pop_back();
        Listing listing;
        int error = 0;
        if (!ListFolder(all[size_t(index)].folder.bytes, volume, listing, error, tree)) {
            tree.unreadable << QStringLiteral("%1 (%2)").arg(all[size_t(index)].folder.text,
                                                             ErrorText(error));
            continue;
        }
        all[size_t(index)].images = std::move(listing.images);
        for (qsizetype k = listing.folders.size() - 1; k >= 0; --k) {
            const Album& parent = all[size_t(index)];
            const QByteArray name = listing.folders[k].bytes + '/';
            all.push_back(
                {FsName(parent.folder.bytes + name), parent.relative + name, {}, index, {}, 0, -1});
            pending.push_back(int(all.size()) - 1);
        }
    }
    for (QStringList* leftOut : {&tree.unreadable, &tree.otherVolumes, &tree.hidden, &tree.linked})
        leftOut->sort(); // read in the file system's order
    return all;
}

// The folders' indices in tree order. Children were added last first: the order in which
// they were read, which the stack gave in tree order.
std::vector<int> TreeOrder(const std::vector<Album>& all) {
    std::vector<int> order;
    std::vector<std::vector<int>> children(all.size());
    for (size_t i = 1; i < all.size(); ++i)
        children[size_t(all[i].parent)].push_back(int(i));
    std::vector<int> walk{0};
    while (!walk.empty()) {
        const int i = walk.back();
        walk.pop_back();
        order.push_back(i);
        for (auto c = children[size_t(i)].begin(); c != children[size_t(i)].end(); ++c)
            walk.push_back(*c); // added last first, so popped in tree order
    }
    return order;
}

// Counts images from the leaves up, keeps the top and every folder with images below it,
// renumbered in tree order, and finds the covers.
void KeepAlbums(std::vector<Album>& all, const std::vector<int>& order, AlbumTree& tree) {
    for (auto i = order.rbegin(); i != order.rend(); ++i) {
        Album& album = all[size_t(*i)];
        album.imagesBelow += int(album.images.size());
        if (album.parent >= 0 && album.imagesBelow > 0)
            all[size_t(album.parent)].imagesBelow += album.imagesBelow;
    }
    tree.albums.reserve(size_t(1 + std::count_if(all.begin() + 1, all.end(), [](const Album& a) {
                                   return a.imagesBelow > 0;
                               })));
    std::vector<int> renumbered(all.size(), -1);
    for (int i : order) {
        Album& album = all[size_t(i)];
        if (i != 0 && album.imagesBelow == 0)
            continue;
        renumbered[size_t(i)] = int(tree.albums.size());
        album.parent = album.parent < 0 ? -1 : renumbered[size_t(album.parent)];
        if (album.parent >= 0)
            tree.albums[size_t(album.parent)].subalbums.push_back(renumbered[size_t(i)]);
        tree.albums.push_back(std::move(album));
    }
    // Covers from the leaves up: an album's own first image, else its first sub-album's cover.
    for (auto a = tree.albums.rbegin(); a != tree.albums.rend(); ++a) {
        const int self = int(tree.albums.rend() - a) - 1;
        if (!a->images.isEmpty())
            a->cover = self;
        else if (!a->subalbums.empty())
            a->cover = tree.albums[size_t(a->subalbums.front())].cover;
    }
}

} // namespace

AlbumTree ListAlbumTree(const FsName& top) {
    AlbumTree tree;
    std::vector<Album> all = ReadFolders(WithTrailingSeparator(top), tree);
    KeepAlbums(all, TreeOrder(all), tree);
    return tree;
}

QString LeftOutText(const AlbumTree& tree) {
    const std::pair<const QStringList*, const char*> kinds[] = {
        {&tree.unreadable,
         //: %1 the folders, each with the system's reason
         QT_TRANSLATE_N_NOOP("Run", "%n folder(s) could not be read and were left out: %1.")},
        {&tree.otherVolumes,
         //: %1 the folders
         QT_TRANSLATE_N_NOOP("Run", "%n folder(s) on other volumes were left out: %1.")},
        {&tree.hidden,
         //: %1 the folders
         QT_TRANSLATE_N_NOOP("Run", "%n hidden folder(s) with images were left out: %1.")},
        {&tree.linked,
         //: %1 the links
         QT_TRANSLATE_N_NOOP("Run",
                             "%n symbolic link(s) to folders with images were left out: %1.")}};
    QStringList sentences;
    for (const auto& [folders, sentence] : kinds) {
        if (!folders->isEmpty())
            sentences << QCoreApplication::translate("Run", sentence, nullptr, int(folders->size()))
                             .arg(folders->join(QLatin1String(", ")));
    }
    return sentences.join(QLatin1Char(' '));
}

} // namespace tuk
