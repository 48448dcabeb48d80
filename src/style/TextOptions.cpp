#include "style/TextOptions.h"

#include "style/CaptionFrame.h"
#include "style/Clickable.h"
#include "style/ColorEditor.h"
#include "style/FocusBar.h"
#include "style/FontFaces.h"
#include "style/GrowToText.h"

#include <QCheckBox>
#include <QComboBox>
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

constexpr int kFirstFlag = static_cast<int>(StoreKey::lCenter);

struct BoxDesign {
    StoreKey flag;
    const char* name;
    const char* caption;
    const char* tooltip;
    bool inTextFrame; // else in the "Page" frame
    int left, top, width, height;
    bool inPreview; // its change shows in the preview
    void (TextOptions::*handler)();
};

// In store order, which is the order of the flags in PageSettings' defaults too.
const BoxDesign kBoxes[10] = {
    {StoreKey::lCenter, "chkCenter", "C&enter", "Center Body", true, 120, 960, 780, 220, true,
     &TextOptions::chkCenter_Click},
    {StoreKey::lBold, "chkBold", "B&old", "Set font BOLD", true, 120, 1260, 660, 220, true,
     &TextOptions::chkBold_Click},
    {StoreKey::lItal, "chkItal", "&Italic", "Set font ITALIC", true, 120, 1560, 660, 220, true,
     &TextOptions::chkItal_Click},
    {StoreKey::lLinx, "chkLinx", "Lin&ks", "Include links to other images in current folder", false,
     120, 240, 900, 200, false, &TextOptions::chkLinx_Click},
    {StoreKey::lFolder, "chkFolder", "&Folder", "Include folder name", false, 120, 540, 900, 200,
     false, &TextOptions::chkFolder_Click},
    {StoreKey::lFDate, "chkFDate", "&Date", "Include image date", false, 120, 840, 900, 200, false,
     &TextOptions::chkFDate_Click},
    {StoreKey::lFSize, "chkFSize", "Si&ze", "Include image size (kb)", false, 120, 1140, 900, 200,
     false, &TextOptions::chkFSize_Click},
    {StoreKey::lBackGround, "chkBackground", "Bk&Grnd", "Set image as HTML background", false, 120,
     1440, 900, 200, true, &TextOptions::chkBackground_Click},
    {StoreKey::lText, "chkText", "Te&xt", "Include sample text for testing background", false, 120,
     1740, 900, 200, true, &TextOptions::chkText_Click},
    {StoreKey::lCopyr, "chkCopyr", "Cop&yr", "Include copyright line", false, 120, 2040, 900, 200,
     false, &TextOptions::chkCopyr_Click},
};

const BoxDesign& DesignOf(StoreKey flag) {
    const int index = static_cast<int>(flag) - kFirstFlag;
    Q_ASSERT(index >= 0 && index < 10);
    return kBoxes[index];
}

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
    auto* text = new CaptionFrame(QStringLiteral("Text"), panel);
    text->setObjectName(QStringLiteral("Frame1"));
    text->setGeometry(tw.Rect(2760, 0, 1155, 1935));
    auto* pageFrame = new CaptionFrame(QStringLiteral("Page"), panel);
    pageFrame->setObjectName(QStringLiteral("Frame2"));
    pageFrame->setGeometry(tw.Rect(2760, 1980, 1155, 2475));

    cboFontFace_ = Make<QComboBox>(text, "cboFontFace", tw.Rect(120, 240, 915, 315));
    cboFontFace_->setEditable(true);
    // Typed text is taken as typed: no completion, and Enter does not add it to the list.
    cboFontFace_->setCompleter(nullptr);
    cboFontFace_->setInsertPolicy(QComboBox::NoInsert);
    cboFontFace_->setEditText(QStringLiteral("Arial"));
    cboFontFace_->setToolTip(QStringLiteral("Set HTML font"));
    cboFontFace_->setAccessibleName(QStringLiteral("Font face"));
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
    lblFontSize_->setToolTip(QStringLiteral("HTML font size"));

    hscFontSize_ = new FocusBar(kMinFontSize, kMaxFontSize, 2, text);
    hscFontSize_->setObjectName(QStringLiteral("hscFontSize"));
    hscFontSize_->setGeometry(tw.Rect(720, 600, 300, 300));
    hscFontSize_->setAccessibleName(QStringLiteral("Font size"));
    connect(hscFontSize_, &QScrollBar::valueChanged, this, &TextOptions::hscFontSize_Change);

    for (int i = 0; i < 10; ++i) {
        const BoxDesign& d = kBoxes[i];
        CaptionFrame* frame = d.inTextFrame ? text : pageFrame;
        auto* box = Make<QCheckBox>(frame, d.name, tw.Rect(d.left, d.top, d.width, d.height));
        box->setText(QLatin1String(d.caption));
        box->setToolTip(QLatin1String(d.tooltip));
        connect(box, &QCheckBox::stateChanged, this, d.handler);
        boxes_[i] = box;
        // Wider than designed when the font needs it, up to the frame's edge; the boxes
        // stand 20 pixels (300 twips) apart.
        GrowToText(box, frame->InnerRect().right(), tw.Px(300) - 1);
    }
    WidenForFaces(tw, {text, pageFrame});
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

void TextOptions::ShowFlag(StoreKey flag) {
    FlagBox(flag)->setChecked(*FlagOf(page_, flag));
}

QCheckBox* TextOptions::FlagBox(StoreKey flag) const {
    return boxes_[static_cast<int>(flag) - kFirstFlag];
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

void TextOptions::FlagClick(StoreKey flag) {
    // A greyed box counts as unchecked.
    *FlagOf(page_, flag) = FlagBox(flag)->checkState() == Qt::Checked;
    if (DesignOf(flag).inPreview)
        ApplyTextOptions();
}

void TextOptions::chkCenter_Click() {
    FlagClick(StoreKey::lCenter);
}
void TextOptions::chkBold_Click() {
    FlagClick(StoreKey::lBold);
}
void TextOptions::chkItal_Click() {
    FlagClick(StoreKey::lItal);
}
void TextOptions::chkLinx_Click() {
    FlagClick(StoreKey::lLinx);
}
void TextOptions::chkFolder_Click() {
    FlagClick(StoreKey::lFolder);
}
void TextOptions::chkFDate_Click() {
    FlagClick(StoreKey::lFDate);
}
void TextOptions::chkFSize_Click() {
    FlagClick(StoreKey::lFSize);
}
void TextOptions::chkBackground_Click() {
    FlagClick(StoreKey::lBackGround);
}
void TextOptions::chkText_Click() {
    FlagClick(StoreKey::lText);
}
void TextOptions::chkCopyr_Click() {
    FlagClick(StoreKey::lCopyr);
}

} // namespace tuk
