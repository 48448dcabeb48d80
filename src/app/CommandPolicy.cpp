#include "app/CommandPolicy.h"

namespace tuk {

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
