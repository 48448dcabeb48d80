#include "app/CommandPolicy.h"

#include <array>

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

bool CommandAllowed(ToolKey key, const CommandState& state) {
    switch (key) {
    case ToolKey::Copy:
        return true;
    case ToolKey::HtmlMake:
        return state.hasImages && !state.making;
    case ToolKey::HtmlView:
        return state.hasPages;
    case ToolKey::Exit:
    case ToolKey::Refresh:
    case ToolKey::Target:
    case ToolKey::Save:
    case ToolKey::Default:
    case ToolKey::About:
        break;
    }
    return !state.making;
}

} // namespace tuk
