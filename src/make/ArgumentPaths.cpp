#include "make/ArgumentPaths.h"

#include "base/PathNames.h"
#include "base/SystemError.h"
#include "base/UniqueFd.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tuk {

Result<FsName> AbsoluteFolder(const QString& argument) {
    QString path = argument;
    if (!path.startsWith(QLatin1Char('/'))) {
        // A current folder longer than a path may be could not be opened by its full path.
        char current[PATH_MAX];
        if (!getcwd(current, sizeof current)) {
            const int error = errno == ERANGE ? ENAMETOOLONG : errno;
            //: %1 is the path given, %2 the system's reason.
            return Failure{QCoreApplication::translate(
                               "tu_k-make", "cannot tell where the relative path %1 leads: the "
                                            "current folder cannot be found (%2); give a full path")
                               .arg(ShownText(EscapedBytes(argument)), ErrorText(error)),
                           error};
        }
        path = EscapedText(current) + QLatin1Char('/') + path;
    }
    return WithTrailingSeparator(FsName(EscapedBytes(QDir::cleanPath(path))));
}

QString FolderProblem(const FsName& folder, int error) {
    QByteArray path = folder.bytes;
    if (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    struct stat st {};
    if (error == ENOTDIR && stat(path.constData(), &st) == 0 && !S_ISDIR(st.st_mode))
        return QCoreApplication::translate("tu_k-make", "%1 is not a folder").arg(ShownText(path));
    if (error == ENOENT || error == ENOTDIR)
        return QCoreApplication::translate("tu_k-make", "the folder %1 does not exist")
            .arg(folder.text);
    //: %1 is the folder, %2 the system's reason.
    return QCoreApplication::translate("tu_k-make", "the folder %1 cannot be read: %2")
        .arg(folder.text, ErrorText(error));
}

QString SettingsReadProblem(const QString& file) {
    // O_NONBLOCK: a FIFO at the store's place must not stall the program.
    const UniqueFd fd(
        open(QFile::encodeName(file).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    int error = fd.error();
    if (fd.IsOpen()) {
        struct stat st {};
        const bool known = fstat(fd.get(), &st) == 0;
        if (known && !S_ISDIR(st.st_mode) && !S_ISREG(st.st_mode))
            return QCoreApplication::translate(
                       "tu_k-make", "the settings file %1 cannot be read: not a regular file")
                .arg(file);
        error = known && S_ISDIR(st.st_mode) ? EISDIR : EACCES;
    }
    //: %1 is the settings file, %2 the system's reason.
    return QCoreApplication::translate("tu_k-make", "the settings file %1 cannot be read: %2")
        .arg(file, ErrorText(error));
}

} // namespace tuk
