#pragma once

#include "settings/Placement.h"

#include <QMargins>
#include <QMetaObject>
#include <QRect>
#include <functional>

class QScreen;
class QWidget;

namespace tuk {

// Puts the window where it was at the last close, and tells where it is at this close. The
// stored placement is the outer one (frame included); until the window manager has framed
// the window its frame is unknown, so the placement is fitted again once it is. The window's
// minimum follows the available area of the screen it is on: fitMinimum is given the largest
// size the window may take there, its frame left out.
class PlacementKeeper {
public:
    using MinimumFitter = std::function<void(const QSize& room)>;
    PlacementKeeper(QWidget& window, double dpi, MinimumFitter fitMinimum)
        : window_(window), dpi_(dpi), fitMinimum_(std::move(fitMinimum)) {}

    // Outer size first, then the top-left corner, as stored, cut and moved so that the whole
    // window lies on a screen's available area (FitOnScreens); maximised when it was closed so.
    void Apply(const WindowPlacement& place);
    // Called on the window's show, move, resize and change of state: fits the placement once
    // the frame is known and the window is not maximised; from then on, the minimum follows
    // the window's screen and that screen's available area.
    void FitToFrame();
    // The placement to store at the close, from the one stored at start-up.
    WindowPlacement AtClose(const WindowPlacement& stored) const;

private:
    QMargins Frame() const;
    // Sizes and moves the window to the stored placement fitted for this frame; returns the
    // outer bounds it asked for.
    QRect Fit(const QMargins& frame);
    void FollowScreen(QScreen* screen);

    QWidget& window_;
    double dpi_;
    MinimumFitter fitMinimum_;
    QMetaObject::Connection screenChange_;
    QMetaObject::Connection areaChange_;
    WindowPlacement stored_;
    QRect asked_;              // outer bounds of the last fit
    QMargins normalFrame_;     // the frame last seen on the window while not maximised
    bool pending_ = false;     // the fit still waits for the window manager's frame
    bool shownNormal_ = false; // the window showed its normal bounds since its start
};

} // namespace tuk
