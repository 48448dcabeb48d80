#include "style/widgets/ColorEditor.h"

#include "style/widgets/Clickable.h"
#include "style/widgets/FocusBar.h"
#include "style/widgets/GrowToText.h"
#include "style/widgets/Swatches.h"

#include <QCoreApplication>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>

namespace tuk {

namespace {

struct SlotDesign {
    const char* option;
    const char* caption;
    const char* name; // of the option button, for screen readers
    const char* tooltip;
    int top;
    const char* sample; // sample line in the preview panel (none for the background)
    const char* sampleText;
    int sampleTop;
};

constexpr std::array<SlotDesign, kColorSlotCount> kSlots{{
    //: The option of the background colour shows only its accelerator letter.
    {"optBack", QT_TRANSLATE_NOOP("frmTu_K", "&B"),
     QT_TRANSLATE_NOOP("frmTu_K", "Background colour"),
     QT_TRANSLATE_NOOP("frmTu_K", "Set BACKGROUND color"), 1860, nullptr, nullptr, 0},
    //: The option of the text colour shows only its accelerator letter.
    {"optText", QT_TRANSLATE_NOOP("frmTu_K", "&T"), QT_TRANSLATE_NOOP("frmTu_K", "Text colour"),
     QT_TRANSLATE_NOOP("frmTu_K", "Set TEXT color"), 2160, "lblText",
     QT_TRANSLATE_NOOP("frmTu_K", "Normal Text"), 360},
    //: The option of the colour of links shows only its accelerator letter.
    {"optLink", QT_TRANSLATE_NOOP("frmTu_K", "&L"), QT_TRANSLATE_NOOP("frmTu_K", "Link colour"),
     QT_TRANSLATE_NOOP("frmTu_K", "Set LINK color"), 2460, "lblLink",
     QT_TRANSLATE_NOOP("frmTu_K", "Link to Visit"), 660},
    //: The option of the colour of visited links shows only its accelerator letter.
    {"optVLink", QT_TRANSLATE_NOOP("frmTu_K", "&V"),
     QT_TRANSLATE_NOOP("frmTu_K", "Visited link colour"),
     QT_TRANSLATE_NOOP("frmTu_K", "Set VISITED LINK color"), 2760, "lblVLink",
     QT_TRANSLATE_NOOP("frmTu_K", "Visited Link"), 960},
    //: The option of the colour of active links shows only its accelerator letter.
    {"optALink", QT_TRANSLATE_NOOP("frmTu_K", "&A"),
     QT_TRANSLATE_NOOP("frmTu_K", "Active link colour"),
     QT_TRANSLATE_NOOP("frmTu_K", "Set ACTIVE LINK color"), 3060, "lblALink",
     QT_TRANSLATE_NOOP("frmTu_K", "Active Link"), 1260},
}};

struct BarDesign {
    const char* letterName;
    const char* letter;
    const char* bar;
    const char* name; // of the bar, for screen readers
    const char* decimal;
    const char* decimalTip;
    const char* hex;
    int top;
};

constexpr std::array<BarDesign, 3> kBars{{
    //: The letter beside the bar of the red part of a colour.
    {"Label3", QT_TRANSLATE_NOOP("frmTu_K", "R"), "hscR", QT_TRANSLATE_NOOP("frmTu_K", "Red"),
     "lblR", QT_TRANSLATE_NOOP("frmTu_K", "RED value"), "lblHR", 840},
    //: The letter beside the bar of the green part of a colour.
    {"Label2", QT_TRANSLATE_NOOP("frmTu_K", "G"), "hscG", QT_TRANSLATE_NOOP("frmTu_K", "Green"),
     "lblG", QT_TRANSLATE_NOOP("frmTu_K", "GREEN value"), "lblHG", 1140},
    //: The letter beside the bar of the blue part of a colour.
    {"Label1", QT_TRANSLATE_NOOP("frmTu_K", "B"), "hscB", QT_TRANSLATE_NOOP("frmTu_K", "Blue"),
     "lblB", QT_TRANSLATE_NOOP("frmTu_K", "BLUE value"), "lblHB", 1440},
}};

// The BODY string's label. Its text is black, or red with the background option, whatever
// the theme, so it has a white ground of its own; its single border stays black.
class FramedBodyLabel : public QLabel {
public:
    explicit FramedBodyLabel(QWidget* parent) : QLabel(parent) {
        setAutoFillBackground(true);
        QPalette own = palette();
        own.setColor(QPalette::Window, Qt::white);
        own.setColor(QPalette::WindowText, Qt::black);
        setPalette(own);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        // Stroked along the middle of the outermost pixels: at a fractional scale a line on
        // the pixel edge falls outside the widget's rounded area and its top row is lost.
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
};

template <typename W> W* Make(QWidget* parent, const char* name, const QRect& geometry) {
    auto* widget = new W(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

void SetColor(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

} // namespace

QColor ToQColor(ColorValue value) {
    return QColor(ColorPart(0, value), ColorPart(1, value), ColorPart(2, value));
}

//: The caption of the frame of the page's colours.
ColorEditor::ColorEditor(PageSettings& page, const TwipScale& tw, QWidget* parent)
    : CaptionFrame(QCoreApplication::translate("frmTu_K", "Colors"), parent), page_(page) {
    setObjectName(QStringLiteral("Frame4"));
    setGeometry(tw.Rect(0, 0, 2715, 4455));

    swatches_ = new SwatchRow(tw, this);
    swatches_->move(tw.Px(120), tw.Px(240));
    swatches_->setAccessibleName(QCoreApplication::translate("frmTu_K", "Preset colours"));
    connect(swatches_, &SwatchRow::Picked, this, &ColorEditor::lblQB_Click);
    auto* preset = Make<QLabel>(this, "Label6", tw.Rect(2100, 360, 495, 195));
    //: The label beside the swatches of the preset colours.
    preset->setText(QCoreApplication::translate("frmTu_K", "PreSet"));
    BuildBars(tw);
    BuildPreview(tw);
    BuildBodyLabel(tw);

    // Captions wider than designed in this font may use the room up to the frame's edge;
    // the option buttons stand 20 pixels (300 twips) apart.
    const int right = InnerRect().right();
    GrowToText(preset, right, preset->height());
    for (QRadioButton* option : options_)
        GrowToText(option, right, tw.Px(300) - 1);
    FitBodyFont();
}

// The red, green and blue bars with their letters and their values in decimal and hex.
void ColorEditor::BuildBars(const TwipScale& tw) {
    using Handler = void (ColorEditor::*)();
    constexpr std::array<Handler, 3> barHandlers{
        &ColorEditor::hscR_Change, &ColorEditor::hscG_Change, &ColorEditor::hscB_Change};
    for (size_t c = 0; c < kBars.size(); ++c) {
        const BarDesign& d = kBars[c];
        Make<QLabel>(this, d.letterName, tw.Rect(120, d.top, 195, 255))
            ->setText(QCoreApplication::translate("frmTu_K", d.letter));
        auto* bar = new FocusBar(0, 255, 255, this);
        bar->setObjectName(QLatin1String(d.bar));
        bar->setGeometry(tw.Rect(360, d.top, 1380, 230));
        bar->setAccessibleName(QCoreApplication::translate("frmTu_K", d.name));
        connect(bar, &QScrollBar::valueChanged, this, barHandlers[c]);
        bars_[c] = bar;

        auto* decimal = Make<QLabel>(this, d.decimal, tw.Rect(1740, d.top, 450, 220));
        decimal->setText(QStringLiteral("255"));
        decimal->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        decimal->setToolTip(QCoreApplication::translate("frmTu_K", d.decimalTip));
        decimal_[c] = decimal;

        auto* hex = Make<QLabel>(this, d.hex, tw.Rect(2220, d.top, 450, 220));
        hex->setText(QStringLiteral("ff"));
        hex->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        QFont bold = hex->font();
        bold.setBold(true);
        hex->setFont(bold);
        hex_[c] = hex;
    }
}

// The preview with its text and link samples, and the option buttons of the colour slots.
void ColorEditor::BuildPreview(const TwipScale& tw) {
    using Handler = void (ColorEditor::*)();
    picBack_ = Make<ClickPanel>(this, "picBack", tw.Rect(120, 1740, 1935, 1635));
    picBack_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picBack_->setAutoFillBackground(true);
    picBack_->setToolTip(QCoreApplication::translate("frmTu_K", kSlots[0].tooltip));
    picBack_->setAccessibleName(QCoreApplication::translate("frmTu_K", "Preview"));
    connect(picBack_, &ClickPanel::Clicked, this, &ColorEditor::picBack_Click);

    constexpr std::array<Handler, kColorSlotCount> optionHandlers{
        &ColorEditor::optBack_Click, &ColorEditor::optText_Click, &ColorEditor::optLink_Click,
        &ColorEditor::optVLink_Click, &ColorEditor::optALink_Click};
    constexpr std::array<Handler, 4> sampleHandlers{
        &ColorEditor::lblText_Click, &ColorEditor::lblLink_Click, &ColorEditor::lblVLink_Click,
        &ColorEditor::lblALink_Click};
    const QRect inner = picBack_->contentsRect();
    for (size_t s = 0; s < kSlots.size(); ++s) {
        const SlotDesign& d = kSlots[s];
        auto* option = Make<QRadioButton>(this, d.option, tw.Rect(2145, d.top, 400, 220));
        option->setText(QCoreApplication::translate("frmTu_K", d.caption));
        option->setToolTip(QCoreApplication::translate("frmTu_K", d.tooltip));
        option->setAccessibleName(QCoreApplication::translate("frmTu_K", d.name));
        connect(option, &QRadioButton::clicked, this, optionHandlers[s]);
        options_[s] = option;
        if (!d.sample)
            continue;
        auto* sample = Make<ClickLabel>(
            picBack_, d.sample,
            QRect(inner.left(), inner.top() + tw.Px(d.sampleTop), inner.width(), tw.Px(290)));
        sample->setText(QCoreApplication::translate("frmTu_K", d.sampleText));
        sample->setToolTip(QCoreApplication::translate("frmTu_K", d.tooltip));
        sample->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        connect(sample, &ClickLabel::Clicked, this, sampleHandlers[s - 1]);
        samples_[s - 1] = sample;
    }
}

void ColorEditor::BuildBodyLabel(const TwipScale& tw) {
    lblBody_ = Make<FramedBodyLabel>(this, "lblBody", tw.Rect(120, 3420, 2475, 915));
    lblBody_->setContentsMargins(1, 1, 1, 1); // room for the border
    lblBody_->setForegroundRole(QPalette::Text);
    lblBody_->setTextFormat(Qt::PlainText);
    lblBody_->setWordWrap(true);
    lblBody_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblBody_->setToolTip(QCoreApplication::translate("frmTu_K", "Current BODY string"));
}

// The BODY string has to fit its box even in bold. Its box reaches down to the frame's line;
// where the font is still too wide for that, it is made smaller in half points until the
// widest BODY string fits.
void ColorEditor::FitBodyFont() {
    lblBody_->resize(lblBody_->width(),
                     std::max(lblBody_->height(), InnerRect().bottom() - lblBody_->y()));
    const QString widest = QStringLiteral(
        "<body bgcolor=#000000 text=#000000 link=#000000 vlink=#000000 alink=#000000>");
    const QRect room = lblBody_->contentsRect();
    QFont font = lblBody_->font();
    font.setBold(true);
    auto fits = [&](const QFont& candidate) {
        const QRect needed = QFontMetrics(candidate).boundingRect(
            QRect(0, 0, room.width(), 10000), Qt::TextWordWrap | Qt::AlignHCenter, widest);
        return needed.height() <= room.height() && needed.width() <= room.width();
    };
    while (!fits(font) && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    font.setBold(false);
    lblBody_->setFont(font);
}

void ColorEditor::SetUpSwatches() {
    for (int i = 0; i < SwatchRow::kCount; ++i) {
        const PresetColor& preset = PresetColors[static_cast<size_t>(i)];
        SetColor(swatches_->At(i), QPalette::Window, ToQColor(preset.value));
        const QString name = QCoreApplication::translate("frmTu_K", preset.name);
        //: %1 is the name of a preset colour, as BLACK or LT BLUE.
        swatches_->At(i)->setToolTip(
            QCoreApplication::translate("frmTu_K", "Click to pick %1").arg(name));
        //: The name of a preset colour's swatch for screen readers; %1 is the colour's name.
        swatches_->At(i)->setAccessibleName(
            QCoreApplication::translate("frmTu_K", "Preset: %1").arg(name));
    }
}

void ColorEditor::ApplyColors() {
    SetColor(picBack_, QPalette::Window, ToQColor(SlotColorValue(page_, ColorSlot::Back)));
    for (size_t i = 0; i < samples_.size(); ++i) {
        const auto slot = static_cast<ColorSlot>(i + 1);
        SetColor(samples_[i], QPalette::WindowText, ToQColor(SlotColorValue(page_, slot)));
    }
    MakeBodyString();
    Q_EMIT ColorsApplied();
}

void ColorEditor::MakeBodyString() {
    lblBody_->setText(tuk::MakeBodyString(page_));
}

std::optional<ColorSlot> ColorEditor::SelectedSlot() const {
    for (size_t s = 0; s < options_.size(); ++s) {
        if (options_[s]->isChecked())
            return static_cast<ColorSlot>(s);
    }
    return std::nullopt;
}

void ColorEditor::SelectSlot(ColorSlot slot) {
    options_[static_cast<size_t>(slot)]->setChecked(true);
    // A stored component outside 0..255 shows at the nearest end of the bar.
    for (int c = 0; c < 3; ++c)
        bars_[static_cast<size_t>(c)]->setValue(ClampComponent(page_.Component(slot, c)));
}

int ColorEditor::PreviewInnerWidth() const {
    return picBack_->contentsRect().width();
}

void ColorEditor::optBack_Click() {
    SelectSlot(ColorSlot::Back);
}
void ColorEditor::optText_Click() {
    SelectSlot(ColorSlot::Text);
}
void ColorEditor::optLink_Click() {
    SelectSlot(ColorSlot::Link);
}
void ColorEditor::optVLink_Click() {
    SelectSlot(ColorSlot::VLink);
}
void ColorEditor::optALink_Click() {
    SelectSlot(ColorSlot::ALink);
}
void ColorEditor::picBack_Click() {
    optBack_Click();
}
void ColorEditor::lblText_Click() {
    optText_Click();
}
void ColorEditor::lblLink_Click() {
    optLink_Click();
}
void ColorEditor::lblVLink_Click() {
    optVLink_Click();
}
void ColorEditor::lblALink_Click() {
    optALink_Click();
}
void ColorEditor::hscR_Change() {
    BarChange(0);
}
void ColorEditor::hscG_Change() {
    BarChange(1);
}
void ColorEditor::hscB_Change() {
    BarChange(2);
}

void ColorEditor::BarChange(int channel) {
    const auto c = static_cast<size_t>(channel);
    const int value = bars_[c]->value();
    decimal_[c]->setText(QString::number(value));
    hex_[c]->setText(HexPair(value));
    if (const std::optional<ColorSlot> slot = SelectedSlot())
        page_.Component(*slot, channel) = static_cast<qint16>(value);
    ApplyColors();
}

void ColorEditor::lblQB_Click(int index) {
    const QColor shown = swatches_->At(index)->palette().color(QPalette::Window);
    const ColorValue colour = MakeColorValue(shown.red(), shown.green(), shown.blue());
    for (int c = 0; c < 3; ++c)
        bars_[static_cast<size_t>(c)]->setValue(ColorPart(c, colour));
}

} // namespace tuk
