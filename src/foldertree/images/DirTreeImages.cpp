#include "foldertree/images/DirTreeImages.h"

#include <QFile>

namespace tuk {

const QStringList& DirTreeImageKeys() {
    static const QStringList keys{
        QStringLiteral("open"),     QStringLiteral("closed"),   QStringLiteral("leaf"),
        QStringLiteral("floppy"),   QStringLiteral("hard"),     QStringLiteral("cdrom"),
        QStringLiteral("net"),      QStringLiteral("desk"),     QStringLiteral("about"),
        QStringLiteral("copy"),     QStringLiteral("default"),  QStringLiteral("exit"),
        QStringLiteral("htmlmake"), QStringLiteral("htmlview"), QStringLiteral("refresh"),
        QStringLiteral("save"),     QStringLiteral("target")};
    return keys;
}

QIcon DirTreeIcon(const QString& key) {
    const QString path = QStringLiteral(":/dirtree/%1.svg").arg(key);
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

} // namespace tuk
