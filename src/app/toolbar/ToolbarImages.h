#pragma once

#include "app/CommandPolicy.h"

#include <QIcon>

namespace tuk {

// The 16 x 16 picture of a toolbar command, SVG drawn on the 16 pixel grid (it needs Qt's SVG
// image plugin at run time).
QIcon ToolbarIcon(ToolKey key);

} // namespace tuk
