#include "style/widgets/TwipScale.h"

#include "settings/Placement.h"

#include <QGuiApplication>
#include <QScreen>

namespace tuk {

double TwipScale::ScreenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 0.0;
    return dpi > 0 ? dpi : 96.0;
}

int TwipScale::Px(int twips) const {
    return TwipsToPixels(twips, dpi_);
}

int TwipScale::Twips(int pixels) const {
    return PixelsToTwips(pixels, dpi_);
}

QRect TwipScale::Rect(int left, int top, int width, int height) const {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

} // namespace tuk
