#pragma once

// Small helpers shared by the tests: files with given bytes, and folders made on the fly.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <ctime>
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

} // namespace tuktest
