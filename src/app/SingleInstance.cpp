#include "app/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

namespace tuk {

QString SingleInstance::DefaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QDir::tempPath() + QStringLiteral("/tu_k-%1").arg(getuid());
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return folder + QStringLiteral("/Tarnwick-Tu_K.lock");
}

SingleInstance::SingleInstance(const QString& lockPath)
    : path_(lockPath), lock_(std::make_unique<QLockFile>(lockPath)) {
    // Only a dead owner makes a lock stale: a long-running first copy must keep its lock
    // however old the file is.
    lock_->setStaleLockTime(0);
}

bool SingleInstance::TryAcquire() {
    return lock_->isLocked() || lock_->tryLock(0);
}

void SingleInstance::Release() {
    lock_->unlock();
}

QString AlreadyRunningText(const QString& programPath) {
    return QFileInfo(programPath).completeBaseName() + QStringLiteral(" is already running!");
}

} // namespace tuk
