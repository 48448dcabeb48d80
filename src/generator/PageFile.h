#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace tuk {

// Writes pages into one open folder so that a page is either its old bytes or its new ones.
// A page that does not exist yet is created exclusively under its name and removed again if
// writing it fails. Anything already at the name is replaced by a complete temporary file of
// the same folder (created exclusively, with the permissions of any new file, or those of the
// page it replaces) renamed over it. So a symbolic link at a page name is replaced by the
// page, never written through; nothing is written outside the folder; no temporary file stays
// behind after a failure. A page that already holds exactly the new bytes is left alone, date
// included.
class PageFileWriter {
public:
    enum class Outcome { Written, Unchanged, Failed };

    // folderFd: a descriptor of the output folder (O_PATH is enough); not owned.
    explicit PageFileWriter(int folderFd);

    // name: the page's file name (no "/"), followed by a NUL in memory. On Failed, error()
    // holds the errno value.
    Outcome Write(QByteArrayView name, const QByteArray& bytes);
    int error() const { return error_; }

private:
    // Whether the file already holds bytes; sets keepMode_ to its permissions when it is a
    // regular file, so a replaced page keeps the permissions its owner gave it.
    bool HoldsSameBytes(QByteArrayView name, const QByteArray& bytes);
    int CreateTemporary();
    bool KeepMode(int fd) const;
    Outcome Fail(int error);

    int folderFd_;
    int error_ = 0;
    int keepMode_ = -1;
    unsigned counter_ = 0;
    QByteArray tempName_;
    QByteArray existing_; // reused read buffer
};

} // namespace tuk
