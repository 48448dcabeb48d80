#pragma once

#include "settings/Placement.h"

#include <QMargins>
#include <QRect>

class QWidget;

namespace tuk {

// Puts the window where it was at the last close, and tells where it is at this close. The
// stored placement is the outer one (frame included); until the window manager has framed
// the window its frame is unknown, so the placement is fitted again once it is.
class PlacementKeeper {
public:
    PlacementKeeper(QWidget& window, double dpi) : window_(window), dpi_(dpi) {}

    // Outer size first, then the top-left corner, as stored, cut and moved so that the whole
    // window lies on a screen's available area (FitOnScreens); maximised when it was closed so.
    void Apply(const WindowPlacement& place);
    // Called on the window's show, move, resize and change of state: fits the placement once
    // the frame is known and the window is not maximised.
    void FitToFrame();
    // The placement to store at the close, from the one stored at start-up.
    WindowPlacement AtClose(const WindowPlacement& stored) const;

private:
    QMargins Frame() const;
    // Sizes and moves the window to the stored placement fitted for this frame; returns the
    // outer bounds it asked for.
    QRect Fit(const QMargins& frame);

    QWidget& window_;
    double dpi_;
    WindowPlacement stored_;
    QRect asked_;              // outer bounds of the last fit
    QMargins normalFrame_;     // the frame last seen on the window while not maximised
    bool pending_ = false;     // the fit still waits for the window manager's frame
    bool shownNormal_ = false; // the window showed its normal bounds since its start
};

} // namespace tuk
