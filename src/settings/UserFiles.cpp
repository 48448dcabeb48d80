#include "settings/UserFiles.h"

#include "base/SystemError.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tuk {

namespace {

QString CannotRead(const QString& path, int error) {
    //: %1 the file, %2 the system's reason
    return QCoreApplication::translate("Settings", "%1 cannot be read (%2)")
        .arg(path, ErrorText(error));
}

QString CannotWrite(const QString& path, int error) {
    //: %1 the file, %2 the system's reason
    return QCoreApplication::translate("Settings", "%1 cannot be written (%2)")
        .arg(path, ErrorText(error));
}

} // namespace

QString NotARegularFile(const QString& path) {
    struct stat st {};
    if (stat(QFile::encodeName(path).constData(), &st) != 0) {
        // Nothing there (or a file where a folder of the path belongs): nothing to open.
        if (errno == ENOENT || errno == ENOTDIR)
            return {};
        const int error = errno;
        //: %1 the file, %2 the system's reason
        return QCoreApplication::translate("Settings", "%1 cannot be reached (%2)")
            .arg(path, ErrorText(error));
    }
    if (S_ISREG(st.st_mode))
        return {};
    if (S_ISDIR(st.st_mode))
        return QCoreApplication::translate("Settings", "%1 is a folder, not a file").arg(path);
    return QCoreApplication::translate("Settings", "%1 is not a regular file").arg(path);
}

bool ReadRegularFile(const QString& path, QByteArray& bytes, QString& problem) {
    const int fd =
        open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        problem = CannotRead(path, errno);
        return false;
    }
    struct stat st {};
    bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (!ok)
        problem = QCoreApplication::translate("Settings", "%1 is not a regular file").arg(path);
    char buffer[16384];
    for (ssize_t got = 1; ok && got > 0;) {
        got = read(fd, buffer, sizeof buffer);
        if (got > 0)
            bytes.append(buffer, got);
        else if (got < 0 && errno != EINTR) {
            problem = CannotRead(path, errno);
            ok = false;
        }
    }
    close(fd);
    return ok;
}

QString WriteNewFile(const QString& path, const QByteArray& bytes, bool& exists) {
    const QByteArray name = QFile::encodeName(path);
    const int fd =
        open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    exists = fd < 0 && errno == EEXIST;
    if (fd < 0)
        return ErrorText(errno);
    errno = 0;
    const bool written =
        write(fd, bytes.constData(), static_cast<size_t>(bytes.size())) == bytes.size() &&
        fsync(fd) == 0;
    const int error = errno != 0 ? errno : ENOSPC;
    close(fd);
    if (written)
        return {};
    unlink(name.constData());
    return ErrorText(error);
}

QString MakeFolders(const QString& folder) {
    return MakeFolderPath(QFile::encodeName(folder), 0700);
}

QString WriteProblem(const QString& path) {
    const QString folder = QFileInfo(path).path();
    const QString folderProblem = MakeFolders(folder);
    if (!folderProblem.isEmpty())
        //: %1 the file, %2 why its folder cannot be made
        return QCoreApplication::translate("Settings", "%1 cannot be created: %2")
            .arg(path, folderProblem);
    // Opening for writing without truncating changes nothing.
    const int existing =
        open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (existing >= 0)
        close(existing);
    else if (errno != ENOENT)
        return CannotWrite(path, errno);
    QByteArray probe = QFile::encodeName(path + QStringLiteral(".probe-XXXXXX"));
    const int fd = mkstemp(probe.data());
    if (fd < 0)
        return CannotWrite(path, errno);
    // As much as a store or a lock ever holds, and on to the disk, so a full disk shows.
    const QByteArray bytes(4096, 'x');
    int error = 0;
    errno = 0;
    if (write(fd, bytes.constData(), static_cast<size_t>(bytes.size())) != bytes.size() ||
        fsync(fd) != 0)
        error = errno != 0 ? errno : ENOSPC;
    if (close(fd) != 0 && error == 0)
        error = errno;
    unlink(probe.constData());
    if (error != 0)
        return CannotWrite(path, error);
    return {};
}

} // namespace tuk
