#include "settings/SettingsStore.h"

#include "generator/PathNames.h"

#include <QFileInfo>
#include <QSettings>
#include <array>
#include <cmath>

namespace tuk {

namespace {

constexpr std::array<StoreKeyName, static_cast<size_t>(StoreKey::Count)> kKeyNames{{
    {"Window", "DefL"},   {"Window", "DefT"},         {"Window", "DefW"},
    {"Window", "DefH"},   {"Colors", "BackR"},        {"Colors", "BackG"},
    {"Colors", "BackB"},  {"Colors", "TextR"},        {"Colors", "TextG"},
    {"Colors", "TextB"},  {"Colors", "LinkR"},        {"Colors", "LinkG"},
    {"Colors", "LinkB"},  {"Colors", "VLinkR"},       {"Colors", "VLinkG"},
    {"Colors", "VLinkB"}, {"Colors", "ALinkR"},       {"Colors", "ALinkG"},
    {"Colors", "AlinkB"}, {"Text", "sFontFace"},      {"Text", "nFontSize"},
    {"Text", "lCenter"},  {"Text", "lBold"},          {"Text", "lItal"},
    {"Others", "lLinx"},  {"Others", "lFolder"},      {"Others", "lFDate"},
    {"Others", "lFSize"}, {"Others", "lBackGround"},  {"Others", "lText"},
    {"Others", "lCopyr"}, {"Others", "TargetFolder"},
}};

// Parses a decimal number with optional blanks around it and an optional fraction, rounded
// half to even as the program's numbers always were. False when the text is no number.
bool ParseNumber(const QString& text, double& value) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    for (const QChar c : trimmed) {
        if (!c.isDigit() && c != QLatin1Char('.') && c != QLatin1Char('-') && c != QLatin1Char('+'))
            return false;
    }
    bool ok = false;
    value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return false;
    value = std::nearbyint(value);
    return true;
}

bool ParseInRange(const QString& text, double low, double high, double& value,
                  QString& description) {
    if (!ParseNumber(text, value)) {
        description = QLatin1String(kTypeMismatch);
        return false;
    }
    if (value < low || value > high) {
        description = QLatin1String(kOverflow);
        return false;
    }
    return true;
}

qint16* PlacementField(WindowPlacement& place, StoreKey key) {
    switch (key) {
    case StoreKey::DefL:
        return &place.DefL;
    case StoreKey::DefT:
        return &place.DefT;
    case StoreKey::DefW:
        return &place.DefW;
    case StoreKey::DefH:
        return &place.DefH;
    default:
        return nullptr;
    }
}

} // namespace

bool* FlagOf(PageSettings& page, StoreKey key) {
    switch (key) {
    case StoreKey::lCenter:
        return &page.lCenter;
    case StoreKey::lBold:
        return &page.lBold;
    case StoreKey::lItal:
        return &page.lItal;
    case StoreKey::lLinx:
        return &page.lLinx;
    case StoreKey::lFolder:
        return &page.lFolder;
    case StoreKey::lFDate:
        return &page.lFDate;
    case StoreKey::lFSize:
        return &page.lFSize;
    case StoreKey::lBackGround:
        return &page.lBackGround;
    case StoreKey::lText:
        return &page.lText;
    case StoreKey::lCopyr:
        return &page.lCopyr;
    default:
        return nullptr;
    }
}

namespace {

qint16* ColorField(PageSettings& page, StoreKey key) {
    const int index = static_cast<int>(key) - static_cast<int>(StoreKey::BackR);
    if (index < 0 || index >= 15)
        return nullptr;
    return &page.Component(static_cast<ColorSlot>(index / 3), index % 3);
}

QString Read(const SettingsStore& store, StoreKey key, const QString& fallback) {
    const StoreKeyName name = NameOf(key);
    return store.ReadSetting(name.section, name.key, fallback);
}

void Write(SettingsStore& store, StoreKey key, const QString& text) {
    const StoreKeyName name = NameOf(key);
    store.WriteSetting(name.section, name.key, text);
}

} // namespace

StoreKeyName NameOf(StoreKey key) {
    return kKeyNames[static_cast<size_t>(key)];
}

SettingsStore::SettingsStore()
    : make_([] {
          return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("Tarnwick"), QStringLiteral("Tu_K"));
      }) {
    Open();
}

SettingsStore::SettingsStore(const QString& iniFile)
    : make_([iniFile] { return std::make_unique<QSettings>(iniFile, QSettings::IniFormat); }) {
    Open();
}

SettingsStore::~SettingsStore() = default;

void SettingsStore::Open() {
    settings_ = make_();
    const QFileInfo file(settings_->fileName());
    unreadable_ = (file.exists() && (!file.isFile() || !file.isReadable())) ||
                  settings_->status() == QSettings::AccessError;
    malformed_ = !unreadable_ && settings_->status() == QSettings::FormatError;
}

QString SettingsStore::FileName() const {
    return settings_->fileName();
}

QString SettingsStore::ReadSetting(const char* section, const char* key,
                                   const QString& fallback) const {
    if (unreadable_ || malformed_)
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

void SettingsStore::SetMalformedFileAside() {
    // Writing through QSettings would replace the file with what it made of the text; keep
    // the user's file under another name and start a clean one.
    const QString path = FileName();
    const QString aside = path + QStringLiteral(".bad");
    settings_.reset();
    QFile::remove(aside);
    QFile file(path);
    if (!file.rename(aside)) {
        refused_ = QStringLiteral("%1 is not a valid settings file and could not be renamed to "
                                  "%2 (%3), so it is left as it is")
                       .arg(path, aside, file.errorString());
    }
    settings_ = make_();
    malformed_ = false;
}

void SettingsStore::WriteSetting(const char* section, const char* key, const QString& text) {
    if (malformed_)
        SetMalformedFileAside();
    if (unreadable_ && refused_.isEmpty())
        refused_ = QStringLiteral("%1 could not be read, so it is left as it is").arg(FileName());
    if (!refused_.isEmpty())
        return;
    settings_->setValue(QLatin1String(section) + QLatin1Char('/') + QLatin1String(key), text);
}

namespace {

// Why a file could not be written, from what the file system shows now.
QString WriteFailureReason(const QString& path) {
    const QFileInfo file(path);
    if (file.isDir())
        return QStringLiteral("%1 is a folder, not a file").arg(path);
    for (QFileInfo up(file.path()); !up.isRoot(); up = QFileInfo(up.path())) {
        if (up.exists() && !up.isDir())
            return QStringLiteral("%1 cannot be created: %2 is not a folder")
                .arg(path, up.filePath());
    }
    if (file.exists() && !file.isWritable())
        return QStringLiteral("%1 cannot be written (permission denied)").arg(path);
    if (!QFileInfo(file.path()).isWritable())
        return QStringLiteral("%1 cannot be created in a folder that is not writable").arg(path);
    return QStringLiteral("%1 could not be written (disk full or input/output error)").arg(path);
}

} // namespace

QString SettingsStore::Flush() {
    if (!refused_.isEmpty())
        return refused_;
    // QSettings keeps its first error for good; after a failure a fresh object over the same
    // file takes the values still pending and tells whether this attempt succeeds.
    if (failed_)
        settings_ = make_();
    settings_->sync();
    failed_ = settings_->status() != QSettings::NoError;
    return failed_ ? WriteFailureReason(FileName()) : QString();
}

QString LoadOutcome::Message() const {
    const StoreKeyName name = NameOf(failedKey);
    return QStringLiteral("[%1] %2 = \"%3\": %4")
        .arg(QLatin1String(name.section), QLatin1String(name.key), text, description);
}

bool ParseInt16(const QString& text, qint16& value, QString& description) {
    double number = 0;
    if (!ParseInRange(text, -32768, 32767, number, description))
        return false;
    value = static_cast<qint16>(number);
    return true;
}

bool ParseByte(const QString& text, quint8& value, QString& description) {
    double number = 0;
    if (!ParseInRange(text, 0, 255, number, description))
        return false;
    value = static_cast<quint8>(number);
    return true;
}

bool ParseFlag(const QString& text, bool& value, QString& description) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        value = true;
        return true;
    }
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        value = false;
        return true;
    }
    double number = 0;
    if (!ParseNumber(trimmed, number)) {
        description = QLatin1String(kTypeMismatch);
        return false;
    }
    value = number != 0;
    return true;
}

QString FlagText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

LoadOutcome LoadSettings(const SettingsStore& store, PageSettings& page, WindowPlacement& place,
                         const QString& programFolder) {
    PageSettings defaults = DefaultPageSettings();
    WindowPlacement defaultPlace{0, 0, nMinWidth, nMinHeight};
    LoadOutcome outcome;
    auto fail = [&](StoreKey key, const QString& text, const QString& description) {
        outcome.ok = false;
        outcome.failedKey = key;
        outcome.text = text;
        outcome.description = description;
        return outcome;
    };

    for (int i = 0; i < static_cast<int>(StoreKey::Count); ++i) {
        const auto key = static_cast<StoreKey>(i);
        QString description;
        if (qint16* field = PlacementField(place, key)) {
            const QString text =
                Read(store, key, QString::number(*PlacementField(defaultPlace, key)));
            if (!ParseInt16(text, *field, description))
                return fail(key, text, description);
        } else if (qint16* color = ColorField(page, key)) {
            const qint16 fallback = *ColorField(defaults, key);
            const QString text = Read(store, key, QString::number(fallback));
            if (!ParseInt16(text, *color, description))
                return fail(key, text, description);
        } else if (bool* flag = FlagOf(page, key)) {
            const bool fallback = *FlagOf(defaults, key);
            const QString text = Read(store, key, FlagText(fallback));
            if (!ParseFlag(text, *flag, description))
                return fail(key, text, description);
        } else if (key == StoreKey::sFontFace) {
            page.sFontFace = Read(store, key, defaults.sFontFace);
        } else if (key == StoreKey::nFontSize) {
            const QString text = Read(store, key, QString::number(defaults.nFontSize));
            if (!ParseByte(text, page.nFontSize, description))
                return fail(key, text, description);
            if (page.nFontSize < kMinFontSize || page.nFontSize > kMaxFontSize)
                return fail(key, text, QLatin1String(kInvalidPropertyValue));
        } else if (key == StoreKey::TargetFolder) {
            page.TargetFolder =
                WithTrailingSeparator(Read(store, key, WithTrailingSeparator(programFolder)));
        }
    }
    return outcome;
}

void SaveSettings(SettingsStore& store, const PageSettings& page) {
    for (int i = static_cast<int>(StoreKey::BackR); i <= static_cast<int>(StoreKey::ALinkB); ++i) {
        const int index = i - static_cast<int>(StoreKey::BackR);
        Write(store, static_cast<StoreKey>(i),
              QString::number(page.Component(static_cast<ColorSlot>(index / 3), index % 3)));
    }
    Write(store, StoreKey::sFontFace, page.sFontFace);
    Write(store, StoreKey::nFontSize, QString::number(page.nFontSize));
    PageSettings copy = page;
    for (int i = static_cast<int>(StoreKey::lCenter); i <= static_cast<int>(StoreKey::lCopyr); ++i)
        Write(store, static_cast<StoreKey>(i), FlagText(*FlagOf(copy, static_cast<StoreKey>(i))));
    Write(store, StoreKey::TargetFolder, page.TargetFolder);
}

void SaveShutdownSettings(SettingsStore& store, const WindowPlacement& place,
                          const QString& targetFolder) {
    Write(store, StoreKey::DefL, QString::number(place.DefL));
    Write(store, StoreKey::DefT, QString::number(place.DefT));
    Write(store, StoreKey::DefW, QString::number(place.DefW));
    Write(store, StoreKey::DefH, QString::number(place.DefH));
    Write(store, StoreKey::TargetFolder, targetFolder);
}

} // namespace tuk
