#include "settings/UserFiles.h"

#include "base/SystemError.h"
#include "base/UniqueFd.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tuk {

namespace {

Failure CannotRead(const QString& path, int error) {
    //: %1 the file, %2 the system's reason
    return {QCoreApplication::translate("Settings", "%1 cannot be read (%2)")
                .arg(path, ErrorText(error)),
            error};
}

Failure CannotWrite(const QString& path, int error) {
    //: %1 the file, %2 the system's reason
    return {QCoreApplication::translate("Settings", "%1 cannot be written (%2)")
                .arg(path, ErrorText(error)),
            error};
}

} // namespace

Done NotARegularFile(const QString& path) {
    struct stat st {};
    if (stat(QFile::encodeName(path).constData(), &st) != 0) {
        // Nothing there (or a file where a folder of the path belongs): nothing to open.
        if (errno == ENOENT || errno == ENOTDIR)
            return {};
        const int error = errno;
        //: %1 the file, %2 the system's reason
        return Failure{QCoreApplication::translate("Settings", "%1 cannot be reached (%2)")
                           .arg(path, ErrorText(error)),
                       error};
    }
    if (S_ISREG(st.st_mode))
        return {};
    if (S_ISDIR(st.st_mode))
        return Failure{
            QCoreApplication::translate("Settings", "%1 is a folder, not a file").arg(path)};
    return Failure{QCoreApplication::translate("Settings", "%1 is not a regular file").arg(path)};
}

Result<QByteArray> ReadRegularFile(const QString& path) {
    const UniqueFd fd(
        open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.IsOpen())
        return CannotRead(path, fd.error());
    struct stat st {};
    if (fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return Failure{
            QCoreApplication::translate("Settings", "%1 is not a regular file").arg(path)};
    QByteArray bytes;
    char buffer[16384];
    for (ssize_t got = 1; got > 0;) {
        got = read(fd.get(), buffer, sizeof buffer);
        if (got > 0)
            bytes.append(buffer, got);
        else if (got < 0 && errno != EINTR)
            return CannotRead(path, errno);
    }
    return bytes;
}

Done WriteNewFile(const QString& path, const QByteArray& bytes) {
    const QByteArray name = QFile::encodeName(path);
    UniqueFd fd(open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!fd.IsOpen())
        return Failure{ErrorText(fd.error()), fd.error()};
    errno = 0;
    const bool written =
        write(fd.get(), bytes.constData(), static_cast<size_t>(bytes.size())) == bytes.size() &&
        fsync(fd.get()) == 0;
    const int error = errno != 0 ? errno : ENOSPC;
    fd = UniqueFd();
    if (written)
        return {};
    unlink(name.constData());
    return Failure{ErrorText(error), error};
}

Done MakeFolders(const QString& folder) {
    return MakeFolderPath(QFile::encodeName(folder), 0700);
}

Done WriteProblem(const QString& path) {
    const QString folder = QFileInfo(path).path();
    if (const Done made = MakeFolders(folder); !made)
        //: %1 the file, %2 why its folder cannot be made
        return Failure{QCoreApplication::translate("Settings", "%1 cannot be created: %2")
                           .arg(path, made.failure().text),
                       made.failure().error};
    // Opening for writing without truncating changes nothing.
    if (const UniqueFd existing(open(QFile::encodeName(path).constData(),
                                     O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        !existing.IsOpen() && existing.error() != ENOENT)
        return CannotWrite(path, existing.error());
    QByteArray probe = QFile::encodeName(path + QStringLiteral(".probe-XXXXXX"));
    UniqueFd fd(mkstemp(probe.data()));
    if (!fd.IsOpen())
        return CannotWrite(path, fd.error());
    // As much as a store or a lock ever holds, and on to the disk, so a full disk shows.
    const QByteArray bytes(4096, 'x');
    int error = 0;
    errno = 0;
    if (write(fd.get(), bytes.constData(), static_cast<size_t>(bytes.size())) != bytes.size() ||
        fsync(fd.get()) != 0)
        error = errno != 0 ? errno : ENOSPC;
    if (fd.Close() != 0 && error == 0)
        error = errno;
    unlink(probe.constData());
    if (error != 0)
        return CannotWrite(path, error);
    return {};
}

} // namespace tuk
