#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace tuk {

// Refuses a second running copy of the program for the same user: a lock file in the
// user's runtime folder, held while the process lives. A lock left behind by a process
// that died (even by SIGKILL) is recognised by its process id and taken over.
class SingleInstance {
public:
    // The lock file for this user: "<runtime folder>/Tarnwick-Tu_K.lock", where the runtime
    // folder is $XDG_RUNTIME_DIR, or the temporary folder plus the user id without one.
    static QString DefaultLockPath();

    explicit SingleInstance(const QString& lockPath = DefaultLockPath());

    // True when this process now holds the lock (or already held it).
    bool TryAcquire();
    // Gives the lock up (the destructor does too).
    void Release();

    QString LockPath() const { return path_; }

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

// The text shown to a second copy: program file name without extension + " is already
// running!" ("tu_k is already running!").
QString AlreadyRunningText(const QString& programPath);

} // namespace tuk
