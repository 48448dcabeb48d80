#include "base/SystemError.h"

#include "base/FsName.h"

#include <cerrno>
#include <sys/stat.h>

namespace tuk {

QString ErrorText(int error) {
    return qt_error_string(error);
}

QString MakeFolderPath(const QByteArray& folder, mode_t mode) {
    QByteArray path = folder;
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    // Walks down from the root, so the call that fails is the one reported.
    for (qsizetype end = path.indexOf('/', 1);; end = path.indexOf('/', end + 1)) {
        const QByteArray part = end < 0 ? path : path.left(end);
        struct stat st {};
        if (stat(part.constData(), &st) == 0) {
            if (!S_ISDIR(st.st_mode))
                return QStringLiteral("%1 is not a folder").arg(ShownText(part));
        } else if (errno != ENOENT) {
            return QStringLiteral("the folder %1 cannot be reached (%2)")
                .arg(ShownText(part), ErrorText(errno));
        } else if (mkdir(part.constData(), mode) != 0 && errno != EEXIST) {
            return QStringLiteral("the folder %1 cannot be made (%2)")
                .arg(ShownText(part), ErrorText(errno));
        }
        if (end < 0)
            return {};
    }
}

} // namespace tuk
