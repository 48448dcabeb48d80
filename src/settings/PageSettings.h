#pragma once

#include <QString>
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
    QString TargetFolder;

    // Component 0 (red), 1 (green) or 2 (blue) of a slot.
    qint16& Component(ColorSlot slot, int channel);
    qint16 Component(ColorSlot slot, int channel) const;

    bool operator==(const PageSettings&) const = default;
};

// Puts every page option back to its default; TargetFolder is left alone.
void ApplyPageDefaults(PageSettings& s);

// A PageSettings with the page option defaults (TargetFolder empty).
PageSettings DefaultPageSettings();

// The main window's outer bounds as saved between runs, in twips.
struct WindowPlacement {
    qint16 DefL = 0;
    qint16 DefT = 0;
    qint16 DefW = 0;
    qint16 DefH = 0;
    bool operator==(const WindowPlacement&) const = default;
};

// The designed outer size of the main window, in twips; also its minimum size.
inline constexpr qint16 nMinWidth = 6840;
inline constexpr qint16 nMinHeight = 5805;

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
