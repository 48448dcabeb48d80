#include "generator/AlbumFacts.h"

#include "generator/FactsCache.h"
#include "generator/ImageHeader.h"
#include "generator/RunParts.h"

#include <QDateTime>
#include <algorithm>
#include <fcntl.h>
#include <numeric>
#include <sys/stat.h>
#include <unistd.h>

namespace tuk {

namespace {

// An image's facts and when it counts as taken, in milliseconds since the epoch.
struct ReadFacts {
    PhotoFacts facts;
    qint64 when = 0;
};

// The facts of a photo from its header and what the file system says of it; false when it is no
// file that can be read. A local capture time gets its offset from UTC, as the cache keeps it.
bool ReadHeaderFacts(int folderFd, const QByteArray& name, struct stat& st, PhotoFacts& facts) {
    // O_NONBLOCK: a FIFO under an image's name must not stall the run.
    const int fd = openat(folderFd, name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return false;
    const bool file = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (file)
        facts = ReadImageHeader(fd, true).facts;
    close(fd);
    if (facts.taken.isValid() && facts.taken.timeSpec() == Qt::LocalTime)
        facts.taken = facts.taken.toOffsetFromUtc(facts.taken.offsetFromUtc());
    return file;
}

// A photo the cache knows costs a look at its file times alone while it is unchanged.
ReadFacts ReadImageFacts(int folderFd, const QByteArray& name, FactsCache& cache) {
    ReadFacts read;
    struct stat st {};
    const bool kept = cache.Knows(name) && fstatat(folderFd, name.constData(), &st, 0) == 0 &&
                      S_ISREG(st.st_mode) && cache.Reuse(name, st, read.facts);
    if (!kept) {
        if (ReadHeaderFacts(folderFd, name, st, read.facts))
            cache.Keep(name, st, read.facts);
        else if (fstatat(folderFd, name.constData(), &st, 0) != 0) // unreadable: by its time
            return read; // gone: making its page tells why
    }
    read.when = read.facts.taken.isValid()
                    ? read.facts.taken.toMSecsSinceEpoch()
                    : qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
    return read;
}

// Widens the days an album's photos were taken on to take in first to last.
void TakeDays(Album& album, QDate first, QDate last) {
    album.firstDay = album.firstDay.isValid() ? qMin(album.firstDay, first) : first;
    album.lastDay = qMax(album.lastDay, last);
}

QDate DayOf(const ReadFacts& read) {
    if (read.facts.taken.isValid())
        return read.facts.taken.date(); // the day where it was taken
    return QDateTime::fromMSecsSinceEpoch(read.when).date();
}

void ReadAlbumFacts(Album& album, bool byCaptureTime, const QString& cacheFolder) {
    const UniqueFd folder = OpenFolder(album.folder.bytes);
    struct stat st {};
    if (folder.get() < 0 || fstat(folder.get(), &st) != 0) {
        album.facts.assign(size_t(album.images.size()), PhotoFacts());
        return;
    }
    FactsCache cache(cacheFolder, st);
    std::vector<ReadFacts> read;
    read.reserve(size_t(album.images.size()));
    for (const FsName& image : album.images)
        read.push_back(ReadImageFacts(folder.get(), image.bytes, cache));
    cache.Save();
    std::vector<size_t> order(read.size());
    std::iota(order.begin(), order.end(), size_t(0));
    // The list is in name order already: a stable sort keeps it among photos of one moment.
    if (byCaptureTime)
        std::stable_sort(order.begin(), order.end(),
                         [&read](size_t a, size_t b) { return read[a].when < read[b].when; });
    QList<FsName> images;
    images.reserve(album.images.size());
    album.facts.clear();
    album.facts.reserve(read.size());
    for (size_t k : order) {
        images.append(album.images.at(qsizetype(k)));
        if (byCaptureTime && read[k].when != 0) {
            const QDate day = DayOf(read[k]);
            TakeDays(album, day, day);
        }
        album.facts.push_back(std::move(read[k].facts));
    }
    album.images = std::move(images);
}

} // namespace

void ReadTreeFacts(AlbumTree& tree, bool byCaptureTime, const QString& cacheFolder) {
    for (Album& album : tree.albums)
        ReadAlbumFacts(album, byCaptureTime, cacheFolder);
    // Albums follow their parents in the tree: from the last up, each passes its days on.
    for (auto album = tree.albums.rbegin(); album != tree.albums.rend(); ++album) {
        if (album->parent < 0 || !album->firstDay.isValid())
            continue;
        TakeDays(tree.albums[size_t(album->parent)], album->firstDay, album->lastDay);
    }
}

} // namespace tuk
