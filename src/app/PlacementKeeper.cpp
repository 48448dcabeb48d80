#include "app/PlacementKeeper.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace tuk {

namespace {

// The part of the screen's available area a window's frame may cover. Above twice the scale a
// side of the frame one device pixel wide rounds to no pixel: the window then keeps a pixel
// off each edge, so its whole frame lies on the screen.
QRect UsableArea(const QScreen& screen) {
    const int edge = screen.devicePixelRatio() > 2 ? 1 : 0;
    return screen.availableGeometry().adjusted(edge, edge, -edge, -edge);
}

// The screens' usable areas, the primary one first.
QList<QRect> AvailableAreas() {
    QList<QRect> areas;
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        areas << UsableArea(*primary);
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            areas << UsableArea(*screen);
    }
    return areas;
}

QSize Extra(const QMargins& frame) {
    return QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
}

} // namespace

void PlacementKeeper::Apply(const WindowPlacement& place) {
    stored_ = place;
    const QMargins frame = Frame();
    asked_ = Fit(frame);
    pending_ = frame.isNull();
    if (place.lMaxed)
        window_.setWindowState(window_.windowState() | Qt::WindowMaximized);
}

QMargins PlacementKeeper::Frame() const {
    const QRect inner = window_.geometry();
    const QRect outer = window_.frameGeometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

QRect PlacementKeeper::Fit(const QMargins& frame) {
    // The designed size is the smallest the window can be where the screen has room for it.
    // This platform's frame and menu bar differ from the designing system's, so that size
    // means the window's own minimum, which the screen it opens on may cut.
    QRect outer = BoundsOfPlacement(stored_, dpi_);
    const QList<QRect> areas = AvailableAreas();
    if (!areas.isEmpty())
        fitMinimum_(ScreenAreaOf(outer, areas).size() - Extra(frame));
    const QSize minimum = window_.minimumSize() + Extra(frame);
    if (HasDesignedSize(stored_))
        outer.setSize(minimum);
    outer = FitOnScreens(outer, areas, minimum);
    window_.resize(outer.size() - Extra(frame));
    window_.move(outer.topLeft());
    return outer;
}

void PlacementKeeper::FitToFrame() {
    if (!window_.isVisible() ||
        (window_.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)))
        return;
    shownNormal_ = true;
    const QMargins frame = Frame();
    if (frame.isNull())
        return;
    normalFrame_ = frame;
    if (!screenChange_) {
        screenChange_ = QObject::connect(window_.windowHandle(), &QWindow::screenChanged, &window_,
                                         [this](QScreen* screen) { FollowScreen(screen); });
        FollowScreen(window_.screen());
    }
    if (pending_) {
        pending_ = false;
        asked_ = Fit(frame);
    }
}

// Fits the window's minimum to the screen's available area now and whenever that changes.
void PlacementKeeper::FollowScreen(QScreen* screen) {
    QObject::disconnect(areaChange_);
    if (!screen)
        return;
    const auto fit = [this, screen] {
        fitMinimum_(UsableArea(*screen).size() - Extra(normalFrame_));
    };
    areaChange_ = QObject::connect(screen, &QScreen::availableGeometryChanged, &window_, fit);
    fit();
}

WindowPlacement PlacementKeeper::AtClose(const WindowPlacement& stored) const {
    // A Wayland client cannot learn where its window is; its position stays as stored.
    const bool positionKnown =
        !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    const bool maximised = window_.isMaximized();
    std::optional<QRect> outer;
    if (!window_.isMinimized()) {
        // A window maximised since its start never showed its normal bounds: they are still
        // the ones asked for.
        outer = !maximised     ? window_.frameGeometry()
                : shownNormal_ ? window_.normalGeometry().marginsAdded(normalFrame_)
                               : asked_;
    }
    return PlacementAtClose(stored, outer, dpi_, positionKnown, maximised);
}

} // namespace tuk
