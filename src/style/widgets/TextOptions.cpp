#include "style/widgets/TextOptions.h"

#include "style/FontFaces.h"
#include "style/widgets/CaptionFrame.h"
#include "style/widgets/Clickable.h"
#include "style/widgets/ColorEditor.h"
#include "style/widgets/FocusBar.h"
#include "style/widgets/GrowToText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

namespace tuk {

namespace {

template <typename W> W* Make(QWidget* parent, const char* name, const QRect& geometry) {
    auto* widget = new W(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

QFont::StyleHint HintOf(const QString& family) {
    if (family == QLatin1String("Times New Roman"))
        return QFont::Serif;
    if (family == QLatin1String("Courier New"))
        return QFont::TypeWriter;
    return QFont::SansSerif;
}

} // namespace

TextOptions::TextOptions(PageSettings& page, const TwipScale& tw, QWidget* panel,
                         ColorEditor* preview)
    : QObject(panel), page_(page), preview_(preview) {
    //: The caption of the frame of the font options.
    auto* text = new CaptionFrame(QCoreApplication::translate("frmTu_K", "Text"), panel);
    text->setObjectName(QStringLiteral("Frame1"));
    text->setGeometry(tw.Rect(2760, 0, 1155, 1935));
    //: The caption of the frame of the options for what a page holds.
    auto* pageFrame = new CaptionFrame(QCoreApplication::translate("frmTu_K", "Page"), panel);
    pageFrame->setObjectName(QStringLiteral("Frame2"));
    pageFrame->setGeometry(tw.Rect(2760, 1980, 1155, 2475));
    BuildFontControls(tw, text);
    BuildFlagBoxes(tw, text, pageFrame);
    WidenForFaces(tw, {text, pageFrame});
    // Wider than designed when the font or the language needs it, up to the frame's edge
    // (widened for the faces); the boxes stand 20 pixels (300 twips) apart.
    for (QCheckBox* box : boxes_)
        GrowToText(box, static_cast<CaptionFrame*>(box->parentWidget())->InnerRect().right(),
                   tw.Px(300) - 1);
}

void TextOptions::BuildFontControls(const TwipScale& tw, CaptionFrame* text) {
    cboFontFace_ = Make<QComboBox>(text, "cboFontFace", tw.Rect(120, 240, 915, 315));
    cboFontFace_->setEditable(true);
    // Typed text is taken as typed: no completion, and Enter does not add it to the list.
    cboFontFace_->setCompleter(nullptr);
    cboFontFace_->setInsertPolicy(QComboBox::NoInsert);
    cboFontFace_->setEditText(QStringLiteral("Arial"));
    cboFontFace_->setToolTip(QCoreApplication::translate("frmTu_K", "Set HTML font"));
    cboFontFace_->setAccessibleName(QCoreApplication::translate("frmTu_K", "Font face"));
    cboFontFace_->lineEdit()->setAccessibleName(cboFontFace_->accessibleName());
    // On Linux screen readers name a combo box by its label and give its text as the name;
    // the frame has no room for a label, so this one has no size: only they find it.
    auto* faceLabel = Make<QLabel>(text, "lblFontFace", QRect(cboFontFace_->pos(), QSize()));
    faceLabel->setText(cboFontFace_->accessibleName());
    faceLabel->setBuddy(cboFontFace_);
    cboFontFace_->installEventFilter(this);
    connect(cboFontFace_, &QComboBox::activated, this, &TextOptions::cboFontFace_Click);

    lblFontSize_ = Make<QLabel>(text, "lblFontSize", tw.Rect(120, 600, 570, 300));
    lblFontSize_->setFrameStyle(QFrame::Box | QFrame::Plain);
    lblFontSize_->setAlignment(Qt::AlignCenter);
    lblFontSize_->setText(QStringLiteral("2"));
    lblFontSize_->setToolTip(QCoreApplication::translate("frmTu_K", "HTML font size"));

    hscFontSize_ = new FocusBar(kMinFontSize, kMaxFontSize, 2, text);
    hscFontSize_->setObjectName(QStringLiteral("hscFontSize"));
    hscFontSize_->setGeometry(tw.Rect(720, 600, 300, 300));
    hscFontSize_->setAccessibleName(QCoreApplication::translate("frmTu_K", "Font size"));
    connect(hscFontSize_, &QScrollBar::valueChanged, this, &TextOptions::hscFontSize_Change);
}

void TextOptions::BuildFlagBoxes(const TwipScale& tw, CaptionFrame* text, CaptionFrame* pageFrame) {
    for (size_t i = 0; i < std::size(kOptionBoxes); ++i) {
        const OptionBox& design = kOptionBoxes[i];
        CaptionFrame* frame = design.frame == BoxFrame::Text ? text : pageFrame;
        auto* box = Make<QCheckBox>(frame, design.objectName,
                                    tw.Rect(design.left, design.top, design.width, design.height));
        box->setText(QCoreApplication::translate("frmTu_K", design.caption));
        box->setToolTip(QCoreApplication::translate("frmTu_K", design.tooltip));
        connect(box, &QCheckBox::stateChanged, this, [this, i] { FlagClick(i); });
        boxes_[i] = box;
        boxRows_[i] = RowOfKey(design.key);
    }
}

// The font box shows whole the longest face name the preview knows, "Times New Roman", so
// that a face kept in the store or typed in is readable; both frames widen for it.
void TextOptions::WidenForFaces(const TwipScale& tw, const std::array<QWidget*, 2>& frames) {
    QStyleOptionComboBox option;
    option.initFrom(cboFontFace_);
    option.editable = true;
    const QRect edit = cboFontFace_->style()->subControlRect(
        QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, cboFontFace_);
    // The editor keeps 2 pixels on either side of the text and one for the cursor.
    const int needed =
        cboFontFace_->width() - edit.width() + 5 +
        cboFontFace_->fontMetrics().horizontalAdvance(QStringLiteral("Times New Roman"));
    const int frameWidth = cboFontFace_->x() + needed + tw.Px(120);
    for (QWidget* frame : frames)
        frame->resize(std::max(frame->width(), frameWidth), frame->height());
    cboFontFace_->resize(std::max(cboFontFace_->width(), needed), cboFontFace_->height());
    GrowToText(cboFontFace_, frames[0]->width() - tw.Px(120), cboFontFace_->height());
}

void TextOptions::SetUp() {
    // Filling the list would make its first name current; the box keeps showing its text.
    const QString shown = cboFontFace_->currentText();
    cboFontFace_->addItems(FontFaceChoice());
    cboFontFace_->setEditText(shown);
    for (ClickLabel* line : preview_->SampleLines())
        line->resize(preview_->PreviewInnerWidth(), line->height());
    ApplyTextOptions();
}

void TextOptions::ApplyTextOptions() {
    const QString family = PreviewFontFamily(page_.sFontFace);
    QFont font(family);
    font.setStyleHint(HintOf(family));
    font.setPointSize(PreviewPointSize(page_.nFontSize));
    font.setBold(page_.lBold);
    font.setItalic(page_.lItal);
    const Qt::Alignment align = (page_.lCenter ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
    for (ClickLabel* line : preview_->SampleLines()) {
        line->setFont(font);
        line->setAlignment(align);
    }
    QLabel* body = preview_->BodyLabel();
    QPalette palette = body->palette();
    palette.setColor(body->foregroundRole(),
                     page_.lBackGround ? QColor(255, 0, 0) : QColor(0, 0, 0));
    body->setPalette(palette);
    QFont bodyFont = body->font();
    bodyFont.setBold(page_.lText);
    body->setFont(bodyFont);
    Q_EMIT TextOptionsApplied();
}

void TextOptions::ShowFontFace() {
    cboFontFace_->setEditText(page_.sFontFace);
}

void TextOptions::ShowFontSizeCaption() {
    lblFontSize_->setText(QString::number(page_.nFontSize));
}

void TextOptions::ShowFontSize() {
    hscFontSize_->setValue(page_.nFontSize);
}

void TextOptions::ShowFlags() {
    for (size_t i = 0; i < boxes_.size(); ++i)
        boxes_[i]->setChecked(*PageFlagOf(*boxRows_[i], page_));
}

QCheckBox* TextOptions::FlagBox(bool PageSettings::*flag) const {
    for (size_t i = 0; i < boxes_.size(); ++i) {
        if (std::get<bool PageSettings::*>(boxRows_[i]->field) == flag)
            return boxes_[i];
    }
    return nullptr;
}

void TextOptions::cboFontFace_Click() {
    page_.sFontFace = cboFontFace_->currentText();
    ApplyTextOptions();
}

void TextOptions::cboFontFace_LostFocus() {
    cboFontFace_->setEditText(NormalizeFontFace(cboFontFace_->currentText()));
    page_.sFontFace = cboFontFace_->currentText();
    ApplyTextOptions();
}

bool TextOptions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cboFontFace_ && event->type() == QEvent::FocusOut) {
        // Opening the list or switching to another program does not leave the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            cboFontFace_LostFocus();
    }
    return QObject::eventFilter(watched, event);
}

void TextOptions::hscFontSize_Change() {
    page_.nFontSize = static_cast<quint8>(hscFontSize_->value());
    ShowFontSizeCaption();
    ApplyTextOptions();
}

void TextOptions::FlagClick(size_t index) {
    // A greyed box counts as unchecked.
    *PageFlagOf(*boxRows_[index], page_) = boxes_[index]->checkState() == Qt::Checked;
    if (kOptionBoxes[index].previewed)
        ApplyTextOptions();
}

} // namespace tuk
