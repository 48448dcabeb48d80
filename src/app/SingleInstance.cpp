#include "app/SingleInstance.h"

#include "settings/SettingsStore.h"
#include "settings/UserFiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSysInfo>
#include <cerrno>
#include <csignal>

namespace tuk {

QString SingleInstance::DefaultLockPath() {
    return QFileInfo(SettingsStore::DefaultFileName()).path() + QStringLiteral("/Tu_K.lock");
}

SingleInstance::SingleInstance(const QString& lockPath)
    : path_(lockPath), lock_(std::make_unique<QLockFile>(lockPath)) {
    // Only a dead owner makes a lock stale: a long-running first copy must keep its lock
    // however old the file is.
    lock_->setStaleLockTime(0);
}

SingleInstance::Lock SingleInstance::TryAcquire() {
    if (lock_->isLocked())
        return Lock::Held;
    problem_ = MakeFolders(QFileInfo(path_).path()).failure().text;
    if (problem_.isEmpty())
        problem_ = NotARegularFile(path_).failure().text; // a FIFO there would hang the lock's read
    if (!problem_.isEmpty())
        return Lock::Unavailable;
    if (lock_->tryLock(0))
        return Lock::Held;
    // A lock file that stays although its owner is gone could not be replaced: that is a
    // failure to make the lock, not another copy.
    if (lock_->error() == QLockFile::LockFailedError && OwnerRuns())
        return Lock::OtherCopy;
    problem_ = WriteProblem(path_).failure().text;
    if (problem_.isEmpty())
        //: Why the lock is missing; %1 is the lock file's path.
        problem_ =
            QCoreApplication::translate("frmTu_K", "%1 could not be made (the reason is not known)")
                .arg(path_);
    return Lock::Unavailable;
}

bool SingleInstance::OwnerRuns() const {
    qint64 pid = 0;
    QString host, app;
    if (!lock_->getLockInfo(&pid, &host, &app) || pid <= 0)
        return false;
    // A copy on another machine sharing this home folder cannot be asked; it holds the lock.
    if (host != QSysInfo::machineHostName())
        return true;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

void SingleInstance::Release() {
    lock_->unlock();
}

QString AlreadyRunningText(const QString& programPath) {
    //: %1 is the program's name.
    return QCoreApplication::translate("frmTu_K", "%1 is already running!")
        .arg(QFileInfo(programPath).completeBaseName());
}

QString NoLockText(const QString& problem) {
    //: %1 says why: a reason the system gives or a sentence of its own.
    return QCoreApplication::translate("frmTu_K",
                                       "Tu_K could not make the lock that keeps a second copy "
                                       "from starting: %1. It starts all the same.")
        .arg(problem);
}

QString NoHandOverText(const QString& problem) {
    //: %1 is the socket's path and the reason the system gives.
    return QCoreApplication::translate("frmTu_K",
                                       "Later starts of Tu_K cannot hand their folders to this "
                                       "window: %1. This window works all the same.")
        .arg(problem);
}

} // namespace tuk
