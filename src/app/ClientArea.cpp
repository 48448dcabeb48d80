#include "app/ClientArea.h"

#include "foldertree/widgets/FolderTree.h"
#include "settings/PageSettings.h"
#include "style/widgets/ColorEditor.h"
#include "style/widgets/TextOptions.h"

#include <QListWidget>
#include <algorithm>

namespace tuk {

namespace {

// The designed layout in twips, relative to the area (the designed client area less the
// toolbar's 420 twips).
constexpr int kClientWidth = 6735;
constexpr int kToolbarHeight = 420;
constexpr int kBelowToolbarHeight = 5115 - kToolbarHeight - 255; // less toolbar and status bar
constexpr QRect kPicCtrl(0, 0, 3915, 4515);
constexpr QRect kTV(3960, 90, 2775, 4350);
constexpr QRect kFile1(0, 4500, 3915, 480);
// The frames inside the style panel end here; the window never gets lower than that.
constexpr int kFramesBottom = 4455;

QRect Scaled(const TwipScale& tw, const QRect& twips) {
    return tw.Rect(twips.x(), twips.y(), twips.width(), twips.height());
}

} // namespace

ClientArea::ClientArea(const TwipScale& scale, QWidget* parent) : QWidget(parent), scale_(scale) {
    setObjectName(QStringLiteral("ClientArea"));
    BuildStylePanel();
    BuildTreeAndList();
    SetTreeMargins();
}

void ClientArea::BuildStylePanel() {
    picCtrl_ = new QWidget(this);
    picCtrl_->setObjectName(QStringLiteral("picCtrl"));
    picCtrl_->setGeometry(Scaled(scale_, kPicCtrl));
    // The style panel was laid out for an 8-point font; its controls keep that size.
    QFont panelFont = picCtrl_->font();
    panelFont.setPointSize(8);
    picCtrl_->setFont(panelFont);
    colors_ = new ColorEditor(Program().page, scale_, picCtrl_);
    text_ = new TextOptions(Program().page, scale_, picCtrl_, colors_);
    // Where the frames need more room than designed (the font box shows long face names
    // whole), the panel widens; the tree and the window's minimum width move with it.
    panelExtra_ = std::max(0, picCtrl_->childrenRect().right() + 1 - picCtrl_->width());
    picCtrl_->resize(picCtrl_->width() + panelExtra_, picCtrl_->height());
    setMinimumSize(scale_.Px(kClientWidth) + panelExtra_, scale_.Px(kFramesBottom));
}

void ClientArea::BuildTreeAndList() {
    tv_ = new FolderTree(this);
    tv_->setObjectName(QStringLiteral("TV"));
    tv_->setGeometry(Scaled(scale_, kTV).translated(panelExtra_, 0));
    tv_->setAccessibleName(QStringLiteral("Folders"));
    tv_->setFocus(); // picking a folder comes first: typing its name finds it

    file1_ = new QListWidget(this);
    file1_->setObjectName(QStringLiteral("File1"));
    file1_->setGeometry(Scaled(scale_, kFile1).adjusted(0, 0, panelExtra_, 0));
    file1_->setUniformItemSizes(true);
    file1_->setAccessibleName(QStringLiteral("Images of the folder"));
}

void ClientArea::SetTreeMargins() {
    nTreeMarginW_ = scale_.Px(kClientWidth) + panelExtra_ - tv_->width();
    nTreeMarginH_ = scale_.Px(kBelowToolbarHeight) - tv_->height();
}

void ClientArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

// The image list under the style panel gets the height by which the tree is taller than the
// panel, and is hidden while it would get none.
void ClientArea::Form_Resize() {
    if (window()->isMinimized())
        return;
    const QRect designed = Scaled(scale_, kTV);
    tv_->resize(std::max(designed.width(), width() - nTreeMarginW_),
                std::max(designed.height(), height() - nTreeMarginH_));
    const int listHeight = tv_->height() - picCtrl_->height();
    file1_->setVisible(listHeight > 0);
    if (listHeight > 0)
        file1_->resize(file1_->width(), listHeight);
}

} // namespace tuk
