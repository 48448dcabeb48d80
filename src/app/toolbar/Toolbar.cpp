#include "app/toolbar/Toolbar.h"

#include "app/PlainToolTip.h"
#include "app/toolbar/ToolbarImages.h"
#include "settings/PageSettings.h"

#include <QAction>
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

constexpr char kTargetTip[] = "Set folder for remote images";

// The toolbar from left to right. The "target" tooltip tells the target folder too.
constexpr ToolDesign kTools[] = {
    {ToolKey::Exit, "Close TU_K"},
    {std::nullopt, nullptr},
    {ToolKey::Refresh, "Refresh file list"},
    {std::nullopt, nullptr},
    {ToolKey::Target, kTargetTip},
    {ToolKey::Copy, "Copy body to clipboard"},
    {ToolKey::Save, "Save settings"},
    {ToolKey::Default, "Load default settings"},
    {std::nullopt, nullptr},
    {ToolKey::HtmlMake, "Make HTML's"},
    {ToolKey::HtmlView, "View HTML's"},
    {std::nullopt, nullptr},
    {ToolKey::About, "About TU_K"},
};

// The target command has no menu entry; this key runs it.
constexpr QKeyCombination kTargetShortcut = Qt::CTRL | Qt::Key_T;

// The "target" tooltip: the command, the target folder behind the separator (": " at
// start-up, " - Current: " once the user has picked one) and the shortcut.
QString TargetToolTip(const char* separator) {
    return QLatin1String(kTargetTip) + QLatin1String(separator) + Program().page.TargetFolder +
           QStringLiteral(" (") + QKeySequence(kTargetShortcut).toString(QKeySequence::NativeText) +
           QLatin1Char(')');
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
        QAction* button =
            AddButton(*tool.key, target ? TargetToolTip(": ") : QLatin1String(tool.tooltip));
        button->setText(QLatin1String(tool.tooltip)); // not shown: the buttons show their image
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
        button->setToolTip(TargetToolTip(" - Current: "));
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
