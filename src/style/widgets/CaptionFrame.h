#pragma once

#include <QGroupBox>

namespace tuk {

// A frame drawn the classic way: its line runs through the middle of the caption, so the
// first row of controls (designed 240 twips down) stands clear of it in any style.
class CaptionFrame : public QGroupBox {
    Q_OBJECT
public:
    CaptionFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

    // The area inside the frame's line.
    QRect InnerRect() const { return rect().adjusted(2, 2, -2, -2); }

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tuk
