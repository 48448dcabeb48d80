#include "app/icons/AppIcon.h"

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
    // Larger sizes (task switchers, docks) come from the installed theme's scalable icon;
    // rendering them here would cost every start-up a tenth of its time.
    return icon;
}

} // namespace tuk
