#include "app/frmTu_K.h"

#include "app/PlainToolTip.h"
#include "app/StatusPanels.h"
#include "app/icons/AppIcon.h"
#include "foldertree/FolderTree.h"
#include "settings/SettingsStore.h"
#include "style/ColorEditor.h"
#include "style/TextOptions.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QShortcutEvent>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>

namespace tuk {

namespace {

// The designed layout in twips. The client area below the toolbar holds the style panel at
// its top left, the tree to its right and the image list under it; positions here are
// relative to that area (the designed client area less the toolbar's 420 twips).
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

struct MenuDesign {
    const char* name;
    const char* caption;
};

struct EntryDesign {
    int menu;
    const char* name;
    const char* caption;
    QKeyCombination shortcut;
    bool enabled;
    void (frmTu_K::*handler)();
};

constexpr MenuDesign kMenus[] = {
    {"mnuFile", "&File"}, {"mnuSettings", "&Settings"}, {"mnuHtml", "&Html"}};

const EntryDesign kEntries[] = {
    {0, "mnuFileRefresh", "&Refresh File List", Qt::CTRL | Qt::Key_R, true,
     &frmTu_K::mnuFileRefresh_Click},
    {0, "mnuFileAbout", "&About", Qt::CTRL | Qt::Key_A, true, &frmTu_K::mnuFileAbout_Click},
    {0, "mnuFileExit", "E&xit", QKeyCombination(), true, &frmTu_K::mnuFileExit_Click},
    {1, "mnuSettingsCopy", "Copy &Body", Qt::CTRL | Qt::Key_B, true,
     &frmTu_K::mnuSettingsCopy_Click},
    {1, "mnuSettingsSave", "&Save", Qt::CTRL | Qt::Key_S, true, &frmTu_K::mnuSettingsSave_Click},
    {1, "mnuSettingsDefault", "Load &Default", Qt::CTRL | Qt::Key_D, true,
     &frmTu_K::mnuSettingsDefault_Click},
    {2, "mnuHtmlMake", "Ma&ke", Qt::CTRL | Qt::Key_K, false, &frmTu_K::mnuHtmlMake_Click},
    {2, "mnuHtmlView", "Vie&w", Qt::CTRL | Qt::Key_W, false, &frmTu_K::mnuHtmlView_Click},
};

} // namespace

frmTu_K::frmTu_K(Dialogs& dialogs, QWidget* parent) : QMainWindow(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmTu_K"));
    setWindowTitle(QStringLiteral("tu_k"));
    SetWindowIcon();
    BuildMenus();

    tb_ = new QToolBar(this);
    tb_->setObjectName(QStringLiteral("TB"));
    tb_->setMovable(false);
    tb_->setFloatable(false);
    tb_->setIconSize(QSize(16, 16));
    tb_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tb_->setFixedHeight(scale_.Px(kToolbarHeight));
    addToolBar(Qt::TopToolBarArea, tb_);

    status_ = new StatusPanels(this);
    setStatusBar(status_);

    BuildClientArea();
}

frmTu_K::~frmTu_K() = default;

void frmTu_K::SetWindowIcon() {
    setWindowIcon(AppIcon());
}

void frmTu_K::BuildMenus() {
    QMenu* menus[std::size(kMenus)] = {};
    for (size_t m = 0; m < std::size(kMenus); ++m) {
        menus[m] = menuBar()->addMenu(QLatin1String(kMenus[m].caption));
        menus[m]->setObjectName(QLatin1String(kMenus[m].name));
    }
    for (const EntryDesign& entry : kEntries) {
        QAction* action = menus[entry.menu]->addAction(QLatin1String(entry.caption));
        action->setObjectName(QLatin1String(entry.name));
        if (entry.shortcut != QKeyCombination())
            action->setShortcut(QKeySequence(entry.shortcut));
        action->setEnabled(entry.enabled);
        connect(action, &QAction::triggered, this, entry.handler);
    }
}

void frmTu_K::BuildClientArea() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("ClientArea"));
    client_->installEventFilter(this);
    setCentralWidget(client_);

    picCtrl_ = new QWidget(client_);
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
    client_->setMinimumSize(scale_.Px(kClientWidth) + panelExtra_, scale_.Px(kFramesBottom));

    tv_ = new FolderTree(client_);
    tv_->setObjectName(QStringLiteral("TV"));
    tv_->setGeometry(Scaled(scale_, kTV).translated(panelExtra_, 0));
    tv_->setAccessibleName(QStringLiteral("Folders"));
    tv_->setFocus(); // picking a folder comes first: typing its name finds it
    connect(tv_, &FolderTree::FolderChosen, this, &frmTu_K::ChooseFolder);
    connect(tv_, &FolderTree::TopNodeClicked, this, &frmTu_K::ClearFolderPanels);

    file1_ = new QListWidget(client_);
    file1_->setObjectName(QStringLiteral("File1"));
    file1_->setGeometry(Scaled(scale_, kFile1).adjusted(0, 0, panelExtra_, 0));
    file1_->setUniformItemSizes(true);
    file1_->setAccessibleName(QStringLiteral("Images of the folder"));

    for (QAbstractButton* button : picCtrl_->findChildren<QAbstractButton*>())
        button->installEventFilter(this);
    for (QComboBox* box : picCtrl_->findChildren<QComboBox*>())
        box->installEventFilter(this);

    SetTreeMargins();
    // Sets the window's minimum size from the client area's, the menu, toolbar and status bar.
    layout()->activate();
}

QAction* frmTu_K::AddToolButton(const QString& key, const QIcon& icon, const QString& tooltip) {
    QAction* button = tb_->addAction(icon, QString());
    button->setObjectName(key);
    button->setData(key);
    button->setToolTip(tooltip);
    // The tooltip may hold a folder name: shown as plain text (see eventFilter).
    tb_->widgetForAction(button)->installEventFilter(this);
    connect(button, &QAction::triggered, this, [this, key] { TB_ButtonClick(key); });
    return button;
}

void frmTu_K::AddToolSeparator() {
    tb_->addSeparator();
}

void frmTu_K::SetStatusPanel(int panel, const QString& text) {
    status_->SetPanelText(panel, text);
}

QString frmTu_K::StatusPanel(int panel) const {
    return status_->PanelText(panel);
}

QAction* frmTu_K::MenuEntry(const QString& name) const {
    return menuBar()->findChild<QAction*>(name);
}

void frmTu_K::SetHtmlMakeEnabled(bool enabled) {
    MenuEntry(QStringLiteral("mnuHtmlMake"))->setEnabled(enabled);
}

void frmTu_K::SetHtmlViewEnabled(bool enabled) {
    MenuEntry(QStringLiteral("mnuHtmlView"))->setEnabled(enabled);
}

// The margins tie the tree's right and bottom edges to the client area's, whatever the
// tree's designed size came to in pixels.
void frmTu_K::SetTreeMargins() {
    nTreeMarginW_ = scale_.Px(kClientWidth) + panelExtra_ - tv_->width();
    nTreeMarginH_ = scale_.Px(kBelowToolbarHeight) - tv_->height();
}

bool frmTu_K::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize)
        Form_Resize();
    if (event->type() == QEvent::ToolTip) {
        auto* button = qobject_cast<QToolButton*>(watched);
        if (button && button->parentWidget() == tb_ && button->defaultAction()) {
            ShowPlainToolTip(static_cast<QHelpEvent*>(event), button,
                             button->defaultAction()->toolTip());
            return true;
        }
    }
    if (event->type() == QEvent::Shortcut &&
        OpenMenuOfShortcut(static_cast<QShortcutEvent*>(event)))
        return true;
    // The font box would take Ctrl+A, Ctrl+K and others for editing its text; the window's
    // commands come first there too. Kept from the box, a key of an unavailable command then
    // does nothing, as it does everywhere else.
    if ((event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
        qobject_cast<QComboBox*>(watched) && IsCommandKey(*static_cast<QKeyEvent*>(event)))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

bool frmTu_K::IsCommandKey(const QKeyEvent& key) const {
    const QKeySequence pressed(key.keyCombination());
    const QList<QAction*> actions = findChildren<QAction*>();
    return std::any_of(actions.cbegin(), actions.cend(), [&](const QAction* action) {
        return !action->shortcut().isEmpty() && action->shortcut() == pressed;
    });
}

// "&File" and the "&Folder" box share Alt+F; a key that opens a menu opens it, as users of
// every desktop program expect, instead of moving the focus between the two.
bool frmTu_K::OpenMenuOfShortcut(const QShortcutEvent* event) {
    if (!event->isAmbiguous())
        return false;
    for (QAction* menu : menuBar()->actions()) {
        if (QKeySequence::mnemonic(menu->text()) == event->key()) {
            menuBar()->setActiveAction(menu);
            return true;
        }
    }
    return false;
}

// The tree takes every pixel the window has beyond its designed size, keeping its left and
// top edges; the image list under the style panel gets the height by which the tree is
// taller than the panel, and is hidden while it would get none.
void frmTu_K::Form_Resize() {
    if (isMinimized())
        return;
    const QSize client = client_->size();
    const QRect designed = Scaled(scale_, kTV);
    tv_->resize(std::max(designed.width(), client.width() - nTreeMarginW_),
                std::max(designed.height(), client.height() - nTreeMarginH_));
    const int listHeight = tv_->height() - picCtrl_->height();
    file1_->setVisible(listHeight > 0);
    if (listHeight > 0)
        file1_->resize(file1_->width(), listHeight);
}

void frmTu_K::CopyBody() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(colors_->BodyLabel()->text());
}

} // namespace tuk
