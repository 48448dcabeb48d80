#include "app/PlacementKeeper.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tuk {

void PlacementKeeper::Apply(const WindowPlacement& place) {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->geometry();
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect outer = KeepOnScreens(BoundsOfPlacement(place, dpi_), screens,
                                      primary ? primary->availableGeometry() : QRect());
    const QSize frame = FrameExtra();
    // The designed size is the smallest the window can be. This platform's frame and menu
    // bar differ from the designing system's, so that size means the window's own minimum.
    designedSize_ = HasDesignedSize(place);
    if (designedSize_)
        window_.resize(window_.minimumSize());
    else
        window_.resize(outer.size() - frame);
    window_.move(outer.topLeft());
    pendingOuter_ = outer;
    pending_ = frame.isNull();
}

QSize PlacementKeeper::FrameExtra() const {
    return window_.frameGeometry().size() - window_.geometry().size();
}

void PlacementKeeper::FitToFrame() {
    if (!pending_ || !window_.isVisible())
        return;
    const QSize frame = FrameExtra();
    if (frame.isNull())
        return;
    pending_ = false;
    if (!designedSize_)
        window_.resize(pendingOuter_.size() - frame);
    window_.move(pendingOuter_.topLeft());
}

WindowPlacement PlacementKeeper::AtClose(const WindowPlacement& stored) const {
    // A Wayland client cannot learn where its window is; its position stays as stored.
    const bool positionKnown =
        !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    const std::optional<QRect> outer =
        window_.isMinimized() ? std::nullopt : std::optional(window_.frameGeometry());
    return PlacementAtClose(stored, outer, dpi_, positionKnown);
}

} // namespace tuk
