#pragma once

#include "settings/PageSettings.h"
#include "settings/SettingTexts.h"
#include "settings/SettingsSchema.h"
#include "settings/SettingsStore.h"

#include <QString>

namespace tuk {

// Result of loading: either everything was read, or the read stopped at the first key whose
// text does not convert (an nFontSize outside 1..128, a font face the font box would not keep
// and a TargetFolder that is no full path included). The fields before that key hold what was
// read; it and every one after it hold their defaults.
struct LoadOutcome {
    bool ok = true;
    int failedRow = int(kSettings.size()); // in kSettings
    QString text;                          // the stored text that failed
    QString description;                   // kTypeMismatch, kOverflow or kInvalidPropertyValue

    bool Loaded(const SettingRow& row) const { return &row - kSettings.data() < failedRow; }
    // "[Text] nFontSize = "300": Overflow"
    QString Message() const;
};

// The target folder where none is stored (or an empty text is): "Tu_K" in the user's
// documents folder, ending with "/".
QString DefaultTargetFolder();

// Reads the window placement and every page option in store order, with the defaults for
// missing keys. TargetFolder always ends with "/".
LoadOutcome LoadSettings(const SettingsStore& store, PageSettings& page, WindowPlacement& place);
// The same without section "Window", which is then not read at all.
LoadOutcome LoadPageSettings(const SettingsStore& store, PageSettings& page);

// Whether a save writes TargetFolder: not when the stored one did not load and no other was
// chosen since, so a load that stopped early never erases the user's folder.
enum class TargetFolderSave { Write, Keep };

// Writes the page options and the target folder (not the window placement).
void SaveSettings(SettingsStore& store, const PageSettings& page,
                  TargetFolderSave target = TargetFolderSave::Write);

// Writes the window placement, then the target folder: what every close keeps.
void SaveShutdownSettings(SettingsStore& store, const WindowPlacement& place,
                          const QString& targetFolder,
                          TargetFolderSave target = TargetFolderSave::Write);

} // namespace tuk
