#pragma once

// Small helpers shared by the tests: files with given bytes, folders made on the fly, special
// files, and small file systems mounted for one test.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <ctime>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

namespace tuktest {

inline bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool MakeFolder(const QString& path) {
    return QDir().mkpath(path);
}

// Sets a file's access and modification time (seconds since the epoch).
inline bool SetFileTime(const QString& path, time_t seconds) {
    const utimbuf times{seconds, seconds};
    return utime(QFile::encodeName(path).constData(), &times) == 0;
}

// Every entry of a folder, hidden ones included, sorted by name.
inline QStringList FolderEntries(const QString& path) {
    return QDir(path).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Puts what a settings file or lock must never be opened as at the path: "folder", "fifo" or
// "zero link" (a symbolic link to /dev/zero).
inline bool MakeSpecialFile(const QString& path, const QString& kind) {
    const QByteArray name = QFile::encodeName(path);
    if (kind == QLatin1String("folder"))
        return QDir().mkpath(path);
    if (kind == QLatin1String("fifo"))
        return mkfifo(name.constData(), 0600) == 0;
    return symlink("/dev/zero", name.constData()) == 0;
}

// The kind of what is at the path, not following a link (S_IFREG, S_IFIFO, ...; 0 for none).
inline mode_t FileKind(const QString& path) {
    struct stat st {};
    return lstat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

// A tmpfs of a few kilobytes mounted over a folder for the life of the object, so a test can
// meet a full or read-only file system. Ok() is false where mounting is not allowed.
class ScratchMount {
public:
    ScratchMount(const QString& folder, int kilobytes)
        : name_(QFile::encodeName(folder)),
          options_("size=" + QByteArray::number(kilobytes) + "k") {
        QDir().mkpath(folder);
        ok_ = mount("tmpfs", name_.constData(), "tmpfs", 0, options_.constData()) == 0;
    }
    ~ScratchMount() {
        if (ok_)
            umount2(name_.constData(), MNT_DETACH);
    }
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;

    bool Ok() const { return ok_; }
    bool MakeReadOnly() {
        return mount("tmpfs", name_.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                     options_.constData()) == 0;
    }

private:
    QByteArray name_;
    QByteArray options_;
    bool ok_ = false;
};

} // namespace tuktest
