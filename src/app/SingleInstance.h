#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace tuk {

// Refuses a second running copy of the program for the same user: a lock file beside the
// settings store, held while the process lives, so it does not depend on the session's
// runtime folder. A lock left behind by a process that died (even by SIGKILL) is recognised
// by its process id and taken over. Only a regular file is ever opened at the lock's place.
class SingleInstance {
public:
    // "$XDG_CONFIG_HOME/Tarnwick/Tu_K.lock" (usually ~/.config/Tarnwick/Tu_K.lock).
    static QString DefaultLockPath();

    explicit SingleInstance(const QString& lockPath = DefaultLockPath());

    enum class Lock {
        Held,        // this process holds the lock (now or already)
        OtherCopy,   // a running copy holds it
        Unavailable, // the lock cannot be made; Problem() says why
    };
    Lock TryAcquire();
    // Gives the lock up (the destructor does too).
    void Release();

    QString Problem() const { return problem_; }
    QString LockPath() const { return path_; }
    bool Holds() const { return lock_->isLocked(); }

private:
    bool OwnerRuns() const;

    QString path_;
    std::unique_ptr<QLockFile> lock_;
    QString problem_;
};

// The text shown to a second copy: program file name without extension + " is already
// running!" ("tu_k is already running!").
QString AlreadyRunningText(const QString& programPath);

// The text shown when the lock cannot be made: what failed, and that the program starts.
QString NoLockText(const QString& problem);

// The text shown when later starts cannot reach this window: what failed, and that the
// window works all the same.
QString NoHandOverText(const QString& problem);

} // namespace tuk
