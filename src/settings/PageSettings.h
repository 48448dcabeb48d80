#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>

namespace tuk {

// The five page colours, in the order of the fields, the BODY attributes and the store keys.
enum class ColorSlot { Back, Text, Link, VLink, ALink };
inline constexpr int kColorSlotCount = 5;

// Every option that shapes the generated pages. A plain value: the program keeps one
// process-wide instance (Program().page), tests make as many as they like.
struct PageSettings {
    qint16 BackR = 0, BackG = 0, BackB = 0;
    qint16 TextR = 0, TextG = 0, TextB = 0;
    qint16 LinkR = 0, LinkG = 0, LinkB = 0;
    qint16 VLinkR = 0, VLinkG = 0, VLinkB = 0;
    qint16 ALinkR = 0, ALinkG = 0, ALinkB = 0;
    quint8 nFontSize = 0;
    QString sFontFace;
    bool lFolder = false;
    bool lLinx = false;
    bool lCenter = false;
    bool lFDate = false;
    bool lFSize = false;
    bool lBold = false;
    bool lItal = false;
    bool lBackGround = false;
    bool lText = false;
    bool lCopyr = false;
    bool lIndex = false;
    bool lSubfolders = false;
    bool lIntoTarget = false;
    bool lWebReady = false;
    quint16 nWebSize = 0; // longest edge of a web-ready page's picture
    QString TargetFolder;

    // Component 0 (red), 1 (green) or 2 (blue) of a slot.
    qint16& Component(ColorSlot slot, int channel);
    qint16 Component(ColorSlot slot, int channel) const;

    bool operator==(const PageSettings&) const = default;
};

// The page options that are on or off, everything about each in one row: its field, where
// the store keeps it, its default, and its check box in the style editor (object name,
// caption, tooltip, whether a change shows in the preview). In store order. The first
// kStyleBoxCount rows have a check box; the rows after them (the index page) are menu
// entries of the window and have no box (boxName null).
struct PageFlagRule {
    bool PageSettings::*field;
    const char* section;
    const char* key;
    bool byDefault;
    const char* boxName;
    const char* caption;
    const char* tooltip;
    bool inPreview;
};

inline constexpr int kPageFlagCount = 14;
inline constexpr int kStyleBoxCount = 10;
inline constexpr std::array<PageFlagRule, kPageFlagCount> kPageFlags{{
    {&PageSettings::lCenter, "Text", "lCenter", false, "chkCenter", "C&enter", "Center Body", true},
    {&PageSettings::lBold, "Text", "lBold", false, "chkBold", "B&old", "Set font BOLD", true},
    {&PageSettings::lItal, "Text", "lItal", false, "chkItal", "&Italic", "Set font ITALIC", true},
    {&PageSettings::lLinx, "Others", "lLinx", true, "chkLinx", "Lin&ks",
     "Include links to other images in current folder", false},
    {&PageSettings::lFolder, "Others", "lFolder", true, "chkFolder", "&Folder",
     "Include folder name", false},
    {&PageSettings::lFDate, "Others", "lFDate", true, "chkFDate", "&Date", "Include image date",
     false},
    {&PageSettings::lFSize, "Others", "lFSize", true, "chkFSize", "Si&ze",
     "Include image size (kb)", false},
    {&PageSettings::lBackGround, "Others", "lBackGround", false, "chkBackground", "Bk&Grnd",
     "Set image as HTML background", true},
    {&PageSettings::lText, "Others", "lText", false, "chkText", "Te&xt",
     "Include sample text for testing background", true},
    {&PageSettings::lCopyr, "Others", "lCopyr", true, "chkCopyr", "Cop&yr",
     "Include copyright line", false},
    {&PageSettings::lIndex, "Others", "lIndex", false, nullptr, nullptr, nullptr, false},
    {&PageSettings::lSubfolders, "Others", "lSubfolders", false, nullptr, nullptr, nullptr, false},
    {&PageSettings::lIntoTarget, "Others", "lIntoTarget", false, nullptr, nullptr, nullptr, false},
    {&PageSettings::lWebReady, "Others", "lWebReady", false, nullptr, nullptr, nullptr, false},
}};

// The longest edge of a web-ready page's picture, in pixels.
inline constexpr int kDefaultWebSize = 1600;
inline constexpr int kMinWebSize = 480;
inline constexpr int kMaxWebSize = 4096;

// The fifteen colour components: slot, channel (0 red, 1 green, 2 blue), key in the store's
// section "Colors" and default, in store order.
struct ColorKeyRule {
    ColorSlot slot;
    int channel;
    const char* key;
    qint16 byDefault;
};

inline constexpr const char* kColorSection = "Colors";
inline constexpr int kColorKeyCount = 15;
inline constexpr std::array<ColorKeyRule, kColorKeyCount> kColorKeys{{
    {ColorSlot::Back, 0, "BackR", 192},
    {ColorSlot::Back, 1, "BackG", 192},
    {ColorSlot::Back, 2, "BackB", 192},
    {ColorSlot::Text, 0, "TextR", 0},
    {ColorSlot::Text, 1, "TextG", 0},
    {ColorSlot::Text, 2, "TextB", 0},
    {ColorSlot::Link, 0, "LinkR", 0},
    {ColorSlot::Link, 1, "LinkG", 0},
    {ColorSlot::Link, 2, "LinkB", 255},
    {ColorSlot::VLink, 0, "VLinkR", 128},
    {ColorSlot::VLink, 1, "VLinkG", 0},
    {ColorSlot::VLink, 2, "VLinkB", 128},
    {ColorSlot::ALink, 0, "ALinkR", 255},
    {ColorSlot::ALink, 1, "ALinkG", 0},
    {ColorSlot::ALink, 2, "AlinkB", 0},
}};

// The face names the font box offers, in list order: "Arial", "Courier", "Times".
const QStringList& FontFaceChoice();

// What a face name becomes, typed in the font box or read from the store: itself when it is
// exactly one of the three names (letter case and blanks count), else "Arial".
QString NormalizeFontFace(const QString& typed);

// Puts every page option back to its default; TargetFolder is left alone.
void ApplyPageDefaults(PageSettings& s);

// A PageSettings with the page option defaults (TargetFolder empty).
PageSettings DefaultPageSettings();

// The main window's outer bounds as saved between runs, in twips; a maximised window keeps
// its normal bounds here and lMaxed.
struct WindowPlacement {
    qint16 DefL = 0;
    qint16 DefT = 0;
    qint16 DefW = 0;
    qint16 DefH = 0;
    bool lMaxed = false;
    bool operator==(const WindowPlacement&) const = default;
};

// The designed outer size of the main window, in twips; also its minimum size.
inline constexpr qint16 nMinWidth = 6840;
inline constexpr qint16 nMinHeight = 5805;

// The placement where none is stored: the designed size at the top left corner.
inline constexpr WindowPlacement kDefaultPlacement{0, 0, nMinWidth, nMinHeight};

// Whether the placement has the designed size, which stands for the window's own minimum.
constexpr bool HasDesignedSize(const WindowPlacement& place) {
    return place.DefW == nMinWidth && place.DefH == nMinHeight;
}

// Twips per inch; 15 twips make one pixel at 96 dpi.
inline constexpr int kTwipsPerInch = 1440;

// The process-wide state of the program: the one PageSettings, the saved window placement
// and the flag of a page run in progress.
struct ProgramState {
    PageSettings page;
    WindowPlacement placement;
    bool lMaking = false;
};

ProgramState& Program();

} // namespace tuk
