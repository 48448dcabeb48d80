#pragma once

#include "settings/Placement.h"

#include <QRect>

class QWidget;

namespace tuk {

// Puts the window where it was at the last close, and tells where it is at this close. The
// stored placement is the outer one (frame included); until the window manager has framed
// the window its frame is unknown, so the outer size is fitted once it is.
class PlacementKeeper {
public:
    PlacementKeeper(QWidget& window, double dpi) : window_(window), dpi_(dpi) {}

    // Outer size first, then the top-left corner, as stored; only a placement that lies
    // entirely off every screen is moved onto the primary screen.
    void Apply(const WindowPlacement& place);
    // Called on the window's show, move and resize: fits the outer size once the frame is
    // known.
    void FitToFrame();
    // The placement to store at the close, from the one stored at start-up.
    WindowPlacement AtClose(const WindowPlacement& stored) const;

private:
    QSize FrameExtra() const;

    QWidget& window_;
    double dpi_;
    QRect pendingOuter_; // placement still waiting for the window manager's frame
    bool pending_ = false;
    bool designedSize_ = false;
};

} // namespace tuk
