#pragma once

#include "settings/PageSettings.h"

#include <array>

namespace tuk {

// The page options without a box in the style panel: checkable entries at the end of the
// Html menu, each showing its option. Their access keys are letters no other entry of that
// menu uses (Ma&ke, Vie&w).
struct MenuOption {
    const char* name;
    const char* caption;
    bool PageSettings::*field;
};

inline constexpr std::array<MenuOption, 4> kMenuOptions{{
    {"mnuHtmlIndex", "&Index Page", &PageSettings::lIndex},
    {"mnuHtmlSubfolders", "Include &Subfolders", &PageSettings::lSubfolders},
    {"mnuHtmlIntoTarget", "Pages into &Target Folder", &PageSettings::lIntoTarget},
    {"mnuHtmlWebReady", "Web-&Ready Pages", &PageSettings::lWebReady},
}};

} // namespace tuk
