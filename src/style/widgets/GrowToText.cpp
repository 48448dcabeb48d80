#include "style/widgets/GrowToText.h"

#include <algorithm>

namespace tuk {

void GrowToText(QWidget* control, int rightLimit, int heightLimit) {
    control->ensurePolished();
    const QSize needed = control->sizeHint();
    const int width =
        std::max(control->width(), std::min(needed.width(), rightLimit - control->x()));
    const int height = std::max(control->height(), std::min(needed.height(), heightLimit));
    control->resize(width, height);
}

} // namespace tuk
