#include "app/PlainToolTip.h"

#include <QHelpEvent>
#include <QToolTip>

namespace tuk {

void ShowPlainToolTip(const QHelpEvent* event, QWidget* widget, const QString& text) {
    if (text.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(
        event->globalPos(),
        QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped()), widget);
}

} // namespace tuk
