#pragma once

#include "settings/PageSettings.h"
#include "style/Colors.h"
#include "style/widgets/CaptionFrame.h"
#include "style/widgets/TwipScale.h"

#include <array>
#include <optional>

class QLabel;
class QRadioButton;
class QScrollBar;

namespace tuk {

class ClickLabel;
class ClickPanel;
class SwatchRow;

// The frame "Colors" (Frame4): one of the five colour slots is selected with the option
// buttons, the preview panel or its sample lines; three bars set its red, green and blue,
// sixteen swatches set all three at once. The preview and the BODY string follow.
class ColorEditor : public CaptionFrame {
    Q_OBJECT
public:
    ColorEditor(PageSettings& page, const TwipScale& scale, QWidget* parent);

    // Start-up: gives each swatch its preset colour and the tooltip naming it.
    void SetUpSwatches();

    // Paints the preview panel and the sample lines in the five colours, then rebuilds the
    // BODY string.
    void ApplyColors();
    // Sets the BODY string of the current colours as the caption of lblBody.
    void MakeBodyString();

    // The slot whose option button is on; none before start-up selects one.
    std::optional<ColorSlot> SelectedSlot() const;
    // What a click on the slot's option button does: select it and move the bars to it.
    void SelectSlot(ColorSlot slot);

    // The sample lines lblText, lblLink, lblVLink, lblALink, in that order.
    const std::array<ClickLabel*, 4>& SampleLines() const { return samples_; }
    QLabel* BodyLabel() const { return lblBody_; }
    // Width inside the preview panel's border.
    int PreviewInnerWidth() const;

Q_SIGNALS:
    // After every ApplyColors.
    void ColorsApplied();

public Q_SLOTS:
    void optBack_Click();
    void optText_Click();
    void optLink_Click();
    void optVLink_Click();
    void optALink_Click();
    void picBack_Click();
    void lblText_Click();
    void lblLink_Click();
    void lblVLink_Click();
    void lblALink_Click();
    void hscR_Change();
    void hscG_Change();
    void hscB_Change();
    void lblQB_Click(int index);

private:
    void BarChange(int channel);
    void BuildBars(const TwipScale& tw);
    void BuildPreview(const TwipScale& tw);
    void BuildBodyLabel(const TwipScale& tw);
    void FitBodyFont();

    PageSettings& page_;
    std::array<QRadioButton*, kColorSlotCount> options_{};
    std::array<QScrollBar*, 3> bars_{};
    std::array<QLabel*, 3> decimal_{};
    std::array<QLabel*, 3> hex_{};
    SwatchRow* swatches_ = nullptr;
    ClickPanel* picBack_ = nullptr;
    std::array<ClickLabel*, 4> samples_{};
    QLabel* lblBody_ = nullptr;
};

// The colour a control is painted with for a colour value.
QColor ToQColor(ColorValue value);

} // namespace tuk
