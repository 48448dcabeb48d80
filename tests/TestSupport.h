#pragma once

// Small helpers shared by the tests: files with given bytes, and folders made on the fly.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

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

} // namespace tuktest
