#include "style/widgets/FocusBar.h"

#include <QPainter>

namespace tuk {

FocusBar::FocusBar(int minimum, int maximum, int value, QWidget* parent)
    : QScrollBar(Qt::Horizontal, parent) {
    setRange(minimum, maximum);
    setSingleStep(1);
    setPageStep(10);
    setValue(value);
    setInvertedControls(false); // the Left key lowers the value, Right raises it
    setTracking(false);
    setFocusPolicy(Qt::StrongFocus);
}

// The styles draw no focus on a scroll bar: without the ring a keyboard user cannot tell
// which bar the arrow keys move.
void FocusBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

} // namespace tuk
