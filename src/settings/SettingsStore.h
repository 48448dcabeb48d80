#pragma once

#include "base/Failure.h"

#include <QString>
#include <memory>

class QSettings;

namespace tuk {

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
    // the copy's path (empty when the file is not malformed), or why it could not be made. Once
    // a copy is made it returns that.
    Result<QString> KeepMalformedCopy();

    // The text stored under the key, or the default when nothing is stored there.
    QString ReadSetting(const char* section, const char* key, const QString& fallback) const;
    void WriteSetting(const char* section, const char* key, const QString& text);

    // Writes pending changes to the file; the reason when that failed. Values that could not
    // be written stay pending and go with the next Flush().
    Done Flush();

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

} // namespace tuk
