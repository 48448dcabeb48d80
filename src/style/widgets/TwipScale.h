#pragma once

#include <QRect>

namespace tuk {

// Converts the designed positions and sizes (twips) into pixels at the screen's logical
// resolution: 15 twips make one pixel at 96 dpi.
class TwipScale {
public:
    // The primary screen's logical dpi, 96 when there is no screen.
    static double ScreenDpi();

    explicit TwipScale(double dpi = ScreenDpi()) : dpi_(dpi) {}

    double Dpi() const { return dpi_; }
    int Px(int twips) const;
    int Twips(int pixels) const;
    QRect Rect(int left, int top, int width, int height) const;

private:
    double dpi_;
};

} // namespace tuk
