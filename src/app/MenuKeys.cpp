#include "app/MenuKeys.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcutEvent>
#include <algorithm>

namespace tuk {

MenuKeys::MenuKeys(QMainWindow& window) : QObject(&window), window_(window) {}

bool MenuKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Shortcut &&
        OpenMenuOfShortcut(*static_cast<QShortcutEvent*>(event)))
        return true;
    if ((event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
        qobject_cast<QComboBox*>(watched) && IsCommandKey(*static_cast<QKeyEvent*>(event)))
        return true;
    return QObject::eventFilter(watched, event);
}

bool MenuKeys::IsCommandKey(const QKeyEvent& key) const {
    const QKeySequence pressed(key.keyCombination());
    const QList<QAction*> actions = window_.findChildren<QAction*>();
    return std::any_of(actions.cbegin(), actions.cend(), [&](const QAction* action) {
        return !action->shortcut().isEmpty() && action->shortcut() == pressed;
    });
}

bool MenuKeys::OpenMenuOfShortcut(const QShortcutEvent& event) {
    if (!event.isAmbiguous())
        return false;
    QMenuBar* bar = window_.menuBar();
    for (QAction* menu : bar->actions()) {
        if (QKeySequence::mnemonic(menu->text()) == event.key()) {
            bar->setActiveAction(menu);
            return true;
        }
    }
    return false;
}

} // namespace tuk
