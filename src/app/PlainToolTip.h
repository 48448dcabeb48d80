#pragma once

#include <QString>

class QHelpEvent;
class QWidget;

namespace tuk {

// Shows a tooltip with the text exactly as it is. Qt renders a tooltip text that looks like
// HTML as HTML, so a folder named "<b>x</b>" would show as a bold "x".
void ShowPlainToolTip(const QHelpEvent* event, QWidget* widget, const QString& text);

} // namespace tuk
