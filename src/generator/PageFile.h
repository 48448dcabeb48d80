#pragma once

#include "base/Failure.h"

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

namespace tuk {

// How new pages are written: through unnamed files where the file system offers them, or
// never, as on a file system without them (vfat, many network and FUSE mounts).
enum class UnnamedFiles { WhereOffered, Never };

// Writes pages into one open folder so that a page is either its old bytes, its new ones, or
// (for a page that did not exist) absent, even when the process is killed half way.
// A new page is written into an unnamed file of the folder (O_TMPFILE) and linked under its
// name once it is whole. Anything already at the name is replaced by a complete temporary
// file of the same folder (".tu_k-<pid>-<n>.tmp", created exclusively, with the permissions
// of any new file, or those of the page it replaces) renamed over it; so is a new page on a
// file system without unnamed files. So a symbolic link at a page name is replaced by the
// page, never written through; nothing is written outside the folder; no temporary file stays
// behind after a failure. A page that already holds exactly the new bytes is left alone, date
// included.
class PageFileWriter {
public:
    enum class Outcome { Written, Unchanged };

    // folderFd: a descriptor of the output folder (O_PATH is enough); not owned.
    explicit PageFileWriter(int folderFd, UnnamedFiles unnamed = UnnamedFiles::WhereOffered);

    // name: the page's file name (no "/"), followed by a NUL in memory. A failure's text is
    // the system's reason alone, for the caller to name the page.
    Result<Outcome> Write(QByteArrayView name, const QByteArray& bytes);

    // Reads the folder once before the first page: removes the temporary files that writers
    // of processes no longer running left when they were killed before their rename (those
    // of live processes, another run in the same folder, stay), and notes which names are
    // taken, so that a page that is surely new needs no look at its name first.
    void ReadFolder();
    // Lets go of the buffer that held the pages read back; a tree's folders keep their writers.
    void ReleaseReadBuffer() { existing_ = QByteArray(); }

private:
    enum class Found { Nothing, SameBytes, Other };
    // What the name holds; sets keepMode_ to the permissions of a regular file there, so a
    // replaced page keeps the permissions its owner gave it.
    Found Inspect(QByteArrayView name, const QByteArray& bytes);
    // False only for a name that was free when the folder was read.
    bool MayBeTaken(QByteArrayView name) const;
    // An unnamed file of the folder, or -1 (errno); clears unnamed_ when the file system
    // offers none.
    int OpenUnnamed();
    // Gives the unnamed file a name; clears unnamed_ when the system allows no way to.
    bool LinkUnnamed(int fd, const char* name);
    int CreateTemporary();
    bool KeepMode(int fd) const;
    static Failure Fail(int error);

    int folderFd_;
    bool refuseUnnamed_; // acts as a file system that makes no unnamed files
    int keepMode_ = -1;
    bool unnamed_ = true;     // the file system makes unnamed files and they can be linked
    bool linkByProc_ = false; // link through /proc/self/fd, AT_EMPTY_PATH being refused
    bool folderRead_ = false;
    std::vector<size_t> taken_; // sorted hashes of the names in the folder when it was read
    unsigned counter_ = 0;
    QByteArray tempPrefix_; // ".tu_k-<pid>-"
    QByteArray tempName_;
    QByteArray existing_; // reused read buffer
};

} // namespace tuk
