#include "make/ArgumentPaths.h"

#include "base/PathNames.h"
#include "base/SystemError.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tuk {

QString AbsoluteFolder(const QString& argument, FsName& folder) {
    QString path = argument;
    if (!path.startsWith(QLatin1Char('/'))) {
        // A current folder longer than a path may be could not be opened by its full path.
        char current[PATH_MAX];
        if (!getcwd(current, sizeof current))
            return QStringLiteral("cannot tell where the relative path %1 leads: the current "
                                  "folder cannot be found (%2); give a full path")
                .arg(ShownText(EscapedBytes(argument)),
                     ErrorText(errno == ERANGE ? ENAMETOOLONG : errno));
        path = EscapedText(current) + QLatin1Char('/') + path;
    }
    folder = WithTrailingSeparator(FsName(EscapedBytes(QDir::cleanPath(path))));
    return QString();
}

QString FolderProblem(const FsName& folder, int error) {
    QByteArray path = folder.bytes;
    if (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    struct stat st {};
    if (error == ENOTDIR && stat(path.constData(), &st) == 0 && !S_ISDIR(st.st_mode))
        return QStringLiteral("%1 is not a folder").arg(ShownText(path));
    if (error == ENOENT || error == ENOTDIR)
        return QStringLiteral("the folder %1 does not exist").arg(folder.text);
    return QStringLiteral("the folder %1 cannot be read: %2").arg(folder.text, ErrorText(error));
}

QString ReadProblem(const QString& file) {
    // O_NONBLOCK: a FIFO at the store's place must not stall the program.
    const int fd =
        open(QFile::encodeName(file).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return ErrorText(errno);
    struct stat st {};
    const bool known = fstat(fd, &st) == 0;
    close(fd);
    if (known && S_ISDIR(st.st_mode))
        return ErrorText(EISDIR);
    if (known && !S_ISREG(st.st_mode))
        return QStringLiteral("not a regular file");
    return ErrorText(EACCES);
}

} // namespace tuk
