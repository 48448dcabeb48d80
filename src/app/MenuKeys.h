#pragma once

#include <QObject>

class QKeyEvent;
class QMainWindow;
class QShortcutEvent;

namespace tuk {

// The window's keys where they meet the controls' own. "&File" and the "&Folder" box share
// Alt+F: a key that opens a menu opens it, as users of every desktop program expect, instead
// of moving the focus between the two. The font box would take Ctrl+A, Ctrl+K and others for
// editing its text: the window's commands come first there too, and the key of an unavailable
// command then does nothing, as it does everywhere else. Install it on the controls.
class MenuKeys : public QObject {
    Q_OBJECT
public:
    explicit MenuKeys(QMainWindow& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OpenMenuOfShortcut(const QShortcutEvent& event);
    bool IsCommandKey(const QKeyEvent& key) const;

    QMainWindow& window_;
};

} // namespace tuk
