#pragma once

#include "settings/PageSettings.h"

#include <QString>
#include <array>

namespace tuk {

// A colour value as controls take it: R + 256 * G + 65536 * B (hex BBGGRR).
// A value with the high bit set, 0x80000000 + n, refers to entry n of a table of
// user-interface colours, which the pages never use.
using ColorValue = quint32;

inline constexpr ColorValue kSystemColorFlag = 0x80000000u;

// Clamps a stored colour component into 0..255; only a hand-edited store holds others.
int ClampComponent(int component);

// Colour value of three components (each clamped into 0..255).
ColorValue MakeColorValue(int r, int g, int b);

// Colour value of one slot of the page settings.
ColorValue SlotColorValue(const PageSettings& s, ColorSlot slot);

// Lower-case hex digits of a component, at least two ("00", "0a", "ff"); a wider value keeps
// all its digits ("12c").
QString HexPair(int component);

// Component 0 (red), 1 (green) or 2 (blue) of a colour value; any other part gives 0, and so
// does every part of a system colour reference.
int ColorPart(int part, ColorValue colour);

struct PresetColor {
    ColorValue value;
    const char* name; // English, as QBColorName gives it; marked for the window's translation
};

// The sixteen preset colours, in the order of the classic 16-colour console table.
extern const std::array<PresetColor, 16> PresetColors;

// Name of the preset whose value equals the colour exactly, else "UNDEFINED".
QString QBColorName(ColorValue colour);

// The opening body tag with the five colours, always 76 characters, e.g.
// <body bgcolor=#c0c0c0 text=#000000 link=#0000ff vlink=#800080 alink=#ff0000>
QString MakeBodyString(const PageSettings& s);

} // namespace tuk
