#pragma once

#include <QIcon>

namespace tuk {

// The program's icon: hand-drawn pictures at 16, 32 and 48 pixels and, when Qt's SVG plugin is
// there, larger sizes rendered from the scalable drawing.
QIcon AppIcon();

} // namespace tuk
