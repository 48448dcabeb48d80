#include "settings/StoredSettings.h"

#include "base/PathNames.h"

#include <QStandardPaths>

namespace tuk {

QString LoadOutcome::Message() const {
    const SettingRow& row = kSettings[size_t(failedRow)];
    return QStringLiteral("[%1] %2 = \"%3\": %4")
        .arg(QLatin1String(row.section), QLatin1String(row.key), text, description);
}

QString DefaultTargetFolder() {
    return WithTrailingSeparator(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
        QStringLiteral("/Tu_K"));
}

namespace {

// Reads the rows from `first` on in store order into fields that hold their defaults; the
// first text that does not convert ends the read, so it and the rows after it keep them.
LoadOutcome LoadFrom(size_t first, const SettingsStore& store, PageSettings& page,
                     WindowPlacement& place) {
    page = DefaultPageSettings();
    page.TargetFolder = DefaultTargetFolder();
    place = kDefaultPlacement;
    LoadOutcome outcome;
    for (size_t i = first; i < kSettings.size(); ++i) {
        const SettingRow& row = kSettings[i];
        // A missing folder reads as empty, which keeps the default.
        const QString fallback =
            row.kind == SettingKind::Folder ? QString() : StoredText(row, page, place);
        const QString text = store.ReadSetting(row.section, row.key, fallback);
        if (!ParseSetting(row, text, page, place, outcome.description)) {
            outcome.ok = false;
            outcome.failedRow = int(i);
            outcome.text = text;
            return outcome;
        }
    }
    outcome.description.clear();
    return outcome;
}

void Write(SettingsStore& store, const SettingRow& row, const PageSettings& page,
           const WindowPlacement& place) {
    store.WriteSetting(row.section, row.key, StoredText(row, page, place));
}

} // namespace

LoadOutcome LoadSettings(const SettingsStore& store, PageSettings& page, WindowPlacement& place) {
    return LoadFrom(0, store, page, place);
}

LoadOutcome LoadPageSettings(const SettingsStore& store, PageSettings& page) {
    size_t first = 0;
    while (kSettings[first].InWindowSection())
        ++first;
    WindowPlacement unused;
    return LoadFrom(first, store, page, unused);
}

void SaveSettings(SettingsStore& store, const PageSettings& page, TargetFolderSave target) {
    const WindowPlacement unused;
    for (const SettingRow& row : kSettings) {
        if (row.InWindowSection() ||
            (row.kind == SettingKind::Folder && target == TargetFolderSave::Keep))
            continue;
        Write(store, row, page, unused);
    }
}

void SaveShutdownSettings(SettingsStore& store, const WindowPlacement& place,
                          const QString& targetFolder, TargetFolderSave target) {
    PageSettings page;
    page.TargetFolder = targetFolder;
    for (const SettingRow& row : kSettings) {
        if (row.InWindowSection() ||
            (row.kind == SettingKind::Folder && target == TargetFolderSave::Write))
            Write(store, row, page, place);
    }
}

} // namespace tuk
