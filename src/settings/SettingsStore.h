#pragma once

#include "settings/PageSettings.h"

#include <QString>
#include <functional>
#include <memory>

class QSettings;

namespace tuk {

// Every stored key, in the order the settings are read.
enum class StoreKey : int {
    DefL,
    DefT,
    DefW,
    DefH,
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
    TargetFolder,
    Count
};

struct StoreKeyName {
    const char* section;
    const char* key;
};

// Section and key of a stored value ("Colors"/"AlinkB" for ALinkB).
StoreKeyName NameOf(StoreKey key);

// The per-user key/value store: an INI file with one group per section. The default one is
// the organisation "Tarnwick", application "Tu_K" (~/.config/Tarnwick/Tu_K.conf).
class SettingsStore {
public:
    SettingsStore();
    explicit SettingsStore(const QString& iniFile);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QString FileName() const;

    // Whether the file exists but cannot be read (no permission, or it is a folder), or does
    // not hold INI text; either way every read gives its default and reading writes nothing.
    // A file that could not be read is never written over: writes to it are refused and
    // Flush() says why. A file that is not INI is set aside as "<file>.bad" by the first
    // write, so nothing the user had is lost.
    bool Unreadable() const { return unreadable_; }
    bool Malformed() const { return malformed_; }

    // The text stored under the key, or the default when nothing is stored there.
    QString ReadSetting(const char* section, const char* key, const QString& fallback) const;
    void WriteSetting(const char* section, const char* key, const QString& text);

    // Writes pending changes to the file; returns the reason when that failed, else empty.
    // Values that could not be written stay pending and go with the next Flush().
    QString Flush();

private:
    void Open();
    void SetMalformedFileAside();

    std::function<std::unique_ptr<QSettings>()> make_;
    std::unique_ptr<QSettings> settings_;
    bool unreadable_ = false;
    bool malformed_ = false;
    QString refused_; // why writes are refused, once one was attempted
    bool failed_ = false;
};

// The failure descriptions the program shows for a stored value it cannot take.
inline const char* const kTypeMismatch = "Type mismatch";
inline const char* const kOverflow = "Overflow";
inline const char* const kInvalidPropertyValue = "Invalid property value";

// Result of loading: either everything was read, or the read stopped at one key. The fields
// before that key hold what was read; it and the ones after keep their earlier values,
// except nFontSize refused for being outside 1..128, which is already in the field.
struct LoadOutcome {
    bool ok = true;
    StoreKey failedKey = StoreKey::Count;
    QString text;        // the stored text that failed
    QString description; // kTypeMismatch, kOverflow or kInvalidPropertyValue

    bool Loaded(StoreKey key) const { return static_cast<int>(key) < static_cast<int>(failedKey); }
    // "[Text] nFontSize = "300": Overflow"
    QString Message() const;
};

// Reads the window placement and every page option in store order, with the defaults for
// missing keys. TargetFolder defaults to programFolder and always ends with "/".
LoadOutcome LoadSettings(const SettingsStore& store, PageSettings& page, WindowPlacement& place,
                         const QString& programFolder);

// Writes the page options and the target folder (not the window placement).
void SaveSettings(SettingsStore& store, const PageSettings& page);

// Writes the window placement, then the target folder: what every close keeps.
void SaveShutdownSettings(SettingsStore& store, const WindowPlacement& place,
                          const QString& targetFolder);

// The flag field a key names (lCenter ... lCopyr), else nullptr.
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
