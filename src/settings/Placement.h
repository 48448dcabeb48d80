#pragma once

#include "settings/PageSettings.h"

#include <QList>
#include <QRect>
#include <optional>

namespace tuk {

// Twips and pixels at a logical resolution in dots per inch (96 gives 15 twips per pixel).
// Both round to the nearest whole number.
int TwipsToPixels(int twips, double dpi);
int PixelsToTwips(int pixels, double dpi);

// The placement of a window whose outer bounds are the rectangle (pixels). Values beyond
// the 16-bit range of the stored fields are clamped to it rather than wrapped.
WindowPlacement PlacementOfBounds(const QRect& outer, double dpi);

// What a close while minimised keeps: the top-left corner and the designed size.
WindowPlacement MinimisedPlacement();

// What a close stores: the placement of the window's outer bounds, or the minimised one when
// there are none (the window is minimised). Where the platform cannot tell a window's
// position (Wayland) the stored position is kept and only the size is taken. A maximised
// window gives its normal bounds and lMaxed.
WindowPlacement PlacementAtClose(const WindowPlacement& stored, const std::optional<QRect>& outer,
                                 double dpi, bool positionKnown, bool maximised = false);

// The outer bounds (pixels) a stored placement asks for.
QRect BoundsOfPlacement(const WindowPlacement& place, double dpi);

// The available area that a window with these outer bounds opens on: of those given (at least
// one, the primary screen's first), the one it covers most, or the primary one when it covers
// none.
QRect ScreenAreaOf(const QRect& outer, const QList<QRect>& available);

// Where a window that asks for these outer bounds opens, so that all of it lies on one
// screen's available area (every rectangle in the same pixels, the primary screen first):
// on ScreenAreaOf, its size cut to that area but never below minimum; then its position moved
// just as far as needed. A window larger than the area even at its minimum size keeps the
// area's top-left corner.
QRect FitOnScreens(const QRect& outer, const QList<QRect>& available, const QSize& minimum);

} // namespace tuk
