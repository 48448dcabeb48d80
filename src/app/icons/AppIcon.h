#pragma once

#include <QIcon>

namespace tuk {

// The program's icon: the hand-drawn pictures at 16, 32 and 48 pixels.
QIcon AppIcon();

} // namespace tuk
