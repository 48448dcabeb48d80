#include "settings/SettingsStore.h"

#include "base/PathNames.h"
#include "base/SystemError.h"
#include "settings/IniText.h"
#include "settings/UserFiles.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <array>
#include <cerrno>
#include <cmath>
#include <unistd.h>

namespace tuk {

namespace {

constexpr int kFirstColor = static_cast<int>(StoreKey::BackR);
constexpr int kFirstFlag = static_cast<int>(StoreKey::lCenter);
static_assert(static_cast<int>(StoreKey::ALinkB) - kFirstColor + 1 == kColorKeyCount);
static_assert(static_cast<int>(StoreKey::lWebReady) - kFirstFlag + 1 == kPageFlagCount);

constexpr std::array<const char*, 5> kWindowKeys{"DefL", "DefT", "DefW", "DefH", "lMaxed"};

// The row of a flag key in kPageFlags, or -1.
int FlagIndex(StoreKey key) {
    const int index = static_cast<int>(key) - kFirstFlag;
    return index >= 0 && index < kPageFlagCount ? index : -1;
}

// The row of a colour key in kColorKeys, or -1.
int ColorIndex(StoreKey key) {
    const int index = static_cast<int>(key) - kFirstColor;
    return index >= 0 && index < kColorKeyCount ? index : -1;
}

// Parses a decimal number with optional blanks around it and an optional fraction. False
// when the text is no number.
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
    return ok && std::isfinite(value);
}

bool ParseInRange(const QString& text, double low, double high, double& value,
                  QString& description) {
    if (!ParseNumber(text, value)) {
        description = QLatin1String(kTypeMismatch);
        return false;
    }
    value = std::nearbyint(value); // half to even: "2.5" is 2
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
    const int index = FlagIndex(key);
    return index < 0 ? nullptr : &(page.*kPageFlags[static_cast<size_t>(index)].field);
}

namespace {

qint16* ColorField(PageSettings& page, StoreKey key) {
    const int index = ColorIndex(key);
    if (index < 0)
        return nullptr;
    const ColorKeyRule& color = kColorKeys[static_cast<size_t>(index)];
    return &page.Component(color.slot, color.channel);
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
    const int i = static_cast<int>(key);
    if (i < kFirstColor)
        return {"Window", kWindowKeys[static_cast<size_t>(i)]};
    if (const int color = ColorIndex(key); color >= 0)
        return {kColorSection, kColorKeys[static_cast<size_t>(color)].key};
    if (const int flag = FlagIndex(key); flag >= 0)
        return {kPageFlags[static_cast<size_t>(flag)].section,
                kPageFlags[static_cast<size_t>(flag)].key};
    switch (key) {
    case StoreKey::sFontFace:
        return {"Text", "sFontFace"};
    case StoreKey::nFontSize:
        return {"Text", "nFontSize"};
    case StoreKey::nWebSize:
        return {"Others", "nWebSize"};
    default:
        return {"Others", "TargetFolder"};
    }
}

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
    problem_ = NotARegularFile(path_);
    if (!problem_.isEmpty())
        return;
    if (QFile::exists(path_)) {
        QByteArray bytes;
        if (!ReadRegularFile(path_, bytes, problem_))
            return;
        malformed_ = !IsIniText(bytes);
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

QString SettingsStore::KeepMalformedCopy(QString* error) {
    if (!malformed_ || !copy_.isEmpty())
        return copy_;
    QByteArray bytes;
    QString problem;
    if (ReadRegularFile(path_, bytes, problem)) {
        for (int n = 1; n <= 999; ++n) {
            const QString aside =
                path_ + (n == 1 ? QStringLiteral(".bad") : QStringLiteral(".bad.%1").arg(n));
            bool exists = false;
            problem = WriteNewFile(aside, bytes, exists);
            if (problem.isEmpty()) {
                copy_ = aside;
                return copy_;
            }
            if (!exists) {
                problem = QStringLiteral("%1 cannot be written (%2)").arg(aside, problem);
                break;
            }
        }
    }
    if (error)
        *error = problem.isEmpty() ? QStringLiteral("every name for a copy is taken") : problem;
    return {};
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
    QString error;
    if (KeepMalformedCopy(&error).isEmpty()) {
        refused_ = QStringLiteral("%1 is not a valid settings file and its content could not "
                                  "be kept aside (%2), so it is left as it is")
                       .arg(path_, error);
        return;
    }
    if (unlink(QFile::encodeName(path_).constData()) != 0 && errno != ENOENT) {
        refused_ = QStringLiteral("%1 is not a valid settings file and cannot be replaced (%2)")
                       .arg(path_, ErrorText(errno));
        return;
    }
    malformed_ = false;
    settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
}

void SettingsStore::WriteSetting(const char* section, const char* key, const QString& text) {
    if (malformed_ && refused_.isEmpty())
        ReplaceMalformedFile();
    if (Unreadable() && refused_.isEmpty())
        refused_ = QStringLiteral("%1 could not be read, so it is left as it is").arg(path_);
    if (!refused_.isEmpty())
        return;
    settings_->setValue(QLatin1String(section) + QLatin1Char('/') + QLatin1String(key), text);
}

QString SettingsStore::Flush() {
    if (!refused_.isEmpty())
        return refused_;
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
    const QString problem = WriteProblem(path_);
    return problem.isEmpty()
               ? QStringLiteral("%1 could not be written (the reason is not known)").arg(path_)
               : problem;
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
    value = number != 0; // "0.4" is true: only zero is false
    return true;
}

QString FlagText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString DefaultTargetFolder() {
    return WithTrailingSeparator(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
        QStringLiteral("/Tu_K"));
}

namespace {

// Reads the font face or the target folder into a field that holds its default; false when
// the text is refused (then `text` is what was stored).
bool ReadText(const SettingsStore& store, StoreKey key, PageSettings& page, QString& text) {
    if (key == StoreKey::sFontFace) {
        // The font box's rule: a face it would turn into another one is refused, so that no
        // stored text reaches a page as markup.
        text = Read(store, key, page.sFontFace);
        if (NormalizeFontFace(text) != text)
            return false;
        page.sFontFace = text;
        return true;
    }
    text = Read(store, key, QString());
    // A relative folder would depend on where the program was started; empty keeps the default.
    if (!text.isEmpty() && !text.startsWith(QLatin1Char('/')))
        return false;
    if (!text.isEmpty())
        page.TargetFolder = WithTrailingSeparator(text);
    return true;
}

// Reads the keys from `first` on in store order into fields that hold their defaults; the
// first text that does not convert ends the read, so it and the keys after it keep them.
LoadOutcome LoadFrom(StoreKey first, const SettingsStore& store, PageSettings& page,
                     WindowPlacement& place) {
    const PageSettings defaults = DefaultPageSettings();
    page = defaults;
    page.TargetFolder = DefaultTargetFolder();
    place = kDefaultPlacement;
    LoadOutcome outcome;
    auto fail = [&](StoreKey key, const QString& text, const QString& description) {
        outcome.ok = false;
        outcome.failedKey = key;
        outcome.text = text;
        outcome.description = description;
        return outcome;
    };

    for (int i = static_cast<int>(first); i < static_cast<int>(StoreKey::Count); ++i) {
        const auto key = static_cast<StoreKey>(i);
        QString description;
        if (qint16* field = PlacementField(place, key)) {
            const QString text = Read(store, key, QString::number(*field));
            if (!ParseInt16(text, *field, description))
                return fail(key, text, description);
        } else if (key == StoreKey::lMaxed) {
            const QString text = Read(store, key, FlagText(place.lMaxed));
            if (!ParseFlag(text, place.lMaxed, description))
                return fail(key, text, description);
        } else if (qint16* color = ColorField(page, key)) {
            const QString text = Read(store, key, QString::number(*color));
            if (!ParseInt16(text, *color, description))
                return fail(key, text, description);
        } else if (bool* flag = FlagOf(page, key)) {
            const QString text = Read(store, key, FlagText(*flag));
            if (!ParseFlag(text, *flag, description))
                return fail(key, text, description);
        } else if (key == StoreKey::sFontFace || key == StoreKey::TargetFolder) {
            QString text;
            if (!ReadText(store, key, page, text))
                return fail(key, text, QLatin1String(kInvalidPropertyValue));
        } else if (key == StoreKey::nFontSize) {
            const QString text = Read(store, key, QString::number(defaults.nFontSize));
            quint8 size = 0;
            if (!ParseByte(text, size, description))
                return fail(key, text, description);
            if (size < kMinFontSize || size > kMaxFontSize)
                return fail(key, text, QLatin1String(kInvalidPropertyValue));
            page.nFontSize = size;
        } else if (key == StoreKey::nWebSize) {
            const QString text = Read(store, key, QString::number(defaults.nWebSize));
            double size = 0;
            if (!ParseInRange(text, kMinWebSize, kMaxWebSize, size, description))
                return fail(key, text, description);
            page.nWebSize = static_cast<quint16>(size);
        }
    }
    return outcome;
}

} // namespace

LoadOutcome LoadSettings(const SettingsStore& store, PageSettings& page, WindowPlacement& place) {
    return LoadFrom(StoreKey::DefL, store, page, place);
}

LoadOutcome LoadPageSettings(const SettingsStore& store, PageSettings& page) {
    WindowPlacement unused;
    return LoadFrom(StoreKey::BackR, store, page, unused);
}

void SaveSettings(SettingsStore& store, const PageSettings& page, TargetFolderSave target) {
    for (int i = 0; i < kColorKeyCount; ++i) {
        const ColorKeyRule& color = kColorKeys[static_cast<size_t>(i)];
        Write(store, static_cast<StoreKey>(kFirstColor + i),
              QString::number(page.Component(color.slot, color.channel)));
    }
    Write(store, StoreKey::sFontFace, page.sFontFace);
    Write(store, StoreKey::nFontSize, QString::number(page.nFontSize));
    for (int i = 0; i < kPageFlagCount; ++i)
        Write(store, static_cast<StoreKey>(kFirstFlag + i),
              FlagText(page.*kPageFlags[static_cast<size_t>(i)].field));
    Write(store, StoreKey::nWebSize, QString::number(page.nWebSize));
    if (target == TargetFolderSave::Write)
        Write(store, StoreKey::TargetFolder, page.TargetFolder);
}

void SaveShutdownSettings(SettingsStore& store, const WindowPlacement& place,
                          const QString& targetFolder, TargetFolderSave target) {
    Write(store, StoreKey::DefL, QString::number(place.DefL));
    Write(store, StoreKey::DefT, QString::number(place.DefT));
    Write(store, StoreKey::DefW, QString::number(place.DefW));
    Write(store, StoreKey::DefH, QString::number(place.DefH));
    Write(store, StoreKey::lMaxed, FlagText(place.lMaxed));
    if (target == TargetFolderSave::Write)
        Write(store, StoreKey::TargetFolder, targetFolder);
}

} // namespace tuk
