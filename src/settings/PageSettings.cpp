#include "settings/PageSettings.h"

#include "settings/SettingsSchema.h"

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

const QStringList& FontFaceChoice() {
    static const QStringList faces{QStringLiteral("Arial"), QStringLiteral("Courier"),
                                   QStringLiteral("Times")};
    return faces;
}

QString NormalizeFontFace(const QString& typed) {
    return FontFaceChoice().contains(typed, Qt::CaseSensitive) ? typed : QStringLiteral("Arial");
}

void ApplyPageDefaults(PageSettings& s) {
    WindowPlacement unused;
    for (const SettingRow& row : kSettings)
        ApplyDefault(row, s, unused);
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
