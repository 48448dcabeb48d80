#include "generator/AlbumTree.h"

#include "base/FolderReader.h"
#include "base/SystemError.h"
#include "generator/ImageList.h"

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>

namespace tuk {

namespace {

bool IsOwnFolderName(QByteArrayView name) {
    return name == "thumbs" || name == "web";
}

struct Listing {
    QList<FsName> images, folders;
    dev_t device = 0;
};

// The images and the subfolders worth walking of one folder; false with the reason when it
// cannot be read.
bool ListFolder(const QByteArray& path, Listing& listing, int& error, dev_t parentDevice,
                QList<FsName>& elsewhere) {
    FolderReader dir(path);
    if (!dir.IsOpen()) {
        error = dir.Error();
        return false;
    }
    while (const dirent* entry = dir.Next()) {
        const QByteArrayView name(entry->d_name);
        if (name.startsWith('.'))
            continue;
        if (HasImageExtension(name) && dir.IsRegularFile(entry, true)) {
            listing.images.append(FsName(name.toByteArray()));
        } else if (!IsOwnFolderName(name) && dir.IsFolder(entry, false)) {
            struct stat st {};
            const QByteArray sub = path + name.toByteArray();
            if (lstat(sub.constData(), &st) == 0 && st.st_dev != parentDevice)
                elsewhere.append(FsName(sub + '/'));
            else
                listing.folders.append(FsName(name.toByteArray()));
        }
    }
    if (dir.Error() != 0) {
        error = dir.Error();
        return false;
    }
    std::sort(listing.images.begin(), listing.images.end(), ImageNameLess);
    std::sort(listing.folders.begin(), listing.folders.end(), ImageNameLess);
    return true;
}

// Every folder below the top, parents before children (children of one folder in reverse
// order); unreadable and foreign folders go to the tree's lists.
std::vector<Album> ReadFolders(const FsName& root, AlbumTree& tree) {
    std::vector<Album> all;
    struct stat st {};
    const dev_t device = stat(root.bytes.constData(), &st) == 0 ? st.st_dev : 0;
    all.push_back({root, QByteArray(), {}, -1, {}, 0, -1});
    // Depth first, in tree order: folders still to read, the next one at the back.
    std::vector<int> pending{0};
    QList<FsName> elsewhere;
    while (!pending.empty()) {
        const int index = pending.back();
        pending.pop_back();
        Listing listing;
        int error = 0;
        if (!ListFolder(all[size_t(index)].folder.bytes, listing, error, device, elsewhere)) {
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
    for (const FsName& folder : elsewhere)
        tree.otherVolumes << folder.text;
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

} // namespace tuk
