#pragma once

#include "app/CommandPolicy.h"

#include <QToolBar>

namespace tuk {

// The toolbar TB: its buttons from left to right, each showing only its picture, with its
// command's name for screen readers and its tooltip as plain text (the "target" tooltip holds
// a folder name). A button is never disabled: the window decides whether its command runs.
class Toolbar : public QToolBar {
    Q_OBJECT
public:
    Toolbar(int heightPx, QWidget* parent);

    // Adds the buttons; the "target" tooltip shows the target folder as loaded.
    void BuildButtons();
    // The "target" tooltip after the user has picked a target folder.
    void ShowPickedTargetFolder();

Q_SIGNALS:
    void ButtonClicked(ToolKey key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* AddButton(ToolKey key, const QString& tooltip);
};

} // namespace tuk
