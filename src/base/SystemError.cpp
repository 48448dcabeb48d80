#include "base/SystemError.h"

#include "base/FsName.h"

#include <QCoreApplication>
#include <cerrno>
#include <sys/stat.h>

namespace tuk {

QString ErrorText(int error) {
    return qt_error_string(error);
}

Done MakeFolderPath(const QByteArray& folder, mode_t mode) {
    QByteArray path = folder;
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    // Walks down from the root, so the call that fails is the one reported.
    for (qsizetype end = path.indexOf('/', 1);; end = path.indexOf('/', end + 1)) {
        const QByteArray part = end < 0 ? path : path.left(end);
        struct stat st {};
        const int error = stat(part.constData(), &st) == 0 ? 0 : errno;
        if (error == 0) {
            if (!S_ISDIR(st.st_mode))
                //: why a folder cannot be made: %1 a path on the way to it
                return Failure{
                    QCoreApplication::translate("Run", "%1 is not a folder").arg(ShownText(part)),
                    0};
        } else if (error != ENOENT) {
            //: why a folder cannot be made: %1 a folder on the way, %2 the system's reason
            return Failure{
                QCoreApplication::translate("Run", "the folder %1 cannot be reached (%2)")
                    .arg(ShownText(part), ErrorText(error)),
                error};
        } else if (mkdir(part.constData(), mode) != 0 && errno != EEXIST) {
            const int made = errno;
            //: why a folder cannot be made: %1 a folder on the way, %2 the system's reason
            return Failure{QCoreApplication::translate("Run", "the folder %1 cannot be made (%2)")
                               .arg(ShownText(part), ErrorText(made)),
                           made};
        }
        if (end < 0)
            return {};
    }
}

} // namespace tuk
