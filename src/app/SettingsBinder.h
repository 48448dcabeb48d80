#pragma once

#include "settings/StoredSettings.h"

#include <functional>
#include <memory>

namespace tuk {

class ColorEditor;
class Dialogs;
class FolderHistory;
class TextOptions;
struct WindowPlacement;

// The settings store and the controls that show its page options: opens and checks the store
// at start-up, loads it into Program() and the controls, saves on request and at the close,
// and puts the defaults back. Failures to write are told with the system's reason.
// showMenuOptions() makes the Html menu's option entries show their options.
class SettingsBinder {
public:
    SettingsBinder(Dialogs& dialogs, TextOptions& text, ColorEditor& colors,
                   std::function<void()> showMenuOptions);
    ~SettingsBinder();

    // Start-up steps; a problem throws StepFailure with the text to show.
    void Open();
    void Load();
    // Writes the page options and the target folder; success is silent.
    void Save();
    // Every page option back to its default, shown in the controls (no question).
    void LoadDefaults();
    // The placement and the target folder at the close.
    void SaveAtClose(const WindowPlacement& place);
    // The folders chosen before; written with the next Save or close.
    void ReadFolderHistory(FolderHistory& history) const;
    void WriteFolderHistory(const FolderHistory& history);
    // The user picked a target folder: it replaces whatever is stored.
    void TargetFolderPicked() { writeTargetFolder_ = true; }
    bool IsOpen() const { return store_ != nullptr; }

private:
    TargetFolderSave TargetSave() const;
    void Flush();
    void ShowTextOptions(); // the font, the boxes and the menu options as the settings hold them

    Dialogs& dialogs_;
    TextOptions& text_;
    ColorEditor& colors_;
    std::function<void()> showMenuOptions_;
    std::unique_ptr<SettingsStore> store_;
    bool writeTargetFolder_ = true; // false: a stored folder that did not load is kept
};

} // namespace tuk
