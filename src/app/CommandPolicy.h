#pragma once

#include <QString>

namespace tuk {

// The window's commands, in the toolbar's order.
enum class ToolKey { Exit, Refresh, Target, Copy, Save, Default, HtmlMake, HtmlView, About };

// The command's name: its toolbar button's object name and picture ("htmlmake").
QString ToolKeyName(ToolKey key);

// The command a name stands for; false for any other text (compared exactly).
bool ToolKeyOf(const QString& name, ToolKey& key);

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
