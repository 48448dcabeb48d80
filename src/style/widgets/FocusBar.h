#pragma once

#include <QScrollBar>

namespace tuk {

// A horizontal bar of the style editor. It takes the focus by Tab and by click and shows it
// with a ring; Left and Right step 1, Page Up and Page Down 10, Home and End go to the ends.
// A dragged thumb sets the value when it is let go, not while it moves.
class FocusBar : public QScrollBar {
    Q_OBJECT
public:
    FocusBar(int minimum, int maximum, int value, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tuk
