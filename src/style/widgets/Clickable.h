#pragma once

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

namespace tuk {

// A label that reports a click: the left button pressed and released over it. It takes the
// press itself, so a click on a label inside a panel is the label's, not the panel's.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void Clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A panel that reports a click the same way.
class ClickPanel : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;

Q_SIGNALS:
    void Clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace tuk
