#include "foldertree/widgets/images/DirTreeImages.h"

#include <QStringList>

// The pictures live in a resource file compiled into a static library; nothing references its
// object file, so it must be registered by hand before the first lookup. The macro only works
// outside a namespace.
static void RegisterDirTreeResources() {
    Q_INIT_RESOURCE(dirtree);
}

namespace tuk {

const QStringList& DirTreeImageKeys() {
    static const QStringList keys{QStringLiteral("open"), QStringLiteral("closed"),
                                  QStringLiteral("leaf"), QStringLiteral("floppy"),
                                  QStringLiteral("hard"), QStringLiteral("cdrom"),
                                  QStringLiteral("net"),  QStringLiteral("desk"),
                                  QStringLiteral("ram"),  QStringLiteral("unknown")};
    return keys;
}

QIcon DirTreeIcon(const QString& key) {
    static const bool registered = (RegisterDirTreeResources(), true);
    Q_UNUSED(registered);
    // Only the listed keys: a key is a name, never a path into the resources.
    if (!DirTreeImageKeys().contains(key)) {
        return QIcon();
    }
    return QIcon(QStringLiteral(":/dirtree/%1.svg").arg(key));
}

} // namespace tuk
