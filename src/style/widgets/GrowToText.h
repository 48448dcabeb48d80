#pragma once

#include <QWidget>

namespace tuk {

// Lets a control with a caption grow from its designed size towards the size its text
// needs in the current font, but never past the given right edge or height, so that it
// cannot run into its neighbours. Positions stay as designed.
void GrowToText(QWidget* control, int rightLimit, int heightLimit);

} // namespace tuk
