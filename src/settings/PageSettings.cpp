#include "settings/PageSettings.h"

#include <array>

namespace tuk {

namespace {

template <typename Settings> auto& SlotComponent(Settings& s, ColorSlot slot, int channel) {
    using Field = decltype(&PageSettings::BackR);
    static constexpr std::array<std::array<Field, 3>, kColorSlotCount> fields{{
        {&PageSettings::BackR, &PageSettings::BackG, &PageSettings::BackB},
        {&PageSettings::TextR, &PageSettings::TextG, &PageSettings::TextB},
        {&PageSettings::LinkR, &PageSettings::LinkG, &PageSettings::LinkB},
        {&PageSettings::VLinkR, &PageSettings::VLinkG, &PageSettings::VLinkB},
        {&PageSettings::ALinkR, &PageSettings::ALinkG, &PageSettings::ALinkB},
    }};
    Q_ASSERT(channel >= 0 && channel < 3);
    return s.*fields[static_cast<size_t>(slot)][static_cast<size_t>(channel)];
}

} // namespace

qint16& PageSettings::Component(ColorSlot slot, int channel) {
    return SlotComponent(*this, slot, channel);
}

qint16 PageSettings::Component(ColorSlot slot, int channel) const {
    return SlotComponent(*this, slot, channel);
}

void ApplyPageDefaults(PageSettings& s) {
    s.BackR = 192, s.BackG = 192, s.BackB = 192;
    s.TextR = 0, s.TextG = 0, s.TextB = 0;
    s.LinkR = 0, s.LinkG = 0, s.LinkB = 255;
    s.VLinkR = 128, s.VLinkG = 0, s.VLinkB = 128;
    s.ALinkR = 255, s.ALinkG = 0, s.ALinkB = 0;
    s.nFontSize = 2;
    s.sFontFace = QStringLiteral("Arial");
    s.lCenter = false, s.lBold = false, s.lItal = false;
    s.lLinx = true, s.lFolder = true, s.lFDate = true, s.lFSize = true;
    s.lBackGround = false, s.lText = false;
    s.lCopyr = true;
}

PageSettings DefaultPageSettings() {
    PageSettings s;
    ApplyPageDefaults(s);
    return s;
}

ProgramState& Program() {
    static ProgramState state;
    return state;
}

} // namespace tuk
