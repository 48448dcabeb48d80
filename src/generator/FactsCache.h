#pragma once

#include "generator/PhotoFacts.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <sys/stat.h>

namespace tuk {

// What the photos of one folder said of themselves at the last run, kept in a file of the
// user's cache folder named by the folder's device and inode, so an unchanged re-run reads one
// file instead of every photo's header. An entry holds while its photo keeps its inode, size
// and change times; a file that cannot be read or written only costs the reads it would save.
class FactsCache {
public:
    // folder: the cache's own folder, empty for none; image: the photos' folder, as opened.
    FactsCache(const QString& folder, const struct stat& imageFolder);

    // Whether an entry for the name was read, holding or not.
    bool Knows(const QByteArray& name) const;
    // The photo's facts when the entry for its name still holds; the entry is kept as it is.
    bool Reuse(const QByteArray& name, const struct stat& st, PhotoFacts& facts);
    // The facts of each other photo the folder holds now. The file is written only when what is
    // kept differs from what was read.
    void Keep(const QByteArray& name, const struct stat& st, const PhotoFacts& facts);
    void Save();

private:
    QHash<QByteArrayView, QByteArrayView>::const_iterator EntryOf(const QByteArray& name) const;

    QString file_;
    QByteArray read_;                           // the file as read
    QHash<QByteArrayView, QByteArrayView> old_; // the lines of read_, by their name
    QByteArray kept_;                           // the lines of the photos now
    bool changed_ = false;
};

// Where the facts of the photos are kept for the current user: $XDG_CACHE_HOME/Tarnwick/Tu_K/facts.
QString DefaultFactsCacheFolder();

} // namespace tuk
