#pragma once

#include "settings/PageSettings.h"

#include <QtGlobal>
#include <array>
#include <span>
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

// Where a setting shows in the window.
enum class SettingControl {
    None,
    Box,        // a check box of the style panel; a change is applied when the pages are made
    PreviewBox, // a check box of the style panel whose change shows in the preview at once
    HtmlMenu,   // a checked entry of the Html menu
};

// The field a setting fills: one of the page options or of the window placement.
using SettingField =
    std::variant<qint16 PageSettings::*, quint8 PageSettings::*, quint16 PageSettings::*,
                 bool PageSettings::*, QString PageSettings::*, qint16 WindowPlacement::*,
                 bool WindowPlacement::*>;

// One stored setting, everything about it in one row: its place in the store, how its text
// converts, its field and default, and the control that shows it (object name, caption,
// tooltip). The caption and tooltip are English, marked for the window's translation and
// translated where the control shows them. A new page option is its field in PageSettings
// and one row here.
struct SettingRow {
    const char* section;
    const char* key;
    SettingKind kind;
    SettingField field;
    int byDefault = 0; // numbers and flags; a font face defaults to "Arial", a folder to
                       // DefaultTargetFolder()
    SettingControl control = SettingControl::None;
    const char* controlName = nullptr;
    const char* caption = nullptr;
    const char* tooltip = nullptr;

    constexpr bool IsBox() const {
        return control == SettingControl::Box || control == SettingControl::PreviewBox;
    }
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
    SettingRow{"Text", "lCenter", SettingKind::Flag, &PageSettings::lCenter, false,
               SettingControl::PreviewBox, "chkCenter", QT_TRANSLATE_NOOP("frmTu_K", "C&enter"),
               QT_TRANSLATE_NOOP("frmTu_K", "Center Body")},
    SettingRow{"Text", "lBold", SettingKind::Flag, &PageSettings::lBold, false,
               SettingControl::PreviewBox, "chkBold", QT_TRANSLATE_NOOP("frmTu_K", "B&old"),
               QT_TRANSLATE_NOOP("frmTu_K", "Set font BOLD")},
    SettingRow{"Text", "lItal", SettingKind::Flag, &PageSettings::lItal, false,
               SettingControl::PreviewBox, "chkItal", QT_TRANSLATE_NOOP("frmTu_K", "&Italic"),
               QT_TRANSLATE_NOOP("frmTu_K", "Set font ITALIC")},
    SettingRow{"Others", "lLinx", SettingKind::Flag, &PageSettings::lLinx, true,
               SettingControl::Box, "chkLinx", QT_TRANSLATE_NOOP("frmTu_K", "Lin&ks"),
               QT_TRANSLATE_NOOP("frmTu_K", "Include links to other images in current folder")},
    SettingRow{"Others", "lFolder", SettingKind::Flag, &PageSettings::lFolder, true,
               SettingControl::Box, "chkFolder", QT_TRANSLATE_NOOP("frmTu_K", "&Folder"),
               QT_TRANSLATE_NOOP("frmTu_K", "Include folder name")},
    SettingRow{"Others", "lFDate", SettingKind::Flag, &PageSettings::lFDate, true,
               SettingControl::Box, "chkFDate", QT_TRANSLATE_NOOP("frmTu_K", "&Date"),
               QT_TRANSLATE_NOOP("frmTu_K", "Include image date")},
    SettingRow{"Others", "lFSize", SettingKind::Flag, &PageSettings::lFSize, true,
               SettingControl::Box, "chkFSize", QT_TRANSLATE_NOOP("frmTu_K", "Si&ze"),
               QT_TRANSLATE_NOOP("frmTu_K", "Include image size (kb)")},
    SettingRow{"Others", "lBackGround", SettingKind::Flag, &PageSettings::lBackGround, false,
               SettingControl::PreviewBox, "chkBackground", QT_TRANSLATE_NOOP("frmTu_K", "Bk&Grnd"),
               QT_TRANSLATE_NOOP("frmTu_K", "Set image as HTML background")},
    SettingRow{"Others", "lText", SettingKind::Flag, &PageSettings::lText, false,
               SettingControl::PreviewBox, "chkText", QT_TRANSLATE_NOOP("frmTu_K", "Te&xt"),
               QT_TRANSLATE_NOOP("frmTu_K", "Include sample text for testing background")},
    SettingRow{"Others", "lCopyr", SettingKind::Flag, &PageSettings::lCopyr, true,
               SettingControl::Box, "chkCopyr", QT_TRANSLATE_NOOP("frmTu_K", "Cop&yr"),
               QT_TRANSLATE_NOOP("frmTu_K", "Include copyright line")},
    SettingRow{"Others", "lIndex", SettingKind::Flag, &PageSettings::lIndex, false,
               SettingControl::HtmlMenu, "mnuHtmlIndex",
               QT_TRANSLATE_NOOP("frmTu_K", "&Index Page")},
    SettingRow{"Others", "lSubfolders", SettingKind::Flag, &PageSettings::lSubfolders, false,
               SettingControl::HtmlMenu, "mnuHtmlSubfolders",
               QT_TRANSLATE_NOOP("frmTu_K", "Include &Subfolders")},
    SettingRow{"Others", "lIntoTarget", SettingKind::Flag, &PageSettings::lIntoTarget, false,
               SettingControl::HtmlMenu, "mnuHtmlIntoTarget",
               QT_TRANSLATE_NOOP("frmTu_K", "Pages into &Target Folder")},
    SettingRow{"Others", "lWebReady", SettingKind::Flag, &PageSettings::lWebReady, false,
               SettingControl::HtmlMenu, "mnuHtmlWebReady",
               QT_TRANSLATE_NOOP("frmTu_K", "Web-&Ready Pages")},
    SettingRow{"Others", "lOriginals", SettingKind::Flag, &PageSettings::lOriginals, false,
               SettingControl::HtmlMenu, "mnuHtmlOriginals",
               QT_TRANSLATE_NOOP("frmTu_K", "&Originals in Site")},
    SettingRow{"Others", "lCaptureDates", SettingKind::Flag, &PageSettings::lCaptureDates, false,
               SettingControl::HtmlMenu, "mnuHtmlCaptureDates",
               QT_TRANSLATE_NOOP("frmTu_K", "&Capture Dates")},
    SettingRow{"Others", "lCaptions", SettingKind::Flag, &PageSettings::lCaptions, false,
               SettingControl::HtmlMenu, "mnuHtmlCaptions",
               QT_TRANSLATE_NOOP("frmTu_K", "Ca&ptions")},
    SettingRow{"Others", "lCamera", SettingKind::Flag, &PageSettings::lCamera, false,
               SettingControl::HtmlMenu, "mnuHtmlCamera",
               QT_TRANSLATE_NOOP("frmTu_K", "Camera &Facts")},
    SettingRow{"Others", "nWebSize", SettingKind::WebSize, &PageSettings::nWebSize,
               kDefaultWebSize},
    SettingRow{"Others", "TargetFolder", SettingKind::Folder, &PageSettings::TargetFolder},
};

// How many rows have a check box in the style panel.
inline constexpr int kStyleBoxCount = [] {
    int boxes = 0;
    for (const SettingRow& row : kSettings)
        boxes += row.IsBox() ? 1 : 0;
    return boxes;
}();

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
