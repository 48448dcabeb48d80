#include "app/toolbar/ToolbarImages.h"

#include <array>

// The pictures live in a resource file compiled into a static library; nothing references its
// object file, so it must be registered by hand before the first lookup. The macro only works
// outside a namespace.
static void RegisterToolbarResources() {
    Q_INIT_RESOURCE(toolbar);
}

namespace tuk {

namespace {

constexpr std::array<const char*, 9> kNames{"exit",    "refresh",  "target",   "copy", "save",
                                            "default", "htmlmake", "htmlview", "about"};

} // namespace

QString ToolKeyName(ToolKey key) {
    return QLatin1String(kNames[static_cast<size_t>(key)]);
}

bool ToolKeyOf(const QString& name, ToolKey& key) {
    for (size_t i = 0; i < kNames.size(); ++i) {
        if (name == QLatin1String(kNames[i])) {
            key = static_cast<ToolKey>(i);
            return true;
        }
    }
    return false;
}

QIcon ToolbarIcon(const QString& name) {
    static const bool registered = (RegisterToolbarResources(), true);
    Q_UNUSED(registered);
    // Only the commands' names: a name is never a path into the resources.
    ToolKey key{};
    if (!ToolKeyOf(name, key))
        return QIcon();
    return QIcon(QStringLiteral(":/toolbar/%1.svg").arg(name));
}

} // namespace tuk
