#pragma once

#include "settings/PageSettings.h"

#include <QtGlobal>
#include <algorithm>
#include <array>
#include <span>
#include <string_view>
#include <variant>

namespace tuk {

// How a stored text becomes a value, and which texts are refused.
enum class SettingKind {
    Number,   // -32768..32767: colours and the window placement
    Flag,     // "True", "False" or a number (only zero is false)
    FontSize, // 1..128
    WebSize,  // kMinWebSize..kMaxWebSize
    FontFace, // one of the font box's names, exactly
    Folder,   // a full path; empty stands for the default target folder
};

// The field a setting fills: one of the page options or of the window placement.
using SettingField =
    std::variant<qint16 PageSettings::*, quint8 PageSettings::*, quint16 PageSettings::*,
                 bool PageSettings::*, QString PageSettings::*, qint16 WindowPlacement::*,
                 bool WindowPlacement::*>;

// One stored setting, everything the store needs of it in one row: its place in the store, how
// its text converts, its field and default. A new page option is its field in PageSettings,
// one row here and, when the window shows it, one row of the control that does.
struct SettingRow {
    const char* section;
    const char* key;
    SettingKind kind;
    SettingField field;
    int byDefault = 0; // numbers and flags; a font face defaults to "Arial", a folder to
                       // DefaultTargetFolder()
    constexpr bool InWindowSection() const {
        return std::holds_alternative<qint16 WindowPlacement::*>(field) ||
               std::holds_alternative<bool WindowPlacement::*>(field);
    }
};

// Every setting in the order the store is read: the window placement, the colours, the font,
// the flags, the web size and the target folder.
inline constexpr std::array kSettings{
    SettingRow{"Window", "DefL", SettingKind::Number, &WindowPlacement::DefL, 0},
    SettingRow{"Window", "DefT", SettingKind::Number, &WindowPlacement::DefT, 0},
    SettingRow{"Window", "DefW", SettingKind::Number, &WindowPlacement::DefW, nMinWidth},
    SettingRow{"Window", "DefH", SettingKind::Number, &WindowPlacement::DefH, nMinHeight},
    SettingRow{"Window", "lMaxed", SettingKind::Flag, &WindowPlacement::lMaxed, false},
    SettingRow{"Colors", "BackR", SettingKind::Number, &PageSettings::BackR, 192},
    SettingRow{"Colors", "BackG", SettingKind::Number, &PageSettings::BackG, 192},
    SettingRow{"Colors", "BackB", SettingKind::Number, &PageSettings::BackB, 192},
    SettingRow{"Colors", "TextR", SettingKind::Number, &PageSettings::TextR, 0},
    SettingRow{"Colors", "TextG", SettingKind::Number, &PageSettings::TextG, 0},
    SettingRow{"Colors", "TextB", SettingKind::Number, &PageSettings::TextB, 0},
    SettingRow{"Colors", "LinkR", SettingKind::Number, &PageSettings::LinkR, 0},
    SettingRow{"Colors", "LinkG", SettingKind::Number, &PageSettings::LinkG, 0},
    SettingRow{"Colors", "LinkB", SettingKind::Number, &PageSettings::LinkB, 255},
    SettingRow{"Colors", "VLinkR", SettingKind::Number, &PageSettings::VLinkR, 128},
    SettingRow{"Colors", "VLinkG", SettingKind::Number, &PageSettings::VLinkG, 0},
    SettingRow{"Colors", "VLinkB", SettingKind::Number, &PageSettings::VLinkB, 128},
    SettingRow{"Colors", "ALinkR", SettingKind::Number, &PageSettings::ALinkR, 255},
    SettingRow{"Colors", "ALinkG", SettingKind::Number, &PageSettings::ALinkG, 0},
    SettingRow{"Colors", "AlinkB", SettingKind::Number, &PageSettings::ALinkB, 0},
    SettingRow{"Text", "sFontFace", SettingKind::FontFace, &PageSettings::sFontFace},
    SettingRow{"Text", "nFontSize", SettingKind::FontSize, &PageSettings::nFontSize, 2},
    SettingRow{"Text", "lCenter", SettingKind::Flag, &PageSettings::lCenter, false},
    SettingRow{"Text", "lBold", SettingKind::Flag, &PageSettings::lBold, false},
    SettingRow{"Text", "lItal", SettingKind::Flag, &PageSettings::lItal, false},
    SettingRow{"Others", "lLinx", SettingKind::Flag, &PageSettings::lLinx, true},
    SettingRow{"Others", "lFolder", SettingKind::Flag, &PageSettings::lFolder, true},
    SettingRow{"Others", "lFDate", SettingKind::Flag, &PageSettings::lFDate, true},
    SettingRow{"Others", "lFSize", SettingKind::Flag, &PageSettings::lFSize, true},
    SettingRow{"Others", "lBackGround", SettingKind::Flag, &PageSettings::lBackGround, false},
    SettingRow{"Others", "lText", SettingKind::Flag, &PageSettings::lText, false},
    SettingRow{"Others", "lCopyr", SettingKind::Flag, &PageSettings::lCopyr, true},
    SettingRow{"Others", "lIndex", SettingKind::Flag, &PageSettings::lIndex, false},
    SettingRow{"Others", "lSubfolders", SettingKind::Flag, &PageSettings::lSubfolders, false},
    SettingRow{"Others", "lIntoTarget", SettingKind::Flag, &PageSettings::lIntoTarget, false},
    SettingRow{"Others", "lWebReady", SettingKind::Flag, &PageSettings::lWebReady, false},
    SettingRow{"Others", "lOriginals", SettingKind::Flag, &PageSettings::lOriginals, false},
    SettingRow{"Others", "lCaptureDates", SettingKind::Flag, &PageSettings::lCaptureDates, false},
    SettingRow{"Others", "lCaptions", SettingKind::Flag, &PageSettings::lCaptions, false},
    SettingRow{"Others", "lCamera", SettingKind::Flag, &PageSettings::lCamera, false},
    SettingRow{"Others", "nWebSize", SettingKind::WebSize, &PageSettings::nWebSize,
               kDefaultWebSize},
    SettingRow{"Others", "TargetFolder", SettingKind::Folder, &PageSettings::TargetFolder},
};

// The row stored under a key, or null; no two rows share a key, whatever their sections.
constexpr const SettingRow* RowOfKey(std::string_view key) {
    for (const SettingRow& row : kSettings) {
        if (key == row.key)
            return &row;
    }
    return nullptr;
}
static_assert(std::ranges::all_of(kSettings,
                                  [](const SettingRow& row) { return RowOfKey(row.key) == &row; }));

// Whether a key names a stored page option that is on or off.
constexpr bool IsPageFlagKey(std::string_view key) {
    // A loop rather than a null test on RowOfKey: the sanitizers' null checks make that test
    // no constant expression, and the static_asserts over the controls' tables need one.
    for (const SettingRow& row : kSettings) {
        if (key == row.key)
            return std::holds_alternative<bool PageSettings::*>(row.field);
    }
    return false;
}

// The folders chosen before (the window's FolderHistory), kept beside the placement and
// written with it at the close: the last one, then the recent ones, the latest first. Their
// texts are stored as they are, and every key is written, the unused ones empty.
inline constexpr const char* kFolderHistorySection = "Window";
inline constexpr const char* kLastFolderKey = "sLastFolder";
inline constexpr std::array kRecentFolderKeys{"sRecent1", "sRecent2", "sRecent3", "sRecent4",
                                              "sRecent5", "sRecent6", "sRecent7", "sRecent8"};
static_assert(!RowOfKey(kLastFolderKey) && std::ranges::none_of(kRecentFolderKeys, RowOfKey));

// The row of a field; every field of PageSettings and WindowPlacement has one.
template <typename Field> constexpr const SettingRow& RowOf(Field field) {
    for (const SettingRow& row : kSettings) {
        if (const Field* own = std::get_if<Field>(&row.field); own && *own == field)
            return row;
    }
    throw "a field without a row"; // a compile-time error where RowOf is constant-evaluated
}

// The flag a row fills, or null when the row holds no page option that is on or off.
bool* PageFlagOf(const SettingRow& row, PageSettings& page);

// Puts the row's default into its field; a target folder is left alone.
void ApplyDefault(const SettingRow& row, PageSettings& page, WindowPlacement& place);
// The row's value as the store keeps it.
QString StoredText(const SettingRow& row, const PageSettings& page, const WindowPlacement& place);
// Takes a stored text into the row's field; false with the description (kTypeMismatch,
// kOverflow or kInvalidPropertyValue) when the text is refused, the field then unchanged. An
// empty folder keeps the field's folder.
bool ParseSetting(const SettingRow& row, const QString& text, PageSettings& page,
                  WindowPlacement& place, QString& description);

} // namespace tuk
