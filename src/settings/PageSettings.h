#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

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
    bool lOriginals = false;    // a site holds the originals and links them
    bool lCaptureDates = false; // pages show and go in the order of when photos were taken
    bool lCaptions = false;     // a caption line from the photo's own description
    bool lCamera = false;       // a line of camera facts
    quint16 nWebSize = 0;       // longest edge of a web-ready page's picture
    QString TargetFolder;

    // Component 0 (red), 1 (green) or 2 (blue) of a slot.
    qint16& Component(ColorSlot slot, int channel);
    qint16 Component(ColorSlot slot, int channel) const;

    bool operator==(const PageSettings&) const = default;
};

// The longest edge of a web-ready page's picture, in pixels.
inline constexpr int kDefaultWebSize = 1600;
inline constexpr int kMinWebSize = 480;
inline constexpr int kMaxWebSize = 4096;

// Smallest and largest font size the size bar takes.
inline constexpr int kMinFontSize = 1;
inline constexpr int kMaxFontSize = 128;

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

// The process-wide state of the program: the one PageSettings and the saved window placement.
struct ProgramState {
    PageSettings page;
    WindowPlacement placement;
};

ProgramState& Program();

} // namespace tuk
