#include "app/toolbar/ToolbarImages.h"

// The pictures live in a resource file compiled into a static library; nothing references its
// object file, so it must be registered by hand before the first lookup. The macro only works
// outside a namespace.
static void RegisterToolbarResources() {
    Q_INIT_RESOURCE(toolbar);
}

namespace tuk {

QIcon ToolbarIcon(ToolKey key) {
    static const bool registered = (RegisterToolbarResources(), true);
    Q_UNUSED(registered);
    return QIcon(QStringLiteral(":/toolbar/%1.svg").arg(ToolKeyName(key)));
}

} // namespace tuk
