#include "settings/Placement.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tuk {

namespace {

qint16 ClampToInt16(int value) {
    return static_cast<qint16>(std::clamp<int>(value, std::numeric_limits<qint16>::min(),
                                               std::numeric_limits<qint16>::max()));
}

} // namespace

int TwipsToPixels(int twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

int PixelsToTwips(int pixels, double dpi) {
    return static_cast<int>(std::lround(pixels * kTwipsPerInch / dpi));
}

WindowPlacement PlacementOfBounds(const QRect& outer, double dpi) {
    return WindowPlacement{ClampToInt16(PixelsToTwips(outer.x(), dpi)),
                           ClampToInt16(PixelsToTwips(outer.y(), dpi)),
                           ClampToInt16(PixelsToTwips(outer.width(), dpi)),
                           ClampToInt16(PixelsToTwips(outer.height(), dpi))};
}

WindowPlacement MinimisedPlacement() {
    return kDefaultPlacement;
}

WindowPlacement PlacementAtClose(const WindowPlacement& stored, const std::optional<QRect>& outer,
                                 double dpi, bool positionKnown, bool maximised) {
    WindowPlacement place = outer ? PlacementOfBounds(*outer, dpi) : MinimisedPlacement();
    place.lMaxed = outer.has_value() && maximised;
    if (!positionKnown) {
        place.DefL = stored.DefL;
        place.DefT = stored.DefT;
    }
    return place;
}

QRect BoundsOfPlacement(const WindowPlacement& place, double dpi) {
    return QRect(TwipsToPixels(place.DefL, dpi), TwipsToPixels(place.DefT, dpi),
                 TwipsToPixels(place.DefW, dpi), TwipsToPixels(place.DefH, dpi));
}

QRect ScreenAreaOf(const QRect& outer, const QList<QRect>& available) {
    // A window of no size still counts by its corner.
    const QRect probe(outer.topLeft(), outer.size().expandedTo(QSize(1, 1)));
    QRect area = available.first();
    qint64 most = 0;
    for (const QRect& screen : available) {
        const QRect common = screen.intersected(probe);
        const qint64 covered = qint64(common.width()) * common.height();
        if (covered > most) {
            most = covered;
            area = screen;
        }
    }
    return area;
}

QRect FitOnScreens(const QRect& outer, const QList<QRect>& available, const QSize& minimum) {
    if (available.isEmpty())
        return outer;
    const QRect area = ScreenAreaOf(outer, available);
    const QSize size = outer.size().boundedTo(area.size()).expandedTo(minimum);
    const int left =
        std::max(area.left(), std::min(outer.left(), area.left() + area.width() - size.width()));
    const int top =
        std::max(area.top(), std::min(outer.top(), area.top() + area.height() - size.height()));
    return QRect(QPoint(left, top), size);
}

} // namespace tuk
