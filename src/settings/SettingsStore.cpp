#include "settings/SettingsStore.h"

#include "base/PathNames.h"
#include "base/SystemError.h"
#include "settings/IniText.h"
#include "settings/UserFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <cerrno>
#include <unistd.h>

namespace tuk {

SettingsStore::SettingsStore() : SettingsStore(DefaultFileName()) {}

SettingsStore::SettingsStore(const QString& iniFile) : path_(iniFile) {
    Open();
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::DefaultFileName() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Tarnwick/Tu_K.conf");
}

void SettingsStore::Open() {
    if (const Done regular = NotARegularFile(path_); !regular) {
        problem_ = regular.failure().text;
        return;
    }
    if (QFile::exists(path_)) {
        const Result<QByteArray> bytes = ReadRegularFile(path_);
        if (!bytes) {
            problem_ = bytes.failure().text;
            return;
        }
        malformed_ = !IsIniText(*bytes);
        if (malformed_)
            return;
    }
    settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
    // QSettings reports what it could not parse only once it has read every key; a file it
    // could not parse would also hide a later write failure behind that first error.
    (void)settings_->allKeys();
    if (settings_->status() != QSettings::NoError) {
        settings_.reset();
        malformed_ = true;
    }
}

Result<QString> SettingsStore::KeepMalformedCopy() {
    if (!malformed_ || !copy_.isEmpty())
        return copy_;
    const Result<QByteArray> bytes = ReadRegularFile(path_);
    Failure problem = bytes.failure();
    for (int n = 1; bytes && n <= 999; ++n) {
        const QString aside =
            path_ + (n == 1 ? QStringLiteral(".bad") : QStringLiteral(".bad.%1").arg(n));
        const Done written = WriteNewFile(aside, *bytes);
        if (written) {
            copy_ = aside;
            return copy_;
        }
        if (written.failure().error != EEXIST) {
            //: %1 the file, %2 the system's reason
            problem = {QCoreApplication::translate("Settings", "%1 cannot be written (%2)")
                           .arg(aside, written.failure().text),
                       written.failure().error};
            break;
        }
        problem = written.failure();
    }
    if (problem.text.isEmpty())
        //: why a damaged settings file cannot be kept aside
        problem.text = QCoreApplication::translate("Settings", "every name for a copy is taken");
    return problem;
}

QString SettingsStore::ReadSetting(const char* section, const char* key,
                                   const QString& fallback) const {
    if (!settings_)
        return fallback;
    const QString path = QLatin1String(section) + QLatin1Char('/') + QLatin1String(key);
    const QVariant value = settings_->value(path);
    if (!value.isValid())
        return fallback;
    // An unquoted text with commas reads back as a list; the stored text is what counts.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

// A malformed file is replaced by a fresh one only once its bytes are safe in a copy.
void SettingsStore::ReplaceMalformedFile() {
    if (const Result<QString> copy = KeepMalformedCopy(); !copy) {
        //: %1 the settings file, %2 the reason
        refused_ = QCoreApplication::translate(
                       "Settings", "%1 is not a valid settings file and its content could not be "
                                   "kept aside (%2), so it is left as it is")
                       .arg(path_, copy.failure().text);
        return;
    }
    if (unlink(QFile::encodeName(path_).constData()) != 0 && errno != ENOENT) {
        const int unlinked = errno;
        //: %1 the settings file, %2 the system's reason
        refused_ = QCoreApplication::translate(
                       "Settings", "%1 is not a valid settings file and cannot be replaced (%2)")
                       .arg(path_, ErrorText(unlinked));
        return;
    }
    malformed_ = false;
    settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
}

void SettingsStore::WriteSetting(const char* section, const char* key, const QString& text) {
    if (malformed_ && refused_.isEmpty())
        ReplaceMalformedFile();
    if (Unreadable() && refused_.isEmpty())
        refused_ =
            QCoreApplication::translate("Settings", "%1 could not be read, so it is left as it is")
                .arg(path_);
    if (!refused_.isEmpty())
        return;
    settings_->setValue(QLatin1String(section) + QLatin1Char('/') + QLatin1String(key), text);
}

Done SettingsStore::Flush() {
    if (!refused_.isEmpty())
        return Failure{refused_};
    if (!settings_)
        return {};
    // QSettings keeps its first error for good; after a failure a fresh object over the same
    // file takes the values still pending and tells whether this attempt succeeds.
    if (failed_)
        settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
    settings_->sync();
    failed_ = settings_->status() != QSettings::NoError;
    if (!failed_)
        return {};
    if (Done problem = WriteProblem(path_); !problem)
        return problem;
    return Failure{
        QCoreApplication::translate("Settings", "%1 could not be written (the reason is not known)")
            .arg(path_)};
}

} // namespace tuk
