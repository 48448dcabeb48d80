#include "settings/SettingsSchema.h"

#include "base/PathNames.h"
#include "settings/SettingTexts.h"

#include <type_traits>

namespace tuk {

namespace {

// The field a row fills, typed; null when the row holds another type.
template <typename T, typename Page, typename Place>
auto* FieldIn(const SettingRow& row, Page& page, Place& place) {
    using Result = std::conditional_t<std::is_const_v<Page>, const T, T>;
    if (const auto* field = std::get_if<T PageSettings::*>(&row.field))
        return static_cast<Result*>(&(page.**field));
    if constexpr (std::is_same_v<T, qint16> || std::is_same_v<T, bool>) {
        if (const auto* field = std::get_if<T WindowPlacement::*>(&row.field))
            return static_cast<Result*>(&(place.**field));
    }
    Q_ASSERT(false); // the row's kind and field disagree
    return static_cast<Result*>(nullptr);
}

} // namespace

bool* PageFlagOf(const SettingRow& row, PageSettings& page) {
    const auto* field = std::get_if<bool PageSettings::*>(&row.field);
    return field ? &(page.**field) : nullptr;
}

void ApplyDefault(const SettingRow& row, PageSettings& page, WindowPlacement& place) {
    switch (row.kind) {
    case SettingKind::Number:
        *FieldIn<qint16>(row, page, place) = static_cast<qint16>(row.byDefault);
        break;
    case SettingKind::Flag:
        *FieldIn<bool>(row, page, place) = row.byDefault != 0;
        break;
    case SettingKind::FontSize:
        *FieldIn<quint8>(row, page, place) = static_cast<quint8>(row.byDefault);
        break;
    case SettingKind::WebSize:
        *FieldIn<quint16>(row, page, place) = static_cast<quint16>(row.byDefault);
        break;
    case SettingKind::FontFace:
        *FieldIn<QString>(row, page, place) = FontFaceChoice().front();
        break;
    case SettingKind::Folder:
        break; // the target folder is the user's choice; no default replaces it
    }
}

QString StoredText(const SettingRow& row, const PageSettings& page, const WindowPlacement& place) {
    switch (row.kind) {
    case SettingKind::Number:
        return QString::number(*FieldIn<qint16>(row, page, place));
    case SettingKind::Flag:
        return FlagText(*FieldIn<bool>(row, page, place));
    case SettingKind::FontSize:
        return QString::number(*FieldIn<quint8>(row, page, place));
    case SettingKind::WebSize:
        return QString::number(*FieldIn<quint16>(row, page, place));
    case SettingKind::FontFace:
    case SettingKind::Folder:
        break;
    }
    return *FieldIn<QString>(row, page, place);
}

bool ParseSetting(const SettingRow& row, const QString& text, PageSettings& page,
                  WindowPlacement& place, QString& description) {
    description = SettingDescription(kInvalidPropertyValue);
    double number = 0;
    switch (row.kind) {
    case SettingKind::Number:
        return ParseInt16(text, *FieldIn<qint16>(row, page, place), description);
    case SettingKind::Flag:
        return ParseFlag(text, *FieldIn<bool>(row, page, place), description);
    case SettingKind::FontSize:
        if (!ParseInRange(text, 0, 255, number, description))
            return false;
        if (number < kMinFontSize || number > kMaxFontSize)
            return false; // a byte, but no size the size bar takes
        *FieldIn<quint8>(row, page, place) = static_cast<quint8>(number);
        return true;
    case SettingKind::WebSize:
        if (!ParseInRange(text, kMinWebSize, kMaxWebSize, number, description))
            return false;
        *FieldIn<quint16>(row, page, place) = static_cast<quint16>(number);
        return true;
    case SettingKind::FontFace:
        // The font box's rule: a face it would turn into another one is refused, so that no
        // stored text reaches a page as markup.
        if (NormalizeFontFace(text) != text)
            return false;
        *FieldIn<QString>(row, page, place) = text;
        return true;
    case SettingKind::Folder:
        // A relative folder would depend on where the program was started; empty keeps the
        // default.
        if (!text.isEmpty() && !text.startsWith(QLatin1Char('/')))
            return false;
        if (!text.isEmpty())
            *FieldIn<QString>(row, page, place) = WithTrailingSeparator(text);
        return true;
    }
    return false;
}

} // namespace tuk
