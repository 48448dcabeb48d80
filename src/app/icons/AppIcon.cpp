#include "app/icons/AppIcon.h"

#include <QPixmap>

// The resource file is compiled into a static library that nothing else references, so it is
// registered by hand. The macro only works outside a namespace.
static void RegisterAppIconResources() {
    Q_INIT_RESOURCE(appicons);
}

namespace tuk {

QIcon AppIcon() {
    static const bool registered = (RegisterAppIconResources(), true);
    Q_UNUSED(registered);
    QIcon icon;
    for (const char* size : {"16", "32", "48"}) {
        icon.addFile(QStringLiteral(":/appicons/tu_k-%1.png").arg(QLatin1String(size)));
    }
    // Larger sizes (task switchers, docks) come from the scalable drawing. An SVG icon keeps
    // only one added pixmap, so the sizes are rendered here instead of mixed into that icon.
    const QIcon scalable(QStringLiteral(":/appicons/tu_k.svg"));
    for (int size : {64, 128, 256}) {
        const QPixmap pixmap = scalable.pixmap(size, size);
        if (!pixmap.isNull()) {
            icon.addPixmap(pixmap);
        }
    }
    return icon;
}

} // namespace tuk
