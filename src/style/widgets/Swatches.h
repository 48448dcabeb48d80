#pragma once

#include "style/widgets/TwipScale.h"

#include <QAbstractButton>
#include <array>

namespace tuk {

// One preset swatch: a square in its colour (the palette's Window role) with a single border.
class Swatch : public QAbstractButton {
    Q_OBJECT
public:
    using QAbstractButton::QAbstractButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The sixteen swatches in two rows of eight, one stop of the Tab order: Tab reaches the swatch
// picked or visited last, the arrow keys move between them (Home and End to the first and
// the last), Space or Enter picks the one with the focus, a click picks and focuses it.
class SwatchRow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCount = 16;

    // Lays the swatches out from the row's top-left corner, 240 twips apart.
    SwatchRow(const TwipScale& scale, QWidget* parent);

    Swatch* At(int index) const { return swatches_[static_cast<size_t>(index)]; }

Q_SIGNALS:
    void Picked(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MakeTabStop(int index);

    std::array<Swatch*, kCount> swatches_{};
};

} // namespace tuk
