#pragma once

#include "settings/PageSettings.h"

#include <QString>
#include <memory>

class QSettings;

namespace tuk {

// Every stored key, in the order the settings are read.
enum class StoreKey : int {
    DefL,
    DefT,
    DefW,
    DefH,
    lMaxed,
    BackR,
    BackG,
    BackB,
    TextR,
    TextG,
    TextB,
    LinkR,
    LinkG,
    LinkB,
    VLinkR,
    VLinkG,
    VLinkB,
    ALinkR,
    ALinkG,
    ALinkB,
    sFontFace,
    nFontSize,
    lCenter,
    lBold,
    lItal,
    lLinx,
    lFolder,
    lFDate,
    lFSize,
    lBackGround,
    lText,
    lCopyr,
    lIndex,
    lSubfolders,
    lIntoTarget,
    lWebReady,
    nWebSize,
    TargetFolder,
    Count
};

struct StoreKeyName {
    const char* section;
    const char* key;
};

// Section and key of a stored value ("Colors"/"AlinkB" for ALinkB).
StoreKeyName NameOf(StoreKey key);

// The per-user key/value store: an INI file with one group per section, by default
// "$XDG_CONFIG_HOME/Tarnwick/Tu_K.conf" (usually ~/.config/Tarnwick/Tu_K.conf). Only a
// regular file is ever opened: a folder, a FIFO or a device at its place is told and left
// alone, and so is a file that cannot be read.
class SettingsStore {
public:
    SettingsStore();
    explicit SettingsStore(const QString& iniFile);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // Where the default store lives; nothing is read to find it.
    static QString DefaultFileName();
    QString FileName() const { return path_; }

    // Unreadable: the file exists but is no regular file or cannot be read; every read gives
    // its default and writes are refused (Flush() says why), so it is never written over.
    // Malformed: the file is not INI text (see IsIniText); every read gives its default. The
    // first write keeps its bytes aside (KeepMalformedCopy) and then starts a fresh file; if
    // they cannot be kept, writes are refused.
    bool Unreadable() const { return !problem_.isEmpty(); }
    bool Malformed() const { return malformed_; }
    // Why the file is unreadable ("/x/Tu_K.conf is not a regular file"); empty otherwise.
    QString Problem() const { return problem_; }

    // Copies the bytes of a malformed file to the first of "<file>.bad", "<file>.bad.2",
    // "<file>.bad.3", ... that does not exist yet (an earlier copy is never touched). Returns
    // the copy's path, or empty with the reason in *error. Once a copy is made it returns that.
    QString KeepMalformedCopy(QString* error = nullptr);

    // The text stored under the key, or the default when nothing is stored there.
    QString ReadSetting(const char* section, const char* key, const QString& fallback) const;
    void WriteSetting(const char* section, const char* key, const QString& text);

    // Writes pending changes to the file; returns the reason when that failed, else empty.
    // Values that could not be written stay pending and go with the next Flush().
    QString Flush();

private:
    void Open();
    void ReplaceMalformedFile();

    QString path_;
    std::unique_ptr<QSettings> settings_; // null while the file must not be opened
    QString problem_;
    bool malformed_ = false;
    QString copy_;    // where a malformed file's bytes were kept
    QString refused_; // why writes are refused, once one was attempted
    bool failed_ = false;
};

// The failure descriptions the program shows for a stored value it cannot take.
inline const char* const kTypeMismatch = "Type mismatch";
inline const char* const kOverflow = "Overflow";
inline const char* const kInvalidPropertyValue = "Invalid property value";

// Result of loading: either everything was read, or the read stopped at the first key whose
// text does not convert (an nFontSize outside 1..128, a font face the font box would not keep
// and a TargetFolder that is no full path included). The fields before that key hold what was
// read; it and every one after it hold their defaults.
struct LoadOutcome {
    bool ok = true;
    StoreKey failedKey = StoreKey::Count;
    QString text;        // the stored text that failed
    QString description; // kTypeMismatch, kOverflow or kInvalidPropertyValue

    bool Loaded(StoreKey key) const { return static_cast<int>(key) < static_cast<int>(failedKey); }
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

// The flag field a key names (lCenter ... lIndex), else nullptr.
bool* FlagOf(PageSettings& page, StoreKey key);

// Conversions of stored texts; on failure they return false and set the description.
bool ParseInt16(const QString& text, qint16& value, QString& description);
bool ParseByte(const QString& text, quint8& value, QString& description);
bool ParseFlag(const QString& text, bool& value, QString& description);
QString FlagText(bool value);

// Smallest and largest font size the size bar takes.
inline constexpr int kMinFontSize = 1;
inline constexpr int kMaxFontSize = 128;

} // namespace tuk
