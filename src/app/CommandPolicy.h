#pragma once

#include "app/toolbar/ToolbarImages.h"

namespace tuk {

// What the window's commands depend on.
struct CommandState {
    bool making = false; // pages are being made
    // The current folder lists at least one image or, with Include Subfolders on, has a
    // subfolder: Make has something to look at.
    bool hasImages = false;
    bool hasPages = false; // the last run left pages to view
};

// Whether a command runs now; a menu entry is available exactly when its command would run.
// While pages are being made, every command that would change the folder, the list, the
// settings or the window is refused (and a modal box would hold the run): only copying the
// BODY string and viewing the pages of an earlier run remain.
bool CommandAllowed(ToolKey key, const CommandState& state);

} // namespace tuk
