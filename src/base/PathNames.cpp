#include "base/PathNames.h"

namespace tuk {

QString GetFileName(const QString& path) {
    return path.mid(path.lastIndexOf(QChar(kPathSeparator)) + 1);
}

QString GetFileBase(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.left(dot);
}

QString GetFileExt(const QString& name) {
    return name.mid(name.lastIndexOf(QLatin1Char('.')) + 1);
}

QString WithTrailingSeparator(const QString& folder) {
    return folder.endsWith(QChar(kPathSeparator)) ? folder : folder + QChar(kPathSeparator);
}

QString WithoutTrailingSeparator(const QString& folder) {
    QString result = folder;
    while (result.size() > 1 && result.endsWith(QChar(kPathSeparator)))
        result.chop(1);
    return result;
}

QString JoinPath(const QString& folder, const QString& name) {
    if (folder.isEmpty())
        return name;
    return WithTrailingSeparator(folder) + name;
}

bool IsSameOrBelow(const QString& path, const QString& folder) {
    if (folder == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == folder ||
           (path.startsWith(folder) && path.at(folder.size()) == QLatin1Char('/'));
}

} // namespace tuk
