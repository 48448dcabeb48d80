#pragma once

// Small helpers shared by the tests: files with given bytes, and folders made on the fly.
// Paths given as QByteArray are file-system bytes, which need not be UTF-8.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#include <utime.h>

namespace tuktest {

inline bool WriteFile(const QByteArray& path, const QByteArray& bytes) {
    QFile file;
    const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0 || !file.open(fd, QIODevice::WriteOnly, QFile::AutoCloseHandle))
        return false;
    return file.write(bytes) == bytes.size();
}

inline bool WriteFile(const QString& path, const QByteArray& bytes) {
    return WriteFile(QFile::encodeName(path), bytes);
}

inline QByteArray ReadFile(const QByteArray& path) {
    QFile file;
    const int fd = open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle))
        return QByteArray();
    return file.readAll();
}

inline QByteArray ReadFile(const QString& path) {
    return ReadFile(QFile::encodeName(path));
}

inline bool MakeFolder(const QString& path) {
    return QDir().mkpath(path);
}

// Sets a file's access and modification time (seconds since the epoch).
inline bool SetFileTime(const QByteArray& path, time_t seconds) {
    const utimbuf times{seconds, seconds};
    return utime(path.constData(), &times) == 0;
}

// Every entry of a folder, hidden ones included, sorted by name.
inline QStringList FolderEntries(const QString& path) {
    return QDir(path).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// The same as file-system bytes, sorted bytewise.
inline QList<QByteArray> FolderEntries(const QByteArray& path) {
    QList<QByteArray> names;
    if (DIR* dir = opendir(path.constData())) {
        while (const dirent* entry = readdir(dir)) {
            if (qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0)
                names << QByteArray(entry->d_name);
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace tuktest
