#include "style/Colors.h"

#include <algorithm>

namespace tuk {

int ClampComponent(int component) {
    return std::clamp(component, 0, 255);
}

ColorValue MakeColorValue(int r, int g, int b) {
    return static_cast<ColorValue>(ClampComponent(r)) +
           256u * static_cast<ColorValue>(ClampComponent(g)) +
           65536u * static_cast<ColorValue>(ClampComponent(b));
}

ColorValue SlotColorValue(const PageSettings& s, ColorSlot slot) {
    return MakeColorValue(s.Component(slot, 0), s.Component(slot, 1), s.Component(slot, 2));
}

QString HexPair(int component) {
    QString hex = QString::number(component, 16);
    if (hex.size() == 1)
        hex.prepend(QLatin1Char('0'));
    return hex.toLower();
}

int ColorPart(int part, ColorValue colour) {
    if (part < 0 || part > 2)
        return 0;
    // A reference to a system colour has no colour of its own here: it reads as black.
    if (colour & kSystemColorFlag)
        colour = 0u;
    return static_cast<int>((colour >> (8 * part)) & 0xFFu);
}

const std::array<PresetColor, 16> PresetColors{{
    {0x000000, QT_TRANSLATE_NOOP("frmTu_K", "BLACK")},
    {0x800000, QT_TRANSLATE_NOOP("frmTu_K", "BLUE")},
    {0x008000, QT_TRANSLATE_NOOP("frmTu_K", "GREEN")},
    {0x808000, QT_TRANSLATE_NOOP("frmTu_K", "CYAN")},
    {0x000080, QT_TRANSLATE_NOOP("frmTu_K", "RED")},
    {0x800080, QT_TRANSLATE_NOOP("frmTu_K", "MAGENTA")},
    {0x008080, QT_TRANSLATE_NOOP("frmTu_K", "YELLOW")},
    {0xC0C0C0, QT_TRANSLATE_NOOP("frmTu_K", "WHITE")},
    {0x808080, QT_TRANSLATE_NOOP("frmTu_K", "GRAY")},
    {0xFF0000, QT_TRANSLATE_NOOP("frmTu_K", "LT BLUE")},
    {0x00FF00, QT_TRANSLATE_NOOP("frmTu_K", "LT GREEN")},
    {0xFFFF00, QT_TRANSLATE_NOOP("frmTu_K", "LT CYAN")},
    {0x0000FF, QT_TRANSLATE_NOOP("frmTu_K", "LT RED")},
    {0xFF00FF, QT_TRANSLATE_NOOP("frmTu_K", "LT MAGENTA")},
    {0x00FFFF, QT_TRANSLATE_NOOP("frmTu_K", "LT YELLOW")},
    {0xFFFFFF, QT_TRANSLATE_NOOP("frmTu_K", "LT WHITE")},
}};

QString QBColorName(ColorValue colour) {
    for (const PresetColor& preset : PresetColors) {
        if (preset.value == colour)
            return QString::fromLatin1(preset.name);
    }
    return QStringLiteral("UNDEFINED");
}

QString MakeBodyString(const PageSettings& s) {
    static const char* const attributes[kColorSlotCount] = {"<body bgcolor=#", " text=#", " link=#",
                                                            " vlink=#", " alink=#"};
    QString body;
    body.reserve(76);
    for (int slot = 0; slot < kColorSlotCount; ++slot) {
        body += QLatin1String(attributes[slot]);
        for (int channel = 0; channel < 3; ++channel)
            body += HexPair(ClampComponent(s.Component(static_cast<ColorSlot>(slot), channel)));
    }
    body += QLatin1Char('>');
    return body;
}

} // namespace tuk
