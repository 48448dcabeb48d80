#include "style/widgets/Clickable.h"

namespace tuk {

namespace {

void AcceptLeftPress(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        event->accept();
    else
        event->ignore();
}

bool IsClick(const QWidget* widget, const QMouseEvent* event) {
    return event->button() == Qt::LeftButton &&
           widget->rect().contains(event->position().toPoint());
}

} // namespace

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    AcceptLeftPress(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (IsClick(this, event))
        Q_EMIT Clicked();
}

void ClickPanel::mousePressEvent(QMouseEvent* event) {
    AcceptLeftPress(event);
}

void ClickPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (IsClick(this, event))
        Q_EMIT Clicked();
}

} // namespace tuk
