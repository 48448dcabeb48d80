#pragma once

#include "settings/PageSettings.h"
#include "settings/SettingsSchema.h"
#include "style/widgets/OptionBoxes.h"
#include "style/widgets/TwipScale.h"

#include <QObject>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QScrollBar;

namespace tuk {

class CaptionFrame;
class ColorEditor;

// The frames "Text" (Frame1: font face, size, centre, bold, italic) and "Page" (Frame2: the
// seven page-content boxes). Each control mirrors one PageSettings field; the font options
// are previewed on the colour editor's sample lines, two page options on lblBody.
class TextOptions : public QObject {
    Q_OBJECT
public:
    // Builds both frames inside the style panel.
    TextOptions(PageSettings& page, const TwipScale& scale, QWidget* panel, ColorEditor* preview);

    // Start-up: fills the font list, sizes the sample lines to the preview panel, previews.
    void SetUp();

    // Shows font face, size, centre, bold and italic on the sample lines, and marks the
    // background-image (red) and sample-text (bold) options on lblBody.
    void ApplyTextOptions();

    // Bring one control in line with its field. Setting a control runs its handler when its
    // value changes. ShowFontSizeCaption sets only lblFontSize; ShowFontSize sets the bar.
    void ShowFontFace();
    void ShowFontSizeCaption();
    void ShowFontSize();
    void ShowFlags(); // every check box

    // The check box of a flag; null for a flag without one (lIndex).
    QCheckBox* FlagBox(bool PageSettings::*flag) const;

Q_SIGNALS:
    // After every ApplyTextOptions.
    void TextOptionsApplied();

public Q_SLOTS:
    void cboFontFace_Click();
    void cboFontFace_LostFocus();
    void hscFontSize_Change();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FlagClick(size_t index);
    void WidenForFaces(const TwipScale& scale, const std::array<QWidget*, 2>& frames);
    void BuildFontControls(const TwipScale& tw, CaptionFrame* text);
    void BuildFlagBoxes(const TwipScale& tw, CaptionFrame* text, CaptionFrame* pageFrame);

    PageSettings& page_;
    ColorEditor* preview_;
    QComboBox* cboFontFace_ = nullptr;
    QLabel* lblFontSize_ = nullptr;
    QScrollBar* hscFontSize_ = nullptr;
    std::array<QCheckBox*, std::size(kOptionBoxes)> boxes_{};
    std::array<const SettingRow*, std::size(kOptionBoxes)> boxRows_{}; // the setting of each box
};

} // namespace tuk
