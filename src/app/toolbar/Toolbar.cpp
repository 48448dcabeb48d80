#include "app/toolbar/Toolbar.h"

#include "app/PlainToolTip.h"
#include "app/toolbar/ToolbarImages.h"
#include "settings/PageSettings.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QHelpEvent>
#include <QKeySequence>
#include <QToolButton>
#include <optional>

namespace tuk {

namespace {

struct ToolDesign {
    std::optional<ToolKey> key; // none for a separator
    const char* tooltip;        // also the button's name for screen readers
};

constexpr char kTargetTip[] = QT_TRANSLATE_NOOP("frmTu_K", "Set folder for remote images");

// The toolbar from left to right. The "target" tooltip tells the target folder too.
constexpr ToolDesign kTools[] = {
    {ToolKey::Exit, QT_TRANSLATE_NOOP("frmTu_K", "Close TU_K")},
    {std::nullopt, nullptr},
    {ToolKey::Refresh, QT_TRANSLATE_NOOP("frmTu_K", "Refresh file list")},
    {std::nullopt, nullptr},
    {ToolKey::Target, kTargetTip},
    {ToolKey::Copy, QT_TRANSLATE_NOOP("frmTu_K", "Copy body to clipboard")},
    {ToolKey::Save, QT_TRANSLATE_NOOP("frmTu_K", "Save settings")},
    {ToolKey::Default, QT_TRANSLATE_NOOP("frmTu_K", "Load default settings")},
    {std::nullopt, nullptr},
    {ToolKey::HtmlMake, QT_TRANSLATE_NOOP("frmTu_K", "Make HTML's")},
    {ToolKey::HtmlView, QT_TRANSLATE_NOOP("frmTu_K", "View HTML's")},
    {std::nullopt, nullptr},
    {ToolKey::About, QT_TRANSLATE_NOOP("frmTu_K", "About TU_K")},
};

// The target command has no menu entry; this key runs it.
constexpr QKeyCombination kTargetShortcut = Qt::CTRL | Qt::Key_T;

QString TargetShortcutText() {
    return QKeySequence(kTargetShortcut).toString(QKeySequence::NativeText);
}

// The "target" tooltip at start-up: the command, the target folder and the shortcut.
QString TargetToolTip() {
    //: The target button's tooltip; %1 is the target folder, %2 the button's shortcut.
    return QCoreApplication::translate("frmTu_K", "Set folder for remote images: %1 (%2)")
        .arg(Program().page.TargetFolder, TargetShortcutText());
}

// The "target" tooltip once the user has picked a target folder.
QString PickedTargetToolTip() {
    //: The target button's tooltip once the user has picked a target folder; %1 is the
    //: folder, %2 the button's shortcut.
    return QCoreApplication::translate("frmTu_K", "Set folder for remote images - Current: %1 (%2)")
        .arg(Program().page.TargetFolder, TargetShortcutText());
}

} // namespace

Toolbar::Toolbar(int heightPx, QWidget* parent) : QToolBar(parent) {
    setObjectName(QStringLiteral("TB"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setFixedHeight(heightPx);
}

void Toolbar::BuildButtons() {
    for (const ToolDesign& tool : kTools) {
        if (!tool.key) {
            addSeparator();
            continue;
        }
        const bool target = *tool.key == ToolKey::Target;
        const QString command = QCoreApplication::translate("frmTu_K", tool.tooltip);
        QAction* button = AddButton(*tool.key, target ? TargetToolTip() : command);
        button->setText(command); // not shown: the buttons show their image
        if (target)
            button->setShortcut(kTargetShortcut);
    }
}

QAction* Toolbar::AddButton(ToolKey key, const QString& tooltip) {
    const QString name = ToolKeyName(key);
    QAction* button = addAction(ToolbarIcon(key), QString());
    button->setObjectName(name);
    button->setData(name);
    button->setToolTip(tooltip);
    widgetForAction(button)->installEventFilter(this);
    connect(button, &QAction::triggered, this, [this, key] { Q_EMIT ButtonClicked(key); });
    return button;
}

void Toolbar::ShowPickedTargetFolder() {
    if (QAction* button = findChild<QAction*>(ToolKeyName(ToolKey::Target)))
        button->setToolTip(PickedTargetToolTip());
}

bool Toolbar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* button = qobject_cast<QToolButton*>(watched);
        if (button && button->defaultAction()) {
            ShowPlainToolTip(static_cast<QHelpEvent*>(event), button,
                             button->defaultAction()->toolTip());
            return true;
        }
    }
    return QToolBar::eventFilter(watched, event);
}

} // namespace tuk
