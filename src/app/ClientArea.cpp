#include "app/ClientArea.h"

#include "foldertree/widgets/FolderTree.h"
#include "settings/PageSettings.h"
#include "style/widgets/ColorEditor.h"
#include "style/widgets/TextOptions.h"

#include <QCoreApplication>
#include <QLayout>
#include <QListWidget>
#include <QScrollArea>
#include <QStyle>
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
    panelView_ = new QScrollArea(this);
    panelView_->setObjectName(QStringLiteral("StylePanelView"));
    panelView_->setFrameShape(QFrame::NoFrame);
    panelView_->setFocusPolicy(Qt::NoFocus); // the tab order runs through the panel's controls
    panelView_->setWidgetResizable(true);
    picCtrl_ = new QWidget(panelView_);
    picCtrl_->setObjectName(QStringLiteral("picCtrl"));
    picCtrl_->resize(Scaled(scale_, kPicCtrl).size());
    // The style panel was laid out for an 8-point font; its controls keep that size.
    QFont panelFont = picCtrl_->font();
    panelFont.setPointSize(8);
    picCtrl_->setFont(panelFont);
    colors_ = new ColorEditor(Program().page, scale_, picCtrl_);
    text_ = new TextOptions(Program().page, scale_, picCtrl_, colors_);
    // Where the frames need more room than designed (the font box shows long face names
    // whole), the panel widens; the tree and the window's minimum width move with it.
    panelExtra_ = std::max(0, picCtrl_->childrenRect().right() + 1 - picCtrl_->width());
    // The panel scrolls where it gets less than the frames need.
    picCtrl_->setMinimumSize(picCtrl_->width() + panelExtra_, scale_.Px(kFramesBottom));
    panelView_->setWidget(picCtrl_);
    panelView_->resize(picCtrl_->minimumWidth(), picCtrl_->height());
    setMinimumSize(DesignedSize());
}

QSize ClientArea::DesignedSize() const {
    return {scale_.Px(kClientWidth) + panelExtra_, scale_.Px(kFramesBottom)};
}

int ClientArea::ScrollBarExtent() const {
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, panelView_);
}

void ClientArea::FitWindowInto(const QSize& room) {
    // The window's minimum with the area at its designed size: the menu, toolbar and status
    // bar add their heights to the area's, and the widest of them and the area sets the width.
    const QSize whole = window()->minimumSize();
    const QSize designed = DesignedSize();
    const QSize atDesigned(std::max(whole.width(), designed.width()),
                           whole.height() - minimumHeight() + designed.height());
    const QSize over = (atDesigned - room).expandedTo(QSize(0, 0));
    const QSize sliver(2 * ScrollBarExtent() + Scaled(scale_, kTV).width() / 2,
                       2 * ScrollBarExtent());
    setMinimumSize((designed - over).expandedTo(sliver));
    window()->layout()->activate();
}

void ClientArea::BuildTreeAndList() {
    tv_ = new FolderTree(this);
    tv_->setObjectName(QStringLiteral("TV"));
    tv_->setGeometry(Scaled(scale_, kTV).translated(panelExtra_, 0));
    tv_->setAccessibleName(QCoreApplication::translate("frmTu_K", "Folders"));
    tv_->setFocus(); // picking a folder comes first: typing its name finds it

    file1_ = new QListWidget(this);
    file1_->setObjectName(QStringLiteral("File1"));
    file1_->setGeometry(Scaled(scale_, kFile1));
    file1_->setUniformItemSizes(true);
    file1_->setAccessibleName(QCoreApplication::translate("frmTu_K", "Images of the folder"));
}

void ClientArea::SetTreeMargins() {
    nTreeMarginH_ = scale_.Px(kBelowToolbarHeight) - tv_->height();
}

void ClientArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

// The tree spans from the style panel to the area's right edge. Below the designed width it
// gives up width first, down to half its designed width; only then does the panel get
// narrower than its frames. The image list under the panel gets the height by which the tree
// is taller than the panel, and is hidden while it would get none.
void ClientArea::Form_Resize() {
    if (window()->isMinimized())
        return;
    const QRect designedTV = Scaled(scale_, kTV).translated(panelExtra_, 0);
    const QSize frames = picCtrl_->minimumSize();
    const int gap = designedTV.left() - frames.width();
    const int bar = height() < frames.height() ? ScrollBarExtent() : 0;
    const int panelWidth = std::min(frames.width() + bar, width() - gap - designedTV.width() / 2);
    panelView_->resize(panelWidth, std::min(height(), Scaled(scale_, kPicCtrl).height()));
    const int treeLeft = panelWidth + gap;
    tv_->setGeometry(treeLeft, designedTV.top(), width() - treeLeft, height() - nTreeMarginH_);
    const int listHeight = tv_->height() - panelView_->height();
    file1_->setVisible(listHeight > 0);
    if (listHeight > 0)
        file1_->resize(panelWidth, listHeight);
}

} // namespace tuk
